// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FailureReportingApplication.h"

#include <QMessageBox>

#include <cstdlib>
#include <exception>
#include <system_error>

namespace wypelark {

FailureReportingApplication::FailureReportingApplication(int& argc, char** argv)
    : QApplication(argc, argv) {}

QString FailureReportingApplication::failureText(int number, const QString& description) {
    return tr("Run-time error %1:\n\n%2").arg(number).arg(description);
}

bool FailureReportingApplication::notify(QObject* receiver, QEvent* event) {
    int number = 0;
    QString description;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::system_error& error) {
        number = error.code().value();
        description = QString::fromStdString(error.what());
    } catch (const std::exception& error) {
        description = QString::fromStdString(error.what());
    } catch (...) {
        description = tr("Unknown error");
    }
    QMessageBox::critical(nullptr, QStringLiteral("Wypelark"), failureText(number, description));
    std::_Exit(EXIT_FAILURE);
}

} // namespace wypelark
