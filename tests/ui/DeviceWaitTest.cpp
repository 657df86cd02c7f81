// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/ForwardingFileOperations.h"
#include "tests/support/WindowFixture.h"

#include <QSlider>
#include <QTimer>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>

using namespace wypelark;
using namespace wypelark::testing;
namespace fs = std::filesystem;

namespace {

// Passes every operation on and records it; the first open, flush and delete of one path are
// held, as a slow device holds them, until the test lets them go. A held call that is never let
// go gives up after a while, so that a window that waits on it fails the test instead of hanging.
class GatedFileOperations final : public ForwardingFileOperations {
public:
    GatedFileOperations(FileOperations& inner, std::string gatedPath)
        : ForwardingFileOperations(inner), mGatedPath(std::move(gatedPath)) {}

    std::vector<std::string> ops() const {
        const std::lock_guard lock(mMutex);
        return mOps;
    }
    std::optional<std::string> held() const {
        const std::lock_guard lock(mMutex);
        return mHeld;
    }
    void release() {
        const std::lock_guard lock(mMutex);
        mHeld.reset();
        mChanged.notify_all();
    }
    bool gaveUp() const { return mGaveUp; }

    OpenResult open(const std::string& path, const FileIdentity& identity) override {
        pass("open", path);
        OpenResult opened = inner().open(path, identity);
        if (opened.file)
            opened.file = std::make_unique<File>(std::move(opened.file), path, *this);
        return opened;
    }
    RemoveResult remove(const std::string& path, const FileIdentity& identity) override {
        pass("remove", path);
        return inner().remove(path, identity);
    }

private:
    class File final : public OpenFile {
    public:
        File(std::unique_ptr<OpenFile> inner, std::string path, GatedFileOperations& gate)
            : mInner(std::move(inner)), mPath(std::move(path)), mGate(gate) {}
        std::error_code length(std::int64_t& bytes) override { return mInner->length(bytes); }
        std::error_code writeAt(std::int64_t offset, const char* data, std::size_t size) override {
            mGate.pass("write " + std::to_string(offset + 1) + "+" + std::to_string(size), mPath);
            return mInner->writeAt(offset, data, size);
        }
        std::error_code flushToDevice() override {
            mGate.pass("flush", mPath);
            return mInner->flushToDevice();
        }
        std::error_code close() override {
            mGate.pass("close", mPath);
            return mInner->close();
        }
        std::error_code describe(StorageFacts& facts) override { return mInner->describe(facts); }

    private:
        std::unique_ptr<OpenFile> mInner;
        std::string mPath;
        GatedFileOperations& mGate;
    };

    // Records the operation, and holds it when it is the first of its kind on the gated path.
    void pass(const std::string& op, const std::string& path) {
        std::unique_lock lock(mMutex);
        const std::string name = op + " " + fs::path(path).filename().string();
        mOps.push_back(name);
        if (path != mGatedPath || (op != "open" && op != "flush" && op != "remove") ||
            !mGatedOnce.insert(op).second)
            return;
        mHeld = name;
        if (!mChanged.wait_for(lock, std::chrono::seconds(10), [this] { return !mHeld; })) {
            mGaveUp = true;
            mHeld.reset();
        }
    }

    std::string mGatedPath;
    mutable std::mutex mMutex;
    std::condition_variable mChanged;
    std::vector<std::string> mOps;
    std::set<std::string> mGatedOnce;
    std::optional<std::string> mHeld;
    bool mGaveUp = false;
};

class DeviceWait : public WindowFixture {};

TEST_F(DeviceWait, theWindowHandlesEventsWhileTheDeviceHoldsAnOpenAFlushOrADelete) {
    const std::string a = dir.file("a");
    GatedFileOperations gated(disk, a);
    openWindow(&gated);
    window->show();
    addFiles({{"a", 120000}});
    control<QSlider>("sliDelete")->setValue(2);

    // Acts as the person at the window whenever the device holds a call, then lets it go.
    std::vector<std::string> heldSeen;
    bool closeRefused = false;
    QTimer person;
    person.setInterval(1);
    QObject::connect(&person, &QTimer::timeout, &person, [&] {
        const std::optional<std::string> held = gated.held();
        if (!held)
            return;
        heldSeen.push_back(*held);
        if (*held == "open a") {
            addFiles({{"b", 70000}}); // appended while the open waits, kept for a later Delete
        } else if (*held == "flush a") {
            click(2); // Pause enables Exit, yet the flush beneath must not be closed over
            closeRefused = !window->close() && window->isVisible();
        }
        gated.release();
    });
    person.start();

    click(1);

    // Paused during the first pass's flush: the run stopped after the next write, in pass two.
    EXPECT_EQ(heldSeen, (std::vector<std::string>{"open a", "flush a"}));
    EXPECT_TRUE(closeRefused);
    EXPECT_EQ(controller->session().state(), RunState::Paused);
    EXPECT_EQ(gated.ops().back(), "write 1+50000 a");
    EXPECT_TRUE(fs::exists(a));

    click(1);
    person.stop();

    EXPECT_EQ(heldSeen.back(), "remove a");
    EXPECT_FALSE(gated.gaveUp());
    const std::vector<std::string> passOverA{
        "open a",  "write 1+50000 a", "write 50000+50000 a", "write 100000+20001 a",
        "flush a", "close a"};
    std::vector<std::string> expected;
    for (const auto* pass : {&passOverA, &passOverA})
        expected.insert(expected.end(), pass->begin(), pass->end());
    expected.push_back("remove a");
    EXPECT_EQ(gated.ops(), expected);
    EXPECT_FALSE(fs::exists(a));
    EXPECT_TRUE(fs::exists(dir.file("b")));
    ASSERT_EQ(controller->list().count(), 1);
    EXPECT_TRUE(controller->list().held(1));
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
