// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/FreeSpaceRun.h"

#include "engine/ActiveScope.h"
#include "engine/WipeError.h"
#include "engine/WipeHost.h"
#include "engine/WipeRun.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace wypelark {
namespace {

bool volumeFull(const std::error_code& error) {
    return error == std::errc::no_space_on_device ||
           error == std::error_code(EDQUOT, std::system_category());
}

bool fileTooLarge(const std::error_code& error) {
    return error == std::errc::file_too_large;
}

float barSpan(std::uint64_t bytes) {
    return bytes == 0 ? 1.0f : static_cast<float>(bytes);
}

} // namespace

FreeSpaceRun::FreeSpaceRun(WipeHost& host, FileOperations& files) : mHost(host), mFiles(files) {}

FreeSpaceRun::~FreeSpaceRun() = default;

std::error_code FreeSpaceRun::refusal(const VolumeSpace& space) {
    const std::uint64_t type = space.storage.fileSystemType;
    if (isKernelFileSystem(type))
        return WipeErrc::KernelFileSystem;
    if (inMemoryType(type) || space.storage.device == DeviceKind::Memory)
        return WipeErrc::MemoryVolume;
    if (isNetworkFileSystem(type))
        return WipeErrc::NetworkVolume;
    if (space.readOnly)
        return WipeErrc::ReadOnlyVolume;
    return {};
}

// Root may take the blocks kept for it; anyone else stops short of them.
std::uint64_t FreeSpaceRun::fillableBytes(const VolumeSpace& space) {
    return ::geteuid() == 0 ? space.unusedBytes : space.availableBytes;
}

void FreeSpaceRun::setTarget(const std::string& folder, const VolumeSpace& space) {
    if (mActive || mResumePending)
        return;
    mFolder = folder;
    mSpace = space;
}

void FreeSpaceRun::fill() {
    if (mActive)
        return;
    const ActiveScope activeScope(mActive);
    const std::string fillBlock(static_cast<std::size_t>(WipeRun::BlockSize), WipeRun::FillByte);
    if (!mResumePending && !startFresh())
        return;
    mResumePending = false;
    while (mPass <= mReport.passes) {
        if (fillPass(fillBlock) != Outcome::Done)
            return;
        ++mPass;
    }
    trimAfterLastPass();
}

// The space went back after the last pass; the file system is asked to discard its free blocks.
void FreeSpaceRun::trimAfterLastPass() {
    if (!mTrim)
        return;
    std::uint64_t trimmed = 0;
    mReport.trimError = mFiles.trimFreeSpace(mFolder, mSpace.folder, trimmed);
    if (!mReport.trimError)
        mReport.trimmedBytes = trimmed;
}

bool FreeSpaceRun::startFresh() {
    mReport = {};
    mReport.folder = mFolder;
    mReport.passes = std::max(1, mHost.passCount());
    mReport.freeAtStart = fillableBytes(mSpace);
    mReport.remarks = storageReasons(mSpace.storage);
    mBytesWritten = 0;
    mPass = 1;
    if (const std::error_code refused = refusal(mSpace)) {
        fail(WipeStep::Open, refused);
        return false;
    }
    mHost.setBarMinimum(ProgressBar::Overall, 0);
    mHost.setBarMaximum(ProgressBar::Overall,
                        barSpan(mReport.freeAtStart * static_cast<std::uint64_t>(mReport.passes)));
    mHost.setBarValue(ProgressBar::Overall, 0);
    mHost.setBarMinimum(ProgressBar::Current, 0);
    mHost.setBarMaximum(ProgressBar::Current, barSpan(mReport.freeAtStart));
    mHost.setBarValue(ProgressBar::Current, 0);
    return true;
}

// Writes until the volume takes no more. A write the volume takes in part ends where the file
// now ends; from there on one block at a time goes, the first one up to a block's end.
FreeSpaceRun::Outcome FreeSpaceRun::fillPass(const std::string& fillBlock) {
    if (mOpen.empty() && !openNextFile())
        return Outcome::Failed;
    const std::int64_t block = std::clamp<std::int64_t>(mSpace.blockSize, 512, WipeRun::BlockSize);
    for (;;) {
        const std::int64_t size = mShrunk ? block - mWritePos % block : WipeRun::BlockSize;
        const std::error_code error =
            mOpen.back()->writeAt(mWritePos, fillBlock.data(), static_cast<std::size_t>(size));
        if (!error) {
            advance(size);
            if (mStopRequested) {
                stop();
                return Outcome::Stopped;
            }
            mHost.yieldToEvents();
            continue;
        }
        if (!volumeFull(error) && !fileTooLarge(error))
            return fail(WipeStep::Write, error);
        std::int64_t length = 0;
        if (const std::error_code lengthError = mOpen.back()->length(length))
            return fail(WipeStep::Length, lengthError);
        advance(length - mWritePos);
        if (fileTooLarge(error)) {
            if (mWritePos == 0)
                return fail(WipeStep::Write, error);
            if (!openNextFile())
                return Outcome::Failed;
            continue;
        }
        if (mShrunk && size <= block)
            break;
        mShrunk = true;
    }
    return finishPass() ? Outcome::Done : Outcome::Failed;
}

