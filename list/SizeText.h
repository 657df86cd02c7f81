// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QLocale>
#include <QString>

namespace wypelark {

// The size column's text: the length in bytes as a plain decimal integer.
QString sizeText(qint64 bytes);

// The size cell's tooltip: the length in megabytes with one decimal, digit grouping and the
// locale's separators, then " MB".
QString megabyteText(qint64 bytes, const QLocale& locale = QLocale());

} // namespace wypelark
