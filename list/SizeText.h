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

// A size as both front ends say it in sentences: decimal units (kB, MB, GB: powers of 1000)
// with one decimal, in the locale's form ("2 bytes", "300.0 MB", "1.2 GB").
QString readableSize(qint64 bytes, const QLocale& locale = QLocale());

} // namespace wypelark
