// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/PosixFileOperations.h"
#include "engine/WipeError.h"
#include "engine/WipeRun.h"
#include "tests/support/FakeWipeHost.h"
#include "tests/support/RecordingFileOperations.h"
#include "tests/support/TempDir.h"
#include "tests/support/WatchedSystemCalls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <linux/fs.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

// A run over real files on the real disk, with the identities taken when the files were added,
// and a seam after every write where another program can act. Every file the run does not name
// as failed must have been written whole and flushed once per pass, as the kernel saw it, and
// its delete made durable.
struct RealRun {
    TempDir dir;
    FakeWipeHost host;
    WatchedSystemCalls kernel;
    PosixFileOperations disk;
    RecordingFileOperations files{disk};
    std::map<std::string, std::int64_t> lengths;

    RealRun() {
        files.rule.requiredPasses = [this] { return host.passes; };
        disk.useSystemCalls(kernel.calls());
    }
    // Lists a path as the window would: its identity is taken now.
    void list(const std::string& path) {
        host.items.push_back(path);
        FileIdentity identity;
        std::int64_t size = 0;
        ASSERT_FALSE(identifyFile(path, identity, size)) << path;
        host.identities[path] = identity;
        lengths[path] = size;
    }
    void run(int passes) {
        host.passes = passes;
        WipeRun wipe(host, files);
        wipe.WipeFiles();
        const std::vector<WipeFailure> failed = failures();
        for (const auto& listed : lengths) {
            const bool named = std::any_of(failed.begin(), failed.end(), [&](const WipeFailure& f) {
                return f.path == listed.first;
            });
            if (!named) {
                EXPECT_EQ(kernel.missingForDestroyed(host.identities[listed.first], listed.second,
                                                     passes),
                          "")
                    << listed.first;
            }
        }
    }
    std::vector<WipeFailure> failures() const {
        return host.reports.empty() ? std::vector<WipeFailure>{} : host.reports[0].failures;
    }
};

void appendBytes(const std::string& path, int records, int recordSize) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    const std::string record(static_cast<std::size_t>(recordSize), 'r');
    for (int i = 0; i < records; ++i)
        ASSERT_EQ(::write(fd, record.data(), record.size()), recordSize);
    ::fsync(fd);
    ::close(fd);
}

struct SwapCase {
    const char* name;
    int actAfterWrite; // 0: before the run; -1: as the delete moves the name aside
    WipeStep step;
};

void PrintTo(const SwapCase& c, std::ostream* os) {
    *os << c.name;
}

class AnotherFileAtTheName : public ::testing::TestWithParam<SwapCase> {};

