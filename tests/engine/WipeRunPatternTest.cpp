// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WipeRun.h"
#include "tests/support/FakeFileOperations.h"
#include "tests/support/FakeWipeHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace wypelark;
using namespace wypelark::testing;

namespace {

struct PatternCase {
    std::int64_t length;
    std::vector<Write> writes; // of one pass
    std::vector<float> currentAfterWrites;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.length << " bytes";
}

class WritePattern : public ::testing::TestWithParam<PatternCase> {};

TEST_P(WritePattern, everyPassWritesTheSameBlocksEndingAtTheLastByte) {
    const PatternCase& c = GetParam();
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/d/f", c.length);
    host.items = {"/d/f"};
    host.passes = 3;
    WipeRun run(host, disk);

    run.WipeFiles();

    std::vector<Write> expected;
    for (int pass = 0; pass < 3; ++pass)
        expected.insert(expected.end(), c.writes.begin(), c.writes.end());
    EXPECT_EQ(disk.writesTo("/d/f"), expected);
    EXPECT_FALSE(disk.wroteOutsideFile());
    EXPECT_FALSE(disk.exists("/d/f"));
    EXPECT_EQ(disk.count(FileOp::Open, "/d/f"), 3);
    EXPECT_EQ(disk.count(FileOp::Flush, "/d/f"), 3);
    EXPECT_EQ(disk.count(FileOp::Close, "/d/f"), 3);
    EXPECT_EQ(disk.count(FileOp::Remove, "/d/f"), 1);

    std::vector<float> current;
    for (int pass = 0; pass < 3; ++pass) {
        current.insert(current.end(), c.currentAfterWrites.begin(), c.currentAfterWrites.end());
        if (c.length <= 1)
            current.push_back(1); // a bar of range 0 to 1 is set to 1 at the end of each pass
    }
    EXPECT_EQ(host.bar(ProgressBar::Current).values, current);
    EXPECT_EQ(host.bar(ProgressBar::Current).maximum, c.length < 1 ? 1.0f : float(c.length));
    EXPECT_EQ(host.bar(ProgressBar::Overall).values, (std::vector<float>{0, 1, 2, 3}));
    EXPECT_EQ(run.writePos(), std::max<std::int64_t>(c.length, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, WritePattern,
    ::testing::Values(
        PatternCase{0, {}, {}}, PatternCase{1, {{1, 1}}, {1}}, PatternCase{30, {{1, 30}}, {30}},
        PatternCase{50000, {{1, 50000}}, {50000}},
        PatternCase{50001, {{1, 50000}, {50000, 2}}, {50000, 50001}},
        PatternCase{100000, {{1, 50000}, {50000, 50000}, {100000, 1}}, {50000, 100000, 100000}},
        PatternCase{
            120000, {{1, 50000}, {50000, 50000}, {100000, 20001}}, {50000, 100000, 120000}}));

TEST(WipeRunOrder, eachPassOpensWritesFlushesAndClosesThenTheFileIsDeleted) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/a", 30);
    host.items = {"/a"};
    host.passes = 2;
    WipeRun run(host, disk);

    run.WipeFiles();

    std::vector<FileOp> seen;
    for (const RecordedOp& op : disk.ops())
        seen.push_back(op.op);
    // After the flush the length is looked at again, for bytes appended during the pass.
    const std::vector<FileOp> pass{FileOp::Open,  FileOp::Length, FileOp::Write,
                                   FileOp::Flush, FileOp::Length, FileOp::Close};
    std::vector<FileOp> expected = pass;
    expected.insert(expected.end(), pass.begin(), pass.end());
    expected.push_back(FileOp::Remove);
    expected.push_back(FileOp::SyncFolder); // the delete is durable before the run ends
    EXPECT_EQ(seen, expected);
}

TEST(WipeRunOrder, filesAreHandledInListOrderAndEveryByteBecomesZeroCharacters) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    std::vector<std::string> contents;
    disk.addFile("/b", 70000, 'b');
    disk.addFile("/a", 10, 'a');
    host.items = {"/b", "/a"};
    host.onYield = [&](int) {
        // Between writes the file being written is all '0' up to where the run has got.
        if (disk.exists("/b") && disk.count(FileOp::Write, "/b") == 1)
            contents.push_back(disk.entry("/b").content);
    };
    WipeRun run(host, disk);

    run.WipeFiles();

    ASSERT_EQ(contents.size(), 1u);
    EXPECT_EQ(contents[0], std::string(50000, '0') + std::string(20000, 'b'));
    EXPECT_EQ(disk.ops().front().path, "/b");
    EXPECT_FALSE(disk.exists("/a"));
    EXPECT_FALSE(disk.exists("/b"));
}

TEST(WipeRunProgress, emptyListTouchesNothingAndEndsWithTheOverallBarAtZeroOfOne) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_TRUE(disk.ops().empty());
    EXPECT_EQ(host.bar(ProgressBar::Overall).minimum, 0);
    EXPECT_EQ(host.bar(ProgressBar::Overall).maximum, 1);
    EXPECT_EQ(host.bar(ProgressBar::Overall).value, 0);
    EXPECT_EQ(host.removeAllCount, 1);
    EXPECT_EQ(host.refreshCount, 1);
    EXPECT_TRUE(host.reports.empty());
    EXPECT_EQ(run.fillCounter(), 501);
}

