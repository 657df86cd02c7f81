// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QUrl>

#include <functional>

namespace wypelark {

// Hands a web address to the desktop's browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Returns at once; whenNotOpened runs later, on this thread, when no browser took the
    // address.
    virtual void open(const QUrl& url, std::function<void()> whenNotOpened) = 0;
};

class DesktopUrlOpener final : public UrlOpener {
public:
    void open(const QUrl& url, std::function<void()> whenNotOpened) override;
};

} // namespace wypelark
