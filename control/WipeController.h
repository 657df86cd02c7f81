// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "control/EventLoopWaiter.h"
#include "control/FileOperationsChain.h"
#include "control/RunProgress.h"
#include "control/ToolbarButton.h"
#include "engine/FreeSpaceRun.h"
#include "engine/WipeHost.h"
#include "engine/WipeReport.h"
#include "engine/WipeRun.h"
#include "list/AddSelectedFiles.h"
#include "list/DeletionListModel.h"
#include "list/PathScan.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QUrl>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace wypelark {

class RegistryFile;

// How a controller is set up for its front end.
struct ControllerSetup {
    FileOperations& disk;
    // Where the pass count is remembered when it changes; nowhere when null.
    RegistryFile* settings = nullptr;
    // Every call that can wait on the device is made on a worker while this thread goes on
    // handling its events, as a window needs; otherwise on this thread.
    bool awayFromThisThread = true;
    // Every file is read back before it is deleted, and left when it differs from the fill.
    bool readBack = false;
    // While reading back, the device's own blocks under each file are read too, where the
    // file system tells where they are and this user may read the device.
    bool checkBlocks = false;
};

// What a command left to be said once it ended: the run's report and the folders added as
// folders that stayed.
struct RunRecord {
    WipeReport report;
    std::vector<KeptFolder> keptFolders;
    std::optional<FillReport> fill; // when the command filled a volume's free space
    QDateTime started;              // UTC, when the run was started fresh
    QDateTime ended;                // when what it left to say was taken

    bool empty() const { return report.empty() && keptFolders.empty() && !fill; }
};

// A file a command destroyed, and its size when it was listed.
struct DestroyedFile {
    QByteArray path;
    qint64 size = 0;
    std::uint64_t device = 0; // the st_dev it lay on, when it was looked at
};

// What a close asked for gets.
enum class CloseAnswer {
    Refuse,    // a run is going, or a call that waits on the device is under way
    AfterStop, // a Pause was pressed and the run has not stopped yet: closed once it has
    AskFirst,  // a paused run would end with the close: the person is asked
    Accept,
};

// The application between the core and its front ends: the deletion list and the folders added
// as folders, the pass count, the run with its waiter and its file operations, the intake of
// paths, and the rules of Delete, Pause, editing the list and closing. It is the run's host, and
// tells the front ends what changed through its signals.
class WipeController final : public QObject, private WipeHost {
    Q_OBJECT

public:
    explicit WipeController(const ControllerSetup& setup, QObject* parent = nullptr);
    ~WipeController() override;

    DeletionListModel& list() { return mList; }
    const DeletionListModel& list() const { return mList; }
    WipeRun& run() { return mRun; }
    const WipeRun& run() const { return mRun; }
    const VerifyingFileOperations* verifier() const { return mChain.verifier(); }
    // The files the last command destroyed, in the list's order.
    const std::vector<DestroyedFile>& destroyed() const { return mDestroyed; }

    // The pass count: the one remembered, and the one the next run makes.
    int storedPassCount() const;
    int passCount() const override { return mPasses; }
    void setPassCount(int passes);
    // Whether each file is read back from the device before it is deleted: the choice last
    // stored, and the choice for the next run, stored in turn.
    bool storedReadBack() const;
    void setReadBack(bool readBack);
    // Returns once the counts and choices set before are saved.
    void waitForSettingsSaved();

    // Adds the files that paths name, folders with everything below them; relative paths are
    // taken against base. What could not be added comes back.
    std::vector<RefusedFile> addPaths(const std::vector<QByteArray>& paths, const QByteArray& base);
    // Adds what a drop names when every address is a local file or folder; nothing otherwise.
    std::optional<std::vector<RefusedFile>> addUrls(const QList<QUrl>& urls);
    // Adds the named files of a folder, those selected in its file list.
    std::vector<RefusedFile> addSelected(const QByteArray& folder, QList<QByteArray> names);

    // The list changes only while no run is under way: a run walks it by position, and the
    // Delete command then removes the folders that were added, until it has returned.
    bool listEditable() const;
    // Removes the items at the given 1-based positions, and the folders they were added with.
    void removeFromList(const std::vector<int>& positions);
    void clearList();

    bool commandEnabled(ToolbarButton button) const;
    // Whether Delete can start or continue a run now: the run is not entered twice.
    bool mayStart() const;
    // Whether Delete would start a fresh run that destroys something, which is asked first.
    bool deleteNeedsConfirmation() const;
    // Names the files, and what the volumes they lie on keep, looked at away from this thread.
    // From here until the run ends, whatever is added is held out of it and kept listed.
    QString destroyQuestion();
    // The question was accepted: the next fresh run destroys what it named, and nothing else.
    void confirmDestroy();
    // The question was declined: what came meanwhile is listed as any other file.
    void declineDestroy();
    // What is listed now was named by the person another way (the command line): the next fresh
    // run destroys it, and nothing added after.
    void confirmListed();
    // Files added after the question that started the run under way or paused, and kept for a
    // later Delete; marked so in the list.
    int heldCount() const { return mList.heldCount(); }
    // Starts a fresh run over what was confirmed, or continues a paused one; after a run that
    // went to its end, removes the folders it named that it left empty. A fresh run with nothing
    // confirmed destroys nothing. Returns when the run stopped or ended.
    void deleteCommand();
    void pauseCommand();

