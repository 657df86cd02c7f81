// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/PosixFileOperations.h"
#include "engine/ForwardingFileOperations.h"
#include "engine/WipeError.h"
#include "engine/WipeRun.h"
#include "tests/support/FakeWipeHost.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <vector>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

// The real disk, with a look at each file's bytes just before every close.
class InspectingFileOperations final : public ForwardingFileOperations {
public:
    InspectingFileOperations() : ForwardingFileOperations(mDisk) {}

    struct Snapshot {
        std::string path;
        std::string content;
    };
    std::vector<Snapshot> beforeClose;

    OpenResult open(const std::string& path, const FileIdentity& identity) override {
        OpenResult opened = mDisk.open(path, identity);
        if (opened.file)
            opened.file = std::make_unique<Inspected>(std::move(opened.file), path, beforeClose);
        return opened;
    }

private:
    class Inspected final : public OpenFile {
    public:
        Inspected(std::unique_ptr<OpenFile> inner, std::string path, std::vector<Snapshot>& seen)
            : mInner(std::move(inner)), mPath(std::move(path)), mSeen(seen) {}
        std::error_code length(std::int64_t& bytes) override { return mInner->length(bytes); }
        std::error_code writeAt(std::int64_t offset, const char* data, std::size_t size) override {
            return mInner->writeAt(offset, data, size);
        }
        std::error_code flushToDevice() override { return mInner->flushToDevice(); }
        std::error_code close() override {
            mSeen.push_back({mPath, readWhole(mPath)});
            return mInner->close();
        }
        std::error_code describe(StorageFacts& facts) override { return mInner->describe(facts); }

    private:
        std::unique_ptr<OpenFile> mInner;
        std::string mPath;
        std::vector<Snapshot>& mSeen;
    };

    PosixFileOperations mDisk;
};

TEST(PosixWipe, everyPassLeavesEveryByteZeroCharactersAndTheLengthUnchanged) {
    TempDir dir;
    const std::vector<std::int64_t> lengths{0, 1, 30, 50000, 50001, 100000, 120000};
    FakeWipeHost host;
    for (const std::int64_t length : lengths)
        host.items.push_back(dir.makeFile("f" + std::to_string(length), length));
    host.passes = 2;
    InspectingFileOperations disk;
    WipeRun run(host, disk);

    run.WipeFiles();

    ASSERT_EQ(disk.beforeClose.size(), lengths.size() * 2);
    for (std::size_t i = 0; i < disk.beforeClose.size(); ++i) {
        const std::int64_t length = lengths[i / 2];
        EXPECT_EQ(disk.beforeClose[i].content, std::string(static_cast<std::size_t>(length), '0'))
            << disk.beforeClose[i].path << " pass " << (i % 2 + 1);
    }
    for (const std::string& path : host.items)
        EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_TRUE(host.reports.empty());
}

TEST(PosixWipe, aSymbolicLinkIsLeftAloneAndItsTargetKeepsEveryByte) {
    TempDir dir;
    const std::string target = dir.makeFile("target", 70000, 't');
    const std::string link = dir.file("link");
    fs::create_symlink(target, link);
    FakeWipeHost host;
    host.items = {link};
    PosixFileOperations disk;
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_EQ(readWhole(target), std::string(70000, 't'));
    EXPECT_TRUE(fs::is_symlink(link));
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].failures[0].error, make_error_code(WipeErrc::SymbolicLink));
}

TEST(PosixWipe, aMissingPathIsReportedAndNotCreated) {
    TempDir dir;
    FakeWipeHost host;
    host.items = {dir.file("gone")};
    PosixFileOperations disk;
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_FALSE(fs::exists(dir.file("gone")));
    ASSERT_EQ(host.reports.size(), 1u);
    EXPECT_EQ(host.reports[0].failures[0].error.value(), ENOENT);
}

