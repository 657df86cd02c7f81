// SPDX-License-Identifier: LicenseRef-proprietary
#include "tests/support/WindowFixture.h"
#include "ui/FileListBox.h"
#include "ui/FileListModel.h"
#include "ui/FolderListBox.h"

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <filesystem>
#include <sys/resource.h>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

class Browser : public WindowFixture {
protected:
    FolderListBox* folders() { return control<FolderListBox>("dirPath"); }
    FileListBox* fileList() { return control<FileListBox>("filFiles"); }
    QComboBox* drives() { return control<QComboBox>("drvDrive"); }
    QMenu* menu() { return control<QMenu>("mnuPopUp"); }

    QStringList folderEntries() {
        QStringList texts;
        for (int row = 0; row < folders()->count(); ++row)
            texts << folders()->item(row)->text().trimmed();
        return texts;
    }
    void open(const QString& entry) {
        for (int row = 0; row < folders()->count(); ++row) {
            QListWidgetItem* item = folders()->item(row);
            if (item->text().trimmed() == entry) {
                folders()->setCurrentItem(item);
                QTest::keyClick(folders(), Qt::Key_Return);
                QCoreApplication::processEvents(); // the folder opens from the event loop
                return;
            }
        }
        ADD_FAILURE() << "no folder entry " << entry.toStdString();
    }
    QPoint entryCentre(int row) {
        return fileList()->visualRect(fileList()->model()->index(row, 0)).center();
    }
};

