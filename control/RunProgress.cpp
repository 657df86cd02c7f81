// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/RunProgress.h"

#include <algorithm>
#include <cmath>

namespace wypelark {

double ProgressFigures::overallFraction() const {
    if (totalBytes <= 0)
        return fileIndex > fileCount ? 1.0 : 0.0;
    return std::clamp(static_cast<double>(doneBytes) / static_cast<double>(totalBytes), 0.0, 1.0);
}

void RunProgress::start(qint64 totalBytes, Clock::time_point now) {
    *this = {};
    mTotal = totalBytes;
    resume(now);
}

void RunProgress::resume(Clock::time_point now) {
    mSampledAt = now;
    mSampledBytes = mDone;
    mRunningSince = now;
}

void RunProgress::stop(Clock::time_point now) {
    if (mRunningSince)
        mRan += now - *mRunningSince;
    mRunningSince.reset();
    mSampledAt.reset();
}

void RunProgress::sample(qint64 doneBytes, Clock::time_point now) {
    mDone = doneBytes;
    // A file that grew while it was overwritten adds what it grew by.
    mTotal = std::max(mTotal, mDone);
    if (!mSampledAt || now - *mSampledAt < SampleInterval)
        return;
    const double seconds = std::chrono::duration<double>(now - *mSampledAt).count();
    const double rate = static_cast<double>(mDone - mSampledBytes) / seconds;
    mRate = mRate > 0 ? Smoothing * rate + (1 - Smoothing) * mRate : rate;
    mSampledAt = now;
    mSampledBytes = mDone;
}

std::optional<qint64> RunProgress::secondsLeft(bool flushing) const {
    const qint64 left = mTotal - mDone;
    if (mRate <= 0 || (left <= 0 && !flushing))
        return left <= 0 && !flushing ? std::optional<qint64>(0) : std::nullopt;
    const auto seconds = static_cast<qint64>(std::ceil(static_cast<double>(left) / mRate));
    // Written bytes still on their way to the device take time too.
    return std::max<qint64>(seconds, 1);
}

double RunProgress::runningSeconds(Clock::time_point now) const {
    Clock::duration ran = mRan;
    if (mRunningSince)
        ran += now - *mRunningSince;
    return std::chrono::duration<double>(ran).count();
}

bool RunProgress::figuresDue(Clock::time_point now) const {
    return !mFiguresSentAt || now - *mFiguresSentAt >= PhaseFigureGap;
}

} // namespace wypelark
