// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArrayList>
#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>

#include <vector>

namespace wypelark {

class frmMain;

// The window's address on the session bus, so that one window collects what every start of
// the program names: a second start hands its paths over and ends. Service
// org.example.Wypelark, object /org/example/Wypelark, interface org.example.Wypelark.Window:
//   AddPaths(aay paths): absolute paths, as raw bytes, go into the deletion list by the rules
//     a drop follows, and the window comes to the front; nothing is destroyed before Delete.
//     Relative paths are refused with the error org.example.Wypelark.Error.RelativePath, and
//     more than MaxPathsPerCall in one call with org.example.Wypelark.Error.TooManyPaths.
//   Show(): the window comes to the front.
//   ShredTrash(): the window comes to the front, puts what the user's trash cans hold in the
//     deletion list and asks, as Delete asks, whether to destroy it.
class WindowService final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.example.Wypelark.Window")

public:
    static constexpr char ServiceName[] = "org.example.Wypelark";
    static constexpr char ObjectPath[] = "/org/example/Wypelark";
    static constexpr char Interface[] = "org.example.Wypelark.Window";
    // What one AddPaths takes: more would hold the window while each is looked at.
    static constexpr qsizetype MaxPathsPerCall = 20000;

    explicit WindowService(frmMain& window);

    // Serves the window on the bus; false where another window serves there already.
    bool serve(QDBusConnection bus);
    // Hands the paths (or, with none, the wish to see the window) to the window that serves on
    // the bus; false where none took them. Relative paths are made absolute from folder first,
    // and handed over MaxPathsPerCall at a time.
    static bool handOver(const QDBusConnection& bus, const std::vector<QByteArray>& paths,
                         const QByteArray& folder);

    // Asks the window that serves on the bus to shred the Trash; false where none took it.
    static bool askToShredTrash(const QDBusConnection& bus);

public slots:
    Q_SCRIPTABLE void AddPaths(const QByteArrayList& paths);
    Q_SCRIPTABLE void Show();
    Q_SCRIPTABLE void ShredTrash();

private:
    void shredTrashWhenAnswered();
    static bool call(const QDBusConnection& bus, const QString& method,
                     const QByteArrayList& paths);

    frmMain& mWindow;
};

} // namespace wypelark
