// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "ui/UrlOpener.h"

#include <QList>

namespace wypelark::testing {

class FakeUrlOpener final : public UrlOpener {
public:
    QList<QUrl> opened;
    // As if no browser were there.
    void open(const QUrl& url, std::function<void()> whenNotOpened) override {
        opened.push_back(url);
        whenNotOpened();
    }
};

} // namespace wypelark::testing
