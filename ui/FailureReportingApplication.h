// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QApplication>

namespace wypelark {

// Ends the program with a message naming the error when an exception escapes an event
// handler, instead of letting it tear through the event loop.
class FailureReportingApplication final : public QApplication {
    Q_OBJECT

public:
    FailureReportingApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The message's text: the error's number and description.
    static QString failureText(int number, const QString& description);
};

} // namespace wypelark
