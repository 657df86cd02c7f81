// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FolderWatch.h"

#include <QFile>

namespace wypelark {

FolderWatch::FolderWatch(QObject* parent) : QObject(parent) {
    mSettle.setSingleShot(true);
    mSettle.setInterval(SettleMilliseconds);
    mPoll.setInterval(PollMilliseconds);
    connect(&mWatcher, &QFileSystemWatcher::directoryChanged, &mSettle,
            qOverload<>(&QTimer::start));
    connect(&mSettle, &QTimer::timeout, this, &FolderWatch::changed);
    connect(&mPoll, &QTimer::timeout, this, &FolderWatch::changed);
}

void FolderWatch::watch(const QByteArray& folder) {
    const QString path = QFile::decodeName(folder);
    if (mWatcher.directories() == QStringList{path})
        return;
    if (const QStringList old = mWatcher.directories(); !old.isEmpty())
        mWatcher.removePaths(old);
    if (mWatcher.addPath(path))
        mPoll.stop();
    else
        mPoll.start();
}

} // namespace wypelark
