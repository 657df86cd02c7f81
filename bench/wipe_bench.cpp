// Overwrites and deletes the files named on the command line through the engine, with a host
// that draws nothing, and prints bytes written, seconds and MB/s.
#include "engine/PosixFileOperations.h"
#include "engine/WipeHost.h"
#include "engine/WipeReport.h"
#include "engine/WipeRun.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

using namespace wypelark;

class SilentHost final : public WipeHost {
public:
    explicit SilentHost(std::vector<std::string> items, int passes)
        : mItems(std::move(items)), mPasses(passes) {}

    bool failed = false;

    int itemCount() const override { return static_cast<int>(mItems.size()); }
    std::string itemPath(int index) const override {
        return mItems.at(static_cast<std::size_t>(index - 1));
    }
    void removeAllItems() override { mItems.clear(); }
    int passCount() const override { return mPasses; }
    void setBarMinimum(ProgressBar, float) override {}
    void setBarMaximum(ProgressBar bar, float maximum) override { mMaximum[index(bar)] = maximum; }
    void setBarValue(ProgressBar bar, float value) override { mValue[index(bar)] = value; }
    float barMaximum(ProgressBar bar) const override { return mMaximum[index(bar)]; }
    float barValue(ProgressBar bar) const override { return mValue[index(bar)]; }
    void setToolbarButtonEnabled(int, bool) override {}
    void refreshFileList() override {}
    void yieldToEvents() override {}
    void reportUndestroyedFiles(const WipeReport& report) override {
        failed = true;
        std::cerr << report.text();
    }

private:
    static std::size_t index(ProgressBar bar) { return static_cast<std::size_t>(bar); }

    std::vector<std::string> mItems;
    int mPasses;
    std::array<float, 2> mMaximum{100, 100};
    std::array<float, 2> mValue{0, 0};
};

int usage() {
    std::cerr << "usage: wipe_bench --passes N FILE...\n";
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4 || std::strcmp(argv[1], "--passes") != 0)
        return usage();
    const int passes = std::atoi(argv[2]);
    if (passes < 1)
        return usage();
    std::vector<std::string> files(argv + 3, argv + argc);

    long long bytes = 0;
    for (const std::string& file : files) {
        struct stat status {};
        if (::lstat(file.c_str(), &status) == 0)
            bytes += static_cast<long long>(status.st_size) * passes;
    }

    SilentHost host(files, passes);
    PosixFileOperations disk;
    WipeRun run(host, disk);
    const auto start = std::chrono::steady_clock::now();
    run.WipeFiles();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::printf("bytes=%lld\nseconds=%.3f\nmb_per_s=%.1f\n", bytes, seconds,
                seconds > 0 ? bytes / 1e6 / seconds : 0.0);
    return host.failed ? 1 : 0;
}
