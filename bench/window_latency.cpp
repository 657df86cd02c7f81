// SPDX-License-Identifier: LicenseRef-proprietary
// How live the window stays during a run: overwrites a freshly written file (default 1 GiB)
// with 2 passes through the real window (offscreen) while a 5 ms timer records the gaps between
// its ticks. Pause is pressed at a random moment, then Delete continues the run; the Pause's
// latency counts from the moment the press was due, so a window too busy to take it shows. The
// process's CPU time during the run is printed beside the run's wall time. Then plain dd writes
// the same passes over the same file in the same block size. Prints one figure a line.
// usage: window_latency [FILE_MIB [WRITE_BACK_WINDOW_MIB]]
#include "bench/BenchFile.h"
#include "bench/StderrMessageBoxes.h"
#include "browse/PosixDirectoryAccess.h"
#include "control/WipeController.h"
#include "engine/PosixFileOperations.h"
#include "list/FileMeasure.h"
#include "settings/RegistryFile.h"
#include "ui/UrlOpener.h"
#include "ui/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace wypelark;

double cpuSeconds() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double percentile(std::vector<double> values, double fraction) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
}

} // namespace

QAction* toolbarButton(const QWidget& window, int index) {
    return window.findChild<QToolBar*>(QStringLiteral("tlbMain"))->actions().at(index - 1);
}

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long long mib = argc > 1 ? std::atoll(argv[1]) : 1024;
    const long long bytes = mib << 20;
    const int passes = 2;
    const QTemporaryDir work(QDir::currentPath() + QStringLiteral("/window-latency-XXXXXX"));
    const std::string path = (work.path() + QStringLiteral("/victim")).toStdString();

    // A second argument sets the write-back window in MiB (0: none), for comparing.
    const long long windowMib = argc > 2 ? std::atoll(argv[2]) : -1;
    PosixFileOperations files(windowMib < 0 ? PosixFileOperations::AdaptiveWindow
                                            : windowMib << 20);
    PosixDirectoryAccess directories;
    RegistryFile settings(work.path() + QStringLiteral("/settings.conf"));
    StderrMessageBoxes messages;
    DesktopUrlOpener urls;
    WipeController controller({files, &settings});
    frmMain window(controller, {directories, messages, urls});
    window.findChild<QSlider*>(QStringLiteral("sliDelete"))->setValue(passes);
    window.show();

    makeSyncedFile(path, bytes);
    controller.list().append(QByteArray::fromStdString(path), bytes,
                             measureFile(QByteArray::fromStdString(path)).identity);

    QElapsedTimer clock;
    std::vector<double> gaps;
    double lastTick = -1;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
        const double now = clock.nsecsElapsed() / 1e6;
        if (lastTick >= 0)
            gaps.push_back(now - lastTick);
        lastTick = now;
    });

    bool pressed = false;
    QTimer pause;
    pause.setSingleShot(true);
    pause.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pause, &QTimer::timeout, &pause, [&] {
        pressed = true;
        window.tlbMain_ButtonClick(toolbarButton(window, 2));
    });

    const double cpuBefore = cpuSeconds();
    clock.start();
    ticker.start();
    // A moment somewhere in the first pass, as a person would press it.
    const int pauseDelayMs = static_cast<int>(QRandomGenerator::global()->bounded(20, 200));
    const double pressDueAt = clock.nsecsElapsed() / 1e6 + pauseDelayMs;
    pause.start(pauseDelayMs);
    const double firstStart = clock.nsecsElapsed() / 1e6;
    window.tlbMain_ButtonClick(toolbarButton(window, 1));
    const double returned = clock.nsecsElapsed() / 1e6;
    double runMs = returned - firstStart;
    if (controller.session().state() == RunState::Paused) {
        lastTick = -1; // the time between the runs is not the run's
        const double secondStart = clock.nsecsElapsed() / 1e6;
        window.tlbMain_ButtonClick(toolbarButton(window, 1));
        runMs += clock.nsecsElapsed() / 1e6 - secondStart;
    }
    ticker.stop();
    const double cpuDuring = cpuSeconds() - cpuBefore;
    const bool destroyed = ::access(path.c_str(), F_OK) != 0;

    makeSyncedFile(path, bytes);
    QElapsedTimer ddClock;
    ddClock.start();
    for (int pass = 0; pass < passes; ++pass) {
        QProcess::execute(
            QStringLiteral("dd"),
            {QStringLiteral("if=/dev/zero"),
             QStringLiteral("of=%1").arg(QString::fromStdString(path)), QStringLiteral("bs=50000"),
             QStringLiteral("count=%1").arg(bytes), QStringLiteral("iflag=count_bytes"),
             QStringLiteral("conv=notrunc,fdatasync"), QStringLiteral("status=none")});
    }
    ::unlink(path.c_str()); // the run deletes its file too, and on a discard mount that costs
    const double ddMs = ddClock.nsecsElapsed() / 1e6;

    std::printf("max_gap_ms=%.1f\n",
                gaps.empty() ? 0.0 : *std::max_element(gaps.begin(), gaps.end()));
    std::printf("p99_gap_ms=%.1f\n", percentile(gaps, 0.99));
    if (pressed && pressDueAt <= returned)
        std::printf("pause_latency_ms=%.1f\n", returned - pressDueAt);
    else
        std::printf("pause_latency_ms=n/a (the run ended before the Pause)\n");
    std::printf("mb_per_s=%.1f\n", passes * bytes / 1e6 / (runMs / 1000.0));
    std::printf("cpu_s=%.2f\n", cpuDuring);
    std::printf("run_s=%.2f\n", runMs / 1000.0);
    std::printf("dd_mb_per_s=%.1f\n", passes * bytes / 1e6 / (ddMs / 1000.0));
    std::printf("destroyed=%s\n", destroyed ? "yes" : "no");
    return destroyed ? 0 : 1;
}
