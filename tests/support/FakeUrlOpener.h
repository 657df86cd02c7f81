// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "ui/UrlOpener.h"

#include <QList>

namespace wypelark::testing {

class FakeUrlOpener final : public UrlOpener {
public:
    QList<QUrl> opened;
    bool open(const QUrl& url) override {
        opened.push_back(url);
        return false; // as if no browser were there; the window must not mind
    }
};

} // namespace wypelark::testing
