// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/CommandHost.h"

#include "control/WipeController.h"
#include "control/WipeTexts.h"
#include "list/SizeText.h"

#include <string>

namespace wypelark {

CommandHost::CommandHost(WipeController& controller, std::ostream& progress, bool showProgress,
                         const volatile std::sig_atomic_t* interrupted)
    : mController(controller), mProgress(progress), mShowProgress(showProgress),
      mInterrupted(interrupted) {
    connect(&controller.session(), &RunSession::yielding, this, &CommandHost::betweenWrites);
}

void CommandHost::betweenWrites() {
    if (mInterrupted && *mInterrupted && !mController.session().stopAsked())
        mController.session().pauseCommand();
    if (!mShowProgress)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (mDrawn && now - mLastDrawn < std::chrono::milliseconds(100))
        return;
    mLastDrawn = now;
    drawProgress();
}

void CommandHost::drawProgress() {
    const ProgressFigures figures = mController.session().progress();
    const DeletionListModel& list = mController.list();
    if (!figures.filling && (figures.fileIndex < 1 || figures.fileIndex > list.count()))
        return;
    const bool known = figures.bytesPerSecond > 0 && figures.secondsLeft;
    const QString line =
        tr("pass %1/%2  %3 of %4  %5/s  %6 left")
            .arg(QString::number(figures.pass), QString::number(figures.passes),
                 readableSize(figures.doneBytes), readableSize(figures.totalBytes),
                 readableSize(static_cast<qint64>(figures.bytesPerSecond)),
                 known ? WipeTexts::clockText(*figures.secondsLeft) : QStringLiteral("?"));
    std::string name = figures.filling ? tr("free space").toStdString()
                                       : printablePath(list.path(figures.fileIndex).toStdString());
    if (name.size() > 40)
        name = "..." + name.substr(name.size() - 37);
    mProgress << "\r\033[K" << name << "  " << line.toStdString() << std::flush;
    mDrawn = true;
}

void CommandHost::finishProgress() {
    if (mDrawn)
        mProgress << "\r\033[K" << std::flush;
    mDrawn = false;
}

} // namespace wypelark
