// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/JournalLines.h"
#include "cli/ShredCommand.h"
#include "control/PassCountSetting.h"
#include "control/Translations.h"
#include "engine/PosixFileOperations.h"
#include "settings/RegistryFile.h"

#include <QCoreApplication>

#include <csignal>
#include <iostream>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

// The signal that asked to stop: Ctrl+C, or SIGTERM and SIGHUP as systemd, timeout and a closed
// terminal send. The run looks at it after every write, then reports and writes its record. A
// signal handler can touch nothing else.
volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int signal) {
    interrupted = signal;
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
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);

    const wypelark::RegistryFile settings;
    const int stored = wypelark::PassCountSetting::read(settings);
    std::unique_ptr<char, decltype(&::free)> cwd(::getcwd(nullptr, 0), &::free);

    wypelark::PosixFileOperations files;
    files.lookAtDevices();
    wypelark::CommandContext context{files,        std::cout,
                                     std::cerr,    ::isatty(STDERR_FILENO) == 1,
                                     &interrupted, cwd ? QByteArray(cwd.get()) : QByteArray("/"),
                                     stored};
    // Under a service manager, each line is logged at its priority: failures as errors.
    std::optional<wypelark::JournalLines> outLines;
    std::optional<wypelark::JournalLines> errLines;
    if (wypelark::goesToJournal(STDOUT_FILENO))
        outLines.emplace(std::cout, wypelark::Priority::Info);
    if (wypelark::goesToJournal(STDERR_FILENO))
        errLines.emplace(std::cerr, wypelark::Priority::Error);
    std::vector<QByteArray> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return wypelark::runShredCommand(args, context);
}