bool FreeSpaceRun::openNextFile() {
    OpenResult opened = mFiles.openFill(mFolder, mSpace.folder);
    if (opened.error) {
        fail(WipeStep::Open, opened.error);
        return false;
    }
    mOpen.push_back(std::move(opened.file));
    mWritePos = 0;
    return true;
}

void FreeSpaceRun::advance(std::int64_t bytes) {
    if (bytes <= 0)
        return;
    mWritePos += bytes;
    mPassBytes += static_cast<std::uint64_t>(bytes);
    mBytesWritten += bytes;
    const std::uint64_t pass = std::min(mPassBytes, mReport.freeAtStart);
    mHost.setBarValue(ProgressBar::Current, static_cast<float>(pass));
    mHost.setBarValue(
        ProgressBar::Overall,
        static_cast<float>(mReport.freeAtStart * static_cast<std::uint64_t>(mPass - 1) + pass));
}

// Every file of the pass reaches the device, and then the space goes back at once.
bool FreeSpaceRun::finishPass() {
    mHost.setBarValue(ProgressBar::Current, barSpan(mReport.freeAtStart));
    for (const std::unique_ptr<OpenFile>& file : mOpen) {
        if (const std::error_code error = file->flushToDevice()) {
            fail(WipeStep::Flush, error);
            return false;
        }
    }
    if (mReadBack && !readBackPass())
        return false;
    measureUntouched();
    mReport.mostFiles = std::max(mReport.mostFiles, static_cast<int>(mOpen.size()));
    const std::uint64_t filled = mPassBytes;
    if (const std::error_code error = releaseSpace()) {
        fail(WipeStep::Close, error);
        return false;
    }
    mReport.filledPerPass.push_back(filled);
    mHost.setBarValue(ProgressBar::Overall,
                      static_cast<float>(mReport.freeAtStart * static_cast<std::uint64_t>(mPass)));
    return true;
}

// Every file of the pass must give back exactly the bytes written, all of them the fill.
bool FreeSpaceRun::readBackPass() {
    const ActiveScope reading(mReadingNow);
    std::uint64_t read = 0;
    bool onlyFill = true;
    bool fromDevice = true;
    for (const std::unique_ptr<OpenFile>& file : mOpen) {
        bool bypassedCache = false;
        const std::error_code error = file->readBack(
            [&](std::int64_t, const char* data, std::size_t size) {
                onlyFill =
                    std::all_of(data, data + size, [](char c) { return c == WipeRun::FillByte; });
                read += size;
                return onlyFill;
            },
            bypassedCache);
        fromDevice = fromDevice && bypassedCache;
        if (error || !onlyFill) {
            fail(WipeStep::Verify, error ? error : make_error_code(WipeErrc::ReadBackDiffers));
            return false;
        }
    }
    if (read != mPassBytes) {
        fail(WipeStep::Verify, WipeErrc::ReadBackDiffers);
        return false;
    }
    if (!fromDevice)
        mReport.readBack = FillReadBack::ThroughCache;
    else if (mReport.readBack == FillReadBack::NotRead)
        mReport.readBack = FillReadBack::FromDevice;
    return true;
}

// What is still free while the fill holds all it could take was not reached.
void FreeSpaceRun::measureUntouched() {
    VolumeSpace now;
    if (!mFiles.measureVolume(mFolder, now))
        mReport.untouchedBytes = std::max(mReport.untouchedBytes, now.unusedBytes);
}

std::error_code FreeSpaceRun::releaseSpace() {
    std::error_code first;
    for (std::unique_ptr<OpenFile>& file : mOpen) {
        const std::error_code error = file->close();
        if (error && !first)
            first = error;
    }
    mOpen.clear();
    mWritePos = 0;
    mShrunk = false;
    mPassBytes = 0;
    return first;
}

FreeSpaceRun::Outcome FreeSpaceRun::fail(WipeStep step, std::error_code error) {
    static_cast<void>(releaseSpace());
    mResumePending = false;
    mReport.failure = WipeFailure{mFolder, step, error};
    return Outcome::Failed;
}

void FreeSpaceRun::stop() {
    mResumePending = true;
    mHost.runStopped();
}

void FreeSpaceRun::endStopped() {
    if (!mResumePending || mActive)
        return;
    mResumePending = false;
    mReport.interrupted = true;
    if (const std::error_code error = releaseSpace())
        mReport.failure = WipeFailure{mFolder, WipeStep::Close, error};
}

} // namespace wypelark