TEST_F(Browser, opensOnTheStartFolderWithItsAncestorsSubfoldersAndSortedFiles) {
    fs::create_directory(dir.file("beta"));
    fs::create_directory(dir.file("Alpha"));
    fs::create_directory(dir.file(".hidden"));
    for (const char* name : {"file10", "file9", "File1", ".dotfile"})
        dir.makeFile(name, 1);
    dir.makeFile("caf\xe9", 1);
    openWindow();

    const QStringList entries = folderEntries();
    ASSERT_GE(entries.size(), 3);
    EXPECT_EQ(entries.first(), QStringLiteral("/"));
    EXPECT_EQ(entries.mid(entries.size() - 2),
              (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta")}));
    EXPECT_EQ(folders()->path(), folder());
    EXPECT_EQ(folders()->currentItem()->data(FolderListBox::PathRole).toByteArray(), folder());
    const QStringList names = fileListNames();
    ASSERT_EQ(names.size(), 4);
    EXPECT_EQ(names.mid(1), (QStringList{QStringLiteral("File1"), QStringLiteral("file9"),
                                         QStringLiteral("file10")}));
    EXPECT_EQ(fileList()->model()->index(0, 0).data(FileListModel::NameRole).toByteArray(),
              QByteArray("caf\xe9")); // shown decoded, kept raw
}

TEST_F(Browser, openingAFolderShowsItsFilesAndAnAncestorGoesBackUp) {
    fs::create_directory(dir.file("sub"));
    dir.makeFile("top.txt", 1);
    dir.makeFile("sub/inner.txt", 1);
    openWindow();

    open(QStringLiteral("sub"));
    EXPECT_EQ(folders()->path(), folder() + "/sub");
    EXPECT_EQ(fileListNames(), QStringList{QStringLiteral("inner.txt")});

    open(QString::fromStdString(dir.path().filename().string()));
    EXPECT_EQ(folders()->path(), folder());
    EXPECT_EQ(fileListNames(), QStringList{QStringLiteral("top.txt")});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Browser, whatOthersMakeOrRemoveInTheShownFolderAppearsAndGoesAndTheSelectionStays) {
    dir.makeFile("kept.txt", 1);
    openWindow();
    selectFiles({QStringLiteral("kept.txt")});
    const auto shown = [&] {
        return fileListNames().contains(QStringLiteral("new.txt")) &&
               folderEntries().contains(QStringLiteral("made"));
    };

    dir.makeFile("new.txt", 1);
    fs::create_directory(dir.file("made"));
    EXPECT_TRUE(QTest::qWaitFor(shown, 10000));
    const QModelIndexList selected = fileList()->selectionModel()->selectedRows();
    ASSERT_EQ(selected.size(), 1);
    EXPECT_EQ(selected[0].data().toString(), QStringLiteral("kept.txt"));

    fs::remove(dir.file("new.txt"));
    fs::remove(dir.file("made"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return !fileListNames().contains(QStringLiteral("new.txt")) &&
                   !folderEntries().contains(QStringLiteral("made"));
        },
        10000));
}

// A folder on a mount that does not answer: the window goes on, another folder can be chosen,
// and the listing that finally comes is dropped.
TEST_F(Browser, aListingThatHangsLeavesTheWindowLiveAndIsOvertakenByTheNextFolderChosen) {
    fs::create_directory(dir.file("stuck"));
    fs::create_directory(dir.file("other"));
    dir.makeFile("other/there.txt", 1);
    dir.makeFile("stuck/never.txt", 1);
    directories.hanging = folder() + "/stuck";
    openWindow();
    bool chosenMeanwhile = false;
    QTimer::singleShot(20, window.get(), [&] {
        chosenMeanwhile = !folders()->setPath(folder() + "/other");
        directories.releaseHanging();
    });

    const std::error_code stuck = folders()->setPath(folder() + "/stuck");

    EXPECT_TRUE(chosenMeanwhile);
    EXPECT_EQ(stuck, std::errc::operation_canceled);
    EXPECT_EQ(folders()->path(), folder() + "/other");
    EXPECT_EQ(fileListNames(), QStringList{QStringLiteral("there.txt")});
    EXPECT_TRUE(messages.shown.empty());
    // The reading thread yields the processor to the window's.
    EXPECT_GT(directories.listedAtNiceness, ::getpriority(PRIO_PROCESS, 0));
}

// The files a long listing has read are shown before it ends, and go if it fails.
TEST_F(Browser, theFirstFilesOfALongListingAreShownAndTheFolderLeftComesBackIfItFails) {
    fs::create_directory(dir.file("long"));
    dir.makeFile("long/inside.txt", 1);
    dir.makeFile("long/.hidden", 1);
    dir.makeFile("top.txt", 1);
    directories.hanging = folder() + "/long";
    directories.earlyBeforeHanging = true;
    openWindow();
    QStringList early;
    QTimer::singleShot(20, window.get(), [&] {
        if (QTest::qWaitFor([&] { return fileList()->showingEarly(); }, 2000))
            early = fileListNames();
        directories.failing[folder() + "/long"] = EIO;
        directories.releaseHanging();
    });

    open(QStringLiteral("long"));

    EXPECT_EQ(early, QStringList{QStringLiteral("inside.txt")});
    EXPECT_FALSE(fileList()->showingEarly());
    EXPECT_EQ(fileList()->folder(), folder());
    EXPECT_EQ(fileListNames(), QStringList{QStringLiteral("top.txt")});
}

TEST_F(Browser, aFolderThatCannotBeListedLeavesBothListsWhereTheyWere) {
    fs::create_directory(dir.file("locked"));
    dir.makeFile("top.txt", 1);
    directories.failing[folder() + "/locked"] = EACCES;
    openWindow();

    open(QStringLiteral("locked"));

    EXPECT_EQ(folders()->path(), folder());
    EXPECT_EQ(fileListNames(), QStringList{QStringLiteral("top.txt")});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Error"));
    EXPECT_EQ(messages.shown[0].text, QString::fromLocal8Bit(std::strerror(EACCES)));
}

TEST_F(Browser, onlyTheRightButtonOpensThePopUpMenuAndItKeepsTheSelection) {
    for (const char* name : {"a", "b", "c"})
        dir.makeFile(name, 1);
    openWindow();
    window->show();
    selectFiles({QStringLiteral("a"), QStringLiteral("c")});

    QTest::mousePress(fileList()->viewport(), Qt::MiddleButton, {}, entryCentre(1));
    EXPECT_FALSE(menu()->isVisible());
    QTest::mouseRelease(fileList()->viewport(), Qt::MiddleButton, {}, entryCentre(1));
    selectFiles({QStringLiteral("a"), QStringLiteral("c")});

    QTest::mousePress(fileList()->viewport(), Qt::RightButton, {}, entryCentre(2));
    EXPECT_TRUE(menu()->isVisible());
    menu()->hide();
    EXPECT_EQ(fileList()->selectionModel()->selectedRows().size(), 2);
    // On an entry that is not selected too: the menu adds what was selected.
    QTest::mousePress(fileList()->viewport(), Qt::RightButton, {}, entryCentre(1));
    menu()->hide();
    window->mnuPopUpAdd_Click();
    ASSERT_EQ(controller->list().count(), 2);
    EXPECT_EQ(controller->list().path(2), folder() + "/c");

    QTest::mousePress(fileList()->viewport(), Qt::LeftButton, {}, entryCentre(1));
    EXPECT_FALSE(menu()->isVisible());
}

TEST_F(Browser, aDoubleClickAddsTheSelectionAsTheClicksLeaveIt) {
    for (const char* name : {"a", "b", "c"})
        dir.makeFile(name, 1);
    openWindow();
    window->show();
    const auto doubleClick = [&](int entry, Qt::KeyboardModifiers modifiers) {
        // What a mouse sends: press, release, press, double-click, release.
        QWidget* viewport = fileList()->viewport();
        const QPoint at = entryCentre(entry);
        QTest::mousePress(viewport, Qt::LeftButton, modifiers, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, modifiers, at);
        QTest::mousePress(viewport, Qt::LeftButton, modifiers, at);
        QMouseEvent second(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at),
                           Qt::LeftButton, Qt::LeftButton, modifiers);
        QApplication::sendEvent(viewport, &second);
        QTest::mouseRelease(viewport, Qt::LeftButton, modifiers, at);
    };
    selectFiles({QStringLiteral("a"), QStringLiteral("b")});

    // A plain double-click selects the one file under the pointer, and adds it.
    doubleClick(2, {});
    const DeletionListModel& list = controller->list();
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.path(1), folder() + "/c");

    // With Shift held, the clicks extend the selection from the last one, and add the rest.
    doubleClick(0, Qt::ShiftModifier);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.path(2), folder() + "/a");
    EXPECT_EQ(list.path(3), folder() + "/b");
}

