#include "cli/CommandHost.h"

#include "engine/WipeRun.h"

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

CommandHost::CommandHost(std::vector<FoundFile> files, int passes, std::ostream& progress,
                         bool showProgress, const volatile std::sig_atomic_t* interrupted)
    : mFiles(std::move(files)), mPasses(passes), mProgress(progress), mShowProgress(showProgress),
      mInterrupted(interrupted) {}

std::string CommandHost::itemPath(int index) const {
    return mFiles.at(static_cast<std::size_t>(index - 1)).path.toStdString();
}

FileIdentity CommandHost::itemIdentity(int index) const {
    return mFiles.at(static_cast<std::size_t>(index - 1)).identity;
}

void CommandHost::removeDestroyedItems(const std::vector<int>& undestroyed) {
    std::vector<FoundFile> kept;
    for (int index = 1; index <= itemCount(); ++index) {
        const FoundFile& file = mFiles[static_cast<std::size_t>(index - 1)];
        const bool failed =
            std::find(undestroyed.begin(), undestroyed.end(), index) != undestroyed.end();
        (failed ? kept : mDestroyed).push_back(file);
    }
    mFiles = kept;
}

void CommandHost::setBarMaximum(ProgressBar bar, float maximum) {
    mMaximum[slot(bar)] = maximum;
}

void CommandHost::setBarValue(ProgressBar bar, float value) {
    // A new pass starts the current bar again: what the last one wrote is counted done.
    if (bar == ProgressBar::Current && value < mValue[slot(bar)])
        mBytesBefore += static_cast<std::int64_t>(mMaximum[slot(bar)]);
    mValue[slot(bar)] = value;
}

float CommandHost::barMaximum(ProgressBar bar) const {
    return mMaximum[slot(bar)];
}

float CommandHost::barValue(ProgressBar bar) const {
    return mValue[slot(bar)];
}

void CommandHost::yieldToEvents() {
    if (mInterrupted && *mInterrupted && mRun && !mRun->stopRequested())
        mRun->setStopRequested(true);
    if (!mShowProgress)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (mDrawn && now - mLastDrawn < std::chrono::milliseconds(100))
        return;
    mLastDrawn = now;
    drawProgress();
}

void CommandHost::drawProgress() {
    if (!mRun || mRun->fileIndex() < 1 || mRun->fileIndex() > itemCount())
        return;
    std::int64_t total = 0;
    for (const FoundFile& file : mFiles)
        total += file.size * mPasses;
    const double done = static_cast<double>(mBytesBefore) + mValue[slot(ProgressBar::Current)];
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - mStart).count();
    const double rate = seconds > 0 ? done / seconds : 0;
    const double left = rate > 0 ? (static_cast<double>(total) - done) / rate : 0;
    char line[160];
    std::snprintf(line, sizeof line, "pass %d/%d  %s of %s  %s/s  %d:%02d left", mRun->pass(),
                  mPasses, megabytes(done).c_str(), megabytes(static_cast<double>(total)).c_str(),
                  megabytes(rate).c_str(), static_cast<int>(left) / 60,
                  static_cast<int>(left) % 60);
    std::string name = printablePath(itemPath(mRun->fileIndex()));
    if (name.size() > 40)
        name = "..." + name.substr(name.size() - 37);
    mProgress << "\r\033[K" << name << "  " << line << std::flush;
    mDrawn = true;
}

void CommandHost::finishProgress() {
    if (mDrawn)
        mProgress << "\r\033[K" << std::flush;
    mDrawn = false;
}

} // namespace wypelark
