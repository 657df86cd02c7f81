// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileOperations.h"
#include "engine/SystemCalls.h"
#include "engine/WriteBackWindow.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <sys/types.h>
#include <utility>

namespace wypelark {

// The real disk: open(2) with O_NOFOLLOW, pwrite(2), fdatasync(2), unlink(2).
//
// While a pass writes, the file is handed to the device window by window: each finished window
// is started with sync_file_range(SYNC_FILE_RANGE_WRITE), and the window before it is waited
// for. The page cache never piles up a whole pass of dirty data, so no single call, the final
// fdatasync included, waits for long, and a Pause is never stuck behind a long wait. Unless a
// size is given, every open file sizes its windows from the rate its device shows. The hints
// write nothing themselves; the fdatasync at the end of every pass is still what makes the pass
// durable.
class PosixFileOperations final : public FileOperations {
public:
    // The system call behind the hints, replaceable in tests: returns 0 or an errno.
    using WriteBackCall = std::function<int(int fd, off_t offset, off_t bytes, unsigned flags)>;

    // A window size that follows the device's rate.
    static constexpr std::int64_t AdaptiveWindow = -1;

    // writeBackWindow: bytes per window, 0 for no hints, or AdaptiveWindow.
    explicit PosixFileOperations(std::int64_t writeBackWindow = AdaptiveWindow,
                                 WriteBackCall writeBack = {});

    // From now on each opened file also says what its data lies on (see deviceKindOf), and
    // tmpfs and ramfs count as memory: the program's own runs ask for it; without it, runs say
    // nothing of the storage below the file system, whatever the machine has.
    void lookAtDevices() { mLookAtDevices = true; }
    // The calls that write, flush and delete, for a test to watch; the kernel's own otherwise.
    void useSystemCalls(SystemCalls calls) { mCalls = std::move(calls); }

    OpenResult open(const std::string& path, const FileIdentity& identity) override;
    RemoveResult remove(const std::string& path, const FileIdentity& identity) override;
    RemoveResult removeFolder(const std::string& path, const FileIdentity& identity) override;
    std::vector<Leftover> sweepLeftovers(const std::string& path,
                                         const FileIdentity& identity) override;
    // fsync(2) of the folder; a folder that cannot be opened for reading gets sync(2).
    std::error_code syncFolderOf(const std::string& path, const FileIdentity& identity) override;
    // Nothing to look at: the delete itself checks the name still leads to the file.
    std::error_code checkBeforeRemove(const std::string&, const FileIdentity&) override {
        return {};
    }
    // O_DIRECT with aligned buffers where the file system allows it; elsewhere the file's pages
    // are dropped from the cache first (posix_fadvise DONTNEED), then read.
    std::error_code readBack(const std::string& path, const FileIdentity& identity,
                             const ReadChunk& chunk, bool& bypassedCache) override;

    // statvfs(2) and statfs(2) of the folder.
    std::error_code measureVolume(const std::string& folder, VolumeSpace& space) override;
    // O_TMPFILE in the folder; a private name removed at once where that is not supported.
    OpenResult openFill(const std::string& folder, const NodeIdentity& identity) override;
    std::error_code trimFreeSpace(const std::string& folder, const NodeIdentity& identity,
                                  std::uint64_t& trimmed) override;

    // FS_IOC_FIEMAP of the file, its dirty pages written first.
    std::error_code mapExtents(const std::string& path, const FileIdentity& identity,
                               FileExtents& extents) override;
    // The device's own node, or its disk's for a partition, opened with O_DIRECT and only while
    // it is that device; a node this user may not read is refused by the kernel, and nothing
    // asks for more rights.
    std::error_code readDevice(dev_t device, std::uint64_t offset, std::uint64_t length,
                               const ReadDeviceChunk& chunk) override;

    // The size of one read past the cache.
    static constexpr std::size_t ReadPiece = std::size_t{4} << 20;

private:
    char* readBuffer();

    WriteBackWindow mWindow;
    WriteBackCall mWriteBack;
    SystemCalls mCalls = SystemCalls::kernel();
    bool mLookAtDevices = false;
    // The buffer of the reads past the cache, made at the first and kept; one read at a time.
    std::mutex mReadMutex;
    std::unique_ptr<char, decltype(&::free)> mReadBuffer{nullptr, &::free};
};

// sync_file_range(2), answering 0 or an errno.
int syncFileRange(int fd, off_t offset, off_t bytes, unsigned flags);

} // namespace wypelark
