// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/WaitingDirectoryAccess.h"

#include "control/AwayFromThisThread.h"

namespace wypelark {

WaitingDirectoryAccess::WaitingDirectoryAccess(const DirectoryAccess& inner,
                                               std::function<void(bool)> busy)
    : mInner(inner), mBusy(std::move(busy)) {}

void WaitingDirectoryAccess::waiting(bool slow) const {
    // Told once for reads that overlap: the first that waits and the last that ends.
    if ((slow ? mWaiting++ : --mWaiting) == 0 && mBusy)
        mBusy(slow);
}

// The inner access outlives every read: it is the application's, and a read given up at the
// application's end is left to the kernel with it.
DirectoryListing WaitingDirectoryAccess::list(const QByteArray& folder,
                                              const EarlyEntries& early) const {
    const DirectoryAccess& inner = mInner;
    return awayFromThisThread<DirectoryListing>(
        [&inner, folder, early] { return inner.list(folder, early); },
        {{}, std::make_error_code(std::errc::operation_canceled)},
        [this](bool slow) { waiting(slow); });
}

std::vector<Volume> WaitingDirectoryAccess::volumes() const {
    const DirectoryAccess& inner = mInner;
    return awayFromThisThread<std::vector<Volume>>([&inner] { return inner.volumes(); }, {},
                                                   [this](bool slow) { waiting(slow); });
}

PartedNames partedNamesAway(std::vector<DirectoryEntry> entries) {
    // Listings of more entries than this are parted away from this thread.
    constexpr std::size_t PartedHereUpTo = 10000;
    if (entries.size() <= PartedHereUpTo)
        return partedNames(std::move(entries));
    return awayFromThisThread<PartedNames>(
        [held = std::move(entries)]() mutable { return partedNames(std::move(held)); }, {});
}

} // namespace wypelark
