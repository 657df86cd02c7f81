// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace wypelark {

// What a file's data really lies on, as far as the kernel tells.
enum class DeviceKind {
    Unknown,    // no block device (network, FUSE, ...), or one that says nothing
    Rotational, // a spinning disk
    Flash,      // an SSD, NVMe, USB stick or memory card: wear levelling can keep old copies
    Memory,     // a RAM disk or zram: nothing reaches a persistent device
};

// Follows the device a file lies on (its st_dev) through /sys/dev/block: a partition to its
// disk, device-mapper and RAID to the devices below them (/sys/block/*/slaves), a loop device to
// the device its backing file lies on; then asks the disk: a RAM disk or zram is memory, a disk
// whose queue is not rotational, or that hangs on USB, MMC or NVMe, is flash. Flash wins when
// devices below disagree. sysfs is where sysfs is mounted.
DeviceKind deviceKindOf(dev_t device, const std::string& sysfs = "/sys");

// A device node that reads a block device, and where that device's first byte lies in it.
struct DeviceNode {
    std::string path;
    dev_t number = 0; // what the node must be, checked when it is opened
    std::uint64_t offset = 0;
};

// The nodes that read the device, as /sys/dev/block names them: its own; then, for a partition,
// its disk's, from the partition's start.
std::vector<DeviceNode> deviceNodesOf(dev_t device, const std::string& sysfs = "/sys",
                                      const std::string& devfs = "/dev");

} // namespace wypelark