TEST(PosixFileOperations, foldersAndFifosAreRefusedWithoutBeingOpenedForWriting) {
    TempDir dir;
    fs::create_directory(dir.file("folder"));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    PosixFileOperations disk;

    EXPECT_EQ(disk.open(dir.file("folder"), identityNow(dir.file("folder"))).error,
              make_error_code(WipeErrc::NotRegularFile));
    EXPECT_EQ(disk.open(dir.file("fifo"), identityNow(dir.file("fifo"))).error,
              make_error_code(WipeErrc::NotRegularFile));
    EXPECT_EQ(disk.open("/dev/null", identityNow("/dev/null")).error,
              make_error_code(WipeErrc::NotRegularFile));
}

TEST(PosixFileOperations, writesLandAtTheirOffsetsBeyondTwoGibibytes) {
    TempDir dir;
    const std::string path = dir.file("sparse");
    const std::int64_t length = (std::int64_t{1} << 31) + 10;
    fs::resize_file(dir.makeFile("sparse", 0), static_cast<std::uintmax_t>(length));
    PosixFileOperations disk;
    OpenResult opened = disk.open(path, identityNow(path));
    ASSERT_FALSE(opened.error) << opened.error.message();
    std::int64_t measured = 0;
    ASSERT_FALSE(opened.file->length(measured));
    EXPECT_EQ(measured, length);

    ASSERT_FALSE(opened.file->writeAt(length - 3, "000", 3));
    ASSERT_FALSE(opened.file->flushToDevice());
    ASSERT_FALSE(opened.file->close());

    EXPECT_EQ(fs::file_size(path), static_cast<std::uintmax_t>(length));
    std::ifstream in(path, std::ios::binary);
    in.seekg(length - 4);
    std::string tail(4, '?');
    in.read(tail.data(), 4);
    EXPECT_EQ(tail, std::string("\0000", 2) + "00");
}

TEST(PosixFileOperations, removeReportsTheSystemError) {
    TempDir dir;
    PosixFileOperations disk;
    const std::string path = dir.makeFile("here", 3);
    const FileIdentity identity = identityNow(path);
    EXPECT_EQ(disk.remove(dir.file("nothing"), identity).error.value(), ENOENT);
    EXPECT_FALSE(disk.remove(path, identity).error);
    EXPECT_FALSE(fs::exists(path));
}

// The fill's file never has a name another program could find, and is made only in the folder
// that was looked at.
TEST(PosixFileOperations, aFillFileHasNoNameAndIsMadeOnlyInTheFolderLookedAt) {
    TempDir dir;
    PosixFileOperations disk;
    VolumeSpace space;
    ASSERT_FALSE(disk.measureVolume(dir.path().string(), space));
    EXPECT_GT(space.unusedBytes, 0u);

    OpenResult opened = disk.openFill(dir.path().string(), space.folder);
    ASSERT_FALSE(opened.error) << opened.error.message();
    const std::string block(WipeRun::BlockSize, WipeRun::FillByte);
    ASSERT_FALSE(opened.file->writeAt(0, block.data(), block.size()));
    ASSERT_FALSE(opened.file->writeAt(WipeRun::BlockSize, block.data(), 1));
    std::int64_t length = 0;
    ASSERT_FALSE(opened.file->length(length));
    EXPECT_EQ(length, WipeRun::BlockSize + 1);
    ASSERT_FALSE(opened.file->flushToDevice());
    EXPECT_TRUE(fs::is_empty(dir.path()));
    std::string readBack;
    bool bypassedCache = false;
    ASSERT_FALSE(opened.file->readBack(
        [&](std::int64_t, const char* data, std::size_t size) {
            readBack.append(data, size);
            return true;
        },
        bypassedCache));
    EXPECT_EQ(readBack, std::string(WipeRun::BlockSize + 1, WipeRun::FillByte));
    EXPECT_FALSE(opened.file->close());

    fs::create_directory(dir.file("other"));
    VolumeSpace other;
    ASSERT_FALSE(disk.measureVolume(dir.file("other"), other));
    EXPECT_EQ(disk.openFill(dir.path().string(), other.folder).error,
              make_error_code(WipeErrc::Changed));
}

} // namespace
