// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/ShredCommand.h"
#include "cli/JournalLines.h"
#include "engine/ForwardingFileOperations.h"
#include "engine/PosixFileOperations.h"
#include "record/RunRecordDocument.h"
#include "tests/support/RecordingFileOperations.h"
#include "tests/support/SmallVolume.h"
#include "tests/support/TempDir.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

// The real disk, except that what a read-back hands over has one byte changed.
class ForgetfulDevice final : public ForwardingFileOperations {
public:
    ForgetfulDevice() : ForwardingFileOperations(mDisk) {}
    std::error_code readBack(const std::string& path, const FileIdentity& identity,
                             const ReadChunk& chunk, bool& bypassedCache) override {
        return mDisk.readBack(
            path, identity,
            [&](std::int64_t offset, const char* data, std::size_t size) {
                std::string changed(data, size);
                changed[size / 2] = 'x';
                return chunk(offset, changed.data(), changed.size());
            },
            bypassedCache);
    }

private:
    PosixFileOperations mDisk;
};

struct Command {
    TempDir dir;
    PosixFileOperations disk;
    std::ostringstream out;
    std::ostringstream err;
    int storedPasses = 0;
    std::function<QString(const RunSheet&, const QString&)> writePdf;
    std::function<TrashPlaces()> trashPlaces;

    int run(const std::vector<QByteArray>& args, FileOperations* files = nullptr) {
        CommandContext context{files ? *files : disk,
                               out,
                               err,
                               false,
                               nullptr,
                               QByteArray::fromStdString(dir.path().string()),
                               storedPasses,
                               writePdf,
                               trashPlaces};
        return runShredCommand(args, context);
    }
};

TEST(ShredCommand, exitsZeroOneOrTwoAndNamesWhatItSkipsWhileTheRestIsDestroyed) {
    Command c;
    c.dir.makeFile("a", 70000);
    EXPECT_EQ(c.run({"-n", "2", "a"}), ExitDestroyed);
    EXPECT_FALSE(fs::exists(c.dir.file("a")));

    c.dir.makeFile("b", 10);
    c.dir.makeFile("target", 10, 't');
    fs::create_symlink(c.dir.file("target"), c.dir.file("link"));
    ASSERT_EQ(::mkfifo(c.dir.file("fifo").c_str(), 0600), 0);
    EXPECT_EQ(c.run({"missing", "link", "fifo", "b"}), ExitNotAllDestroyed);
    EXPECT_FALSE(fs::exists(c.dir.file("b")));
    EXPECT_EQ(readWhole(c.dir.file("target")), std::string(10, 't'));
    EXPECT_TRUE(fs::is_symlink(c.dir.file("link")));
    EXPECT_TRUE(fs::is_fifo(c.dir.file("fifo")));
    for (const char* name : {"missing", "link", "fifo"})
        EXPECT_NE(c.err.str().find(c.dir.file(name)), std::string::npos) << name;

    for (const std::vector<QByteArray>& usage :
         {std::vector<QByteArray>{}, {"--passes", "0", "target"}, {"--bogus", "target"}})
        EXPECT_EQ(c.run(usage), ExitUsage);
    EXPECT_TRUE(fs::exists(c.dir.file("target")));
}

// What someone chose in the window does not change what a script does, unless it asks for it.
TEST(ShredCommand, makesOnePassUnlessToldAndTheStoredCountOnlyWhenAsked) {
    const std::vector<std::pair<std::vector<QByteArray>, std::size_t>> cases{
        {{"f"}, 1}, {{"--passes=stored", "f"}, 5}, {{"-n", "stored", "f"}, 5}, {{"-n3", "f"}, 3}};
    for (const auto& [args, passes] : cases) {
        Command c;
        c.storedPasses = 5;
        c.dir.makeFile("f", 10);
        RecordingFileOperations files{c.disk};
        EXPECT_EQ(c.run(args, &files), ExitDestroyed) << c.err.str();
        EXPECT_EQ(files.writes.size(), passes) << args.front().toStdString();
    }
}

struct OperandCase {
    std::vector<QByteArray> args;
    std::set<std::string> touched; // names in the folder, every other file stays as it was
    int status;
};

