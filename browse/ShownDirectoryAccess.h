// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "browse/DirectoryAccess.h"

namespace wypelark {

// Listings as the browser shows them: hidden entries (names starting with a dot) left out, the
// rest sorted as a person reads them (see sortEntries). The work is done where the listing is
// read: a folder of a million names is sorted on the thread that listed it, not the window's.
class ShownDirectoryAccess final : public DirectoryAccess {
public:
    explicit ShownDirectoryAccess(const DirectoryAccess& inner) : mInner(inner) {}

    DirectoryListing list(const QByteArray& folder, const EarlyEntries& early) const override;
    std::vector<Volume> volumes() const override { return mInner.volumes(); }
    QByteArray currentFolder() const override { return mInner.currentFolder(); }

private:
    const DirectoryAccess& mInner;
};

} // namespace wypelark
