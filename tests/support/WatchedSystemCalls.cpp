// SPDX-License-Identifier: LicenseRef-proprietary
#include "tests/support/WatchedSystemCalls.h"

#include <algorithm>
#include <fcntl.h>
#include <map>
#include <sys/stat.h>

namespace wypelark::testing {

SystemCalls WatchedSystemCalls::calls() {
    const SystemCalls kernel = SystemCalls::kernel();
    SystemCalls watched = kernel;
    watched.pwrite = [this, kernel](int fd, const void* data, std::size_t size, off_t offset) {
        const ssize_t written = kernel.pwrite(fd, data, size, offset);
        if (written > 0)
            record(Kind::Write, fd, offset, offset + written);
        return written;
    };
    watched.fdatasync = [this, kernel](int fd) {
        const int result = kernel.fdatasync(fd);
        if (result == 0)
            record(Kind::Flush, fd);
        return result;
    };
    watched.fsync = [this, kernel](int fd) {
        const int result = kernel.fsync(fd);
        struct stat status {};
        if (result == 0 && ::fstat(fd, &status) == 0)
            record(S_ISDIR(status.st_mode) ? Kind::FolderSync : Kind::Flush, fd);
        return result;
    };
    watched.renameat2 = [this, kernel](int fromFolder, const char* from, int toFolder,
                                       const char* to, unsigned flags) {
        if (beforeRename)
            beforeRename(fromFolder, from);
        return kernel.renameat2(fromFolder, from, toFolder, to, flags);
    };
    watched.unlinkat = [this, kernel](int folder, const char* name, int flags) {
        struct stat status {};
        const bool seen = ::fstatat(folder, name, &status, AT_SYMLINK_NOFOLLOW) == 0;
        const int result = kernel.unlinkat(folder, name, flags);
        if (result == 0 && seen) {
            const std::lock_guard lock(mMutex);
            mEvents.push_back({Kind::Delete, status.st_dev, status.st_ino, 0, 0});
        }
        return result;
    };
    return watched;
}

void WatchedSystemCalls::record(Kind kind, int fd, std::int64_t start, std::int64_t end) {
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return;
    const std::lock_guard lock(mMutex);
    mEvents.push_back({kind, status.st_dev, status.st_ino, start, end});
}

std::string WatchedSystemCalls::missingForDestroyed(const FileIdentity& identity,
                                                    std::int64_t length, int passes) const {
    const std::lock_guard lock(mMutex);
    const auto is = [](const Event& event, const NodeIdentity& node) {
        return event.device == node.device && event.inode == node.inode;
    };
    std::map<std::int64_t, std::int64_t> covered; // since the last flush: start -> end
    const auto whole = [&] {
        std::int64_t reached = 0;
        for (const auto& [start, end] : covered) {
            if (start > reached)
                break;
            reached = std::max(reached, end);
        }
        return reached >= length;
    };
    int flushedPasses = 0;
    std::size_t at = 0;
    for (; at < mEvents.size(); ++at) {
        const Event& event = mEvents[at];
        if (!is(event, identity.file))
            continue;
        if (event.kind == Kind::Write)
            covered[event.start] = std::max(covered[event.start], event.end);
        else if (event.kind == Kind::Flush && whole()) {
            ++flushedPasses;
            covered.clear();
        } else if (event.kind == Kind::Delete)
            break;
    }
    if (flushedPasses < passes)
        return std::to_string(flushedPasses) + " of " + std::to_string(passes) +
               " passes written whole and flushed before the delete";
    if (at == mEvents.size())
        return "its name was never deleted";
    for (++at; at < mEvents.size(); ++at) {
        if (mEvents[at].kind == Kind::FolderSync && is(mEvents[at], identity.folder))
            return {};
    }
    return "its folder was never synced after the delete";
}

} // namespace wypelark::testing
