// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FolderWatch.h"

#include "browse/DirectoryAccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileSystemWatcher>
#include <QPointer>
#include <QThread>

#include <fcntl.h>
#include <unistd.h>

namespace wypelark {

namespace {

std::int64_t changeStampOf(const QByteArray& folder) {
    const int opened = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (opened < 0)
        return 0;
    const std::int64_t stamp = settledChangeStamp(opened);
    ::close(opened);
    return stamp;
}

} // namespace

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

void FolderWatch::watch(const QByteArray& folder, std::int64_t listedChange) {
    if (folder == mFolder)
        return;
    mFolder = folder;
    // The answer goes by way of the application, which outlives this watch: a watch thread that
    // was left in a mount may answer after this watch is gone, and then finds it gone.
    QPointer<FolderWatch> self(this);
    QMetaObject::invokeMethod(
        mWatcher, [watcher = mWatcher, folder, listedChange, self = std::move(self)]() mutable {
            if (const QStringList old = watcher->directories(); !old.isEmpty())
                watcher->removePaths(old);
            const bool set = watcher->addPath(QFile::decodeName(folder));
            const bool unchanged = listedChange != 0 && changeStampOf(folder) == listedChange;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self = std::move(self), folder, set, unchanged] {
                    if (self)
                        self->watchSet(folder, set, unchanged);
                },
                Qt::QueuedConnection);
        });
}

// A watch set for a folder that is no longer shown changes nothing: the later one's answer
// follows it.
void FolderWatch::watchSet(const QByteArray& folder, bool set, bool unchanged) {
    if (folder != mFolder)
        return;
    mWatching = set;
    if (set)
        mPoll.stop();
    else
        mPoll.start();
    // What was made or removed between the folder's listing and the watch's setting is shown too;
    // a folder that has not changed since is not read again, a million names for nothing.
    if (set && !unchanged)
        mSettle.start();
}

} // namespace wypelark
