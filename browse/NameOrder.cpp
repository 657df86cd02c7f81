// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/NameOrder.h"

#include <QCollator>
#include <QFile>

#include <algorithm>
#include <numeric>

namespace wypelark {

// Each name is decoded and given its collation key once: a folder of a hundred thousand names
// would otherwise decode millions of times while it is sorted.
void sortEntries(std::vector<DirectoryEntry>& entries) {
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(entries.size());
    for (const DirectoryEntry& entry : entries)
        keys.push_back(collator.sortKey(QFile::decodeName(entry.name)));
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byKey = keys[a].compare(keys[b]);
        return byKey != 0 ? byKey < 0 : entries[a].name < entries[b].name;
    });
    std::vector<DirectoryEntry> sorted;
    sorted.reserve(entries.size());
    for (const std::size_t at : order)
        sorted.push_back(std::move(entries[at]));
    entries = std::move(sorted);
}

} // namespace wypelark
