// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/WipeHost.h"

#include <QObject>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <ostream>

namespace wypelark {

class WipeController;

// The run on a terminal: progress on standard error (file, pass, bytes, rate and time left,
// redrawn at most ten times a second), and an interrupt that pauses the run after its next
// write.
class CommandHost final : public QObject {
    Q_OBJECT

public:
    CommandHost(WipeController& controller, std::ostream& progress, bool showProgress,
                const volatile std::sig_atomic_t* interrupted);

    // Clears the progress line.
    void finishProgress();

private:
    void follow(ProgressBar bar, float maximum, float value);
    void betweenWrites();
    void drawProgress();

    WipeController& mController;
    std::ostream& mProgress;
    bool mShowProgress;
    const volatile std::sig_atomic_t* mInterrupted;
    std::array<float, 2> mMaximum{1, 1};
    std::array<float, 2> mValue{0, 0};
    std::chrono::steady_clock::time_point mStart = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point mLastDrawn;
    std::int64_t mBytesBefore = 0; // of the passes finished before the current one
    bool mDrawn = false;
};

} // namespace wypelark
