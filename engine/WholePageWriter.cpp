// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WholePageWriter.h"

#include <algorithm>

namespace wypelark {

WholePageWriter::WholePageWriter(std::int64_t pageSize, Write write, std::size_t gather)
    : mPageSize(pageSize > 0 ? pageSize : 4096), mGather(gather), mWrite(std::move(write)) {}

std::error_code WholePageWriter::write(std::int64_t start, const char* data, std::size_t size) {
    if (size == 0)
        return {};
    const std::int64_t end = start + static_cast<std::int64_t>(size);
    if (!mHeld.empty()) {
        const std::int64_t heldEnd = mHeldStart + static_cast<std::int64_t>(mHeld.size());
        // Only a write that goes on from the held bytes (or over them) joins them.
        if (start >= mHeldStart && start <= heldEnd)
            return gatherInto(start, data, size);
        if (const std::error_code error = release())
            return error;
    }
    if (size < mGather) {
        mHeldStart = start;
        mHeld.assign(data, size);
        return {};
    }
    const std::int64_t tailStart = std::max(start, pageStartOf(end));
    if (tailStart > start) {
        if (const std::error_code error =
                mWrite(start, data, static_cast<std::size_t>(tailStart - start)))
            return error;
    }
    if (tailStart < end) {
        mHeldStart = tailStart;
        mHeld.assign(data + (tailStart - start), static_cast<std::size_t>(end - tailStart));
    }
    return {};
}

// The new bytes lie over the held ones from start on; held bytes beyond them stay. Once enough
// is gathered, every whole page of it is written, and the part of a page after them is held.
std::error_code WholePageWriter::gatherInto(std::int64_t start, const char* data,
                                            std::size_t size) {
    const auto at = static_cast<std::size_t>(start - mHeldStart);
    if (mHeld.size() < at + size)
        mHeld.resize(at + size);
    std::copy(data, data + size, mHeld.begin() + static_cast<std::ptrdiff_t>(at));
    const std::int64_t heldEnd = mHeldStart + static_cast<std::int64_t>(mHeld.size());
    const std::int64_t cut = pageStartOf(heldEnd);
    if (mHeld.size() < std::max<std::size_t>(mGather, 1) || cut <= mHeldStart)
        return {};
    const auto whole = static_cast<std::size_t>(cut - mHeldStart);
    const std::error_code error = mWrite(mHeldStart, mHeld.data(), whole);
    mHeld.erase(0, whole);
    mHeldStart = cut;
    return error;
}

std::error_code WholePageWriter::release() {
    if (mHeld.empty())
        return {};
    const std::error_code error = mWrite(mHeldStart, mHeld.data(), mHeld.size());
    mHeld.clear();
    return error;
}

} // namespace wypelark
