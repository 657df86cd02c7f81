// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "control/RunSheet.h"

#include <QObject>
#include <QString>

#include <optional>

class QAction;
class QWidget;

namespace wypelark {

class DesktopNotifier;

class DeletionListPane;
class MessageBoxes;
class ProgressPane;
class StatusLine;
class WipeController;
struct ProgressFigures;
struct VolumeSpace;

// What the run's commands show themselves on.
struct RunCommandsParts {
    WipeController& controller;
    MessageBoxes& messages;
    ProgressPane& progress;
    StatusLine& status;
    DeletionListPane& list;
    QAction* deleteButton;      // reads Continue while a run is paused
    QWidget* deleteButtonShown; // the toolbar's button for it, as screen readers name it
};

// Delete and the free-space fill: the question before each, the run itself, and what the window
// says once it ended or was paused. The run handles the window's events while it goes, so any
// command can come again meanwhile: one that would ask a second question asks nothing.
class RunCommands final : public QObject {
    Q_OBJECT

public:
    RunCommands(const RunCommandsParts& parts, QWidget* window);

    void deleteCommand();
    // Not beside a paused run of files, which is continued or ended first.
    bool mayFillFreeSpace() const;
    // Fills the free space of the volume that holds the folder.
    void wipeFreeSpaceCommand(const QByteArray& folder);
    // Lists what the person's trash cans hold, then asks the question Delete asks, unless a run
    // is under way or paused.
    void shredTrashCommand();
    // What the command that ended left to say.
    void showPendingReport();
    void showRunRecord();

signals:
    // The person chose Show on the desktop's notice of a run's end.
    void windowAsked();

private:
    bool askToFill(const QByteArray& folder, VolumeSpace& space);
    void destroyAsAdministrator(const std::vector<QByteArray>& paths);
    void afterRunCommand();
    void showRunState();
    void showFigures(const ProgressFigures& figures, bool running);
    void nameDeleteButton(const QString& caption);

    RunCommandsParts mParts;
    QWidget* mWindow;
    DesktopNotifier* mNotifier;
    // The record of the last run that ended, as the window can show and keep it.
    std::optional<RunSheet> mLastRecord;
    QString mFillFolder; // the folder shown when the fill under way was asked for
    bool mAsking = false;
};

} // namespace wypelark
