// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/WindowService.h"

#include "list/AddSelectedFiles.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QTimer>

namespace wypelark {
namespace {

// A window that is busy still answers at once: the paths are taken after the answer.
constexpr int HandOverTimeoutMilliseconds = 5000;
constexpr int QuestionRetryMilliseconds = 200;

QString text(const char* latin1) {
    return QString::fromLatin1(latin1);
}

} // namespace

WindowService::WindowService(frmMain& window) : mWindow(window) {
    qDBusRegisterMetaType<QByteArrayList>();
}

bool WindowService::serve(QDBusConnection bus) {
    if (!bus.isConnected() ||
        !bus.registerObject(text(ObjectPath), this, QDBusConnection::ExportScriptableSlots))
        return false;
    if (bus.registerService(text(ServiceName)))
        return true;
    bus.unregisterObject(text(ObjectPath));
    return false;
}

bool WindowService::handOver(const QDBusConnection& bus, const std::vector<QByteArray>& paths,
                             const QByteArray& folder) {
    if (!bus.isConnected())
        return false;
    qDBusRegisterMetaType<QByteArrayList>();
    QByteArrayList absolute;
    for (const QByteArray& path : paths)
        absolute.push_back(path.startsWith('/') ? path : fullPath(folder, path));
    if (absolute.isEmpty())
        return call(bus, QStringLiteral("Show"), {});
    for (qsizetype from = 0; from < absolute.size(); from += MaxPathsPerCall) {
        if (!call(bus, QStringLiteral("AddPaths"), absolute.mid(from, MaxPathsPerCall)))
            return false;
    }
    return true;
}

bool WindowService::askToShredTrash(const QDBusConnection& bus) {
    return bus.isConnected() && call(bus, QStringLiteral("ShredTrash"), {});
}

bool WindowService::call(const QDBusConnection& bus, const QString& method,
                         const QByteArrayList& paths) {
    QDBusMessage message = QDBusMessage::createMethodCall(text(ServiceName), text(ObjectPath),
                                                          text(Interface), method);
    if (!paths.isEmpty())
        message << QVariant::fromValue(paths);
    const QDBusMessage reply = bus.call(message, QDBus::Block, HandOverTimeoutMilliseconds);
    return reply.type() == QDBusMessage::ReplyMessage;
}

void WindowService::AddPaths(const QByteArrayList& paths) {
    if (paths.size() > MaxPathsPerCall) {
        sendErrorReply(
            QStringLiteral("org.example.Wypelark.Error.TooManyPaths"),
            QStringLiteral("At most %1 paths can be added in one call.").arg(MaxPathsPerCall));
        return;
    }
    for (const QByteArray& path : paths) {
        if (!path.startsWith('/')) {
            sendErrorReply(QStringLiteral("org.example.Wypelark.Error.RelativePath"),
                           QStringLiteral("Only absolute paths can be added."));
            return;
        }
    }
    const std::vector<QByteArray> handed(paths.begin(), paths.end());
    QTimer::singleShot(0, &mWindow, [this, handed] { mWindow.takeHandedPaths(handed); });
}

void WindowService::Show() {
    QTimer::singleShot(0, &mWindow, [this] { mWindow.comeToTheFront(); });
}

void WindowService::ShredTrash() {
    QTimer::singleShot(0, &mWindow, [this] { shredTrashWhenAnswered(); });
}

// A question stands over the window, perhaps the one that names what a run destroys: the Trash
// is listed, and asked about, once it is answered.
void WindowService::shredTrashWhenAnswered() {
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(QuestionRetryMilliseconds, &mWindow,
                           [this] { shredTrashWhenAnswered(); });
        return;
    }
    mWindow.shredTrash();
}

} // namespace wypelark
