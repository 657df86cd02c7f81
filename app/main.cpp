#include "engine/PosixFileOperations.h"
#include "settings/RegistryFile.h"
#include "ui/FailureReportingApplication.h"
#include "ui/MessageBoxes.h"
#include "ui/PosixDirectoryAccess.h"
#include "ui/UrlOpener.h"
#include "ui/frmMain.h"

int main(int argc, char* argv[]) {
    wypelark::FailureReportingApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Wypelark"));
    QApplication::setApplicationVersion(QStringLiteral(WYPELARK_VERSION));

    wypelark::PosixFileOperations files;
    wypelark::PosixDirectoryAccess directories;
    wypelark::RegistryFile settings;
    wypelark::QtMessageBoxes messages;
    wypelark::DesktopUrlOpener urls;
    wypelark::frmMain window({files, directories, settings, messages, urls});
    // The window has no task-bar button, so closing it is what ends the program.
    QObject::connect(&window, &wypelark::frmMain::unloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
