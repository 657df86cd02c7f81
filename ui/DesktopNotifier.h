// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

namespace wypelark {

// Tells the desktop's notification service, over the session bus, what a person who looked
// away should know. Nothing waits for the answer; without a session bus nothing is sent.
class DesktopNotifier {
public:
    static void notify(const QString& summary, const QString& body);
};

} // namespace wypelark
