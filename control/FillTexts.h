// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FreeSpaceRun.h"

#include <QCoreApplication>
#include <QString>

namespace wypelark {

// What a fill of a volume's free space is about to do, what it did, and what it holds while
// paused, in the user's language.
class FillTexts {
    Q_DECLARE_TR_FUNCTIONS(FillTexts)

public:
    // The question before a fill: the volume, its free space, the passes, what the fill can
    // and cannot reach there, and that the disk is full while a pass goes on.
    static QString question(const QString& shownFolder, const VolumeSpace& space, int passes);
    // What the fill cannot reach on a volume of this kind; empty where nothing is to be said.
    static QString remark(StorageReason reason);
    // The outcome in a line or two: the passes made or why it failed, and what stayed untouched.
    static QString summary(const FillReport& report);
    // What the trim after the last pass did, or why it was not made; empty where the device
    // takes no discards or none was asked for.
    static QString trimSentence(const FillReport& report);
    // The outcome in a few words, for the status line.
    static QString status(const FillReport& report);
    // Beside the bars, after a fill that failed.
    static QString failedEnding();
    static QString runningStatus(const QString& shownFolder);
    static QString pausedStatus(qint64 heldBytes);
    static QString closeWhilePausedQuestion(qint64 heldBytes);
};

} // namespace wypelark
