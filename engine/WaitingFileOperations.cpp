// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WaitingFileOperations.h"

#include "engine/DeviceWaiter.h"

#include <utility>

namespace wypelark {
namespace {

template <typename Call> auto waitFor(DeviceWaiter& waiter, Call call) {
    decltype(call()) result{};
    waiter.wait([&] { result = call(); });
    return result;
}

class WaitingOpenFile final : public OpenFile {
public:
    WaitingOpenFile(std::unique_ptr<OpenFile> inner, DeviceWaiter& waiter)
        : mInner(std::move(inner)), mWaiter(waiter) {}

    std::error_code length(std::int64_t& bytes) override {
        return waitFor(mWaiter, [&] { return mInner->length(bytes); });
    }

    std::error_code writeAt(std::int64_t offset, const char* data, std::size_t size) override {
        if (!mInner->writeMayWait(offset, size))
            return mInner->writeAt(offset, data, size);
        return waitFor(mWaiter, [&] { return mInner->writeAt(offset, data, size); });
    }

    bool writeMayWait(std::int64_t offset, std::size_t size) const override {
        return mInner->writeMayWait(offset, size);
    }

    std::error_code flushToDevice() override {
        return waitFor(mWaiter, [&] { return mInner->flushToDevice(); });
    }

    std::error_code close() override {
        return waitFor(mWaiter, [&] { return mInner->close(); });
    }

    std::error_code describe(StorageFacts& facts) override {
        return waitFor(mWaiter, [&] { return mInner->describe(facts); });
    }

    std::error_code readBack(const ReadPiece& chunk, bool& bypassedCache) override {
        return waitFor(mWaiter, [&] { return mInner->readBack(chunk, bypassedCache); });
    }

private:
    std::unique_ptr<OpenFile> mInner;
    DeviceWaiter& mWaiter;
};

} // namespace

WaitingFileOperations::WaitingFileOperations(FileOperations& inner, DeviceWaiter& waiter)
    : ForwardingFileOperations(inner), mWaiter(waiter) {}

OpenResult WaitingFileOperations::open(const std::string& path, const FileIdentity& identity) {
    return waitingFile(waitFor(mWaiter, [&] { return inner().open(path, identity); }));
}

OpenResult WaitingFileOperations::openFill(const std::string& folder,
                                           const NodeIdentity& identity) {
    return waitingFile(waitFor(mWaiter, [&] { return inner().openFill(folder, identity); }));
}

// A trim of a large volume takes seconds, minutes on some devices.
std::error_code WaitingFileOperations::trimFreeSpace(const std::string& folder,
                                                     const NodeIdentity& identity,
                                                     std::uint64_t& trimmed) {
    return waitFor(mWaiter, [&] { return inner().trimFreeSpace(folder, identity, trimmed); });
}

std::error_code WaitingFileOperations::measureVolume(const std::string& folder,
                                                     VolumeSpace& space) {
    return waitFor(mWaiter, [&] { return inner().measureVolume(folder, space); });
}

OpenResult WaitingFileOperations::waitingFile(OpenResult opened) {
    if (opened.file)
        opened.file = std::make_unique<WaitingOpenFile>(std::move(opened.file), mWaiter);
    return opened;
}

RemoveResult WaitingFileOperations::remove(const std::string& path, const FileIdentity& identity) {
    return waitFor(mWaiter, [&] { return inner().remove(path, identity); });
}

std::vector<Leftover> WaitingFileOperations::sweepLeftovers(const std::string& path,
                                                            const FileIdentity& identity) {
    return waitFor(mWaiter, [&] { return inner().sweepLeftovers(path, identity); });
}

std::error_code WaitingFileOperations::syncFolderOf(const std::string& path,
                                                    const FileIdentity& identity) {
    return waitFor(mWaiter, [&] { return inner().syncFolderOf(path, identity); });
}

RemoveResult WaitingFileOperations::removeFolder(const std::string& path,
                                                 const FileIdentity& identity) {
    return waitFor(mWaiter, [&] { return inner().removeFolder(path, identity); });
}

std::error_code WaitingFileOperations::checkBeforeRemove(const std::string& path,
                                                         const FileIdentity& identity) {
    return waitFor(mWaiter, [&] { return inner().checkBeforeRemove(path, identity); });
}

std::error_code WaitingFileOperations::readBack(const std::string& path,
                                                const FileIdentity& identity,
                                                const ReadChunk& chunk, bool& bypassedCache) {
    return waitFor(mWaiter, [&] { return inner().readBack(path, identity, chunk, bypassedCache); });
}

std::error_code WaitingFileOperations::mapExtents(const std::string& path,
                                                  const FileIdentity& identity,
                                                  FileExtents& extents) {
    return waitFor(mWaiter, [&] { return inner().mapExtents(path, identity, extents); });
}

std::error_code WaitingFileOperations::readDevice(dev_t device, std::uint64_t offset,
                                                  std::uint64_t length,
                                                  const ReadDeviceChunk& chunk) {
    return waitFor(mWaiter, [&] { return inner().readDevice(device, offset, length, chunk); });
}

} // namespace wypelark
