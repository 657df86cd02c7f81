// SPDX-License-Identifier: LicenseRef-proprietary
#include "tests/support/RecordingFileOperations.h"

#include <limits>

namespace wypelark::testing {

class RecordingFileOperations::File final : public OpenFile {
public:
    File(std::unique_ptr<OpenFile> inner, std::string path, RecordingFileOperations& owner)
        : mInner(std::move(inner)), mPath(std::move(path)), mOwner(owner) {}

    std::error_code length(std::int64_t& bytes) override { return mInner->length(bytes); }
    // Records the 1-based position the run counts in.
    std::error_code writeAt(std::int64_t offset, const char* data, std::size_t size) override {
        const std::error_code error = mInner->writeAt(offset, data, size);
        // Another program may shorten a real file meanwhile: its end is not this write's fault.
        if (!error)
            mOwner.rule.wrote(mPath, offset, data, size, std::numeric_limits<std::int64_t>::max());
        mOwner.writes.push_back(
            {FileOp::Write, mPath, offset + 1, static_cast<std::int64_t>(size)});
        if (mOwner.onWrite)
            mOwner.onWrite(static_cast<int>(mOwner.writes.size()));
        return error;
    }
    std::error_code flushToDevice() override {
        const std::error_code error = mInner->flushToDevice();
        std::int64_t length = 0;
        if (!error && !mInner->length(length))
            mOwner.rule.flushed(mPath, length);
        return error;
    }
    std::error_code close() override {
        mOwner.rule.closed(mPath);
        return mInner->close();
    }
    std::error_code describe(StorageFacts& facts) override { return mInner->describe(facts); }

private:
    std::unique_ptr<OpenFile> mInner;
    std::string mPath;
    RecordingFileOperations& mOwner;
};

OpenResult RecordingFileOperations::open(const std::string& path, const FileIdentity& identity) {
    if (const std::error_code refused = openRefusal ? openRefusal(path) : std::error_code())
        return {nullptr, refused};
    OpenResult opened = inner().open(path, identity);
    if (opened.file) {
        rule.opened(path, identity);
        opened.file = std::make_unique<File>(std::move(opened.file), path, *this);
    }
    return opened;
}

std::error_code RecordingFileOperations::syncFolderOf(const std::string& path,
                                                      const FileIdentity& identity) {
    rule.folderSynced(splitPath(path).folder);
    return inner().syncFolderOf(path, identity);
}

RemoveResult RecordingFileOperations::remove(const std::string& path,
                                             const FileIdentity& identity) {
    RemoveResult removed = inner().remove(path, identity);
    if (!removed.error)
        rule.removed(path, identity);
    return removed;
}

} // namespace wypelark::testing
