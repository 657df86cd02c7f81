// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/RunSession.h"

#include "control/EventLoopWaiter.h"
#include "control/FillTexts.h"
#include "control/WipeTexts.h"
#include "engine/WipeError.h"
#include "list/ShownName.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace wypelark {
namespace {

constexpr int FigureIntervalMilliseconds = 250;

std::size_t slot(ToolbarButton button) {
    return static_cast<std::size_t>(button) - 1;
}

std::size_t slot(ProgressBar bar) {
    return static_cast<std::size_t>(bar);
}

} // namespace

RunSession::RunSession(const SessionSetup& setup, DeletionListModel& list, AddedFolders& folders,
                       QObject* parent)
    : QObject(parent), mList(list), mFolders(folders), mDevice(setup.device), mIntake(setup.intake),
      mChain(setup.disk, setup.device, setup.readBack), mRun(*this, mChain.operations()),
      mFill(*this, mChain.operations()), mFigureTimer(new QTimer(this)) {
    mChain.setCheckingBlocks(setup.checkBlocks);
    mFigureTimer->setInterval(FigureIntervalMilliseconds);
    connect(mFigureTimer, &QTimer::timeout, this, &RunSession::emitFigures);
}

RunSession::~RunSession() = default;

void RunSession::onDevice(const std::function<void()>& call) {
    if (mDevice)
        mDevice->wait(call);
    else
        call();
}

// --- The state --------------------------------------------------------------------------------

RunState RunSession::state() const {
    if (writing())
        return mStopAsked ? RunState::Stopping : RunState::Running;
    if (mInCommand)
        return RunState::Running;
    if (resumable())
        return RunState::Paused;
    return mQuestionOpen ? RunState::Asking : RunState::Idle;
}

// A paused fill does not walk the list.
bool RunSession::listEditable() const {
    const RunState now = state();
    return now == RunState::Idle || (now == RunState::Paused && kind() == RunKind::FreeSpace);
}

Arrival RunSession::arrival() const {
    const RunState now = state();
    if (now == RunState::Idle || now == RunState::Asking)
        return now == RunState::Idle ? Arrival::Named : Arrival::Held;
    return kind() == RunKind::Files ? Arrival::Held : Arrival::Named;
}

// Pause enables Delete before the run has seen the request; the run is not entered twice, nor a
// second command started while the first still removes emptied folders.
bool RunSession::mayStart() const {
    const RunState now = state();
    return now != RunState::Running && now != RunState::Stopping;
}

bool RunSession::commandEnabled(ToolbarButton button) const {
    return mEnabled[slot(button)];
}

void RunSession::setCommandEnabled(ToolbarButton button, bool enabled) {
    mEnabled[slot(button)] = enabled;
    emit commandEnabledChanged(button, enabled);
}

// --- The question -----------------------------------------------------------------------------

bool RunSession::deleteNeedsConfirmation() const {
    const bool removesSomething = mList.count() > 0 || !mFolders.named().empty();
    return !mRun.resumePending() && !mFill.resumePending() && removesSomething;
}

// One folder per device is looked at: a volume's kind is the same for every file on it.
std::vector<StorageReason> RunSession::listedStorage() {
    std::map<std::uint64_t, std::string> folderOnDevice;
    for (int position = 1; position <= mList.count(); ++position) {
        const std::uint64_t device = mList.identity(position).folder.device;
        if (!folderOnDevice.contains(device))
            folderOnDevice.emplace(device, splitPath(mList.path(position).toStdString()).folder);
    }
    std::set<StorageReason> found;
    const auto look = [&] {
        for (const auto& [device, folder] : folderOnDevice) {
            VolumeSpace space;
            if (!mChain.disk().measureVolume(folder, space)) {
                for (const StorageReason reason : storageReasons(space.storage))
                    found.insert(reason);
            }
        }
    };
    if (mIntake)
        mIntake->wait(look);
    else
        look();
    std::vector<StorageReason> kinds;
    for (const StorageReason reason : AllStorageReasons) {
        if (found.contains(reason))
            kinds.push_back(reason);
    }
    return kinds;
}

// The storage is looked at first: the list the question names is the one it has once the events
// handled meanwhile are done, and nothing changes it between here and the question.
QString RunSession::destroyQuestion() {
    std::vector<StorageReason> storage = listedStorage();
    // The question names the list as it is now; whatever comes while it is open waits.
    mQuestionOpen = true;
    mConfirmed = false;
    mList.holdNewRows();
    const std::vector<FoundFolder>& folders = mFolders.named();
    DestroyPlan plan{
        mList.count(), {}, mList.totalSize(), mPasses, static_cast<int>(folders.size()), {}, {}};
    for (int position = 1; position <= std::min(plan.fileCount, WipeTexts::NamedInMessage);
         ++position)
        plan.firstFiles << mList.shownPath(position);
    const auto namedFolders = std::min<std::size_t>(folders.size(), WipeTexts::NamedInMessage);
    for (std::size_t at = 0; at < namedFolders; ++at)
        plan.firstFolders << shownName(folders[at].path);
    plan.storage = std::move(storage);
    return WipeTexts::destroyQuestion(plan);
}

