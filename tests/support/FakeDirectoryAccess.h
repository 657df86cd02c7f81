// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "browse/PosixDirectoryAccess.h"

#include <QByteArray>
#include <QMap>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include <sys/resource.h>

namespace wypelark::testing {

// The real folders, except for volumes and folders that a test makes fail with an errno.
class FakeDirectoryAccess final : public DirectoryAccess {
public:
    std::vector<Volume> shownVolumes;
    QByteArray startFolder = "/";
    QMap<QByteArray, int> failing; // folder -> errno
    bool realVolumes = false;      // the mounted volumes rather than shownVolumes

    // Listing this folder waits until releaseHanging(), or five seconds at most, so that a
    // window that waits for it fails its test rather than hanging it.
    QByteArray hanging;
    bool earlyBeforeHanging = false; // its entries are handed early before it waits

    void releaseHanging() {
        const std::lock_guard lock(mMutex);
        mReleased = true;
        mRelease.notify_all();
    }

    // The niceness of the thread that made the last listing.
    mutable std::atomic<int> listedAtNiceness = 0;

    DirectoryListing list(const QByteArray& folder, const EarlyEntries& early) const override {
        listedAtNiceness = ::getpriority(PRIO_PROCESS, 0);
        if (!hanging.isEmpty() && folder == hanging) {
            if (earlyBeforeHanging && early)
                early(mReal.list(folder, {}).entries);
            std::unique_lock lock(mMutex);
            mRelease.wait_for(lock, std::chrono::seconds(5), [this] { return mReleased; });
        }
        if (failing.contains(folder))
            return {{}, {failing.value(folder), std::system_category()}};
        return mReal.list(folder, early);
    }
    std::vector<Volume> volumes() const override {
        return realVolumes ? mReal.volumes() : shownVolumes;
    }
    QByteArray currentFolder() const override { return startFolder; }

private:
    PosixDirectoryAccess mReal;
    mutable std::mutex mMutex;
    mutable std::condition_variable mRelease;
    bool mReleased = false;
};

} // namespace wypelark::testing
