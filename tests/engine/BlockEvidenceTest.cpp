// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/VerifyingFileOperations.h"
#include "engine/WipeError.h"
#include "engine/WipeRun.h"
#include "tests/support/FakeFileOperations.h"
#include "tests/support/FakeWipeHost.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace wypelark;
using namespace wypelark::testing;

namespace {

struct BlockCase {
    const char* name;
    bool placed;
    bool movesOnWrite;
    std::int64_t deviceReadsOtherAt;
    int deviceReadError;
    std::uint64_t fileSystemType;
    BlockCheck check;
    BlockLimit limit;
    bool destroyed;
    std::uint64_t oldCopyBlocks;
};

void PrintTo(const BlockCase& c, std::ostream* os) {
    *os << c.name;
}

class BlockEvidenceOfARun : public ::testing::TestWithParam<BlockCase> {};

// 10,000 bytes of a file on the device at 1 MiB, overwritten in two passes and checked there.
TEST_P(BlockEvidenceOfARun, saysWhatTheDevicesBlocksHoldAndLeavesAFileTheyBelie) {
    const BlockCase& c = GetParam();
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    disk.addFile("/x/secret", 10000, 's');
    disk.setStorage("/x/secret", {c.fileSystemType, 1, DeviceKind::Rotational});
    if (c.placed)
        disk.placeOnDevice("/x/secret", 1 << 20, c.movesOnWrite);
    disk.deviceReadsOtherAt = c.deviceReadsOtherAt;
    disk.deviceReadError = c.deviceReadError;
    VerifyingFileOperations verifying(disk, '0');
    verifying.setCheckingBlocks(true);
    host.items = {"/x/secret"};
    host.passes = 2;
    WipeRun run(host, verifying);

    run.WipeFiles();

    EXPECT_EQ(disk.exists("/x/secret"), !c.destroyed);
    ASSERT_EQ(verifying.blockEvidence().count("/x/secret"), 1u);
    const BlockEvidence& evidence = verifying.blockEvidence().at("/x/secret");
    EXPECT_EQ(evidence.check, c.check);
    EXPECT_EQ(evidence.limit, c.limit);
    EXPECT_EQ(evidence.oldCopyBlocks, c.oldCopyBlocks);
    if (c.limit == BlockLimit::None) {
        EXPECT_EQ(evidence.moved, c.movesOnWrite);
    }
    if (c.check == BlockCheck::Held) {
        EXPECT_EQ(evidence.bytes, 10000u);
    }
    if (c.destroyed) {
        for (const WipeReport& report : host.reports)
            EXPECT_TRUE(report.failures.empty());
    } else {
        ASSERT_EQ(host.reports.size(), 1u);
        ASSERT_EQ(host.reports[0].failures.size(), 1u);
        EXPECT_EQ(host.reports[0].failures[0].step, WipeStep::Verify);
        EXPECT_EQ(host.reports[0].failures[0].error, make_error_code(WipeErrc::DeviceBlocksDiffer));
    }
}

constexpr std::uint64_t Ext4 = 0xEF53;
constexpr std::uint64_t Btrfs = 0x9123683E;

INSTANTIATE_TEST_SUITE_P(
    Cases, BlockEvidenceOfARun,
    ::testing::Values(
        BlockCase{"inPlace", true, false, -1, 0, Ext4, BlockCheck::Held, BlockLimit::None, true, 0},
        // 10,000 bytes lay in three blocks, which the copy-on-write left as they were.
        BlockCase{"moved", true, true, -1, 0, Ext4, BlockCheck::OldCopyLeft, BlockLimit::None, true,
                  3},
        BlockCase{"lostWrite", true, false, (1 << 20) + 9999, 0, Ext4, BlockCheck::Differs,
                  BlockLimit::None, false, 0},
        BlockCase{"noRights", true, false, -1, EACCES, Ext4, BlockCheck::NotMade,
                  BlockLimit::NoRights, true, 0},
        BlockCase{"btrfs", true, true, -1, 0, Btrfs, BlockCheck::NotMade,
                  BlockLimit::OwnAddressSpace, true, 0},
        BlockCase{"notMapped", false, false, -1, 0, Ext4, BlockCheck::NotMade,
                  BlockLimit::NotMapped, true, 0}),
    [](const ::testing::TestParamInfo<BlockCase>& info) { return std::string(info.param.name); });

} // namespace
