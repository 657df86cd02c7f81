// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/VerifyingFileOperations.h"

#include "engine/WipeError.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace wypelark {

VerifyingFileOperations::VerifyingFileOperations(FileOperations& inner, char fill)
    : ForwardingFileOperations(inner), mExpected(std::size_t{1} << 20, fill) {}

std::error_code VerifyingFileOperations::checkBeforeRemove(const std::string& path,
                                                           const FileIdentity& identity) {
    if (const std::error_code error = inner().checkBeforeRemove(path, identity))
        return error;
    if (!mOn)
        return {};
    mReadingNow = true;
    bool differs = false;
    bool bypassedCache = false;
    const auto start = std::chrono::steady_clock::now();
    const std::error_code error = inner().readBack(
        path, identity,
        [&](std::int64_t, const char* data, std::size_t size) {
            mBytesRead += static_cast<std::int64_t>(size);
            for (std::size_t done = 0; done < size && !differs; done += mExpected.size()) {
                const std::size_t piece = std::min(mExpected.size(), size - done);
                differs = std::memcmp(data + done, mExpected.data(), piece) != 0;
            }
            return !differs;
        },
        bypassedCache);
    mReadSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    mReadingNow = false;
    if (error)
        return error;
    if (differs)
        return WipeErrc::ReadBackDiffers;
    (bypassedCache ? mOnDevice : mThroughCache).insert(path);
    return {};
}

} // namespace wypelark
