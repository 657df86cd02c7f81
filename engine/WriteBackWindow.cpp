// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WriteBackWindow.h"

#include <algorithm>

namespace wypelark {

void WriteBackWindow::written(std::int64_t bytes, std::chrono::nanoseconds elapsed) {
    if (!mAdaptive || bytes <= 0)
        return;
    // Seconds per byte rather than bytes per second: a burst taken in at once and a window that
    // waited for the next one average to the rate the device kept up.
    const double secondsPerByte =
        std::max(std::chrono::duration<double>(elapsed).count(), 1e-6) / static_cast<double>(bytes);
    mSecondsPerByte = secondsPerByte > mSecondsPerByte ? secondsPerByte
                                                       : (3 * mSecondsPerByte + secondsPerByte) / 4;
    const double target = std::chrono::duration<double>(WaitTarget).count() / mSecondsPerByte;
    const double bounded = std::clamp(target, static_cast<double>(Smallest),
                                      static_cast<double>(std::min(Largest, mBytes + mBytes / 2)));
    // Whole 64 KiB steps keep the windows on page boundaries.
    mBytes = static_cast<std::int64_t>(bounded) / Granule * Granule;
}

} // namespace wypelark
