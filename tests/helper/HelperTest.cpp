// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/HelperClient.h"
#include "engine/WipeError.h"
#include "helper/HelperFrames.h"
#include "tests/support/TempDir.h"

#include <QProcess>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <string>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

std::string stampText(const InodeStamp& stamp) {
    return std::to_string(static_cast<int>(stamp.kind)) + ":" + std::to_string(stamp.value) + ":" +
           std::to_string(stamp.nanoseconds);
}

std::string nodeText(const NodeIdentity& node) {
    return std::to_string(node.device) + " " + std::to_string(node.inode) + " " +
           stampText(node.stamp);
}

// The frame that hands over a file with the identity it has now.
std::string fileFrame(const std::string& path, const FileIdentity& identity) {
    return "file " + HelperFrames::hex(path) + " " + nodeText(identity.file) + " " +
           nodeText(identity.folder);
}

// Sets or clears the immutable mark; false where the file system takes none.
bool markImmutable(const std::string& path, bool immutable) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    int flags = 0;
    bool done = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    if (fd >= 0)
        ::close(fd);
    return done;
}

std::string fileFrame(const std::string& path) {
    return fileFrame(path, identityNow(path));
}

// The helper, run directly, as pkexec would start it.
class Helper {
public:
    Helper() {
        mProcess.start(QStringLiteral(WYPELARK_HELPER), {});
        EXPECT_TRUE(mProcess.waitForStarted());
    }
    ~Helper() {
        mProcess.closeWriteChannel();
        if (!mProcess.waitForFinished(10000))
            mProcess.kill();
    }
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;

    void send(const std::string& frames) { mProcess.write(QByteArray::fromStdString(frames)); }
    // The next line the helper said, progress left out.
    std::string next() {
        for (;;) {
            while (!mProcess.canReadLine()) {
                if (!mProcess.waitForReadyRead(10000))
                    return "(nothing)";
            }
            const std::string line = mProcess.readLine().trimmed().toStdString();
            if (!line.starts_with("progress "))
                return line;
        }
    }
    int exitCode() {
        mProcess.closeWriteChannel();
        mProcess.waitForFinished(10000);
        return mProcess.exitCode();
    }

private:
    QProcess mProcess;
};

} // namespace

// Each hostile request is refused, by name, before anything is written; what was accepted is
// destroyed, and nothing else.
TEST(Helper, refusesEveryRequestThatIsNotAConfirmedRegularFile) {
    TempDir dir;
    const std::string kept = dir.makeFile("kept", 1000, 'k');
    const std::string target = dir.makeFile("target", 1000, 't');
    const std::string doomed = dir.makeFile("doomed", 70000);
    const std::string swapped = dir.makeFile("swapped", 1000);
    FileIdentity changed = identityNow(kept);
    changed.file.inode += 1;
    fs::create_directory(dir.file("folder"));

    Helper helper;
    helper.send("hello 1\n");
    EXPECT_EQ(helper.next(), "hello 1");
    struct Row {
        std::string frame;
        std::string answer;
    };
    for (const Row& row : {
             Row{fileFrame(kept, changed), "refused 1 changed"},
             Row{fileFrame(dir.file("folder")), "refused 2 not-regular-file"},
             Row{fileFrame("/dev/null"), "refused 3 not-regular-file"},
             Row{"file " + HelperFrames::hex("relative") + " 1 2 0:0:0 1 2 0:0:0",
                 "refused 4 empty-name"},
             Row{"file zz 1 2 0:0:0 1 2 0:0:0", "refused 5 empty-name"},
             Row{fileFrame(doomed), "accepted 6"},
             Row{fileFrame(swapped), "accepted 7"},
         }) {
        helper.send(row.frame + "\n");
        EXPECT_EQ(helper.next(), row.answer) << row.frame;
    }
    // Accepted, then made a link to another file before the run.
    fs::remove(swapped);
    fs::create_symlink(target, swapped);
    helper.send("passes 2\nrun\n");
    EXPECT_EQ(helper.next(), "ok");
    EXPECT_EQ(helper.next(), "destroyed 6");
    EXPECT_TRUE(helper.next().starts_with("failed 7 "));
    EXPECT_EQ(helper.next(), "end 1 1");
    helper.send("end\n");
    EXPECT_EQ(helper.exitCode(), 0);
    EXPECT_FALSE(fs::exists(doomed));
    EXPECT_EQ(readWhole(target), std::string(1000, 't'));
    EXPECT_EQ(readWhole(kept), std::string(1000, 'k'));
    EXPECT_TRUE(fs::is_symlink(swapped));
}

// A session knows only what its own caller handed over; a frame it does not know ends it.
TEST(Helper, takesNoPathFromAnotherSessionAndEndsOnAFrameItDoesNotKnow) {
    TempDir dir;
    const std::string file = dir.makeFile("file", 1000, 'f');
    {
        Helper first;
        first.send("hello 1\n" + fileFrame(file) + "\nend\n");
        EXPECT_EQ(first.next(), "hello 1");
        EXPECT_EQ(first.next(), "accepted 1");
    }
    for (const std::string& broken :
         {std::string("run now\n"), std::string("passes 21\n"), std::string("file 00\n"),
          std::string(HelperFrames::MaxFrame + 10, 'a') + "\n", std::string("run")}) {
        Helper second;
        second.send("hello 1\nrun\n" + broken);
        EXPECT_EQ(second.next(), "hello 1");
        EXPECT_EQ(second.next(), "end 0 0");
        second.send("end\n");
        const std::string said = second.next();
        EXPECT_TRUE(said == "refused frame") << broken.substr(0, 20) << ": " << said;
        EXPECT_EQ(second.exitCode(), 2);
    }
    Helper otherVersion;
    otherVersion.send("hello 2\n");
    EXPECT_EQ(otherVersion.next(), "refused version");
    EXPECT_EQ(otherVersion.exitCode(), 2);
    EXPECT_EQ(readWhole(file), std::string(1000, 'f'));
}

