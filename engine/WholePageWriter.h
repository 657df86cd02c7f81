// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <system_error>

namespace wypelark {

// Writes a file so that a page is not written in part when the next write goes on to complete
// it. The kernel cannot take part of a page it does not hold without first reading the rest
// from the device, inside the write call: on a first pass of writes that end inside pages, one
// small read for every write. So the bytes a write leaves in its last page are held back, and
// written together with the next write's first bytes as one whole page; a write elsewhere, a
// flush or a close writes them as they are. Writes that go on from each other can be gathered
// too, up to a given size, and written a run of whole pages at a time: fewer calls, each of
// more pages. The bytes that reach the file are the same, in the same places; only the held
// ones arrive a write or more later.
class WholePageWriter {
public:
    using Write =
        std::function<std::error_code(std::int64_t offset, const char* data, std::size_t size)>;

    // gather: writes that go on from each other are held until this many bytes are together.
    WholePageWriter(std::int64_t pageSize, Write write, std::size_t gather = 0);

    // Writes the bytes at start, all but those in the last page they reach, which are held.
    std::error_code write(std::int64_t start, const char* data, std::size_t size);
    // Writes what is held.
    std::error_code release();
    // Where the bytes written so far end, the held ones not counted, given where they would.
    std::int64_t writtenUpTo(std::int64_t end) const { return mHeld.empty() ? end : mHeldStart; }
    // The start of the page holding offset: a write that ends at offset has written at least
    // up to here when it returns.
    std::int64_t pageStartOf(std::int64_t offset) const { return offset / mPageSize * mPageSize; }

private:
    std::error_code gatherInto(std::int64_t start, const char* data, std::size_t size);

    std::int64_t mPageSize;
    std::size_t mGather;
    Write mWrite;
    std::int64_t mHeldStart = 0; // the held bytes lie from here on
    std::string mHeld;
};

} // namespace wypelark
