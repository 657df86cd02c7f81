// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/BrowserPane.h"

#include "browse/DirectoryAccess.h"
#include "browse/PosixDirectoryAccess.h"
#include "ui/DriveBox.h"
#include "ui/FileListBox.h"
#include "ui/FolderListBox.h"
#include "ui/FolderWatch.h"
#include "ui/MessageBoxes.h"
#include "ui/WidgetMaking.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>

#include <optional>
#include <utility>
#include <vector>

namespace wypelark {
namespace {

constexpr int ReadingDelayMilliseconds = 300;
constexpr int NotAnsweringMilliseconds = 10000;

QTimer* singleShot(int milliseconds, QObject* parent) {
    auto* timer = new QTimer(parent);
    timer->setSingleShot(true);
    timer->setInterval(milliseconds);
    return timer;
}

} // namespace

BrowserPane::BrowserPane(const DirectoryAccess& directories, MessageBoxes& messages,
                         QWidget* parent)
    : QGroupBox(tr("Select Files and Folders to Delete"), parent), mMessages(messages),
      mShown(directories), mBrowsing(mShown, [this](bool reading) { showReading(reading); }) {
    setObjectName(QStringLiteral("fraPath"));
    filFiles = named(new FileListBox(mBrowsing, this), "filFiles");
    filFiles->setGeometry(279, 42, 274, 84);
    dirPath = named(new FolderListBox(mBrowsing, this), "dirPath");
    dirPath->setGeometry(9, 45, 268, 81);
    drvDrive = named(new DriveBox(
                         mBrowsing, [this] { return dirPath->path(); }, this),
                     "drvDrive");
    drvDrive->setGeometry(9, 18, 169, 21);
    drvDrive->setContextMenuPolicy(Qt::CustomContextMenu);
    mnuPopUp = named(new QMenu(QStringLiteral("PopUp"), this), "mnuPopUp");
    mnuPopUpAdd = named(mnuPopUp->addAction(tr("Add Selected Files")), "mnuPopUpAdd");
    dirPath->setAccessibleName(tr("Folders"));
    filFiles->setAccessibleName(tr("Files"));
    drvDrive->setAccessibleName(tr("Drives"));
    drvDrive->view()->setAccessibleName(tr("Drives"));
    QWidget::setTabOrder(drvDrive, dirPath);
    QWidget::setTabOrder(dirPath, filFiles);
    buildReadingNote();
    buildFolderMenu();
    connectEvents();
}

// The right button, the menu key or Shift+F10 on the folder list: the entry under the mouse, or
// the current entry, with every file below it.
void BrowserPane::buildFolderMenu() {
    dirPath->setContextMenuPolicy(Qt::CustomContextMenu);
    mnuFolders = named(new QMenu(QStringLiteral("Folders"), this), "mnuFolders");
    mnuFoldersAdd = named(mnuFolders->addAction(tr("Add Folder")), "mnuFoldersAdd");
    connect(dirPath, &QWidget::customContextMenuRequested, this, &BrowserPane::showFolderMenu);
    connect(mnuFoldersAdd, &QAction::triggered, this,
            [this] { emit folderAddRequested(mMenuFolder); });
}

void BrowserPane::showFolderMenu(const QPoint& at) {
    const QListWidgetItem* entry = dirPath->itemAt(at);
    if (!entry)
        entry = dirPath->currentItem();
    if (!entry)
        return;
    mMenuFolder = entry->data(FolderListBox::PathRole).toByteArray();
    mnuFolders->popup(dirPath->viewport()->mapToGlobal(at));
    mnuFolders->setActiveAction(mnuFoldersAdd);
}

BrowserPane::~BrowserPane() = default;

// Over the file list while a listing takes more than a moment; a folder that has not answered
// for a while is said to, in the list, not in a box.
void BrowserPane::buildReadingNote() {
    lblReading = named(new QLabel(filFiles->viewport()), "lblReading");
    lblReading->setAlignment(Qt::AlignCenter);
    lblReading->setWordWrap(true);
    lblReading->setAutoFillBackground(true);
    lblReading->hide();
    mReadingShown = singleShot(ReadingDelayMilliseconds, this);
    connect(mReadingShown, &QTimer::timeout, this, [this] { markReading(true); });
    mNotAnswering = singleShot(NotAnsweringMilliseconds, this);
    connect(mNotAnswering, &QTimer::timeout, this, [this] {
        lblReading->setText(
            tr("The folder does not answer. Another folder or drive can be chosen meanwhile."));
        placeReadingNote();
    });
}

void BrowserPane::connectEvents() {
    mFolderWatch = new FolderWatch(this);
    connect(mFolderWatch, &FolderWatch::changed, this, &BrowserPane::refreshShownFolder);
    // From the event loop, not inside the box's own handling of the choice: the listing may
    // take a while.
    connect(drvDrive, &DriveBox::driveChosen, this, &BrowserPane::drvDrive_Change,
            Qt::QueuedConnection);
    connect(dirPath, &FolderListBox::pathChanged, this, &BrowserPane::dirPath_Change);
    connect(dirPath, &FolderListBox::openFailed, this, &BrowserPane::showFolderError);
    connect(dirPath, &FolderListBox::filesArriving, this,
            [this](const QByteArray& folder, const QList<QByteArray>& names) {
                filFiles->showEarly(folder, names);
                placeReadingNote();
            });
    connect(dirPath, &FolderListBox::earlyFilesDropped, this, [this] {
        filFiles->dropEarly();
        placeReadingNote();
    });
    connect(filFiles, &FileListBox::doubleClicked, this, &BrowserPane::addRequested);
    connect(filFiles, &FileListBox::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint& at) {
                filFiles_MouseDown(button, at);
            });
    connect(mnuPopUpAdd, &QAction::triggered, this, &BrowserPane::addRequested);
    connect(filFiles, &FileListBox::addRequested, this, &BrowserPane::addRequested);
    connect(filFiles, &FileListBox::menuRequested, this, [this](const QPoint& at) {
        mnuPopUp->popup(filFiles->viewport()->mapToGlobal(at));
        mnuPopUp->setActiveAction(mnuPopUpAdd);
    });
    connect(drvDrive, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { emit driveMenuRequested(drvDrive->mapToGlobal(at)); });
}

