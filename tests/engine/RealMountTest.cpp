// SPDX-License-Identifier: LicenseRef-proprietary
// Where the machine allows (root, a kernel that lets this process mount), destroys files on a
// real overlay mount and a real loop-mounted btrfs image, and checks what the end-of-run report
// says of them. Elsewhere the tests are skipped with the reason.
#include "engine/PosixFileOperations.h"
#include "engine/WipeError.h"
#include "engine/WipeRun.h"
#include "tests/support/FakeWipeHost.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/mount.h>
#include <unistd.h>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

// Unmounts what a test mounted, whatever happens in the test.
class MountGuard {
public:
    explicit MountGuard(std::string target) : mTarget(std::move(target)) {}
    ~MountGuard() { ::umount2(mTarget.c_str(), MNT_DETACH); }
    MountGuard(const MountGuard&) = delete;
    MountGuard& operator=(const MountGuard&) = delete;

private:
    std::string mTarget;
};

std::vector<StorageRemark> destroy(const std::string& path) {
    FakeWipeHost host;
    host.items = {path};
    PosixFileOperations disk;
    WipeRun run(host, disk);
    run.WipeFiles();
    EXPECT_FALSE(fs::exists(path));
    if (host.reports.empty())
        return {};
    EXPECT_TRUE(host.reports[0].failures.empty()) << host.reports[0].failures[0].path;
    return host.reports[0].remarks;
}

TEST(RealMounts, anOverlayFileIsReportedAndItsLowerCopyStays) {
    TempDir dir;
    for (const char* sub : {"lower", "upper", "work", "merged"})
        fs::create_directory(dir.file(sub));
    dir.makeFile("lower/secret", 70000, 's');
    const std::string options = "lowerdir=" + dir.file("lower") + ",upperdir=" + dir.file("upper") +
                                ",workdir=" + dir.file("work");
    if (::mount("overlay", dir.file("merged").c_str(), "overlay", 0, options.c_str()) != 0)
        GTEST_SKIP() << "cannot mount an overlay here: " << std::strerror(errno);
    const MountGuard mounted(dir.file("merged"));

    const std::vector<StorageRemark> remarks = destroy(dir.file("merged/secret"));

    ASSERT_EQ(remarks.size(), 1u);
    EXPECT_EQ(remarks[0].reason, StorageReason::Overlay);
    EXPECT_EQ(readWhole(dir.file("lower/secret")), std::string(70000, 's'));
}

TEST(RealMounts, aFileOnBtrfsIsReportedAsCopyOnWrite) {
    if (std::system("command -v mkfs.btrfs >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "mkfs.btrfs is not installed";
    TempDir dir;
    const std::string image = dir.file("btrfs.img");
    fs::resize_file(dir.makeFile("btrfs.img", 0), 256u << 20);
    fs::create_directory(dir.file("mnt"));
    if (std::system(("mkfs.btrfs -q " + image + " >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "mkfs.btrfs could not make an image";
    if (std::system(("mount -o loop " + image + " " + dir.file("mnt") + " 2>/dev/null").c_str()) !=
        0)
        GTEST_SKIP() << "cannot loop-mount an image here (no loop device or no permission)";
    const MountGuard mounted(dir.file("mnt"));
    dir.makeFile("mnt/secret", 70000, 's');
    dir.makeFile("mnt/linked", 30, 'l');
    ASSERT_EQ(::link(dir.file("mnt/linked").c_str(), dir.file("mnt/other-name").c_str()), 0);

    const std::vector<StorageRemark> secret = destroy(dir.file("mnt/secret"));
    const std::vector<StorageRemark> linked = destroy(dir.file("mnt/linked"));

    ASSERT_EQ(secret.size(), 1u);
    EXPECT_EQ(secret[0].reason, StorageReason::CopyOnWrite);
    ASSERT_EQ(linked.size(), 2u);
    EXPECT_EQ(linked[0].reason, StorageReason::CopyOnWrite);
    EXPECT_EQ(linked[1].reason, StorageReason::OtherNames);
    EXPECT_EQ(readWhole(dir.file("mnt/other-name")), std::string(30, '0'));
}

TEST(RealMounts, aFileWithAnotherNameOnThisDiskIsReported) {
    TempDir dir;
    dir.makeFile("first", 100, 'f');
    ASSERT_EQ(::link(dir.file("first").c_str(), dir.file("second").c_str()), 0);

    const std::vector<StorageRemark> remarks = destroy(dir.file("first"));

    ASSERT_FALSE(remarks.empty());
    EXPECT_EQ(remarks.back().reason, StorageReason::OtherNames);
    EXPECT_EQ(readWhole(dir.file("second")), std::string(100, '0'));
}

// ext4 with small inodes keeps no birth time: the inode generation tells a file from the one made
// after it under the same inode number.
TEST(RealMounts, aFileMadeAgainUnderTheSameInodeNumberIsToldApartWithoutBirthTimes) {
    TempDir dir;
    const std::string image = dir.file("ext4.img");
    fs::resize_file(dir.makeFile("ext4.img", 0), 32u << 20);
    fs::create_directory(dir.file("mnt"));
    if (std::system(("mkfs.ext4 -q -I 128 " + image + " >/dev/null 2>&1").c_str()) != 0)
        GTEST_SKIP() << "mkfs.ext4 could not make an image";
    if (std::system(("mount -o loop " + image + " " + dir.file("mnt") + " 2>/dev/null").c_str()) !=
        0)
        GTEST_SKIP() << "cannot loop-mount an image here (no loop device or no permission)";
    const MountGuard mounted(dir.file("mnt"));
    const std::string path = dir.makeFile("mnt/notes", 100, 'n');
    FileIdentity listed;
    std::int64_t size = 0;
    ASSERT_FALSE(identifyFile(path, listed, size));
    EXPECT_EQ(listed.file.stamp.kind, InodeStamp::Kind::Generation);
    fs::remove(path);
    dir.makeFile("mnt/notes", 100, 'i');
    FileIdentity now;
    ASSERT_FALSE(identifyFile(path, now, size));
    if (now.file.inode != listed.file.inode)
        GTEST_SKIP() << "the inode number was not handed out again";

    PosixFileOperations disk;
    EXPECT_EQ(disk.open(path, listed).error, make_error_code(WipeErrc::Changed));
    EXPECT_EQ(disk.remove(path, listed).error, make_error_code(WipeErrc::Changed));
    EXPECT_EQ(readWhole(path), std::string(100, 'i'));
}

} // namespace
