// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/BlockEvidence.h"

#include "engine/StorageRemark.h"

#include <algorithm>
#include <cstring>
#include <linux/fiemap.h>
#include <sys/sysmacros.h>

namespace wypelark {
namespace {

// Extents whose physical offset does not say where the bytes lie as written.
constexpr std::uint32_t UnmappableFlags = FIEMAP_EXTENT_UNKNOWN | FIEMAP_EXTENT_DELALLOC |
                                          FIEMAP_EXTENT_ENCODED | FIEMAP_EXTENT_DATA_ENCRYPTED |
                                          FIEMAP_EXTENT_NOT_ALIGNED | FIEMAP_EXTENT_DATA_INLINE |
                                          FIEMAP_EXTENT_DATA_TAIL;

constexpr std::uint64_t BtrfsMagic = 0x9123683E;
constexpr std::uint64_t BcachefsMagic = 0xCA451A4E;
constexpr std::uint64_t ZfsMagic = 0x2FC12FC1;
constexpr std::uint64_t FuseMagic = 0x65735546;
constexpr std::uint64_t OverlayMagic = 0x794C7630;

// A stretch of the device, end excluded.
struct Range {
    std::uint64_t start = 0;
    std::uint64_t end = 0;
};

// The bytes of the file an extent holds, on the device; empty past the file's end.
Range inFile(const Extent& extent, std::uint64_t size) {
    if (extent.logical >= size)
        return {};
    const std::uint64_t bytes = std::min(extent.length, size - extent.logical);
    return {extent.physical, extent.physical + bytes};
}

// The written ranges of the file, those that held its data.
std::vector<Range> dataRanges(const FileExtents& file) {
    std::vector<Range> ranges;
    for (const Extent& extent : file.extents)
        if ((extent.flags & FIEMAP_EXTENT_UNWRITTEN) == 0)
            if (const Range range = inFile(extent, file.size); range.end > range.start)
                ranges.push_back(range);
    return ranges;
}

// What lay in old and lies in no range of now.
std::vector<Range> without(const std::vector<Range>& old, std::vector<Range> now) {
    std::sort(now.begin(), now.end(), [](Range a, Range b) { return a.start < b.start; });
    std::vector<Range> left;
    for (const Range range : old) {
        std::uint64_t from = range.start;
        for (const Range taken : now) {
            if (taken.end <= from || taken.start >= range.end)
                continue;
            if (taken.start > from)
                left.push_back({from, taken.start});
            from = std::max(from, taken.end);
        }
        if (from < range.end)
            left.push_back({from, range.end});
    }
    return left;
}

BlockLimit limitOfError(const std::error_code& error) {
    if (error == std::errc::permission_denied || error == std::errc::operation_not_permitted)
        return BlockLimit::NoRights;
    if (error == std::errc::no_such_file_or_directory || error == std::errc::no_such_device ||
        error == std::errc::no_such_device_or_address)
        return BlockLimit::NoDeviceNode;
    return BlockLimit::None;
}

// Reads the range from the device, from its start to the next block boundary past its end, and
// counts the blocks whose bytes inside the range are not all the fill.
std::error_code countOtherBlocks(const DeviceReader& read, dev_t device, Range range,
                                 std::uint32_t blockSize, char fill, std::uint64_t& otherBlocks) {
    const std::uint64_t bytes = range.end - range.start;
    const std::uint64_t aligned = (bytes + blockSize - 1) / blockSize * blockSize;
    const std::string fillBlock(blockSize, fill);
    std::uint64_t lastOther = UINT64_MAX;
    return read(device, range.start, aligned,
                [&](std::uint64_t offset, const char* data, std::size_t size) {
                    const std::uint64_t end = std::min<std::uint64_t>(offset + size, bytes);
                    for (std::uint64_t at = offset; at < end;) {
                        const std::uint64_t block = at / blockSize;
                        const std::uint64_t blockEnd = std::min((block + 1) * blockSize, end);
                        if (block != lastOther &&
                            std::memcmp(data + (at - offset), fillBlock.data(), blockEnd - at) !=
                                0) {
                            lastOther = block;
                            ++otherBlocks;
                        }
                        at = blockEnd;
                    }
                    return true;
                });
}

} // namespace

BlockLimit limitOf(const FileExtents& file) {
    const std::uint64_t type = file.fileSystemType;
    if (type == BtrfsMagic || type == BcachefsMagic || type == ZfsMagic)
        return BlockLimit::OwnAddressSpace;
    if (type == FuseMagic || type == OverlayMagic || inMemoryType(type) ||
        isNetworkFileSystem(type) || major(file.device) == 0)
        return BlockLimit::NotOnDevice;
    for (const Extent& extent : file.extents) {
        if (extent.logical >= file.size)
            continue;
        if ((extent.flags & UnmappableFlags) != 0)
            return BlockLimit::UnmappableExtent;
        if ((extent.flags & FIEMAP_EXTENT_SHARED) != 0)
            return BlockLimit::SharedExtent;
    }
    return BlockLimit::None;
}

std::error_code checkBlocks(const FileExtents& before, const FileExtents& after, char fill,
                            const DeviceReader& read, BlockEvidence& evidence) {
    evidence = {};
    evidence.limit = limitOf(before) != BlockLimit::None ? limitOf(before) : limitOf(after);
    if (evidence.limit != BlockLimit::None)
        return {};
    const std::vector<Range> now = dataRanges(after);
    std::uint64_t otherBlocks = 0;
    for (const Range range : now) {
        if (const std::error_code error =
                countOtherBlocks(read, after.device, range, after.blockSize, fill, otherBlocks)) {
            evidence.limit = limitOfError(error);
            return evidence.limit == BlockLimit::None ? error : std::error_code();
        }
        ++evidence.extents;
        evidence.bytes += range.end - range.start;
        evidence.ranges.emplace_back(range.start, range.end - range.start);
    }
    if (otherBlocks > 0) {
        evidence.check = BlockCheck::Differs;
        return {};
    }
    std::vector<Range> allNow;
    for (const Extent& extent : after.extents)
        allNow.push_back({extent.physical, extent.physical + extent.length});
    const std::vector<Range> old = without(dataRanges(before), allNow);
    evidence.moved = !old.empty();
    for (const Range range : old)
        if (const std::error_code error = countOtherBlocks(
                read, before.device, range, before.blockSize, fill, evidence.oldCopyBlocks)) {
            evidence.limit = limitOfError(error);
            return evidence.limit == BlockLimit::None ? error : std::error_code();
        }
    evidence.check = evidence.oldCopyBlocks > 0 ? BlockCheck::OldCopyLeft : BlockCheck::Held;
    return {};
}

const char* limitWord(BlockLimit limit) {
    switch (limit) {
    case BlockLimit::None:
        return "none";
    case BlockLimit::NotMapped:
        return "not-mapped";
    case BlockLimit::OwnAddressSpace:
        return "own-address-space";
    case BlockLimit::NotOnDevice:
        return "not-on-device";
    case BlockLimit::UnmappableExtent:
        return "unmappable-extent";
    case BlockLimit::SharedExtent:
        return "shared-extent";
    case BlockLimit::NoDeviceNode:
        return "no-device-node";
    case BlockLimit::NoRights:
        return "no-rights";
    }
    return "none";
}

} // namespace wypelark
