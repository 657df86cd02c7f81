// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/VerifyingFileOperations.h"
#include "engine/WaitingFileOperations.h"

#include <optional>

namespace wypelark {

class DeviceWaiter;

// The disk as a run sees it, assembled in one place: the real operations; on them, a read-back
// of every file before it is deleted, while it is switched on; outermost, when a waiter is
// given, every call that can wait on the device made through it.
class FileOperationsChain {
public:
    FileOperationsChain(FileOperations& disk, DeviceWaiter* waiter, bool readBack);
    FileOperationsChain(const FileOperationsChain&) = delete;
    FileOperationsChain& operator=(const FileOperationsChain&) = delete;

    FileOperations& operations() { return *mOuter; }
    // The real operations alone, for work that waits as a whole and needs no read-back.
    FileOperations& disk() { return mDisk; }
    // What the read-backs found, when the chain reads back.
    const VerifyingFileOperations* verifier() const {
        return mVerifying.readingBack() ? &mVerifying : nullptr;
    }
    void setReadBack(bool on) { mVerifying.setReadingBack(on); }
    void setCheckingBlocks(bool on) { mVerifying.setCheckingBlocks(on); }
    bool readingBackNow() const { return mVerifying.readingNow(); }

private:
    FileOperations& mDisk;
    VerifyingFileOperations mVerifying;
    std::optional<WaitingFileOperations> mWaiting;
    FileOperations* mOuter;
};

} // namespace wypelark
