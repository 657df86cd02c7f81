// SPDX-License-Identifier: LicenseRef-proprietary
// Measures the write-back window: overwrites a freshly written file once, in the run's
// 50,000-byte blocks, through the POSIX file operations with each window size in turn, and
// prints the longest single write call, the final fdatasync and the throughput.
// usage: writeback_tune [FILE_MIB] [WINDOW_MIB...]   (window 0 = no write-back hints)
#include "bench/BenchFile.h"
#include "engine/PosixFileOperations.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace wypelark;
    const long long fileMib = argc > 1 ? std::atoll(argv[1]) : 1024;
    std::vector<long long> windowsMib;
    for (int i = 2; i < argc; ++i)
        windowsMib.push_back(std::atoll(argv[i]));
    if (windowsMib.empty())
        windowsMib = {0, 1, 2, 4, 8, 16, 32, 64};
    const std::string path = "writeback-tune.tmp";
    const std::string block(50000, '0');
    const long long length = fileMib << 20;

    for (const long long windowMib : windowsMib) {
        makeSyncedFile(path, length);
        PosixFileOperations disk(windowMib << 20);
        FileIdentity identity;
        std::int64_t size = 0;
        identifyFile(path, identity, size);
        OpenResult opened = disk.open(path, identity);
        if (opened.error) {
            std::fprintf(stderr, "%s\n", opened.error.message().c_str());
            return 1;
        }
        double longestWrite = 0;
        const auto start = Clock::now();
        for (long long pos = 1; pos <= length;) {
            const bool tail = pos + 50000 > length;
            const long long size = tail ? length - pos + 1 : 50000;
            const auto before = Clock::now();
            if (opened.file->writeAt(pos - 1, block.data(), static_cast<std::size_t>(size)))
                return 1;
            longestWrite = std::max(longestWrite, msSince(before));
            if (tail)
                break;
            pos = (pos == 1 ? 0 : pos) + 50000;
        }
        const auto flushStart = Clock::now();
        if (opened.file->flushToDevice())
            return 1;
        const double flushMs = msSince(flushStart);
        const double totalS = msSince(start) / 1000.0;
        opened.file->close();
        std::printf("window_mib=%lld max_write_ms=%.1f fdatasync_ms=%.1f mb_per_s=%.0f\n",
                    windowMib, longestWrite, flushMs, length / 1e6 / totalS);
    }
    ::unlink(path.c_str());
    return 0;
}
