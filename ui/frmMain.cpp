#include "ui/frmMain.h"

#include "browse/DirectoryAccess.h"
#include "browse/MountWatcher.h"
#include "browse/PosixDirectoryAccess.h"
#include "list/AddSelectedFiles.h"
#include "list/PathScan.h"
#include "list/SizeText.h"
#include "settings/PassCountText.h"
#include "settings/RegistryFile.h"
#include "settings/RegistryStrings.h"
#include "ui/FileListBox.h"
#include "ui/FloatProgressBar.h"
#include "ui/FolderListBox.h"
#include "ui/MessageBoxes.h"
#include "ui/UrlOpener.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QScopedValueRollback>
#include <QSet>
#include <QShortcut>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <vector>

namespace wypelark {

const QString frmMain::SettingsKey = QStringLiteral("Software\\Wipelark");
const QString frmMain::ProductPage = QStringLiteral("https://www.example.com/corvane/Wypelark");

namespace {

constexpr int ClientWidth = 565;
constexpr int ClientHeight = 517;
constexpr int PassesMinimum = 1;
constexpr int PassesMaximum = 20;

QLabel* centredLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

frmMain::frmMain(const WindowServices& services, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mServices(services), mRun(*this, mFiles) {
    buildWindow();
    connectEvents();
    openStartFolder();
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::buildWindow() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Wypelark"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/wypelark.svg")));
    setFixedSize(ClientWidth, ClientHeight);
    setAcceptDrops(true);
    // Children in the order the window holds them.
    buildToolbar();
    buildProgress();
    buildDeletionList();
    buildDeleteMethod();
    buildBrowser();
    lblOverall = named(centredLabel(QStringLiteral("Overall Progress"), this), "lblOverall");
    lblOverall->setGeometry(6, 486, 553, 13);
    lblCurrent = named(centredLabel(QStringLiteral("Current File Progress"), this), "lblCurrent");
    lblCurrent->setGeometry(6, 450, 553, 13);
    mMounts = new MountWatcher(this);
    mnuPopUp = named(new QMenu(QStringLiteral("PopUp"), this), "mnuPopUp");
    mnuPopUpAdd = named(mnuPopUp->addAction(QStringLiteral("Add Selected Files")), "mnuPopUpAdd");
    setFocusOrder();
    nameForScreenReaders();
}

void frmMain::buildToolbar() {
    tlbMain = named(new QToolBar(this), "tlbMain");
    tlbMain->setGeometry(0, 0, ClientWidth, 38);
    tlbMain->setMovable(false);
    tlbMain->setFloatable(false);
    tlbMain->setIconSize(QSize(16, 16));
    tlbMain->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    tlbMain->setContentsMargins(0, 0, 0, 0);
    const auto button = [this](const char* icon, const QString& caption, const QString& tip) {
        QAction* action = tlbMain->addAction(QIcon(QLatin1String(icon)), caption);
        action->setToolTip(tip);
        return action;
    };
    mButtons = {
        button(":/icons/wypelark.svg", QStringLiteral("Delete"),
               QStringLiteral("Destroy the listed files, or go on with a paused run")),
        button(":/icons/pause.svg", QStringLiteral("Pause"),
               QStringLiteral("Stop the run after its next write")),
        tlbMain->addSeparator(),
        button(":/icons/info.svg", QStringLiteral("Info"),
               QStringLiteral("Open Wypelark's web page")),
        tlbMain->addSeparator(),
        button(":/icons/exit.svg", QStringLiteral("Exit"), QStringLiteral("Close Wypelark"))};
    // Every button as wide as the widest caption needs.
    std::vector<QWidget*> buttons;
    int width = 38;
    for (QAction* action : mButtons) {
        if (QWidget* widget = tlbMain->widgetForAction(action); widget && !action->isSeparator()) {
            buttons.push_back(widget);
            width = std::max(width, widget->sizeHint().width());
        }
    }
    for (QWidget* widget : buttons) {
        widget->setFixedSize(width, 36);
        widget->setFocusPolicy(Qt::NoFocus);
    }
    // The toolbar is reached by its shortcuts, which the tooltips name.
    const std::pair<ToolbarButton, QKeySequence> shortcuts[] = {
        {ToolbarButton::Delete, QKeySequence(Qt::CTRL | Qt::Key_D)},
        {ToolbarButton::Pause, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {ToolbarButton::Info, QKeySequence(QKeySequence::HelpContents)},
        {ToolbarButton::Exit, QKeySequence(QKeySequence::Quit)}};
    for (const auto& [button, keys] : shortcuts) {
        QAction* action = toolbarButton(button);
        action->setShortcut(keys);
        // The program's one window: its keys work whether or not a window manager made it the
        // active window (a tool window is not always made so).
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(action->toolTip(),
                                                         keys.toString(QKeySequence::NativeText)));
        tlbMain->widgetForAction(action)->setAccessibleName(action->text());
    }
}

