// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/ForwardingFileOperations.h"

#include <atomic>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace wypelark {

// Passes every operation on, and, while reading back is on, before a file is deleted reads it
// back, past the page cache where the file system allows it, comparing every byte with the
// fill. A file that reads back anything else, or cannot be read, is left. While the blocks are
// checked as well, it asks where each file lies before it is opened and again after its last
// pass, reads those blocks from the device itself, and leaves a file whose blocks hold other than
// the fill; blocks the data left meanwhile are read too, for an old copy.
class VerifyingFileOperations final : public ForwardingFileOperations {
public:
    VerifyingFileOperations(FileOperations& inner, char fill);

    // Between runs: the calls come from the run's thread, the switch from the window's.
    void setReadingBack(bool on) { mOn = on; }
    bool readingBack() const { return mOn; }
    void setCheckingBlocks(bool on) { mBlocks = on; }
    bool checkingBlocks() const { return mOn && mBlocks; }
    // Whether a file is being read back now, for the progress shown meanwhile.
    bool readingNow() const { return mReadingNow; }

    OpenResult open(const std::string& path, const FileIdentity& identity) override;
    std::error_code checkBeforeRemove(const std::string& path,
                                      const FileIdentity& identity) override;

    // The files read back from the device itself, and those read back through the cache only.
    const std::set<std::string>& verifiedOnDevice() const { return mOnDevice; }
    const std::set<std::string>& verifiedThroughCache() const { return mThroughCache; }
    // What the device's blocks showed of each file read back while they were checked.
    const std::map<std::string, BlockEvidence>& blockEvidence() const { return mEvidence; }
    // What the read-backs cost: bytes read and seconds spent.
    std::int64_t bytesRead() const { return mBytesRead; }
    double readSeconds() const { return mReadSeconds; }
    // The seconds one file's read-back took, its blocks' included.
    double readSecondsOf(const std::string& path) const {
        const auto found = mSecondsOf.find(path);
        return found == mSecondsOf.end() ? 0 : found->second;
    }

private:
    std::error_code checkBlocks(const std::string& path, const FileIdentity& identity);

    std::atomic<bool> mOn{true};
    std::atomic<bool> mBlocks{false};
    std::atomic<bool> mReadingNow{false};
    std::string mExpected; // a piece of fill to compare with
    std::set<std::string> mOnDevice;
    std::set<std::string> mThroughCache;
    struct Mapped {
        FileIdentity identity;
        FileExtents extents; // the file's device and file system, even when not mapped
        bool mapped = false; // whether the file system told where the data lies
    };
    std::map<std::string, Mapped> mBefore; // as each file was first opened
    std::map<std::string, BlockEvidence> mEvidence;
    std::map<std::string, double> mSecondsOf;
    std::int64_t mBytesRead = 0;
    double mReadSeconds = 0;
};

} // namespace wypelark
