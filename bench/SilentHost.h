// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/WipeHost.h"
#include "engine/WipeReport.h"

#include <array>
#include <iostream>
#include <string>
#include <vector>

namespace wypelark {

// A host that draws nothing: its yield returns at once, its report goes to stderr.
class SilentHost final : public WipeHost {
public:
    // The files are identified now, as a window identifies them when they are added.
    explicit SilentHost(std::vector<std::string> items, int passes)
        : mItems(std::move(items)), mPasses(passes) {
        for (const std::string& item : mItems) {
            FileIdentity identity;
            std::int64_t size = 0;
            if (identifyFile(item, identity, size))
                identity = {};
            mIdentities.push_back(identity);
        }
    }

    bool failed = false;

    int itemCount() const override { return static_cast<int>(mItems.size()); }
    std::string itemPath(int index) const override {
        return mItems.at(static_cast<std::size_t>(index - 1));
    }
    FileIdentity itemIdentity(int index) const override {
        return mIdentities.at(static_cast<std::size_t>(index - 1));
    }
    void removeDestroyedItems(const std::vector<int>&) override {
        mItems.clear();
        mIdentities.clear();
    }
    int passCount() const override { return mPasses; }
    void setBarMinimum(ProgressBar, float) override {}
    void setBarMaximum(ProgressBar bar, float maximum) override { mMaximum[index(bar)] = maximum; }
    void setBarValue(ProgressBar bar, float value) override { mValue[index(bar)] = value; }
    float barMaximum(ProgressBar bar) const override { return mMaximum[index(bar)]; }
    float barValue(ProgressBar bar) const override { return mValue[index(bar)]; }
    void runStopped() override {}
    void refreshFileList() override {}
    void yieldToEvents() override {}
    void reportRunEnd(const WipeReport& report) override {
        failed = failed || !report.failures.empty();
        for (const WipeFailure& failure : report.failures)
            std::cerr << printablePath(failure.path) << ": " << stepWord(failure.step) << ": "
                      << failure.error.message() << "\n";
    }

private:
    static std::size_t index(ProgressBar bar) { return static_cast<std::size_t>(bar); }

    std::vector<std::string> mItems;
    std::vector<FileIdentity> mIdentities;
    int mPasses;
    std::array<float, 2> mMaximum{100, 100};
    std::array<float, 2> mValue{0, 0};
};

} // namespace wypelark
