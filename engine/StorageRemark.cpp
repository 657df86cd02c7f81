// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/StorageRemark.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <linux/magic.h>

namespace wypelark {
namespace {

// statfs(2) f_type values: <linux/magic.h>'s, and the file systems' own sources for those it
// lacks.
constexpr std::array<std::uint64_t, 5> CopyOnWriteTypes{
    BTRFS_SUPER_MAGIC,
    0x2FC12FC1, // ZFS, not in <linux/magic.h>
    0xCA451A4E, // bcachefs, not in <linux/magic.h>
    F2FS_SUPER_MAGIC,  NILFS_SUPER_MAGIC,
};
constexpr std::uint64_t OverlayType = OVERLAYFS_SUPER_MAGIC;
constexpr std::array<std::uint64_t, 8> NetworkOrFuseTypes{
    NFS_SUPER_MAGIC,  SMB_SUPER_MAGIC, CIFS_SUPER_MAGIC, SMB2_SUPER_MAGIC,
    FUSE_SUPER_MAGIC, // sshfs and FUSE-mounted disks among them
    CEPH_SUPER_MAGIC, V9FS_MAGIC,      AFS_FS_MAGIC,
};

constexpr std::array<std::uint64_t, 11> KernelTypes{
    SYSFS_MAGIC,        PROC_SUPER_MAGIC,    DEBUGFS_MAGIC,  TRACEFS_MAGIC, SECURITYFS_MAGIC,
    0x62656570, // configfs, not in <linux/magic.h>
    CGROUP_SUPER_MAGIC, CGROUP2_SUPER_MAGIC, EFIVARFS_MAGIC, BPF_FS_MAGIC,  PSTOREFS_MAGIC,
};

template <std::size_t N> bool among(const std::array<std::uint64_t, N>& types, std::uint64_t type) {
    return std::find(types.begin(), types.end(), type) != types.end();
}

} // namespace

std::vector<StorageReason> storageReasons(const StorageFacts& facts) {
    std::vector<StorageReason> reasons;
    if (among(CopyOnWriteTypes, facts.fileSystemType))
        reasons.push_back(StorageReason::CopyOnWrite);
    if (facts.fileSystemType == OverlayType)
        reasons.push_back(StorageReason::Overlay);
    if (among(NetworkOrFuseTypes, facts.fileSystemType))
        reasons.push_back(StorageReason::NetworkOrFuse);
    if (facts.linkCount > 1)
        reasons.push_back(StorageReason::OtherNames);
    if (facts.device == DeviceKind::Flash)
        reasons.push_back(StorageReason::Flash);
    if (facts.device == DeviceKind::Memory)
        reasons.push_back(StorageReason::Memory);
    return reasons;
}

bool inMemoryType(std::uint64_t fileSystemType) {
    return fileSystemType == TMPFS_MAGIC || fileSystemType == RAMFS_MAGIC;
}

bool isNetworkFileSystem(std::uint64_t fileSystemType) {
    return fileSystemType != FUSE_SUPER_MAGIC && among(NetworkOrFuseTypes, fileSystemType);
}

bool isKernelFileSystem(std::uint64_t fileSystemType) {
    return among(KernelTypes, fileSystemType);
}

} // namespace wypelark
