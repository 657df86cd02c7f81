// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace wypelark {

// Watches the one folder the browser shows and says, a moment after the last of a burst, that
// files or subfolders were made, removed or renamed there by anyone. Where the folder cannot
// be watched (the watch limit, some network file systems), it says so every few seconds
// instead, and the window refreshes on its own activation as well.
class FolderWatch final : public QObject {
    Q_OBJECT

public:
    explicit FolderWatch(QObject* parent = nullptr);

    void watch(const QByteArray& folder);
    bool watching() const { return !mWatcher.directories().isEmpty(); }

signals:
    void changed();

private:
    static constexpr int SettleMilliseconds = 150;
    static constexpr int PollMilliseconds = 3000;

    QFileSystemWatcher mWatcher;
    QTimer mSettle;
    QTimer mPoll;
};

} // namespace wypelark
