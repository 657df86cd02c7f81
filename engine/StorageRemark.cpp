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
    return reasons;
}

bool isKernelFileSystem(std::uint64_t fileSystemType) {
    return among(KernelTypes, fileSystemType);
}

std::string storageReasonText(StorageReason reason) {
    switch (reason) {
    case StorageReason::CopyOnWrite:
        return "On a copy-on-write or log-structured file system new writes go to new blocks, so "
               "the old blocks of these files stay on the device until they are reused:";
    case StorageReason::Overlay:
        return "On an overlay mount the writes went to the upper layer; a copy of these files in "
               "a lower layer is still there:";
    case StorageReason::NetworkOrFuse:
        return "On a network or FUSE file system the server or the FUSE program decides where "
               "writes go, so the old data of these files may remain there:";
    case StorageReason::OtherNames:
        return "These files had other names (hard links): their content was overwritten, but "
               "their other names remain, holding the overwritten content:";
    case StorageReason::Shrank:
        return "These files got shorter while they were overwritten; the blocks they gave back "
               "were not overwritten and may still hold old data:";
    }
    return {};
}

} // namespace wypelark
