// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/ShownDirectoryAccess.h"

#include "browse/NameOrder.h"

namespace wypelark {

DirectoryListing ShownDirectoryAccess::list(const QByteArray& folder) const {
    DirectoryListing listing = mInner.list(folder);
    std::erase_if(listing.entries,
                  [](const DirectoryEntry& entry) { return entry.name.startsWith('.'); });
    sortEntries(listing.entries);
    return listing;
}

} // namespace wypelark
