// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/StorageRemark.h"
#include "engine/WipeReport.h"
#include "list/AddSelectedFiles.h"
#include "list/PathScan.h"

#include <QCoreApplication>
#include <QString>

#include <system_error>
#include <vector>

namespace wypelark {

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
    static QString storageReason(StorageReason reason);
    static QString keptFolderReason(const KeptFolder& folder);

    // The files not destroyed, each with what failed and why; then the destroyed files the
    // overwrite may not have reached, grouped by reason; then what earlier runs left behind.
    // Names are shown escaped, so that none can forge a line.
    static QString reportDetails(const WipeReport& report);
    // The first line of the end-of-run message: how many files were not destroyed, of how many.
    static QString reportSummary(const WipeReport& report);
    static QString keptFoldersSummary(int count);
    static QString keptFoldersDetails(const std::vector<KeptFolder>& kept);

    // The message naming each file that could not be added, and why.
    static QString refusedFiles(const std::vector<RefusedFile>& refused);
    static QString onlyLocalDrops();

    // The question before a fresh run, and before closing on a paused one.
    static QString destroyQuestion(int files, qint64 bytes, int passes, int folders);
    static QString closeWhilePausedQuestion(const QString& shownFile);
};

} // namespace wypelark
