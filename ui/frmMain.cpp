// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/frmMain.h"

#include "browse/DirectoryAccess.h"
#include "browse/PosixDirectoryAccess.h"
#include "control/PassCountSetting.h"
#include "control/RunSession.h"
#include "control/WipeController.h"
#include "control/WipeTexts.h"
#include "list/PathScan.h"
#include "ui/BrowserPane.h"
#include "ui/DeletionListPane.h"
#include "ui/DriveBox.h"
#include "ui/FileListBox.h"
#include "ui/FloatProgressBar.h"
#include "ui/FolderListBox.h"
#include "ui/FolderWatch.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgressPane.h"
#include "ui/RunCommands.h"
#include "ui/StatusLine.h"
#include "ui/UrlOpener.h"
#include "ui/WidgetMaking.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QShortcut>
#include <QSlider>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <vector>

namespace wypelark {

const QString frmMain::ProductPage = QStringLiteral("https://www.example.com/corvane/Wypelark");

namespace {

constexpr int ClientWidth = 565;
constexpr int ClientHeight = 517;

constexpr int HandedPathsRetryMilliseconds = 200;

} // namespace

frmMain::frmMain(WipeController& controller, const WindowServices& services, QWidget* parent)
    : QWidget(parent,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      mController(controller), mServices(services) {
    buildWindow();
    connectEvents();
    connectController();
    // The window shows before its start folder is read: a folder of a million files, or one on a
    // mount that does not answer, takes a while.
    QMetaObject::invokeMethod(fraPath, &BrowserPane::openStartFolder, Qt::QueuedConnection);
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
    buildFigures();
    mRunCommands =
        new RunCommands({mController, mServices.messages, *mProgress, *lblRunStatus, *fraToDelete,
                         mButtons[0], tlbMain->widgetForAction(mButtons[0])},
                        this);
    connect(mRunCommands, &RunCommands::windowAsked, this, &frmMain::comeToTheFront);
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
    mButtons = {button(":/icons/wypelark.svg", tr("Delete"),
                       tr("Destroy the listed files, or go on with a paused run")),
                button(":/icons/pause.svg", tr("Pause"), tr("Stop the run after its next write")),
                tlbMain->addSeparator(),
                button(":/icons/info.svg", tr("Info"), tr("Open Wypelark's web page")),
                tlbMain->addSeparator(),
                button(":/icons/exit.svg", tr("Exit"), tr("Close Wypelark"))};
    // Every button as wide as the widest caption needs, Delete's "Continue" included.
    std::vector<QWidget*> buttons;
    int width = 38;
    for (QAction* action : mButtons) {
        if (QWidget* widget = tlbMain->widgetForAction(action); widget && !action->isSeparator()) {
            buttons.push_back(widget);
            width = std::max(width, widget->sizeHint().width());
        }
    }
    QAction* deleteButton = mButtons[0];
    deleteButton->setText(tr("Continue"));
    width = std::max(width, tlbMain->widgetForAction(deleteButton)->sizeHint().width());
    deleteButton->setText(tr("Delete"));
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
    mProgress = new ProgressPane(mController, this);
    // A paused run keeps its progress on the dock; it goes when the command ends.
    auto* launcher = new LauncherEntry(mServices.launcherBus, this);
    connect(mProgress, &ProgressPane::figuresShown, launcher,
            [this, launcher](const ProgressFigures& figures, bool running) {
                launcher->show(figures, running || mController.session().resumable());
            });
}

void frmMain::buildDeletionList() {
    fraToDelete = new DeletionListPane(mController, this);
    fraToDelete->setGeometry(3, 243, 559, 202);
}

void frmMain::buildDeleteMethod() {
    fraDelete = named(new QGroupBox(tr("Delete Method"), this), "fraDelete");
    fraDelete->setGeometry(3, 180, 559, 61);
    sliDelete = named(new QSlider(Qt::Horizontal, fraDelete), "sliDelete");
    sliDelete->setGeometry(6, 36, 541, 19);
    sliDelete->setRange(PassCountSetting::Minimum, PassCountSetting::Maximum);
    sliDelete->setSingleStep(1);
    sliDelete->setPageStep(5);
    sliDelete->setTickInterval(1);
    sliDelete->setTickPosition(QSlider::NoTicks);
    sliDelete->setValue(PassCountSetting::Minimum);
    lblStatus = named(centredLabel(QString(), fraDelete), "lblStatus");
    lblStatus->setGeometry(15, 15, 526, 16);
    fitToFont(lblStatus);
}

void frmMain::buildBrowser() {
    fraPath = new BrowserPane(mServices.directories, mServices.messages, this);
    fraPath->setGeometry(3, 42, 559, 136);
    mnuDrive = named(new QMenu(QStringLiteral("Drive"), this), "mnuDrive");
    mnuDriveWipeFree = named(new QAction(tr("Wipe Free Space…"), this), "mnuDriveWipeFree");
    mnuDriveWipeFree->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
    mnuDriveShredTrash = named(new QAction(tr("Shred the Trash…"), this), "mnuDriveShredTrash");
    mnuDriveShredTrash->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
}

void frmMain::addDriveCommand(QAction* command, std::function<bool()> available) {
    mnuDrive->addAction(command);
    // Also from anywhere in the window, without the menu.
    command->setShortcutContext(Qt::WindowShortcut);
    addAction(command);
    mDriveCommands.emplace_back(command, std::move(available));
}

// The pass count and the status line sit in the free ends of the method's caption row and of
// the toolbar, so that no control moves.
void frmMain::buildFigures() {
    lblPasses = named(figureLabel(fraDelete, Qt::AlignRight, {447, 15, 100, 16}), "lblPasses");
    // From the end of the last button to the window's edge.
    tlbMain->layout()->activate();
    const int statusLeft = tlbMain->widgetForAction(mButtons.back())->geometry().right() + 8;
    lblRunStatus = new StatusLine(this);
    lblRunStatus->setGeometry(statusLeft, 2, ClientWidth - 6 - statusLeft, 34);
}

// What a screen reader calls the controls that show no caption of their own.
void frmMain::nameForScreenReaders() {
    sliDelete->setAccessibleName(tr("Passes"));
    if (auto* more = tlbMain->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
        more->setAccessibleName(tr("More"));
}

void frmMain::setFocusOrder() {
    for (QWidget* passive : std::initializer_list<QWidget*>{tlbMain, lblStatus, lblPasses})
        passive->setFocusPolicy(Qt::NoFocus);
    QWidget::setTabOrder(fraPath->files(), sliDelete);
    QWidget::setTabOrder(sliDelete, fraToDelete->view());
}

void frmMain::connectEvents() {
    connect(fraPath, &BrowserPane::addRequested, this, &frmMain::mnuPopUpAdd_Click);
    connect(fraPath, &BrowserPane::folderAddRequested, this, [this](const QByteArray& folder) {
        const int before = mController.list().count();
        const int heldBefore = mController.heldCount();
        sayAdded(before, heldBefore, addPaths({folder}, "/"));
    });
    // Shift+F10 opens the pop-up menu as the menu key does, at the focused control's current
    // entry.
    auto* menuKeys = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKeys, &QShortcut::activated, this, &frmMain::openMenuFromKeyboard);
    connect(fraPath, &BrowserPane::driveMenuRequested, this, [this](const QPoint& at) {
        for (const auto& [command, available] : mDriveCommands)
            command->setEnabled(available());
        mnuDrive->popup(at);
        mnuDrive->setActiveAction(mDriveCommands.front().first);
    });
    addDriveCommand(mnuDriveWipeFree, [this] { return mRunCommands->mayFillFreeSpace(); });
    connect(mnuDriveWipeFree, &QAction::triggered, this,
            [this] { mRunCommands->wipeFreeSpaceCommand(fraPath->folder()); });
    addDriveCommand(mnuDriveShredTrash, [] { return true; });
    connect(mnuDriveShredTrash, &QAction::triggered, mRunCommands, &RunCommands::shredTrashCommand);
    connect(fraToDelete, &DeletionListPane::recordRequested, mRunCommands,
            &RunCommands::showRunRecord);
    connect(sliDelete, &QSlider::valueChanged, this, &frmMain::sliDelete_Change);
    connect(tlbMain, &QToolBar::actionTriggered, this, &frmMain::tlbMain_ButtonClick);
}

void frmMain::connectController() {
    RunSession* session = &mController.session();
    connect(
        session, &RunSession::commandEnabledChanged, this,
        [this](ToolbarButton button, bool enabled) { toolbarButton(button)->setEnabled(enabled); });
    // A folder that vanished meanwhile keeps its last listing.
    connect(session, &RunSession::filesChanged, fraPath, &BrowserPane::refreshFiles);
}

QAction* frmMain::toolbarButton(ToolbarButton button) const {
    return mButtons.at(static_cast<std::size_t>(button) - 1);
}

// --- Folder browser ---------------------------------------------------------------------------

void frmMain::drvDrive_Change() {
    fraPath->drvDrive_Change();
}

void frmMain::dirPath_Change() {
    fraPath->dirPath_Change();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fraPath->refreshUnlessWatched();
}

void frmMain::filFiles_DblClick() {
    mnuPopUpAdd_Click();
}

void frmMain::filFiles_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint& at) {
    fraPath->filFiles_MouseDown(button, at);
}

void frmMain::mnuPopUpAdd_Click() {
    const int heldBefore = mController.heldCount();
    showRefused(mController.addSelected(fraPath->folder(), fraPath->selectedNames()));
    sayHeld(heldBefore);
}

// Files that came while a question or a run held them out are said to wait for a later Delete.
bool frmMain::sayHeld(int heldBefore) {
    const int held = mController.heldCount() - heldBefore;
    if (held <= 0)
        return false;
    lblRunStatus->note(WipeTexts::heldStatus(held));
    return true;
}

void frmMain::showRefused(const std::vector<RefusedFile>& refused) {
    if (!refused.empty())
        mServices.messages.information(this, QStringLiteral("Wypelark"),
                                       WipeTexts::refusedFiles(refused));
}

// --- Delete method ----------------------------------------------------------------------------

QString frmMain::methodCaption(int passes, const QString& current) {
    if (passes == 1)
        return tr("Quick delete (Not very safe)");
    if (passes < 10 && passes > 1)
        return tr("Might delete (Somewhat safe)");
    if (passes < 20 && passes > 9)
        return tr("Military delete (Safe)");
    if (passes > 19)
        return tr("Secure delete (No recovery)");
    return current;
}

void frmMain::Form_Load() {
    const int restored = mController.storedPassCount();
    if (sliDelete->value() == restored)
        sliDelete_Change(); // the label names the method even when the position stays
    sliDelete->setValue(restored);
}

void frmMain::sliDelete_Change() {
    const int passes = sliDelete->value();
    lblStatus->setText(methodCaption(passes, lblStatus->text()));
    lblPasses->setText(WipeTexts::passCountCaption(passes));
    sliDelete->setToolTip(WipeTexts::passCountCaption(passes));
    mController.setPassCount(passes);
}

// --- Toolbar commands -------------------------------------------------------------------------

void frmMain::tlbMain_ButtonClick(QAction* button) {
    // The button is recognised as itself; separators and anything else do nothing.
    const auto place = std::find(mButtons.begin(), mButtons.end(), button);
    if (place == mButtons.end())
        return;
    switch (static_cast<ToolbarButton>(place - mButtons.begin() + 1)) {
    case ToolbarButton::Delete:
        mRunCommands->deleteCommand();
        break;
    case ToolbarButton::Pause:
        mController.session().pauseCommand();
        break;
    case ToolbarButton::Info:
        infoCommand();
        break;
    case ToolbarButton::Exit:
        exitCommand();
        break;
    }
}

void frmMain::openMenuFromKeyboard() {
    QWidget* focused = QApplication::focusWidget();
    if (!focused || focused->window() != this)
        return;
    const QPoint at = focused->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focused->mapToGlobal(at));
    QApplication::sendEvent(focused, &event);
}