void BrowserPane::openStartFolder() {
    const std::vector<Volume> volumes = mBrowsing.volumes();
    QList<QByteArray> candidates{mBrowsing.currentFolder(), "/"};
    if (mStartFolder)
        candidates.prepend(*mStartFolder);
    for (const QByteArray& candidate : candidates) {
        const QByteArray start = normalizedFolder(candidate);
        drvDrive->fill(volumeHolding(volumes, start));
        const std::error_code error = dirPath->setPath(start);
        if (!error || error == std::errc::operation_canceled)
            return;
    }
}

void BrowserPane::startIn(const QByteArray& folder) {
    mStartFolder = folder;
}

QByteArray BrowserPane::folder() const {
    return dirPath->path();
}

QList<QByteArray> BrowserPane::selectedNames() const {
    return filFiles->selectedNames();
}

void BrowserPane::refreshFiles() {
    filFiles->refresh();
}

void BrowserPane::refreshUnlessWatched() {
    if (!mFolderWatch->watching())
        refreshShownFolder();
}

void BrowserPane::drvDrive_Change() {
    for (;;) {
        // A volume unmounted meanwhile is not ready, whether or not its folder is still there.
        const std::error_code error = drvDrive->chosenMounted()
                                          ? dirPath->setPath(drvDrive->chosen())
                                          : std::make_error_code(std::errc::no_such_device);
        if (!error || error == std::errc::operation_canceled)
            return;
        const QString description = QString::fromStdString(error.message());
        if (!isDeviceNotReady(error)) {
            mMessages.information(window(), tr("Error"), description);
            return;
        }
        if (!mMessages.retryCancel(window(), tr("Drive not ready"), description))
            return;
    }
}

void BrowserPane::dirPath_Change() {
    const QByteArray previous = filFiles->folder();
    // The folder list's listing holds the files too: a million names are not read twice.
    if (std::optional<QList<QByteArray>> names = dirPath->takeFileNames()) {
        filFiles->showFolder(dirPath->path(), std::move(*names));
        mFolderWatch->watch(dirPath->path(), dirPath->listedChange());
        return;
    }
    const std::error_code error = filFiles->setFolder(dirPath->path());
    if (error == std::errc::operation_canceled)
        return;
    if (!error) {
        mFolderWatch->watch(dirPath->path(), 0);
        return;
    }
    // The folder could be opened but not its files: both lists stay where they were.
    const QSignalBlocker quiet(dirPath);
    if (!previous.isEmpty())
        dirPath->setPath(previous);
    showFolderError(dirPath->path(), error);
}

void BrowserPane::filFiles_MouseDown(Qt::MouseButton button, const QPoint& at) {
    if (button == Qt::RightButton)
        mnuPopUp->popup(filFiles->viewport()->mapToGlobal(at));
}

// Files and folders that others made or removed in the shown folder appear and go; a folder
// that went itself keeps its last listing.
void BrowserPane::refreshShownFolder() {
    // A listing that has not ended yet, perhaps on a mount that no longer answers, is not asked
    // for again on top.
    if (mListingPending)
        return;
    const QSignalBlocker quiet(dirPath);
    dirPath->setPath(dirPath->path());
    if (std::optional<QList<QByteArray>> names = dirPath->takeFileNames())
        filFiles->showFolder(dirPath->path(), std::move(*names));
    else
        filFiles->refresh();
}

void BrowserPane::showFolderError(const QByteArray&, std::error_code error) {
    mMessages.information(window(), tr("Error"), QString::fromStdString(error.message()));
}

// A listing that takes more than a moment shows that it is being read; the window answers
// meanwhile, and another folder or drive can be chosen.
void BrowserPane::showReading(bool reading) {
    mListingPending = reading;
    if (reading) {
        mReadingShown->start();
        mNotAnswering->start();
        return;
    }
    mReadingShown->stop();
    mNotAnswering->stop();
    markReading(false);
}

// Over the whole file list while it shows the folder left; along its foot once the first names of
// the folder being read are shown.
void BrowserPane::placeReadingNote() {
    const QRect list = filFiles->viewport()->rect();
    if (!filFiles->showingEarly()) {
        lblReading->setGeometry(list);
        return;
    }
    const int height = lblReading->heightForWidth(list.width());
    lblReading->setGeometry(list.left(), list.bottom() + 1 - height, list.width(), height);
}

void BrowserPane::markReading(bool reading) {
    lblReading->setText(tr("Reading..."));
    placeReadingNote();
    lblReading->setVisible(reading);
    for (QWidget* list : std::initializer_list<QWidget*>{dirPath, filFiles}) {
        if (reading)
            list->setCursor(Qt::BusyCursor);
        else
            list->unsetCursor();
    }
}

} // namespace wypelark
