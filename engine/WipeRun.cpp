// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WipeRun.h"

#include "engine/ActiveScope.h"
#include "engine/WipeError.h"
#include "engine/WipeHost.h"

#include <algorithm>
#include <utility>

namespace wypelark {

WipeRun::WipeRun(WipeHost& host, FileOperations& files) : mHost(host), mFiles(files) {}

WipeRun::~WipeRun() = default;

void WipeRun::WipeFiles() {
    if (mActive)
        return;
    const ActiveScope activeScope(mActive);

    const std::string fillBlock = buildFillBlock();
    if (!mResumePending)
        startFreshRun();

    do {
        while (mFileIndex <= mHost.itemCount()) {
            // An item appended while the run waited on the last one is entered as any other is.
            const bool kept = !mItemEntered && !enterCurrentItem();
            const Outcome outcome = kept ? Outcome::Failed : overwriteCurrentItem(fillBlock);
            if (outcome == Outcome::Stopped)
                return;
            if (outcome == Outcome::Done)
                deleteCurrentItem();
            ++mFileIndex;
            mItemEntered = false;
        }
        // The last deletes are made durable; items appended during that wait are handled too,
        // and nothing waits between the last look at the list and the end of the run.
        syncRemovals();
    } while (mFileIndex <= mHost.itemCount());
    endRun();
}

std::string WipeRun::buildFillBlock() {
    const std::string piece(FillPieceLength, FillByte);
    std::string block;
    block.reserve(BlockSize);
    for (mFillCounter = 1; mFillCounter <= FillPieceCount; ++mFillCounter)
        block += piece;
    return block;
}

void WipeRun::startFreshRun() {
    mHost.setBarMinimum(ProgressBar::Overall, 0);
    const std::int64_t totalPasses =
        static_cast<std::int64_t>(mHost.passCount()) * static_cast<std::int64_t>(mHost.itemCount());
    mHost.setBarMaximum(ProgressBar::Overall,
                        totalPasses == 0 ? 1.0f : static_cast<float>(totalPasses));
    mHost.setBarValue(ProgressBar::Overall, 0);
    mUndestroyed.clear();
    mSweptFolders.clear();
    mBytesWritten = 0;
    mFileIndex = 1;
    mItemEntered = false;
}

// Takes the item's path and identity once: every pass and the delete are made on the file the
// item meant when the run reached it.
// Takes the item's path and identity. An item that must outlive the files before it is kept,
// untouched, while they are still there; false then.
bool WipeRun::enterCurrentItem() {
    mPass = 1;
    mPassesMade = 0;
    mCurrentPath = mHost.itemPath(mFileIndex);
    mCurrentIdentity = mHost.itemIdentity(mFileIndex);
    mCurrentShrank = false;
    mItemEntered = true;
    if (mHost.itemWaitsForEarlier(mFileIndex)) {
        syncRemovals();
        if (const std::error_code kept = mHost.whyItemIsKept(mFileIndex)) {
            fail(mCurrentPath, WipeStep::Open, kept);
            return false;
        }
    }
    sweepFolderOnce();
    return true;
}

// What an earlier run left in this item's folder, when it was stopped between a file's last
// pass and its delete, is looked for once per folder and run.
void WipeRun::sweepFolderOnce() {
    const NodeIdentity& folder = mCurrentIdentity.folder;
    if (!mSweptFolders.insert({folder.device, folder.inode}).second)
        return;
    for (Leftover& leftover : mFiles.sweepLeftovers(mCurrentPath, mCurrentIdentity))
        mReport.leftovers.push_back(std::move(leftover));
}

// Runs the remaining passes over the item at mFileIndex. Done means every pass reached the
// device and the file is closed, ready to be deleted.
WipeRun::Outcome WipeRun::overwriteCurrentItem(const std::string& fillBlock) {
    while (mPass <= mHost.passCount()) {
        if (!mResumePending && !openCurrentFile())
            return Outcome::Failed;
        const Outcome written = writeLoop(fillBlock);
        if (written != Outcome::Done)
            return written;
        if (!finishPass(fillBlock))
            return Outcome::Failed;
        ++mPassesMade;
        ++mPass;
    }
    // A stopped run continued after the pass count was lowered below mPass still holds the
    // file it stopped in: it must reach the device and be closed before it is deleted.
    if (mCurrentFile) {
        mResumePending = false;
        if (!flushAndCloseCurrentFile(fillBlock))
            return Outcome::Failed;
    }
    // Only passes this run wrote over the whole file and flushed count; a pass number does not.
    if (mPassesMade < std::max(1, mHost.passCount())) {
        fail(mCurrentPath, WipeStep::Write, WipeErrc::NoPassMade);
        return Outcome::Failed;
    }
    return Outcome::Done;
}

bool WipeRun::openCurrentFile() {
    OpenResult opened = mFiles.open(mCurrentPath, mCurrentIdentity);
    if (opened.error) {
        fail(mCurrentPath, WipeStep::Open, opened.error);
        return false;
    }
    mCurrentFile = std::move(opened.file);
    // What cannot be learnt about the file system is no reason to leave the file alone.
    mCurrentFacts = {};
    if (mCurrentFile->describe(mCurrentFacts))
        mCurrentFacts = {};
    std::int64_t length = 0;
    if (const std::error_code error = mCurrentFile->length(length)) {
        fail(WipeStep::Length, error);
        return false;
    }
    mFileLen = length;
    mWritePos = 1;
    mPassEnd = 0;
    mHost.setBarMinimum(ProgressBar::Current, 0);
    mHost.setBarMaximum(ProgressBar::Current, mFileLen < 1 ? 1.0f : static_cast<float>(mFileLen));
    return true;
}

// Writes the fill block from mWritePos to the end of the file. Full blocks start at 1,
// 50,000, 100,000, ...; the one tail write ends exactly at the last byte, so the length
// never changes.
WipeRun::Outcome WipeRun::writeLoop(const std::string& fillBlock) {
    while (mWritePos <= mFileLen) {
        const bool tail = mWritePos + BlockSize > mFileLen;
        const std::int64_t size = tail ? mFileLen - mWritePos + 1 : BlockSize;
        if (const std::error_code error = mCurrentFile->writeAt(mWritePos - 1, fillBlock.data(),
                                                                static_cast<std::size_t>(size))) {
            fail(WipeStep::Write, error);
            return Outcome::Failed;
        }
        // The second block starts a byte before the first one ended: bytes of the file
        // overwritten are counted once.
        const std::int64_t offset = mWritePos - 1;
        mBytesWritten += offset + size - std::max(offset, mPassEnd);
        mPassEnd = std::max(mPassEnd, offset + size);
        if (tail) {
            mWritePos = mFileLen;
        } else {
            if (mWritePos == 1)
                mWritePos = 0;
            mWritePos += BlockSize;
        }
        if (static_cast<double>(mWritePos) <= mHost.barMaximum(ProgressBar::Current))
            mHost.setBarValue(ProgressBar::Current, static_cast<float>(mWritePos));
        if (mStopRequested) {
            stop();
            return Outcome::Stopped;
        }
        mHost.yieldToEvents();
        if (tail)
            break;
    }
    return Outcome::Done;
}

bool WipeRun::finishPass(const std::string& fillBlock) {
    if (mHost.barMaximum(ProgressBar::Current) == 1.0f)
        mHost.setBarValue(ProgressBar::Current, 1);
    mResumePending = false;
    if (!flushAndCloseCurrentFile(fillBlock))
        return false;
    const float overall = mHost.barValue(ProgressBar::Overall);
    if (overall < mHost.barMaximum(ProgressBar::Overall))
        mHost.setBarValue(ProgressBar::Overall, overall + 1);
    return true;
}

// Puts the pass on the device, then looks at the length again: what another program appended
// meanwhile, during the flush included, is overwritten and flushed in turn before the file is
// closed.
bool WipeRun::flushAndCloseCurrentFile(const std::string& fillBlock) {
    for (int round = 0;; ++round) {
        if (const std::error_code error = mCurrentFile->flushToDevice()) {
            fail(WipeStep::Flush, error);
            return false;
        }
        std::int64_t length = 0;
        if (const std::error_code error = mCurrentFile->length(length)) {
            fail(WipeStep::Length, error);
            return false;
        }
        if (length < mFileLen) {
            mCurrentShrank = true;
            mFileLen = length;
        }
        if (length == mFileLen)
            break;
        if (round == GrowthRounds) {
            fail(WipeStep::Write, WipeErrc::KeptGrowing);
            return false;
        }
        if (!overwriteGrowth(length, fillBlock))
            return false;
    }
    const std::error_code error = mCurrentFile->close();
    mCurrentFile.reset();
    if (error) {
        fail(mCurrentPath, WipeStep::Close, error);
        return false;
    }
    return true;
}

// Overwrites the bytes from the end of the pass up to length with the same fill.
bool WipeRun::overwriteGrowth(std::int64_t length, const std::string& fillBlock) {
    while (mFileLen < length) {
        const std::int64_t size = std::min(BlockSize, length - mFileLen);
        if (const std::error_code error =
                mCurrentFile->writeAt(mFileLen, fillBlock.data(), static_cast<std::size_t>(size))) {
            fail(WipeStep::Write, error);
            return false;
        }
        mBytesWritten += size;
        mFileLen += size;
        mHost.yieldToEvents();
    }
    return true;
}

void WipeRun::deleteCurrentItem() {
    const std::string& path = mCurrentPath;
    const FileIdentity& identity = mCurrentIdentity;
    if (const std::error_code error = mFiles.checkBeforeRemove(path, identity)) {
        fail(path, WipeStep::Verify, error);
        return;
    }
    // Deletes in one folder are made durable together, before the next folder's first.
    if (!mAwaitingSync.empty() &&
        !(mAwaitingSync.front().identity.folder == identity.folder &&
          splitPath(mAwaitingSync.front().path).folder == splitPath(path).folder))
        syncRemovals();
    if (const RemoveResult removed = mFiles.remove(path, identity); removed.error) {
        fail(path, WipeStep::Delete, removed.error);
        mReport.failures.back().strandedAt = removed.strandedAt;
        return;
    }
    RemovalAwaitingSync removed{mFileIndex, path, identity, {}};
    for (const StorageReason reason : storageReasons(mCurrentFacts))
        removed.remarks.push_back({path, reason});
    if (mCurrentShrank)
        removed.remarks.push_back({path, StorageReason::Shrank});
    mAwaitingSync.push_back(std::move(removed));
}

// A delete is durable once its folder is on the device: until then a power cut can bring the
// name back, and the file is not called destroyed.
void WipeRun::syncRemovals() {
    if (mAwaitingSync.empty())
        return;
    const RemovalAwaitingSync& first = mAwaitingSync.front();
    const std::error_code error = mFiles.syncFolderOf(first.path, first.identity);
    for (const RemovalAwaitingSync& removed : std::exchange(mAwaitingSync, {})) {
        if (error)
            failItem(removed.index, removed.path, WipeStep::Sync, error);
        else
            mReport.remarks.insert(mReport.remarks.end(), removed.remarks.begin(),
                                   removed.remarks.end());
    }
}

void WipeRun::stop() {
    syncRemovals();
    mResumePending = true;
    mHost.runStopped();
}

WipeReport WipeRun::takeStoppedReport() {
    mReport.fileCount = mHost.itemCount();
    return std::exchange(mReport, {});
}

void WipeRun::endStopped() {
    if (!mResumePending || mActive)
        return;
    if (mCurrentFile)
        static_cast<void>(mCurrentFile->close());
    mCurrentFile.reset();
    mResumePending = false;
    failItem(mFileIndex, mCurrentPath, WipeStep::Write, WipeErrc::Interrupted);
    for (int index = mFileIndex + 1; index <= mHost.itemCount(); ++index)
        failItem(index, mHost.itemPath(index), WipeStep::Open, WipeErrc::NotReached);
    mFileIndex = mHost.itemCount() + 1;
    endRun();
}

void WipeRun::endRun() {
    std::sort(mUndestroyed.begin(), mUndestroyed.end());
    mHost.removeDestroyedItems(std::exchange(mUndestroyed, {}));
    mHost.refreshFileList();
    if (!mReport.empty()) {
        mReport.fileCount = mFileIndex - 1;
        const WipeReport report = std::exchange(mReport, {});
        mHost.reportRunEnd(report);
    }
}

// Records a failure of the file currently open and closes it; the failure is what is reported,
// whatever the close says.
void WipeRun::fail(WipeStep step, std::error_code error) {
    if (mCurrentFile)
        static_cast<void>(mCurrentFile->close());
    mCurrentFile.reset();
    mResumePending = false;
    fail(mCurrentPath, step, error);
}

void WipeRun::fail(const std::string& path, WipeStep step, std::error_code error) {
    failItem(mFileIndex, path, step, error);
}

void WipeRun::failItem(int index, const std::string& path, WipeStep step, std::error_code error) {
    // A folder flush fails after its files' every pass was made; a file not reached had none.
    const int passes = step == WipeStep::Sync ? std::max(1, mHost.passCount())
                       : index == mFileIndex  ? mPassesMade
                                              : 0;
    mReport.failures.push_back({path, step, error, {}, passes});
    if (std::find(mUndestroyed.begin(), mUndestroyed.end(), index) == mUndestroyed.end())
        mUndestroyed.push_back(index);
}

} // namespace wypelark
