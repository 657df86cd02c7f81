// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "control/WipeController.h"
#include "engine/PosixFileOperations.h"
#include "settings/RegistryFile.h"
#include "tests/support/FakeDirectoryAccess.h"
#include "tests/support/FakeMessageBoxes.h"
#include "tests/support/FakeUrlOpener.h"
#include "tests/support/RecordingFileOperations.h"
#include "tests/support/TempDir.h"
#include "ui/frmMain.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace wypelark::testing {

// A window over a temporary folder with real files, its own settings file and fake boxes.
class WindowFixture : public ::testing::Test {
protected:
    TempDir dir;
    QTemporaryDir configDir;
    FakeDirectoryAccess directories;
    PosixFileOperations disk;
    RecordingFileOperations files{disk};
    std::unique_ptr<RegistryFile> settings;
    FakeMessageBoxes messages;
    FakeUrlOpener urls;
    std::unique_ptr<WipeController> controller;
    std::unique_ptr<frmMain> window;
    std::vector<QDBusMessage> launcherSignals; // what the window sent the dock
    std::atomic<int> mPasses{1};
    std::vector<std::string> mAskedToDestroy; // what the last question to destroy named

    WindowFixture();
    // Opens the window over the recorded real disk, or over the operations given.
    void openWindow(FileOperations* over = nullptr);
    QByteArray folder() const { return QByteArray::fromStdString(dir.path().string()); }

    template <typename T> T* control(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Selects the named entries of the file list, as Ctrl+clicks would.
    void selectFiles(const QStringList& names);
    QStringList fileListNames() const;
    void saveStoredCount(const QString& text);
    QString storedCount() const;
    // The status line as read, its unbreakable spaces read as spaces.
    QString statusText() const;
    // The toolbar's button at a 1-based index.
    QAction* button(int index) const;
    // Clicks a toolbar button by its 1-based index, as the mouse would.
    void click(int button);
    // Makes files, shows them in the file list, selects them and adds them to the list.
    void addFiles(const std::vector<std::pair<std::string, std::int64_t>>& namesAndLengths);
};

} // namespace wypelark::testing
