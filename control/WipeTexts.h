// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "control/RunProgress.h"
#include "engine/StorageRemark.h"
#include "engine/WipeReport.h"
#include "list/AddSelectedFiles.h"
#include "list/PathScan.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <system_error>
#include <vector>

namespace wypelark {

// What a fresh run is about to destroy, as the question before it names it.
struct DestroyPlan {
    int fileCount = 0;
    QStringList firstFiles; // shown names, in the list's order, as many as a message names
    qint64 bytes = 0;
    int passes = 1;
    int folderCount = 0; // the folders added as folders, removed where the run empties them
    QStringList firstFolders;
    // What the volumes of the files keep that an overwrite cannot reach, once per kind.
    std::vector<StorageReason> storage;
};

// Every sentence the run, the list and the folders give a person to read, in the user's
// language. The engine and the list hand over codes and data; they are put into words here.
class WipeTexts {
    Q_DECLARE_TR_FUNCTIONS(WipeTexts)

public:
    // What an error means: the system's description, or one of the program's own reasons.
    static QString reason(const std::error_code& error);
    // "error N, description", as every list of failures names an error.
    static QString errorLine(const std::error_code& error);
    static QString step(WipeStep step);
    // "could not be opened: error N, description".
    static QString failureLine(WipeStep step, const std::error_code& error);
    // What a person can do about a failure whose cause is known; empty otherwise.
    static QString failureHint(const std::error_code& error);
    static QString storageReason(StorageReason reason);
    // The same, said before a run of the files that lie there; empty for what only the run finds.
    static QString storageRemarkBefore(StorageReason reason);
    static QString keptFolderReason(const KeptFolder& folder);

    // The files not destroyed, each with what failed and why; then the destroyed files the
    // overwrite may not have reached, grouped by reason; then what earlier runs left behind.
    // Names are shown escaped, so that none can forge a line.
    static QString reportDetails(const WipeReport& report);
    // The first line of the end-of-run message: how many files were not destroyed, of how many.
    static QString reportSummary(const WipeReport& report);
    // The summary, then the first files not destroyed with what failed, why, and what can be
    // done about it; those beyond the first ten are counted.
    static QString reportMessage(const WipeReport& report);
    // How many files are named in a message before the rest are counted.
    static constexpr int NamedInMessage = 10;
    static QString keptFoldersSummary(int count);
    static QString keptFoldersDetails(const std::vector<KeptFolder>& kept);

    // The message naming each file that could not be added, and why.
    static QString refusedFiles(const std::vector<RefusedFile>& refused);
    static QString onlyLocalDrops();

    // The question before a fresh run, and before closing on a paused one.
    static QString destroyQuestion(const DestroyPlan& plan);
    static QString closeWhilePausedQuestion(const QString& shownFile);

    static QString passCount(int passes);
    // The same count standing alone (languages with cases use the nominative here).
    static QString passCountCaption(int passes);
    // The figures beside the bars: the current file's pass, and the run's bytes.
    static QString passFigure(const ProgressFigures& figures);
    static QString overallFigure(const ProgressFigures& figures);
    // The speed and the time left, while the run goes.
    static QString rateFigure(const ProgressFigures& figures);
    static QString runningStatus(const ProgressFigures& figures);
    static QString pausedStatus();
    static QString closeRefusedStatus();
    // Files another start of the program handed over to this window.
    static QString handedOverStatus(int added);
    static QString alreadyListedStatus();
    // Files added while a question or a run held them out: they wait for a later Delete.
    static QString heldStatus(int held);
    // The body of the desktop notice at a run's end: the first files destroyed, or those not
    // destroyed with the count of those that were, each name on its own line.
    static QString endNoticeBody(const QString& destroyedTotals, const QStringList& destroyed,
                                 int destroyedCount, const QStringList& failed, int failedCount);
    static constexpr int NamedInNotice = 3;
    // How a command ended, in a word or two beside the bars.
    static QString doneEnding();
    static QString stoppedEnding();
    static QString failedEnding(int failed);
    // "4 files destroyed (1.2 GB, 3 passes) in 12 s".
    static QString destroyedTotals(const RunTotals& totals);
    // A duration as minutes and seconds ("0:42", "1:02:05").
    static QString clockText(qint64 seconds);
};

} // namespace wypelark
