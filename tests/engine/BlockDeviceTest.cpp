// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/BlockDevice.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

// A sysfs of the test's own: the devices' folders, and /sys/dev/block's links to them.
class FakeSysfs {
public:
    explicit FakeSysfs(const TempDir& dir) : mRoot(dir.path() / "sys") {}

    // A disk (or partition, or virtual device) at the devices path, with the files given.
    void device(const std::string& path,
                const std::vector<std::pair<std::string, std::string>>& files = {}) {
        for (const auto& [name, text] : files) {
            fs::create_directories((mRoot / "devices" / path / name).parent_path());
            std::ofstream(mRoot / "devices" / path / name) << text << "\n";
        }
        fs::create_directories(mRoot / "devices" / path);
    }
    void number(dev_t number, const std::string& path) {
        fs::create_directories(mRoot / "dev/block");
        fs::create_directory_symlink(
            fs::path("../../devices") / path,
            mRoot / "dev/block" /
                (std::to_string(major(number)) + ":" + std::to_string(minor(number))));
    }
    void slave(const std::string& path, const std::string& below) {
        fs::create_directories(mRoot / "devices" / path / "slaves");
        fs::create_directory_symlink(mRoot / "devices" / below, mRoot / "devices" / path /
                                                                    "slaves" /
                                                                    fs::path(below).filename());
    }
    DeviceKind kindOf(dev_t number) const { return deviceKindOf(number, mRoot.string()); }
    std::vector<DeviceNode> nodesOf(dev_t number) const {
        return deviceNodesOf(number, mRoot.string(), "/dev");
    }

private:
    fs::path mRoot;
};

// Partitions, device-mapper over several disks, loop devices over files: each is followed down
// to the disks, whose queue and transport say what they are.
TEST(DeviceKinds, areFoundBelowPartitionsMappersAndLoopDevices) {
    const TempDir dir;
    FakeSysfs sys(dir);
    sys.device("pci0/block/sda", {{"queue/rotational", "1"}, {"sda1/partition", "1"}});
    sys.device("pci0/block/nvme0n1", {{"queue/rotational", "0"}});
    sys.device("pci0/usb1/1-1/block/sdb", {{"queue/rotational", "1"}});
    sys.device("virtual/block/zram0", {{"queue/rotational", "0"}});
    sys.slave("virtual/block/dm-0", "pci0/block/sda/sda1");
    sys.slave("virtual/block/dm-0", "pci0/block/nvme0n1");
    sys.slave("virtual/block/dm-1", "pci0/block/sda/sda1");
    // The loop device's backing file lies on the test's own device, named here as the disk.
    dir.makeFile("image", 1);
    sys.device("virtual/block/loop0", {{"loop/backing_file", dir.file("image")}});
    struct stat image {};
    ASSERT_EQ(::stat(dir.file("image").c_str(), &image), 0);
    sys.number(image.st_dev, "pci0/usb1/1-1/block/sdb");

    // Numbers from the range kept for local use, apart from the test's own device's.
    sys.number(makedev(240, 1), "pci0/block/sda/sda1");
    sys.number(makedev(240, 2), "pci0/block/nvme0n1");
    sys.number(makedev(240, 3), "virtual/block/zram0");
    sys.number(makedev(240, 4), "virtual/block/dm-0");
    sys.number(makedev(240, 5), "virtual/block/dm-1");
    sys.number(makedev(240, 6), "virtual/block/loop0");

    EXPECT_EQ(sys.kindOf(makedev(240, 1)), DeviceKind::Rotational);
    EXPECT_EQ(sys.kindOf(makedev(240, 2)), DeviceKind::Flash);
    EXPECT_EQ(sys.kindOf(makedev(240, 3)), DeviceKind::Memory);
    EXPECT_EQ(sys.kindOf(makedev(240, 4)), DeviceKind::Flash); // one disk below is flash
    EXPECT_EQ(sys.kindOf(makedev(240, 5)), DeviceKind::Rotational);
    EXPECT_EQ(sys.kindOf(makedev(240, 6)), DeviceKind::Flash);  // its file lies on a USB stick
    EXPECT_EQ(sys.kindOf(makedev(0, 42)), DeviceKind::Unknown); // no block device at all
}

// A partition is read through its own node, or else through its disk's from where it starts.
TEST(DeviceNodes, areThePartitionsOwnThenItsDisksFromItsStart) {
    const TempDir dir;
    FakeSysfs sys(dir);
    sys.device("pci0/nvme/nvme0n1", {{"uevent", "MAJOR=259\nMINOR=0\nDEVNAME=nvme0n1"},
                                     {"dev", "259:0"},
                                     {"nvme0n1p2/partition", "2"},
                                     {"nvme0n1p2/start", "2048"},
                                     {"nvme0n1p2/uevent", "DEVNAME=nvme0n1p2"}});
    sys.device("virtual/block/loop3", {{"uevent", "DEVNAME=loop3"}});
    sys.number(makedev(240, 1), "pci0/nvme/nvme0n1/nvme0n1p2");
    sys.number(makedev(240, 2), "virtual/block/loop3");

    const std::vector<DeviceNode> partition = sys.nodesOf(makedev(240, 1));
    ASSERT_EQ(partition.size(), 2u);
    EXPECT_EQ(partition[0].path, "/dev/nvme0n1p2");
    EXPECT_EQ(partition[0].number, makedev(240, 1));
    EXPECT_EQ(partition[0].offset, 0u);
    EXPECT_EQ(partition[1].path, "/dev/nvme0n1");
    EXPECT_EQ(partition[1].number, makedev(259, 0));
    EXPECT_EQ(partition[1].offset, 2048u * 512u);
    const std::vector<DeviceNode> loop = sys.nodesOf(makedev(240, 2));
    ASSERT_EQ(loop.size(), 1u);
    EXPECT_EQ(loop[0].path, "/dev/loop3");
    EXPECT_TRUE(sys.nodesOf(makedev(0, 42)).empty());
}

} // namespace
