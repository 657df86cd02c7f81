// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QtGlobal>

#include <chrono>
#include <optional>
#include <utility>

namespace wypelark {

// How far a run has got, in bytes: what both front ends show of it.
struct ProgressFigures {
    int fileIndex = 0; // 1-based; 0 before the run reached a file
    int fileCount = 0;
    int pass = 0;
    int passes = 0;
    double passFraction = 0; // of the current file's current pass, 0 to 1
    qint64 doneBytes = 0;
    qint64 totalBytes = 0;
    double bytesPerSecond = 0;         // smoothed; 0 while not known yet
    std::optional<qint64> secondsLeft; // none while not known
    bool flushing = false;             // the pass's bytes are written and go to the device
    bool readingBack = false;          // the file is read back before it is deleted
    bool filling = false;              // a volume's free space is filled, not files destroyed
    double runningSeconds = 0;         // time the run went, pauses left out

    double overallFraction() const;
};

// What the last command destroyed: the files, their sizes when they were added, the passes and
// the time the run went.
struct RunTotals {
    int files = 0;
    qint64 bytes = 0;
    int passes = 0;
    double seconds = 0;
};

// The bytes a run wrote against the bytes it is to write, and the rate at which it writes them.
// The rate is taken from samples at least half a second apart and smoothed, and it falls while a
// flush holds the run, so the time left counts the flush; it never reads 0 while anything is
// still to be written.
class RunProgress {
public:
    using Clock = std::chrono::steady_clock;

    void start(qint64 totalBytes, Clock::time_point now);
    // The run went on after a pause: the pause is no time of the run's.
    void resume(Clock::time_point now);
    void stop(Clock::time_point now);
    void sample(qint64 doneBytes, Clock::time_point now);
    // A run whose size was an estimate (a fill ends where the volume is full) ended: what it
    // wrote is the whole.
    void endAt(qint64 doneBytes) { mDone = mTotal = doneBytes; }

    qint64 totalBytes() const { return mTotal; }
    qint64 doneBytes() const { return mDone; }
    double bytesPerSecond() const { return mRate; }
    std::optional<qint64> secondsLeft(bool flushing) const;
    double runningSeconds(Clock::time_point now) const;

    // Whether a pass's bytes became all written (its flush began) or a new pass began, so that
    // the figures go out at once; whether they may, no sooner than a moment after they last
    // went: a run of small files changes phase thousands of times a second.
    bool phaseChanged(bool passWritten) {
        return std::exchange(mPassWritten, passWritten) != passWritten;
    }
    bool passWritten() const { return mPassWritten; }
    bool figuresDue(Clock::time_point now) const;
    void figuresSent(Clock::time_point now) { mFiguresSentAt = now; }

private:
    static constexpr std::chrono::milliseconds SampleInterval{500};
    static constexpr std::chrono::milliseconds PhaseFigureGap{40};
    static constexpr double Smoothing = 0.3; // the weight of the newest sample

    qint64 mTotal = 0;
    qint64 mDone = 0;
    double mRate = 0;
    qint64 mSampledBytes = 0;
    std::optional<Clock::time_point> mSampledAt; // none while the run is stopped
    std::optional<Clock::time_point> mRunningSince;
    Clock::duration mRan{};
    bool mPassWritten = false;
    std::optional<Clock::time_point> mFiguresSentAt;
};

} // namespace wypelark
