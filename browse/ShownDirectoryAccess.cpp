// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/ShownDirectoryAccess.h"

#include "browse/NameOrder.h"

namespace wypelark {

namespace {

bool isHidden(const DirectoryEntry& entry) {
    return entry.name.startsWith('.');
}

} // namespace

DirectoryListing ShownDirectoryAccess::list(const QByteArray& folder,
                                            const EarlyEntries& early) const {
    EarlyEntries shownEarly;
    if (early) {
        shownEarly = [early](std::vector<DirectoryEntry> entries) {
            std::erase_if(entries, isHidden);
            if (!entries.empty())
                early(std::move(entries));
        };
    }
    DirectoryListing listing = mInner.list(folder, shownEarly);
    std::erase_if(listing.entries, isHidden);
    sortEntries(listing.entries);
    return listing;
}

} // namespace wypelark