void RunSession::confirmDestroy() {
    mConfirmed = mQuestionOpen;
    mQuestionOpen = false;
}

void RunSession::declineDestroy() {
    mQuestionOpen = false;
    mConfirmed = false;
    mList.releaseHeld();
    endHolding();
}

void RunSession::confirmListed() {
    mList.holdNewRows();
    mConfirmed = true;
}

// The run ended: held files and folders wait, listed, for the next question.
void RunSession::endHolding() {
    mList.endHold();
    mFolders.endHolding();
}

// --- Delete and Pause -------------------------------------------------------------------------

// Delete continues a paused fill, as it continues a paused run of files.
void RunSession::deleteCommand() {
    if (!mayStart())
        return;
    if (mFill.resumePending()) {
        runCommand([this] { mFill.fill(); }, 0);
        return;
    }
    if (!mRun.resumePending()) {
        // Nothing is destroyed that no question named: with nothing confirmed, nothing listed
        // now joins the run.
        if (!mConfirmed && deleteNeedsConfirmation())
            return;
        if (!mConfirmed)
            mList.holdNewRows();
        mConfirmed = false;
        mDestroyed.clear();
        mDestroyedBytes = 0;
        mList.clearMarks();
    }
    mFilling = false;
    runCommand(
        [this] {
            mRun.WipeFiles();
            if (!mRun.resumePending())
                removeEmptiedFolders();
        },
        mList.totalSize(itemCount()) * mPasses);
    if (!mRun.resumePending())
        endHolding();
}

void RunSession::startFresh(qint64 totalBytes) {
    mProgress.start(totalBytes, RunProgress::Clock::now());
    mRunStarted = QDateTime::currentDateTimeUtc();
}

// A fresh run when nothing is paused; otherwise the paused one goes on.
void RunSession::runCommand(const std::function<void()>& run, qint64 totalBytes) {
    const QScopedValueRollback commandUnderWay(mInCommand, true);
    if (mRun.resumePending() || mFill.resumePending())
        mProgress.resume(RunProgress::Clock::now());
    else
        startFresh(totalBytes);
    setCommandEnabled(ToolbarButton::Delete, false);
    setCommandEnabled(ToolbarButton::Pause, true);
    setCommandEnabled(ToolbarButton::Exit, false);
    mStopAsked = false;
    mRun.setStopRequested(false);
    mFill.setStopRequested(false);
    mFigureTimer->start();
    run();
    mFigureTimer->stop();
    mProgress.sample(bytesWritten(), RunProgress::Clock::now());
    mProgress.stop(RunProgress::Clock::now());
    if (mFilling && !mFill.resumePending()) {
        mRecord.fill = mFill.takeReport();
        if (mRecord.fill->complete())
            mProgress.endAt(mFill.bytesWritten());
    }
    setCommandEnabled(ToolbarButton::Delete, true);
    setCommandEnabled(ToolbarButton::Exit, true);
    emitFigures();
}

void RunSession::pauseCommand() {
    setCommandEnabled(ToolbarButton::Exit, true);
    setCommandEnabled(ToolbarButton::Pause, false);
    setCommandEnabled(ToolbarButton::Delete, true);
    mStopAsked = true;
    mRun.setStopRequested(true);
    mFill.setStopRequested(true);
}

// After a run that went to its end, the folders that were added as folders and that the run left
// empty go, deepest first; a folder that still holds anything stays and is named.
void RunSession::removeEmptiedFolders() {
    // The worker reads a copy of its own: folders dropped meanwhile are added to the list's.
    const std::vector<FoundFolder> folders = mFolders.named();
    if (folders.empty())
        return;
    std::vector<KeptFolder> kept;
    onDevice([&] { kept = wypelark::removeEmptiedFolders(mChain.disk(), folders); });
    mFolders.forgetRemoved(folders, kept);
    mRecord.keptFolders.insert(mRecord.keptFolders.end(), kept.begin(), kept.end());
}

// --- Filling a volume's free space ------------------------------------------------------------

