// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "browse/DirectoryAccess.h"

#include <functional>

namespace wypelark {

// The folder browser's reads, each made on a thread of its own while this thread goes on
// handling its events: a folder of a hundred thousand files, or a mount that never answers,
// does not freeze the window. A read that the application's end overtakes is given up, its
// thread left to the kernel; it comes back as cancelled, as does nothing else.
class WaitingDirectoryAccess final : public DirectoryAccess {
public:
    // busy is told when a read has taken more than a moment, and when the last such ended.
    WaitingDirectoryAccess(const DirectoryAccess& inner, std::function<void(bool)> busy);

    DirectoryListing list(const QByteArray& folder, const EarlyEntries& early) const override;
    std::vector<Volume> volumes() const override;
    QByteArray currentFolder() const override { return mInner.currentFolder(); }

private:
    void waiting(bool slow) const;

    const DirectoryAccess& mInner;
    std::function<void(bool)> mBusy;
    mutable int mWaiting = 0;
};

// A listing's names parted into folders and files (see partedNames), a large listing on a thread
// of its own: a million names took 20-26 ms of this one.
PartedNames partedNamesAway(std::vector<DirectoryEntry> entries);

} // namespace wypelark
