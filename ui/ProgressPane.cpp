// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/ProgressPane.h"

#include "control/RunProgress.h"
#include "control/WipeController.h"
#include "control/WipeTexts.h"
#include "ui/FloatProgressBar.h"
#include "ui/WidgetMaking.h"

#include <QLabel>

namespace wypelark {
namespace {

// The middle of a text that does not fit goes, so that both ends of a path stay.
QString fitted(const QLabel* label, const QString& text) {
    return label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->width());
}

} // namespace

// The figures sit in the free ends of the captions' rows, so that no control moves.
ProgressPane::ProgressPane(WipeController& controller, QWidget* window)
    : QObject(window), mController(controller) {
    prgOverall = named(new FloatProgressBar(window), "prgOverall");
    prgOverall->setGeometry(3, 504, 559, 10);
    prgCurrent = named(new FloatProgressBar(window), "prgCurrent");
    prgCurrent->setGeometry(3, 468, 559, 13);
    lblOverall = named(centredLabel(tr("Overall Progress"), window), "lblOverall");
    lblOverall->setGeometry(6, 486, 553, 13);
    lblCurrent = named(centredLabel(tr("Current File Progress"), window), "lblCurrent");
    lblCurrent->setGeometry(6, 450, 553, 13);
    lblCurrentFile = named(figureLabel(window, Qt::AlignLeft, {6, 450, 205, 13}), "lblCurrentFile");
    lblCurrentFigure =
        named(figureLabel(window, Qt::AlignRight, {354, 450, 205, 13}), "lblCurrentFigure");
    lblOverallRate = named(figureLabel(window, Qt::AlignLeft, {6, 486, 205, 13}), "lblOverallRate");
    lblOverallFigure =
        named(figureLabel(window, Qt::AlignRight, {354, 486, 205, 13}), "lblOverallFigure");
    for (QWidget* passive : std::initializer_list<QWidget*>{
             prgOverall, prgCurrent, lblOverall, lblCurrent, lblCurrentFile, lblCurrentFigure,
             lblOverallRate, lblOverallFigure})
        passive->setFocusPolicy(Qt::NoFocus);
    prgCurrent->setAccessibleName(lblCurrent->text());
    prgOverall->setAccessibleName(lblOverall->text());
    connect(&mController.session(), &RunSession::figuresChanged, this, &ProgressPane::showFigures);
    connect(&mController.session(), &RunSession::progressChanged, this,
            [this](ProgressBar which, float minimum, float maximum, float value) {
                // The overall bar follows the bytes, in the figures.
                if (which == ProgressBar::Overall)
                    return;
                FloatProgressBar* shown = bar(which);
                shown->setMinimumF(minimum);
                shown->setMaximumF(maximum);
                shown->setValueF(value);
            });
}

void ProgressPane::showPaused() {
    lblOverallRate->setText(tr("Paused"));
}

void ProgressPane::showFigures(const ProgressFigures& figures, bool running) {
    const bool inFile = figures.fileIndex >= 1 && figures.fileIndex <= figures.fileCount;
    const QString file = inFile ? mController.list().shownPath(figures.fileIndex) : QString();
    lblCurrentFile->setText(fitted(lblCurrentFile, file));
    lblCurrentFile->setToolTip(file);
    lblCurrentFigure->setText(WipeTexts::passFigure(figures));
    lblOverallFigure->setText(WipeTexts::overallFigure(figures));
    lblOverallRate->setText(running ? WipeTexts::rateFigure(figures) : QString());
    prgOverall->setMinimumF(0);
    prgOverall->setMaximumF(1000);
    prgOverall->setValueF(static_cast<float>(figures.overallFraction() * 1000));
    prgCurrent->setAccessibleDescription(lblCurrentFigure->text());
    prgOverall->setAccessibleDescription(lblOverallFigure->text());
    emit figuresShown(figures, running);
}

FloatProgressBar* ProgressPane::bar(ProgressBar which) const {
    return which == ProgressBar::Overall ? prgOverall : prgCurrent;
}

} // namespace wypelark
