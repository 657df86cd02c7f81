// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FolderWatch.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileSystemWatcher>
#include <QPointer>
#include <QThread>

namespace wypelark {

FolderWatch::FolderWatch(QObject* parent)
    : QObject(parent), mThread(new QThread), mWatcher(new QFileSystemWatcher) {
    mWatcher->moveToThread(mThread);
    mThread->start();
    mSettle.setSingleShot(true);
    mSettle.setInterval(SettleMilliseconds);
    mPoll.setInterval(PollMilliseconds);
    connect(mWatcher, &QFileSystemWatcher::directoryChanged, &mSettle, qOverload<>(&QTimer::start));
    connect(&mSettle, &QTimer::timeout, this, &FolderWatch::changed);
    connect(&mPoll, &QTimer::timeout, this, &FolderWatch::changed);
}

// A watch thread held in a mount that does not answer is left to end with the process.
FolderWatch::~FolderWatch() {
    mThread->quit();
    if (!mThread->wait(EndMilliseconds))
        return;
    delete mWatcher;
    delete mThread;
}

void FolderWatch::watch(const QByteArray& folder) {
    if (folder == mFolder)
        return;
    mFolder = folder;
    // The answer goes by way of the application, which outlives this watch: a watch thread that
    // was left in a mount may answer after this watch is gone, and then finds it gone.
    QPointer<FolderWatch> self(this);
    QMetaObject::invokeMethod(
        mWatcher, [watcher = mWatcher, folder, self = std::move(self)]() mutable {
            if (const QStringList old = watcher->directories(); !old.isEmpty())
                watcher->removePaths(old);
            const bool set = watcher->addPath(QFile::decodeName(folder));
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self = std::move(self), folder, set] {
                    if (self)
                        self->watchSet(folder, set);
                },
                Qt::QueuedConnection);
        });
}

// A watch set for a folder that is no longer shown changes nothing: the later one's answer
// follows it.
void FolderWatch::watchSet(const QByteArray& folder, bool set) {
    if (folder != mFolder)
        return;
    mWatching = set;
    if (set)
        mPoll.stop();
    else
        mPoll.start();
    // What was made or removed between the folder's listing and the watch's setting is shown too.
    if (set)
        mSettle.start();
}

} // namespace wypelark
