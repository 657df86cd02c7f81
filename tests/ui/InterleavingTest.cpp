// SPDX-License-Identifier: LicenseRef-proprietary
// Drives the window's run through many interleavings of what a person can do while the run
// waits on the device: add files, drop folders, take rows off, clear the list, change the pass
// count, Pause, Delete and close. The disk beneath holds calls at random, as a slow device does,
// while the person acts. Every operation is checked against the destruction rule, and after each
// run the list against the disk. A failure names its seed; WYPELARK_SEED runs that seed alone.
#include "engine/ForwardingFileOperations.h"
#include "tests/support/WindowFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QSlider>
#include <QTableView>
#include <QTimer>

#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <random>
#include <set>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

// Passes every operation on; each call that can wait on the device is held, now and then, until
// the person at the window has acted.
class SlowDevice final : public ForwardingFileOperations {
public:
    SlowDevice(FileOperations& inner, unsigned seed)
        : ForwardingFileOperations(inner), mRandom(seed) {}

    bool held() const {
        const std::lock_guard lock(mMutex);
        return mHeld;
    }
    void release() {
        const std::lock_guard lock(mMutex);
        mHeld = false;
        mChanged.notify_all();
    }

    OpenResult open(const std::string& path, const FileIdentity& identity) override {
        maybeHold();
        OpenResult opened = inner().open(path, identity);
        if (opened.file)
            opened.file = std::make_unique<File>(std::move(opened.file), *this);
        return opened;
    }
    RemoveResult remove(const std::string& path, const FileIdentity& identity) override {
        maybeHold();
        return inner().remove(path, identity);
    }
    std::error_code syncFolderOf(const std::string& path, const FileIdentity& identity) override {
        maybeHold();
        return inner().syncFolderOf(path, identity);
    }
    RemoveResult removeFolder(const std::string& path, const FileIdentity& identity) override {
        maybeHold();
        return inner().removeFolder(path, identity);
    }
    std::vector<Leftover> sweepLeftovers(const std::string& path,
                                         const FileIdentity& identity) override {
        maybeHold();
        return inner().sweepLeftovers(path, identity);
    }

private:
    class File final : public OpenFile {
    public:
        File(std::unique_ptr<OpenFile> inner, SlowDevice& device)
            : mInner(std::move(inner)), mDevice(device) {}
        std::error_code length(std::int64_t& bytes) override { return mInner->length(bytes); }
        std::error_code writeAt(std::int64_t offset, const char* data, std::size_t size) override {
            return mInner->writeAt(offset, data, size);
        }
        std::error_code flushToDevice() override {
            mDevice.maybeHold();
            return mInner->flushToDevice();
        }
        std::error_code close() override {
            mDevice.maybeHold();
            return mInner->close();
        }
        std::error_code describe(StorageFacts& facts) override { return mInner->describe(facts); }

    private:
        std::unique_ptr<OpenFile> mInner;
        SlowDevice& mDevice;
    };

    // Runs on the window's worker: holds the call until the person has acted, or gives up.
    void maybeHold() {
        std::unique_lock lock(mMutex);
        if (std::uniform_int_distribution(0, 2)(mRandom) != 0)
            return;
        mHeld = true;
        mChanged.wait_for(lock, std::chrono::seconds(5), [this] { return !mHeld; });
        mHeld = false;
    }

    std::mt19937 mRandom;
    mutable std::mutex mMutex;
    std::condition_variable mChanged;
    bool mHeld = false;
};

class Interleaving : public WindowFixture {
protected:
    // What the person did that the list should show: true after an add, false after a removal.
    std::map<std::string, bool> mExpectListed;
    int mMade = 0;
    bool mActing = false;

    std::set<std::string> listed() const {
        std::set<std::string> paths;
        for (int position = 1; position <= controller->list().count(); ++position)
            paths.insert(controller->list().path(position).toStdString());
        return paths;
    }

    void noteAdded(const std::vector<std::string>& paths) {
        const std::set<std::string> now = listed();
        for (const std::string& path : paths) {
            if (now.count(path) != 0)
                mExpectListed[path] = true;
        }
    }
    void noteTakenOff(const std::set<std::string>& before) {
        const std::set<std::string> now = listed();
        for (const std::string& path : before) {
            if (now.count(path) == 0 && fs::exists(path))
                mExpectListed[path] = false;
        }
    }

