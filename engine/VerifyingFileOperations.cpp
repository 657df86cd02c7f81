// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/VerifyingFileOperations.h"

#include "engine/WipeError.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace wypelark {

VerifyingFileOperations::VerifyingFileOperations(FileOperations& inner, char fill)
    : ForwardingFileOperations(inner), mExpected(std::size_t{1} << 20, fill) {}

OpenResult VerifyingFileOperations::open(const std::string& path, const FileIdentity& identity) {
    // Each pass opens the file again: where it lay before the first one is what counts.
    const auto found = mBefore.find(path);
    if (checkingBlocks() && (found == mBefore.end() || !(found->second.identity == identity))) {
        FileExtents before;
        const bool mapped = !inner().mapExtents(path, identity, before);
        mBefore[path] = {identity, std::move(before), mapped};
    }
    return inner().open(path, identity);
}

std::error_code VerifyingFileOperations::checkBlocks(const std::string& path,
                                                     const FileIdentity& identity) {
    BlockEvidence& evidence = mEvidence[path];
    evidence = {};
    const auto before = mBefore.find(path);
    FileExtents after;
    if (before == mBefore.end() || !before->second.mapped ||
        inner().mapExtents(path, identity, after)) {
        // Where the file system said what it is, that may say why it kept the map to itself.
        const BlockLimit limit =
            before == mBefore.end() ? BlockLimit::None : limitOf(before->second.extents);
        evidence.limit = limit == BlockLimit::None ? BlockLimit::NotMapped : limit;
        return {};
    }
    const auto start = std::chrono::steady_clock::now();
    const std::error_code error = wypelark::checkBlocks(
        before->second.extents, after, mExpected.front(),
        [this](dev_t device, std::uint64_t offset, std::uint64_t length,
               const ReadDeviceChunk& chunk) {
            mBytesRead += static_cast<std::int64_t>(length);
            return inner().readDevice(device, offset, length, chunk);
        },
        evidence);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    mReadSeconds += seconds;
    mSecondsOf[path] += seconds;
    mBefore.erase(before);
    if (error)
        return error;
    return evidence.check == BlockCheck::Differs ? make_error_code(WipeErrc::DeviceBlocksDiffer)
                                                 : std::error_code();
}

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
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    mReadSeconds += seconds;
    mSecondsOf[path] = seconds;
    mReadingNow = false;
    if (error)
        return error;
    if (differs)
        return WipeErrc::ReadBackDiffers;
    (bypassedCache ? mOnDevice : mThroughCache).insert(path);
    return checkingBlocks() ? checkBlocks(path, identity) : std::error_code();
}

} // namespace wypelark