// Pause stops the run after its next write; it goes on where it stopped, or ends with the file
// it stopped in named.
TEST(Helper, pausesAndGoesOnOrEnds) {
    for (const bool goOn : {true, false}) {
        SCOPED_TRACE(goOn ? "continued" : "ended");
        TempDir dir;
        const std::string file = dir.makeFile("big", 20'000'000);
        Helper helper;
        helper.send("hello 1\n" + fileFrame(file) + "\nrun\npause\n");
        EXPECT_EQ(helper.next(), "hello 1");
        EXPECT_EQ(helper.next(), "accepted 1");
        EXPECT_EQ(helper.next(), "paused");
        EXPECT_TRUE(fs::exists(file));
        helper.send(goOn ? "run\n" : "end\n");
        if (goOn)
            EXPECT_EQ(helper.next(), "destroyed 1");
        else
            EXPECT_EQ(helper.next(), "failed 1 2 interrupted");
        EXPECT_EQ(helper.next(), goOn ? "end 1 0" : "end 0 1");
        helper.send("end\n");
        EXPECT_EQ(helper.exitCode(), 0);
        EXPECT_EQ(fs::exists(file), !goOn);
    }
}

// The window's side hands over exactly the files it is given, each with its identity, and hears
// what became of each by its position.
TEST(HelperClient, handsOverTheFilesAndHearsWhatBecameOfEach) {
    TempDir dir;
    const std::string doomed = dir.makeFile("doomed", 70000);
    const std::string kept = dir.makeFile("kept", 1000, 'k');
    FileIdentity changed = identityNow(kept);
    changed.file.inode += 1;
    HelperClient client(QStringLiteral(WYPELARK_HELPER), {});
    QSignalSpy refused(&client, &HelperClient::refused);
    QSignalSpy destroyed(&client, &HelperClient::destroyed);
    QSignalSpy ended(&client, &HelperClient::runEnded);
    QSignalSpy broke(&client, &HelperClient::brokeOff);

    client.start({{QByteArray::fromStdString(doomed), identityNow(doomed)},
                  {QByteArray::fromStdString(kept), changed}},
                 2, true);
    ASSERT_TRUE(ended.wait(10000));
    EXPECT_EQ(ended.front(), (QList<QVariant>{1, 0}));
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused.front(), (QList<QVariant>{1, QStringLiteral("changed")}));
    ASSERT_EQ(destroyed.size(), 1);
    EXPECT_EQ(destroyed.front().front(), 0);
    client.end();
    EXPECT_FALSE(fs::exists(doomed));
    EXPECT_EQ(readWhole(kept), std::string(1000, 'k'));
    EXPECT_TRUE(broke.isEmpty());

    // Gone while the helper still talks, as when its box closes on a paused run: nothing more is
    // said to whoever listened, which may be going too.
    const std::string big = dir.makeFile("big", 20'000'000);
    auto talking = std::make_unique<HelperClient>(QStringLiteral(WYPELARK_HELPER), QStringList());
    bool heardAfterwards = false;
    QSignalSpy paused(talking.get(), &HelperClient::paused);
    QObject::connect(talking.get(), &HelperClient::failed, [&] { heardAfterwards = true; });
    talking->start({{QByteArray::fromStdString(big), identityNow(big)}}, 1, false);
    talking->pause();
    ASSERT_TRUE(paused.wait(10000));
    talking.reset();
    EXPECT_FALSE(heardAfterwards);
    EXPECT_TRUE(fs::exists(big));

    // A helper that cannot be started, as when pkexec is declined, is said so.
    HelperClient missing(QString::fromStdString(dir.file("no-such-helper")), {});
    QSignalSpy missed(&missing, &HelperClient::brokeOff);
    missing.start({}, 1, false);
    if (missed.isEmpty())
        missed.wait(5000);
    EXPECT_EQ(missed.size(), 1);
}

// Of a run's failures, those that rights would mend go to the helper; a swapped or unreadable
// file does not.
TEST(HelperClient, takesOnlyTheFilesThatFailedForLackOfRights) {
    WipeReport report;
    report.failures = {
        {"/a", WipeStep::Open, std::make_error_code(std::errc::permission_denied)},
        {"/b", WipeStep::Delete, std::make_error_code(std::errc::operation_not_permitted)},
        {"/c", WipeStep::Open, make_error_code(WipeErrc::Changed)},
        {"/d", WipeStep::Write, std::make_error_code(std::errc::io_error)}};
    EXPECT_EQ(failedForLackOfRights(report), (std::vector<QByteArray>{"/a", "/b"}));

    // Not permitted because it is marked immutable: root could not write it either. Where the
    // file system takes no marks there is nothing to tell apart.
    TempDir dir;
    const std::string marked = dir.makeFile("marked", 10);
    if (markImmutable(marked, true)) {
        report.failures.push_back(
            {marked, WipeStep::Open, std::make_error_code(std::errc::operation_not_permitted)});
        EXPECT_EQ(failedForLackOfRights(report), (std::vector<QByteArray>{"/a", "/b"}));
        markImmutable(marked, false);
    }
}
