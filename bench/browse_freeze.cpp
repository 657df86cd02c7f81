// SPDX-License-Identifier: LicenseRef-proprietary
// The longest time the window's thread goes without handling its events while the file list
// shows a folder of many files: a 1 ms timer measures the gaps while the folder is listed (away
// from the thread) and the list is filled (on it). Prints the gap and the whole time.
// usage: browse_freeze [FILES [FOLDER]]; a folder given is shown as it is
#include "browse/PosixDirectoryAccess.h"
#include "control/WaitingDirectoryAccess.h"
#include "ui/FileListBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    using namespace wypelark;
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const QTemporaryDir work(QDir::currentPath() + QStringLiteral("/browse-bench-XXXXXX"));
    const QByteArray folder = argc > 2 ? QByteArray(argv[2]) : QFile::encodeName(work.path());
    for (int i = 0; argc <= 2 && i < count; ++i) {
        const QByteArray path = folder + "/file" + QByteArray::number(i);
        ::close(::open(path.constData(), O_CREAT | O_WRONLY, 0600));
    }
    const PosixDirectoryAccess disk;
    const WaitingDirectoryAccess browsing(disk, {});
    FileListBox list(browsing);
    list.show();

    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, sinceTick.elapsed());
        sinceTick.start();
    });
    tick.start();
    sinceTick.start();
    QElapsedTimer whole;
    whole.start();
    const std::error_code error = list.setFolder(folder);
    const qint64 wholeMs = whole.elapsed();
    longestGap = std::max(longestGap, sinceTick.elapsed());
    std::printf("files=%d\nlisted=%d\nerror=%d\nwhole_ms=%lld\nlongest_gap_ms=%lld\n", count,
                list.count(), error.value(), static_cast<long long>(wholeMs),
                static_cast<long long>(longestGap));
    return 0;
}
