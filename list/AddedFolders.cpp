// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/AddedFolders.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace wypelark {

void AddedFolders::take(const std::vector<FoundFolder>& folders, Arrival arrival) {
    QSet<QByteArray> known;
    for (const FoundFolder& folder : mNamed)
        known.insert(folder.path);
    for (const FoundFolder& folder : mHeld)
        known.insert(folder.path);
    std::vector<FoundFolder>& into = arrival == Arrival::Held ? mHeld : mNamed;
    for (const FoundFolder& folder : folders) {
        if (!known.contains(folder.path))
            into.push_back(folder);
    }
}

void AddedFolders::endHolding() {
    for (FoundFolder& folder : std::exchange(mHeld, {}))
        mNamed.push_back(std::move(folder));
}

void AddedFolders::forgetAbove(const std::vector<QByteArray>& paths) {
    QSet<QByteArray> forgotten;
    for (const QByteArray& path : paths) {
        for (qsizetype slash = path.lastIndexOf('/'); slash > 0;
             slash = path.lastIndexOf('/', slash - 1))
            forgotten.insert(path.left(slash));
    }
    std::erase_if(mNamed,
                  [&](const FoundFolder& folder) { return forgotten.contains(folder.path); });
}

void AddedFolders::forgetRemoved(const std::vector<FoundFolder>& tried,
                                 const std::vector<KeptFolder>& kept) {
    QSet<QByteArray> gone;
    for (const FoundFolder& folder : tried)
        gone.insert(folder.path);
    for (const KeptFolder& folder : kept)
        gone.remove(folder.path);
    std::erase_if(mNamed, [&](const FoundFolder& folder) { return gone.contains(folder.path); });
}

void AddedFolders::clear() {
    mNamed.clear();
    mHeld.clear();
}

} // namespace wypelark
