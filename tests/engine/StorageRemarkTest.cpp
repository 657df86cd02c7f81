// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/StorageRemark.h"
#include "engine/WipeRun.h"
#include "tests/support/FakeFileOperations.h"
#include "tests/support/FakeWipeHost.h"

#include <gtest/gtest.h>

#include <cerrno>

using namespace wypelark;
using namespace wypelark::testing;

namespace {

struct KindCase {
    const char* name;
    std::uint64_t type;
    std::uint64_t links;
    std::vector<StorageReason> reasons;
    DeviceKind device = DeviceKind::Unknown;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << c.name;
}

class StorageKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(StorageKinds, areClassifiedByWhatAnOverwriteInPlaceCanReach) {
    EXPECT_EQ(storageReasons({GetParam().type, GetParam().links, GetParam().device}),
              GetParam().reasons);
}

using R = StorageReason;
INSTANTIATE_TEST_SUITE_P(
    FileSystems, StorageKinds,
    ::testing::Values(
        KindCase{"btrfs", 0x9123683E, 1, {R::CopyOnWrite}},
        KindCase{"zfs", 0x2FC12FC1, 1, {R::CopyOnWrite}},
        KindCase{"bcachefs", 0xCA451A4E, 1, {R::CopyOnWrite}},
        KindCase{"f2fs", 0xF2F52010, 1, {R::CopyOnWrite}},
        KindCase{"nilfs", 0x3434, 1, {R::CopyOnWrite}},
        KindCase{"overlay", 0x794C7630, 1, {R::Overlay}},
        KindCase{"nfs", 0x6969, 1, {R::NetworkOrFuse}},
        KindCase{"cifs", 0xFF534D42, 1, {R::NetworkOrFuse}},
        KindCase{"smb2", 0xFE534D42, 1, {R::NetworkOrFuse}},
        KindCase{"fuse", 0x65735546, 1, {R::NetworkOrFuse}}, KindCase{"ext4", 0xEF53, 1, {}},
        KindCase{"xfs", 0x58465342, 1, {}}, KindCase{"vfat", 0x4D44, 1, {}},
        KindCase{"exfat", 0x2011BAB0, 1, {}}, KindCase{"ntfs3", 0x7366746E, 1, {}},
        KindCase{"tmpfs", 0x01021994, 1, {R::Memory}, DeviceKind::Memory},
        KindCase{"ext4_on_a_disk", 0xEF53, 1, {}, DeviceKind::Rotational},
        KindCase{"ext4_on_flash", 0xEF53, 1, {R::Flash}, DeviceKind::Flash},
        KindCase{"ext4_on_zram", 0xEF53, 1, {R::Memory}, DeviceKind::Memory},
        KindCase{"btrfs_on_flash", 0x9123683E, 1, {R::CopyOnWrite, R::Flash}, DeviceKind::Flash},
        KindCase{"ext4_linked", 0xEF53, 2, {R::OtherNames}},
        KindCase{"btrfs_linked", 0x9123683E, 3, {R::CopyOnWrite, R::OtherNames}}));

constexpr StorageFacts Btrfs{0x9123683E, 1};
constexpr StorageFacts Ext4{0xEF53, 1};
constexpr StorageFacts Nfs{0x6969, 1};
constexpr StorageFacts Ext4Linked{0xEF53, 2};

struct Outcome {
    std::vector<RecordedOp> ops;
    std::vector<WipeReport> reports;
};

Outcome runOver(const std::vector<std::pair<std::string, StorageFacts>>& files,
                int failDeleteOf = -1) {
    FakeFileOperations disk;
    FakeWipeHost host{disk.rule()};
    for (std::size_t i = 0; i < files.size(); ++i) {
        disk.addFile(files[i].first, 70000);
        disk.setStorage(files[i].first, files[i].second);
        host.items.push_back(files[i].first);
        if (static_cast<int>(i) == failDeleteOf)
            disk.failOn(FileOp::Remove, files[i].first, EBUSY);
    }
    host.passes = 2;
    WipeRun run(host, disk);
    run.WipeFiles();
    return {disk.ops(), host.reports};
}

TEST(StorageReport, ordinaryFileSystemsNeedNoMessage) {
    const Outcome outcome = runOver({{"/a", Ext4}, {"/b", Ext4}});
    EXPECT_TRUE(outcome.reports.empty());
}

TEST(StorageReport, namesEachFileThatMayKeepOldCopiesWithItsReason) {
    const Outcome outcome = runOver({{"/cow1", Btrfs},
                                     {"/plain", Ext4},
                                     {"/net", Nfs},
                                     {"/cow2", Btrfs},
                                     {"/linked", Ext4Linked}});

    ASSERT_EQ(outcome.reports.size(), 1u);
    const WipeReport& report = outcome.reports[0];
    EXPECT_TRUE(report.failures.empty());
    std::vector<std::pair<std::string, R>> remarks;
    for (const StorageRemark& remark : report.remarks)
        remarks.emplace_back(remark.path, remark.reason);
    const std::vector<std::pair<std::string, R>> expected{{"/cow1", R::CopyOnWrite},
                                                          {"/net", R::NetworkOrFuse},
                                                          {"/cow2", R::CopyOnWrite},
                                                          {"/linked", R::OtherNames}};
    EXPECT_EQ(remarks, expected);
}

TEST(StorageReport, aFileNotDestroyedIsOnlyAFailure) {
    const Outcome outcome = runOver({{"/cow", Btrfs}, {"/stuck", Btrfs}}, 1);

    ASSERT_EQ(outcome.reports.size(), 1u);
    const WipeReport& report = outcome.reports[0];
    ASSERT_EQ(report.failures.size(), 1u);
    EXPECT_EQ(report.failures[0].path, "/stuck");
    ASSERT_EQ(report.remarks.size(), 1u);
    EXPECT_EQ(report.remarks[0].path, "/cow");
}

TEST(StorageReport, theWritesAndFlushesAreTheSameWhereverTheFileLies) {
    const Outcome ordinary = runOver({{"/f", Ext4}});
    const Outcome cow = runOver({{"/f", Btrfs}});
    ASSERT_EQ(ordinary.ops.size(), cow.ops.size());
    for (std::size_t i = 0; i < ordinary.ops.size(); ++i) {
        EXPECT_EQ(ordinary.ops[i].op, cow.ops[i].op) << i;
        EXPECT_EQ(ordinary.ops[i].position, cow.ops[i].position) << i;
        EXPECT_EQ(ordinary.ops[i].size, cow.ops[i].size) << i;
    }
}

struct ShownCase {
    const char* name;
    const char* shown;
};

void PrintTo(const ShownCase& c, std::ostream* os) {
    *os << c.shown;
}

class ShownNames : public ::testing::TestWithParam<ShownCase> {};

// A name must not pass for another: no hidden characters, no text turned around, no forged
// lines, and no escape that another name could spell out itself.
TEST_P(ShownNames, cannotPassForAnotherName) {
    EXPECT_EQ(printablePath(GetParam().name), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Names, ShownNames,
                         ::testing::Values(ShownCase{"/home/a/r\xc3\xa9sum\xc3\xa9.txt",
                                                     "/home/a/r\xc3\xa9sum\xc3\xa9.txt"},
                                           ShownCase{"invoice\xe2\x80\xaetxt.exe",
                                                     "invoice\\u{202e}txt.exe"},
                                           ShownCase{"a\xe2\x81\xa6"
                                                     "b",
                                                     "a\\u{2066}b"},
                                           ShownCase{"zero\xe2\x80\x8b"
                                                     "width",
                                                     "zero\\u{200b}width"},
                                           ShownCase{"c1\xc2\x85"
                                                     "line",
                                                     "c1\\u{0085}line"},
                                           ShownCase{"bom\xef\xbb\xbf", "bom\\u{feff}"},
                                           ShownCase{"new\nline\x1b", "new\\x0aline\\x1b"},
                                           ShownCase{"not\xff"
                                                     "utf8\xc0\xaf",
                                                     "not\\xffutf8\\xc0\\xaf"},
                                           ShownCase{"back\\x0a", "back\\\\x0a"}));

} // namespace
