// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "control/FileOperationsChain.h"
#include "control/RunProgress.h"
#include "control/ToolbarButton.h"
#include "engine/FreeSpaceRun.h"
#include "engine/WipeHost.h"
#include "engine/WipeReport.h"
#include "engine/WipeRun.h"
#include "list/AddedFolders.h"
#include "list/DeletionListModel.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>

#include <array>
#include <functional>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

class QTimer;

namespace wypelark {

class EventLoopWaiter;

// What a session is doing. It answers every question of whether a command may start, pause, edit
// the list or close.
enum class RunState {
    Idle,
    Asking,   // a question names the list: nothing added meanwhile joins the run
    Running,  // a run writes, or removes the folders it emptied
    Stopping, // Pause was pressed; the run stops after its current write
    Paused,   // stopped, to be continued or ended
};

// What the last command destroys: the listed files, or a volume's free space.
enum class RunKind { Files, FreeSpace };

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

// How a session reaches the disk, and how it waits for it.
struct SessionSetup {
    FileOperations& disk;
    // Where calls that can wait on the device are made while this thread handles its events;
    // on this thread when null.
    EventLoopWaiter* device = nullptr;
    // Where the question looks at the listed files' volumes; on this thread when null.
    EventLoopWaiter* intake = nullptr;
    bool readBack = false;
    bool checkBlocks = false;
};

// One run at a time over the deletion list, or over a volume's free space: the question that
// names what it destroys, Delete, Pause and continue, the files it destroyed, its progress and
// what it left to say. It is the engine's only host.
//
// A run yields to the event loop between writes: any handler of the front end can run inside
// deleteCommand() or freeSpaceCommand(). state() is what guards that: the list is not edited,
// no second command starts, and a close waits, while a run is under way.
class RunSession final : public QObject, private WipeHost {
    Q_OBJECT

public:
    RunSession(const SessionSetup& setup, DeletionListModel& list, AddedFolders& folders,
               QObject* parent = nullptr);
    ~RunSession() override;

    RunState state() const;
    RunKind kind() const { return mFilling ? RunKind::FreeSpace : RunKind::Files; }
    // Whether Pause was pressed since the last command started; the next one clears it.
    bool stopAsked() const { return mStopAsked; }
    // Whether a run is writing now, Pause pressed or not.
    bool writing() const { return mRun.active() || mFill.active(); }
    // A stopped command waits to go on where it stopped (the state says Paused once the
    // command that stopped has returned).
    bool resumable() const { return mRun.resumePending() || mFill.resumePending(); }
    // The list is walked by position while a run of files is under way or paused, and named by a
    // question while it is open.
    bool listEditable() const;
    // Whether what is added now is held out of a run of files.
    Arrival arrival() const;
    // Whether Delete can start or continue a run now: the run is not entered twice.
    bool mayStart() const;
    // Whether a fill of free space may start: no run is under way or paused.
    bool mayFillFreeSpace() const { return state() == RunState::Idle; }
    bool commandEnabled(ToolbarButton button) const;

    int passCount() const override { return mPasses; }
    void setPassCount(int passes) { mPasses = passes; }
    void setReadBack(bool readBack) { mChain.setReadBack(readBack); }
    // Whether a fill's last pass is followed by a trim of the free space; on unless turned off.
    void setTrimAfterFill(bool trim) { mFill.setTrim(trim); }
    const VerifyingFileOperations* verifier() const { return mChain.verifier(); }

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
    // Files added after the question that started the run under way or paused, kept for a later
    // Delete.
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

    // What the status line says while the run is paused.
    QString pausedStatus() const;
    // A close while paused ends the run: the question that says what that leaves.
    QString closeQuestion() const;
    // What a close gets from the run; the front end refuses it first while it waits itself.
    CloseAnswer closeAnswer();
    bool closeRefused() const;
    // Whether a close asked for while the run was stopping waits to be made, once; it is made
    // after what the run left to say was said.
    bool takeCloseWhenStopped() { return std::exchange(mCloseWhenStopped, false); }
    // A paused run ends: what it could not do before the Pause goes into the record.
    void endPausedRun();
    // An interrupted run ends for good: the file it stopped in is reported as partly
    // overwritten, the files after it as not reached. Returns that file; a fill names none.
    QByteArray endInterruptedRun();

    RunRecord takeRecord();
    // The files the last command destroyed, in the list's order.
    const std::vector<DestroyedFile>& destroyed() const { return mDestroyed; }
    // Where the files taken from a Trash were before.
    const TrashOrigins& trashOrigins() const { return mList.trashOrigins(); }
    // The listed files' sizes by path, as they were listed (a failed file stays listed).
    std::unordered_map<std::string, qint64> listedSizes() const;
    // The bytes the last command wrote, every pass counted.
    std::int64_t bytesWritten() const;
    // How far the run has got; taken now, so that a flush that holds the run slows the rate.
    ProgressFigures progress();
    RunTotals totals() const;

signals:
    void progressChanged(ProgressBar bar, float minimum, float maximum, float value);
    // The figures of a command under way, a few times a second, and once when it stops.
    void figuresChanged(const ProgressFigures& figures, bool writing);
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
    void setCommandEnabled(ToolbarButton button, bool enabled);
    void endHolding();
    void removeEmptiedFolders();
    std::vector<StorageReason> listedStorage();
    void emitBar(ProgressBar which);
    void emitFigures();
    void runCommand(const std::function<void()>& run, qint64 totalBytes);
    void startFresh(qint64 totalBytes);

    // WipeHost
    int itemCount() const override;
    std::string itemPath(int index) const override;
    FileIdentity itemIdentity(int index) const override;
    void removeDestroyedItems(const std::vector<int>& undestroyed) override;
    bool itemWaitsForEarlier(int index) const override {
        return mList.trashOrigins().isRecord(mList.path(index));
    }
    std::error_code whyItemIsKept(int index) override;
    void setBarMinimum(ProgressBar which, float minimum) override;
    void setBarMaximum(ProgressBar which, float maximum) override;
    void setBarValue(ProgressBar which, float value) override;
    float barMaximum(ProgressBar which) const override;
    float barValue(ProgressBar which) const override;
    void runStopped() override;
    void refreshFileList() override;
    void yieldToEvents() override;
    void reportRunEnd(const WipeReport& report) override;

    DeletionListModel& mList;
    AddedFolders& mFolders;
    EventLoopWaiter* mDevice;
    EventLoopWaiter* mIntake;
    FileOperationsChain mChain;
    WipeRun mRun;
    FreeSpaceRun mFill;
    RunRecord mRecord;
    std::vector<DestroyedFile> mDestroyed;
    qint64 mDestroyedBytes = 0;
    QDateTime mRunStarted;
    RunProgress mProgress;
    QTimer* mFigureTimer;
    std::array<Bar, 2> mBars{};
    std::array<bool, 6> mEnabled{true, true, true, true, true, true};
    QElapsedTimer mSinceYield;
    int mPasses = 1;
    bool mInCommand = false;    // a command is under way, the folders' removal after it included
    bool mQuestionOpen = false; // a question names the list: nothing added joins the run
    bool mConfirmed = false;    // what the list held before the hold was named and accepted
    bool mFilling = false;
    bool mStopAsked = false;        // Pause was pressed since the command started
    bool mCloseWhenStopped = false; // a close came while a paused run had not stopped yet
    static constexpr qint64 YieldIntervalNs = 1'000'000;
};

} // namespace wypelark
