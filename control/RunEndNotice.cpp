// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/RunEndNotice.h"

#include "control/FillTexts.h"
#include "control/ProofTexts.h"
#include "control/RunSession.h"
#include "control/WipeTexts.h"

#include <utility>

namespace wypelark {
namespace {

// The outcome in the status line, and in a box when something was not done or not reached.
RunEndNotice fillNotice(const FillReport& report) {
    RunEndNotice notice;
    notice.summary = FillTexts::summary(report);
    notice.status = FillTexts::status(report);
    notice.ending = report.failure      ? FillTexts::failedEnding()
                    : report.complete() ? WipeTexts::doneEnding()
                                        : WipeTexts::stoppedEnding();
    notice.notice = notice.summary;
    for (const StorageReason reason : report.remarks)
        notice.details += FillTexts::remark(reason) + QLatin1Char('\n');
    notice.details = notice.details.trimmed();
    notice.boxShown = !report.complete() || !notice.details.isEmpty() ||
                      notice.summary.contains(QLatin1Char('\n'));
    notice.critical = report.failure.has_value();
    return notice;
}

// A run that destroyed something says so in the status line, and, when the person looks at
// another window, on the desktop.
void tellEnd(RunEndNotice& notice, const RunRecord& record, const RunSession& session) {
    const QString summary =
        record.report.failures.empty() ? QString() : WipeTexts::reportSummary(record.report);
    const RunTotals totals = session.totals();
    if (totals.files == 0 && summary.isEmpty())
        return;
    const auto failed = static_cast<int>(record.report.failures.size());
    notice.ending = failed > 0                               ? WipeTexts::failedEnding(failed)
                    : totals.files < record.report.fileCount ? WipeTexts::stoppedEnding()
                                                             : WipeTexts::doneEnding();
    const QString destroyed = WipeTexts::destroyedTotals(totals);
    const int held = session.heldCount();
    notice.status =
        held > 0 ? destroyed + QStringLiteral("; ") + WipeTexts::heldStatus(held) : destroyed;
    notice.notice = summary.isEmpty() ? destroyed : summary;
    QStringList destroyedNames;
    for (const DestroyedFile& file : session.destroyed()) {
        if (destroyedNames.size() == WipeTexts::NamedInNotice)
            break;
        destroyedNames.push_back(QString::fromStdString(printablePath(file.path.toStdString())));
    }
    QStringList failedNames;
    for (const WipeFailure& failure : record.report.failures) {
        if (failedNames.size() == WipeTexts::NamedInNotice)
            break;
        failedNames.push_back(QString::fromStdString(printablePath(failure.path)));
    }
    notice.noticeBody =
        WipeTexts::endNoticeBody(destroyed, destroyedNames, totals.files, failedNames, failed);
}

// A run that ended with something to say of its files leaves its record to be shown and kept.
std::optional<RunSheet> sheetOf(const RunRecord& record, const RunSession& session) {
    RunSheet sheet({.program = QStringLiteral("wypelark"),
                    .started = record.started,
                    .ended = record.ended,
                    .passes = session.passCount(),
                    .operatorName = {},
                    .note = {}},
                   session, record, {});
    if (sheet.rows().empty())
        return std::nullopt;
    return sheet;
}

} // namespace

RunEndNotice RunEndNotice::of(const RunRecord& record, const RunSession& session, bool paused) {
    if (record.fill)
        return fillNotice(*record.fill);
    RunEndNotice notice;
    if (!paused) {
        tellEnd(notice, record, session);
        notice.sheet = sheetOf(record, session);
    }
    const int oldCopies = notice.sheet ? notice.sheet->oldCopyCount() : 0;
    if (record.empty() && oldCopies == 0)
        return notice;
    QString summary = record.report.empty() ? QString() : WipeTexts::reportMessage(record.report);
    QString details = WipeTexts::reportDetails(record.report);
    if (oldCopies > 0) {
        summary += QStringLiteral("\n\n") + ProofTexts::oldCopySummary(oldCopies);
        for (const SheetRow& row : notice.sheet->rows())
            if (row.blocks && row.blocks->check == BlockCheck::OldCopyLeft)
                details += QStringLiteral("%1: %2\n")
                               .arg(QString::fromStdString(printablePath(row.path)),
                                    ProofTexts::blockEvidence(*row.blocks));
    }
    if (!record.keptFolders.empty()) {
        summary += QStringLiteral("\n\n") +
                   WipeTexts::keptFoldersSummary(static_cast<int>(record.keptFolders.size()));
        details += QLatin1Char('\n') + WipeTexts::keptFoldersDetails(record.keptFolders);
    }
    if (notice.sheet)
        summary += QStringLiteral("\n\n") + ProofTexts::recordOffered();
    notice.boxShown = true;
    notice.critical = !record.report.failures.empty() || oldCopies > 0;
    notice.summary = summary.trimmed();
    notice.details = details.trimmed();
    return notice;
}

} // namespace wypelark