TEST(WipeRunProgress, twoFilesThreePassesFillTheOverallBarToSix) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/a", 30);
    disk.addFile("/b", 0);
    host.items = {"/a", "/b"};
    host.passes = 3;
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_EQ(host.bar(ProgressBar::Overall).maximum, 6);
    EXPECT_EQ(host.bar(ProgressBar::Overall).value, 6);
    EXPECT_TRUE(host.items.empty());
    EXPECT_FALSE(disk.exists("/a"));
    EXPECT_FALSE(disk.exists("/b"));
    EXPECT_EQ(run.pass(), 4); // after the last item the pass stays one above the count
    EXPECT_FALSE(run.resumePending());
    EXPECT_EQ(host.yieldCount, 3); // one write per pass over /a, none over the empty /b
}

TEST(WipeRunProgress, aFreshRunAfterAStoppedOneStartsItsBarsAgain) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/a", 30);
    host.items = {"/a"};
    host.passes = 2;
    WipeRun run(host, disk);
    run.WipeFiles();
    disk.addFile("/b", 30);
    host.items = {"/b"};
    host.passes = 1;

    run.WipeFiles();

    EXPECT_EQ(host.bar(ProgressBar::Overall).maximum, 1);
    EXPECT_EQ(host.bar(ProgressBar::Overall).value, 1);
    EXPECT_FALSE(disk.exists("/b"));
}

TEST(WipeRunNested, itemsAddedDuringAYieldAreDestroyedInTheSameRunWithoutRaisingTheBar) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/a", 120000);
    disk.addFile("/late", 10);
    disk.addFile("/last", 10);
    host.items = {"/a"};
    host.passes = 2;
    host.onYield = [&](int n) {
        if (n == 1)
            host.items.push_back("/late");
    };
    // Added while the run waits on what was the last item's delete: entered as a fresh item.
    disk.onRemove = [&](const std::string& path) {
        if (path == "/late")
            host.items.push_back("/last");
    };
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_FALSE(disk.exists("/late"));
    EXPECT_EQ(disk.writesTo("/late"), (std::vector<Write>{{1, 10}, {1, 10}}));
    EXPECT_EQ(disk.writesTo("/last"), (std::vector<Write>{{1, 10}, {1, 10}}));
    EXPECT_EQ(host.bar(ProgressBar::Overall).maximum, 2);
    EXPECT_EQ(host.bar(ProgressBar::Overall).value, 2);
}

TEST(WipeRunNested, aPassCountRaisedDuringAYieldAppliesFromTheNextPassTest) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/a", 10);
    disk.addFile("/b", 10);
    host.items = {"/a", "/b"};
    host.passes = 1;
    host.onYield = [&](int n) {
        if (n == 1)
            host.passes = 3;
    };
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_EQ(disk.count(FileOp::Write, "/a"), 3);
    EXPECT_EQ(disk.count(FileOp::Write, "/b"), 3);
    EXPECT_EQ(host.bar(ProgressBar::Overall).maximum, 2);
    EXPECT_EQ(host.bar(ProgressBar::Overall).value, 2);
}

TEST(WipeRunNested, aSecondCallDuringAYieldReturnsAtOnceWithoutTouchingTheRun) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/a", 120000);
    host.items = {"/a"};
    WipeRun* running = nullptr;
    std::size_t opsBefore = 0;
    std::size_t opsAfter = 0;
    host.onYield = [&](int n) {
        if (n != 1)
            return;
        opsBefore = disk.ops().size();
        const std::int64_t pos = running->writePos();
        running->WipeFiles();
        opsAfter = disk.ops().size();
        EXPECT_EQ(running->writePos(), pos);
        EXPECT_TRUE(running->active());
    };
    WipeRun run(host, disk);
    running = &run;

    run.WipeFiles();

    EXPECT_EQ(opsAfter, opsBefore);
    EXPECT_EQ(disk.writesTo("/a"),
              (std::vector<Write>{{1, 50000}, {50000, 50000}, {100000, 20001}}));
    EXPECT_EQ(host.removeAllCount, 1);
    EXPECT_FALSE(run.active());
}

TEST(WipeRunLarge, filesOfTwoGibibytesAndMoreAreOverwrittenToTheirLastByte) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    const std::int64_t length = (std::int64_t{1} << 31) + 12345;
    disk.addFile("/big", length);
    host.items = {"/big"};
    WipeRun run(host, disk);

    run.WipeFiles();

    const std::vector<Write> writes = disk.writesTo("/big");
    ASSERT_FALSE(writes.empty());
    EXPECT_FALSE(disk.wroteOutsideFile());
    const Write last = writes.back();
    EXPECT_EQ(last.position + last.size - 1, length);
    // The blocks cover the file without a gap.
    EXPECT_EQ(writes.front().position, 1);
    std::int64_t coveredTo = 0;
    for (const Write& write : writes) {
        ASSERT_LE(write.position, coveredTo + 1);
        coveredTo = std::max(coveredTo, write.position + write.size - 1);
    }
    EXPECT_EQ(coveredTo, length);
    EXPECT_FALSE(disk.exists("/big"));
}

} // namespace
