// SPDX-License-Identifier: LicenseRef-proprietary
#include "tests/support/FakeFileOperations.h"

#include "engine/FreeSpaceRun.h"
#include "engine/WipeError.h"

#include <algorithm>
#include <cerrno>

namespace wypelark::testing {

namespace {
constexpr std::int64_t ContentLimit = 16 * 1024 * 1024;
}

class FakeFileOperations::File final : public OpenFile {
public:
    File(FakeFileOperations& disk, std::string path) : mDisk(disk), mPath(std::move(path)) {
        ++mDisk.mOpenFiles;
    }
    ~File() override { release(); }

    std::error_code length(std::int64_t& bytes) override {
        if (const std::error_code error = mDisk.record({FileOp::Length, mPath}))
            return error;
        bytes = mDisk.mEntries.at(mPath).length;
        return {};
    }

    // Records the 1-based position the run counts in.
    std::error_code writeAt(std::int64_t offset, const char* data, std::size_t size) override {
        const std::int64_t position = offset + 1;
        const auto bytes = static_cast<std::int64_t>(size);
        if (const std::error_code error = mDisk.record({FileOp::Write, mPath, position, bytes}))
            return error;
        Entry& entry = mDisk.mEntries.at(mPath);
        mDisk.mRule.wrote(mPath, offset, data, size, entry.length);
        if (position < 1 || position - 1 + bytes > entry.length) {
            mDisk.mWroteOutsideFile = true;
            return {};
        }
        if (entry.physical && entry.movesOnWrite && !entry.leftAt) {
            entry.leftAt = entry.physical;
            entry.leftContent = entry.content;
            entry.physical = std::exchange(mDisk.mDeviceEnd, mDisk.mDeviceEnd + (1u << 30));
        }
        if (entry.contentKept)
            std::copy(data, data + size, entry.content.begin() + (position - 1));
        return {};
    }

    std::error_code flushToDevice() override {
        if (const std::error_code error = mDisk.record({FileOp::Flush, mPath}))
            return error;
        mDisk.mRule.flushed(mPath, mDisk.mEntries.at(mPath).length);
        return {};
    }

    std::error_code close() override {
        const std::error_code error = mDisk.record({FileOp::Close, mPath});
        mDisk.mRule.closed(mPath);
        release();
        return error;
    }

    // A look, not an operation on the file: it is not recorded.
    std::error_code describe(StorageFacts& facts) override {
        facts = mDisk.mEntries.at(mPath).storage;
        return {};
    }

private:
    void release() {
        if (mOpen) {
            mOpen = false;
            --mDisk.mOpenFiles;
        }
    }

    FakeFileOperations& mDisk;
    std::string mPath;
    bool mOpen = true;
};

// A file of the fill: it has no entry, only a length, and the blocks it holds on the volume.
class FakeFileOperations::FillFile final : public OpenFile {
public:
    FillFile(FakeFileOperations& disk, std::string path) : mDisk(disk), mPath(std::move(path)) {
        ++mDisk.mFillFilesOpen;
    }
    ~FillFile() override { release(); }

    std::error_code length(std::int64_t& bytes) override {
        if (const std::error_code error = mDisk.record({FileOp::Length, mPath}))
            return error;
        bytes = mLength;
        return {};
    }

    std::error_code writeAt(std::int64_t offset, const char* data, std::size_t size) override {
        const auto bytes = static_cast<std::int64_t>(size);
        if (const std::error_code error = mDisk.record({FileOp::Write, mPath, offset + 1, bytes}))
            return error;
        if (offset != mLength || std::any_of(data, data + size, [](char c) { return c != '0'; }))
            mDisk.mFillWentAstray = true;
        const Volume& volume = *mDisk.mVolume;
        std::int64_t end = offset + bytes;
        std::error_code refused;
        if (volume.fileLimit > 0 && end > volume.fileLimit) {
            end = volume.fileLimit;
            refused = std::make_error_code(std::errc::file_too_large);
        }
        const std::int64_t block = volume.space.blockSize;
        const auto free =
            static_cast<std::int64_t>(FreeSpaceRun::fillableBytes(volume.space) - mDisk.mFillHeld);
        if (blocksFor(end) - blocksFor(mLength) > free) {
            end = std::min(end, blocksFor(mLength) + free / block * block);
            refused = std::make_error_code(std::errc::no_space_on_device);
        }
        if (end > mLength) {
            mDisk.mFillHeld += static_cast<std::uint64_t>(blocksFor(end) - blocksFor(mLength));
            mLength = end;
        }
        return refused;
    }