std::error_code RunSession::measureFreeSpace(const QByteArray& folder, VolumeSpace& space) {
    std::error_code error = mChain.operations().measureVolume(folder.toStdString(), space);
    if (!error)
        error = FreeSpaceRun::refusal(space);
    return error;
}

QString RunSession::freeSpaceQuestion(const QByteArray& folder, const VolumeSpace& space) const {
    return FillTexts::question(shownName(folder), space, mPasses);
}

// A paused run of files is not left behind: it is continued or ended first.
void RunSession::freeSpaceCommand(const QByteArray& folder, const VolumeSpace& space) {
    if (!mayFillFreeSpace())
        return;
    mFilling = true;
    mFill.setTarget(folder.toStdString(), space);
    mFill.setReadBack(mChain.verifier() != nullptr);
    runCommand([this] { mFill.fill(); },
               static_cast<qint64>(FreeSpaceRun::fillableBytes(space)) * mPasses);
}

std::unordered_map<std::string, qint64> RunSession::listedSizes() const {
    std::unordered_map<std::string, qint64> sizes;
    for (int position = 1; position <= mList.count(); ++position)
        sizes.emplace(mList.path(position).toStdString(), mList.size(position));
    return sizes;
}

std::int64_t RunSession::bytesWritten() const {
    return mFilling ? mFill.bytesWritten() : mRun.bytesWritten();
}

// --- Pausing and closing ----------------------------------------------------------------------

QString RunSession::pausedStatus() const {
    if (mFill.resumePending())
        return FillTexts::pausedStatus(static_cast<qint64>(mFill.heldBytes()));
    return WipeTexts::pausedStatus();
}

QString RunSession::closeQuestion() const {
    if (mFill.resumePending())
        return FillTexts::closeWhilePausedQuestion(static_cast<qint64>(mFill.heldBytes()));
    return WipeTexts::closeWhilePausedQuestion(mList.shownPath(mRun.fileIndex()));
}

// While the window waits on the device, the call that waits is still under way beneath the
// handler that would close it.
bool RunSession::closeRefused() const {
    return !commandEnabled(ToolbarButton::Exit) || (mDevice && mDevice->waiting());
}

CloseAnswer RunSession::closeAnswer() {
    if (closeRefused())
        return CloseAnswer::Refuse;
    switch (state()) {
    case RunState::Running:
    case RunState::Stopping:
        // Pause was pressed, but the run beneath this handler has not stopped yet: the close
        // waits for it, and then asks as for any paused run.
        mCloseWhenStopped = true;
        return CloseAnswer::AfterStop;
    case RunState::Paused:
        return CloseAnswer::AskFirst;
    case RunState::Idle:
    case RunState::Asking:
        break;
    }
    return CloseAnswer::Accept;
}

// A paused fill gives its space back.
void RunSession::endPausedRun() {
    if (mFill.resumePending()) {
        mFill.endStopped();
        mRecord.fill = mFill.takeReport();
    }
    if (mRun.resumePending()) {
        reportRunEnd(mRun.takeStoppedReport());
        endHolding();
    }
}

// A paused fill gives its space back, as when it ends paused.
QByteArray RunSession::endInterruptedRun() {
    if (mFill.resumePending()) {
        endPausedRun();
        return {};
    }
    QByteArray stoppedIn = mList.path(mRun.fileIndex());
    mRun.endStopped();
    endHolding();
    return stoppedIn;
}

// --- What the run left to say and how far it got ----------------------------------------------

RunRecord RunSession::takeRecord() {
    RunRecord record = std::exchange(mRecord, {});
    record.started = mRunStarted;
    record.ended = QDateTime::currentDateTimeUtc();
    return record;
}

ProgressFigures RunSession::progress() {
    const auto now = RunProgress::Clock::now();
    if (writing())
        mProgress.sample(bytesWritten(), now);
    const Bar& current = mBars[slot(ProgressBar::Current)];
    const double span = current.maximum - current.minimum;
    ProgressFigures figures;
    figures.fileIndex = mFilling ? 0 : mRun.fileIndex();
    figures.fileCount = mFilling ? 0 : itemCount();
    figures.pass =
        mFilling ? std::min(mFill.pass(), mFill.passes()) : std::min(mRun.pass(), mPasses);
    figures.passes = mFilling ? mFill.passes() : mPasses;
    figures.filling = mFilling;
    figures.passFraction =
        span > 0 ? std::clamp((current.value - current.minimum) / span, 0.0, 1.0) : 0.0;
    figures.flushing = writing() && mProgress.passWritten();
    figures.readingBack =
        (mRun.active() && mChain.readingBackNow()) || (mFill.active() && mFill.readingNow());
    figures.doneBytes = mProgress.doneBytes();
    figures.totalBytes = mProgress.totalBytes();
    figures.bytesPerSecond = mProgress.bytesPerSecond();
    figures.secondsLeft = mProgress.secondsLeft(figures.flushing);
    figures.runningSeconds = mProgress.runningSeconds(now);
    return figures;
}

