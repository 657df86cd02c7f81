// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "browse/ShownDirectoryAccess.h"
#include "control/WaitingDirectoryAccess.h"

#include <QByteArray>
#include <QGroupBox>
#include <QList>

#include <optional>
#include <system_error>

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace wypelark {

class DirectoryAccess;
class DriveBox;
class FileListBox;
class FolderListBox;
class FolderWatch;
class MessageBoxes;

// The folder browser: the drive box, the folder list and the file list, read away from the
// window's thread, with the note shown while a listing takes a while and the watch that keeps
// the shown folder current. It adds nothing itself: it asks for the selected files to be added.
class BrowserPane final : public QGroupBox {
    Q_OBJECT

public:
    BrowserPane(const DirectoryAccess& directories, MessageBoxes& messages, QWidget* parent);
    ~BrowserPane() override;

    // The volume and the folder given to startIn, or else the folder the program was started in;
    // the root where neither can be read.
    void openStartFolder();
    // The folder openStartFolder opens, when called before it runs.
    void startIn(const QByteArray& folder);
    QByteArray folder() const;
    QList<QByteArray> selectedNames() const;
    // Lists the shown folder again: files were destroyed, or the window came back to the front
    // with no watch on the folder.
    void refreshFiles();
    void refreshUnlessWatched();

    DriveBox* drives() const { return drvDrive; }
    FolderListBox* folders() const { return dirPath; }
    FileListBox* files() const { return filFiles; }

    // Event procedures.
    void drvDrive_Change();
    void dirPath_Change();
    void filFiles_MouseDown(Qt::MouseButton button, const QPoint& at);

signals:
    // The selected files are to be added (double click, Enter, or the pop-up menu).
    void addRequested();
    // A folder of the folder list is to be added, with every file below it (its pop-up menu).
    void folderAddRequested(const QByteArray& folder);
    // The drive box's menu was asked for, at a place on the screen.
    void driveMenuRequested(const QPoint& at);

private:
    void buildReadingNote();
    void connectEvents();
    void buildFolderMenu();
    void showFolderMenu(const QPoint& at);
    void refreshShownFolder();
    void showFolderError(const QByteArray& folder, std::error_code error);
    void showReading(bool reading);
    void markReading(bool reading);
    void placeReadingNote();

    MessageBoxes& mMessages;
    ShownDirectoryAccess mShown;
    WaitingDirectoryAccess mBrowsing;
    std::optional<QByteArray> mStartFolder;
    FileListBox* filFiles = nullptr;
    FolderListBox* dirPath = nullptr;
    DriveBox* drvDrive = nullptr;
    QMenu* mnuPopUp = nullptr;
    QAction* mnuPopUpAdd = nullptr;
    QMenu* mnuFolders = nullptr;
    QAction* mnuFoldersAdd = nullptr;
    QByteArray mMenuFolder; // the folder the folder list's menu was opened on
    FolderWatch* mFolderWatch = nullptr;
    QLabel* lblReading = nullptr;
    QTimer* mReadingShown = nullptr;
    QTimer* mNotAnswering = nullptr;
    bool mListingPending = false;
};

} // namespace wypelark
