// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/RunRecordDialog.h"

#include "control/ProofTexts.h"
#include "engine/WipeReport.h"
#include "record/RunRecordDocument.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace wypelark {
namespace {

QString askWithFileDialog(QWidget* parent, const QString& title, const QString& suggested,
                          const QString& filter) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filter);
}

} // namespace

RunRecordDialog::RunRecordDialog(QWidget* parent, RunSheet sheet, AskPath askPath)
    : QDialog(parent), mSheet(std::move(sheet)),
      mAskPath(askPath ? std::move(askPath) : AskPath(askWithFileDialog)) {
    setWindowTitle(ProofTexts::title());
    const RunSheet::Head& head = mSheet.head();
    const auto local = [](const QDateTime& when) {
        return QLocale().toString(when.toLocalTime(), QLocale::ShortFormat);
    };
    auto* heading = new QLabel(ProofTexts::heading(local(head.started), local(head.ended),
                                                   mSheet.host(), mSheet.user(), head.passes),
                               this);
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    mTable = new QTableWidget(this);
    mTable->setObjectName(QStringLiteral("tblRecord"));
    mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    fillTable();
    lblSaved = new QLabel(this);
    lblSaved->setObjectName(QStringLiteral("lblSaved"));
    lblSaved->setTextFormat(Qt::PlainText);
    lblSaved->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* pdf = buttons->addButton(tr("Save as PDF…"), QDialogButtonBox::ActionRole);
    QPushButton* json = buttons->addButton(tr("Save as JSON…"), QDialogButtonBox::ActionRole);
    connect(pdf, &QPushButton::clicked, this, &RunRecordDialog::saveAsPdf);
    connect(json, &QPushButton::clicked, this, &RunRecordDialog::saveAsJson);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(mTable);
    layout->addWidget(lblSaved);
    layout->addWidget(buttons);
    resize(900, 420);
}

void RunRecordDialog::fillTable() {
    const QStringList columns = ProofTexts::columns();
    mTable->setColumnCount(static_cast<int>(columns.size()));
    mTable->setHorizontalHeaderLabels(columns);
    mTable->setRowCount(static_cast<int>(mSheet.rows().size()));
    int rowNumber = 0;
    for (const SheetRow& row : mSheet.rows()) {
        int column = 0;
        for (const QString& text : ProofTexts::rowCells(row)) {
            auto* item = new QTableWidgetItem(text);
            item->setToolTip(text);
            mTable->setItem(rowNumber, column++, item);
        }
        ++rowNumber;
    }
    mTable->resizeColumnsToContents();
    mTable->resizeRowsToContents();
    mTable->horizontalHeader()->setStretchLastSection(true);
}

QString RunRecordDialog::suggestedName(const QString& extension) const {
    const QString stamp = mSheet.head().started.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    return QDir::home().filePath(QStringLiteral("wypelark-record-%1.%2").arg(stamp, extension));
}

void RunRecordDialog::saveAsPdf() {
    const QString path = mAskPath(this, tr("Save the Run Record as PDF"),
                                  suggestedName(QStringLiteral("pdf")), tr("PDF (*.pdf)"));
    if (!path.isEmpty())
        tellSaved(path, RunRecordDocument(mSheet).writePdf(path));
}

void RunRecordDialog::saveAsJson() {
    const QString path = mAskPath(this, tr("Save the Run Record as JSON"),
                                  suggestedName(QStringLiteral("json")), tr("JSON (*.json)"));
    if (!path.isEmpty())
        tellSaved(path, RunSheet::save(path, mSheet.json()));
}

void RunRecordDialog::tellSaved(const QString& path, const QString& error) {
    const QString shown = QString::fromStdString(printablePath(path.toLocal8Bit().toStdString()));
    if (error.isEmpty()) {
        lblSaved->setText(tr("Saved in %1").arg(shown));
        return;
    }
    lblSaved->clear();
    QMessageBox box(QMessageBox::Critical, ProofTexts::title(),
                    tr("The record could not be kept in %1: %2").arg(shown, error), QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace wypelark
