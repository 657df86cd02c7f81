// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QObject>

#include <chrono>
#include <csignal>
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
    void betweenWrites();
    void drawProgress();

    WipeController& mController;
    std::ostream& mProgress;
    bool mShowProgress;
    const volatile std::sig_atomic_t* mInterrupted;
    std::chrono::steady_clock::time_point mLastDrawn;
    bool mDrawn = false;
};

} // namespace wypelark