// A listed 70,000-byte file gets two writes per pass. Whatever now stands at its name, or in
// place of its folder, is never written or deleted, and the run does not call it destroyed.
TEST_P(AnotherFileAtTheName, isLeftAloneAndTheListedFileIsReportedAsChanged) {
    const SwapCase& c = GetParam();
    RealRun r;
    fs::create_directories(r.dir.path() / "share/d");
    fs::create_directories(r.dir.path() / "private");
    const std::string listed = r.dir.makeFile("share/d/notes.txt", 70000, 'n');
    const std::string secret = r.dir.makeFile("private/notes.txt", 70000, 'p');
    r.list(listed);
    const std::string name = c.name;
    bool sameNumber = false;
    const std::function<void()> swap = [&] {
        if (name == "folderSwappedForALink") {
            fs::rename(r.dir.path() / "share/d", r.dir.path() / "share/d.old");
            fs::create_directory_symlink("../private", r.dir.path() / "share/d");
        } else if (name == "fileDeletedAndMadeAgainUnderTheSameInodeNumber") {
            // ext4 and tmpfs hand the freed number out again: only the birth time tells. Files
            // are made until one has it, and that one takes the name. Done before the run: while
            // the run holds the file open, its number is not free.
            const ino_t number = fs::status(listed).type() == fs::file_type::regular
                                     ? static_cast<ino_t>(r.host.identities[listed].file.inode)
                                     : 0;
            fs::remove(listed);
            for (int spare = 0; spare < 64 && !sameNumber; ++spare) {
                const std::string made =
                    r.dir.makeFile("share/d/spare" + std::to_string(spare), 70000, 'i');
                struct stat status {};
                sameNumber = ::stat(made.c_str(), &status) == 0 && status.st_ino == number;
                if (sameNumber)
                    fs::rename(made, listed);
            }
        } else {
            fs::rename(listed, r.dir.file("share/d/notes.away"));
            r.dir.makeFile("share/d/notes.txt", 70000, 'i');
        }
    };
    if (c.actAfterWrite == 0)
        swap();
    r.files.onWrite = [&](int n) {
        if (n == c.actAfterWrite)
            swap();
    };

    if (c.actAfterWrite < 0) { // between the delete's last look at the name and its rename
        r.kernel.beforeRename = [&](int, const char* from) {
            if (from == std::string("notes.txt"))
                swap();
            r.kernel.beforeRename = nullptr;
        };
    }

    r.run(2);

    if (name == "fileDeletedAndMadeAgainUnderTheSameInodeNumber") {
        ASSERT_TRUE(sameNumber) << "no file made got the freed number: the case was not tried";
    }
    EXPECT_EQ(readWhole(secret), std::string(70000, 'p'));
    if (c.actAfterWrite != 0) {
        EXPECT_EQ(readWhole(listed), std::string(70000, 'i')); // the impostor at the name
    }
    ASSERT_EQ(r.failures().size(), 1u);
    EXPECT_EQ(r.failures()[0].path, listed);
    EXPECT_EQ(r.failures()[0].step, c.step);
    EXPECT_EQ(r.failures()[0].error, make_error_code(WipeErrc::Changed));
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, AnotherFileAtTheName,
    ::testing::Values(SwapCase{"folderSwappedForALink", 0, WipeStep::Open},
                      SwapCase{"fileRenamedOntoTheNameBetweenPasses", 2, WipeStep::Open},
                      SwapCase{"fileRenamedOntoTheNameBeforeTheDelete", 4, WipeStep::Delete},
                      SwapCase{"fileRenamedOntoTheNameAsTheDeleteMovesIt", -1, WipeStep::Delete},
                      SwapCase{"fileDeletedAndMadeAgainUnderTheSameInodeNumber", 0,
                               WipeStep::Open}),
    [](const ::testing::TestParamInfo<SwapCase>& info) { return std::string(info.param.name); });

// Another program trades the listed file's name with a FIFO's or a link's, over and over, all
// through the run. Whatever the timing, the FIFO or link is never deleted, and a file that is
// still there is never reported as destroyed.
TEST(ChosenFile, aNameTradedInALoopWithAFifoOrALinkNeverLosesTheOtherOrLies) {
    for (const bool fifo : {true, false}) {
        for (int run = 0; run < 60; ++run) {
            RealRun r;
            const std::string listed = r.dir.makeFile("f", 6, 's');
            const std::string other = r.dir.file("p");
            if (fifo)
                ASSERT_EQ(::mkfifo(other.c_str(), 0600), 0);
            else
                fs::create_symlink("/etc/hostname", other);
            r.list(listed);
            const FileIdentity chosen = r.host.identities[listed];
            std::atomic<bool> done{false};
            std::thread trader([&] {
                while (!done)
                    ::syscall(SYS_renameat2, AT_FDCWD, listed.c_str(), AT_FDCWD, other.c_str(),
                              RENAME_EXCHANGE);
            });

            r.run(3);
            done = true;
            trader.join();

            int special = 0;
            bool chosenLeft = false;
            for (const auto& entry : fs::directory_iterator(r.dir.path())) {
                struct stat status {};
                ASSERT_EQ(::lstat(entry.path().c_str(), &status), 0);
                special += S_ISREG(status.st_mode) ? 0 : 1;
                chosenLeft = chosenLeft || status.st_ino == chosen.file.inode;
            }
            EXPECT_EQ(special, 1) << "run " << run;
            EXPECT_EQ(chosenLeft, !r.failures().empty()) << "run " << run;
        }
    }
}

