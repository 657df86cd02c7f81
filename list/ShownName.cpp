// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/ShownName.h"

#include "engine/WipeReport.h"

namespace wypelark {

QString shownName(const QByteArray& path) {
    return QString::fromStdString(printablePath(path.toStdString()));
}

} // namespace wypelark
