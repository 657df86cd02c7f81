// SPDX-License-Identifier: LicenseRef-proprietary
// How long the window's thread goes without handling its events while the real window (offscreen)
// browses a folder of many files: a 1 ms timer measures the gaps while the window opens in the
// folder and lists it (away from the thread), while all its files are selected and added with
// Return, while it is listed again with the selection kept, while the file list leaves it for
// an empty folder, and while the deletion list is cleared. Prints, for each step, the
// whole time, the longest gap and the 99th percentile of the gaps, and the peak memory so far;
// and how long the first names took to show.
// usage: browse_freeze [FILES [FOLDER]]; a folder given is shown as it is. The window is
// offscreen unless QT_QPA_PLATFORM names another platform.
#include "bench/BenchWindow.h"
#include "ui/FileListBox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

long peakRssMb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

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
        std::printf("%s_peak_rss_mb=%ld\n", step, peakRssMb());
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

// Handles events until the condition holds, for at most a minute.
bool waitFor(const std::function<bool()>& condition) {
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

} // namespace

int main(int argc, char* argv[]) {
    using namespace wypelark;
    // Offscreen unless a platform is named (QT_QPA_PLATFORM=xcb: a real X server's painting).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    // The window opens on the folder it was started in.
    if (::chdir(folder.constData()) != 0)
        return 1;
    // The settings live apart, so that the folder holds the files alone.
    const QTemporaryDir config;
    BenchWindow bench(config.path() + QStringLiteral("/settings.conf"));
    WipeController& controller = bench.controller;

    GapMeter meter;
    FileListBox* list = nullptr;
    bool shown = false;
    qint64 firstNamesMs = 0;
    meter.measure("open", [&] {
        QElapsedTimer sinceOpen;
        sinceOpen.start();
        list = bench.open().findChild<FileListBox*>(QStringLiteral("filFiles"));
        // Looked for at each turn: the listing is waited for beneath this loop.
        QTimer firstNames;
        firstNames.setInterval(1);
        QObject::connect(&firstNames, &QTimer::timeout, [&] {
            if (list->count() > 0 && firstNamesMs == 0)
                firstNamesMs = sinceOpen.elapsed();
        });
        firstNames.start();
        // The names read first are shown before the whole listing, sorted, replaces them.
        shown = waitFor([&] { return list->count() > 0 && !list->showingEarly(); });
    });
    std::printf("open_first_names_ms=%lld\n", static_cast<long long>(firstNamesMs));
    const int listed = list->count();
    meter.measure("select_all", [&] { list->selectAll(); });
    meter.measure("add_all", [&] {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(list, &press);
    });
    const int added = controller.list().count();
    meter.measure("relist_kept", [&] { list->refresh(); });
    meter.measure("leave", [&] { list->setFolder(empty); });
    meter.measure("clear_list", [&] { controller.clearList(); });
    std::printf("files=%d\nlisted=%d\nadded=%d\npeak_rss_mb=%ld\n", count, listed, added,
                peakRssMb());
    return shown && added == listed ? 0 : 1;
}
