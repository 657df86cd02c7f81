// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/UniqueFd.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

namespace wypelark {

UniqueFd::~UniqueFd() {
    if (valid())
        ::close(mFd);
}

UniqueFd::UniqueFd(UniqueFd&& other) noexcept : mFd(std::exchange(other.mFd, -1)) {}

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
    if (this != &other) {
        if (valid())
            ::close(mFd);
        mFd = std::exchange(other.mFd, -1);
    }
    return *this;
}

std::error_code UniqueFd::close() {
    if (!valid())
        return std::make_error_code(std::errc::bad_file_descriptor);
    const int fd = std::exchange(mFd, -1);
    // Linux releases the descriptor even when close() fails, so it is never retried.
    if (::close(fd) != 0)
        return {errno, std::system_category()};
    return {};
}

} // namespace wypelark
