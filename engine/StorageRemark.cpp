#include "engine/StorageRemark.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace wypelark {
namespace {

// statfs(2) f_type values, as <linux/magic.h> and the file systems' sources give them.
constexpr std::array<std::uint64_t, 5> CopyOnWriteTypes{
    0x9123683E, // btrfs
    0x2FC12FC1, // ZFS
    0xCA451A4E, // bcachefs
    0xF2F52010, // F2FS
    0x3434,     // NILFS
};
constexpr std::uint64_t OverlayType = 0x794C7630;
constexpr std::array<std::uint64_t, 8> NetworkOrFuseTypes{
    0x6969,     // NFS
    0x517B,     // SMB
    0xFF534D42, // CIFS
    0xFE534D42, // SMB2
    0x65735546, // FUSE, sshfs and FUSE-mounted disks among them
    0x00C36400, // Ceph
    0x01021997, // 9p
    0x6B414653, // AFS
};

constexpr std::array<std::uint64_t, 11> KernelTypes{
    0x62656572, // sysfs
    0x9FA0,     // procfs
    0x64626720, // debugfs
    0x74726163, // tracefs
    0x73636673, // securityfs
    0x62656570, // configfs
    0x27E0EB,   // cgroup
    0x63677270, // cgroup2
    0xDE5E81E4, // efivarfs
    0xCAFE4A11, // bpf
    0x6165676C, // pstore
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