void frmMain::infoCommand() {
    const QPointer<frmMain> window(this);
    mServices.urls.open(QUrl(ProductPage), [window] {
        if (window)
            window->showAddress();
    });
}

void frmMain::showAddress() {
    mServices.messages.notice(this, QStringLiteral("Wypelark"),
                              tr("No web browser took the address. Wypelark's web page is at:") +
                                  QStringLiteral("\n\n") + ProductPage);
}

void frmMain::exitCommand() {
    close();
}

bool frmMain::Form_Unload() {
    const bool cancel = mController.closeRefused();
    return cancel;
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (Form_Unload()) {
        lblRunStatus->note(WipeTexts::closeRefusedStatus());
        event->ignore();
        return;
    }
    const CloseAnswer answer = mController.closeAnswer();
    const bool accepted =
        answer == CloseAnswer::Accept ||
        (answer == CloseAnswer::AskFirst &&
         mServices.messages.confirm(this, QStringLiteral("Wypelark"),
                                    mController.session().closeQuestion(), tr("Close")));
    if (!accepted) {
        event->ignore();
        return;
    }
    event->accept();
    // A paused run ends with the window: what it could not do before the Pause is said now.
    if (answer == CloseAnswer::AskFirst) {
        mController.session().endPausedRun();
        mRunCommands->showPendingReport();
    }
    emit unloaded();
}

