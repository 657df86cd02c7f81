// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileOperations.h"
#include "engine/WipeReport.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace wypelark {

class WipeHost;

// The overwrite run and the state that lets a paused run continue at the same file, pass
// and byte. Every listed file is overwritten with '0' bytes once per pass, flushed to the
// device after each pass, then deleted; files that cannot be destroyed are reported at the
// end of the run instead of ending the program.
class WipeRun {
public:
    static constexpr std::int64_t BlockSize = 50000;
    static constexpr char FillByte = '0';
    static constexpr int FillPieceCount = 500;
    static constexpr int FillPieceLength = 100;
    // Looks at a file's length after a pass's flush, overwriting what another program appended
    // meanwhile, at most this many times before the file is left as still growing.
    static constexpr int GrowthRounds = 3;

    WipeRun(WipeHost& host, FileOperations& files);
    ~WipeRun();
    WipeRun(const WipeRun&) = delete;
    WipeRun& operator=(const WipeRun&) = delete;

    // Starts a fresh run, or continues a stopped one. Returns at the end of the list or
    // after the first write that follows a stop request. A call made while a run is active
    // returns at once.
    void WipeFiles();

    void setStopRequested(bool requested) { mStopRequested = requested; }
    bool stopRequested() const { return mStopRequested; }
    bool resumePending() const { return mResumePending; }
    bool active() const { return mActive; }
    bool holdsOpenFile() const { return mCurrentFile != nullptr; }
    // What a stopped run has collected so far, for a window that closes before continuing it.
    WipeReport takeStoppedReport();
    // Ends a stopped run for good, as a normal end does: the file it stopped in is reported as
    // partly overwritten, the files after it as not reached.
    void endStopped();
    // The bytes of files the run has overwritten since it started, once per pass, growth of
    // files included.
    std::int64_t bytesWritten() const { return mBytesWritten; }

    int fileIndex() const { return mFileIndex; }
    int pass() const { return mPass; }
    int fillCounter() const { return mFillCounter; }
    std::int64_t writePos() const { return mWritePos; }

private:
    enum class Outcome { Done, Failed, Stopped };

    std::string buildFillBlock();
    void startFreshRun();
    bool enterCurrentItem();
    void sweepFolderOnce();
    Outcome overwriteCurrentItem(const std::string& fillBlock);
    bool openCurrentFile();
    Outcome writeLoop(const std::string& fillBlock);
    bool finishPass(const std::string& fillBlock);
    bool flushAndCloseCurrentFile(const std::string& fillBlock);
    bool overwriteGrowth(std::int64_t length, const std::string& fillBlock);
    void deleteCurrentItem();
    void syncRemovals();
    void stop();
    void endRun();
    void fail(WipeStep step, std::error_code error);
    void fail(const std::string& path, WipeStep step, std::error_code error);
    void failItem(int index, const std::string& path, WipeStep step, std::error_code error);

    WipeHost& mHost;
    FileOperations& mFiles;

    int mFileIndex = 0;
    int mPass = 0;
    int mFillCounter = 0;
    std::int64_t mWritePos = 0;
    std::int64_t mFileLen = 0;
    bool mResumePending = false;
    bool mStopRequested = false;

    bool mActive = false;
    std::unique_ptr<OpenFile> mCurrentFile;
    bool mItemEntered = false; // the item at mFileIndex has its path and identity taken
    int mPassesMade = 0;       // passes over the whole current file written and flushed
    std::string mCurrentPath;
    FileIdentity mCurrentIdentity;
    StorageFacts mCurrentFacts;
    bool mCurrentShrank = false;
    // Files deleted, whose folder has not been put on the device yet; all in one folder.
    struct RemovalAwaitingSync {
        int index;
        std::string path;
        FileIdentity identity;
        std::vector<StorageRemark> remarks;
    };
    std::vector<RemovalAwaitingSync> mAwaitingSync;
    std::set<std::pair<std::uint64_t, std::uint64_t>> mSweptFolders; // device and inode
    WipeReport mReport;
    std::int64_t mBytesWritten = 0; // bytes of files overwritten, each once per pass
    std::int64_t mPassEnd = 0;      // where the pass under way has written up to
    std::vector<int> mUndestroyed;  // indices of the items that failed in this run
};

} // namespace wypelark
