// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/MessageBoxes.h"

#include "ui/ReportDialog.h"

#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>

namespace wypelark {

namespace {

// Names in the texts are the users' files: shown as text, never read as markup.
int plainBox(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
             QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

bool QtMessageBoxes::retryCancel(QWidget* parent, const QString& title, const QString& text) {
    return plainBox(parent, QMessageBox::Critical, title, text,
                    QMessageBox::Retry | QMessageBox::Cancel,
                    QMessageBox::Retry) == QMessageBox::Retry;
}

void QtMessageBoxes::information(QWidget* parent, const QString& title, const QString& text) {
    plainBox(parent, QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtMessageBoxes::notice(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->setTextFormat(Qt::PlainText);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->show();
}

void QtMessageBoxes::critical(QWidget* parent, const QString& title, const QString& text) {
    plainBox(parent, QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& title, const QString& question,
                             const QString& acceptText) {
    bool unused = false;
    return confirmWithChoice(parent, title, question, acceptText, QString(), unused);
}

bool QtMessageBoxes::confirmWithChoice(QWidget* parent, const QString& title,
                                       const QString& question, const QString& acceptText,
                                       const QString& choiceText, bool& chosen) {
    QMessageBox box(QMessageBox::Warning, title, question, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton* accept = box.addButton(acceptText, QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    if (!choiceText.isEmpty()) {
        auto* choice = new QCheckBox(choiceText, &box);
        choice->setChecked(chosen);
        box.setCheckBox(choice);
    }
    box.exec();
    const bool accepted = box.clickedButton() == accept;
    if (accepted && box.checkBox())
        chosen = box.checkBox()->isChecked();
    return accepted;
}

std::unique_ptr<ReportDialog> reportBox(QWidget* parent, bool critical, const QString& title,
                                        const QString& summary, const QString& details) {
    return std::make_unique<ReportDialog>(parent, critical, title, summary, details);
}

void QtMessageBoxes::report(QWidget* parent, bool critical, const QString& title,
                            const QString& summary, const QString& details) {
    reportBox(parent, critical, title, summary, details)->exec();
}

bool QtMessageBoxes::reportWithOffer(QWidget* parent, bool critical, const QString& title,
                                     const QString& summary, const QString& details,
                                     const QString& offerText) {
    const std::unique_ptr<ReportDialog> box = reportBox(parent, critical, title, summary, details);
    box->addOffer(offerText);
    return box->exec() == ReportDialog::OfferTaken;
}

} // namespace wypelark
