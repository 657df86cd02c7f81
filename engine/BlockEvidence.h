// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <sys/types.h>
#include <system_error>
#include <utility>
#include <vector>

namespace wypelark {

// A piece of a file's data and where it lies on the device, as FS_IOC_FIEMAP tells.
struct Extent {
    std::uint64_t logical = 0;  // the offset in the file
    std::uint64_t physical = 0; // the offset on the file system's device
    std::uint64_t length = 0;
    std::uint32_t flags = 0; // FIEMAP_EXTENT_*
};

// Where a file's data lay when it was asked.
struct FileExtents {
    dev_t device = 0; // the device the physical offsets count on (the file's st_dev)
    std::uint64_t fileSystemType = 0;
    std::uint64_t size = 0; // the file's length then
    std::uint32_t blockSize = 4096;
    std::vector<Extent> extents;
};

// What the device's own blocks showed of a destroyed file.
enum class BlockCheck {
    Held,        // every block of the file held the fill, and no old copy was found
    OldCopyLeft, // the data moved: its old blocks, now free space, still hold other bytes
    Differs,     // a block of the file holds other than the fill
    NotMade,     // the check could not be made, for the reason given
};

// Why the device's blocks could not be looked at.
enum class BlockLimit {
    None,
    NotMapped,        // the file system does not say where the data lies
    OwnAddressSpace,  // btrfs and the like map their own addresses, not the device's
    NotOnDevice,      // network, FUSE, overlay, memory: no device of this machine holds it
    UnmappableExtent, // encrypted, inline, packed, delayed or unknown extents
    SharedExtent,     // blocks shared with another file or a snapshot
    NoDeviceNode,     // no device node of this machine reads that device
    NoRights,         // the device may not be read by this user (never asked for more)
};

struct BlockEvidence {
    BlockCheck check = BlockCheck::NotMade;
    BlockLimit limit = BlockLimit::None;
    std::uint64_t extents = 0;       // pieces of the file read from the device
    std::uint64_t bytes = 0;         // bytes of the file compared there
    std::uint64_t oldCopyBlocks = 0; // old blocks that still hold anything but the fill
    bool moved = false;              // the data lay elsewhere before the first pass
    // The device's bytes compared, as offset and length, for anyone to read again.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges;
};

// Reads length bytes of the device from offset, both aligned to its blocks, handing each piece
// to chunk (with its offset from the start of the range).
using ReadDeviceChunk =
    std::function<bool(std::uint64_t offset, const char* data, std::size_t size)>;
using DeviceReader = std::function<std::error_code(
    dev_t device, std::uint64_t offset, std::uint64_t length, const ReadDeviceChunk& chunk)>;

// Why the extents cannot be checked on the device; None when they can.
BlockLimit limitOf(const FileExtents& extents);

// Compares the blocks the file lies on after its last pass with the fill, and reads the blocks
// it lay on before its first pass that it no longer does. A read that fails for want of rights
// or of a device node ends in NotMade; any other failure comes back as the error.
std::error_code checkBlocks(const FileExtents& before, const FileExtents& after, char fill,
                            const DeviceReader& read, BlockEvidence& evidence);

// The limit as a stable word for machine-read reports ("no-rights", ...).
const char* limitWord(BlockLimit limit);

} // namespace wypelark
