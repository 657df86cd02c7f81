// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/UrlOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace wypelark {

// xdg-open says by its exit status whether anything took the address; the desktop service only
// whether xdg-open started. The process belongs to nothing that would end it, or a browser it
// runs in the foreground, when the window closes first.
void DesktopUrlOpener::open(const QUrl& url, std::function<void()> whenNotOpened) {
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        if (!QDesktopServices::openUrl(url))
            whenNotOpened();
        return;
    }
    auto* opener = new QProcess;
    opener->setStandardOutputFile(QProcess::nullDevice());
    opener->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, whenNotOpened](int status, QProcess::ExitStatus how) {
                         if (how != QProcess::NormalExit || status != 0)
                             whenNotOpened();
                         opener->deleteLater();
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, whenNotOpened](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         whenNotOpened();
                         opener->deleteLater();
                     });
    opener->start(xdgOpen, {url.toString(QUrl::FullyEncoded)});
}

} // namespace wypelark