void frmMain::buildProgress() {
    prgOverall = named(new FloatProgressBar(this), "prgOverall");
    prgOverall->setGeometry(3, 504, 559, 10);
    prgCurrent = named(new FloatProgressBar(this), "prgCurrent");
    prgCurrent->setGeometry(3, 468, 559, 13);
}

void frmMain::buildDeletionList() {
    fraToDelete = named(new QGroupBox(QStringLiteral("Files to Delete"), this), "fraToDelete");
    fraToDelete->setGeometry(3, 243, 559, 202);
    lvwList = named(new QTreeView(fraToDelete), "lvwList");
    lvwList->setGeometry(6, 18, 547, 178);
    lvwList->setModel(&mList);
    lvwList->setRootIsDecorated(false);
    lvwList->setItemsExpandable(false);
    lvwList->setUniformRowHeights(true);
    lvwList->setSortingEnabled(false);
    lvwList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvwList->header()->setStretchLastSection(false);
    lvwList->header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lvwList->setColumnWidth(DeletionListModel::File, 445);
    lvwList->setColumnWidth(DeletionListModel::Size, 96);
    lvwList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvwList->setContextMenuPolicy(Qt::CustomContextMenu);
    mnuList = named(new QMenu(QStringLiteral("List"), this), "mnuList");
    mnuListRemove = named(mnuList->addAction(QStringLiteral("Remove from List")), "mnuListRemove");
    // The Delete key itself: the standard Delete binding also holds Ctrl+D on X11, the toolbar's.
    mnuListRemove->setShortcut(QKeySequence(Qt::Key_Delete));
    mnuListClear = named(mnuList->addAction(QStringLiteral("Clear List")), "mnuListClear");
    // The Delete key removes the selected rows while the list has the focus.
    auto* removeKey = new QShortcut(QKeySequence(Qt::Key_Delete), lvwList);
    removeKey->setContext(Qt::WidgetShortcut);
    connect(removeKey, &QShortcut::activated, this, &frmMain::removeSelectedFromList);
}

void frmMain::buildDeleteMethod() {
    fraDelete = named(new QGroupBox(QStringLiteral("Delete Method"), this), "fraDelete");
    fraDelete->setGeometry(3, 180, 559, 61);
    sliDelete = named(new QSlider(Qt::Horizontal, fraDelete), "sliDelete");
    sliDelete->setGeometry(6, 36, 541, 19);
    sliDelete->setRange(PassesMinimum, PassesMaximum);
    sliDelete->setSingleStep(1);
    sliDelete->setPageStep(5);
    sliDelete->setTickInterval(1);
    sliDelete->setTickPosition(QSlider::NoTicks);
    sliDelete->setValue(PassesMinimum);
    lblStatus = named(centredLabel(QString(), fraDelete), "lblStatus");
    lblStatus->setGeometry(15, 15, 526, 16);
}

void frmMain::buildBrowser() {
    fraPath =
        named(new QGroupBox(QStringLiteral("Select Files and Folders to Delete"), this), "fraPath");
    fraPath->setGeometry(3, 42, 559, 136);
    filFiles = named(new FileListBox(mServices.directories, fraPath), "filFiles");
    filFiles->setGeometry(279, 42, 274, 84);
    dirPath = named(new FolderListBox(mServices.directories, fraPath), "dirPath");
    dirPath->setGeometry(9, 45, 268, 81);
    drvDrive = named(new QComboBox(fraPath), "drvDrive");
    drvDrive->setGeometry(9, 18, 169, 21);
}

