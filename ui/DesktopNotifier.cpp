// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace wypelark {

void DesktopNotifier::notify(const QString& summary, const QString& body) {
    // Without an address the bus library may try to start a bus of its own for the display.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The body is plain text: some services read markup in it.
    const QString plainBody = body.toHtmlEscaped();
    call << QStringLiteral("Wypelark") << 0u << QStringLiteral("org.example.Wypelark") << summary
         << plainBody << QStringList() << QVariantMap() << -1;
    bus.send(call);
}

} // namespace wypelark
