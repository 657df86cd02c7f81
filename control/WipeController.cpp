// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/WipeController.h"

#include "control/FillTexts.h"
#include "control/PassCountSetting.h"
#include "control/ReadBackSetting.h"
#include "control/WipeTexts.h"
#include "engine/ReleaseAway.h"
#include "list/LocalFileUrl.h"
#include "list/ShownName.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <QSet>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <span>
#include <utility>

namespace wypelark {
namespace {

std::size_t slot(ToolbarButton button) {
    return static_cast<std::size_t>(button) - 1;
}

std::size_t slot(ProgressBar bar) {
    return static_cast<std::size_t>(bar);
}

} // namespace

WipeController::WipeController(const ControllerSetup& setup, QObject* parent)
    : QObject(parent), mSettings(setup.settings),
      mWaiter(setup.awayFromThisThread ? std::make_optional<EventLoopWaiter>() : std::nullopt),
      mIntake(setup.awayFromThisThread
                  ? std::make_optional<EventLoopWaiter>(EventLoopWaiter::Share::Background)
                  : std::nullopt),
      mChain(setup.disk, mWaiter ? &*mWaiter : nullptr, setup.readBack),
      mRun(*this, mChain.operations()), mFill(*this, mChain.operations()) {
    mChain.setCheckingBlocks(setup.checkBlocks);
}

WipeController::~WipeController() = default;

void WipeController::onDevice(const std::function<void()>& call) {
    if (mWaiter)
        mWaiter->wait(call);
    else
        call();
}

// Files are looked at on a worker of their own: a flush that the device holds does not hold the
// adding of files from another volume.
void WipeController::onIntake(const std::function<void()>& call) {
    if (mIntake)
        mIntake->wait(call);
    else
        call();
}

// --- The pass count ---------------------------------------------------------------------------

int WipeController::storedPassCount() const {
    return mSettings ? PassCountSetting::clamped(PassCountSetting::read(*mSettings))
                     : PassCountSetting::Minimum;
}

// The save syncs the settings file, which can wait for a run's dirty data on the same disk. It
// goes to the worker and nothing waits for it: a handler that waited would handle the events
// meanwhile, and a slider whose press handler waited would take its own release for later and
// run on by itself. The worker makes the saves one after the other, the last count last.
void WipeController::setPassCount(int passes) {
    mPasses = PassCountSetting::clamped(passes);
    if (!mSettings)
        return;
    if (!mWaiter) {
        PassCountSetting::save(*mSettings, mPasses);
        return;
    }
    mWaiter->post(
        [settings = mSettings, count = mPasses] { PassCountSetting::save(*settings, count); });
}

bool WipeController::storedReadBack() const {
    return mSettings && ReadBackSetting::read(*mSettings);
}

// Chosen in the question before a run: it holds for that run, and is remembered as the pass
// count is, on the worker.
void WipeController::setReadBack(bool readBack) {
    mChain.setReadBack(readBack);
    if (!mSettings)
        return;
    if (!mWaiter) {
        ReadBackSetting::save(*mSettings, readBack);
        return;
    }
    mWaiter->post([settings = mSettings, readBack] { ReadBackSetting::save(*settings, readBack); });
}

void WipeController::waitForSettingsSaved() {
    if (mWaiter)
        mWaiter->settle();
}

// --- Intake -----------------------------------------------------------------------------------

// A path listed again takes the file now there, but not under a run: the run holds the items it
// has reached to the files they meant.
ListedPaths WipeController::listedPaths() const {
    return listEditable() ? ListedPaths::TakeAgain : ListedPaths::Skip;
}

std::vector<RefusedFile> WipeController::addPaths(const std::vector<QByteArray>& paths,
                                                  const QByteArray& base) {
    PathScan scan;
    onIntake([&] { scan = scanPaths(paths, base); });
    appendFound(scan.files);
    releaseAway(std::move(scan.files));
    takeFolders(scan.folders);
    return refusalsToName(std::move(scan.refused), mList, listedPaths());
}

// A folder added while a question or a run holds new files out is not removed by that run:
// neither the question nor the run named it.
void WipeController::takeFolders(const std::vector<FoundFolder>& folders) {
    QSet<QByteArray> known;
    for (const FoundFolder& folder : mAddedFolders)
        known.insert(folder.path);
    for (const FoundFolder& folder : mHeldFolders)
        known.insert(folder.path);
    std::vector<FoundFolder>& into = holdingNewFiles() ? mHeldFolders : mAddedFolders;
    for (const FoundFolder& folder : folders) {
        if (!known.contains(folder.path))
            into.push_back(folder);
    }
}

bool WipeController::holdingNewFiles() const {
    return mQuestionOpen || mRun.active() || mRun.resumePending() ||
           (mInDeleteCommand && !mFilling);
}

void WipeController::endHolding() {
    mList.endHold();
    for (FoundFolder& folder : std::exchange(mHeldFolders, {}))
        mAddedFolders.push_back(std::move(folder));
}

// Files and folders dropped from a file manager come as file:// addresses whose escaped bytes
// are the names' own bytes. Anything else changes nothing.
std::optional<std::vector<RefusedFile>> WipeController::addUrls(const QList<QUrl>& urls) {
    std::vector<QByteArray> paths;
    for (const QUrl& url : urls) {
        std::optional<QByteArray> path = localPathOf(url);
        if (!path)
            return std::nullopt;
        paths.push_back(std::move(*path));
    }
    if (paths.empty())
        return std::nullopt;
    return addPaths(paths, "/");
}

std::vector<RefusedFile> WipeController::addSelected(const QByteArray& folder,
                                                     QList<QByteArray> names) {
    // The paths are made and the files measured on the worker, a slice at a time, each slice
    // appended as it comes: a million measured at once were held twice over, as measured and as
    // listed. The list is read and changed on this thread only.
    const QScopedValueRollback appending(mAppending, true);
    mList.growFor(static_cast<std::size_t>(mList.count()) + static_cast<std::size_t>(names.size()));
    std::vector<RefusedFile> refused;
    const auto slice = static_cast<qsizetype>(AppendSlice);
    for (qsizetype from = 0; from < names.size(); from += slice) {
        PathScan scan;
        const QList<QByteArray> sliceNames = names.mid(from, slice);
        onIntake([&] { scan = measureSelected(folder, pathsIn(folder, sliceNames)); });
        mList.appendNew(scan.files, listedPaths());
        std::move(scan.refused.begin(), scan.refused.end(), std::back_inserter(refused));
    }
    // The names may be the last hold on a listing shown no more: a million take 0.2 s to free.
    releaseAway(std::move(names));
    return refusalsToName(std::move(refused), mList, listedPaths());
}

// A million files go in in slices, the events handled between them, so that the window answers
// throughout. A run may start meanwhile: what it has reached is not taken again.
void WipeController::appendFound(const std::vector<FoundFile>& files) {
    const std::span<const FoundFile> all(files);
    const QScopedValueRollback appending(mAppending, true);
    // Room for them all before the first slice: growing the list and its index halfway through a
    // million held the window a tenth of a second.
    mList.growFor(static_cast<std::size_t>(mList.count()) + files.size());
    for (std::size_t from = 0; from < all.size(); from += AppendSlice) {
        if (from > 0 && mIntake)
            QCoreApplication::processEvents();
        mList.appendNew(all.subspan(from, std::min(AppendSlice, all.size() - from)), listedPaths());
    }
}

// --- Editing the list -------------------------------------------------------------------------

bool WipeController::listEditable() const {
    return !mRun.active() && !mRun.resumePending() && !mInDeleteCommand && !mQuestionOpen;
}

void WipeController::removeFromList(const std::vector<int>& positions) {
    if (!listEditable())
        return;
    std::vector<QByteArray> removed;
    removed.reserve(positions.size());
    for (const int position : positions)
        removed.push_back(mList.path(position));
    mList.remove(positions);
    forgetFoldersAbove(removed);
}

void WipeController::clearList() {
    if (!listEditable())
        return;
    // Nothing of a folder added before is to be destroyed any more: no run removes it.
    mList.clear();
    mAddedFolders.clear();
    mHeldFolders.clear();
}

// A file taken off the list takes the folders it was added with along: no later run removes them
// or what they hold.
void WipeController::forgetFoldersAbove(const std::vector<QByteArray>& paths) {
    QSet<QByteArray> forgotten;
    for (const QByteArray& path : paths) {
        for (qsizetype slash = path.lastIndexOf('/'); slash > 0;
             slash = path.lastIndexOf('/', slash - 1))
            forgotten.insert(path.left(slash));
    }
    std::erase_if(mAddedFolders,
                  [&](const FoundFolder& folder) { return forgotten.contains(folder.path); });
}

// --- Delete and Pause -------------------------------------------------------------------------

bool WipeController::commandEnabled(ToolbarButton button) const {
    return mEnabled[slot(button)];
}

void WipeController::setCommandEnabled(ToolbarButton button, bool enabled) {
    mEnabled[slot(button)] = enabled;
    emit commandEnabledChanged(button, enabled);
}

bool WipeController::deleteNeedsConfirmation() const {
    const bool removesSomething = mList.count() > 0 || !mAddedFolders.empty();
    return !mRun.resumePending() && !mFill.resumePending() && removesSomething;
}

// One folder per device is looked at: a volume's kind is the same for every file on it.
std::vector<StorageReason> WipeController::listedStorage() {
    std::map<std::uint64_t, std::string> folderOnDevice;
    for (int position = 1; position <= mList.count(); ++position) {
        const std::uint64_t device = mList.identity(position).folder.device;
        if (!folderOnDevice.contains(device))
            folderOnDevice.emplace(device, splitPath(mList.path(position).toStdString()).folder);
    }
    std::set<StorageReason> found;
    onIntake([&] {
        for (const auto& [device, folder] : folderOnDevice) {
            VolumeSpace space;
            if (!mChain.disk().measureVolume(folder, space)) {
                for (const StorageReason reason : storageReasons(space.storage))
                    found.insert(reason);
            }
        }
    });
    std::vector<StorageReason> kinds;
    for (const StorageReason reason : AllStorageReasons) {
        if (found.contains(reason))
            kinds.push_back(reason);
    }
    return kinds;
}

// The storage is looked at first: the list the question names is the one it has once the events
// handled meanwhile are done, and nothing changes it between here and the question.
QString WipeController::destroyQuestion() {
    std::vector<StorageReason> storage = listedStorage();
    // The question names the list as it is now; whatever comes while it is open waits.
    mQuestionOpen = true;
    mConfirmed = false;
    mList.holdNewRows();
    DestroyPlan plan{mList.count(),
                     {},
                     mList.totalSize(),
                     mPasses,
                     static_cast<int>(mAddedFolders.size()),
                     {},
                     {}};
    for (int position = 1; position <= std::min(plan.fileCount, WipeTexts::NamedInMessage);
         ++position)
        plan.firstFiles << mList.shownPath(position);
    for (const FoundFolder& folder : mAddedFolders) {
        if (plan.firstFolders.size() == WipeTexts::NamedInMessage)
            break;
        plan.firstFolders << shownName(folder.path);
    }
    plan.storage = std::move(storage);
    return WipeTexts::destroyQuestion(plan);
}

void WipeController::confirmDestroy() {
    mConfirmed = mQuestionOpen;
    mQuestionOpen = false;
}

void WipeController::declineDestroy() {
    mQuestionOpen = false;
    mConfirmed = false;
    mList.releaseHeld();
    endHolding();
}

void WipeController::confirmListed() {
    mList.holdNewRows();
    mConfirmed = true;
}

// Pause enables Delete before the run has seen the request; the run is not entered twice, nor a
// second command started while the first still removes emptied folders.
bool WipeController::mayStart() const {
    return !mRun.active() && !mFill.active() && !mInDeleteCommand;
}

// Delete continues a paused fill, as it continues a paused run of files.
void WipeController::deleteCommand() {
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
        mRunStarted = QDateTime::currentDateTimeUtc();
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

// A fresh run when totalBytes is given; otherwise the paused one goes on.
void WipeController::runCommand(const std::function<void()>& run, qint64 totalBytes) {
    const QScopedValueRollback commandUnderWay(mInDeleteCommand, true);
    if (mRun.resumePending() || mFill.resumePending())
        mProgress.resume(RunProgress::Clock::now());
    else
        mProgress.start(totalBytes, RunProgress::Clock::now());
    setCommandEnabled(ToolbarButton::Delete, false);
    setCommandEnabled(ToolbarButton::Pause, true);
    setCommandEnabled(ToolbarButton::Exit, false);
    mRun.setStopRequested(false);
    mFill.setStopRequested(false);
    run();
    mProgress.sample(bytesWrittenNow(), RunProgress::Clock::now());
    mProgress.stop(RunProgress::Clock::now());
    if (mFilling && !mFill.resumePending()) {
        mRecord.fill = mFill.takeReport();
        if (mRecord.fill->complete())
            mProgress.endAt(mFill.bytesWritten());
    }
    setCommandEnabled(ToolbarButton::Delete, true);
    setCommandEnabled(ToolbarButton::Exit, true);
}

void WipeController::pauseCommand() {
    setCommandEnabled(ToolbarButton::Exit, true);
    setCommandEnabled(ToolbarButton::Pause, false);
    setCommandEnabled(ToolbarButton::Delete, true);
    mRun.setStopRequested(true);
    mFill.setStopRequested(true);
}

// --- Filling a volume's free space ------------------------------------------------------------

std::error_code WipeController::measureFreeSpace(const QByteArray& folder, VolumeSpace& space) {
    std::error_code error = mChain.operations().measureVolume(folder.toStdString(), space);
    if (!error)
        error = FreeSpaceRun::refusal(space);
    return error;
}

QString WipeController::freeSpaceQuestion(const QByteArray& folder,
                                          const VolumeSpace& space) const {
    return FillTexts::question(shownName(folder), space, mPasses);
}

// A paused run of files is not left behind: it is continued or ended first.
void WipeController::freeSpaceCommand(const QByteArray& folder, const VolumeSpace& space) {
    if (!mayStart() || mRun.resumePending() || mFill.resumePending())
        return;
    mFilling = true;
    mFill.setTarget(folder.toStdString(), space);
    mFill.setReadBack(mChain.verifier() != nullptr);
    runCommand([this] { mFill.fill(); },
               static_cast<qint64>(FreeSpaceRun::fillableBytes(space)) * mPasses);
}

std::int64_t WipeController::bytesWrittenNow() const {
    return mFilling ? mFill.bytesWritten() : mRun.bytesWritten();
}

// After a run that went to its end, the folders that were added as folders and that the run left
// empty go, deepest first; a folder that still holds anything stays and is named.
void WipeController::removeEmptiedFolders() {
    // The worker reads a copy of its own: folders dropped meanwhile are added to the list's.
    const std::vector<FoundFolder> folders = mAddedFolders;
    if (folders.empty())
        return;
    std::vector<KeptFolder> kept;
    onDevice([&] { kept = wypelark::removeEmptiedFolders(mChain.disk(), folders); });
    QSet<QByteArray> gone;
    for (const FoundFolder& folder : folders)
        gone.insert(folder.path);
    for (const KeptFolder& folder : kept)
        gone.remove(folder.path);
    std::erase_if(mAddedFolders,
                  [&](const FoundFolder& folder) { return gone.contains(folder.path); });
    mRecord.keptFolders.insert(mRecord.keptFolders.end(), kept.begin(), kept.end());
}

// --- Closing ----------------------------------------------------------------------------------

bool WipeController::closeRefused() const {
    // While the window waits on the device, the call that waits is still under way beneath the
    // handler that would close it.
    return !commandEnabled(ToolbarButton::Exit) || (mWaiter && mWaiter->waiting()) ||
           (mIntake && mIntake->waiting()) || mAppending;
}

CloseAnswer WipeController::closeAnswer() {
    if (closeRefused())
        return CloseAnswer::Refuse;
    // Pause was pressed, but the run beneath this handler has not stopped yet: the close waits
    // for it, and then asks as for any paused run.
    if (mRun.active() || mFill.active()) {
        mCloseWhenStopped = true;
        return CloseAnswer::AfterStop;
    }
    return mRun.resumePending() || mFill.resumePending() ? CloseAnswer::AskFirst
                                                         : CloseAnswer::Accept;
}

QString WipeController::closeQuestion() const {
    if (mFill.resumePending())
        return FillTexts::closeWhilePausedQuestion(static_cast<qint64>(mFill.heldBytes()));
    return WipeTexts::closeWhilePausedQuestion(mList.shownPath(mRun.fileIndex()));
}

// A paused fill gives its space back.
void WipeController::endPausedRun() {
    if (mFill.resumePending()) {
        mFill.endStopped();
        mRecord.fill = mFill.takeReport();
    }
    if (mRun.resumePending()) {
        reportRunEnd(mRun.takeStoppedReport());
        endHolding();
    }
}

void WipeController::endInterruptedRun() {
    mRun.endStopped();
    endHolding();
}

RunRecord WipeController::takeRecord() {
    RunRecord record = std::exchange(mRecord, {});
    record.started = mRunStarted;
    record.ended = QDateTime::currentDateTimeUtc();
    return record;
}

ProgressFigures WipeController::progress() {
    const auto now = RunProgress::Clock::now();
    if (mRun.active() || mFill.active())
        mProgress.sample(bytesWrittenNow(), now);
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
    figures.flushing =
        (mRun.active() || mFill.active()) && span > 0 && current.value >= current.maximum;
    figures.readingBack =
        (mRun.active() && mChain.readingBackNow()) || (mFill.active() && mFill.readingNow());
    figures.doneBytes = mProgress.doneBytes();
    figures.totalBytes = mProgress.totalBytes();
    figures.bytesPerSecond = mProgress.bytesPerSecond();
    figures.secondsLeft = mProgress.secondsLeft(figures.flushing);
    figures.runningSeconds = mProgress.runningSeconds(now);
    return figures;
}

RunTotals WipeController::totals() const {
    return {static_cast<int>(mDestroyed.size()), mDestroyedBytes, mPasses,
            mProgress.runningSeconds(RunProgress::Clock::now())};
}

// --- The run's host ---------------------------------------------------------------------------

// The run sees only the files its question named: those held come after them in the list.
int WipeController::itemCount() const {
    return mList.unheldCount();
}

std::string WipeController::itemPath(int index) const {
    return mList.path(index).toStdString();
}

FileIdentity WipeController::itemIdentity(int index) const {
    return mList.identity(index);
}

void WipeController::removeDestroyedItems(const std::vector<int>& undestroyed) {
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

void WipeController::emitBar(ProgressBar which) {
    const Bar& bar = mBars[slot(which)];
    emit progressChanged(which, bar.minimum, bar.maximum, bar.value);
}

void WipeController::setBarMinimum(ProgressBar which, float minimum) {
    mBars[slot(which)].minimum = minimum;
    emitBar(which);
}

void WipeController::setBarMaximum(ProgressBar which, float maximum) {
    mBars[slot(which)].maximum = maximum;
    emitBar(which);
}

void WipeController::setBarValue(ProgressBar which, float value) {
    mBars[slot(which)].value = value;
    emitBar(which);
}

float WipeController::barMaximum(ProgressBar which) const {
    return mBars[slot(which)].maximum;
}

float WipeController::barValue(ProgressBar which) const {
    return mBars[slot(which)].value;
}

// Delete now continues the run; there is nothing left to pause.
void WipeController::runStopped() {
    setCommandEnabled(ToolbarButton::Delete, true);
    setCommandEnabled(ToolbarButton::Pause, false);
}

void WipeController::refreshFileList() {
    emit filesChanged();
}

void WipeController::yieldToEvents() {
    mProgress.sample(bytesWrittenNow(), RunProgress::Clock::now());
    emit yielding();
    if (!mWaiter)
        return;
    // A 50,000-byte write usually takes tens of microseconds; handling events after every one
    // would cost more than the writes. Within a millisecond of the last pass through the event
    // loop nothing a person does can be waiting, so the window stays just as live.
    if (mSinceYield.isValid() && mSinceYield.nsecsElapsed() < YieldIntervalNs)
        return;
    QCoreApplication::processEvents();
    mSinceYield.start();
}

void WipeController::reportRunEnd(const WipeReport& report) {
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
