// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/ProofTexts.h"

#include "control/RunSheet.h"
#include "control/WipeTexts.h"
#include "engine/WipeReport.h"
#include "list/SizeText.h"

#include <QLocale>

namespace wypelark {

QString ProofTexts::blockLimit(BlockLimit limit) {
    switch (limit) {
    case BlockLimit::NotMapped:
        return tr("the file system does not tell where the file's data lies");
    case BlockLimit::OwnAddressSpace:
        return tr("the file system (btrfs, ZFS, bcachefs) maps addresses of its own, not the "
                  "device's");
    case BlockLimit::NotOnDevice:
        return tr("no device of this machine holds the file's data (network, FUSE, overlay or "
                  "memory)");
    case BlockLimit::UnmappableExtent:
        return tr("part of the data is kept encrypted, packed, inline or not yet placed");
    case BlockLimit::SharedExtent:
        return tr("its blocks are shared with another file or a snapshot");
    case BlockLimit::NoDeviceNode:
        return tr("no device node of this machine reads the device");
    case BlockLimit::NoRights:
        return tr("this user may not read the device, and Wypelark never asks for more rights");
    case BlockLimit::None:
        break;
    }
    return {};
}

QString ProofTexts::blockEvidence(const BlockEvidence& evidence) {
    switch (evidence.check) {
    case BlockCheck::Held:
        return evidence.moved
                   ? tr("every block of the file on the device holds the fill (%n piece(s), %1); "
                        "it had moved, and its old blocks hold the fill too",
                        "", static_cast<int>(evidence.extents))
                         .arg(readableSize(static_cast<qint64>(evidence.bytes)))
                   : tr("every block of the file on the device holds the fill (%n piece(s), %1)",
                        "", static_cast<int>(evidence.extents))
                         .arg(readableSize(static_cast<qint64>(evidence.bytes)));
    case BlockCheck::OldCopyLeft:
        return tr("the old copy is still on the device, in %n block(s) that are now free space", "",
                  static_cast<int>(evidence.oldCopyBlocks));
    case BlockCheck::Differs:
        return tr("a block of the file on the device holds other than the fill");
    case BlockCheck::NotMade:
        break;
    }
    return tr("the device's blocks could not be checked: %1").arg(blockLimit(evidence.limit));
}

QString ProofTexts::readBack(const SheetRow& row) {
    switch (row.readBack) {
    case SheetRow::ReadBack::FromDevice:
        return tr("from the device");
    case SheetRow::ReadBack::ThroughCache:
        return tr("only through the cache");
    case SheetRow::ReadBack::None:
        break;
    }
    return tr("not read");
}

QString ProofTexts::result(const SheetRow& row) {
    switch (row.outcome) {
    case SheetRow::Outcome::Destroyed:
        return tr("destroyed");
    case SheetRow::Outcome::NotDestroyed:
        return tr("not destroyed");
    case SheetRow::Outcome::Refused:
        break;
    }
    return tr("refused");
}

QString ProofTexts::reason(const SheetRow& row) {
    if (row.outcome == SheetRow::Outcome::NotDestroyed)
        return WipeTexts::failureLine(row.step, row.error);
    if (row.outcome == SheetRow::Outcome::Refused)
        return WipeTexts::reason(row.error);
    return {};
}

QString ProofTexts::remarks(const SheetRow& row) {
    QStringList lines;
    for (const StorageReason reason : row.remarks)
        lines << WipeTexts::storageReason(reason);
    if (row.blocks)
        lines << blockEvidence(*row.blocks);
    return lines.join(QLatin1Char('\n'));
}

QStringList ProofTexts::columns() {
    return {tr("File"),      tr("Size"),   tr("Passes"), tr("Flushed"),
            tr("Read back"), tr("Result"), tr("Reason"), tr("Storage remark")};
}

QStringList ProofTexts::rowCells(const SheetRow& row) {
    const bool destroyed = row.outcome == SheetRow::Outcome::Destroyed;
    QString place = QString::fromStdString(printablePath(row.path));
    if (!row.device.isEmpty())
        place += QLatin1Char('\n') + tr("on %1 (%2)").arg(row.device, row.fileSystem);
    QString readBackText = readBack(row);
    if (row.readBack != SheetRow::ReadBack::None && row.readSeconds > 0 &&
        row.size >= SheetRow::RatedSize)
        readBackText +=
            QLatin1Char('\n') + tr("%1 MB/s").arg(QLocale().toString(
                                    static_cast<double>(row.size) / 1e6 / row.readSeconds, 'f', 1));
    // Every cell says something: a dash where a file was not measured or not reached.
    const QString none(QChar(0x2014));
    return {place,
            row.size >= 0 ? QLocale().toString(row.size) : none,
            QString::number(row.passesFlushed),
            destroyed ? tr("every pass") : none,
            destroyed ? readBackText : none,
            result(row),
            reason(row),
            remarks(row)};
}

QString ProofTexts::oldCopySummary(int files) {
    return tr("The old copy of %n destroyed file(s) is still on the device, in blocks that are "
              "now free space: the file system had moved the data before the overwrite reached "
              "it. Wiping the volume's free space overwrites those blocks.",
              "", files);
}

QString ProofTexts::recordOffered() {
    return tr("Run Record… in the list's menu (Ctrl+Shift+R) shows what became of every file, "
              "and keeps the record as PDF or JSON.");
}

QString ProofTexts::title() {
    return tr("Run record");
}

QString ProofTexts::heading(const QString& started, const QString& ended, const QString& host,
                            const QString& user, int passes) {
    return tr("Run from %1 to %2 on %3 by %4: %n pass(es) of the byte 0x30 (the character 0)", "",
              passes)
        .arg(started, ended, host, user);
}

QStringList ProofTexts::operatorAndNote(const QString& operatorName, const QString& note) {
    QStringList lines;
    if (!operatorName.isEmpty())
        lines << tr("Operator: %1").arg(operatorName);
    if (!note.isEmpty())
        lines << tr("Note: %1").arg(note);
    return lines;
}

} // namespace wypelark
