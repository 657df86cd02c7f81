// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "control/ToolbarButton.h"
#include "ui/LauncherEntry.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <system_error>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QSlider;
class QToolBar;
class QUrl;

namespace wypelark {

class BrowserPane;
class DeletionListPane;
class DirectoryAccess;
class ProgressPane;
class RunCommands;
class StatusLine;
class MessageBoxes;
class UrlOpener;
class WipeController;
struct RefusedFile;

// What the window shows and asks through besides its controller: the folders, the message
// boxes and the browser. The application passes the real ones; tests pass fakes.
struct WindowServices {
    const DirectoryAccess& directories;
    MessageBoxes& messages;
    UrlOpener& urls;
    // Where the dock's progress goes: the session bus unless another is given.
    LauncherEntry::Send launcherBus = LauncherEntry::sessionBus();
};

// The one window: folder browser, delete method, deletion list, progress bars and toolbar, over
// the controller that holds the list and the run.
class frmMain final : public QWidget {
    Q_OBJECT

public:
    static constexpr int ButtonCount = 6;
    static const QString ProductPage;

    frmMain(WipeController& controller, const WindowServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    // Adds the files that paths name, folders with everything below them; relative paths are
    // taken against base. What cannot be added is named in one box; returns how many.
    std::size_t addPaths(const std::vector<QByteArray>& paths, const QByteArray& base);
    // Paths the program was started with: the browser opens at the folder that holds the first,
    // and once the window shows, they are added.
    void startWith(const std::vector<QByteArray>& paths, const QByteArray& base);
    // Paths another start of the program handed over: added by the same rules, and said so.
    void takeHandedPaths(const std::vector<QByteArray>& paths);
    void comeToTheFront();
    // Puts what the person's trash cans hold in the list and asks, as Delete does.
    void shredTrash() {
        comeToTheFront();
        mnuDriveShredTrash->trigger();
    }
    // Adds what a drop names, when every address is a local file or folder; true if it did.
    bool addDroppedUrls(const QList<QUrl>& urls);
    static QString methodCaption(int passes, const QString& current);
    // A command of the drive box's menu, for the volume or folder shown, also taken from anywhere
    // in the window by its shortcut; enabled, as the menu opens, when available says so. Features
    // that act on a volume add themselves here.
    void addDriveCommand(QAction* command, std::function<bool()> available);

    // Event procedures.
    void Form_Load();
    bool Form_Unload();
    void drvDrive_Change();
    void dirPath_Change();
    void filFiles_DblClick();
    void filFiles_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, const QPoint& at);
    void mnuPopUpAdd_Click();
    void sliDelete_Change();
    void tlbMain_ButtonClick(QAction* button);

signals:
    // The window has been closed: the program ends.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildWindow();
    void buildToolbar();
    void buildBrowser();
    void buildDeleteMethod();
    void buildDeletionList();
    void buildProgress();
    void buildFigures();
    void setFocusOrder();
    void connectEvents();
    void connectController();

    void infoCommand();
    void exitCommand();
    void showAddress();
    void showRefused(const std::vector<RefusedFile>& refused);
    bool sayHeld(int heldBefore);
    // What a hand-over or a drop added, in the status line.
    void sayAdded(int listedBefore, int heldBefore, std::size_t refused);
    void openMenuFromKeyboard();
    void nameForScreenReaders();
    QAction* toolbarButton(ToolbarButton button) const;

    WipeController& mController;
    WindowServices mServices;

    QToolBar* tlbMain = nullptr;
    std::array<QAction*, ButtonCount> mButtons{};
    ProgressPane* mProgress = nullptr;
    DeletionListPane* fraToDelete = nullptr;
    QGroupBox* fraDelete = nullptr;
    QSlider* sliDelete = nullptr;
    QLabel* lblStatus = nullptr;
    BrowserPane* fraPath = nullptr;
    // The figures beside the bars' captions, the pass count beside the method, and the status
    // line in the toolbar's free end.
    QLabel* lblPasses = nullptr;
    StatusLine* lblRunStatus = nullptr;
    RunCommands* mRunCommands = nullptr;
    QMenu* mnuDrive = nullptr;
    QAction* mnuDriveWipeFree = nullptr;
    QAction* mnuDriveShredTrash = nullptr;
    std::vector<std::pair<QAction*, std::function<bool()>>> mDriveCommands;
};

} // namespace wypelark
