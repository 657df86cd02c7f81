// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/PosixFileOperations.h"

#include "engine/StorageRemark.h"
#include "engine/SystemCalls.h"
#include "engine/UniqueFd.h"
#include "engine/WholePageWriter.h"
#include "engine/WipeError.h"
#include "engine/WipeRun.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fcntl.h> // sync_file_range needs _GNU_SOURCE, which g++ defines
#include <functional>
#include <limits>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <linux/magic.h>
#include <memory>
#include <random>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

namespace wypelark {
namespace {

std::error_code lastError() {
    return {errno, std::system_category()};
}

// Starts the write-back of finished windows as the pass moves through the file, and waits for
// the window before each one it starts.
class WriteBehind {
public:
    WriteBehind(WriteBackWindow window, const PosixFileOperations::WriteBackCall& call)
        : mWindow(window), mCall(call) {}

    // Whether writing up to end completes a window, so that the write waits for the one before.
    bool due(std::int64_t end) const {
        return mWindow.bytes() > 0 && end >= mNextStart + mWindow.bytes();
    }

    // The bytes below end have been written: start every window they complete.
    void written(int fd, std::int64_t end) {
        while (due(end)) {
            const std::int64_t size = mWindow.bytes();
            startWindow(fd, mNextStart, size);
            mNextStart += size;
        }
    }

    // The first failure of a hint, if any: the device may not have the data.
    std::error_code error() const { return mError; }

private:
    using Clock = std::chrono::steady_clock;

    struct InFlight {
        std::int64_t start = 0;
        std::int64_t bytes = 0;
        Clock::time_point handedOver;
    };

    void startWindow(int fd, std::int64_t start, std::int64_t size) {
        if (mInFlight.bytes > 0) {
            call(fd, mInFlight.start, mInFlight.bytes,
                 SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
            mWindow.written(mInFlight.bytes, Clock::now() - mInFlight.handedOver);
            // The window has reached the device: its pages are clean, and nothing reads them
            // again. Dropped, they leave the page cache to what the person was using, rather
            // than filling it with the file being destroyed. Only a hint; the pass's flush
            // still decides.
            ::posix_fadvise(fd, mInFlight.start, mInFlight.bytes, POSIX_FADV_DONTNEED);
        }
        const Clock::time_point handedOver = Clock::now();
        call(fd, start, size, SYNC_FILE_RANGE_WRITE);
        mInFlight = {start, size, handedOver};
    }

    void call(int fd, std::int64_t start, std::int64_t size, unsigned flags) {
        const int result = mCall(fd, static_cast<off_t>(start), static_cast<off_t>(size), flags);
        if (result != 0 && !mError)
            mError = {result, std::system_category()};
    }

    WriteBackWindow mWindow;
    PosixFileOperations::WriteBackCall mCall;
    std::int64_t mNextStart = 0;
    InFlight mInFlight;
    std::error_code mError;
};

class PosixOpenFile final : public OpenFile {
public:
    // A pass's blocks are gathered into writes of this size: a twentieth of the calls.
    static constexpr std::size_t GatherBytes = std::size_t{1} << 20;

    // A file that only grows needs no page held: a page past the end is never read first.
    enum class Pages { HoldTails, WriteAsGiven };

    PosixOpenFile(UniqueFd fd, SystemCalls calls, WriteBackWindow window,
                  const PosixFileOperations::WriteBackCall& call, bool lookAtDevice,
                  Pages pages = Pages::HoldTails)
        : mFd(std::move(fd)), mCalls(std::move(calls)), mWriteBehind(window, call),
          mLookAtDevice(lookAtDevice), mHoldTails(pages == Pages::HoldTails),
          mPages(
              ::sysconf(_SC_PAGESIZE),
              [this](std::int64_t offset, const char* data, std::size_t size) {
                  return writeFully(offset, data, size);
              },
              mHoldTails ? GatherBytes : 0) {}

    // A file let go without a close still gets every byte a write took.
    ~PosixOpenFile() override {
        if (mFd.valid())
            mPages.release();
    }

