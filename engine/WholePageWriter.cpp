// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WholePageWriter.h"

#include <algorithm>

namespace wypelark {

WholePageWriter::WholePageWriter(std::int64_t pageSize, Write write)
    : mPageSize(pageSize > 0 ? pageSize : 4096), mWrite(std::move(write)) {}

std::error_code WholePageWriter::write(std::int64_t start, const char* data, std::size_t size) {
    if (size == 0)
        return {};
    const std::int64_t end = start + static_cast<std::int64_t>(size);
    if (!mHeld.empty()) {
        const std::int64_t heldEnd = mHeldStart + static_cast<std::int64_t>(mHeld.size());
        // Only a write that goes on from the held bytes (or over their end) completes their page.
        if (start < mHeldStart || start > heldEnd) {
            if (const std::error_code error = release())
                return error;
        } else if (const std::error_code error = continueHeld(start, data, size)) {
            return error;
        }
    }
    if (size == 0)
        return {};
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

// The new bytes take the held ones' place from start on, up to the end of their page; a page
// completed so is written whole. What is left of the write starts on the next page.
std::error_code WholePageWriter::continueHeld(std::int64_t& start, const char*& data,
                                              std::size_t& size) {
    const std::int64_t pageEnd = pageStartOf(mHeldStart) + mPageSize;
    const auto taken = static_cast<std::size_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(size), pageEnd - start));
    // The new bytes lie over the held ones; held bytes beyond them stay.
    const auto at = static_cast<std::size_t>(start - mHeldStart);
    if (mHeld.size() < at + taken)
        mHeld.resize(at + taken);
    std::copy(data, data + taken, mHeld.begin() + static_cast<std::ptrdiff_t>(at));
    start += static_cast<std::int64_t>(taken);
    data += taken;
    size -= taken;
    if (mHeldStart + static_cast<std::int64_t>(mHeld.size()) < pageEnd)
        return {};
    return release();
}

std::error_code WholePageWriter::release() {
    if (mHeld.empty())
        return {};
    const std::error_code error = mWrite(mHeldStart, mHeld.data(), mHeld.size());
    mHeld.clear();
    return error;
}

} // namespace wypelark
