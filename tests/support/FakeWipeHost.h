// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/WipeHost.h"
#include "engine/WipeReport.h"
#include "tests/support/DestructionRule.h"
#include "tests/support/TempDir.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace wypelark::testing {

// A window without widgets: the list, the slider, the bars and the buttons as plain values.
// onYield runs inside every yield, numbered from 1, to play the user's nested events.
class FakeWipeHost final : public WipeHost {
public:
    struct Bar {
        float minimum = 0;
        float maximum = 100;
        float value = 0;
        std::vector<float> values; // every value set, in order
    };

    FakeWipeHost() = default;
    // Lets the disk's rule ask for this host's pass count.
    explicit FakeWipeHost(DestructionRule& rule) {
        rule.requiredPasses = [this] { return passes; };
    }
    FakeWipeHost(const FakeWipeHost&) = delete;
    FakeWipeHost& operator=(const FakeWipeHost&) = delete;

    std::vector<std::string> items;
    std::map<std::string, FileIdentity> identities;
    int passes = 1;
    std::array<Bar, 2> bars{};
    int stops = 0;
    int refreshCount = 0;
    int removeAllCount = 0;
    int yieldCount = 0;
    std::vector<WipeReport> reports;
    std::function<void(int)> onYield;

    Bar& bar(ProgressBar which) { return bars[static_cast<std::size_t>(which)]; }
    const Bar& bar(ProgressBar which) const { return bars[static_cast<std::size_t>(which)]; }

    int itemCount() const override { return static_cast<int>(items.size()); }
    std::string itemPath(int index) const override {
        return items.at(static_cast<std::size_t>(index - 1));
    }
    // The identity a test gave the path, or else that of what is there now, as if it had just
    // been added.
    FileIdentity itemIdentity(int index) const override {
        const std::string path = itemPath(index);
        if (const auto given = identities.find(path); given != identities.end())
            return given->second;
        return identityNow(path);
    }
    void removeDestroyedItems(const std::vector<int>& undestroyed) override {
        std::vector<std::string> kept;
        for (const int index : undestroyed)
            kept.push_back(itemPath(index));
        items = kept;
        ++removeAllCount;
    }
    int passCount() const override { return passes; }

    void setBarMinimum(ProgressBar which, float minimum) override { bar(which).minimum = minimum; }
    void setBarMaximum(ProgressBar which, float maximum) override { bar(which).maximum = maximum; }
    void setBarValue(ProgressBar which, float value) override {
        bar(which).value = value;
        bar(which).values.push_back(value);
    }
    float barMaximum(ProgressBar which) const override { return bar(which).maximum; }
    float barValue(ProgressBar which) const override { return bar(which).value; }

    void runStopped() override { ++stops; }
    void refreshFileList() override { ++refreshCount; }
    void yieldToEvents() override {
        ++yieldCount;
        if (onYield)
            onYield(yieldCount);
    }
    void reportRunEnd(const WipeReport& report) override { reports.push_back(report); }
};

} // namespace wypelark::testing
