// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <system_error>

namespace wypelark {

// Owns one POSIX file descriptor; the destructor closes it when it is still open.
class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : mFd(fd) {}
    ~UniqueFd();
    UniqueFd(UniqueFd&& other) noexcept;
    UniqueFd& operator=(UniqueFd&& other) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return mFd; }
    bool valid() const { return mFd >= 0; }
    // Closes the descriptor and reports what close() said; the descriptor is gone either way.
    std::error_code close();

private:
    int mFd = -1;
};

} // namespace wypelark
