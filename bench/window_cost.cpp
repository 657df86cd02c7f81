// SPDX-License-Identifier: LicenseRef-proprietary
// The window's share of a run's time: the same overwrite of the same file, once through the
// headless engine and once through the real window (offscreen), alternating over several
// rounds. Prints the median seconds of each and the window's extra cost in percent.
#include "bench/BenchFile.h"
#include "bench/SilentHost.h"
#include "browse/PosixDirectoryAccess.h"
#include "control/WipeController.h"
#include "engine/PosixFileOperations.h"
#include "engine/WipeRun.h"
#include "list/FileMeasure.h"
#include "settings/RegistryFile.h"
#include "ui/MessageBoxes.h"
#include "ui/UrlOpener.h"
#include "ui/frmMain.h"

#include <QApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace wypelark;
using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const long long mib = argc > 1 ? std::atoll(argv[1]) : 256;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 5;
    const QTemporaryDir work(QDir::currentPath() + QStringLiteral("/window-cost-XXXXXX"));
    const std::string path = (work.path() + QStringLiteral("/victim")).toStdString();
    qputenv("XDG_CONFIG_HOME", work.path().toLocal8Bit());

    PosixFileOperations files;
    PosixDirectoryAccess directories;
    RegistryFile settings(work.path() + QStringLiteral("/settings.conf"));
    QtMessageBoxes messages;
    DesktopUrlOpener urls;
    WipeController controller({files, &settings});
    frmMain window(controller, {directories, messages, urls});
    window.show();

    std::vector<double> headless;
    std::vector<double> windowed;
    const auto throughEngine = [&] {
        makeSyncedFile(path, mib << 20);
        SilentHost host({path}, 1);
        WipeRun run(host, files);
        const auto start = Clock::now();
        run.WipeFiles();
        headless.push_back(seconds(start));
    };
    const auto throughWindow = [&] {
        makeSyncedFile(path, mib << 20);
        controller.list().append(QByteArray::fromStdString(path), mib << 20,
                                 measureFile(QByteArray::fromStdString(path)).identity);
        const auto start = Clock::now();
        controller.session().confirmListed();
        controller.session().deleteCommand();
        windowed.push_back(seconds(start));
    };
    // Alternate which goes first, so that neither always inherits the other's write-back.
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) {
            throughEngine();
            throughWindow();
        } else {
            throughWindow();
            throughEngine();
        }
    }
    const double engine = median(headless);
    const double shown = median(windowed);
    std::printf(
        "file_mib=%lld\nrounds=%d\nheadless_s=%.3f\nwindow_s=%.3f\nwindow_cost_percent=%.1f\n", mib,
        rounds, engine, shown, (shown - engine) / engine * 100.0);
    return 0;
}
