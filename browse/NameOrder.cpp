// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/NameOrder.h"

#include <QCollator>
#include <QFile>

#include <algorithm>

namespace wypelark {

void sortNames(QList<QByteArray>& names) {
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), [&](const QByteArray& a, const QByteArray& b) {
        const int order = collator.compare(QFile::decodeName(a), QFile::decodeName(b));
        return order != 0 ? order < 0 : a < b;
    });
}

} // namespace wypelark
