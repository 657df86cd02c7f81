#pragma once

#include "engine/WipeHost.h"
#include "engine/WipeReport.h"
#include "list/PathScan.h"

#include <array>
#include <chrono>
#include <csignal>
#include <ostream>
#include <vector>

namespace wypelark {

class WipeRun;

// The overwrite run's host on a terminal: the files to destroy, the pass count, progress on
// standard error (file, pass, bytes, rate and time left, redrawn at most ten times a second),
// and an interrupt that stops the run after its next write.
class CommandHost final : public WipeHost {
public:
    CommandHost(std::vector<FoundFile> files, int passes, std::ostream& progress, bool showProgress,
                const volatile std::sig_atomic_t* interrupted);

    void attach(WipeRun& run) { mRun = &run; }
    const std::vector<FoundFile>& files() const { return mFiles; }
    // The files of the run that were destroyed, once it ended.
    const std::vector<FoundFile>& destroyed() const { return mDestroyed; }
    const WipeReport& report() const { return mReport; }

    int itemCount() const override { return static_cast<int>(mFiles.size()); }
    std::string itemPath(int index) const override;
    FileIdentity itemIdentity(int index) const override;
    void removeDestroyedItems(const std::vector<int>& undestroyed) override;
    int passCount() const override { return mPasses; }
    void setBarMinimum(ProgressBar, float) override {}
    void setBarMaximum(ProgressBar bar, float maximum) override;
    void setBarValue(ProgressBar bar, float value) override;
    float barMaximum(ProgressBar bar) const override;
    float barValue(ProgressBar bar) const override;
    void setToolbarButtonEnabled(ToolbarButton, bool) override {}
    void refreshFileList() override {}
    void yieldToEvents() override;
    void reportRunEnd(const WipeReport& report) override { mReport = report; }

    // Clears the progress line.
    void finishProgress();

private:
    void drawProgress();

    std::vector<FoundFile> mFiles;
    std::vector<FoundFile> mDestroyed;
    int mPasses;
    std::ostream& mProgress;
    bool mShowProgress;
    const volatile std::sig_atomic_t* mInterrupted;
    WipeRun* mRun = nullptr;
    std::array<float, 2> mMaximum{1, 1};
    std::array<float, 2> mValue{0, 0};
    WipeReport mReport;
    std::chrono::steady_clock::time_point mStart = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point mLastDrawn;
    std::int64_t mBytesBefore = 0; // of the passes finished before the current one
    bool mDrawn = false;
};

} // namespace wypelark