// A run killed between moving a file to its private name and deleting it leaves the file there.
// The next run in that folder deletes it when it holds only the fill, and names what it finds.
// One that another run still holds locked, on its way to being deleted, is left to that run.
TEST(ChosenFile, whatAnInterruptedRunLeftUnderAPrivateNameIsFoundAndNamed) {
    RealRun r;
    const std::string filled = r.dir.makeFile(".wypelark-0123456789abcdef", 70000, '0');
    const std::string held = r.dir.makeFile(".wypelark-aaaaaaaaaaaaaaaa", 70000, '0');
    const int otherRun = ::open(held.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(otherRun, LOCK_EX | LOCK_NB), 0);
    const std::string other = r.dir.makeFile(".wypelark-fedcba9876543210", 10, 'x');
    const std::string unlike = r.dir.makeFile(".wypelark-notes", 10, '0');
    r.list(r.dir.makeFile("listed", 10));

    r.run(1);

    ::close(otherRun);
    EXPECT_FALSE(fs::exists(filled));
    EXPECT_TRUE(fs::exists(held));
    EXPECT_EQ(readWhole(other), std::string(10, 'x'));
    EXPECT_TRUE(fs::exists(unlike));
    ASSERT_EQ(r.host.reports.size(), 1u);
    const std::vector<Leftover>& found = r.host.reports[0].leftovers;
    ASSERT_EQ(found.size(), 2u);
    for (const Leftover& leftover : found) {
        EXPECT_EQ(leftover.reason, leftover.path == other ? make_error_code(WipeErrc::NotOnlyFill)
                                                          : std::error_code())
            << leftover.path;
    }
    EXPECT_TRUE(r.failures().empty());
}

TEST(ChosenFile, aFileAddedThroughALinkedFolderIsStillDestroyed) {
    RealRun r;
    fs::create_directories(r.dir.path() / "real");
    fs::create_directory_symlink("real", r.dir.path() / "home");
    const std::string viaLink = r.dir.file("home/notes.txt");
    r.dir.makeFile("real/notes.txt", 70000);
    r.list(viaLink);

    r.run(2);

    EXPECT_TRUE(r.host.reports.empty());
    EXPECT_FALSE(fs::exists(r.dir.file("real/notes.txt")));
}

TEST(ChosenFile, bytesAppendedDuringTheLastPassAreOverwrittenBeforeTheDelete) {
    RealRun r;
    const std::string path = r.dir.makeFile("log", 70000, 'x');
    const std::string otherName = r.dir.file("log.other"); // to read the file after the delete
    ASSERT_EQ(::link(path.c_str(), otherName.c_str()), 0);
    r.list(path);
    r.files.onWrite = [&](int n) {
        if (n == 4)
            appendBytes(path, 5000, 100);
    };

    r.run(2);

    EXPECT_FALSE(fs::exists(path));
    EXPECT_TRUE(r.failures().empty());
    EXPECT_EQ(readWhole(otherName), std::string(70000 + 500000, '0'));
}

TEST(ChosenFile, aFileAnotherProgramKeepsWritingToIsReportedAndNotDeleted) {
    RealRun r;
    const std::string path = r.dir.makeFile("busy", 70000, 'x');
    r.list(path);
    r.files.onWrite = [&](int) { appendBytes(path, 1, 10); };

    r.run(1);

    EXPECT_TRUE(fs::exists(path));
    ASSERT_EQ(r.failures().size(), 1u);
    EXPECT_EQ(r.failures()[0].error, make_error_code(WipeErrc::KeptGrowing));
}

TEST(ChosenFile, filesOfTheKernelsOwnFileSystemsAreRefusedWhenAddedAndWhenOpened) {
    FileIdentity identity;
    std::int64_t size = 0;
    EXPECT_EQ(identifyFile("/proc/self/status", identity, size),
              make_error_code(WipeErrc::KernelFileSystem));
    PosixFileOperations disk;
    EXPECT_EQ(disk.open("/proc/self/status", identityNow("/proc/self/status")).error,
              make_error_code(WipeErrc::KernelFileSystem));
}

TEST(ChosenFile, aSparseFileWhoseHolesWouldNotFitIsRefusedBeforeAnyWrite) {
    RealRun r;
    const std::string path = r.dir.makeFile("sparse", 0);
    struct statvfs volume {};
    ASSERT_EQ(::statvfs(path.c_str(), &volume), 0);
    const auto free = static_cast<std::uintmax_t>(volume.f_bavail) * volume.f_frsize;
    fs::resize_file(path, free + (std::uintmax_t{1} << 30));
    r.list(path);

    r.run(1);

    EXPECT_TRUE(r.files.writes.empty());
    ASSERT_EQ(r.failures().size(), 1u);
    EXPECT_EQ(r.failures()[0].error, make_error_code(WipeErrc::HolesDoNotFit));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_blocks, 0); // its holes are still holes
}

} // namespace
