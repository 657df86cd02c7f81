// SPDX-License-Identifier: LicenseRef-proprietary
#include "browse/PosixDirectoryAccess.h"
#include "control/Translations.h"
#include "control/WipeController.h"
#include "engine/PosixFileOperations.h"
#include "list/LocalFileUrl.h"
#include "list/RawArguments.h"
#include "list/ShownName.h"
#include "settings/RegistryFile.h"
#include "ui/FailureReportingApplication.h"
#include "ui/MessageBoxes.h"
#include "ui/UrlOpener.h"
#include "ui/WindowService.h"
#include "ui/frmMain.h"

#include <QCommandLineParser>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <optional>
#include <vector>

namespace {

// How long a start that lost the name waits for the window that won it: 5 s in all.
constexpr int HandOverRetries = 50;
constexpr unsigned long HandOverRetryMilliseconds = 100;

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Overwrites files in place, then deletes them. The files and "
                "folders named are put in the deletion list; nothing is "
                "destroyed before Delete."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QStringLiteral("uris"),
        QCoreApplication::translate("main", "The paths are given as file:// addresses, as "
                                            "file managers hand their selection over.")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("trash"),
        QCoreApplication::translate("main", "Put what your trash cans hold in the deletion list "
                                            "and ask, as Delete asks, whether to destroy it.")));
    parser.addPositionalArgument(
        QStringLiteral("paths"),
        QCoreApplication::translate("main", "Files, or folders with every file below them."),
        QStringLiteral("[PATH...]"));
}

// Whether the arguments ask only for the help or the version: answered without a display.
bool asksForHelpOrVersion(const std::vector<QByteArray>& args) {
    for (const QByteArray& arg : args) {
        if (arg == "--")
            return false;
        if (arg == "-h" || arg == "--help" || arg == "--help-all" || arg == "-?" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

// --help and --version answer without a display, whatever else is given: Qt's own options are
// not known here, and need not be.
int answerOptions(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wypelark"));
    QCoreApplication::setApplicationVersion(QStringLiteral(WYPELARK_VERSION));
    wypelark::installTranslations(app);
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    parser.showHelp(0);
}

// The session bus, where one is named: none is started for the asking.
std::optional<QDBusConnection> sessionBus() {
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() ? std::make_optional(bus) : std::nullopt;
}

// The operands as paths: file:// addresses when --uris says so. An address that names nothing on
// this machine is named, and nothing is added.
std::optional<std::vector<QByteArray>> operandPaths(const QCommandLineParser& parser,
                                                    const std::vector<QByteArray>& operands) {
    if (!parser.isSet(QStringLiteral("uris")))
        return operands;
    std::vector<QByteArray> paths;
    for (const QByteArray& operand : operands) {
        std::optional<QByteArray> path = wypelark::localPathOfUri(operand);
        if (!path) {
            std::fprintf(
                stderr, "wypelark: %s\n",
                qPrintable(QCoreApplication::translate("main", "Not a local file address: %1")
                               .arg(wypelark::shownName(operand))));
            return std::nullopt;
        }
        paths.push_back(std::move(*path));
    }
    return paths;
}

} // namespace

int main(int argc, char* argv[]) {
    if (asksForHelpOrVersion(std::vector<QByteArray>(argv + 1, argv + argc)))
        return answerOptions(argc, argv);
    // The application takes its own options (-style, -platform, -reverse, ...) out of the
    // arguments; the program's parser sees the rest.
    wypelark::FailureReportingApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wypelark"));
    QApplication::setApplicationVersion(QStringLiteral(WYPELARK_VERSION));
    wypelark::installTranslations(app);
    QCommandLineParser parser;
    describeOptions(parser);
    const wypelark::ParsedArguments parsed = wypelark::parseRawArguments(
        parser, argv[0], std::vector<QByteArray>(argv + 1, argv + argc));
    if (!parsed.ok) {
        std::fprintf(stderr, "wypelark: %s\n%s\n", qPrintable(parsed.errorText),
                     qPrintable(QCoreApplication::translate("main", "Try 'wypelark --help'.")));
        return 1;
    }
    const std::optional<std::vector<QByteArray>> given = operandPaths(parser, parsed.operands);
    if (!given)
        return 1;
    // Wayland compositors match the window to its entry and icon by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Wypelark"));
    wypelark::PosixDirectoryAccess directories;
    const std::vector<QByteArray>& paths = *given;
    // One window collects: a window already open takes the paths, and this start ends.
    std::optional<QDBusConnection> bus = sessionBus();
    const bool trash = parser.isSet(QStringLiteral("trash"));
    if (bus &&
        (trash ? wypelark::WindowService::askToShredTrash(*bus)
               : wypelark::WindowService::handOver(*bus, paths, directories.currentFolder())))
        return 0;
    // Two starts at the same moment both found no window: the one that owns the name opens it,
    // the other hands over to it once it serves.
    if (bus && !bus->registerService(QLatin1String(wypelark::WindowService::ServiceName))) {
        for (int tries = 0; tries < HandOverRetries; ++tries) {
            QThread::msleep(HandOverRetryMilliseconds);
            if (trash ? wypelark::WindowService::askToShredTrash(*bus)
                      : wypelark::WindowService::handOver(*bus, paths, directories.currentFolder()))
                return 0;
        }
    }
    wypelark::PosixFileOperations files;
    files.lookAtDevices();
    wypelark::RegistryFile settings;
    wypelark::QtMessageBoxes messages;
    wypelark::DesktopUrlOpener urls;
    // The read-back the question offers also reads the blocks under each file from the device,
    // where this user may.
    wypelark::WipeController controller(
        {.disk = files, .settings = &settings, .awayFromThisThread = true, .checkBlocks = true});
    wypelark::frmMain window(controller, {directories, messages, urls});
    // The window has no task-bar button, so closing it is what ends the program.
    QObject::connect(&window, &wypelark::frmMain::unloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    wypelark::WindowService service(window);
    if (bus)
        service.serve(*bus);
    window.startWith(paths, directories.currentFolder());
    if (trash)
        QTimer::singleShot(0, &window, &wypelark::frmMain::shredTrash);
    return app.exec();
}
