// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/SizeText.h"

namespace wypelark {

QString sizeText(qint64 bytes) {
    return QString::number(bytes);
}

QString megabyteText(qint64 bytes, const QLocale& locale) {
    QLocale grouped = locale;
    grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
    const double megabytes = static_cast<double>(bytes) / 1024.0 / 1024.0;
    return grouped.toString(megabytes, 'f', 1) + QStringLiteral(" MB");
}

QString readableSize(qint64 bytes, const QLocale& locale) {
    return locale.formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace wypelark
