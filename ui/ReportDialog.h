// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QDialog>

class QDialogButtonBox;
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

    // What exec() returns when the offer's button was chosen.
    static constexpr int OfferTaken = 2;

    QString text() const;
    // One more button, which closes the box with OfferTaken.
    void addOffer(const QString& text);

private:
    void toggleDetails();

    QPlainTextEdit* mMessage = nullptr;
    QPlainTextEdit* mDetails = nullptr;
    QPushButton* mShowDetails = nullptr;
    QDialogButtonBox* mButtons = nullptr;
};

} // namespace wypelark
