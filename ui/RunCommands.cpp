// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/RunCommands.h"

#include "control/FillTexts.h"
#include "control/HelperClient.h"
#include "control/RunEndNotice.h"
#include "control/RunProgress.h"
#include "control/TrashPlacesNow.h"
#include "control/TrashTexts.h"
#include "control/WipeController.h"
#include "control/WipeTexts.h"
#include "list/ShownName.h"
#include "ui/AdministratorRunDialog.h"
#include "ui/DeletionListPane.h"
#include "ui/DesktopNotifier.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgressPane.h"
#include "ui/RunRecordDialog.h"
#include "ui/StatusLine.h"

#include <QAction>
#include <QScopedValueRollback>
#include <QSet>
#include <QWidget>

#include <utility>

namespace wypelark {

RunCommands::RunCommands(const RunCommandsParts& parts, QWidget* window)
    : QObject(window), mParts(parts), mWindow(window), mNotifier(new DesktopNotifier(this)) {
    connect(&mParts.progress, &ProgressPane::figuresShown, this, &RunCommands::showFigures);
    connect(mNotifier, &DesktopNotifier::showAsked, this, &RunCommands::windowAsked);
}

void RunCommands::deleteCommand() {
    WipeController& controller = mParts.controller;
    RunSession& session = controller.session();
    // The question waits for a look at the files' volumes: a second Delete meanwhile asks nothing.
    if (!session.mayStart() || mAsking)
        return;
    // Nothing listed, nothing paused: there is no run to start, and no bar fills.
    if (session.state() == RunState::Idle && !session.deleteNeedsConfirmation()) {
        mParts.status.say(tr("The list is empty: add files first"));
        return;
    }
    if (session.deleteNeedsConfirmation()) {
        const QScopedValueRollback asking(mAsking, true);
        const QString question = session.destroyQuestion();
        bool readBack = controller.storedReadBack();
        if (!mParts.messages.confirmWithChoice(
                mWindow, QStringLiteral("Wypelark"), question, tr("Destroy"),
                tr("Read each file back before deleting it"), readBack)) {
            session.declineDestroy();
            return;
        }
        controller.setReadBack(readBack);
        session.confirmDestroy();
    }
    nameDeleteButton(tr("Delete"));
    const bool fillPaused =
        session.state() == RunState::Paused && session.kind() == RunKind::FreeSpace;
    mParts.status.say(fillPaused ? FillTexts::runningStatus(mFillFolder) : QString());
    session.deleteCommand();
    afterRunCommand();
}

bool RunCommands::mayFillFreeSpace() const {
    return mParts.controller.session().mayFillFreeSpace();
}

// The volume is looked at away from this thread, and asked about before anything is written.
void RunCommands::wipeFreeSpaceCommand(const QByteArray& folder) {
    if (mAsking)
        return;
    if (!mayFillFreeSpace()) {
        // From the keyboard the command is there whatever the run's state: say why it waits.
        mParts.status.say(tr("A run is under way or paused: finish it first."));
        return;
    }
    VolumeSpace space;
    if (!askToFill(folder, space))
        return;
    mFillFolder = shownName(folder);
    mParts.status.say(FillTexts::runningStatus(mFillFolder));
    mParts.controller.session().freeSpaceCommand(folder, space);
    afterRunCommand();
}

// The files go in with the paths they had before they were put in the Trash. The look into the
// trash cans waits away from this thread: a second command meanwhile asks nothing.
void RunCommands::shredTrashCommand() {
    if (mAsking)
        return;
    const int listedBefore = mParts.controller.list().count();
    TrashIntake intake;
    {
        const QScopedValueRollback asking(mAsking, true);
        intake = mParts.controller.addTrash(trashPlacesNow());
    }
    for (const QByteArray& volume : intake.notReached)
        intake.refused.push_back({volume, WipeErrc::NotMounted});
    if (!intake.refused.empty())
        mParts.messages.information(mWindow, QStringLiteral("Wypelark"),
                                    WipeTexts::refusedFiles(intake.refused));
    if (intake.entries == 0 && mParts.controller.list().count() == listedBefore) {
        mParts.status.say(TrashTexts::empty());
        return;
    }
    if (mParts.controller.session().state() == RunState::Idle)
        deleteCommand();
    else
        mParts.status.say(WipeTexts::heldStatus(mParts.controller.heldCount()));
}

// The look at the volume waits away from this thread: a second command meanwhile asks nothing.
bool RunCommands::askToFill(const QByteArray& folder, VolumeSpace& space) {
    WipeController& controller = mParts.controller;
    RunSession& session = controller.session();
    const QScopedValueRollback asking(mAsking, true);
    if (const std::error_code error = session.measureFreeSpace(folder, space)) {
        mParts.messages.information(mWindow, QStringLiteral("Wypelark"), WipeTexts::reason(error));
        return false;
    }
    if (!mayFillFreeSpace())
        return false;
    bool readBack = controller.storedReadBack();
    if (!mParts.messages.confirmWithChoice(
            mWindow, QStringLiteral("Wypelark"), session.freeSpaceQuestion(folder, space),
            tr("Fill Free Space"), tr("Read each pass back before giving the space back"),
            readBack))
        return false;
    controller.setReadBack(readBack);
    return true;
}

void RunCommands::afterRunCommand() {
    showRunState();
    showPendingReport();
    if (mParts.controller.session().takeCloseWhenStopped())
        QMetaObject::invokeMethod(mWindow, &QWidget::close, Qt::QueuedConnection);
}

// Between writes and during flushes: the current file, the pass, the bytes, the speed and the
// time left, unless a note was said a moment ago.
void RunCommands::showFigures(const ProgressFigures& figures, bool running) {
    const bool inFile = figures.fileIndex >= 1 && figures.fileIndex <= figures.fileCount;
    if (!running || mParts.status.noteShown())
        return;
    if (inFile)
        mParts.status.say(WipeTexts::runningStatus(figures));
    if (figures.filling)
        mParts.status.say(FillTexts::runningStatus(mFillFolder));
}

// Paused is said in words, and Delete reads Continue: it goes on where the run stopped.
void RunCommands::showRunState() {
    const RunSession& session = mParts.controller.session();
    const bool paused = session.state() == RunState::Paused;
    nameDeleteButton(paused ? tr("Continue") : tr("Delete"));
    if (!paused)
        return;
    mParts.progress.showPaused();
    mParts.status.say(session.pausedStatus());
}

void RunCommands::nameDeleteButton(const QString& caption) {
    mParts.deleteButton->setText(caption);
    mParts.deleteButtonShown->setAccessibleName(caption);
}

// In the status line, on the desktop when the person looks at another window, in a box, and in
// the record kept.
void RunCommands::showPendingReport() {
    RunSession& session = mParts.controller.session();
    const RunRecord record = session.takeRecord();
    const std::vector<QByteArray> lackingRights = failedForLackOfRights(record.report);
    RunEndNotice notice = RunEndNotice::of(record, session, session.state() == RunState::Paused);
    if (!notice.status.isEmpty())
        mParts.status.say(notice.status);
    if (!notice.ending.isEmpty() && session.state() != RunState::Paused)
        mParts.progress.showEnding(notice.ending);
    if (!notice.notice.isEmpty() && !mWindow->isActiveWindow())
        mNotifier->notify(notice.notice, notice.noticeBody);
    if (notice.sheet) {
        mLastRecord = std::move(notice.sheet);
        mParts.list.offerRecord();
    }
    if (notice.boxShown && !lackingRights.empty() && session.state() == RunState::Idle) {
        if (mParts.messages.reportWithOffer(mWindow, notice.critical, QStringLiteral("Wypelark"),
                                            notice.summary, notice.details,
                                            tr("Destroy as Administrator…")))
            destroyAsAdministrator(lackingRights);
    } else if (notice.boxShown) {
        mParts.messages.report(mWindow, notice.critical, QStringLiteral("Wypelark"), notice.summary,
                               notice.details);
    }
}

// Exactly the files the run could not destroy for lack of rights, as they were listed, go to
// the helper; those it destroyed leave the list, the others stay marked with the reason.
void RunCommands::destroyAsAdministrator(const std::vector<QByteArray>& paths) {
    WipeController& controller = mParts.controller;
    DeletionListModel& list = controller.list();
    const QSet<QByteArray> wanted(paths.begin(), paths.end());
    std::vector<HandedFile> files;
    for (int position = 1; position <= list.count(); ++position) {
        if (wanted.contains(list.path(position)))
            files.push_back({list.path(position), list.identity(position)});
    }
    if (files.empty() || !controller.listEditable())
        return;
    const int handed = static_cast<int>(files.size());
    AdministratorRunDialog run(mWindow, std::move(files), controller.passCount(),
                               controller.session().verifier() != nullptr);
    run.exec();
    const int left = handed - static_cast<int>(run.destroyed().size());
    mParts.progress.showEnding(left == 0 ? WipeTexts::doneEnding() : WipeTexts::failedEnding(left));
    const QSet<QByteArray> gone(run.destroyed().begin(), run.destroyed().end());
    std::vector<int> positions;
    for (int position = 1; position <= list.count(); ++position) {
        if (gone.contains(list.path(position)))
            positions.push_back(position);
    }
    controller.removeFromList(positions);
    for (const auto& [path, reason] : run.notDestroyed())
        list.markFailed(path, reason);
    mParts.status.say(AdministratorRunDialog::destroyedStatus(static_cast<int>(positions.size())));
}

void RunCommands::showRunRecord() {
    if (!mLastRecord)
        return;
    auto* dialog = new RunRecordDialog(mWindow, *mLastRecord);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace wypelark
