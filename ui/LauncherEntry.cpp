// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/LauncherEntry.h"

#include "control/RunProgress.h"

#include <QDBusConnection>
#include <QVariantMap>

#include <cmath>

namespace wypelark {

LauncherEntry::Send LauncherEntry::sessionBus() {
    return [](const QDBusMessage& message) {
        // Without an address the bus library may try to start a bus of its own for the display.
        if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            return;
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (bus.isConnected())
            bus.send(message);
    };
}

LauncherEntry::LauncherEntry(Send send, QObject* parent)
    : QObject(parent), mSend(std::move(send)) {}

void LauncherEntry::show(const ProgressFigures& figures, bool underWay) {
    if (!underWay) {
        if (mShownPerMille)
            update(false, 0);
        mShownPerMille.reset();
        return;
    }
    const double fraction = std::clamp(figures.overallFraction(), 0.0, 1.0);
    const auto perMille = static_cast<int>(std::floor(fraction * 1000));
    if (mShownPerMille == perMille)
        return;
    mShownPerMille = perMille;
    update(true, perMille / 1000.0);
}

void LauncherEntry::update(bool visible, double progress) {
    QDBusMessage signal = QDBusMessage::createSignal(
        QLatin1String(ObjectPath), QStringLiteral("com.canonical.Unity.LauncherEntry"),
        QStringLiteral("Update"));
    const QVariantMap properties{{QStringLiteral("progress"), progress},
                                 {QStringLiteral("progress-visible"), visible}};
    signal << QLatin1String(AppUri) << properties;
    mSend(signal);
}

} // namespace wypelark
