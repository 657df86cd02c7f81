// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/JournalLines.h"
#include "cli/ShredCommand.h"
#include "control/PassCountSetting.h"
#include "control/Translations.h"
#include "control/TrashPlacesNow.h"
#include "engine/PosixFileOperations.h"
#include "record/RunRecordDocument.h"
#include "settings/RegistryFile.h"

#include <QGuiApplication>

#include <csignal>
#include <iostream>
#include <memory>
#include <optional>
#include <string_view>
#include <unistd.h>

namespace {

// The signal that asked to stop: Ctrl+C, or SIGTERM and SIGHUP as systemd, timeout and a closed
// terminal send. The run looks at it after every write, then reports and writes its record. A
// signal handler can touch nothing else.
volatile std::sig_atomic_t interrupted = 0;

void onInterrupt(int signal) {
    interrupted = signal;
}

// Whether the command asks for the PDF record: an option before the operands.
bool asksForPdf(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--")
            break;
        if (arg.starts_with("--report-pdf"))
            return true;
    }
    return false;
}

// A PDF is laid out with fonts, which only a GUI application has: one on Qt's offscreen platform,
// which needs no display. Every other command is a Qt Core program.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char* argv[]) {
    if (!asksForPdf(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int main(int argc, char* argv[]) {
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication& app = *application;
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
    wypelark::CommandContext context{files,
                                     std::cout,
                                     std::cerr,
                                     ::isatty(STDERR_FILENO) == 1,
                                     &interrupted,
                                     cwd ? QByteArray(cwd.get()) : QByteArray("/"),
                                     stored,
                                     [](const wypelark::RunSheet& sheet, const QString& path) {
                                         return wypelark::RunRecordDocument(sheet).writePdf(path);
                                     },
                                     wypelark::trashPlacesNow};
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
