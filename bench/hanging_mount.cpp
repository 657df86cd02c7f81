// SPDX-License-Identifier: LicenseRef-proprietary
// What the real window (offscreen) does when a folder does not answer: mounts slowfs, whose
// listing and looks wait DELAY seconds (default 30), starts the window beside it, opens the
// mount's folder, and after READ_MS opens another folder. Prints the longest gap and the 99th
// percentile of the gaps between turns of the window's event loop (a 1 ms timer), whether
// "Reading..." was shown, and how long the other folder took to show its file; ends 0 when the
// window said it was reading and showed the other folder. Needs /dev/fuse and the right to
// mount; otherwise says why and ends 77.
// usage: hanging_mount [DELAY_SECONDS [READ_MS]]
#include "bench/BenchWindow.h"
#include "ui/FileListBox.h"
#include "ui/FolderListBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace wypelark;

constexpr long FuseMagic = 0x65735546;
constexpr int Skipped = 77; // where it cannot run, as CTest's skip

bool mounted(const QByteArray& folder) {
    struct statfs volume {};
    return ::statfs(folder.constData(), &volume) == 0 && volume.f_type == FuseMagic;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString delay = QString::number(argc > 1 ? std::atoi(argv[1]) : 30);
    const int readMs = argc > 2 ? std::atoi(argv[2]) : 2000;
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        std::printf("skipped=no usable /dev/fuse\n");
        return Skipped;
    }
    const QTemporaryDir work(QDir::currentPath() + QStringLiteral("/hanging-mount-XXXXXX"));
    const QByteArray base = QFile::encodeName(work.path());
    const QByteArray mountPoint = base + "/share";
    const QByteArray elsewhere = base + "/elsewhere";
    QDir().mkpath(QFile::decodeName(mountPoint));
    QDir().mkpath(QFile::decodeName(elsewhere));
    ::close(::open((elsewhere + "/answered").constData(), O_CREAT | O_WRONLY, 0600));

    QProcess fuse;
    fuse.start(QCoreApplication::applicationDirPath() + QStringLiteral("/slowfs"),
               {delay, QFile::decodeName(mountPoint)});
    QElapsedTimer waited;
    waited.start();
    while (!mounted(mountPoint) && waited.elapsed() < 5000)
        ::usleep(10000);
    if (!mounted(mountPoint)) {
        fuse.kill();
        fuse.waitForFinished(1000);
        std::printf("skipped=slowfs could not mount (%s)\n",
                    fuse.readAllStandardError().trimmed().constData());
        return Skipped;
    }
    // The daemon is asked to end first: it then unmounts; a lazy unmount catches the rest.
    const auto unmount = [&] {
        fuse.terminate();
        if (!fuse.waitForFinished(2000))
            fuse.kill();
        fuse.waitForFinished(1000);
        // A daemon that ended leaves its mount not connected, no longer a FUSE volume to statfs.
        ::umount2(mountPoint.constData(), MNT_DETACH);
        QDir(work.path()).removeRecursively();
    };

    if (::chdir(base.constData()) != 0)
        return 1;
    BenchWindow bench(work.path() + QStringLiteral("/settings.conf"));
    frmMain& window = bench.open();
    auto* folders = window.findChild<FolderListBox*>(QStringLiteral("dirPath"));
    auto* fileList = window.findChild<FileListBox*>(QStringLiteral("filFiles"));
    auto* reading = window.findChild<QLabel*>(QStringLiteral("lblReading"));

    QElapsedTimer sinceTurn;
    std::vector<qint64> gaps;
    QTimer tick;
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        gaps.push_back(sinceTurn.elapsed());
        sinceTurn.start();
    });

    // The steps are timed, not called one after another: the hanging listing's wait stays
    // beneath everything that follows it until it ends.
    bool readingShown = false;
    QElapsedTimer sinceLeaving;
    qint64 otherShownMs = -1;
    QTimer::singleShot(500, [&] {
        tick.start();
        sinceTurn.start();
        QMetaObject::invokeMethod(
            folders, [&] { folders->setPath(mountPoint); }, Qt::QueuedConnection);
    });
    QTimer::singleShot(500 + readMs, [&] {
        readingShown = reading->isVisible() && !reading->text().isEmpty();
        sinceLeaving.start();
        QMetaObject::invokeMethod(
            folders, [&] { folders->setPath(elsewhere); }, Qt::QueuedConnection);
    });
    QTimer watch;
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (otherShownMs < 0 && sinceLeaving.isValid() && fileList->count() == 1 &&
            fileList->folder() == elsewhere)
            otherShownMs = sinceLeaving.elapsed();
    });
    watch.start();
    QTimer::singleShot(500 + readMs + 1000, [&] {
        std::sort(gaps.begin(), gaps.end());
        std::printf("delay_s=%s\nreading_shown=%d\nother_folder_shown_ms=%lld\nticks=%zu\n"
                    "longest_gap_ms=%lld\np99_gap_ms=%lld\n",
                    qPrintable(delay), readingShown ? 1 : 0, static_cast<long long>(otherShownMs),
                    gaps.size(), static_cast<long long>(gaps.empty() ? -1 : gaps.back()),
                    static_cast<long long>(gaps.empty() ? -1 : gaps[gaps.size() * 99 / 100]));
        std::fflush(stdout);
        unmount();
        // The listing of the mount is still waited for beneath: the program ends here.
        std::_Exit(readingShown && otherShownMs >= 0 ? 0 : 1);
    });
    return QApplication::exec();
}
