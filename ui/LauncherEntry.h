// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QDBusMessage>
#include <QObject>

#include <functional>
#include <optional>

namespace wypelark {

struct ProgressFigures;

// The run's progress on the program's entry in a dock or task manager, where the desktop reads
// the launcher entry signal (KDE's task manager, Dash to Dock, Plank): the overall fraction
// while a command writes, nothing once it ends. A signal is sent only when the shown per mille
// changes, so a run of hours sends a few thousand at most.
class LauncherEntry final : public QObject {
    Q_OBJECT

public:
    using Send = std::function<void(const QDBusMessage&)>;
    static constexpr const char* AppUri = "application://org.example.Wypelark.desktop";
    static constexpr const char* ObjectPath = "/org/example/Wypelark/LauncherEntry";

    // Sends on the session bus, where there is one; otherwise sends nothing.
    static Send sessionBus();

    explicit LauncherEntry(Send send, QObject* parent = nullptr);

    // underWay: a command writes or is paused; otherwise the entry's progress is taken away.
    void show(const ProgressFigures& figures, bool underWay);

private:
    void update(bool visible, double progress);

    Send mSend;
    std::optional<int> mShownPerMille; // none while no progress is shown
};

} // namespace wypelark
