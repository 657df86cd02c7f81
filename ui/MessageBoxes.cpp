#include "ui/MessageBoxes.h"

#include <QMessageBox>

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

} // namespace wypelark
