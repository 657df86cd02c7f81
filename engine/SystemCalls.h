// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <cstddef>
#include <functional>
#include <sys/types.h>

namespace wypelark {

// The system calls that write, flush and delete a file being destroyed, and make its delete
// durable. The real file operations make them through here, so that a test can watch a real
// file written and flushed pass by pass, and act between two of them. Each answers as the
// system call does: -1 with errno set on failure.
struct SystemCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size, off_t offset)> pwrite;
    std::function<int(int fd)> fdatasync;
    std::function<int(int fd)> fsync;
    std::function<int(int fromFolder, const char* from, int toFolder, const char* to,
                      unsigned flags)>
        renameat2;
    std::function<int(int folder, const char* name, int flags)> unlinkat;

    // The kernel's own.
    static SystemCalls kernel();
};

} // namespace wypelark
