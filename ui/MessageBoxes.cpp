#include "ui/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace wypelark {

bool QtMessageBoxes::retryCancel(QWidget* parent, const QString& title, const QString& text) {
    return QMessageBox::critical(parent, title, text, QMessageBox::Retry | QMessageBox::Cancel,
                                 QMessageBox::Retry) == QMessageBox::Retry;
}

void QtMessageBoxes::information(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::information(parent, title, text);
}

void QtMessageBoxes::critical(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox::critical(parent, title, text);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& title, const QString& question,
                             const QString& acceptText) {
    QMessageBox box(QMessageBox::Warning, title, question, QMessageBox::NoButton, parent);
    QPushButton* accept = box.addButton(acceptText, QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == accept;
}

std::unique_ptr<QMessageBox> reportBox(QWidget* parent, bool critical, const QString& title,
                                       const QString& summary, const QString& details) {
    auto box =
        std::make_unique<QMessageBox>(critical ? QMessageBox::Critical : QMessageBox::Information,
                                      title, summary, QMessageBox::Ok, parent);
    box->setDetailedText(details);
    return box;
}

void QtMessageBoxes::report(QWidget* parent, bool critical, const QString& title,
                            const QString& summary, const QString& details) {
    reportBox(parent, critical, title, summary, details)->exec();
}

} // namespace wypelark