    std::error_code flushToDevice() override { return mDisk.record({FileOp::Flush, mPath}); }

    std::error_code close() override {
        const std::error_code error = mDisk.record({FileOp::Close, mPath});
        release();
        return error;
    }

    std::error_code describe(StorageFacts& facts) override {
        facts = mDisk.mVolume->space.storage;
        return {};
    }

    // Through the cache, as this disk has no other way.
    std::error_code readBack(const ReadPiece& chunk, bool& bypassedCache) override {
        bypassedCache = false;
        std::string content(static_cast<std::size_t>(mLength), '0');
        if (mDisk.fillReadsBackOtherAt >= 0 && mDisk.fillReadsBackOtherAt < mLength)
            content[static_cast<std::size_t>(mDisk.fillReadsBackOtherAt)] = 'x';
        chunk(0, content.data(), content.size());
        return {};
    }

private:
    std::int64_t blocksFor(std::int64_t length) const {
        const std::int64_t block = mDisk.mVolume->space.blockSize;
        return (length + block - 1) / block * block;
    }

    void release() {
        if (!mOpen)
            return;
        mOpen = false;
        --mDisk.mFillFilesOpen;
        mDisk.mFillHeld -= static_cast<std::uint64_t>(blocksFor(mLength));
    }

    FakeFileOperations& mDisk;
    std::string mPath;
    std::int64_t mLength = 0;
    bool mOpen = true;
};

void FakeFileOperations::addFile(const std::string& path, std::int64_t length, char fill) {
    Entry entry;
    entry.length = length;
    entry.contentKept = length <= ContentLimit;
    if (entry.contentKept)
        entry.content.assign(static_cast<std::size_t>(length), fill);
    mEntries[path] = std::move(entry);
}

void FakeFileOperations::addSpecial(const std::string& path, Kind kind) {
    Entry entry;
    entry.kind = kind;
    mEntries[path] = entry;
}

void FakeFileOperations::failOn(FileOp op, const std::string& path, int errorNumber,
                                int occurrence) {
    mRules.push_back({op, path, errorNumber, occurrence});
}

std::error_code FakeFileOperations::record(const RecordedOp& op) {
    mOps.push_back(op);
    const int seen = ++mCounts[{op.op, op.path}];
    for (const FailRule& rule : mRules) {
        if (rule.op == op.op && rule.path == op.path && rule.occurrence == seen)
            return {rule.errorNumber, std::system_category()};
    }
    return {};
}

OpenResult FakeFileOperations::open(const std::string& path, const FileIdentity& identity) {
    if (const std::error_code error = record({FileOp::Open, path}))
        return {nullptr, error};
    const auto found = mEntries.find(path);
    if (found == mEntries.end())
        return {nullptr, {ENOENT, std::system_category()}};
    if (found->second.kind == Kind::SymbolicLink)
        return {nullptr, WipeErrc::SymbolicLink};
    if (found->second.kind != Kind::Regular)
        return {nullptr, WipeErrc::NotRegularFile};
    mRule.opened(path, identity);
    return {std::make_unique<File>(*this, path), {}};
}

RemoveResult FakeFileOperations::remove(const std::string& path, const FileIdentity& identity) {
    if (onRemove)
        onRemove(path);
    if (const std::error_code error = record({FileOp::Remove, path}))
        return {error, {}};
    if (mEntries.erase(path) == 0)
        return {{ENOENT, std::system_category()}, {}};
    mRule.removed(path, identity);
    return {};
}

std::error_code FakeFileOperations::syncFolderOf(const std::string& path, const FileIdentity&) {
    const std::string folder = splitPath(path).folder;
    mRule.folderSynced(folder);
    return record({FileOp::SyncFolder, folder});
}

RemoveResult FakeFileOperations::removeFolder(const std::string& path, const FileIdentity&) {
    const auto found = mEntries.find(path);
    if (found == mEntries.end())
        return {{ENOENT, std::system_category()}, {}};
    if (found->second.kind != Kind::Directory)
        return {{ENOTDIR, std::system_category()}, {}};
    const auto next = std::next(found);
    if (next != mEntries.end() && next->first.starts_with(path + "/"))
        return {{ENOTEMPTY, std::system_category()}, {}};
    mEntries.erase(found);
    return {};
}

std::error_code FakeFileOperations::readBack(const std::string& path, const FileIdentity&,
                                             const ReadChunk& chunk, bool& bypassedCache) {
    bypassedCache = false;
    const auto found = mEntries.find(path);
    if (found == mEntries.end())
        return {ENOENT, std::system_category()};
    if (!found->second.contentKept)
        return std::make_error_code(std::errc::operation_not_supported);
    chunk(0, found->second.content.data(), found->second.content.size());
    return {};
}

std::error_code FakeFileOperations::measureVolume(const std::string&, VolumeSpace& space) {
    if (!mVolume)
        return std::make_error_code(std::errc::no_such_device);
    space = mVolume->space;
    space.availableBytes -= std::min(space.availableBytes, mFillHeld);
    space.unusedBytes -= std::min(space.unusedBytes, mFillHeld);
    return {};
}

// The fake's volume lies on no device that takes discards.
std::error_code FakeFileOperations::trimFreeSpace(const std::string&, const NodeIdentity&,
                                                  std::uint64_t&) {
    return std::make_error_code(std::errc::operation_not_supported);
}

OpenResult FakeFileOperations::openFill(const std::string& folder, const NodeIdentity&) {
    const std::string path = joinPath(folder, "(fill " + std::to_string(++mFillFilesMade) + ")");
    if (const std::error_code error = record({FileOp::Open, path}))
        return {nullptr, error};
    if (!mVolume)
        return {nullptr, std::make_error_code(std::errc::no_such_device)};
    return {std::make_unique<FillFile>(*this, path), {}};
}

std::vector<Write> FakeFileOperations::writesTo(const std::string& path) const {
    std::vector<Write> writes;
    for (const RecordedOp& op : mOps) {
        if (op.op == FileOp::Write && op.path == path)
            writes.push_back({op.position, op.size});
    }
    return writes;
}

int FakeFileOperations::count(FileOp op, const std::string& path) const {
    const auto found = mCounts.find({op, path});
    return found == mCounts.end() ? 0 : found->second;
}

void FakeFileOperations::placeOnDevice(const std::string& path, std::uint64_t physical,
                                       bool movesOnWrite) {
    Entry& entry = mEntries.at(path);
    entry.physical = physical;
    entry.movesOnWrite = movesOnWrite;
}

std::error_code FakeFileOperations::mapExtents(const std::string& path, const FileIdentity&,
                                               FileExtents& extents) {
    const auto found = mEntries.find(path);
    if (found == mEntries.end())
        return {ENOENT, std::system_category()};
    const Entry& entry = found->second;
    const auto length = static_cast<std::uint64_t>(entry.length);
    extents = {Device, entry.storage.fileSystemType, length, 4096, {}};
    if (!entry.physical)
        return std::make_error_code(std::errc::operation_not_supported);
    extents.extents.push_back({0, *entry.physical, (length + 4095) / 4096 * 4096, 0});
    return {};
}

std::error_code FakeFileOperations::readDevice(dev_t device, std::uint64_t offset,
                                               std::uint64_t length, const ReadDeviceChunk& chunk) {
    if (deviceReadError != 0)
        return {deviceReadError, std::system_category()};
    if (device != Device)
        return std::make_error_code(std::errc::no_such_device);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    const auto lay = [&](std::uint64_t at, const std::string& content) {
        for (std::uint64_t i = 0; i < content.size(); ++i)
            if (at + i >= offset && at + i < offset + length)
                bytes[static_cast<std::size_t>(at + i - offset)] = content[i];
    };
    for (const auto& [path, entry] : mEntries) {
        if (entry.leftAt)
            lay(*entry.leftAt, entry.leftContent);
        if (entry.physical)
            lay(*entry.physical, entry.content);
    }
    if (deviceReadsOtherAt >= 0 && static_cast<std::uint64_t>(deviceReadsOtherAt) >= offset &&
        static_cast<std::uint64_t>(deviceReadsOtherAt) < offset + length)
        bytes[static_cast<std::size_t>(static_cast<std::uint64_t>(deviceReadsOtherAt) - offset)] =
            'x';
    chunk(0, bytes.data(), bytes.size());
    return {};
}

} // namespace wypelark::testing
