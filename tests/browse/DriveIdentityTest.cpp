// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/DriveIdentity.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/sysmacros.h>

using namespace wypelark;
namespace fs = std::filesystem;

namespace {

// A sysfs tree as the kernel lays it out: /sys/dev/block/MAJ:MIN links to the device's folder,
// a partition is a folder inside its disk, a mapped device links the devices it lies on.
class FakeSysfs {
public:
    FakeSysfs() {
        disk("devices/pci0/virtio1/block/vda", "254:0");
        write("devices/pci0/virtio1/block/vda/serial", "133663718460618\n");
        disk("devices/pci0/nvme/nvme0/nvme0n1", "259:0");
        link("devices/pci0/nvme/nvme0/nvme0n1/device", "devices/pci0/nvme/nvme0");
        write("devices/pci0/nvme/nvme0/model", "Samsung SSD 980 1TB                     \n");
        write("devices/pci0/nvme/nvme0/serial", "S649NX0R123456A     \n");
        partition("devices/pci0/nvme/nvme0/nvme0n1/nvme0n1p2", "259:2");
        disk("devices/pci0/ata1/host0/block/sda", "8:0");
        write("devices/pci0/ata1/host0/block/sda/device/model", "WDC WD10EZEX-08W\n");
        write("devices/pci0/ata1/host0/block/sda/device/vpd_pg80",
              std::string("\0\x80\0\x0f", 4) + "     WD-WCC6Y012");
        partition("devices/pci0/ata1/host0/block/sda/sda1", "8:1");
        partition("devices/pci0/ata1/host0/block/sda/sda2", "8:2");
        disk("devices/virtual/block/dm-0", "253:0");
        link("devices/virtual/block/dm-0/slaves/sda2", "devices/pci0/ata1/host0/block/sda/sda2");
        disk("devices/virtual/block/dm-1", "253:1");
        link("devices/virtual/block/dm-1/slaves/dm-0", "devices/virtual/block/dm-0");
        disk("devices/virtual/block/md0", "9:0");
        link("devices/virtual/block/md0/slaves/sda1", "devices/pci0/ata1/host0/block/sda/sda1");
        link("devices/virtual/block/md0/slaves/vda", "devices/pci0/virtio1/block/vda");
        disk("devices/virtual/block/loop0", "7:0");
    }

    QString root() const { return QString::fromStdString(mDir.path().string()); }

private:
    void disk(const std::string& folder, const std::string& number) {
        fs::create_directories(mDir.path() / folder);
        link("dev/block/" + number, folder);
    }
    void partition(const std::string& folder, const std::string& number) {
        disk(folder, number);
        write(folder + "/partition", "2\n");
    }
    void link(const std::string& from, const std::string& to) {
        fs::create_directories((mDir.path() / from).parent_path());
        fs::create_directory_symlink(mDir.path() / to, mDir.path() / from);
    }
    void write(const std::string& file, const std::string& bytes) {
        fs::create_directories((mDir.path() / file).parent_path());
        std::ofstream(mDir.path() / file, std::ios::binary) << bytes;
    }

    wypelark::testing::TempDir mDir;
};

TEST(DriveIdentity, namesTheDriveUnderEachKindOfBlockDevice) {
    const FakeSysfs sysfs;
    const struct {
        unsigned major, minor;
        const char* model;
        const char* serial;
    } rows[] = {
        {254, 0, "", "133663718460618"},                    // virtio: the disk's own serial
        {259, 2, "Samsung SSD 980 1TB", "S649NX0R123456A"}, // an NVMe partition: its controller
        {8, 1, "WDC WD10EZEX-08W", "WD-WCC6Y012"},          // SATA: the inquiry page
        {253, 1, "WDC WD10EZEX-08W", "WD-WCC6Y012"},        // LVM on LUKS on a partition
        {9, 0, "", ""},                                     // two drives: neither is named
        {7, 0, "", ""},                                     // a loop device
        {0, 45, "", ""},                                    // no device: tmpfs
    };
    for (const auto& row : rows) {
        const DriveIdentity identity = driveIdentity(makedev(row.major, row.minor), sysfs.root());
        EXPECT_EQ(identity.model, QString::fromLatin1(row.model)) << row.major << ":" << row.minor;
        EXPECT_EQ(identity.serial, QString::fromLatin1(row.serial))
            << row.major << ":" << row.minor;
        EXPECT_EQ(identity.known(), *row.model || *row.serial);
    }
}

} // namespace