TEST_F(Browser, aRefusedFileIsNamedInOneMessage) {
    dir.makeFile("real", 1);
    fs::create_symlink(dir.file("real"), dir.file("shortcut"));
    openWindow();
    selectFiles({QStringLiteral("real"), QStringLiteral("shortcut")});

    window->mnuPopUpAdd_Click();

    EXPECT_EQ(controller->list().count(), 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromStdString(dir.file("shortcut"))));
}

class DriveChange : public Browser {
protected:
    QByteArray media;

    void SetUp() override {
        fs::create_directory(dir.file("media"));
        dir.makeFile("media/photo.jpg", 1);
        media = folder() + "/media";
        directories.shownVolumes = {{"/", QStringLiteral("root")}, {media, QStringLiteral("USB")}};
        openWindow();
        drives()->setCurrentIndex(1);
    }
};

TEST_F(DriveChange, anUnavailableDeviceAsksRetryOrCancelAndCancelKeepsTheLists) {
    directories.failing[media] = ENOMEDIUM;

    window->drvDrive_Change();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, FakeMessageBoxes::Kind::RetryCancel);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Drive not ready"));
    EXPECT_EQ(messages.shown[0].text, QString::fromLocal8Bit(std::strerror(ENOMEDIUM)));
    EXPECT_EQ(folders()->path(), folder());
    EXPECT_EQ(drives()->currentData().toByteArray(), media);
}

TEST_F(DriveChange, retryAsksAgainUntilTheDeviceIsReady) {
    directories.failing[media] = EIO;
    messages.retriesLeft = 3;
    int retries = 0;
    messages.onRetry = [&] {
        if (++retries == 3)
            directories.failing.remove(media);
    };

    window->drvDrive_Change();

    EXPECT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(folders()->path(), media);
    EXPECT_EQ(fileListNames(), QStringList{QStringLiteral("photo.jpg")});
}

TEST_F(DriveChange, choosingTheDriveAlreadyChosenDoesNothing) {
    emit drives()->activated(1);
    QCoreApplication::processEvents(); // the drive changes from the event loop
    ASSERT_EQ(folders()->path(), media);
    fs::create_directory(dir.file("media/sub"));
    ASSERT_FALSE(folders()->setPath(media + "/sub"));

    emit drives()->activated(1);
    QCoreApplication::processEvents();

    EXPECT_EQ(folders()->path(), media + "/sub");
}

TEST_F(DriveChange, aVolumeUnmountedMeanwhileIsNotReadyAndRetryMovesThereOnceItIsBack) {
    const std::vector<Volume> mounted = directories.shownVolumes;
    directories.shownVolumes.pop_back(); // unmounted; its empty folder stays
    messages.retriesLeft = 1;
    messages.onRetry = [&] { directories.shownVolumes = mounted; };

    window->drvDrive_Change();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Drive not ready"));
    EXPECT_EQ(folders()->path(), media);
}

TEST_F(Browser, theDriveBoxFollowsARealMountAppearingAndGoing) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "mounting a volume needs root";
    const std::string image = dir.makeFile("volume.img", 0);
    fs::resize_file(image, 8 << 20);
    fs::create_directory(dir.file("mnt"));
    const QString mountPoint = QString::fromStdString(dir.file("mnt"));
    if (QProcess::execute(QStringLiteral("mkfs.ext4"), {QStringLiteral("-q"), QStringLiteral("-F"),
                                                        QString::fromStdString(image)}) != 0)
        FAIL() << "mkfs.ext4 could not make the image";
    directories.realVolumes = true;
    openWindow();
    const auto listed = [&] { return drives()->findData(QFile::encodeName(mountPoint)) >= 0; };
    ASSERT_FALSE(listed());

    if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("loop"),
                                                    QString::fromStdString(image), mountPoint}) !=
        0)
        GTEST_SKIP() << "this machine does not allow loop mounts";
    const bool appeared = QTest::qWaitFor(listed, 10000);
    QProcess::execute(QStringLiteral("umount"), {mountPoint});
    const bool went = QTest::qWaitFor([&] { return !listed(); }, 10000);

    EXPECT_TRUE(appeared);
    EXPECT_TRUE(went);
    EXPECT_GE(drives()->currentIndex(), 0); // the drive chosen before is chosen still
}

TEST_F(DriveChange, anyOtherErrorShowsTheErrorBoxOnce) {
    directories.failing[media] = EACCES;
    messages.retriesLeft = 5;

    window->drvDrive_Change();

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, FakeMessageBoxes::Kind::Information);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Error"));
    EXPECT_EQ(folders()->path(), folder());
}

} // namespace
