// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

namespace wypelark {

// Lowers the calling thread's share of the processor well below the window's: long work in the
// background, such as listing, measuring or freeing a million names, then lets the window's
// thread run first whenever it wakes. On Linux, niceness belongs to each thread.
void yieldToForeground();

} // namespace wypelark
