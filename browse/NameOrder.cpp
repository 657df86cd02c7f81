// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/NameOrder.h"

#include <QCollator>
#include <QFile>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <queue>

namespace wypelark {
namespace {

// Entries are sorted this many at a time, each with its collation key, and the sorted chunks
// merged: the keys of a million names at once took 100 MB, a chunk's take 7 MB, at the price of
// making each key twice.
constexpr std::size_t ChunkSize = 65536;

using Index = std::uint32_t;

class Order {
public:
    explicit Order(const std::vector<DirectoryEntry>& entries) : mEntries(entries) {
        mCollator.setNumericMode(true);
        mCollator.setCaseSensitivity(Qt::CaseInsensitive);
    }

    // A name is decoded and given its key once for its chunk's sort and once for the merge:
    // decoding it at every comparison would decode millions of times.
    QCollatorSortKey keyOf(Index entry) const {
        return mCollator.sortKey(QFile::decodeName(mEntries[entry].name));
    }
    bool before(const QCollatorSortKey& key, Index entry, const QCollatorSortKey& otherKey,
                Index other) const {
        const int byKey = key.compare(otherKey);
        return byKey != 0 ? byKey < 0 : mEntries[entry].name < mEntries[other].name;
    }

    // Sorts the entries from first to end, which stand in their listed order.
    void sortChunk(std::vector<Index>& sorted, std::size_t first, std::size_t end) const {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(end - first);
        for (std::size_t entry = first; entry < end; ++entry)
            keys.push_back(keyOf(static_cast<Index>(entry)));
        std::sort(sorted.begin() + static_cast<std::ptrdiff_t>(first),
                  sorted.begin() + static_cast<std::ptrdiff_t>(end),
                  [&](Index a, Index b) { return before(keys[a - first], a, keys[b - first], b); });
    }

private:
    const std::vector<DirectoryEntry>& mEntries;
    QCollator mCollator;
};

// The chunks, each sorted, merged into one order; only the key of each chunk's next entry is
// held.
std::vector<Index> merged(const Order& order, const std::vector<Index>& chunks) {
    struct Head {
        QCollatorSortKey key;
        std::size_t at;
        std::size_t end;
    };
    const auto later = [&](const Head& a, const Head& b) {
        return order.before(b.key, chunks[b.at], a.key, chunks[a.at]);
    };
    std::priority_queue<Head, std::vector<Head>, decltype(later)> heads(later);
    for (std::size_t start = 0; start < chunks.size(); start += ChunkSize)
        heads.push({order.keyOf(chunks[start]), start, std::min(start + ChunkSize, chunks.size())});
    std::vector<Index> all;
    all.reserve(chunks.size());
    while (!heads.empty()) {
        Head head = heads.top();
        heads.pop();
        all.push_back(chunks[head.at]);
        if (++head.at < head.end) {
            head.key = order.keyOf(chunks[head.at]);
            heads.push(std::move(head));
        }
    }
    return all;
}

} // namespace

void sortEntries(std::vector<DirectoryEntry>& entries) {
    const Order order(entries);
    std::vector<Index> sorted(entries.size());
    std::iota(sorted.begin(), sorted.end(), Index{0});
    for (std::size_t start = 0; start < sorted.size(); start += ChunkSize)
        order.sortChunk(sorted, start, std::min(start + ChunkSize, sorted.size()));
    if (sorted.size() > ChunkSize)
        sorted = merged(order, sorted);
    // The entries go to their places along the permutation's cycles, in place: a million held
    // twice over took another 32 MB.
    for (std::size_t start = 0; start < sorted.size(); ++start) {
        std::size_t at = start;
        while (sorted[at] != start) {
            std::swap(entries[at], entries[sorted[at]]);
            const std::size_t next = sorted[at];
            sorted[at] = static_cast<Index>(at);
            at = next;
        }
        sorted[at] = static_cast<Index>(at);
    }
}

} // namespace wypelark
