// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/NameOrder.h"

#include <QCollator>
#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

using namespace wypelark;

namespace {

// More names than are sorted with their keys at once: the sorted parts merge into one order,
// the same that one sort of them all gives.
TEST(NameOrder, manyNamesSortAsOneListIgnoringCaseWithNumbersAsNumbers) {
    std::vector<DirectoryEntry> entries;
    for (int number = 150000; number > 0; --number) {
        const QByteArray digits = QByteArray::number(number);
        entries.push_back({(number % 3 == 0 ? "File" : "file") + digits, false});
        if (number % 50000 == 0)
            entries.push_back({"a" + digits, false});
    }
    const std::size_t listed = entries.size();

    sortEntries(entries);

    ASSERT_EQ(entries.size(), listed);
    EXPECT_EQ(entries.front().name, "a50000");
    EXPECT_EQ(entries[3].name, "file1");
    EXPECT_EQ(entries.back().name, "File150000");
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    EXPECT_TRUE(std::is_sorted(
        entries.begin(), entries.end(), [&](const DirectoryEntry& a, const DirectoryEntry& b) {
            return collator.compare(QFile::decodeName(a.name), QFile::decodeName(b.name)) < 0;
        }));
}

} // namespace
