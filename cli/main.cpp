// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/ShredCommand.h"
#include "control/PassCountSetting.h"
#include "control/Translations.h"
#include "engine/PosixFileOperations.h"
#include "settings/RegistryFile.h"

#include <QCoreApplication>

#include <csignal>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

// Set by Ctrl+C; the run looks at it after every write. A signal handler can touch nothing else.
volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int) {
    interrupted = 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wypelark-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WYPELARK_VERSION));
    wypelark::installTranslations(app);

    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);

    const wypelark::RegistryFile settings;
    const int stored = wypelark::PassCountSetting::read(settings);
    std::unique_ptr<char, decltype(&::free)> cwd(::getcwd(nullptr, 0), &::free);

    wypelark::PosixFileOperations files;
    files.lookAtDevices();
    wypelark::CommandContext context{files,        std::cout,
                                     std::cerr,    ::isatty(STDERR_FILENO) == 1,
                                     &interrupted, cwd ? QByteArray(cwd.get()) : QByteArray("/"),
                                     stored};
    std::vector<QByteArray> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return wypelark::runShredCommand(args, context);
}
