// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileIdentity.h"
#include "engine/PosixFileOperations.h"
#include "engine/VerifyingFileOperations.h"
#include "engine/WipeHost.h"
#include "engine/WipeRun.h"
#include "helper/HelperFrames.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace wypelark {

// One session of wypelark-helper, the program that destroys, as root, the files its caller
// confirmed and could not destroy itself. It speaks on its standard input and output, one frame
// per line (HelperFrames); every frame it does not know ends the session. Version 1:
//
//   caller                            helper
//   hello 1                           hello 1   (any other version: "refused version", end)
//   file HEXPATH DEV INO STAMP FDEV FINO FSTAMP
//                                     accepted N | refused N WORD
//       A regular file, no link followed, whose device, inode and stamp, and its folder's, are
//       those the caller measured (STAMP is KIND:VALUE:NANOSECONDS, KIND 0 none, 1 birth,
//       2 generation). N counts the files of the session from 1.
//   passes P (1 to 20)                ok
//   verify 0|1                        ok        (read each file back past the cache)
//   run                               progress FILE PASS PERMILLE ... (about 10 a second)
//                                     destroyed N | failed N STEP ERRNO|WORD ...
//                                     end DESTROYED FAILED
//       During a run, "pause" stops it after its next write ("paused"); "run" goes on, "end"
//       ends it: the file it stopped in is partly overwritten and named failed, those after it
//       as not reached.
//   trim HEXFOLDER                    trimmed BYTES | failed 0 0 ERRNO|WORD
//   end                               (the session ends)
//
// It takes no path from anywhere but its caller in this session: not from its environment, its
// arguments, a file or an earlier session. Each file is opened by the same checks the window's
// run makes (identity, no link followed, the same device), and run by the same engine with the
// same flushes and read-back.
class HelperSession final : private WipeHost {
public:
    HelperSession(int input, std::FILE* output);
    ~HelperSession() override;

    // Serves the caller until it ends the session or breaks the protocol; the exit status: 0,
    // or 2 for a frame it does not know.
    int serve();

private:
    struct Listed {
        std::string path;
        FileIdentity identity;
    };

    bool handle(const std::vector<std::string>& frame);
    void takeFile(const std::vector<std::string>& frame);
    void run();
    void endPausedRun();
    void trim(const std::vector<std::string>& frame);
    void say(const std::string& line);
    void sayFailure(int index, int step, const std::error_code& error);

    // WipeHost
    int itemCount() const override { return static_cast<int>(mRunFiles.size()); }
    std::string itemPath(int index) const override { return mRunFiles.at(index - 1).path; }
    FileIdentity itemIdentity(int index) const override { return mRunFiles.at(index - 1).identity; }
    void removeDestroyedItems(const std::vector<int>& undestroyed) override;
    int passCount() const override { return mPasses; }
    void setBarMinimum(ProgressBar, float) override {}
    void setBarMaximum(ProgressBar bar, float maximum) override;
    void setBarValue(ProgressBar bar, float value) override;
    float barMaximum(ProgressBar bar) const override;
    float barValue(ProgressBar bar) const override;
    void runStopped() override;
    void refreshFileList() override {}
    void yieldToEvents() override;
    void reportRunEnd(const WipeReport& report) override;

    HelperFrames mFrames;
    std::FILE* mOutput;
    PosixFileOperations mDisk;
    VerifyingFileOperations mVerifier;
    std::unique_ptr<WipeRun> mRun;
    std::vector<Listed> mFiles;    // every file handed over, accepted or not, from 1
    std::vector<int> mAccepted;    // the numbers of those accepted
    std::vector<Listed> mRunFiles; // what the run goes over: those accepted when it started
    std::vector<int> mRunNumbers;
    int mPasses = 1;
    bool mVerify = false;
    bool mBroken = false;       // a frame the protocol does not know came
    bool mEndAfterStop = false; // the caller ended the session while a run went on
    int mDestroyed = 0;
    int mFailed = 0;
    float mBars[2][2] = {{0, 100}, {0, 100}}; // value, maximum
    std::chrono::steady_clock::time_point mLastProgress;
};

} // namespace wypelark
