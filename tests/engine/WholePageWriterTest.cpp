// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WholePageWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace wypelark;

namespace {

constexpr std::int64_t Page = 4096;

struct Piece {
    std::int64_t offset;
    std::size_t size;
    char fill;
};

struct WriteCase {
    const char* name;
    std::vector<Piece> writes;
    bool wholePages; // every write that reaches the file but the last starts and ends on a page
    std::size_t gather = 0;
};

class WholePages : public ::testing::TestWithParam<WriteCase> {};

// Whatever the writes, the file ends with the bytes they would have left written one by one;
// where each write goes on from the last, as a pass's do, no page is written in part but the
// file's last.
TEST_P(WholePages, leaveTheSameBytesAndWriteNoPageInPartWhereTheNextWriteCompletesIt) {
    std::string expected(150000, 'x');
    std::string file = expected;
    std::vector<Piece> reached;
    WholePageWriter writer(
        Page,
        [&](std::int64_t offset, const char* data, std::size_t size) {
            reached.push_back({offset, size, data[0]});
            file.replace(static_cast<std::size_t>(offset), size, data, size);
            return std::error_code();
        },
        GetParam().gather);
    for (const Piece& write : GetParam().writes) {
        const std::string bytes(write.size, write.fill);
        expected.replace(static_cast<std::size_t>(write.offset), write.size, bytes);
        ASSERT_FALSE(writer.write(write.offset, bytes.data(), bytes.size()));
    }
    ASSERT_FALSE(writer.release());
    EXPECT_EQ(file, expected);
    if (!GetParam().wholePages)
        return;
    for (std::size_t at = 0; at + 1 < reached.size(); ++at) {
        EXPECT_EQ(reached[at].offset % Page, 0) << at;
        EXPECT_EQ((reached[at].offset + static_cast<std::int64_t>(reached[at].size)) % Page, 0)
            << at;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, WholePages,
    ::testing::Values(
        // A pass: 50,000 bytes at 0, then at 49,999, 99,999, ..., the tail ending the file.
        WriteCase{"pass", {{0, 50000, '0'}, {49999, 50000, '0'}, {99999, 50001, '0'}}, true},
        WriteCase{"passGathered",
                  {{0, 50000, '0'}, {49999, 50000, '0'}, {99999, 50001, '0'}},
                  true,
                  16 * Page},
        WriteCase{"elsewhereGathered",
                  {{0, 5000, 'a'}, {20000, 10, 'b'}, {100, 30, 'c'}},
                  false,
                  16 * Page},
        WriteCase{"smallerThanAPage", {{0, 100, 'a'}, {100, 50, 'b'}, {150, 5000, 'c'}}, true},
        // A write inside the held bytes keeps those beyond it.
        WriteCase{"insideTheHeld", {{0, 5000, 'a'}, {4200, 100, 'b'}, {4999, 9000, 'c'}}, false},
        WriteCase{"elsewhere", {{0, 5000, 'a'}, {20000, 10, 'b'}, {100, 30, 'c'}}, false},
        WriteCase{"backOverTheHeld", {{0, 5000, 'a'}, {3000, 8000, 'b'}}, false}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(WholePageWriter, aFailedWriteOfTheHeldBytesIsTheFailureOfTheWriteThatCompletedThem) {
    int calls = 0;
    WholePageWriter writer(Page, [&](std::int64_t, const char*, std::size_t) {
        return ++calls == 2 ? std::make_error_code(std::errc::io_error) : std::error_code();
    });
    const std::string bytes(5000, '0');
    ASSERT_FALSE(writer.write(0, bytes.data(), bytes.size()));
    EXPECT_EQ(writer.writtenUpTo(5000), Page);
    EXPECT_EQ(writer.write(4999, bytes.data(), bytes.size()), std::errc::io_error);
}

} // namespace
