// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/PosixFileOperations.h"
#include "engine/WipeRun.h"
#include "engine/WriteBackWindow.h"
#include "tests/support/FakeWipeHost.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <vector>

using namespace wypelark;
using namespace wypelark::testing;

namespace {

constexpr std::int64_t Window = 1 << 20;

struct Hint {
    std::int64_t offset;
    std::int64_t bytes;
    unsigned flags;
    bool operator==(const Hint&) const = default;
};

// Records every write-back hint, passes it on to the system, and fails the chosen one.
struct HintRecorder {
    std::vector<Hint> hints;
    int failAt = 0; // 1-based; 0 never
    int failWith = EIO;

    PosixFileOperations::WriteBackCall call() {
        return [this](int fd, off_t offset, off_t bytes, unsigned flags) {
            hints.push_back({offset, bytes, flags});
            if (static_cast<int>(hints.size()) == failAt)
                return failWith;
            return syncFileRange(fd, offset, bytes, flags);
        };
    }
};

constexpr unsigned Start = SYNC_FILE_RANGE_WRITE;
constexpr unsigned Wait =
    SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER;

class WriteBehindSizes : public ::testing::TestWithParam<std::int64_t> {};

TEST_P(WriteBehindSizes, windowsStartInFileOrderEachWaitedForBeforeTheNextStarts) {
    const std::int64_t length = GetParam();
    TempDir dir;
    FakeWipeHost host;
    const std::string path = dir.makeFile("f", length);
    host.items = {path};
    host.passes = 2;
    HintRecorder recorder;
    PosixFileOperations disk(Window, recorder.call());
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_TRUE(host.reports.empty());
    EXPECT_FALSE(std::filesystem::exists(path));
    // Only whole windows get hints; the tail is left to the pass's fdatasync.
    const std::int64_t full = length / Window;
    std::vector<Hint> expected;
    for (int pass = 0; pass < 2; ++pass) {
        for (std::int64_t w = 0; w < full; ++w) {
            if (w > 0)
                expected.push_back({(w - 1) * Window, Window, Wait});
            expected.push_back({w * Window, Window, Start});
        }
    }
    EXPECT_EQ(recorder.hints, expected);
}

INSTANTIATE_TEST_SUITE_P(AroundOneWindow, WriteBehindSizes,
                         ::testing::Values(100000, Window - 1, Window, Window + 1, 3 * Window + 7));

TEST(WriteBehind, contentIsZeroAfterEachPassWhateverTheWindow) {
    TempDir dir;
    for (const std::int64_t length : {std::int64_t{100000}, Window, Window + 1, 3 * Window + 7}) {
        const std::string path = dir.makeFile("g", length);
        PosixFileOperations disk(Window);
        for (int pass = 0; pass < 2; ++pass) {
            OpenResult opened = disk.open(path, identityNow(path));
            ASSERT_FALSE(opened.error);
            const std::string block(50000, '0');
            for (std::int64_t pos = 1; pos <= length;) {
                const bool tail = pos + 50000 > length;
                ASSERT_FALSE(opened.file->writeAt(
                    pos - 1, block.data(),
                    static_cast<std::size_t>(tail ? length - pos + 1 : 50000)));
                if (tail)
                    break;
                pos = (pos == 1 ? 0 : pos) + 50000;
            }
            ASSERT_FALSE(opened.file->flushToDevice());
            ASSERT_FALSE(opened.file->close());
            const std::string content = readWhole(path);
            EXPECT_EQ(static_cast<std::int64_t>(content.size()), length);
            EXPECT_EQ(content.find_first_not_of('0'), std::string::npos) << length;
        }
    }
}

TEST(WriteBehind, aFailedHintIsAFlushFailureOfThatFileAlone) {
    TempDir dir;
    FakeWipeHost host;
    const std::string bad = dir.makeFile("bad", 3 * Window);
    const std::string good = dir.makeFile("good", 3 * Window);
    host.items = {bad, good};
    HintRecorder recorder;
    recorder.failAt = 2;
    PosixFileOperations disk(Window, recorder.call());
    WipeRun run(host, disk);

    run.WipeFiles();

    EXPECT_TRUE(std::filesystem::exists(bad));
    EXPECT_FALSE(std::filesystem::exists(good));
    ASSERT_EQ(host.reports.size(), 1u);
    ASSERT_EQ(host.reports[0].failures.size(), 1u);
    EXPECT_EQ(host.reports[0].failures[0].path, bad);
    EXPECT_EQ(host.reports[0].failures[0].step, WipeStep::Flush);
    EXPECT_EQ(host.reports[0].failures[0].error.value(), EIO);
}

// Feeds a window windows of its own size, each taken in at the given device rate; returns the
// sizes it chose, the first included.
std::vector<std::int64_t> sizesAt(WriteBackWindow window, double bytesPerSecond, int windows) {
    std::vector<std::int64_t> sizes{window.bytes()};
    for (int i = 0; i < windows; ++i) {
        const auto elapsed =
            std::chrono::duration<double>(static_cast<double>(window.bytes()) / bytesPerSecond);
        window.written(window.bytes(),
                       std::chrono::duration_cast<std::chrono::nanoseconds>(elapsed));
        sizes.push_back(window.bytes());
    }
    return sizes;
}

TEST(WriteBackWindowSize, followsTheDeviceSoThatOneWaitLastsATenthOfASecond) {
    // A 10 MB/s stick settles at a megabyte, in whole 64 KiB steps.
    const std::int64_t stick = sizesAt(WriteBackWindow::adaptive(), 10e6, 20).back();
    EXPECT_LE(stick, 1'000'000);
    EXPECT_GT(stick, 1'000'000 - (64 << 10));
    EXPECT_EQ(stick % (64 << 10), 0);
    // A fast disk grows by half at most per window, up to the largest window.
    const std::vector<std::int64_t> fast = sizesAt(WriteBackWindow::adaptive(), 2e9, 30);
    for (std::size_t i = 1; i < fast.size(); ++i)
        EXPECT_LE(fast[i], fast[i - 1] + fast[i - 1] / 2);
    EXPECT_EQ(fast.back(), WriteBackWindow::Largest);
    // A very slow card keeps the smallest window; a fixed window never changes.
    EXPECT_EQ(sizesAt(WriteBackWindow::adaptive(), 100e3, 5).back(), WriteBackWindow::Smallest);
    EXPECT_EQ(sizesAt(WriteBackWindow::fixed(Window), 10e6, 5).back(), Window);
}

TEST(WriteBackWindowSize, aDeviceThatSlowsDownShrinksTheNextWindowAtOnce) {
    WriteBackWindow window = WriteBackWindow::adaptive();
    for (int i = 0; i < 30; ++i)
        window.written(window.bytes(), std::chrono::microseconds(100));
    ASSERT_EQ(window.bytes(), WriteBackWindow::Largest);

    // Its cache full, the device takes the next 64 MiB at 10 MB/s.
    window.written(WriteBackWindow::Largest, std::chrono::milliseconds(6711));

    EXPECT_LE(window.bytes(), 1'000'000);
}

} // namespace
