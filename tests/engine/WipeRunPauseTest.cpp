// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WipeRun.h"
#include "tests/support/FakeFileOperations.h"
#include "tests/support/FakeWipeHost.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace wypelark;
using namespace wypelark::testing;

namespace {

const std::map<std::string, std::int64_t> Files{
    {"/p/one", 120000}, {"/p/empty", 0}, {"/p/two", 50001}, {"/p/three", 1}};
const std::vector<std::string> Order{"/p/one", "/p/empty", "/p/two", "/p/three"};

struct FourFiles {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};

    FourFiles() {
        for (const auto& [path, length] : Files)
            disk.addFile(path, length);
        host.items = Order;
        host.passes = 2;
    }
};

std::vector<RecordedOp> writesOf(const FakeFileOperations& disk) {
    std::vector<RecordedOp> writes;
    for (const RecordedOp& op : disk.ops()) {
        if (op.op == FileOp::Write)
            writes.push_back(op);
    }
    return writes;
}

TEST(WipeRunPause, stopsAfterTheWriteFollowingTheRequestAndKeepsItsPlace) {
    FourFiles s;
    WipeRun run(s.host, s.disk);
    s.host.onYield = [&](int n) {
        if (n == 1)
            run.setStopRequested(true);
    };

    run.WipeFiles();

    EXPECT_EQ(s.disk.writesTo("/p/one"), (std::vector<Write>{{1, 50000}, {50000, 50000}}));
    EXPECT_EQ(s.host.yieldCount, 1); // no yield after the stopping write
    EXPECT_TRUE(run.resumePending());
    EXPECT_TRUE(run.holdsOpenFile());
    EXPECT_EQ(s.disk.openFiles(), 1);
    EXPECT_EQ(s.host.stops, 1);
    EXPECT_EQ(run.fileIndex(), 1);
    EXPECT_EQ(run.pass(), 1);
    EXPECT_EQ(run.writePos(), 100000);
    EXPECT_EQ(s.host.bar(ProgressBar::Current).value, 100000);
    EXPECT_EQ(s.host.items, Order);
    EXPECT_EQ(s.host.removeAllCount, 0);

    run.setStopRequested(false);
    run.WipeFiles();

    EXPECT_EQ(s.disk.count(FileOp::Open, "/p/one"), 2); // not reopened for the stopped pass
    EXPECT_EQ(s.disk.writesTo("/p/one")[2], (Write{100000, 20001}));
    EXPECT_TRUE(s.host.items.empty());
}

// Pause after every write the run makes, continue, and compare with a run never paused.
TEST(WipeRunPause, continuingAfterAStopAtAnyWriteEndsEveryFileAsAnUninterruptedRun) {
    FourFiles reference;
    WipeRun referenceRun(reference.host, reference.disk);
    referenceRun.WipeFiles();
    const std::vector<RecordedOp> referenceWrites = writesOf(reference.disk);
    ASSERT_EQ(referenceWrites.size(), 12u);

    for (std::size_t stopAfter = 1; stopAfter <= referenceWrites.size(); ++stopAfter) {
        SCOPED_TRACE("stop after write " + std::to_string(stopAfter));
        FourFiles s;
        WipeRun run(s.host, s.disk);
        if (stopAfter == 1)
            run.setStopRequested(true);
        s.host.onYield = [&](int n) {
            if (static_cast<std::size_t>(n) == stopAfter - 1)
                run.setStopRequested(true);
        };

        run.WipeFiles();
        ASSERT_TRUE(run.resumePending());
        ASSERT_EQ(writesOf(s.disk).size(), stopAfter);
        const float overallAtStop = s.host.bar(ProgressBar::Overall).value;
        const float currentAtStop = s.host.bar(ProgressBar::Current).value;
        s.host.onYield = nullptr;
        run.setStopRequested(false);
        run.WipeFiles();

        // A stop right after a tail write makes the continued pass write the last byte again.
        std::vector<RecordedOp> expected = referenceWrites;
        const RecordedOp& stopping = referenceWrites[stopAfter - 1];
        const std::int64_t length = Files.at(stopping.path);
        if (stopping.position + stopping.size - 1 == length) {
            expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(stopAfter),
                            RecordedOp{FileOp::Write, stopping.path, length, 1});
        }
        const std::vector<RecordedOp> actual = writesOf(s.disk);
        ASSERT_EQ(actual.size(), expected.size());
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_EQ(actual[i].path, expected[i].path) << "write " << i;
            EXPECT_EQ(actual[i].position, expected[i].position) << "write " << i;
            EXPECT_EQ(actual[i].size, expected[i].size) << "write " << i;
        }
        for (const std::string& path : Order) {
            EXPECT_FALSE(s.disk.exists(path)) << path;
            EXPECT_EQ(s.disk.count(FileOp::Open, path), reference.disk.count(FileOp::Open, path));
            EXPECT_EQ(s.disk.count(FileOp::Flush, path), 2);
        }
        EXPECT_FALSE(s.disk.wroteOutsideFile());
        EXPECT_EQ(s.disk.openFiles(), 0);
        EXPECT_TRUE(s.host.items.empty());
        EXPECT_EQ(s.host.bar(ProgressBar::Overall).value, 8);
        EXPECT_GE(s.host.bar(ProgressBar::Overall).value, overallAtStop);
        EXPECT_GT(currentAtStop, 0);
        EXPECT_FALSE(run.resumePending());
        EXPECT_TRUE(s.host.reports.empty());
    }
}

