// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QString>

namespace wypelark {

// A file's path as the window shows it: the same escaped form every report uses, so that no
// name can pass for another or forge a line.
QString shownName(const QByteArray& path);

// A name's exact bytes in hexadecimal ("66 6f 80"), for a name whose shown form escapes
// anything; empty for a name shown as it is.
QString escapedNameBytes(const QByteArray& name);

} // namespace wypelark
