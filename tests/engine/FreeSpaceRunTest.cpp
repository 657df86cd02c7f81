// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/FreeSpaceRun.h"
#include "engine/WipeError.h"
#include "tests/support/FakeFileOperations.h"
#include "tests/support/FakeWipeHost.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <linux/magic.h>
#include <string>
#include <vector>

using namespace wypelark;
using namespace wypelark::testing;

namespace {

constexpr std::uint64_t Free = 1'000'000;
constexpr std::uint32_t Block = 4096;

VolumeSpace volume(std::uint64_t available = Free, std::uint64_t unused = Free) {
    VolumeSpace space;
    space.availableBytes = available;
    space.unusedBytes = unused;
    space.blockSize = Block;
    space.storage.fileSystemType = EXT4_SUPER_MAGIC;
    return space;
}

struct Fill {
    FakeFileOperations disk;
    FakeWipeHost host;
    FreeSpaceRun run{host, disk};

    explicit Fill(VolumeSpace space = volume(), std::int64_t fileLimit = 0) {
        disk.setVolume({space, fileLimit});
        run.setTarget("/vol", space);
    }

    // The operations on the fill files, as "open 1", "flush 1", "close 1", ...: writes and
    // length looks left out.
    std::vector<std::string> fileSteps() const {
        std::vector<std::string> steps;
        for (const RecordedOp& op : disk.ops()) {
            const std::string file = op.path.substr(op.path.find("(fill ") + 6, 1);
            if (op.op == FileOp::Open)
                steps.push_back("open " + file);
            if (op.op == FileOp::Flush)
                steps.push_back("flush " + file);
            if (op.op == FileOp::Close)
                steps.push_back("close " + file);
        }
        return steps;
    }

