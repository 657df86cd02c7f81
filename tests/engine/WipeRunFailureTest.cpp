// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WipeError.h"
#include "engine/WipeRun.h"
#include "tests/support/FakeFileOperations.h"
#include "tests/support/FakeWipeHost.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

using namespace wypelark;
using namespace wypelark::testing;

namespace {

struct FailureCase {
    FileOp op;
    int occurrence;
    WipeStep step;
    int passesFlushed; // of 2, before the failure
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << "op " << static_cast<int>(c.op) << " #" << c.occurrence;
}

class InjectedFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(InjectedFailure, isReportedOnceAndTheOtherFilesAreStillDestroyed) {
    const FailureCase& c = GetParam();
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/x/first", 70000, 'a');
    disk.addFile("/x/bad", 70000, 'b');
    disk.addFile("/x/last", 30, 'c');
    disk.addFile("/x/bystander", 30, 'd');
    host.items = {"/x/first", "/x/bad", "/x/last"};
    host.passes = 2;
    disk.failOn(c.op, "/x/bad", EIO, c.occurrence);
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_FALSE(disk.exists("/x/first"));
    EXPECT_FALSE(disk.exists("/x/last"));
    EXPECT_TRUE(disk.exists("/x/bad")); // a file not destroyed is never deleted half-done
    EXPECT_EQ(disk.entry("/x/bystander").content, std::string(30, 'd'));
    EXPECT_EQ(disk.openFiles(), 0);
    EXPECT_EQ(host.items, std::vector<std::string>{"/x/bad"}); // listed still, to try again
    ASSERT_EQ(host.reports.size(), 1u);
    ASSERT_EQ(host.reports[0].failures.size(), 1u);
    const WipeFailure& failure = host.reports[0].failures[0];
    EXPECT_EQ(failure.path, "/x/bad");
    EXPECT_EQ(failure.step, c.step);
    EXPECT_EQ(failure.error.value(), EIO);
    EXPECT_EQ(failure.passesFlushed, c.passesFlushed);
    if (c.op != FileOp::Remove) {
        EXPECT_EQ(disk.count(FileOp::Remove, "/x/bad"), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, InjectedFailure,
                         ::testing::Values(FailureCase{FileOp::Open, 1, WipeStep::Open, 0},
                                           FailureCase{FileOp::Open, 2, WipeStep::Open, 1},
                                           FailureCase{FileOp::Length, 1, WipeStep::Length, 0},
                                           FailureCase{FileOp::Write, 1, WipeStep::Write, 0},
                                           FailureCase{FileOp::Write, 4, WipeStep::Write, 1},
                                           FailureCase{FileOp::Flush, 1, WipeStep::Flush, 0},
                                           FailureCase{FileOp::Flush, 2, WipeStep::Flush, 1},
                                           FailureCase{FileOp::Close, 2, WipeStep::Close, 1},
                                           FailureCase{FileOp::Remove, 1, WipeStep::Delete, 2}));

TEST(WipeRunFailure, aFailedWriteStopsThatFilesPassesAndIsNotCountedAsDone) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/bad", 120000, 'b');
    host.items = {"/bad"};
    host.passes = 3;
    disk.failOn(FileOp::Write, "/bad", ENOSPC, 2);
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_EQ(disk.count(FileOp::Write, "/bad"), 2);
    EXPECT_EQ(disk.count(FileOp::Flush, "/bad"), 0);
    EXPECT_EQ(host.bar(ProgressBar::Overall).value, 0);
    EXPECT_FALSE(run.holdsOpenFile());
    EXPECT_FALSE(run.resumePending());
}

TEST(WipeRunFailure, missingLinkedAndSpecialPathsAreReportedAndNeverCreatedOrDeleted) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addSpecial("/link", FakeFileOperations::Kind::SymbolicLink);
    disk.addSpecial("/dir", FakeFileOperations::Kind::Directory);
    disk.addSpecial("/fifo", FakeFileOperations::Kind::Fifo);
    disk.addFile("/ok", 5);
    host.items = {"/gone", "/link", "/dir", "/fifo", "/ok"};
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_FALSE(disk.exists("/gone"));
    EXPECT_TRUE(disk.exists("/link"));
    EXPECT_TRUE(disk.exists("/dir"));
    EXPECT_TRUE(disk.exists("/fifo"));
    EXPECT_FALSE(disk.exists("/ok"));
    EXPECT_EQ(disk.count(FileOp::Remove, "/gone") + disk.count(FileOp::Remove, "/link") +
                  disk.count(FileOp::Remove, "/dir") + disk.count(FileOp::Remove, "/fifo"),
              0);
    ASSERT_EQ(host.reports.size(), 1u);
    const auto& failures = host.reports[0].failures;
    ASSERT_EQ(failures.size(), 4u);
    EXPECT_EQ(failures[0].error.value(), ENOENT);
    EXPECT_EQ(failures[1].error, make_error_code(WipeErrc::SymbolicLink));
    EXPECT_EQ(failures[2].error, make_error_code(WipeErrc::NotRegularFile));
    EXPECT_EQ(failures[3].error, make_error_code(WipeErrc::NotRegularFile));
}

TEST(WipeRunFailure, failuresBeforeAStopAreReportedOnceWhenTheContinuedRunEnds) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/big", 200000);
    host.items = {"/gone", "/big"};
    WipeRun run(host, disk);
    host.onYield = [&](int n) {
        if (n == 1)
            run.setStopRequested(true);
    };
    run.WipeFiles();
    EXPECT_TRUE(host.reports.empty());

    host.onYield = nullptr;
    run.setStopRequested(false);
    run.WipeFiles();

    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].failures.size(), 1u);
    EXPECT_EQ(host.items, std::vector<std::string>{"/gone"});
    run.WipeFiles(); // a fresh run tries the file that is still listed once more
    ASSERT_EQ(host.reports.size(), 2u);
    EXPECT_EQ(host.reports[1].failures.size(), 1u);
}

// The folder is flushed once for the deletes made in it; when that fails, its files are not
// called destroyed.
TEST(WipeRunFailure, aFolderThatCannotBeFlushedLeavesItsDeletedFilesNotDestroyed) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    for (const char* path : {"/a/x", "/a/y", "/b/z"})
        disk.addFile(path, 10);
    host.items = {"/a/x", "/a/y", "/b/z"};
    disk.failOn(FileOp::SyncFolder, "/a", EIO);
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_EQ(disk.count(FileOp::SyncFolder, "/a"), 1);
    EXPECT_EQ(disk.count(FileOp::SyncFolder, "/b"), 1);
    EXPECT_EQ(host.items, (std::vector<std::string>{"/a/x", "/a/y"}));
    ASSERT_EQ(host.reports.size(), 1u);
    ASSERT_EQ(host.reports[0].failures.size(), 2u);
    EXPECT_EQ(host.reports[0].failures[0].step, WipeStep::Sync);
    EXPECT_EQ(host.reports[0].failures[0].error.value(), EIO);
    EXPECT_EQ(host.reports[0].failures[0].passesFlushed, 1);
}

} // namespace
