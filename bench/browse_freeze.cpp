// SPDX-License-Identifier: LicenseRef-proprietary
// How long the window's thread goes without handling its events while the file list shows a
// folder of many files: a 1 ms timer measures the gaps while the folder is listed (away from
// the thread) and shown, while all its files are selected, while it is listed again with the
// selection kept, and while the list leaves it for an empty folder. Prints, for each step, the
// whole time, the longest gap and the 99th percentile of the gaps, and the peak memory.
// usage: browse_freeze [FILES [FOLDER]]; a folder given is shown as it is
#include "browse/PosixDirectoryAccess.h"
#include "browse/ShownDirectoryAccess.h"
#include "control/WaitingDirectoryAccess.h"
#include "ui/FileListBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

// The gaps between turns of the event loop while a step runs.
class GapMeter {
public:
    GapMeter() {
        mTick.setInterval(1);
        QObject::connect(&mTick, &QTimer::timeout, [this] { turn(); });
        mTick.start();
    }

    void measure(const char* step, const std::function<void()>& work) {
        mGaps.clear();
        mSinceTurn.start();
        QElapsedTimer whole;
        whole.start();
        work();
        turn();
        const qint64 wholeMs = whole.elapsed();
        std::sort(mGaps.begin(), mGaps.end());
        const qint64 longest = mGaps.back();
        const qint64 p99 = mGaps[mGaps.size() * 99 / 100];
        std::printf("%s_whole_ms=%lld\n%s_longest_gap_ms=%lld\n%s_p99_gap_ms=%lld\n", step,
                    static_cast<long long>(wholeMs), step, static_cast<long long>(longest), step,
                    static_cast<long long>(p99));
    }

private:
    void turn() {
        mGaps.push_back(mSinceTurn.elapsed());
        mSinceTurn.start();
    }

    QTimer mTick;
    QElapsedTimer mSinceTurn;
    std::vector<qint64> mGaps;
};

} // namespace

int main(int argc, char* argv[]) {
    using namespace wypelark;
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    const QTemporaryDir work(QDir::currentPath() + QStringLiteral("/browse-bench-XXXXXX"));
    const QByteArray empty = QFile::encodeName(work.path()) + "/empty";
    QDir().mkpath(QFile::decodeName(empty));
    const QByteArray folder = argc > 2 ? QByteArray(argv[2]) : QFile::encodeName(work.path());
    for (int i = 0; argc <= 2 && i < count; ++i) {
        const QByteArray path = folder + "/file" + QByteArray::number(i);
        ::close(::open(path.constData(), O_CREAT | O_WRONLY, 0600));
    }
    const PosixDirectoryAccess disk;
    const ShownDirectoryAccess shown(disk);
    const WaitingDirectoryAccess browsing(shown, {});
    FileListBox list(browsing);
    list.show();

    GapMeter meter;
    std::error_code error;
    meter.measure("show", [&] { error = list.setFolder(folder); });
    const int listed = list.count();
    meter.measure("select_all", [&] { list.selectAll(); });
    std::size_t selected = 0;
    meter.measure("read_selection", [&] {
        for (const FileListEntry& entry : list.entries())
            selected += entry.selected ? 1 : 0;
    });
    meter.measure("relist_kept", [&] { list.refresh(); });
    meter.measure("leave", [&] { list.setFolder(empty); });
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    std::printf("files=%d\nlisted=%d\nselected=%zu\nerror=%d\npeak_rss_mb=%ld\n", count, listed,
                selected, error.value(), usage.ru_maxrss / 1024);
    return error ? 1 : 0;
}