    // Looks at the volume that holds folder, for a fill of its free space; the error says why
    // it cannot be filled.
    std::error_code measureFreeSpace(const QByteArray& folder, VolumeSpace& space);
    QString freeSpaceQuestion(const QByteArray& folder, const VolumeSpace& space) const;
    // Fills the free space of the volume that holds folder, as measured, with the pass count;
    // Pause stops it and Delete continues it, as for files. Returns when it stopped or ended.
    void freeSpaceCommand(const QByteArray& folder, const VolumeSpace& space);
    const FreeSpaceRun& fill() const { return mFill; }
    // Whether the last command was a fill, so that what is shown of the run is the fill's.
    bool filling() const { return mFilling; }

    // Whether a close must be refused now; the window's own question.
    bool closeRefused() const;
    CloseAnswer closeAnswer();
    QString closeQuestion() const;
    // Whether a close asked for while the run was stopping waits to be made, once; it is made
    // after what the run left to say was said.
    bool takeCloseWhenStopped() { return std::exchange(mCloseWhenStopped, false); }
    // A paused run ends: what it could not do before the Pause goes into the record.
    void endPausedRun();
    // An interrupted run ends for good: the file it stopped in is reported as partly
    // overwritten, the files after it as not reached.
    void endInterruptedRun();

    RunRecord takeRecord();

    // How far the run has got; taken now, so that a flush that holds the run slows the rate.
    ProgressFigures progress();
    RunTotals totals() const;

signals:
    void progressChanged(ProgressBar bar, float minimum, float maximum, float value);
    void commandEnabledChanged(ToolbarButton button, bool enabled);
    // Files of the folder being shown may have gone.
    void filesChanged();
    // Called between writes, as often as the run goes through its event loop.
    void yielding();

private:
    struct Bar {
        float minimum = 0;
        float maximum = 100;
        float value = 0;
    };

    void onDevice(const std::function<void()>& call);
    void onIntake(const std::function<void()>& call);
    void setCommandEnabled(ToolbarButton button, bool enabled);
    ListedPaths listedPaths() const;
    void appendFound(const std::vector<FoundFile>& files);
    void takeFolders(const std::vector<FoundFolder>& folders);
    // Whether what is added now is held out of a run of files: a question names the list, or the
    // run it started is under way or paused.
    bool holdingNewFiles() const;
    // The run ended: held files and folders wait, listed, for the next question.
    void endHolding();
    void forgetFoldersAbove(const std::vector<QByteArray>& paths);
    void removeEmptiedFolders();
    std::vector<StorageReason> listedStorage();
    void emitBar(ProgressBar which);
    void runCommand(const std::function<void()>& run, qint64 totalBytes);
    std::int64_t bytesWrittenNow() const;

    // WipeHost
    int itemCount() const override;
    std::string itemPath(int index) const override;
    FileIdentity itemIdentity(int index) const override;
    void removeDestroyedItems(const std::vector<int>& undestroyed) override;
    void setBarMinimum(ProgressBar which, float minimum) override;
    void setBarMaximum(ProgressBar which, float maximum) override;
    void setBarValue(ProgressBar which, float value) override;
    float barMaximum(ProgressBar which) const override;
    float barValue(ProgressBar which) const override;
    void runStopped() override;
    void refreshFileList() override;
    void yieldToEvents() override;
    void reportRunEnd(const WipeReport& report) override;

    RegistryFile* mSettings;
    std::optional<EventLoopWaiter> mWaiter;
    std::optional<EventLoopWaiter> mIntake;
    FileOperationsChain mChain;
    DeletionListModel mList;
    WipeRun mRun;
    FreeSpaceRun mFill;
    RunRecord mRecord;
    std::vector<FoundFolder> mAddedFolders; // folders added as folders, parents first
    std::vector<FoundFolder> mHeldFolders;  // added while a question or a run held them out
    std::vector<DestroyedFile> mDestroyed;
    qint64 mDestroyedBytes = 0;
    QDateTime mRunStarted;
    RunProgress mProgress;
    std::array<Bar, 2> mBars{};
    std::array<bool, 6> mEnabled{true, true, true, true, true, true};
    QElapsedTimer mSinceYield;
    int mPasses = 1;
    bool mInDeleteCommand = false;
    bool mQuestionOpen = false; // a question names the list: nothing added joins the run
    bool mConfirmed = false;    // what the list held before the hold was named and accepted
    bool mFilling = false;
    bool mAppending = false;        // files go in in slices, the events handled between them
    bool mCloseWhenStopped = false; // a close came while a paused run had not stopped yet
    static constexpr qint64 YieldIntervalNs = 1'000'000;
    static constexpr std::size_t AppendSlice = 20000;
};

} // namespace wypelark