void RunSession::emitFigures() {
    mProgress.figuresSent(RunProgress::Clock::now());
    emit figuresChanged(progress(), writing());
}

RunTotals RunSession::totals() const {
    return {static_cast<int>(mDestroyed.size()), mDestroyedBytes, mPasses,
            mProgress.runningSeconds(RunProgress::Clock::now())};
}

// --- The run's host ---------------------------------------------------------------------------

// The run sees only the files its question named: those held come after them in the list.
int RunSession::itemCount() const {
    return mList.unheldCount();
}

std::string RunSession::itemPath(int index) const {
    return mList.path(index).toStdString();
}

FileIdentity RunSession::itemIdentity(int index) const {
    return mList.identity(index);
}

// A Trash's record outlives what it describes; the deletes before it were made durable.
std::error_code RunSession::whyItemIsKept(int index) {
    const QByteArray entry = mList.trashOrigins().describedEntry(mList.path(index));
    bool emptied = false;
    onDevice([&] { emptied = trashEntryEmptied(entry); });
    return emptied ? std::error_code() : WipeErrc::DescribedFileKept;
}

void RunSession::removeDestroyedItems(const std::vector<int>& undestroyed) {
    std::size_t next = 0;
    const int named = itemCount();
    for (int index = 1; index <= named; ++index) {
        if (next < undestroyed.size() && undestroyed[next] == index) {
            ++next;
            continue;
        }
        mDestroyed.push_back(
            {mList.path(index), mList.size(index), mList.identity(index).file.device});
        mDestroyedBytes += mList.size(index);
    }
    std::vector<int> kept = undestroyed;
    for (int held = named + 1; held <= mList.count(); ++held)
        kept.push_back(held);
    mList.keepOnly(kept);
}

void RunSession::emitBar(ProgressBar which) {
    const Bar& bar = mBars[slot(which)];
    emit progressChanged(which, bar.minimum, bar.maximum, bar.value);
    const bool passWritten = bar.maximum > bar.minimum && bar.value >= bar.maximum;
    if (which == ProgressBar::Current && mProgress.phaseChanged(passWritten) &&
        mFigureTimer->isActive() && mProgress.figuresDue(RunProgress::Clock::now()))
        emitFigures();
}

void RunSession::setBarMinimum(ProgressBar which, float minimum) {
    mBars[slot(which)].minimum = minimum;
    emitBar(which);
}

void RunSession::setBarMaximum(ProgressBar which, float maximum) {
    mBars[slot(which)].maximum = maximum;
    emitBar(which);
}

void RunSession::setBarValue(ProgressBar which, float value) {
    mBars[slot(which)].value = value;
    emitBar(which);
}

float RunSession::barMaximum(ProgressBar which) const {
    return mBars[slot(which)].maximum;
}

float RunSession::barValue(ProgressBar which) const {
    return mBars[slot(which)].value;
}

// Delete now continues the run; there is nothing left to pause.
void RunSession::runStopped() {
    setCommandEnabled(ToolbarButton::Delete, true);
    setCommandEnabled(ToolbarButton::Pause, false);
}

void RunSession::refreshFileList() {
    emit filesChanged();
}

void RunSession::yieldToEvents() {
    mProgress.sample(bytesWritten(), RunProgress::Clock::now());
    emit yielding();
    if (!mDevice)
        return;
    // A 50,000-byte write usually takes tens of microseconds; handling events after every one
    // would cost more than the writes. Within a millisecond of the last pass through the event
    // loop nothing a person does can be waiting, so the window stays just as live.
    if (mSinceYield.isValid() && mSinceYield.nsecsElapsed() < YieldIntervalNs)
        return;
    QCoreApplication::processEvents();
    mSinceYield.start();
}

void RunSession::reportRunEnd(const WipeReport& report) {
    WipeReport& kept = mRecord.report;
    kept.failures.insert(kept.failures.end(), report.failures.begin(), report.failures.end());
    kept.remarks.insert(kept.remarks.end(), report.remarks.begin(), report.remarks.end());
    kept.leftovers.insert(kept.leftovers.end(), report.leftovers.begin(), report.leftovers.end());
    kept.fileCount = report.fileCount;
    for (const WipeFailure& failure : report.failures)
        mList.markFailed(QByteArray::fromStdString(failure.path),
                         WipeTexts::failureLine(failure.step, failure.error));
}

} // namespace wypelark