// What a screen reader calls the controls that show no caption of their own.
void frmMain::nameForScreenReaders() {
    prgCurrent->setAccessibleName(lblCurrent->text());
    prgOverall->setAccessibleName(lblOverall->text());
    lvwList->setAccessibleName(fraToDelete->title());
    dirPath->setAccessibleName(QStringLiteral("Folders"));
    filFiles->setAccessibleName(QStringLiteral("Files"));
    drvDrive->setAccessibleName(QStringLiteral("Drives"));
    drvDrive->view()->setAccessibleName(QStringLiteral("Drives"));
    sliDelete->setAccessibleName(QStringLiteral("Passes"));
    if (auto* more = tlbMain->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(QStringLiteral("More"));
}

void frmMain::setFocusOrder() {
    for (QWidget* passive : std::initializer_list<QWidget*>{tlbMain, prgOverall, prgCurrent,
                                                            lblOverall, lblCurrent, lblStatus})
        passive->setFocusPolicy(Qt::NoFocus);
    QWidget::setTabOrder(drvDrive, dirPath);
    QWidget::setTabOrder(dirPath, filFiles);
    QWidget::setTabOrder(filFiles, sliDelete);
    QWidget::setTabOrder(sliDelete, lvwList);
}

void frmMain::connectEvents() {
    connect(mMounts, &MountWatcher::mountsChanged, this, &frmMain::refreshDrives);
    connect(drvDrive, &QComboBox::activated, this, [this](int index) {
        // Choosing the drive that is already chosen is no change.
        if (index == mChosenDrive)
            return;
        mChosenDrive = index;
        drvDrive_Change();
    });
    connect(dirPath, &FolderListBox::pathChanged, this, &frmMain::dirPath_Change);
    connect(dirPath, &FolderListBox::openFailed, this, &frmMain::showFolderError);
    connect(filFiles, &FileListBox::doubleClicked, this, &frmMain::filFiles_DblClick);
    connect(filFiles, &FileListBox::mouseDown, this, &frmMain::filFiles_MouseDown);
    connect(mnuPopUpAdd, &QAction::triggered, this, &frmMain::mnuPopUpAdd_Click);
    connect(filFiles, &FileListBox::addRequested, this, &frmMain::mnuPopUpAdd_Click);
    connect(filFiles, &FileListBox::menuRequested, this,
            [this](const QPoint& at) { mnuPopUp->popup(filFiles->viewport()->mapToGlobal(at)); });
    connect(lvwList, &QWidget::customContextMenuRequested, this, &frmMain::showListMenu);
    connect(mnuListRemove, &QAction::triggered, this, &frmMain::removeSelectedFromList);
    connect(mnuListClear, &QAction::triggered, this, [this] {
        if (!listEditable())
            return;
        // Nothing of a folder added before is to be destroyed any more: no run removes it.
        mList.clear();
        mAddedFolders.clear();
    });
    connect(sliDelete, &QSlider::valueChanged, this, &frmMain::sliDelete_Change);
    connect(tlbMain, &QToolBar::actionTriggered, this, &frmMain::tlbMain_ButtonClick);
}

// The browser opens on the volume and the folder the program was started in.
void frmMain::openStartFolder() {
    const std::vector<Volume> volumes = mServices.directories.volumes();
    const QByteArray start = normalizedFolder(mServices.directories.currentFolder());
    fillDrives(volumes, volumeHolding(volumes, start));
    if (dirPath->setPath(start))
        dirPath->setPath("/");
}

void frmMain::fillDrives(const std::vector<Volume>& volumes, const QByteArray& selected) {
    const QSignalBlocker quiet(drvDrive);
    drvDrive->clear();
    for (const Volume& volume : volumes) {
        const QString shown =
            volume.label.isEmpty() || volume.label == QFile::decodeName(volume.mountPoint)
                ? QFile::decodeName(volume.mountPoint)
                : QStringLiteral("%1  [%2]")
                      .arg(QFile::decodeName(volume.mountPoint), volume.label);
        drvDrive->addItem(shown, volume.mountPoint);
    }
    drvDrive->setCurrentIndex(drvDrive->findData(selected));
    mChosenDrive = drvDrive->currentIndex();
}

// A volume was mounted or unmounted: the drive box follows, keeping its choice while it exists.
void frmMain::refreshDrives() {
    const std::vector<Volume> volumes = mServices.directories.volumes();
    QByteArray selected = drvDrive->currentData().toByteArray();
    const bool stillThere = std::any_of(volumes.begin(), volumes.end(),
                                        [&](const Volume& v) { return v.mountPoint == selected; });
    if (!stillThere)
        selected = volumeHolding(volumes, dirPath->path());
    fillDrives(volumes, selected);
}

QAction* frmMain::toolbarButton(int index) const {
    return mButtons.at(static_cast<std::size_t>(index - 1));
}

// --- Folder browser ---------------------------------------------------------------------------

void frmMain::drvDrive_Change() {
    for (;;) {
        const QByteArray designation = drvDrive->currentData().toByteArray();
        // A volume unmounted meanwhile is not ready, whether or not its folder is still there.
        const std::vector<Volume> volumes = mServices.directories.volumes();
        const bool mounted = std::any_of(volumes.begin(), volumes.end(), [&](const Volume& v) {
            return v.mountPoint == designation;
        });
        const std::error_code error = mounted ? dirPath->setPath(designation)
                                              : std::make_error_code(std::errc::no_such_device);
        if (!error)
            return;
        const QString description = QString::fromStdString(error.message());
        if (!isDeviceNotReady(error)) {
            mServices.messages.information(this, QStringLiteral("Error"), description);
            return;
        }
        if (!mServices.messages.retryCancel(this, QStringLiteral("Drive not ready"), description))
            return;
    }
}

void frmMain::dirPath_Change() {
    const QByteArray previous = filFiles->folder();
    const std::error_code error = filFiles->setFolder(dirPath->path());
    if (!error)
        return;
    // The folder could be opened but not its files: both lists stay where they were.
    const QSignalBlocker quiet(dirPath);
    if (!previous.isEmpty())
        dirPath->setPath(previous);
    showFolderError(dirPath->path(), error);
}

void frmMain::showFolderError(const QByteArray&, std::error_code error) {
    mServices.messages.information(this, QStringLiteral("Error"),
                                   QString::fromStdString(error.message()));
}

void frmMain::filFiles_DblClick() {
    mnuPopUpAdd_Click();
}

void frmMain::filFiles_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint& at) {
    if (button == Qt::RightButton)
        mnuPopUp->popup(filFiles->viewport()->mapToGlobal(at));
}

