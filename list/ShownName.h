// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QString>

namespace wypelark {

// A file's path as the window shows it: the same escaped form every report uses, so that no
// name can pass for another or forge a line.
QString shownName(const QByteArray& path);

} // namespace wypelark
