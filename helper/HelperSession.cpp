// SPDX-License-Identifier: LicenseRef-proprietary
#include "helper/HelperSession.h"

#include "engine/WipeError.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace wypelark {
namespace {

constexpr int ProtocolVersion = 1;
constexpr auto ProgressInterval = std::chrono::milliseconds(100);

std::optional<NodeIdentity> nodeOf(const std::string& device, const std::string& inode,
                                   const std::string& stamp) {
    const std::optional<std::uint64_t> dev = HelperFrames::number(device);
    const std::optional<std::uint64_t> ino = HelperFrames::number(inode);
    const std::size_t first = stamp.find(':');
    const std::size_t second = stamp.find(':', first == std::string::npos ? first : first + 1);
    if (!dev || !ino || *ino == 0 || second == std::string::npos)
        return std::nullopt;
    const std::optional<std::uint64_t> kind = HelperFrames::number(stamp.substr(0, first));
    const std::optional<std::uint64_t> value =
        HelperFrames::number(stamp.substr(first + 1, second - first - 1));
    const std::optional<std::uint64_t> nanoseconds = HelperFrames::number(stamp.substr(second + 1));
    if (!kind || *kind > 2 || !value || !nanoseconds || *nanoseconds > 999'999'999)
        return std::nullopt;
    return NodeIdentity{*dev, *ino,
                        InodeStamp{static_cast<std::int64_t>(*value),
                                   static_cast<std::uint32_t>(*nanoseconds),
                                   static_cast<InodeStamp::Kind>(*kind)}};
}

// Why the path is not the regular file identified, in the folder identified; nothing when it is.
std::error_code refusal(const std::string& path, const FileIdentity& identity) {
    if (path.empty() || path.front() != '/')
        return WipeErrc::EmptyName;
    NodeLook file;
    if (const std::error_code error = lookAtNode(AT_FDCWD, path.c_str(), file))
        return error;
    if (const std::error_code error = refuseUnlessRegular(file.mode))
        return error;
    NodeLook folder;
    if (const std::error_code error = lookAtNode(AT_FDCWD, splitPath(path).folder.c_str(), folder))
        return error;
    if (!isNode(file, identity.file) || !isNode(folder, identity.folder))
        return WipeErrc::Changed;
    return {};
}

std::string errorWord(const std::error_code& error) {
    if (error.category() == wipeCategory())
        return reasonWord(error);
    return std::to_string(error.value());
}

} // namespace

HelperSession::HelperSession(int input, std::FILE* output)
    : mFrames(input), mOutput(output), mVerifier(mDisk, WipeRun::FillByte) {}

HelperSession::~HelperSession() = default;

int HelperSession::serve() {
    const std::optional<std::vector<std::string>> hello = mFrames.next(true);
    if (!hello || *hello != std::vector<std::string>{"hello", std::to_string(ProtocolVersion)}) {
        say("refused version");
        return 2;
    }
    say("hello " + std::to_string(ProtocolVersion));
    while (!mBroken && !mEndAfterStop) {
        const std::optional<std::vector<std::string>> frame = mFrames.next(true);
        if (!frame || frame->front() == "end" || frame->front() == "eof") {
            endPausedRun();
            return 0;
        }
        if (!handle(*frame))
            mBroken = true;
    }
    if (!mBroken)
        return 0;
    endPausedRun();
    say("refused frame");
    return 2;
}

// A paused run ends with the session: the file it stopped in is named partly overwritten.
void HelperSession::endPausedRun() {
    if (!mRun || !mRun->resumePending())
        return;
    mRun->endStopped();
    say("end " + std::to_string(mDestroyed) + " " + std::to_string(mFailed));
}

bool HelperSession::handle(const std::vector<std::string>& frame) {
    const std::string& verb = frame.front();
    if (verb == "file" && frame.size() == 8) {
        takeFile(frame);
        return true;
    }
    if (verb == "passes" && frame.size() == 2) {
        const std::optional<std::uint64_t> passes = HelperFrames::number(frame[1]);
        if (!passes || *passes < 1 || *passes > 20)
            return false;
        mPasses = static_cast<int>(*passes);
        say("ok");
        return true;
    }
    if (verb == "verify" && frame.size() == 2 && (frame[1] == "0" || frame[1] == "1")) {
        mVerify = frame[1] == "1";
        say("ok");
        return true;
    }
    if (verb == "run" && frame.size() == 1) {
        run();
        return !mBroken;
    }
    if (verb == "trim" && frame.size() == 2) {
        trim(frame);
        return true;
    }
    return false;
}

