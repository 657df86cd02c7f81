// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileOperations.h"
#include "engine/StorageRemark.h"
#include "engine/WipeReport.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace wypelark {

class WipeHost;

// How a fill was read back before its space was given back.
enum class FillReadBack { NotRead, FromDevice, ThroughCache };

// What a fill of a volume's free space did.
struct FillReport {
    std::string folder;            // where the fill was made
    std::uint64_t freeAtStart = 0; // the free space the fill was measured against
    int passes = 0;                // asked for
    // Bytes written and flushed by every pass that went to its end.
    std::vector<std::uint64_t> filledPerPass;
    // Free blocks left while the fill held every one it could take: those kept for root,
    // and what the file system keeps back for itself; the most any pass left.
    std::uint64_t untouchedBytes = 0;
    int mostFiles = 0; // the files one pass needed, where a file's size is limited
    std::vector<StorageReason> remarks;
    std::optional<WipeFailure> failure;
    bool interrupted = false; // ended while paused, before its last pass
    // The weakest read-back of any pass: past the cache from the device, or only through it.
    FillReadBack readBack = FillReadBack::NotRead;
    // After the last pass the free space is trimmed where the device takes discards: what the
    // file system discarded, or why it was not trimmed (none when the trim was not asked for).
    std::optional<std::uint64_t> trimmedBytes;
    std::error_code trimError;

    bool complete() const {
        return !failure && !interrupted && static_cast<int>(filledPerPass.size()) == passes;
    }
};

// Fills the free space of a volume with the fill, pass after pass, and gives it back after each
// pass. The fill lies in files that have no name, so a process that is killed gives the space
// back by itself. The writes are the overwrite run's: 50,000 bytes of '0', handed to the device
// as they go. When the volume is full, the writes shrink to one block until not even that fits;
// then the pass is flushed, and its files are closed at once, so that other programs find the
// disk full only as long as they must. A file system that limits a file's size gets more files.
// A stopped fill keeps its files, and so the space, until it is continued or ended.
class FreeSpaceRun {
public:
    FreeSpaceRun(WipeHost& host, FileOperations& files);
    ~FreeSpaceRun();
    FreeSpaceRun(const FreeSpaceRun&) = delete;
    FreeSpaceRun& operator=(const FreeSpaceRun&) = delete;

    // Why the volume measured cannot be filled: read-only, in memory, on another machine, or
    // the kernel's own; nothing when it can.
    static std::error_code refusal(const VolumeSpace& space);
    // The free space a fill by this process can take.
    static std::uint64_t fillableBytes(const VolumeSpace& space);

    // The next fresh fill is made in folder, on the volume as space measured it.
    void setTarget(const std::string& folder, const VolumeSpace& space);
    // Starts a fresh fill with the host's pass count, or continues a stopped one. Returns at
    // the end, or after the first write that follows a stop request.
    void fill();

    // Each pass is read back before its space is given back, and a fill that reads back
    // anything but the fill fails; set for the next fresh fill.
    void setReadBack(bool readBack) { mReadBack = readBack; }
    bool readingNow() const { return mReadingNow; }
    // After the last pass the free blocks are discarded as well (FITRIM): on flash, the one
    // thing that reaches cells the overwrite was remapped away from. On unless turned off.
    void setTrim(bool trim) { mTrim = trim; }

    void setStopRequested(bool requested) { mStopRequested = requested; }
    bool resumePending() const { return mResumePending; }
    bool active() const { return mActive; }
    // The bytes the fill holds now, which other programs cannot have meanwhile.
    std::uint64_t heldBytes() const { return mOpen.empty() ? 0 : mPassBytes; }
    // Ends a stopped fill for good: the space goes back.
    void endStopped();
    // What the last fill did, once it ended.
    FillReport takeReport() { return std::exchange(mReport, {}); }

    std::int64_t bytesWritten() const { return mBytesWritten; }
    int pass() const { return mPass; }
    int passes() const { return mReport.passes; }
    const std::string& folder() const { return mFolder; }

private:
    enum class Outcome { Done, Failed, Stopped };

    bool startFresh();
    Outcome fillPass(const std::string& fillBlock);
    bool openNextFile();
    void advance(std::int64_t bytes);
    bool finishPass();
    void measureUntouched();
    void trimAfterLastPass();
    bool readBackPass();
    std::error_code releaseSpace();
    Outcome fail(WipeStep step, std::error_code error);
    void stop();

    WipeHost& mHost;
    FileOperations& mFiles;
    std::string mFolder;
    VolumeSpace mSpace;

    FillReport mReport;
    std::vector<std::unique_ptr<OpenFile>> mOpen; // the pass's files, the last one written
    std::int64_t mWritePos = 0;                   // in the last file
    bool mShrunk = false;                         // the volume refused a whole write
    std::uint64_t mPassBytes = 0;
    std::int64_t mBytesWritten = 0;
    int mPass = 0;
    bool mResumePending = false;
    bool mStopRequested = false;
    bool mActive = false;
    bool mReadBack = false;
    bool mTrim = true;
    bool mReadingNow = false;
};

} // namespace wypelark
