// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/SystemCalls.h"

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace wypelark {

SystemCalls SystemCalls::kernel() {
    return {::pwrite, ::fdatasync, ::fsync,
            [](int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
                return static_cast<int>(
                    ::syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
            },
            ::unlinkat};
}

} // namespace wypelark