void HelperSession::takeFile(const std::vector<std::string>& frame) {
    const std::optional<std::string> path = HelperFrames::unhex(frame[1]);
    const std::optional<NodeIdentity> file = nodeOf(frame[2], frame[3], frame[4]);
    const std::optional<NodeIdentity> folder = nodeOf(frame[5], frame[6], frame[7]);
    Listed listed{path.value_or(std::string()),
                  {file.value_or(NodeIdentity{}), folder.value_or(NodeIdentity{})}};
    mFiles.push_back(listed);
    const std::string number = std::to_string(mFiles.size());
    const std::error_code refused = !path || !file || !folder
                                        ? make_error_code(WipeErrc::EmptyName)
                                        : refusal(listed.path, listed.identity);
    if (refused) {
        say("refused " + number + " " + errorWord(refused));
        return;
    }
    mAccepted.push_back(static_cast<int>(mFiles.size()));
    say("accepted " + number);
}

// A fresh run takes the files accepted so far; a stopped one goes on where it stopped.
void HelperSession::run() {
    if (!mRun || !mRun->resumePending()) {
        mRunFiles.clear();
        mRunNumbers = mAccepted;
        for (const int number : mAccepted)
            mRunFiles.push_back(mFiles.at(static_cast<std::size_t>(number - 1)));
        mRun = std::make_unique<WipeRun>(static_cast<WipeHost&>(*this),
                                         mVerify ? static_cast<FileOperations&>(mVerifier)
                                                 : static_cast<FileOperations&>(mDisk));
        mDestroyed = 0;
        mFailed = 0;
    }
    mRun->setStopRequested(false);
    mRun->WipeFiles();
    // Ended, or broken, while it ran: the file it stopped in is named partly overwritten.
    if (mRun->resumePending() && mEndAfterStop)
        mRun->endStopped();
    if (mRun->resumePending()) {
        say("paused");
        return;
    }
    say("end " + std::to_string(mDestroyed) + " " + std::to_string(mFailed));
}

void HelperSession::trim(const std::vector<std::string>& frame) {
    const std::optional<std::string> folder = HelperFrames::unhex(frame[1]);
    NodeLook look;
    std::error_code error = !folder || folder->empty() || folder->front() != '/'
                                ? make_error_code(WipeErrc::EmptyName)
                                : lookAtNode(AT_FDCWD, folder->c_str(), look);
    if (!error && !S_ISDIR(look.mode))
        error = std::make_error_code(std::errc::not_a_directory);
    std::uint64_t trimmed = 0;
    if (!error)
        error = mDisk.trimFreeSpace(*folder, look.node, trimmed);
    if (error)
        sayFailure(0, 0, error);
    else
        say("trimmed " + std::to_string(trimmed));
}

void HelperSession::say(const std::string& line) {
    std::fputs((line + "\n").c_str(), mOutput);
    std::fflush(mOutput);
}

void HelperSession::sayFailure(int index, int step, const std::error_code& error) {
    say("failed " + std::to_string(index) + " " + std::to_string(step) + " " + errorWord(error));
}

void HelperSession::removeDestroyedItems(const std::vector<int>& undestroyed) {
    std::size_t next = 0;
    for (int index = 1; index <= itemCount(); ++index) {
        if (next < undestroyed.size() && undestroyed[next] == index) {
            ++next;
            continue;
        }
        ++mDestroyed;
        say("destroyed " + std::to_string(mRunNumbers.at(static_cast<std::size_t>(index - 1))));
    }
}

void HelperSession::setBarMaximum(ProgressBar bar, float maximum) {
    mBars[static_cast<int>(bar)][1] = maximum;
}

void HelperSession::setBarValue(ProgressBar bar, float value) {
    mBars[static_cast<int>(bar)][0] = value;
}

float HelperSession::barMaximum(ProgressBar bar) const {
    return mBars[static_cast<int>(bar)][1];
}

float HelperSession::barValue(ProgressBar bar) const {
    return mBars[static_cast<int>(bar)][0];
}

void HelperSession::runStopped() {}

// Between writes: the progress, now and then, and a pause or an end the caller sent.
void HelperSession::yieldToEvents() {
    const auto now = std::chrono::steady_clock::now();
    if (now - mLastProgress >= ProgressInterval) {
        mLastProgress = now;
        const float overall = mBars[0][1] > 0 ? mBars[0][0] / mBars[0][1] : 0;
        say("progress " + std::to_string(mRun->fileIndex()) + " " + std::to_string(mRun->pass()) +
            " " + std::to_string(static_cast<int>(overall * 1000)));
    }
    const std::optional<std::vector<std::string>> frame = mFrames.next(false);
    if (!frame)
        return;
    if (*frame == std::vector<std::string>{"pause"}) {
        mRun->setStopRequested(true);
        return;
    }
    // Anything else, the end of the input included, stops the run after this write; the
    // session then ends with it.
    mRun->setStopRequested(true);
    mBroken = frame->front() != "end" && frame->front() != "eof";
    mEndAfterStop = true;
}

void HelperSession::reportRunEnd(const WipeReport& report) {
    for (const WipeFailure& failure : report.failures) {
        ++mFailed;
        int number = 0;
        for (std::size_t at = 0; at < mRunFiles.size(); ++at) {
            if (mRunFiles[at].path == failure.path)
                number = mRunNumbers[at];
        }
        sayFailure(number, static_cast<int>(failure.step), failure.error);
    }
}

} // namespace wypelark
