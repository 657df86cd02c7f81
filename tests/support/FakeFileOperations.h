// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileOperations.h"
#include "tests/support/DestructionRule.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace wypelark::testing {

enum class FileOp { Open, Length, Write, Flush, Close, Remove, SyncFolder };

struct RecordedOp {
    FileOp op;
    std::string path;
    std::int64_t position = 0;
    std::int64_t size = 0;
};

struct Write {
    std::int64_t position;
    std::int64_t size;
    bool operator==(const Write&) const = default;
};

// An in-memory disk that records every operation and fails the ones a test names.
// Files larger than the content limit keep only their length, for runs over huge files.
class FakeFileOperations final : public FileOperations {
public:
    enum class Kind { Regular, SymbolicLink, Directory, Fifo };

    struct Entry {
        Kind kind = Kind::Regular;
        std::int64_t length = 0;
        std::string content; // empty for files kept by length only
        bool contentKept = true;
        StorageFacts storage;
        // Where the content lies on the disk's device, when it was placed there.
        std::optional<std::uint64_t> physical;
        bool movesOnWrite = false;
        std::optional<std::uint64_t> leftAt; // the blocks it moved away from, with what they held
        std::string leftContent;
    };

    void addFile(const std::string& path, std::int64_t length, char fill = 'x');
    void addSpecial(const std::string& path, Kind kind);
    void setStorage(const std::string& path, StorageFacts facts) {
        mEntries.at(path).storage = facts;
    }

    // Puts the file's content on the disk's one device from the 0-based offset given, a multiple
    // of 4096 that no other file's blocks overlap: its extents map there, and the device reads
    // what it holds. A file that moves on write goes to fresh blocks at its first write, as on
    // copy-on-write file systems, and the blocks it left keep what they held.
    void placeOnDevice(const std::string& path, std::uint64_t physical, bool movesOnWrite = false);
    static constexpr dev_t Device = 0x801; // 8:1, a partition of the first disk
    // The device reads this byte at this 0-based offset, as one that lost a write would; -1 for
    // none. A device read fails with this errno when not 0.
    std::int64_t deviceReadsOtherAt = -1;
    int deviceReadError = 0;

    // Fails the occurrence-th operation of this kind on this path with the errno given.
    void failOn(FileOp op, const std::string& path, int errorNumber, int occurrence = 1);

    // Identities are not looked at, only handed to the rule: the paths of this disk name the same
    // file throughout.
    OpenResult open(const std::string& path, const FileIdentity& identity) override;
    RemoveResult remove(const std::string& path, const FileIdentity& identity) override;
    // Recorded under the folder's path.
    std::error_code syncFolderOf(const std::string& path, const FileIdentity& identity) override;
    // No private names are ever left on this disk.
    std::vector<Leftover> sweepLeftovers(const std::string&, const FileIdentity&) override {
        return {};
    }
    // Removes a folder entry that nothing lies below.
    RemoveResult removeFolder(const std::string& path, const FileIdentity& identity) override;
    std::error_code checkBeforeRemove(const std::string&, const FileIdentity&) override {
        return {};
    }
    // Hands the content kept, through the cache; a file kept by length only cannot be read.
    std::error_code readBack(const std::string& path, const FileIdentity& identity,
                             const ReadChunk& chunk, bool& bypassedCache) override;

    // The volume every fill is made on; a file larger than fileLimit bytes (when not 0) is
    // refused as FAT refuses files past 4 GiB. The free space it tells shrinks by what the fill
    // files hold, block by block, and a write past it is taken in part, as a full disk does.
    struct Volume {
        VolumeSpace space;
        std::int64_t fileLimit = 0;
    };
    void setVolume(const Volume& volume) { mVolume = volume; }
    // The folder's volume as set; an error when none is.
    std::error_code measureVolume(const std::string& folder, VolumeSpace& space) override;
    // Fill files are recorded under "FOLDER/(fill N)", numbered from 1 over the disk's life.
    OpenResult openFill(const std::string& folder, const NodeIdentity& identity) override;
    std::error_code trimFreeSpace(const std::string& folder, const NodeIdentity& identity,
                                  std::uint64_t& trimmed) override;
    std::uint64_t fillHeld() const { return mFillHeld; }
    int fillFilesOpen() const { return mFillFilesOpen; }
    // A fill write that did not start at the file's end or held anything but the fill.
    bool fillWentAstray() const { return mFillWentAstray; }
    // A fill file read back gives this byte at this 0-based offset, as a device that lost a
    // write would; -1 for none.
    std::int64_t fillReadsBackOtherAt = -1;

    // One extent per placed file, up to its last block; a file not placed cannot be mapped.
    std::error_code mapExtents(const std::string& path, const FileIdentity& identity,
                               FileExtents& extents) override;
    // The placed files' content, '\0' where none lies.
    std::error_code readDevice(dev_t device, std::uint64_t offset, std::uint64_t length,
                               const ReadDeviceChunk& chunk) override;

    bool exists(const std::string& path) const { return mEntries.count(path) > 0; }
    const Entry& entry(const std::string& path) const { return mEntries.at(path); }
    const std::vector<RecordedOp>& ops() const { return mOps; }
    std::vector<Write> writesTo(const std::string& path) const;
    int count(FileOp op, const std::string& path) const;
    int openFiles() const { return mOpenFiles; }
    bool wroteOutsideFile() const { return mWroteOutsideFile; }
    // Runs inside every removal, before it is made, as a slow device's delete lets a person act.
    std::function<void(const std::string&)> onRemove;
    // Checked on every operation of every test that uses this disk.
    DestructionRule& rule() { return mRule; }

private:
    class File;
    friend class File;
    class FillFile;
    friend class FillFile;

    struct FailRule {
        FileOp op;
        std::string path;
        int errorNumber;
        int occurrence;
    };

    // Records the operation and says whether a rule makes it fail.
    std::error_code record(const RecordedOp& op);

    std::map<std::string, Entry> mEntries;
    std::vector<RecordedOp> mOps;
    std::vector<FailRule> mRules;
    std::map<std::pair<FileOp, std::string>, int> mCounts;
    int mOpenFiles = 0;
    bool mWroteOutsideFile = false;
    std::optional<Volume> mVolume;
    std::uint64_t mFillHeld = 0;
    int mFillFilesOpen = 0;
    int mFillFilesMade = 0;
    bool mFillWentAstray = false;
    std::uint64_t mDeviceEnd = std::uint64_t{1} << 30; // where moved files go
    DestructionRule mRule;
};

} // namespace wypelark::testing