void PrintTo(const OperandCase& c, std::ostream* os) {
    for (const QByteArray& arg : c.args)
        *os << "'" << arg.toStdString() << "' ";
}

class Operands : public ::testing::TestWithParam<OperandCase> {};

// Files are named like the options' values and like options, so that a value taken for a file,
// or an option for a value, destroys a file no one named.
TEST_P(Operands, areExactlyWhatTheParserSawAndNothingElseIsTouched) {
    const OperandCase& c = GetParam();
    Command command;
    const std::vector<std::string> names{"target", "json", "3", "-x", "--report", "sub/inner"};
    fs::create_directories(command.dir.path() / "sub");
    for (const std::string& name : names)
        command.dir.makeFile(name, 10, 'k');
    RecordingFileOperations files{command.disk};

    EXPECT_EQ(command.run(c.args, &files), c.status) << command.err.str();

    std::set<std::string> touched;
    for (const RecordedOp& write : files.writes)
        touched.insert(fs::relative(write.path, command.dir.path()).string());
    EXPECT_EQ(touched, c.touched);
    for (const std::string& name : names) {
        if (c.touched.count(name) == 0) {
            EXPECT_EQ(readWhole(command.dir.file(name)), std::string(10, 'k')) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ArgumentLists, Operands,
    ::testing::Values(OperandCase{{"--report", "json", "target"}, {"target"}, ExitDestroyed},
                      OperandCase{{"-rn", "3", "sub"}, {"sub/inner"}, ExitDestroyed},
                      OperandCase{{"-rn3", "sub"}, {"sub/inner"}, ExitDestroyed},
                      OperandCase{{"--passes=2", "json"}, {"json"}, ExitDestroyed},
                      OperandCase{
                          {"-n", "2", "--", "-x", "--report"}, {"-x", "--report"}, ExitDestroyed},
                      OperandCase{{"", "target"}, {"target"}, ExitNotAllDestroyed},
                      OperandCase{{"-r", ""}, {}, ExitNotAllDestroyed},
                      OperandCase{{"-x"}, {}, ExitUsage},
                      OperandCase{{"--free-space", "--report=json", "sub"}, {}, ExitUsage}));

// A bind mount of the same file system below the tree is a mount all the same: it is named as
// skipped, and what it shows is untouched.
TEST(ShredCommand, aRecursiveWalkNeverEntersABindMount) {
    Command c;
    fs::create_directories(c.dir.path() / "outside");
    fs::create_directories(c.dir.path() / "tree/sub");
    c.dir.makeFile("outside/keep", 10, 'k');
    c.dir.makeFile("tree/mine", 10, 'm');
    if (::mount(c.dir.file("outside").c_str(), c.dir.file("tree/sub").c_str(), nullptr, MS_BIND,
                nullptr) != 0)
        GTEST_SKIP() << "cannot bind-mount here: " << std::strerror(errno);

    const int status = c.run({"-r", "tree"});
    ::umount2(c.dir.file("tree/sub").c_str(), MNT_DETACH);

    EXPECT_EQ(status, ExitNotAllDestroyed);
    EXPECT_EQ(readWhole(c.dir.file("outside/keep")), std::string(10, 'k'));
    EXPECT_FALSE(fs::exists(c.dir.file("tree/mine")));
    EXPECT_NE(c.err.str().find(c.dir.file("tree/sub")), std::string::npos) << c.err.str();
}

// Far deeper than a path can name: the walk ends with a report, the files it could reach
// destroyed and the first folder too deep to open named.
TEST(ShredCommand, aTreeOfAnyDepthEndsInAReport) {
    Command c;
    fs::create_directories(c.dir.path() / "deep");
    c.dir.makeFile("deep/top", 10);
    int folder = ::open(c.dir.file("deep").c_str(), O_PATH | O_DIRECTORY);
    for (int level = 0; level < 2200 && folder >= 0; ++level) {
        ASSERT_EQ(::mkdirat(folder, "d", 0700), 0);
        const int next = ::openat(folder, "d", O_PATH | O_DIRECTORY);
        ::close(folder);
        folder = next;
    }
    ASSERT_GE(folder, 0);
    ::close(folder);

    EXPECT_EQ(c.run({"-r", "deep"}), ExitNotAllDestroyed);

    EXPECT_FALSE(fs::exists(c.dir.file("deep/top")));
    EXPECT_NE(c.err.str().find(std::make_error_code(std::errc::filename_too_long).message()),
              std::string::npos);
    ASSERT_EQ(std::system(("rm -rf " + c.dir.file("deep")).c_str()), 0);
}

TEST(ShredCommand, aDryRunChangesNothing) {
    Command c;
    c.dir.makeFile("a", 70000, 'a');
    fs::create_directories(c.dir.path() / "d");
    c.dir.makeFile("d/b", 5, 'b');

    EXPECT_EQ(c.run({"--dry-run", "-r", "a", "d"}), ExitDestroyed);

    EXPECT_EQ(readWhole(c.dir.file("a")), std::string(70000, 'a'));
    EXPECT_EQ(readWhole(c.dir.file("d/b")), std::string(5, 'b'));
    EXPECT_NE(c.out.str().find(c.dir.file("d/b")), std::string::npos);
}

TEST(ShredCommand, aReadBackThatDiffersLeavesTheFile) {
    Command c;
    c.dir.makeFile("a", 70000, 'a');
    c.dir.makeFile("b", 10, 'b');
    ForgetfulDevice device;

    EXPECT_EQ(c.run({"--verify", "a"}, &device), ExitNotAllDestroyed);
    EXPECT_TRUE(fs::exists(c.dir.file("a")));
    EXPECT_EQ(readWhole(c.dir.file("a")), std::string(70000, '0')); // overwritten, kept

    EXPECT_EQ(c.run({"--verify", "b"}), ExitDestroyed);
    EXPECT_FALSE(fs::exists(c.dir.file("b")));
    EXPECT_NE(c.out.str().find("read back"), std::string::npos);
}

// Every path comes back byte for byte, errors of the system apart from the program's own
// reasons, steps as words, bytes as written; a file named twice is one file.
TEST(ShredCommand, theJsonReportListsEveryFile) {
    Command c;
    c.dir.makeFile("a", 10);
    c.dir.makeFile("b", 120000); // three blocks, the second starting a byte into the first
    const std::string raw = "r\xe9sum\xe9\x1b\\";
    c.dir.makeFile(raw, 5);
    fs::create_symlink(c.dir.file("a"), c.dir.file("link"));
    const std::int64_t sparse = std::int64_t{1} << 40; // more than the volume holds
    fs::resize_file(c.dir.makeFile("sparse", 0), static_cast<std::uintmax_t>(sparse));

    const QByteArray kept = QByteArray::fromStdString(c.dir.file("record.json"));
    EXPECT_EQ(c.run({"--report=json", "--report-file", kept, "a", "a", "b", "missing",
                     QByteArray::fromStdString(raw), "link", "sparse"}),
              ExitNotAllDestroyed);

    QJsonParseError error{};
    const QJsonDocument report =
        QJsonDocument::fromJson(QByteArray::fromStdString(c.out.str()), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << c.out.str();
    // The record kept is the report, with who ran it, when, and every file's outcome.
    EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(readWhole(kept.toStdString()))),
              report);
    EXPECT_EQ(report[QStringLiteral("fill_byte")].toString(), QStringLiteral("0x30"));
    EXPECT_TRUE(
        QDateTime::fromString(report[QStringLiteral("started_utc")].toString(), Qt::ISODateWithMs)
            .isValid());
    std::map<QString, int> outcomes;
    for (const QJsonValue file : report[QStringLiteral("files")].toArray())
        ++outcomes[file[QStringLiteral("outcome")].toString()];
    EXPECT_EQ(outcomes, (std::map<QString, int>{{QStringLiteral("destroyed"), 3},
                                                {QStringLiteral("not_destroyed"), 1},
                                                {QStringLiteral("refused"), 2}}));
    const QJsonArray destroyed = report[QStringLiteral("destroyed")].toArray();
    ASSERT_EQ(destroyed.size(), 3);
    EXPECT_EQ(destroyed[0].toString().toStdString(), c.dir.file("a"));
    EXPECT_EQ(destroyed[1].toString().toStdString(), c.dir.file("b"));
    EXPECT_EQ(
        QByteArray::fromBase64(destroyed[2][QStringLiteral("path_base64")].toString().toLatin1()),
        QByteArray::fromStdString(c.dir.file(raw)));
    const QJsonArray refused = report[QStringLiteral("refused")].toArray();
    ASSERT_EQ(refused.size(), 2);
    EXPECT_EQ(refused[0][QStringLiteral("errno")].toInt(), ENOENT);
    EXPECT_FALSE(refused[1].toObject().contains(QStringLiteral("errno")));
    EXPECT_EQ(refused[1][QStringLiteral("reason_code")].toString(),
              QStringLiteral("symbolic-link"));
    const QJsonArray failed = report[QStringLiteral("failed")].toArray();
    ASSERT_EQ(failed.size(), 1);
    EXPECT_EQ(failed[0][QStringLiteral("step")].toString(), QStringLiteral("open"));
    EXPECT_EQ(failed[0][QStringLiteral("reason_code")].toString(),
              QStringLiteral("holes-do-not-fit"));
    // Failures reach standard error whatever the report's form.
    EXPECT_NE(c.err.str().find(c.dir.file("sparse") + ": could not be opened"), std::string::npos)
        << c.err.str();
    EXPECT_EQ(report[QStringLiteral("bytes")].toInt(), 10 + 120000 + 5);
}

// Ctrl+C, and SIGTERM and SIGHUP as systemd, timeout and a closed terminal send, all stop the
// run after its next write, report both files and exit with 128 + the signal.
class Interrupted : public ::testing::TestWithParam<int> {};

TEST_P(Interrupted, leavesTheCurrentFilePartlyOverwrittenReportsAndExitsWithTheSignal) {
    TempDir dir;
    const std::string first = dir.makeFile("first", 64 << 20, 'x');
    const std::string second = dir.makeFile("second", 10, 'y');
    const QString record = QString::fromStdString(dir.file("record.json"));
    QProcess shredder;
    shredder.start(QStringLiteral(WYPELARK_CLI),
                   {QStringLiteral("-n"), QStringLiteral("20"), QStringLiteral("--report-file"),
                    record, QString::fromStdString(first), QString::fromStdString(second)});
    ASSERT_TRUE(shredder.waitForStarted());
    // Once the first file's first bytes are overwritten, the run is under way.
    const auto firstByte = [&] {
        std::ifstream in(first, std::ios::binary);
        return static_cast<char>(in.get());
    };
    bool underWay = false;
    for (int tries = 0; tries < 20000 && !underWay; ++tries) {
        underWay = firstByte() == '0';
        if (!underWay)
            QThread::msleep(1);
    }
    ASSERT_TRUE(underWay) << "the run never began the first file";
    ::kill(static_cast<pid_t>(shredder.processId()), GetParam());
    ASSERT_TRUE(shredder.waitForFinished(30000));

    EXPECT_EQ(shredder.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(shredder.exitCode(), 128 + GetParam());
    // Partly overwritten: the run began it and did not finish it.
    ASSERT_TRUE(fs::exists(first));
    const std::string rest = readWhole(first);
    EXPECT_EQ(rest.front(), '0');
    EXPECT_NE(rest.find('x'), std::string::npos);
    EXPECT_EQ(readWhole(second), std::string(10, 'y'));
    // The failures are reported all the same, naming both files, and the record is written.
    const QString report = QString::fromLocal8Bit(shredder.readAllStandardError());
    EXPECT_NE(report.indexOf(QString::fromStdString(first)), -1) << report.toStdString();
    EXPECT_NE(report.indexOf(QString::fromStdString(second)), -1) << report.toStdString();
    EXPECT_FALSE(shredder.readAllStandardOutput().isEmpty());
    EXPECT_NE(readWhole(dir.file("record.json")).find("first"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(BySignal, Interrupted, ::testing::Values(SIGINT, SIGTERM, SIGHUP));

// The record replaces the name itself, never a file a link there points to; a record that
// cannot be written whole leaves nothing, is named, and fails the command.
TEST(ShredCommand, theRecordIsWrittenWholeUnderItsOwnNameOrNotAtAll) {
    Command c;
    const std::string victim = c.dir.makeFile("victim", 5, 'v');
    fs::create_symlink(victim, c.dir.file("record.json"));
    c.dir.makeFile("a", 10);
    EXPECT_EQ(c.run({"--report-file", QByteArray::fromStdString(c.dir.file("record.json")), "a"}),
              ExitDestroyed);
    EXPECT_EQ(readWhole(victim), "vvvvv");
    EXPECT_FALSE(fs::is_symlink(c.dir.file("record.json")));
    EXPECT_NE(readWhole(c.dir.file("record.json")).find("destroyed"), std::string::npos);

    // A volume too full for the record: the file there before stays as it was.
    fs::create_directory(c.dir.path() / "full");
    const SmallVolume full(c.dir.file("full"), "64k");
    if (!full.mounted())
        GTEST_SKIP() << full.why();
    const std::string old = c.dir.makeFile("full/record.json", 10, 'o');
    full.fill();
    c.dir.makeFile("b", 100000);
    c.err.str({});
    EXPECT_EQ(c.run({"--report-file", QByteArray::fromStdString(old), "b"}), ExitNotAllDestroyed);
    EXPECT_EQ(readWhole(old), std::string(10, 'o'));
    EXPECT_EQ(std::distance(fs::directory_iterator(c.dir.file("full")), fs::directory_iterator()),
              2);
    EXPECT_NE(c.err.str().find("could not be written"), std::string::npos) << c.err.str();
}

// --report-pdf keeps the window's document, its head naming the operator and the note; a PDF
// that cannot be written is said, and the status says it.
TEST(ShredCommand, keepsTheWindowsPdfRecordOrSaysWhyNot) {
    Command c;
    QString html;
    QString writtenTo;
    QString failure;
    c.writePdf = [&](const RunSheet& sheet, const QString& path) {
        html = RunRecordDocument(sheet).html();
        writtenTo = path;
        return failure;
    };
    c.dir.makeFile("a", 10);
    const QByteArray pdf = QByteArray::fromStdString(c.dir.file("record.pdf"));
    EXPECT_EQ(
        c.run({"--report-pdf", pdf, "--operator", "A. Operator", "--note", "ticket <7>", "a"}),
        ExitDestroyed);
    EXPECT_EQ(writtenTo, QString::fromUtf8(pdf));
    EXPECT_TRUE(html.contains(QStringLiteral("Operator: A. Operator"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("Note: ticket &lt;7&gt;"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QString::fromStdString(c.dir.file("a")))) << html.toStdString();

    failure = QStringLiteral("No space left on device");
    c.dir.makeFile("b", 10);
    EXPECT_EQ(c.run({"--report-pdf=" + pdf, "b"}), ExitNotAllDestroyed);
    EXPECT_FALSE(fs::exists(c.dir.file("b")));
    EXPECT_NE(c.err.str().find("could not be written to " + pdf.toStdString() +
                               ": No space left on device"),
              std::string::npos)
        << c.err.str();
}

} // namespace

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

// Under a service manager each line is logged at its priority: failures as errors, remarks as
// warnings, the rest as information; only a stream that is the journal gets the marks.
TEST(ShredCommand, linesToTheJournalCarryTheirPriority) {
    Command c;
    c.dir.makeFile("a", 10);
    fs::create_directories(c.dir.path() / "d");
    c.dir.makeFile("d/b", 10);
    ASSERT_EQ(::mkfifo(c.dir.file("d/pipe").c_str(), 0600), 0);
    {
        const JournalLines outLines(c.out, Priority::Info);
        const JournalLines errLines(c.err, Priority::Error);
        EXPECT_EQ(c.run({"-r", "a", "missing", "d"}), ExitNotAllDestroyed);
    }
    const std::vector<std::string> errors = linesOf(c.err.str());
    ASSERT_FALSE(errors.empty());
    for (const std::string& line : errors)
        EXPECT_EQ(line.rfind("<3>wypelark-cli: ", 0), 0u) << line;
    int destroyed = 0;
    int kept = 0;
    for (const std::string& line : linesOf(c.out.str())) {
        if (line.find("destroyed /") != std::string::npos) {
            EXPECT_EQ(line.rfind("<6>", 0), 0u) << line;
            ++destroyed;
        } else if (line.find("folder kept") != std::string::npos) {
            EXPECT_EQ(line.rfind("<4>", 0), 0u) << line;
            ++kept;
        }
    }
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(kept, 1);

    const TempDir other;
    const int journal = ::open(other.makeFile("journal", 0).c_str(), O_RDONLY);
    const int elsewhere = ::open(other.makeFile("elsewhere", 0).c_str(), O_RDONLY);
    struct stat status {};
    ASSERT_EQ(::fstat(journal, &status), 0);
    const std::string named = std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
    ASSERT_EQ(::setenv("JOURNAL_STREAM", named.c_str(), 1), 0);
    EXPECT_TRUE(goesToJournal(journal));
    EXPECT_FALSE(goesToJournal(elsewhere));
    ::unsetenv("JOURNAL_STREAM");
    EXPECT_FALSE(goesToJournal(journal));
    ::close(journal);
    ::close(elsewhere);
}

// A file system that moved the file's data as it was overwritten: asked first, the data lay at
// 1 MiB on the device; asked afterwards, at 2 MiB, which holds the fill, while the old place
// still holds the file's old bytes.
class MovingDevice final : public ForwardingFileOperations {
public:
    MovingDevice() : ForwardingFileOperations(mDisk) {}
    std::error_code mapExtents(const std::string& path, const FileIdentity&,
                               FileExtents& extents) override {
        constexpr std::uint64_t Ext4 = 0xEF53;
        const std::uint64_t at = mAsked.insert(path).second ? OldPlace : NewPlace;
        extents = {makedev(8, 1), Ext4, static_cast<std::uint64_t>(fs::file_size(path)), 4096, {}};
        extents.extents.push_back({0, at, (extents.size + 4095) / 4096 * 4096, 0});
        return {};
    }
    std::error_code readDevice(dev_t, std::uint64_t offset, std::uint64_t length,
                               const ReadDeviceChunk& chunk) override {
        const std::string held(length, offset >= NewPlace ? '0' : 's');
        chunk(0, held.data(), held.size());
        return {};
    }

private:
    static constexpr std::uint64_t OldPlace = 1 << 20;
    static constexpr std::uint64_t NewPlace = 2 << 20;
    PosixFileOperations mDisk;
    std::set<std::string> mAsked;
};

// --verify=blocks over a file the file system moved: it is destroyed, and the old copy left on
// the device gets a status of its own; a file not destroyed beside it decides the status.
TEST(ShredCommand, anOldCopyFoundOnTheDeviceHasAStatusOfItsOwn) {
    for (const bool alsoMissing : {false, true}) {
        SCOPED_TRACE(alsoMissing ? "and a missing file" : "alone");
        Command c;
        c.dir.makeFile("secret", 10000, 's');
        MovingDevice device;
        std::vector<QByteArray> args{"--verify=blocks", "secret"};
        if (alsoMissing)
            args.emplace_back("missing");

        EXPECT_EQ(c.run(args, &device), alsoMissing ? ExitNotAllDestroyed : ExitOldCopyFound)
            << c.out.str() << c.err.str();
        EXPECT_FALSE(fs::exists(c.dir.file("secret")));
    }
}

// The disk, but one file cannot be opened.
class OneFileFails final : public ForwardingFileOperations {
public:
    explicit OneFileFails(std::string path)
        : ForwardingFileOperations(mDisk), mPath(std::move(path)) {}
    OpenResult open(const std::string& path, const FileIdentity& identity) override {
        if (path == mPath)
            return {nullptr, std::make_error_code(std::errc::io_error)};
        return mDisk.open(path, identity);
    }

private:
    PosixFileOperations mDisk;
    std::string mPath;
};

// Every can of the user's is emptied, each record only after what it describes; nothing outside
// the cans, in a can that is not safe, or in another user's can is touched.
TEST(ShredCommand, theTrashGoesWithItsRecordsAndNothingElse) {
    Command c;
    const std::string uid = std::to_string(::getuid());
    const auto put = [&](const std::string& name, char fill = 'x') {
        fs::create_directories(fs::path(c.dir.file(name)).parent_path());
        return c.dir.makeFile(name, 100, fill);
    };
    const auto record = [&](const std::string& name, const std::string& original) {
        fs::create_directories(fs::path(c.dir.file(name)).parent_path());
        std::ofstream(c.dir.file(name))
            << "[Trash Info]\nPath=" << original << "\nDeletionDate=2026-12-01T10:00:00\n";
    };
    const std::string home = "home/Trash/";
    put(home + "files/a b");
    record(home + "info/a b.trashinfo", "/home/me/a%20b");
    put(home + "files/dir/sub/y");
    put(home + "files/dir/z");
    record(home + "info/dir.trashinfo", "/home/me/dir");
    put(home + "files/no record");
    record(home + "info/gone.trashinfo", "/home/me/gone");
    put(home + "files/fails");
    record(home + "info/fails.trashinfo", "/home/me/fails");
    put("outside/target", 't');
    fs::create_symlink(c.dir.file("outside/target"), c.dir.file(home + "files/link"));
    record(home + "info/link.trashinfo", "/home/me/link");
    put(home + "directorysizes");
    // A volume with both kinds of can, and another user's.
    put("vol/.Trash-" + uid + "/files/f");
    record("vol/.Trash-" + uid + "/info/f.trashinfo", "docs/f");
    put("vol/.Trash/" + uid + "/files/g");
    fs::permissions(c.dir.file("vol/.Trash"), fs::perms::all | fs::perms::sticky_bit);
    put("vol/.Trash-4242/files/m", 'm');
    // A shared .Trash that is a link, and one that is not sticky.
    put("outside/shared/" + uid + "/files/h", 'h');
    fs::create_directories(c.dir.file("linked"));
    fs::create_directory_symlink(c.dir.file("outside/shared"), c.dir.file("linked/.Trash"));
    put("loose/.Trash/" + uid + "/files/k", 'k');
    fs::permissions(c.dir.file("loose/.Trash"), fs::perms::all);
    c.trashPlaces = [&] {
        return TrashPlaces{QByteArray::fromStdString(c.dir.file("home/Trash")),
                           {QByteArray::fromStdString(c.dir.file("vol")),
                            QByteArray::fromStdString(c.dir.file("linked")),
                            QByteArray::fromStdString(c.dir.file("loose"))},
                           {"/media/not here"},
                           ::getuid()};
    };

    EXPECT_EQ(c.run({"--trash", "--dry-run"}), ExitNotAllDestroyed);
    EXPECT_TRUE(fs::exists(c.dir.file(home + "files/a b")));
    EXPECT_NE(c.out.str().find("(was /home/me/a b)"), std::string::npos) << c.out.str();

    c.out.str({});
    OneFileFails disk(c.dir.file(home + "files/fails"));
    EXPECT_EQ(c.run({"--trash", "--report=json"}, &disk), ExitNotAllDestroyed);
    std::set<std::string> left;
    for (const auto& entry : fs::recursive_directory_iterator(c.dir.path()))
        if (!entry.is_directory() || entry.is_symlink())
            left.insert(entry.path().lexically_relative(c.dir.path()).string());
    const std::set<std::string> kept = {
        home + "files/fails",     home + "info/fails.trashinfo",
        home + "files/link",      home + "info/link.trashinfo",
        "outside/target",         "outside/shared/" + uid + "/files/h",
        "linked/.Trash",          "loose/.Trash/" + uid + "/files/k",
        "vol/.Trash-4242/files/m"};
    EXPECT_EQ(left, kept);
    EXPECT_FALSE(fs::exists(c.dir.file(home + "files/dir")));
    for (const char* named :
         {"linked/.Trash", "loose/.Trash", "fails.trashinfo", "/media/not here"})
        EXPECT_NE(c.err.str().find(named), std::string::npos) << named << "\n" << c.err.str();

    const QJsonObject json =
        QJsonDocument::fromJson(QByteArray::fromStdString(c.out.str())).object();
    std::map<std::string, std::string> origins;
    for (const QJsonValue file : json.value(QStringLiteral("files")).toArray())
        origins[file[QStringLiteral("path")].toString().toStdString()] =
            file[QStringLiteral("trashed_from")].toString().toStdString();
    EXPECT_EQ(origins[c.dir.file(home + "files/a b")], "/home/me/a b");
    EXPECT_EQ(origins[c.dir.file(home + "files/dir/sub/y")], "/home/me/dir/sub/y");
    EXPECT_EQ(origins[c.dir.file("vol/.Trash-" + uid + "/files/f")], c.dir.file("vol/docs/f"));
    EXPECT_EQ(origins[c.dir.file(home + "files/fails")], "/home/me/fails");
}
