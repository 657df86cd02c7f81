// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/BlockEvidence.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace wypelark {

struct SheetRow;

// The sentences of a run's record: how each file was read back, what the device's blocks
// showed, and what became of it.
class ProofTexts {
    Q_DECLARE_TR_FUNCTIONS(ProofTexts)

public:
    static QString blockEvidence(const BlockEvidence& evidence);
    static QString blockLimit(BlockLimit limit);
    static QString readBack(const SheetRow& row);
    static QString result(const SheetRow& row);
    // The reason a file was not destroyed, or what its storage could keep; empty for neither.
    static QString reason(const SheetRow& row);
    static QString remarks(const SheetRow& row);
    // The column heads of the record's table, and one row's cells, in that order.
    static QStringList columns();
    static QStringList rowCells(const SheetRow& row);
    static QString title();
    // In the box at a run's end: that old copies are left, and where the record is.
    static QString oldCopySummary(int files);
    static QString recordOffered();
    // "Run from START to END on HOST by USER: N passes of the byte 0x30", above the table.
    static QString heading(const QString& started, const QString& ended, const QString& host,
                           const QString& user, int passes);
    // "Operator: NAME" and "Note: TEXT" under the heading, each only when it was given.
    static QStringList operatorAndNote(const QString& operatorName, const QString& note);
};

} // namespace wypelark