    std::error_code length(std::int64_t& bytes) override {
        struct stat status {};
        if (::fstat(mFd.get(), &status) != 0)
            return lastError();
        bytes = status.st_size;
        return {};
    }

    // The last page's bytes may be held until the next write completes the page: the flush
    // and the close write them.
    std::error_code writeAt(std::int64_t start, const char* data, std::size_t size) override {
        if (const std::error_code error =
                mHoldTails ? mPages.write(start, data, size) : writeFully(start, data, size))
            return error;
        mWriteBehind.written(mFd.get(),
                             mPages.writtenUpTo(start + static_cast<std::int64_t>(size)));
        return {};
    }

    // Asked of the bytes the write is sure to pass on: held ones wait for the next write.
    bool writeMayWait(std::int64_t offset, std::size_t size) const override {
        return mWriteBehind.due(mPages.pageStartOf(offset + static_cast<std::int64_t>(size)));
    }

    std::error_code flushToDevice() override {
        if (const std::error_code error = mPages.release())
            return error;
        if (const std::error_code error = mWriteBehind.error())
            return error;
        if (mCalls.fdatasync(mFd.get()) != 0)
            return lastError();
        return {};
    }

    std::error_code close() override {
        const std::error_code held = mPages.release();
        const std::error_code closed = mFd.close();
        return held ? held : closed;
    }

    std::error_code describe(StorageFacts& facts) override {
        struct statfs fileSystem {};
        struct stat status {};
        if (::fstatfs(mFd.get(), &fileSystem) != 0 || ::fstat(mFd.get(), &status) != 0)
            return lastError();
        facts.fileSystemType = static_cast<std::uint64_t>(fileSystem.f_type);
        facts.linkCount = static_cast<std::uint64_t>(status.st_nlink);
        if (mLookAtDevice)
            facts.device = inMemoryType(facts.fileSystemType) ? DeviceKind::Memory
                                                              : deviceKindOf(status.st_dev);
        return {};
    }

    std::error_code readBack(const ReadPiece& chunk, bool& bypassedCache) override;

private:
    std::error_code writeFully(std::int64_t start, const char* data, std::size_t size) {
        auto offset = static_cast<off_t>(start);
        while (size > 0) {
            const ssize_t written = mCalls.pwrite(mFd.get(), data, size, offset);
            if (written < 0) {
                if (errno == EINTR)
                    continue;
                return lastError();
            }
            if (written == 0)
                return std::make_error_code(std::errc::no_space_on_device);
            data += written;
            size -= static_cast<std::size_t>(written);
            offset += written;
        }
        return {};
    }

