// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/ForwardingFileOperations.h"

#include <atomic>
#include <set>
#include <string>

namespace wypelark {

// Passes every operation on, and, while reading back is on, before a file is deleted reads it
// back, past the page cache where the file system allows it, comparing every byte with the
// fill. A file that reads back anything else, or cannot be read, is left.
class VerifyingFileOperations final : public ForwardingFileOperations {
public:
    VerifyingFileOperations(FileOperations& inner, char fill);

    // Between runs: the calls come from the run's thread, the switch from the window's.
    void setReadingBack(bool on) { mOn = on; }
    bool readingBack() const { return mOn; }
    // Whether a file is being read back now, for the progress shown meanwhile.
    bool readingNow() const { return mReadingNow; }

    std::error_code checkBeforeRemove(const std::string& path,
                                      const FileIdentity& identity) override;

    // The files read back from the device itself, and those read back through the cache only.
    const std::set<std::string>& verifiedOnDevice() const { return mOnDevice; }
    const std::set<std::string>& verifiedThroughCache() const { return mThroughCache; }
    // What the read-backs cost: bytes read and seconds spent.
    std::int64_t bytesRead() const { return mBytesRead; }
    double readSeconds() const { return mReadSeconds; }

private:
    std::atomic<bool> mOn{true};
    std::atomic<bool> mReadingNow{false};
    std::string mExpected; // a piece of fill to compare with
    std::set<std::string> mOnDevice;
    std::set<std::string> mThroughCache;
    std::int64_t mBytesRead = 0;
    double mReadSeconds = 0;
};

} // namespace wypelark
