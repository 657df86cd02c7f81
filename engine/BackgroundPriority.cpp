// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/BackgroundPriority.h"

#include <algorithm>
#include <cerrno>
#include <sys/resource.h>
#include <unistd.h>

namespace wypelark {

void yieldToForeground() {
    // Ten steps nicer than the process's first thread, whose share is the window's: a weight of
    // about a tenth of it. Set, not added, so that calling it again changes nothing.
    constexpr int Nicer = 10;
    constexpr int Nicest = 19;
    errno = 0;
    const int window = ::getpriority(PRIO_PROCESS, static_cast<id_t>(::getpid()));
    if (errno != 0)
        return;
    // Where the niceness cannot be set, the thread keeps the window's share.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), std::min(window + Nicer, Nicest));
}

} // namespace wypelark
