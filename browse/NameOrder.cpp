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
    keys = {};
    // The entries go to their places along the permutation's cycles, in place: a million held
    // twice over took another 32 MB.
    for (std::size_t start = 0; start < order.size(); ++start) {
        std::size_t at = start;
        while (order[at] != start) {
            std::swap(entries[at], entries[order[at]]);
            const std::size_t next = order[at];
            order[at] = at;
            at = next;
        }
        order[at] = at;
    }
}

} // namespace wypelark