std::size_t frmMain::addPaths(const std::vector<QByteArray>& paths, const QByteArray& base) {
    const std::vector<RefusedFile> refused = mController.addPaths(paths, base);
    showRefused(refused);
    return refused.size();
}

void frmMain::startWith(const std::vector<QByteArray>& paths, const QByteArray& base) {
    if (paths.empty())
        return;
    QByteArray first = absolutePath(paths.front(), base);
    while (first.size() > 1 && first.endsWith('/'))
        first.chop(1);
    fraPath->startIn(first.left(std::max<qsizetype>(1, first.lastIndexOf('/'))));
    // Once the window shows, so that a box naming refused paths stands over it.
    QTimer::singleShot(0, this, [this, paths, base] { addPaths(paths, base); });
}

void frmMain::takeHandedPaths(const std::vector<QByteArray>& paths) {
    // A question stands over the window, perhaps the one that names the files a run will
    // destroy: the list does not change under it. The paths wait until it is answered.
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(HandedPathsRetryMilliseconds, this,
                           [this, paths] { takeHandedPaths(paths); });
        return;
    }
    comeToTheFront();
    const int before = mController.list().count();
    const int heldBefore = mController.heldCount();
    sayAdded(before, heldBefore, addPaths(paths, "/"));
}

// Files held for a later Delete are said to wait; files already listed are said so, rather than
// "0 files added"; what was refused has its box.
void frmMain::sayAdded(int listedBefore, int heldBefore, std::size_t refused) {
    if (sayHeld(heldBefore))
        return;
    const int added = mController.list().count() - listedBefore;
    if (added > 0)
        lblRunStatus->note(WipeTexts::handedOverStatus(added));
    else if (refused == 0)
        lblRunStatus->note(WipeTexts::alreadyListedStatus());
}

void frmMain::comeToTheFront() {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    if (addDroppedUrls(event->mimeData()->urls()))
        event->acceptProposedAction();
}

bool frmMain::addDroppedUrls(const QList<QUrl>& urls) {
    const int before = mController.list().count();
    const int heldBefore = mController.heldCount();
    const std::optional<std::vector<RefusedFile>> refused = mController.addUrls(urls);
    if (!refused) {
        mServices.messages.information(this, QStringLiteral("Wypelark"),
                                       WipeTexts::onlyLocalDrops());
        return false;
    }
    showRefused(*refused);
    sayAdded(before, heldBefore, refused->size());
    return true;
}

} // namespace wypelark
