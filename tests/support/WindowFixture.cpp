// SPDX-License-Identifier: LicenseRef-proprietary
#include "tests/support/WindowFixture.h"

#include "control/PassCountSetting.h"
#include "settings/RegistryStrings.h"
#include "ui/FileListBox.h"
#include "ui/FolderListBox.h"

#include <QAction>
#include <QLabel>
#include <QSlider>
#include <QTest>
#include <QToolBar>

namespace wypelark::testing {

WindowFixture::WindowFixture() {
    settings = std::make_unique<RegistryFile>(configDir.filePath(QStringLiteral("settings.conf")));
    directories.startFolder = folder();
    directories.shownVolumes = {{"/", QStringLiteral("root")}};
    // Every file a window destroys was listed when a question to destroy was put and accepted.
    messages.onAsked = [this](const QString& acceptText) {
        mAskedToDestroy.clear();
        if (acceptText != QStringLiteral("Destroy") || !controller)
            return;
        for (int position = 1; position <= controller->list().count(); ++position)
            mAskedToDestroy.push_back(controller->list().path(position).toStdString());
    };
    messages.onAccepted = [this](const QString&) { files.rule.named(mAskedToDestroy); };
    files.rule.requireNaming();
}

void WindowFixture::openWindow(FileOperations* over) {
    window.reset();
    controller =
        std::make_unique<WipeController>(ControllerSetup{over ? *over : files, settings.get()});
    window = std::make_unique<frmMain>(
        *controller,
        WindowServices{directories, messages, urls,
                       [this](const QDBusMessage& signal) { launcherSignals.push_back(signal); }});
    // The start folder is read once the window is up.
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return !control<FolderListBox>("dirPath")->path().isEmpty(); }, 2000));
    // The window's worker asks too: the count is kept where both threads can read it.
    auto* slider = window->findChild<QSlider*>(QStringLiteral("sliDelete"));
    mPasses = slider->value();
    QObject::connect(slider, &QSlider::valueChanged, window.get(), [this](int passes) {
        mPasses = passes;
        files.rule.passCountChanged(passes);
    });
    files.rule.requiredPasses = [this] { return mPasses.load(); };
}

void WindowFixture::selectFiles(const QStringList& names) {
    auto* list = control<FileListBox>("filFiles");
    list->clearSelection();
    for (int row = 0; row < list->count(); ++row) {
        const QModelIndex entry = list->model()->index(row, 0);
        if (names.contains(entry.data().toString()))
            list->selectionModel()->select(entry, QItemSelectionModel::Select);
    }
}

QStringList WindowFixture::fileListNames() const {
    QStringList names;
    auto* list = control<FileListBox>("filFiles");
    for (int row = 0; row < list->count(); ++row)
        names << list->model()->index(row, 0).data().toString();
    return names;
}

void WindowFixture::saveStoredCount(const QString& text) {
    RegSaveString(*settings, RegistryFile::CurrentUser, PassCountSetting::Key,
                  PassCountSetting::WrittenName, text);
}

} // namespace wypelark::testing

namespace wypelark::testing {

QString WindowFixture::storedCount() const {
    controller->waitForSettingsSaved();
    return RegGetString(*settings, RegistryFile::CurrentUser, PassCountSetting::Key,
                        PassCountSetting::ReadName, QStringLiteral("(none)"));
}

QString WindowFixture::statusText() const {
    return control<QLabel>("lblRunStatus")->text().replace(QChar::Nbsp, QLatin1Char(' '));
}

QAction* WindowFixture::button(int index) const {
    return control<QToolBar>("tlbMain")->actions().at(index - 1);
}

void WindowFixture::click(int index) {
    QAction* action = button(index);
    QWidget* widget = control<QToolBar>("tlbMain")->widgetForAction(action);
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
}

void WindowFixture::addFiles(const std::vector<std::pair<std::string, std::int64_t>>& files) {
    QStringList names;
    for (const auto& [name, length] : files) {
        dir.makeFile(name, length);
        names << QString::fromStdString(name);
    }
    control<FileListBox>("filFiles")->refresh();
    selectFiles(names);
    window->mnuPopUpAdd_Click();
}

} // namespace wypelark::testing
