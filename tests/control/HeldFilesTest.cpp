// SPDX-License-Identifier: LicenseRef-proprietary
// Files that reach the list while a question names it, or while the run it started is under way
// or paused, are held out of that run: listed, marked, and kept for a later Delete. A row per
// route into the list and per state of the run.
#include "control/WipeController.h"
#include "engine/PosixFileOperations.h"
#include "tests/support/RecordingFileOperations.h"
#include "tests/support/TempDir.h"

#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

enum class Route { HandedOver, Dropped, SelectedInBrowser, FolderHandedOver };
enum class When { Idle, QuestionOpen, Running, Paused };

struct HeldCase {
    Route route;
    When when;
};

class HeldFiles : public ::testing::TestWithParam<HeldCase> {
protected:
    TempDir dir;
    PosixFileOperations disk;
    RecordingFileOperations files{disk};
    WipeController controller{{.disk = files, .awayFromThisThread = false}};

    // What arrives: one file, or a folder holding one.
    std::string arrived() const {
        return GetParam().route == Route::FolderHandedOver ? dir.file("later/inside")
                                                           : dir.file("later.txt");
    }

    void add(const std::string& path) {
        const QByteArray raw = QByteArray::fromStdString(path);
        switch (GetParam().route) {
        case Route::HandedOver:
            controller.addPaths({raw}, "/");
            break;
        case Route::Dropped:
            ASSERT_TRUE(controller.addUrls({QUrl::fromLocalFile(QString::fromStdString(path))}));
            break;
        case Route::SelectedInBrowser:
            controller.addSelected(QByteArray::fromStdString(dir.path().string()), {"later.txt"});
            break;
        case Route::FolderHandedOver:
            controller.addPaths({QByteArray::fromStdString(dir.file("later"))}, "/");
            break;
        }
    }

    void addArrived() { add(arrived()); }

    void SetUp() override {
        fs::create_directories(dir.path() / "later");
        dir.makeFile("later/inside", 70000);
        dir.makeFile("later.txt", 70000);
        controller.addPaths({QByteArray::fromStdString(dir.makeFile("named.txt", 120000))}, "/");
        files.rule.requireNaming();
        files.rule.named({dir.file("named.txt")});
    }
};

TEST_P(HeldFiles, onlyWhatTheQuestionNamedIsDestroyed) {
    const When when = GetParam().when;
    if (when == When::Idle)
        addArrived();
    controller.session().destroyQuestion();
    if (when == When::Idle)
        files.rule.named({arrived()});
    if (when == When::QuestionOpen)
        addArrived();
    controller.session().confirmDestroy();

    int writes = 0;
    const QMetaObject::Connection during =
        QObject::connect(&controller.session(), &RunSession::yielding, [&] {
            if (++writes != 1)
                return;
            if (when == When::Running)
                addArrived();
            if (when == When::Paused)
                controller.session().pauseCommand();
        });
    controller.session().deleteCommand();
    if (when == When::Paused) {
        ASSERT_EQ(controller.session().state(), RunState::Paused);
        addArrived();
        controller.session().deleteCommand(); // Continue asks nothing, and takes nothing new in
    }
    QObject::disconnect(during);

    EXPECT_FALSE(fs::exists(dir.file("named.txt")));
    if (when == When::Idle) {
        EXPECT_FALSE(fs::exists(arrived()));
        EXPECT_EQ(controller.list().count(), 0);
        return;
    }
    // Kept, listed and marked, with the folder it came in.
    EXPECT_TRUE(fs::exists(arrived()));
    ASSERT_EQ(controller.list().count(), 1);
    EXPECT_EQ(controller.list().path(1).toStdString(), arrived());
    EXPECT_TRUE(controller.list().held(1));
    EXPECT_EQ(controller.heldCount(), 1);
    EXPECT_TRUE(controller.session().takeRecord().keptFolders.empty());

    // The next Delete asks again, naming it; then it goes, and the folder it came in with.
    controller.session().destroyQuestion();
    files.rule.named({arrived()});
    controller.session().confirmDestroy();
    controller.session().deleteCommand();
    EXPECT_FALSE(fs::exists(arrived()));
    EXPECT_EQ(controller.list().count(), 0);
    EXPECT_EQ(fs::exists(dir.file("later")), GetParam().route != Route::FolderHandedOver);
}

INSTANTIATE_TEST_SUITE_P(EveryRouteAndState, HeldFiles,
                         ::testing::Values(HeldCase{Route::HandedOver, When::Idle},
                                           HeldCase{Route::HandedOver, When::QuestionOpen},
                                           HeldCase{Route::HandedOver, When::Running},
                                           HeldCase{Route::HandedOver, When::Paused},
                                           HeldCase{Route::Dropped, When::Idle},
                                           HeldCase{Route::Dropped, When::QuestionOpen},
                                           HeldCase{Route::Dropped, When::Running},
                                           HeldCase{Route::Dropped, When::Paused},
                                           HeldCase{Route::SelectedInBrowser, When::Idle},
                                           HeldCase{Route::SelectedInBrowser, When::QuestionOpen},
                                           HeldCase{Route::SelectedInBrowser, When::Running},
                                           HeldCase{Route::SelectedInBrowser, When::Paused},
                                           HeldCase{Route::FolderHandedOver, When::Idle},
                                           HeldCase{Route::FolderHandedOver, When::QuestionOpen},
                                           HeldCase{Route::FolderHandedOver, When::Running},
                                           HeldCase{Route::FolderHandedOver, When::Paused}));

// A fresh Delete that no accepted question preceded destroys nothing; a declined question
// leaves nothing held.
TEST(HeldFilesWithoutAQuestion, nothingIsDestroyedThatNoQuestionNamed) {
    TempDir dir;
    PosixFileOperations disk;
    RecordingFileOperations files{disk};
    files.rule.requireNaming();
    WipeController controller{{.disk = files, .awayFromThisThread = false}};
    const std::string path = dir.makeFile("kept.txt", 1000);
    controller.addPaths({QByteArray::fromStdString(path)}, "/");

    controller.session().deleteCommand();
    EXPECT_TRUE(fs::exists(path));

    controller.session().destroyQuestion();
    controller.addPaths({QByteArray::fromStdString(dir.makeFile("meanwhile.txt", 10))}, "/");
    controller.session().declineDestroy();
    controller.session().deleteCommand();
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(controller.list().count(), 2);
    EXPECT_EQ(controller.heldCount(), 0);
}

} // namespace
