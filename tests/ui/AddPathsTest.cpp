// SPDX-License-Identifier: LicenseRef-proprietary
#include "tests/support/WindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QTableView>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

class AddPaths : public WindowFixture {
protected:
    void SetUp() override {
        openWindow();
        window->show();
    }
    QByteArray listed(int position) const { return controller->list().path(position); }
    // The addresses as a file manager's text/uri-list carries them.
    void drop(const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        window->addDroppedUrls(data.urls());
    }
};

TEST_F(AddPaths, commandLinePathsAreAddedInOrderAndTheRefusedNamedInOneBox) {
    const std::string raw = "caf\xe9.txt"; // not UTF-8
    dir.makeFile(raw, 3);
    dir.makeFile("rel.txt", 5);
    fs::create_symlink(dir.file("rel.txt"), dir.file("link"));

    window->addPaths({QByteArray::fromStdString(dir.file(raw)), "./rel.txt",
                      QByteArray::fromStdString(dir.file("link")),
                      QByteArray::fromStdString(dir.file("missing"))},
                     folder());

    ASSERT_EQ(controller->list().count(), 2);
    EXPECT_EQ(listed(1), folder() + "/" + QByteArray::fromStdString(raw));
    EXPECT_EQ(listed(2), folder() + "/rel.txt");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromStdString(dir.file("link"))));
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromStdString(dir.file("missing"))));
}

TEST_F(AddPaths, aDropOfLocalFilesKeepsTheirBytesAndAnythingElseChangesNothing) {
    const std::string raw = "r\xe9sum\xe9.doc";
    dir.makeFile(raw, 3);
    const QUrl local(
        QStringLiteral("file://") +
        QString::fromLatin1(QByteArray::fromStdString(dir.file(raw)).toPercentEncoding("/")));

    drop({local, QUrl(QStringLiteral("https://example.com/file.txt"))});
    EXPECT_EQ(controller->list().count(), 0);
    ASSERT_EQ(messages.shown.size(), 1u);

    drop({local});
    ASSERT_EQ(controller->list().count(), 1);
    EXPECT_EQ(listed(1), QByteArray::fromStdString(dir.file(raw)));
    EXPECT_EQ(statusText(), QStringLiteral("1 file added to the list"));
    drop({local});
    EXPECT_EQ(statusText(), QStringLiteral("Already listed: nothing added"));
}

TEST_F(AddPaths, aFolderGivesEveryFileBelowItAndEmptiedFoldersGoAfterTheRun) {
    fs::create_directories(dir.path() / "tree/a/deep");
    fs::create_directories(dir.path() / "tree/b");
    dir.makeFile("tree/.hidden", 1);
    dir.makeFile("tree/a/deep/x", 1);
    dir.makeFile("tree/b/busy", 70000);
    dir.makeFile("outside", 1);
    fs::create_symlink(dir.file("outside"), dir.file("tree/a/link"));

    window->addPaths({"tree"}, folder());

    const QByteArray tree = folder() + "/tree";
    ASSERT_EQ(controller->list().count(), 3);
    EXPECT_EQ(listed(1), tree + "/.hidden");
    EXPECT_EQ(listed(2), tree + "/a/deep/x");
    EXPECT_EQ(listed(3), tree + "/b/busy");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromUtf8(tree + "/a/link")));

    // Another program keeps writing to b/busy: it stays, and so does its folder.
    files.onWrite = [&](int) { std::ofstream(dir.file("tree/b/busy"), std::ios::app) << "more"; };
    fs::remove(dir.file("tree/a/link"));
    window->tlbMain_ButtonClick(button(1));

    EXPECT_FALSE(fs::exists(dir.file("tree/a")));
    EXPECT_TRUE(fs::exists(dir.file("tree/b/busy")));
    EXPECT_TRUE(fs::exists(dir.file("outside")));
    EXPECT_TRUE(fs::exists(dir.file("tree"))); // it still holds b
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[1].text.contains(QString::fromUtf8(tree + "/b")));
}

// A volume mounted below an added folder is not entered, and is named.
TEST_F(AddPaths, aFolderNeverGivesFilesOfAnotherVolumeMountedBelowIt) {
    fs::create_directories(dir.path() / "tree/mnt");
    dir.makeFile("tree/here", 1);
    if (::geteuid() != 0 ||
        QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("tmpfs"),
                           QString::fromStdString(dir.file("tree/mnt"))}) != 0)
        GTEST_SKIP() << "no nested mount: mounting needs root";
    dir.makeFile("tree/mnt/elsewhere", 1);

    window->addPaths({"tree"}, folder());

    QProcess::execute(QStringLiteral("umount"), {QString::fromStdString(dir.file("tree/mnt"))});
    ASSERT_EQ(controller->list().count(), 1);
    EXPECT_EQ(listed(1), folder() + "/tree/here");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(QString::fromUtf8(folder() + "/tree/mnt")));
}

// Folders go only as they were added, only when asked, and only while still listed.
TEST_F(AddPaths, noFolderIsRemovedThatWasSwappedTakenOffTheListOrNotAskedFor) {
    fs::create_directories(dir.path() / "tree/sub");
    dir.makeFile("tree/sub/f", 1);
    window->addPaths({"tree"}, folder());
    auto* list = control<QTableView>("lvwList");
    list->selectAll();
    control<QAction>("mnuListRemove")->trigger(); // f off the list: its folders go off it too
    ASSERT_EQ(controller->list().count(), 0);
    click(1);
    EXPECT_TRUE(fs::exists(dir.file("tree/sub/f")));
    EXPECT_TRUE(messages.questions.empty());

    fs::create_directories(dir.path() / "empty");
    window->addPaths({"empty"}, folder());
    messages.confirmAnswer = false;
    click(1); // asks, even with no file listed
    EXPECT_TRUE(fs::exists(dir.file("empty")));
    ASSERT_EQ(messages.questions.size(), 1u);

    // During the run an unlisted empty folder takes the place of an added one.
    fs::create_directories(dir.path() / "other/e");
    fs::create_directories(dir.path() / "victim");
    dir.makeFile("other/x", 70000);
    window->addPaths({"other"}, folder());
    files.onWrite = [&](int n) {
        if (n == 1) {
            fs::rename(dir.file("other/e"), dir.file("e.old"));
            fs::rename(dir.file("victim"), dir.file("other/e"));
        }
    };
    messages.confirmAnswer = true;
    click(1);
    EXPECT_FALSE(fs::exists(dir.file("empty")));
    EXPECT_FALSE(fs::exists(dir.file("other/x")));
    EXPECT_TRUE(fs::exists(dir.file("other/e"))); // the victim, still there
    EXPECT_TRUE(fs::exists(dir.file("e.old")));
}

} // namespace
