// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "control/RunSheet.h"

#include <QDialog>

#include <functional>

class QLabel;
class QTableWidget;

namespace wypelark {

// The last run's record as a table, one row per file, that can be kept as PDF or as JSON.
class RunRecordDialog final : public QDialog {
    Q_OBJECT

public:
    // Asks where a record goes: the dialog's title, the name suggested and the file filter; an
    // empty answer keeps nothing.
    using AskPath = std::function<QString(QWidget* parent, const QString& title,
                                          const QString& suggested, const QString& filter)>;

    RunRecordDialog(QWidget* parent, RunSheet sheet, AskPath askPath = {});

    const QTableWidget& table() const { return *mTable; }
    const RunSheet& sheet() const { return mSheet; }
    void saveAsPdf();
    void saveAsJson();

private:
    void fillTable();
    QString suggestedName(const QString& extension) const;
    // Names the file kept below the table, or says in a box why it was not kept.
    void tellSaved(const QString& path, const QString& error);

    RunSheet mSheet;
    AskPath mAskPath;
    QTableWidget* mTable = nullptr;
    QLabel* lblSaved = nullptr;
};

} // namespace wypelark
