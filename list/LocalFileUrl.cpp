// SPDX-License-Identifier: LicenseRef-proprietary
#include "list/LocalFileUrl.h"

namespace wypelark {

std::optional<QByteArray> localPathOf(const QUrl& url) {
    const bool onThisMachine = url.host().isEmpty() || url.host() == QLatin1String("localhost");
    if (!url.isValid() || !url.isLocalFile() || !onThisMachine)
        return std::nullopt;
    QByteArray path = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    if (!path.startsWith('/') || path.contains('\0'))
        return std::nullopt;
    return path;
}

std::optional<QByteArray> localPathOfUri(const QByteArray& uri) {
    // Latin-1 maps each byte of a raw (unescaped) name to one character and back.
    return localPathOf(QUrl(QString::fromLatin1(uri), QUrl::StrictMode));
}

} // namespace wypelark