    UniqueFd mFd;
    SystemCalls mCalls;
    WriteBehind mWriteBehind;
    bool mLookAtDevice;
    bool mHoldTails;
    WholePageWriter mPages;
};

constexpr char PrivatePrefix[] = ".wypelark-";
constexpr std::size_t PrivateDigits = 16;
constexpr char Hex[] = "0123456789abcdef";

// A name in the folder that no one else uses: hidden, with 64 random bits.
std::string privateName() {
    std::random_device random;
    std::string name = PrivatePrefix;
    for (std::size_t i = 0; i < PrivateDigits; ++i)
        name += Hex[random() % 16];
    return name;
}

bool isPrivateName(const std::string& name) {
    const std::string prefix = PrivatePrefix;
    return name.size() == prefix.size() + PrivateDigits &&
           name.compare(0, prefix.size(), prefix) == 0 &&
           name.find_first_not_of(Hex, prefix.size()) == std::string::npos;
}

std::error_code refuseKernelFileSystem(int fd) {
    struct statfs fileSystem {};
    if (::fstatfs(fd, &fileSystem) != 0)
        return lastError();
    if (isKernelFileSystem(static_cast<std::uint64_t>(fileSystem.f_type)))
        return WipeErrc::KernelFileSystem;
    return {};
}

// A pass writes every byte, holes included: a sparse file whose holes would not fit in the free
// space would fill the volume and fail half-way.
std::error_code refuseUnfittingHoles(int fd, const NodeLook& look) {
    const std::int64_t holes = look.size - look.allocatedBytes;
    if (holes <= 0)
        return {};
    struct statvfs volume {};
    if (::fstatvfs(fd, &volume) != 0)
        return lastError();
    const auto free =
        static_cast<std::int64_t>(volume.f_bavail) * static_cast<std::int64_t>(volume.f_frsize);
    if (holes > free)
        return WipeErrc::HolesDoNotFit;
    return {};
}

std::error_code refuseUnlessListed(const NodeLook& look, const FileIdentity& identity) {
    if (const std::error_code refused = refuseUnlessRegular(look.mode))
        return refused;
    if (!isNode(look, identity.file))
        return WipeErrc::Changed;
    return {};
}

// Opens the folder a listed file was found in, only while its path still leads to that folder.
// The folders on the way are followed as they were when the file was added.
std::error_code openListedFolder(const std::string& path, const FileIdentity& identity,
                                 UniqueFd& folder) {
    const int fd = ::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOTDIR ? make_error_code(WipeErrc::Changed) : lastError();
    folder = UniqueFd(fd);
    NodeLook look;
    if (const std::error_code error = lookAtNode(folder.get(), "", look))
        return error;
    if (!isNode(look, identity.folder))
        return WipeErrc::Changed;
    return refuseKernelFileSystem(folder.get());
}

// Opens the folder a fill is made in, only while the path still leads to the folder looked at
// when the fill was asked for: a volume mounted there since is not filled.
std::error_code openFillFolder(const std::string& path, const NodeIdentity& identity,
                               UniqueFd& folder) {
    folder = UniqueFd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return lastError();
    NodeLook look;
    if (const std::error_code error = lookAtNode(folder.get(), "", look))
        return error;
    if (!isNode(look, identity))
        return WipeErrc::Changed;
    return refuseKernelFileSystem(folder.get());
}

// Where O_TMPFILE is not supported (FAT, exFAT, older kernels), a file is made under a private
// name, locked against other runs' sweeps, and its name removed at once. Only a kill in between
// leaves it, empty. A name another run's sweep locked first is left to it, and another made.
std::error_code openNamelessFile(int folder, UniqueFd& file) {
    file = UniqueFd(::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (file.valid())
        return {};
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return lastError();
    std::error_code error = std::make_error_code(std::errc::resource_unavailable_try_again);
    for (int attempt = 0; attempt < 4 && error; ++attempt) {
        const std::string name = privateName();
        file = UniqueFd(::openat(folder, name.c_str(),
                                 O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!file.valid())
            return lastError();
        if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        error = ::unlinkat(folder, name.c_str(), 0) == 0 ? std::error_code() : lastError();
    }
    if (error)
        file = UniqueFd();
    return error;
}

// A run holds a lock on a file from before it goes under a private name until it is deleted, so
// that another run's sweep of leftovers leaves it alone. The lock is only a courtesy between
// runs: a file that cannot be opened again or is locked by another program is removed unlocked.
UniqueFd lockForRemoval(int folder, const std::string& name, const NodeLook& shown) {
    UniqueFd file;
    if (openShownNode(folder, name, O_RDONLY | O_NONBLOCK | O_NOCTTY, shown, file) &&
        openShownNode(folder, name, O_WRONLY | O_NONBLOCK | O_NOCTTY, shown, file))
        return {};
    if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
        return {};
    return file;
}

// Linux deletes names, not files, and the name looked at may name another file a moment later.
// So the name is first moved to a private name of this run's, the node there is looked at, and
// only the listed one is deleted; anything else is put back where it was. A file system that
// cannot rename that way gets the plain look just before the delete. When something cannot be
// put back (its name was taken again meanwhile), the result says under which name it stays.
RemoveResult removeListedName(const SystemCalls& calls, int folder, const std::string& name,
                              const std::function<bool(const NodeLook&)>& listed, int unlinkFlags) {
    const std::string aside = privateName();
    const auto listedAt = [&](const std::string& at) {
        NodeLook look;
        return !lookAtNode(folder, at.c_str(), look) && listed(look);
    };
    const auto stranded = [&](std::error_code error) { return RemoveResult{error, aside}; };
    if (calls.renameat2(folder, name.c_str(), folder, aside.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL && errno != ENOSYS)
            return {lastError(), {}};
        if (calls.unlinkat(folder, name.c_str(), unlinkFlags) != 0)
            return {lastError(), {}};
        return {};
    }
    for (int attempt = 0; attempt < 8; ++attempt) {
        if (listedAt(aside)) {
            if (calls.unlinkat(folder, aside.c_str(), unlinkFlags) == 0)
                return {};
            // A folder that filled up meanwhile, say: it goes back under its name.
            const std::error_code error = lastError();
            if (calls.renameat2(folder, aside.c_str(), folder, name.c_str(), RENAME_NOREPLACE) != 0)
                return stranded(error);
            return {error, {}};
        }
        // Another file took the name meanwhile: it goes back. If the name has been taken again,
        // the two trade places, and what comes aside is looked at in turn.
        if (calls.renameat2(folder, aside.c_str(), folder, name.c_str(), RENAME_NOREPLACE) == 0) {
            if (!listedAt(name))
                return {WipeErrc::Changed, {}};
            if (calls.renameat2(folder, name.c_str(), folder, aside.c_str(), RENAME_NOREPLACE) != 0)
                return {lastError(), {}};
        } else if (errno != EEXIST || calls.renameat2(folder, aside.c_str(), folder, name.c_str(),
                                                      RENAME_EXCHANGE) != 0) {
            return stranded(lastError());
        }
    }
    // Still not settled: whatever is aside goes back if its name is free.
    if (calls.renameat2(folder, aside.c_str(), folder, name.c_str(), RENAME_NOREPLACE) != 0)
        return stranded(WipeErrc::Changed);
    return {WipeErrc::Changed, {}};
}

// Whether the folder shown holds nothing but "." and "..".
std::error_code refuseUnlessEmpty(int parent, const std::string& name, const NodeLook& shown) {
    UniqueFd folder;
    if (const std::error_code error =
            openShownNode(parent, name, O_RDONLY | O_DIRECTORY | O_NONBLOCK, shown, folder))
        return error;
    std::vector<std::string> names;
    if (const std::error_code error = namesInFolder(folder.get(), names))
        return error;
    return names.empty() ? std::error_code() : std::make_error_code(std::errc::directory_not_empty);
}

// Whether the folder's file system keeps its files in memory only (tmpfs, ramfs).
bool inMemory(int folder) {
    struct statfs fileSystem {};
    return ::fstatfs(folder, &fileSystem) == 0 &&
           inMemoryType(static_cast<std::uint64_t>(fileSystem.f_type));
}

// fsync(2) needs a folder opened for reading, which an O_PATH descriptor is not.
std::error_code syncOpenFolder(const SystemCalls& calls, int folder) {
    const UniqueFd readable(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!readable.valid()) {
        if (errno != EACCES)
            return lastError();
        ::sync();
        return {};
    }
    if (calls.fsync(readable.get()) != 0)
        return lastError();
    return {};
}

// Reads the open file from its start in pieces of the buffer's size, handing each to chunk until
// the end, or until chunk returns false.
std::error_code readPieces(int fd, char* buffer, std::size_t size,
                           const FileOperations::ReadChunk& chunk) {
    for (std::int64_t offset = 0;;) {
        const ssize_t got = ::pread(fd, buffer, size, static_cast<off_t>(offset));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        if (got == 0 || !chunk(offset, buffer, static_cast<std::size_t>(got)))
            return {};
        offset += got;
    }
}

// The same, in aligned pieces of 4 MiB, as reads past the cache need.
std::error_code readPieces(int fd, const FileOperations::ReadChunk& chunk) {
    const std::unique_ptr<char, decltype(&::free)> buffer(
        static_cast<char*>(std::aligned_alloc(4096, PosixFileOperations::ReadPiece)), &::free);
    if (!buffer)
        return std::make_error_code(std::errc::not_enough_memory);
    return readPieces(fd, buffer.get(), PosixFileOperations::ReadPiece, chunk);
}

// Whether the regular file at name in the open folder, the node looked at, holds only fill bytes.
std::error_code refuseUnlessOnlyFill(int file, char fill) {
    std::vector<char> buffer(std::size_t{1} << 20);
    bool onlyFill = true;
    if (const std::error_code error =
            readPieces(file, buffer.data(), buffer.size(),
                       [&](std::int64_t, const char* data, std::size_t size) {
                           onlyFill =
                               std::all_of(data, data + size, [&](char c) { return c == fill; });
                           return onlyFill;
                       }))
        return error;
    return onlyFill ? std::error_code() : make_error_code(WipeErrc::NotOnlyFill);
}

// Read through a descriptor of its own, opened again through /proc: that works for a file without
// a name too, and lets it be read past the cache though it was opened for writing.
std::error_code PosixOpenFile::readBack(const ReadPiece& chunk, bool& bypassedCache) {
    if (const std::error_code error = mPages.release())
        return error;
    const std::string self = "/proc/self/fd/" + std::to_string(mFd.get());
    UniqueFd file(::open(self.c_str(), O_RDONLY | O_DIRECT | O_CLOEXEC));
    bypassedCache = file.valid() && !inMemory(mFd.get());
    if (!file.valid()) {
        if (errno != EINVAL)
            return lastError();
        file = UniqueFd(::open(self.c_str(), O_RDONLY | O_CLOEXEC));
        if (!file.valid())
            return lastError();
        ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_DONTNEED);
    }
    return readPieces(file.get(), chunk);
}

// Asks the file system for the open file's extents, in as many calls as it takes; the file's
// dirty pages are written first, so that none is left without a place.
std::error_code askExtents(int fd, std::vector<Extent>& extents) {
    constexpr std::uint32_t PerCall = 256;
    std::vector<std::uint64_t> space(
        (sizeof(fiemap) + PerCall * sizeof(fiemap_extent)) / sizeof(std::uint64_t) + 1);
    auto* map = reinterpret_cast<fiemap*>(space.data());
    for (std::uint64_t from = 0;;) {
        std::fill(space.begin(), space.end(), 0);
        map->fm_start = from;
        map->fm_length = FIEMAP_MAX_OFFSET - from;
        map->fm_flags = FIEMAP_FLAG_SYNC;
        map->fm_extent_count = PerCall;
        if (::ioctl(fd, FS_IOC_FIEMAP, map) != 0)
            return lastError();
        if (map->fm_mapped_extents == 0)
            return {};
        for (std::uint32_t i = 0; i < map->fm_mapped_extents; ++i) {
            const fiemap_extent& got = map->fm_extents[i];
            extents.push_back({got.fe_logical, got.fe_physical, got.fe_length, got.fe_flags});
            if ((got.fe_flags & FIEMAP_EXTENT_LAST) != 0)
                return {};
            from = got.fe_logical + got.fe_length;
        }
    }
}

// Opens the node a device node names, only while it is that block device.
std::error_code openDeviceNode(const DeviceNode& node, UniqueFd& device) {
    device = UniqueFd(::open(node.path.c_str(), O_RDONLY | O_DIRECT | O_NOFOLLOW | O_CLOEXEC));
    if (!device.valid())
        return lastError();
    struct stat status {};
    if (::fstat(device.get(), &status) != 0)
        return lastError();
    if (!S_ISBLK(status.st_mode) || status.st_rdev != node.number)
        return std::make_error_code(std::errc::no_such_device);
    return {};
}

} // namespace

int syncFileRange(int fd, off_t offset, off_t bytes, unsigned flags) {
    return ::sync_file_range(fd, offset, bytes, flags) == 0 ? 0 : errno;
}

PosixFileOperations::PosixFileOperations(std::int64_t writeBackWindow, WriteBackCall writeBack)
    : mWindow(writeBackWindow < 0 ? WriteBackWindow::adaptive()
                                  : WriteBackWindow::fixed(writeBackWindow)),
      mWriteBack(writeBack ? std::move(writeBack) : syncFileRange) {}

OpenResult PosixFileOperations::open(const std::string& path, const FileIdentity& identity) {
    const PathParts parts = splitPath(path);
    UniqueFd folder;
    if (const std::error_code error = openListedFolder(parts.folder, identity, folder))
        return {nullptr, error};
    // Look before opening, so that a device or FIFO is never even opened.
    NodeLook before;
    if (const std::error_code error = lookAtNode(folder.get(), parts.name.c_str(), before))
        return {nullptr, error};
    if (const std::error_code refused = refuseUnlessListed(before, identity))
        return {nullptr, refused};

    // No O_CREAT: a name that vanished meanwhile stays absent. O_NONBLOCK keeps a FIFO swapped
    // in after the look from blocking the open.
    const int fd = ::openat(folder.get(), parts.name.c_str(),
                            O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP)
            return {nullptr, WipeErrc::Changed};
        return {nullptr, lastError()};
    }
    UniqueFd owned(fd);

