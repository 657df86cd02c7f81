// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace wypelark {
namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString ShowAction = QStringLiteral("show");

// Without an address the bus library may try to start a bus of its own for the display.
std::optional<QDBusConnection> sessionBus() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    return bus;
}

} // namespace

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {
    if (std::optional<QDBusConnection> bus = sessionBus())
        bus->connect(Service, Path, Service, QStringLiteral("ActionInvoked"), this,
                     SLOT(takeAction(uint, QString)));
}

void DesktopNotifier::notify(const QString& summary, const QString& body) {
    std::optional<QDBusConnection> bus = sessionBus();
    if (!bus)
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("Notify"));
    // The body is plain text: some services read markup in it.
    const QString plainBody = body.toHtmlEscaped();
    const QStringList actions{QStringLiteral("default"), tr("Show"), ShowAction, tr("Show")};
    call << QStringLiteral("Wypelark") << 0u << QStringLiteral("org.example.Wypelark") << summary
         << plainBody << actions
         << QVariantMap{{QStringLiteral("desktop-entry"), QStringLiteral("org.example.Wypelark")}}
         << -1;
    auto* watcher = new QDBusPendingCallWatcher(bus->asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                const QDBusPendingReply<uint> reply = *done;
                if (reply.isValid())
                    mLastId = reply.value();
                done->deleteLater();
            });
}

void DesktopNotifier::takeAction(uint id, const QString& action) {
    if (id != 0 && id == mLastId && (action == ShowAction || action == QLatin1String("default")))
        emit showAsked();
}

} // namespace wypelark