void frmMain::mnuPopUpAdd_Click() {
    const std::vector<RefusedFile> refused =
        AddSelectedFiles(dirPath->path(), filFiles->entries(), mList, listedPaths());
    if (!refused.empty())
        mServices.messages.information(this, QStringLiteral("Wypelark"), refusedFilesText(refused));
}

// --- Delete method ----------------------------------------------------------------------------

QString frmMain::methodCaption(int passes, const QString& current) {
    if (passes == 1)
        return QStringLiteral("Quick delete (Not very safe)");
    if (passes < 10 && passes > 1)
        return QStringLiteral("Might delete (Somewhat safe)");
    if (passes < 20 && passes > 9)
        return QStringLiteral("Military delete (Safe)");
    if (passes > 19)
        return QStringLiteral("Secure delete (No recovery)");
    return current;
}

void frmMain::Form_Load() {
    const QString stored =
        RegGetString(RegistryFile::CurrentUser, SettingsKey, QStringLiteral("Overwrite"));
    const int restored = parsePassCount(stored);
    if (sliDelete->value() == std::clamp(restored, PassesMinimum, PassesMaximum))
        sliDelete_Change(); // the label names the method even when the position stays
    sliDelete->setValue(restored);
}

void frmMain::sliDelete_Change() {
    const int passes = sliDelete->value();
    lblStatus->setText(methodCaption(passes, lblStatus->text()));
    RegSaveString(RegistryFile::CurrentUser, SettingsKey, QStringLiteral("OverWrite"),
                  formatPassCount(passes));
}

QString frmMain::RegGetString(std::uint32_t hive, const QString& subKey, const QString& valueName,
                              const QString& defaultValue) {
    return wypelark::RegGetString(mServices.settings, hive, subKey, valueName, defaultValue);
}

void frmMain::RegSaveString(std::uint32_t hive, const QString& subKey, const QString& valueName,
                            const QString& value) {
    // The save syncs the settings file, which can wait for a run's dirty data on the same disk.
    mWaiter.wait(
        [&] { wypelark::RegSaveString(mServices.settings, hive, subKey, valueName, value); });
}

// --- Toolbar commands -------------------------------------------------------------------------

void frmMain::tlbMain_ButtonClick(QAction* button) {
    // The button is recognised as itself; separators and anything else do nothing.
    const auto place = std::find(mButtons.begin(), mButtons.end(), button);
    if (place == mButtons.end())
        return;
    switch (static_cast<ToolbarButton>(place - mButtons.begin() + 1)) {
    case ToolbarButton::Delete:
        deleteCommand(button);
        break;
    case ToolbarButton::Pause:
        pauseCommand(button);
        break;
    case ToolbarButton::Info:
        infoCommand();
        break;
    case ToolbarButton::Exit:
        exitCommand();
        break;
    }
}

