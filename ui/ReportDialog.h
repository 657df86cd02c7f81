// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace wypelark {

// The end-of-run report: an icon, the message naming the first files and why, and the whole
// list behind Show Details. The box can be resized, every text is plain and can be copied, and
// it never grows past the screen.
class ReportDialog final : public QDialog {
    Q_OBJECT

public:
    ReportDialog(QWidget* parent, bool critical, const QString& title, const QString& message,
                 const QString& details);

    QString text() const;

private:
    void toggleDetails();

    QPlainTextEdit* mMessage = nullptr;
    QPlainTextEdit* mDetails = nullptr;
    QPushButton* mShowDetails = nullptr;
};

} // namespace wypelark
