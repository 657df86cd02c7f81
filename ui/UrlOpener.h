// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QUrl>

namespace wypelark {

// Hands a web address to the desktop's browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const QUrl& url) = 0;
};

class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};

} // namespace wypelark
