// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/NameOrder.h"

#include <QCollator>
#include <QFile>

#include <algorithm>
#include <vector>

namespace wypelark {

// Each name is decoded and given its collation key once: a folder of a hundred thousand names
// would otherwise decode millions of times while it is sorted.
void sortNames(QList<QByteArray>& names) {
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Keyed {
        QCollatorSortKey key;
        QByteArray name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(static_cast<std::size_t>(names.size()));
    for (const QByteArray& name : names)
        keyed.push_back({collator.sortKey(QFile::decodeName(name)), name});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        const int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    for (qsizetype at = 0; at < names.size(); ++at)
        names[at] = std::move(keyed[static_cast<std::size_t>(at)].name);
}

} // namespace wypelark
