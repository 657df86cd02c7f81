// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileOperations.h"

#include <string>
#include <vector>

namespace wypelark {

// Why an overwrite in place may not have reached every copy of a destroyed file.
enum class StorageReason {
    CopyOnWrite,   // btrfs, ZFS, bcachefs, F2FS, NILFS: new writes go to new blocks
    Overlay,       // overlayfs: the writes go to the upper layer, the lower copy stays
    NetworkOrFuse, // NFS, SMB/CIFS, sshfs and other FUSE: the server decides
    OtherNames,    // more than one hard link: the content is gone, the other names remain
    Shrank,        // shorter after a pass than before it: the blocks it gave back kept their data
    Flash,         // on an SSD, NVMe, USB stick or card: wear levelling can keep old copies
    Memory,        // tmpfs, a RAM disk or zram: nothing reached a device, and nothing outlasts it
};

inline constexpr StorageReason AllStorageReasons[] = {
    StorageReason::CopyOnWrite, StorageReason::Overlay, StorageReason::NetworkOrFuse,
    StorageReason::OtherNames,  StorageReason::Shrank,  StorageReason::Flash,
    StorageReason::Memory};

// What can be said of a file from where it lies; nothing for ordinary local file systems.
std::vector<StorageReason> storageReasons(const StorageFacts& facts);

// The file systems whose files live in memory alone: tmpfs and ramfs.
bool inMemoryType(std::uint64_t fileSystemType);

// The file systems whose blocks lie on another machine: NFS, SMB/CIFS, Ceph, 9p, AFS.
bool isNetworkFileSystem(std::uint64_t fileSystemType);

// The kernel's own file systems (sysfs, procfs and the like), whose files are settings and
// windows into the kernel, not data on a device.
bool isKernelFileSystem(std::uint64_t fileSystemType);

} // namespace wypelark
