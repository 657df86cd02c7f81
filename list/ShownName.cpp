// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/ShownName.h"

#include "engine/WipeReport.h"

namespace wypelark {

QString shownName(const QByteArray& path) {
    return QString::fromStdString(printablePath(path.toStdString()));
}

QString escapedNameBytes(const QByteArray& name) {
    if (shownName(name) == QString::fromUtf8(name))
        return {};
    return QString::fromLatin1(name.toHex(' '));
}

} // namespace wypelark