    void act(std::mt19937& random) {
        const int choice = std::uniform_int_distribution(0, 8)(random);
        const auto length = [&] { return std::uniform_int_distribution(0, 120000)(random); };
        switch (choice) {
        case 0: {
            const std::string name = "f" + std::to_string(++mMade);
            addFiles({{name, length()}});
            noteAdded({dir.file(name)});
            break;
        }
        case 1: {
            const std::string folderName = "d" + std::to_string(++mMade);
            fs::create_directories(dir.path() / folderName / "sub");
            const std::vector<std::string> inside{dir.makeFile(folderName + "/a", length()),
                                                  dir.makeFile(folderName + "/sub/b", length())};
            window->addPaths({QByteArray::fromStdString(folderName)}, folder());
            noteAdded(inside);
            break;
        }
        case 2: {
            const std::set<std::string> before = listed();
            auto* list = control<QTableView>("lvwList");
            const int rows = list->model()->rowCount();
            if (rows > 0) {
                list->selectionModel()->select(
                    list->model()->index(std::uniform_int_distribution(0, rows - 1)(random), 0),
                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                control<QAction>("mnuListRemove")->trigger();
            }
            noteTakenOff(before);
            break;
        }
        case 3: {
            const std::set<std::string> before = listed();
            control<QAction>("mnuListClear")->trigger();
            noteTakenOff(before);
            break;
        }
        case 4:
            control<QSlider>("sliDelete")->setValue(std::uniform_int_distribution(1, 3)(random));
            break;
        case 5:
            click(2);
            break;
        case 6:
            click(1);
            break;
        case 7:
            window->close();
            break;
        default:
            break;
        }
    }

    // Once no run is under way, the list and the disk agree with what the person did.
    void checkListAgainstDisk() {
        const std::set<std::string> now = listed();
        for (const std::string& path : now)
            EXPECT_TRUE(fs::exists(path)) << path << " is listed, but gone";
        for (const auto& [path, expected] : mExpectListed) {
            if (expected && fs::exists(path)) {
                EXPECT_EQ(now.count(path), 1u) << path << " is still there, but off the list";
            }
        }
    }
};

TEST_F(Interleaving, whateverThePersonDoesWhileTheRunWaitsTheRuleHolds) {
    std::vector<unsigned> seeds;
    if (const char* given = std::getenv("WYPELARK_SEED"))
        seeds.push_back(static_cast<unsigned>(std::strtoul(given, nullptr, 10)));
    for (unsigned seed = 1; seeds.size() < 40 && !std::getenv("WYPELARK_SEED"); ++seed)
        seeds.push_back(seed);

    for (const unsigned seed : seeds) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " (WYPELARK_SEED=" + std::to_string(seed) +
                     " runs it alone)");
        mExpectListed.clear();
        std::mt19937 random(seed);
        SlowDevice device(files, seed);
        openWindow(&device);
        window->show();
        messages.answerFor = [&](const QString& accept) {
            return accept != QStringLiteral("Close") || random() % 4 == 0;
        };
        // The call is let go first and the person acts after: the window is still inside the
        // run's wait until the action returns, and what the action waits for can go on.
        QTimer person;
        person.setInterval(0);
        QObject::connect(&person, &QTimer::timeout, &person, [&] {
            if (!device.held())
                return;
            device.release();
            if (!mActing) {
                mActing = true;
                act(random);
                mActing = false;
            }
        });
        // A call held while the person acts is let go at once.
        QTimer releaser;
        releaser.setInterval(1);
        QObject::connect(&releaser, &QTimer::timeout, &releaser, [&] {
            if (mActing && device.held())
                device.release();
        });
        releaser.start();
        files.onWrite = [&](int) {
            if (!mActing && random() % 8 == 0) {
                mActing = true;
                act(random);
                mActing = false;
            }
        };
        person.start();
        for (int step = 0; step < 6 && window->isVisible(); ++step) {
            act(random);
            if (!window->isVisible())
                break;
            click(1);
            QCoreApplication::processEvents(); // a close that waited for the run to stop
            if (window->isVisible() && controller->session().state() != RunState::Paused &&
                !controller->session().writing())
                checkListAgainstDisk();
        }
        person.stop();
        releaser.stop();
        files.onWrite = nullptr;
        window.reset();
        if (::testing::Test::HasFailure())
            break;
    }
}

} // namespace
