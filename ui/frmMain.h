#pragma once

#include "browse/DirectoryAccess.h"
#include "engine/WaitingFileOperations.h"
#include "engine/WipeHost.h"
#include "engine/WipeReport.h"
#include "engine/WipeRun.h"
#include "list/DeletionListModel.h"
#include "list/PathScan.h"
#include "ui/EventLoopWaiter.h"

#include <QElapsedTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <system_error>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QSlider;
class QToolBar;
class QTreeView;

namespace wypelark {

class DirectoryAccess;
class FileListBox;
class FileOperations;
class FloatProgressBar;
class FolderListBox;
class MessageBoxes;
class MountWatcher;
class RegistryFile;
class UrlOpener;

// What the window works on: the disk, the folders, the settings store, the message boxes and
// the browser. The application passes the real ones; tests pass fakes.
struct WindowServices {
    FileOperations& files;
    const DirectoryAccess& directories;
    RegistryFile& settings;
    MessageBoxes& messages;
    UrlOpener& urls;
};

// The one window: folder browser, delete method, deletion list, progress bars and toolbar.
// It is the overwrite run's host.
class frmMain final : public QWidget, private WipeHost {
    Q_OBJECT

public:
    static constexpr int ButtonCount = 6;
    static const QString SettingsKey;
    static const QString ProductPage;

    explicit frmMain(const WindowServices& services, QWidget* parent = nullptr);
    ~frmMain() override;

    void WipeFiles();
    // Adds the files that paths name, folders with everything below them; relative paths are
    // taken against base. What cannot be added is named in one box.
    void addPaths(const std::vector<QByteArray>& paths, const QByteArray& base);
    // Adds what a drop names, when every address is a local file or folder; true if it did.
    bool addDroppedUrls(const QList<QUrl>& urls);
    WipeRun& run() { return mRun; }
    DeletionListModel& deletionList() { return mList; }
    QAction* toolbarButton(int index) const;
    QAction* toolbarButton(ToolbarButton button) const {
        return toolbarButton(static_cast<int>(button));
    }
    static QString methodCaption(int passes, const QString& current);
    // The first line of the end-of-run message: how many files were not destroyed, of how many.
    static QString reportSummary(const WipeReport& report);

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
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildWindow();
    void buildToolbar();
    void buildBrowser();
    void buildDeleteMethod();
    void buildDeletionList();
    void buildProgress();
    void setFocusOrder();
    void connectEvents();
    void openStartFolder();
    void fillDrives(const std::vector<Volume>& volumes, const QByteArray& selected);
    void refreshDrives();

    void deleteCommand(QAction* button);
    void pauseCommand(QAction* button);
    void infoCommand();
    void exitCommand();
    void showPendingReport();
    void removeEmptiedFolders();
    bool confirmFreshRun();
    bool confirmCloseWhilePaused();
    bool listEditable() const;
    ListedPaths listedPaths() const;
    void removeSelectedFromList();
    void forgetFoldersAbove(const QSet<QByteArray>& paths);
    void showListMenu(const QPoint& at);
    void nameForScreenReaders();
    void showFolderError(const QByteArray& folder, std::error_code error);

    QString RegGetString(std::uint32_t hive, const QString& subKey, const QString& valueName,
                         const QString& defaultValue = QString());
    void RegSaveString(std::uint32_t hive, const QString& subKey, const QString& valueName,
                       const QString& value);

    FloatProgressBar* bar(ProgressBar which) const;

    // WipeHost
    int itemCount() const override;
    std::string itemPath(int index) const override;
    FileIdentity itemIdentity(int index) const override;
    void removeDestroyedItems(const std::vector<int>& undestroyed) override;
    int passCount() const override;
    void setBarMinimum(ProgressBar which, float minimum) override;
    void setBarMaximum(ProgressBar which, float maximum) override;
    void setBarValue(ProgressBar which, float value) override;
    float barMaximum(ProgressBar which) const override;
    float barValue(ProgressBar which) const override;
    void setToolbarButtonEnabled(ToolbarButton button, bool enabled) override;
    void refreshFileList() override;
    void yieldToEvents() override;
    void reportRunEnd(const WipeReport& report) override;

    WindowServices mServices;
    DeletionListModel mList;
    // The run's calls that wait on the device, and the settings saves, are made away from the
    // window's thread; the run itself stays here.
    EventLoopWaiter mWaiter;
    WaitingFileOperations mFiles{mServices.files, mWaiter};
    WipeRun mRun;
    WipeReport mPendingReport;
    std::vector<FoundFolder> mAddedFolders; // folders added as folders, parents first
    QStringList mKeptFolders;               // emptied folders that could not be removed
    QElapsedTimer mSinceYield;
    int mChosenDrive = -1;
    bool mInDeleteCommand = false;
    bool mCloseWhenStopped = false; // a close came while a paused run had not stopped yet
    static constexpr qint64 YieldIntervalNs = 1'000'000;

    QToolBar* tlbMain = nullptr;
    std::array<QAction*, ButtonCount> mButtons{};
    FloatProgressBar* prgOverall = nullptr;
    FloatProgressBar* prgCurrent = nullptr;
    QGroupBox* fraToDelete = nullptr;
    QTreeView* lvwList = nullptr;
    QGroupBox* fraDelete = nullptr;
    QSlider* sliDelete = nullptr;
    QLabel* lblStatus = nullptr;
    QGroupBox* fraPath = nullptr;
    FileListBox* filFiles = nullptr;
    FolderListBox* dirPath = nullptr;
    QComboBox* drvDrive = nullptr;
    QLabel* lblOverall = nullptr;
    QLabel* lblCurrent = nullptr;
    QMenu* mnuPopUp = nullptr;
    QAction* mnuPopUpAdd = nullptr;
    MountWatcher* mMounts = nullptr;
    QMenu* mnuList = nullptr;
    QAction* mnuListRemove = nullptr;
    QAction* mnuListClear = nullptr;
};

} // namespace wypelark
