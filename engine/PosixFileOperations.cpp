#include "engine/PosixFileOperations.h"

#include "engine/UniqueFd.h"
#include "engine/WipeError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wypelark {
namespace {

std::error_code lastError() {
    return {errno, std::system_category()};
}

class PosixOpenFile final : public OpenFile {
public:
    explicit PosixOpenFile(UniqueFd fd) : mFd(std::move(fd)) {}

    std::error_code length(std::int64_t& bytes) override {
        struct stat status {};
        if (::fstat(mFd.get(), &status) != 0)
            return lastError();
        bytes = status.st_size;
        return {};
    }

    std::error_code writeAt(std::int64_t position, const char* data, std::size_t size) override {
        off_t offset = static_cast<off_t>(position - 1);
        while (size > 0) {
            const ssize_t written = ::pwrite(mFd.get(), data, size, offset);
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

    std::error_code flushToDevice() override {
        if (::fdatasync(mFd.get()) != 0)
            return lastError();
        return {};
    }

    std::error_code close() override { return mFd.close(); }

private:
    UniqueFd mFd;
};

bool sameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::error_code refuseUnlessRegular(const struct stat& status) {
    if (S_ISLNK(status.st_mode))
        return WipeErrc::SymbolicLink;
    if (!S_ISREG(status.st_mode))
        return WipeErrc::NotRegularFile;
    return {};
}

} // namespace

OpenResult PosixFileOperations::open(const std::string& path) {
    // Look before opening, so that a device or FIFO is never even opened.
    struct stat before {};
    if (::lstat(path.c_str(), &before) != 0)
        return {nullptr, lastError()};
    if (const std::error_code refused = refuseUnlessRegular(before))
        return {nullptr, refused};

    // No O_CREAT: a path that vanished meanwhile stays absent. O_NONBLOCK keeps a FIFO swapped
    // in after the look from blocking the open.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ELOOP)
            return {nullptr, WipeErrc::SymbolicLink};
        return {nullptr, lastError()};
    }
    UniqueFd owned(fd);

    struct stat opened {};
    if (::fstat(owned.get(), &opened) != 0)
        return {nullptr, lastError()};
    if (const std::error_code refused = refuseUnlessRegular(opened))
        return {nullptr, refused};
    if (!sameFile(before, opened))
        return {nullptr, WipeErrc::NotRegularFile};

    const int flags = ::fcntl(owned.get(), F_GETFL);
    if (flags < 0 || ::fcntl(owned.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return {nullptr, lastError()};
    return {std::make_unique<PosixOpenFile>(std::move(owned)), {}};
}

std::error_code PosixFileOperations::remove(const std::string& path) {
    if (::unlink(path.c_str()) != 0)
        return lastError();
    return {};
}

} // namespace wypelark