TEST(WipeRunPause, aRequestDuringTheLastYieldLetsTheRunEndNormally) {
    FourFiles s;
    s.host.items = {"/p/three"};
    s.host.passes = 1;
    WipeRun run(s.host, s.disk);
    s.host.onYield = [&](int) { run.setStopRequested(true); };

    run.WipeFiles();

    EXPECT_FALSE(run.resumePending());
    EXPECT_TRUE(run.stopRequested());
    EXPECT_TRUE(s.host.items.empty());
    EXPECT_FALSE(s.disk.exists("/p/three"));
}

TEST(WipeRunPause, aPassCountLoweredWhileStoppedFlushesAndClosesTheFileBeforeDeletingIt) {
    FourFiles s;
    s.host.items = {"/p/one", "/p/two"};
    s.host.passes = 3;
    WipeRun run(s.host, s.disk);
    // Stop in the second pass over /p/one.
    s.host.onYield = [&](int n) {
        if (n == 4)
            run.setStopRequested(true);
    };
    run.WipeFiles();
    ASSERT_EQ(run.pass(), 2);
    ASSERT_TRUE(run.holdsOpenFile());

    s.host.onYield = nullptr;
    s.host.passes = 1;
    run.setStopRequested(false);
    run.WipeFiles();

    const std::vector<RecordedOp>& ops = s.disk.ops();
    std::vector<FileOp> lastOpsOnOne;
    for (const RecordedOp& op : ops) {
        if (op.path == "/p/one")
            lastOpsOnOne.push_back(op.op);
    }
    ASSERT_GE(lastOpsOnOne.size(), 4u);
    EXPECT_EQ(std::vector<FileOp>(lastOpsOnOne.end() - 4, lastOpsOnOne.end()),
              (std::vector<FileOp>{FileOp::Flush, FileOp::Length, FileOp::Close, FileOp::Remove}));
    EXPECT_EQ(s.disk.count(FileOp::Write, "/p/one"), 5); // 3 of pass 1, 2 of the stopped pass
    EXPECT_EQ(s.disk.count(FileOp::Write, "/p/two"), 2); // one pass now
    EXPECT_FALSE(s.disk.exists("/p/one"));
    EXPECT_FALSE(s.disk.exists("/p/two"));
    EXPECT_EQ(s.disk.openFiles(), 0);
    EXPECT_FALSE(run.resumePending());
    EXPECT_TRUE(s.host.reports.empty());
}

TEST(WipeRunPause, aFileThatGetsNoPassIsNeverDeleted) {
    FourFiles s;
    s.host.items = {"/p/one"};
    s.host.passes = 0;
    WipeRun run(s.host, s.disk);

    run.WipeFiles();

    EXPECT_TRUE(s.disk.exists("/p/one"));
    ASSERT_EQ(s.host.reports.size(), 1u);
    EXPECT_EQ(s.host.reports[0].failures.at(0).path, "/p/one");
}

} // namespace