    void expectSpaceGivenBack() const {
        EXPECT_EQ(disk.fillFilesOpen(), 0);
        EXPECT_EQ(disk.fillHeld(), 0u);
        EXPECT_FALSE(run.resumePending());
        EXPECT_FALSE(disk.fillWentAstray());
    }
};

TEST(FreeSpaceRun, fillsToTheLastBlockThatFitsFlushesAndGivesTheSpaceBackAfterEveryPass) {
    // Root may fill the blocks kept for it; anyone else leaves them, and is told how many.
    Fill fill(volume(Free, Free + 60'000));
    fill.host.passes = 3;

    fill.run.fill();

    const FillReport report = fill.run.takeReport();
    EXPECT_TRUE(report.complete());
    const std::uint64_t fillable = FreeSpaceRun::fillableBytes(volume(Free, Free + 60'000));
    const std::uint64_t filled = fillable / Block * Block;
    EXPECT_EQ(report.filledPerPass, (std::vector<std::uint64_t>{filled, filled, filled}));
    EXPECT_EQ(report.untouchedBytes, Free + 60'000 - filled);
    EXPECT_EQ(report.freeAtStart, fillable);
    EXPECT_EQ(fill.fileSteps(),
              (std::vector<std::string>{"open 1", "flush 1", "close 1", "open 2", "flush 2",
                                        "close 2", "open 3", "flush 3", "close 3"}));
    EXPECT_EQ(fill.host.bar(ProgressBar::Overall).value,
              fill.host.bar(ProgressBar::Overall).maximum);
    EXPECT_EQ(fill.host.bar(ProgressBar::Overall).maximum, static_cast<float>(3 * fillable));
    fill.expectSpaceGivenBack();
}

TEST(FreeSpaceRun, aFileSizeLimitTakesMoreFilesAllHeldUntilThePassIsFlushed) {
    Fill fill(volume(), 300'000);

    fill.run.fill();

    const FillReport report = fill.run.takeReport();
    EXPECT_TRUE(report.complete());
    // Three full files, each ending inside its last block, then what fits in the blocks left.
    constexpr std::uint64_t FullFileBlocks = (300'000 + Block - 1) / Block * Block;
    EXPECT_EQ(report.filledPerPass, std::vector<std::uint64_t>{
                                        3 * 300'000 + (Free - 3 * FullFileBlocks) / Block * Block});
    EXPECT_EQ(report.mostFiles, 4);
    EXPECT_EQ(fill.fileSteps(),
              (std::vector<std::string>{"open 1", "open 2", "open 3", "open 4", "flush 1",
                                        "flush 2", "flush 3", "flush 4", "close 1", "close 2",
                                        "close 3", "close 4"}));
    fill.expectSpaceGivenBack();
}

TEST(FreeSpaceRun, aPausedFillHoldsItsSpaceUntilItGoesOnOrEnds) {
    for (const bool goOn : {true, false}) {
        SCOPED_TRACE(goOn ? "continued" : "ended");
        Fill fill;
        fill.host.onYield = [&](int n) {
            if (n == 3)
                fill.run.setStopRequested(true);
        };

        fill.run.fill();
        EXPECT_TRUE(fill.run.resumePending());
        EXPECT_EQ(fill.disk.fillFilesOpen(), 1);
        EXPECT_EQ(fill.run.heldBytes(), 200'000u);
        EXPECT_EQ(fill.disk.fillHeld(), 200'704u); // in whole blocks
        EXPECT_EQ(fill.host.stops, 1);

        fill.run.setStopRequested(false);
        if (goOn)
            fill.run.fill();
        else
            fill.run.endStopped();

        const FillReport report = fill.run.takeReport();
        EXPECT_EQ(report.complete(), goOn);
        EXPECT_EQ(report.interrupted, !goOn);
        EXPECT_EQ(report.filledPerPass.size(), goOn ? 1u : 0u);
        // The trim follows the last pass only (the fake's device takes no discards).
        EXPECT_EQ(report.trimError == std::errc::operation_not_supported, goOn);
        fill.expectSpaceGivenBack();
    }
}

TEST(FreeSpaceRun, aFailureEndsTheFillAndGivesTheSpaceBack) {
    struct Case {
        const char* name;
        FileOp op;
        int occurrence;
        WipeStep step;
    };
    for (const Case& c : {Case{"write", FileOp::Write, 5, WipeStep::Write},
                          Case{"flush", FileOp::Flush, 1, WipeStep::Flush},
                          Case{"open", FileOp::Open, 1, WipeStep::Open}}) {
        SCOPED_TRACE(c.name);
        Fill fill;
        fill.disk.failOn(c.op, "/vol/(fill 1)", EIO, c.occurrence);

        fill.run.fill();

        const FillReport report = fill.run.takeReport();
        ASSERT_TRUE(report.failure);
        EXPECT_EQ(report.failure->step, c.step);
        EXPECT_EQ(report.failure->error, std::error_code(EIO, std::system_category()));
        EXPECT_TRUE(report.filledPerPass.empty());
        EXPECT_FALSE(report.trimError) << "a failed fill was trimmed";
        fill.expectSpaceGivenBack();
    }
}

TEST(FreeSpaceRun, aPassReadBackIsNamedAndAFillThatReadsBackOtherThanTheFillFails) {
    for (const bool lostAWrite : {false, true}) {
        SCOPED_TRACE(lostAWrite ? "a write lost" : "all kept");
        Fill fill;
        fill.run.setReadBack(true);
        if (lostAWrite)
            fill.disk.fillReadsBackOtherAt = 123'456;

        fill.run.fill();

        const FillReport report = fill.run.takeReport();
        EXPECT_EQ(report.complete(), !lostAWrite);
        if (lostAWrite) {
            ASSERT_TRUE(report.failure);
            EXPECT_EQ(report.failure->step, WipeStep::Verify);
            EXPECT_EQ(report.failure->error, make_error_code(WipeErrc::ReadBackDiffers));
        } else {
            EXPECT_EQ(report.readBack, FillReadBack::ThroughCache);
        }
        fill.expectSpaceGivenBack();
    }
}

TEST(FreeSpaceRun, volumesThatCannotBeFilledAreRefusedWithoutAWrite) {
    struct Case {
        std::uint64_t type;
        bool readOnly;
        WipeErrc reason;
    };
    for (const Case& c : {Case{EXT4_SUPER_MAGIC, true, WipeErrc::ReadOnlyVolume},
                          Case{TMPFS_MAGIC, false, WipeErrc::MemoryVolume},
                          Case{NFS_SUPER_MAGIC, false, WipeErrc::NetworkVolume},
                          Case{PROC_SUPER_MAGIC, false, WipeErrc::KernelFileSystem}}) {
        SCOPED_TRACE(reasonWord(c.reason));
        VolumeSpace space = volume();
        space.storage.fileSystemType = c.type;
        space.readOnly = c.readOnly;
        Fill fill(space);

        fill.run.fill();

        const FillReport report = fill.run.takeReport();
        ASSERT_TRUE(report.failure);
        EXPECT_EQ(report.failure->error, make_error_code(c.reason));
        EXPECT_TRUE(fill.disk.ops().empty());
    }
}

} // namespace
