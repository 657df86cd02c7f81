// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/UrlOpener.h"

#include <QDesktopServices>

namespace wypelark {

bool DesktopUrlOpener::open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace wypelark
