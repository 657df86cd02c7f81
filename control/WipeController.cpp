// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/WipeController.h"

#include "control/PassCountSetting.h"
#include "control/ReadBackSetting.h"
#include "engine/ReleaseAway.h"
#include "list/LocalFileUrl.h"

#include <QCoreApplication>
#include <QScopedValueRollback>

#include <algorithm>
#include <iterator>
#include <span>
#include <utility>

namespace wypelark {

WipeController::WipeController(const ControllerSetup& setup, QObject* parent)
    : QObject(parent), mSettings(setup.settings),
      mWaiter(setup.awayFromThisThread ? std::make_optional<EventLoopWaiter>() : std::nullopt),
      mIntake(setup.awayFromThisThread
                  ? std::make_optional<EventLoopWaiter>(EventLoopWaiter::Share::Background)
                  : std::nullopt),
      mSession(std::make_unique<RunSession>(SessionSetup{.disk = setup.disk,
                                                         .device = mWaiter ? &*mWaiter : nullptr,
                                                         .intake = mIntake ? &*mIntake : nullptr,
                                                         .readBack = setup.readBack,
                                                         .checkBlocks = setup.checkBlocks},
                                            mList, mFolders)) {}

WipeController::~WipeController() = default;

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
    const int count = PassCountSetting::clamped(passes);
    mSession->setPassCount(count);
    if (!mSettings)
        return;
    if (!mWaiter) {
        PassCountSetting::save(*mSettings, count);
        return;
    }
    mWaiter->post([settings = mSettings, count] { PassCountSetting::save(*settings, count); });
}

bool WipeController::storedReadBack() const {
    return mSettings && ReadBackSetting::read(*mSettings);
}

// Chosen in the question before a run: it holds for that run, and is remembered as the pass
// count is, on the worker.
void WipeController::setReadBack(bool readBack) {
    mSession->setReadBack(readBack);
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
                                                  const QByteArray& base, GivenFolders folders) {
    PathScan scan;
    onIntake([&] { scan = scanPaths(paths, base, folders); });
    appendFound(scan.files);
    releaseAway(std::move(scan.files));
    // A folder added while a question or a run holds new files out is not removed by that run:
    // neither the question nor the run named it.
    mFolders.take(scan.folders, mSession->arrival());
    return refusalsToName(std::move(scan.refused), mList, listedPaths());
}

TrashIntake WipeController::addTrash(const TrashPlaces& places) {
    TrashContents trash;
    onIntake([&] { trash = scanTrash(places); });
    std::vector<QByteArray> paths;
    for (const TrashEntry& entry : trash.entries)
        paths.push_back(entry.path);
    // The records come after every entry: the run reaches each once what it describes is gone.
    for (const std::vector<TrashEntry>* entries : {&trash.entries, &trash.strayRecords}) {
        for (const TrashEntry& entry : *entries) {
            if (!entry.record.isEmpty())
                paths.push_back(entry.record);
        }
        mList.takeTrashEntries(*entries);
    }
    paths.insert(paths.end(), trash.sizeCaches.begin(), trash.sizeCaches.end());
    TrashIntake intake{static_cast<int>(trash.entries.size()), std::move(trash.refused),
                       std::move(trash.notReached)};
    std::vector<RefusedFile> refused = addPaths(paths, "/");
    std::move(refused.begin(), refused.end(), std::back_inserter(intake.refused));
    return intake;
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

void WipeController::removeFromList(const std::vector<int>& positions) {
    if (!listEditable())
        return;
    std::vector<QByteArray> removed;
    removed.reserve(positions.size());
    for (const int position : positions)
        removed.push_back(mList.path(position));
    mList.remove(positions);
    mFolders.forgetAbove(removed);
}

void WipeController::clearList() {
    if (!listEditable())
        return;
    // Nothing of a folder added before is to be destroyed any more: no run removes it.
    mList.clear();
    mFolders.clear();
}

// --- Closing ----------------------------------------------------------------------------------

bool WipeController::closeRefused() const {
    return mSession->closeRefused() || (mIntake && mIntake->waiting()) || mAppending;
}

CloseAnswer WipeController::closeAnswer() {
    if (closeRefused())
        return CloseAnswer::Refuse;
    return mSession->closeAnswer();
}

} // namespace wypelark