void frmMain::deleteCommand(QAction* button) {
    // Pause enables Delete before the run has seen the request; the run is not entered twice,
    // nor a second command started while the first still removes emptied folders.
    if (mRun.active() || mInDeleteCommand)
        return;
    const bool removesSomething = mList.count() > 0 || !mAddedFolders.empty();
    if (!mRun.resumePending() && removesSomething && !confirmFreshRun())
        return;
    const QScopedValueRollback commandUnderWay(mInDeleteCommand, true);
    button->setEnabled(false);
    setToolbarButtonEnabled(ToolbarButton::Pause, true);
    setToolbarButtonEnabled(ToolbarButton::Exit, false);
    mRun.setStopRequested(false);
    WipeFiles();
    if (!mRun.resumePending())
        removeEmptiedFolders();
    button->setEnabled(true);
    setToolbarButtonEnabled(ToolbarButton::Exit, true);
    showPendingReport();
    if (std::exchange(mCloseWhenStopped, false))
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

bool frmMain::confirmFreshRun() {
    const QLocale locale;
    const int files = mList.count();
    const int passes = sliDelete->value();
    const auto folders = static_cast<qlonglong>(mAddedFolders.size());
    const QString folderCount = QStringLiteral("%1 %2").arg(
        locale.toString(folders),
        folders == 1 ? QStringLiteral("folder") : QStringLiteral("folders"));
    QString question;
    if (files == 0) {
        question = QStringLiteral("Remove the %1 added as folders, where they are empty? This "
                                  "cannot be undone.")
                       .arg(folderCount);
    } else {
        question = QStringLiteral("Destroy %1 %2 (%3) with %4 %5? This cannot be undone.")
                       .arg(locale.toString(files),
                            files == 1 ? QStringLiteral("file") : QStringLiteral("files"),
                            megabyteText(mList.totalSize(), locale), locale.toString(passes),
                            passes == 1 ? QStringLiteral("pass") : QStringLiteral("passes"));
        if (folders > 0)
            question += QStringLiteral(" The %1 added as folders are removed afterwards where "
                                       "the run leaves them empty.")
                            .arg(folderCount);
    }
    return mServices.messages.confirm(this, QStringLiteral("Wypelark"), question,
                                      QStringLiteral("Destroy"));
}

// The list changes only while no run is under way: a run walks it by position, and the Delete
// command then removes the folders that were added, until it has returned.
bool frmMain::listEditable() const {
    return !mRun.active() && !mRun.resumePending() && !mInDeleteCommand;
}

// A path listed again takes the file now there, but not under a run: the run holds the items it
// has reached to the files they meant.
ListedPaths frmMain::listedPaths() const {
    return listEditable() ? ListedPaths::TakeAgain : ListedPaths::Skip;
}

void frmMain::removeSelectedFromList() {
    if (!listEditable())
        return;
    std::vector<int> positions;
    QSet<QByteArray> removed;
    for (const QModelIndex& row : lvwList->selectionModel()->selectedRows()) {
        positions.push_back(row.row() + 1);
        removed.insert(mList.path(row.row() + 1));
    }
    mList.remove(positions);
    forgetFoldersAbove(removed);
}

// A file taken off the list takes the folders it was added with along: no later run removes them
// or what they hold.
void frmMain::forgetFoldersAbove(const QSet<QByteArray>& paths) {
    QSet<QByteArray> forgotten;
    for (const QByteArray& path : paths) {
        for (qsizetype slash = path.lastIndexOf('/'); slash > 0;
             slash = path.lastIndexOf('/', slash - 1))
            forgotten.insert(path.left(slash));
    }
    std::erase_if(mAddedFolders,
                  [&](const FoundFolder& folder) { return forgotten.contains(folder.path); });
}

void frmMain::showListMenu(const QPoint& at) {
    const bool editable = listEditable();
    mnuListRemove->setEnabled(editable && lvwList->selectionModel()->hasSelection());
    mnuListClear->setEnabled(editable && mList.count() > 0);
    mnuList->popup(lvwList->viewport()->mapToGlobal(at));
}

void frmMain::pauseCommand(QAction* button) {
    setToolbarButtonEnabled(ToolbarButton::Exit, true);
    button->setEnabled(false);
    setToolbarButtonEnabled(ToolbarButton::Delete, true);
    mRun.setStopRequested(true);
}

void frmMain::infoCommand() {
    mServices.urls.open(QUrl(ProductPage));
}

void frmMain::exitCommand() {
    close();
}

bool frmMain::confirmCloseWhilePaused() {
    if (!mRun.resumePending())
        return true;
    const QString file = mList.shownPath(mRun.fileIndex());
    return mServices.messages.confirm(
        this, QStringLiteral("Wypelark"),
        QStringLiteral(
            "The run is paused. %1 is partly overwritten and still exists, and the files "
            "after it are untouched. Close all the same?")
            .arg(file),
        QStringLiteral("Close"));
}

bool frmMain::Form_Unload() {
    // While the window waits on the device, the call that waits is still under way beneath the
    // handler that would close it.
    const bool cancel = !toolbarButton(ToolbarButton::Exit)->isEnabled() || mWaiter.waiting();
    return cancel;
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (Form_Unload()) {
        event->ignore();
        return;
    }
    // Pause was pressed, but the run beneath this handler has not stopped yet: the close waits
    // for it, and then asks as for any paused run.
    if (mRun.active()) {
        mCloseWhenStopped = true;
        event->ignore();
        return;
    }
    if (!confirmCloseWhilePaused()) {
        event->ignore();
        return;
    }
    event->accept();
    // A paused run ends with the window: what it could not do before the Pause is said now.
    if (mRun.resumePending()) {
        reportRunEnd(mRun.takeStoppedReport());
        showPendingReport();
    }
    emit unloaded();
}

void frmMain::WipeFiles() {
    mRun.WipeFiles();
}

QString frmMain::reportSummary(const WipeReport& report) {
    const QLocale locale;
    const int remarked = report.remarkedFileCount();
    QString summary;
    if (!report.failures.empty()) {
        summary = QStringLiteral("%1 of %2 files could not be destroyed.")
                      .arg(locale.toString(static_cast<qlonglong>(report.failures.size())),
                           locale.toString(report.fileCount));
        if (remarked > 0)
            summary += QStringLiteral(" For %1 destroyed files the overwrite may not have "
                                      "reached every old copy.")
                           .arg(locale.toString(remarked));
    } else if (remarked > 0) {
        summary = QStringLiteral("All %1 files were destroyed, but for %2 of them the overwrite "
                                 "may not have reached every old copy.")
                      .arg(locale.toString(report.fileCount), locale.toString(remarked));
    } else {
        summary =
            QStringLiteral("All %1 files were destroyed.").arg(locale.toString(report.fileCount));
    }
    if (!report.leftovers.empty())
        summary += QStringLiteral(" %1 files left behind by an interrupted run were found.")
                       .arg(locale.toString(static_cast<qlonglong>(report.leftovers.size())));
    return summary;
}

void frmMain::showPendingReport() {
    if (mPendingReport.empty() && mKeptFolders.isEmpty())
        return;
    const WipeReport report = std::exchange(mPendingReport, {});
    const QStringList kept = std::exchange(mKeptFolders, {});
    QString summary = report.empty() ? QString() : reportSummary(report);
    QString details = QString::fromStdString(report.text());
    if (!kept.isEmpty()) {
        summary += QStringLiteral(" %1 of the folders added were not removed.")
                       .arg(QLocale().toString(static_cast<qlonglong>(kept.size())));
        details += QStringLiteral("\nThese folders were added as folders and were kept:\n\n") +
                   kept.join(QLatin1Char('\n')) + QLatin1Char('\n');
    }
    mServices.messages.report(this, !report.failures.empty(), QStringLiteral("Wypelark"),
                              summary.trimmed(), details.trimmed());
}

// After a run that went to its end, the folders that were added as folders and that the run left
// empty go, deepest first; a folder that still holds anything stays and is named.
void frmMain::removeEmptiedFolders() {
    // The worker reads a copy of its own: folders dropped meanwhile are added to the window's.
    const std::vector<FoundFolder> folders = mAddedFolders;
    std::vector<KeptFolder> kept;
    mWaiter.wait([&] { kept = wypelark::removeEmptiedFolders(mServices.files, folders); });
    QSet<QByteArray> gone;
    for (const FoundFolder& folder : folders)
        gone.insert(folder.path);
    for (const KeptFolder& folder : kept)
        gone.remove(folder.path);
    std::erase_if(mAddedFolders,
                  [&](const FoundFolder& folder) { return gone.contains(folder.path); });
    for (const KeptFolder& folder : kept) {
        mKeptFolders.append(
            QStringLiteral("%1\n    %2")
                .arg(QString::fromStdString(printablePath(folder.path.toStdString())),
                     QString::fromStdString(keptFolderReason(folder))));
    }
}

void frmMain::addPaths(const std::vector<QByteArray>& paths, const QByteArray& base) {
    PathScan scan;
    mWaiter.wait([&] { scan = scanPaths(paths, base); });
    mList.appendNew(scan.files, listedPaths());
    QSet<QByteArray> known;
    for (const FoundFolder& folder : mAddedFolders)
        known.insert(folder.path);
    for (const FoundFolder& folder : scan.folders) {
        if (!known.contains(folder.path))
            mAddedFolders.push_back(folder);
    }
    if (!scan.refused.empty())
        mServices.messages.information(this, QStringLiteral("Wypelark"),
                                       refusedFilesText(scan.refused));
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    if (addDroppedUrls(event->mimeData()->urls()))
        event->acceptProposedAction();
}

// Files and folders dropped from a file manager come as file:// addresses whose escaped bytes
// are the names' own bytes. Anything else changes nothing.
bool frmMain::addDroppedUrls(const QList<QUrl>& urls) {
    const bool allLocal =
        !urls.isEmpty() && std::all_of(urls.begin(), urls.end(), [](const QUrl& url) {
            return url.isLocalFile() && url.host().isEmpty();
        });
    if (!allLocal) {
        mServices.messages.information(
            this, QStringLiteral("Wypelark"),
            QStringLiteral("Only files and folders of this computer can be dropped here."));
        return false;
    }
    std::vector<QByteArray> paths;
    for (const QUrl& url : urls)
        paths.push_back(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
    addPaths(paths, "/");
    return true;
}

// --- The run's host ---------------------------------------------------------------------------

FloatProgressBar* frmMain::bar(ProgressBar which) const {
    return which == ProgressBar::Overall ? prgOverall : prgCurrent;
}

int frmMain::itemCount() const {
    return mList.count();
}

std::string frmMain::itemPath(int index) const {
    return mList.path(index).toStdString();
}

FileIdentity frmMain::itemIdentity(int index) const {
    return mList.identity(index);
}

void frmMain::removeDestroyedItems(const std::vector<int>& undestroyed) {
    mList.keepOnly(undestroyed);
}

int frmMain::passCount() const {
    return sliDelete->value();
}

void frmMain::setBarMinimum(ProgressBar which, float minimum) {
    bar(which)->setMinimumF(minimum);
}

void frmMain::setBarMaximum(ProgressBar which, float maximum) {
    bar(which)->setMaximumF(maximum);
}

void frmMain::setBarValue(ProgressBar which, float value) {
    bar(which)->setValueF(value);
}

float frmMain::barMaximum(ProgressBar which) const {
    return bar(which)->maximumF();
}

float frmMain::barValue(ProgressBar which) const {
    return bar(which)->valueF();
}

void frmMain::setToolbarButtonEnabled(ToolbarButton button, bool enabled) {
    toolbarButton(button)->setEnabled(enabled);
}

void frmMain::refreshFileList() {
    // A folder that vanished meanwhile keeps its last listing.
    filFiles->refresh();
}

void frmMain::yieldToEvents() {
    // A 50,000-byte write usually takes tens of microseconds; handling events after every one
    // would cost more than the writes. Within a millisecond of the last pass through the event
    // loop nothing a person does can be waiting, so the window stays just as live.
    if (mSinceYield.isValid() && mSinceYield.nsecsElapsed() < YieldIntervalNs)
        return;
    QCoreApplication::processEvents();
    mSinceYield.start();
}

void frmMain::reportRunEnd(const WipeReport& report) {
    mPendingReport.failures.insert(mPendingReport.failures.end(), report.failures.begin(),
                                   report.failures.end());
    mPendingReport.remarks.insert(mPendingReport.remarks.end(), report.remarks.begin(),
                                  report.remarks.end());
    mPendingReport.leftovers.insert(mPendingReport.leftovers.end(), report.leftovers.begin(),
                                    report.leftovers.end());
    mPendingReport.fileCount = report.fileCount;
}

} // namespace wypelark
