// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/MountInfo.h"
#include "browse/PosixDirectoryAccess.h"

#include <QList>

#include <gtest/gtest.h>

#include <sys/sysmacros.h>

using namespace wypelark;

namespace {

TEST(MountTable, keepsBrowsableVolumesAndLeavesPseudoFileSystemsOut) {
    const QByteArray table = "22 1 0:21 / /proc rw - proc proc rw\n"
                             "23 1 0:22 / /sys rw - sysfs sysfs rw\n"
                             "24 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                             "25 24 8:2 / /home rw - xfs /dev/sda2 rw\n"
                             "26 24 0:30 / /sys/fs/cgroup rw - cgroup2 cgroup2 rw\n"
                             "27 24 8:17 / /run/media/ann/My\\040Stick rw - vfat /dev/sdb1 rw\n"
                             "28 24 0:40 / /run/user/1000 rw - tmpfs tmpfs rw\n"
                             "29 24 0:41 / /dev/shm rw - tmpfs tmpfs rw\n";
    const std::vector<Volume> volumes = parseMountInfo(table);
    QList<QByteArray> points;
    for (const Volume& volume : volumes)
        points << volume.mountPoint;
    EXPECT_EQ(points, (QList<QByteArray>{"/", "/home", "/run/media/ann/My Stick"}));
    EXPECT_EQ(volumeHolding(volumes, "/home/ann/docs"), QByteArray("/home"));
    EXPECT_EQ(volumeHolding(volumes, "/homework"), QByteArray("/"));
    EXPECT_EQ(volumeHolding(volumes, "/run/media/ann/My Stick"),
              QByteArray("/run/media/ann/My Stick"));
}

// The record names a device by the same table: its escapes are undone there too.
TEST(MountTable, namesTheSourceOfEachDeviceWithItsEscapesUndone) {
    const std::vector<MountInfoEntry> entries =
        parseMountInfoEntries("27 24 8:17 / /mnt/a\\134b rw - fuse.sshfs my\\040src\\011x rw\n"
                              "bad line\n");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].device, makedev(8, 17));
    EXPECT_EQ(entries[0].mountPoint, QByteArray("/mnt/a\\b"));
    EXPECT_EQ(entries[0].type, QByteArray("fuse.sshfs"));
    EXPECT_EQ(entries[0].source, QByteArray("my src\tx"));
}

} // namespace
