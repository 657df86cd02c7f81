// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <cstdint>

class QFileSystemWatcher;
class QThread;

namespace wypelark {

// Watches the one folder the browser shows and says, a moment after the last of a burst, that
// files or subfolders were made, removed or renamed there by anyone. Where the folder cannot
// be watched (the watch limit, some network file systems), it says so every few seconds
// instead, and the window refreshes on its own activation as well. The watch is set on a thread
// of its own: setting one on a folder of a million files walks them all in the kernel, and a
// mount that stopped answering never ends it.
class FolderWatch final : public QObject {
    Q_OBJECT

public:
    explicit FolderWatch(QObject* parent = nullptr);
    ~FolderWatch() override;

    // Watches the folder, whose listing saw it as it was at the change time given; the folder is
    // said to have changed once the watch is set unless it is known to be as listed (0: not
    // known).
    void watch(const QByteArray& folder, std::int64_t listedChange);
    bool watching() const { return mWatching; }

signals:
    void changed();

private:
    void watchSet(const QByteArray& folder, bool set, bool unchanged);

    static constexpr int SettleMilliseconds = 150;
    static constexpr int PollMilliseconds = 3000;
    static constexpr int EndMilliseconds = 200;

    QThread* mThread;
    QFileSystemWatcher* mWatcher; // lives on mThread
    QByteArray mFolder;           // the folder last asked for
    bool mWatching = false;
    QTimer mSettle;
    QTimer mPoll;
};

} // namespace wypelark
