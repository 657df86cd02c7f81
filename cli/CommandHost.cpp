// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/CommandHost.h"

#include "control/WipeController.h"

#include <cstdio>
#include <string>

namespace wypelark {
namespace {

std::size_t slot(ProgressBar bar) {
    return static_cast<std::size_t>(bar);
}

std::string megabytes(double bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", bytes / 1e6);
    return text;
}

} // namespace

CommandHost::CommandHost(WipeController& controller, std::ostream& progress, bool showProgress,
                         const volatile std::sig_atomic_t* interrupted)
    : mController(controller), mProgress(progress), mShowProgress(showProgress),
      mInterrupted(interrupted) {
    connect(&controller, &WipeController::progressChanged, this,
            [this](ProgressBar bar, float, float maximum, float value) {
                follow(bar, maximum, value);
            });
    connect(&controller, &WipeController::yielding, this, &CommandHost::betweenWrites);
}

void CommandHost::follow(ProgressBar bar, float maximum, float value) {
    // A new pass starts the current bar again: what the last one wrote is counted done.
    if (bar == ProgressBar::Current && value < mValue[slot(bar)])
        mBytesBefore += static_cast<std::int64_t>(mMaximum[slot(bar)]);
    mMaximum[slot(bar)] = maximum;
    mValue[slot(bar)] = value;
}

void CommandHost::betweenWrites() {
    if (mInterrupted && *mInterrupted && !mController.run().stopRequested())
        mController.pauseCommand();
    if (!mShowProgress)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (mDrawn && now - mLastDrawn < std::chrono::milliseconds(100))
        return;
    mLastDrawn = now;
    drawProgress();
}

void CommandHost::drawProgress() {
    const WipeRun& run = mController.run();
    const DeletionListModel& list = mController.list();
    if (run.fileIndex() < 1 || run.fileIndex() > list.count())
        return;
    const int passes = mController.passCount();
    std::int64_t total = 0;
    for (int position = 1; position <= list.count(); ++position)
        total += list.size(position) * passes;
    const double done = static_cast<double>(mBytesBefore) + mValue[slot(ProgressBar::Current)];
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - mStart).count();
    const double rate = seconds > 0 ? done / seconds : 0;
    const double left = rate > 0 ? (static_cast<double>(total) - done) / rate : 0;
    char time[32];
    std::snprintf(time, sizeof time, "%d:%02d", static_cast<int>(left) / 60,
                  static_cast<int>(left) % 60);
    const QString line =
        tr("pass %1/%2  %3 of %4  %5/s  %6 left")
            .arg(QString::number(run.pass()), QString::number(passes),
                 QString::fromStdString(megabytes(done)),
                 QString::fromStdString(megabytes(static_cast<double>(total))),
                 QString::fromStdString(megabytes(rate)), QString::fromLatin1(time));
    std::string name = printablePath(list.path(run.fileIndex()).toStdString());
    if (name.size() > 40)
        name = "..." + name.substr(name.size() - 37);
    mProgress << "\r\033[K" << name << "  " << line.toStdString() << std::flush;
    mDrawn = true;
}

void CommandHost::finishProgress() {
    if (mDrawn)
        mProgress << "\r\033[K" << std::flush;
    mDrawn = false;
}

} // namespace wypelark
