// Overwrites and deletes the files named on the command line through the engine, with a host
// that draws nothing, and prints bytes written, seconds and MB/s.
#include "bench/SilentHost.h"
#include "engine/PosixFileOperations.h"
#include "engine/WipeRun.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

int usage() {
    std::cerr << "usage: wipe_bench --passes N [--write-back-mib M] FILE...\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace wypelark;
    if (argc < 4 || std::strcmp(argv[1], "--passes") != 0)
        return usage();
    const int passes = std::atoi(argv[2]);
    if (passes < 1)
        return usage();
    int first = 3;
    long long windowMib = -1;
    if (argc > 5 && std::strcmp(argv[3], "--write-back-mib") == 0) {
        windowMib = std::atoll(argv[4]);
        first = 5;
    }
    std::vector<std::string> files(argv + first, argv + argc);

    long long bytes = 0;
    for (const std::string& file : files) {
        struct stat status {};
        if (::lstat(file.c_str(), &status) == 0)
            bytes += static_cast<long long>(status.st_size) * passes;
    }

    SilentHost host(files, passes);
    PosixFileOperations disk(windowMib < 0 ? PosixFileOperations::AdaptiveWindow : windowMib << 20);
    WipeRun run(host, disk);
    const auto start = std::chrono::steady_clock::now();
    run.WipeFiles();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("bytes=%lld\nseconds=%.3f\nmb_per_s=%.1f\n", bytes, seconds,
                seconds > 0 ? bytes / 1e6 / seconds : 0.0);
    return host.failed ? 1 : 0;
}
