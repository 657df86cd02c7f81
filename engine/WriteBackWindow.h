// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <chrono>
#include <cstdint>

namespace wypelark {

// The size of the windows in which a pass hands its bytes to the device. Either fixed, or
// following the rate the device shows, so that waiting for one window takes about a tenth of a
// second of that device's time: short enough for a Pause to take effect at once on a slow stick,
// long enough for a fast disk to write in large runs.
class WriteBackWindow {
public:
    static constexpr std::int64_t Smallest = std::int64_t{128} << 10;
    static constexpr std::int64_t Largest = std::int64_t{32} << 20;
    static constexpr std::int64_t Initial = std::int64_t{512} << 10;
    static constexpr std::chrono::milliseconds WaitTarget{100};

    static WriteBackWindow adaptive() { return WriteBackWindow(Initial, true); }
    // A window of the given bytes throughout; 0 hands nothing to the device before the flush.
    static WriteBackWindow fixed(std::int64_t bytes) { return WriteBackWindow(bytes, false); }

    std::int64_t bytes() const { return mBytes; }
    // The device took elapsed to take in a window of the given bytes, from the moment it was
    // handed over. A slower window shrinks the next one at once; a quicker one is averaged in
    // over the next few, and the window grows by half at most: devices take data in bursts, and
    // one quick moment must not make the next wait long.
    void written(std::int64_t bytes, std::chrono::nanoseconds elapsed);

private:
    WriteBackWindow(std::int64_t bytes, bool adaptive) : mBytes(bytes), mAdaptive(adaptive) {}

    static constexpr std::int64_t Granule = std::int64_t{64} << 10;

    std::int64_t mBytes;
    bool mAdaptive;
    double mSecondsPerByte = 0; // 0 until the first window has been written
};

} // namespace wypelark
