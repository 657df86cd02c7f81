// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QObject>
#include <QString>

namespace wypelark {

// Tells the desktop's notification service, over the session bus, what a person who looked
// away should know, with a Show button that brings the window back. Nothing waits for the
// service; without a session bus nothing is sent.
class DesktopNotifier final : public QObject {
    Q_OBJECT

public:
    explicit DesktopNotifier(QObject* parent);

    void notify(const QString& summary, const QString& body);

signals:
    // The person chose Show on the last notice.
    void showAsked();

private Q_SLOTS:
    void takeAction(uint id, const QString& action);

private:
    uint mLastId = 0; // the service's number for the last notice, once it answered
};

} // namespace wypelark