    // What was opened is what was looked at, and what was listed.
    NodeLook opened;
    if (const std::error_code error = lookAtNode(owned.get(), "", opened))
        return {nullptr, error};
    if (const std::error_code refused = refuseUnlessListed(opened, identity))
        return {nullptr, refused};
    if (const std::error_code refused = refuseKernelFileSystem(owned.get()))
        return {nullptr, refused};
    if (const std::error_code refused = refuseUnfittingHoles(owned.get(), opened))
        return {nullptr, refused};

    const int flags = ::fcntl(owned.get(), F_GETFL);
    if (flags < 0 || ::fcntl(owned.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return {nullptr, lastError()};
    return {std::make_unique<PosixOpenFile>(std::move(owned), mCalls, mWindow, mWriteBack,
                                            mLookAtDevices),
            {}};
}

std::error_code PosixFileOperations::measureVolume(const std::string& folder, VolumeSpace& space) {
    const UniqueFd opened(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!opened.valid())
        return lastError();
    struct statvfs volume {};
    struct statfs fileSystem {};
    NodeLook look;
    if (::fstatvfs(opened.get(), &volume) != 0 || ::fstatfs(opened.get(), &fileSystem) != 0)
        return lastError();
    if (const std::error_code error = lookAtNode(opened.get(), "", look))
        return error;
    space.blockSize = static_cast<std::uint32_t>(volume.f_frsize);
    space.availableBytes = static_cast<std::uint64_t>(volume.f_bavail) * volume.f_frsize;
    space.unusedBytes = static_cast<std::uint64_t>(volume.f_bfree) * volume.f_frsize;
    space.readOnly = (volume.f_flag & ST_RDONLY) != 0;
    space.storage.fileSystemType = static_cast<std::uint64_t>(fileSystem.f_type);
    if (mLookAtDevices)
        space.storage.device = inMemoryType(space.storage.fileSystemType)
                                   ? DeviceKind::Memory
                                   : deviceKindOf(look.node.device);
    space.folder = look.node;
    return {};
}

OpenResult PosixFileOperations::openFill(const std::string& folder, const NodeIdentity& identity) {
    UniqueFd opened;
    if (const std::error_code error = openFillFolder(folder, identity, opened))
        return {nullptr, error};
    UniqueFd file;
    if (const std::error_code error = openNamelessFile(opened.get(), file))
        return {nullptr, error};
    return {std::make_unique<PosixOpenFile>(std::move(file), mCalls, mWindow, mWriteBack,
                                            mLookAtDevices, PosixOpenFile::Pages::WriteAsGiven),
            {}};
}

std::error_code PosixFileOperations::trimFreeSpace(const std::string& folder,
                                                   const NodeIdentity& identity,
                                                   std::uint64_t& trimmed) {
    UniqueFd opened;
    if (const std::error_code error = openFillFolder(folder, identity, opened))
        return error;
    fstrim_range range{};
    range.len = std::numeric_limits<std::uint64_t>::max();
    if (::ioctl(opened.get(), FITRIM, &range) != 0)
        return lastError();
    trimmed = range.len;
    return {};
}

RemoveResult PosixFileOperations::remove(const std::string& path, const FileIdentity& identity) {
    const PathParts parts = splitPath(path);
    UniqueFd folder;
    if (const std::error_code error = openListedFolder(parts.folder, identity, folder))
        return {error, {}};
    NodeLook look;
    if (const std::error_code error = lookAtNode(folder.get(), parts.name.c_str(), look))
        return {error, {}};
    if (refuseUnlessListed(look, identity))
        return {WipeErrc::Changed, {}};
    const UniqueFd lock = lockForRemoval(folder.get(), parts.name, look);
    RemoveResult result = removeListedName(
        mCalls, folder.get(), parts.name,
        [&](const NodeLook& at) { return !refuseUnlessListed(at, identity); }, 0);
    if (!result.strandedAt.empty())
        result.strandedAt = joinPath(parts.folder, result.strandedAt);
    return result;
}

std::error_code PosixFileOperations::syncFolderOf(const std::string& path,
                                                  const FileIdentity& identity) {
    UniqueFd folder;
    if (const std::error_code error = openListedFolder(splitPath(path).folder, identity, folder))
        return error;
    return syncOpenFolder(mCalls, folder.get());
}

std::vector<Leftover> PosixFileOperations::sweepLeftovers(const std::string& path,
                                                          const FileIdentity& identity) {
    const std::string folderPath = splitPath(path).folder;
    UniqueFd folder;
    if (openListedFolder(folderPath, identity, folder))
        return {};
    std::vector<std::string> names;
    if (namesInFolder(folder.get(), names))
        return {};
    std::vector<Leftover> found;
    bool removedAny = false;
    for (const std::string& name : names) {
        if (!isPrivateName(name))
            continue;
        Leftover leftover{joinPath(folderPath, name), {}};
        UniqueFd file; // holds the lock until the name is gone
        std::error_code lock;
        NodeLook look;
        if (const std::error_code error = lookAtNode(folder.get(), name.c_str(), look)) {
            if (error == std::errc::no_such_file_or_directory)
                continue; // another run's, deleted meanwhile
            leftover.reason = error;
        } else if (const std::error_code refused = refuseUnlessRegular(look.mode)) {
            leftover.reason = refused;
        } else if (look.owner != ::geteuid() || look.linkCount != 1) {
            leftover.reason = WipeErrc::OwnedByAnother;
        } else if (!(lock = openShownNode(folder.get(), name, O_RDONLY | O_NONBLOCK | O_NOCTTY,
                                          look, file))) {
            if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0)
                continue; // a running run's, or being swept by another run
            leftover.reason = refuseUnlessOnlyFill(file.get(), WipeRun::FillByte);
        } else {
            leftover.reason = lock;
        }
        if (!leftover.reason) {
            leftover.reason =
                removeListedName(
                    mCalls, folder.get(), name,
                    [&](const NodeLook& at) { return S_ISREG(at.mode) && isNode(at, look.node); },
                    0)
                    .error;
            removedAny = removedAny || !leftover.reason;
        }
        found.push_back(std::move(leftover));
    }
    if (removedAny)
        static_cast<void>(syncOpenFolder(mCalls, folder.get()));
    return found;
}

RemoveResult PosixFileOperations::removeFolder(const std::string& path,
                                               const FileIdentity& identity) {
    const PathParts parts = splitPath(path);
    UniqueFd parent;
    if (const std::error_code error = openListedFolder(parts.folder, identity, parent))
        return {error, {}};
    NodeLook look;
    if (const std::error_code error = lookAtNode(parent.get(), parts.name.c_str(), look))
        return {error, {}};
    const auto listed = [&](const NodeLook& at) {
        return S_ISDIR(at.mode) && isNode(at, identity.file);
    };
    if (!listed(look))
        return {WipeErrc::Changed, {}};
    // A folder that holds anything is not even moved.
    if (const std::error_code error = refuseUnlessEmpty(parent.get(), parts.name, look))
        return {error, {}};
    RemoveResult result = removeListedName(mCalls, parent.get(), parts.name, listed, AT_REMOVEDIR);
    if (!result.strandedAt.empty())
        result.strandedAt = joinPath(parts.folder, result.strandedAt);
    if (result.error)
        return result;
    // Removed for good, or a folder the run emptied comes back after a power cut.
    return {syncOpenFolder(mCalls, parent.get()), {}};
}

std::error_code PosixFileOperations::readBack(const std::string& path, const FileIdentity& identity,
                                              const ReadChunk& chunk, bool& bypassedCache) {
    const PathParts parts = splitPath(path);
    UniqueFd folder;
    if (const std::error_code error = openListedFolder(parts.folder, identity, folder))
        return error;
    constexpr int Flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    UniqueFd file(::openat(folder.get(), parts.name.c_str(), Flags | O_DIRECT));
    // tmpfs takes O_DIRECT, but its files live in memory: nothing was read from a device.
    bypassedCache = file.valid() && !inMemory(folder.get());
    if (!file.valid()) {
        if (errno != EINVAL)
            return lastError();
        file = UniqueFd(::openat(folder.get(), parts.name.c_str(), Flags));
        if (!file.valid())
            return lastError();
        ::fdatasync(file.get());
        ::posix_fadvise(file.get(), 0, 0, POSIX_FADV_DONTNEED);
    }
    NodeLook look;
    if (const std::error_code error = lookAtNode(file.get(), "", look))
        return error;
    if (const std::error_code refused = refuseUnlessListed(look, identity))
        return refused;

    const std::lock_guard lock(mReadMutex);
    char* const buffer = readBuffer();
    if (buffer == nullptr)
        return std::make_error_code(std::errc::not_enough_memory);
    return readPieces(file.get(), buffer, ReadPiece, chunk);
}

// One aligned buffer serves every read past the cache: a fresh 4 MiB for each file read back
// cost more than reading a small file.
char* PosixFileOperations::readBuffer() {
    if (!mReadBuffer)
        mReadBuffer.reset(static_cast<char*>(std::aligned_alloc(4096, ReadPiece)));
    return mReadBuffer.get();
}

std::error_code PosixFileOperations::mapExtents(const std::string& path,
                                                const FileIdentity& identity,
                                                FileExtents& extents) {
    const PathParts parts = splitPath(path);
    UniqueFd folder;
    if (const std::error_code error = openListedFolder(parts.folder, identity, folder))
        return error;
    const UniqueFd file(::openat(folder.get(), parts.name.c_str(),
                                 O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.valid())
        return lastError();
    NodeLook look;
    if (const std::error_code error = lookAtNode(file.get(), "", look))
        return error;
    if (const std::error_code refused = refuseUnlessListed(look, identity))
        return refused;
    struct stat status {};
    struct statfs fileSystem {};
    if (::fstat(file.get(), &status) != 0 || ::fstatfs(file.get(), &fileSystem) != 0)
        return lastError();
    extents = {};
    extents.device = status.st_dev;
    extents.fileSystemType = static_cast<std::uint64_t>(fileSystem.f_type);
    extents.size = static_cast<std::uint64_t>(status.st_size);
    extents.blockSize = static_cast<std::uint32_t>(status.st_blksize);
    return askExtents(file.get(), extents.extents);
}

std::error_code PosixFileOperations::readDevice(dev_t device, std::uint64_t offset,
                                                std::uint64_t length,
                                                const ReadDeviceChunk& chunk) {
    std::error_code error = std::make_error_code(std::errc::no_such_device);
    for (const DeviceNode& node : deviceNodesOf(device)) {
        UniqueFd opened;
        error = openDeviceNode(node, opened);
        if (error)
            continue;
        constexpr std::size_t Piece = ReadPiece;
        const std::lock_guard lock(mReadMutex);
        char* const buffer = readBuffer();
        if (buffer == nullptr)
            return std::make_error_code(std::errc::not_enough_memory);
        for (std::uint64_t done = 0; done < length;) {
            const std::size_t want =
                static_cast<std::size_t>(std::min<std::uint64_t>(Piece, length - done));
            const ssize_t got = ::pread(opened.get(), buffer, want,
                                        static_cast<off_t>(node.offset + offset + done));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0)
                return lastError();
            if (got == 0)
                return std::make_error_code(std::errc::io_error);
            if (!chunk(done, buffer, static_cast<std::size_t>(got)))
                return {};
            done += static_cast<std::uint64_t>(got);
        }
        return {};
    }
    return error;
}

} // namespace wypelark
