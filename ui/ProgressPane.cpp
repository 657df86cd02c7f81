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

constexpr int CaptionGap = 8;

// The middle of a text that does not fit goes, so that both ends of a path stay.
QString fitted(const QLabel* label, const QString& text) {
    return label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->width());
}

// The figures take the free ends of a caption's row, never the caption's own place, however
// long the caption is in the person's language.
void placeBesideCaption(const QLabel* caption, QLabel* left, QLabel* right) {
    const QRect row = caption->geometry();
    const int half = (caption->fontMetrics().horizontalAdvance(caption->text()) + 1) / 2;
    const int captionLeft = row.center().x() - half - CaptionGap;
    const int captionRight = row.center().x() + half + CaptionGap;
    left->setGeometry(row.left(), row.top(), std::max(0, captionLeft - row.left()), row.height());
    right->setGeometry(captionRight, row.top(), std::max(0, row.right() - captionRight),
                       row.height());
}

// A figure too long for its place keeps its start, where the numbers are.
QString cutAtTheEnd(const QLabel* label, const QString& text) {
    return label->fontMetrics().elidedText(text, Qt::ElideRight, label->width());
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
    fitToFont(lblOverall);
    lblCurrent = named(centredLabel(tr("Current File Progress"), window), "lblCurrent");
    lblCurrent->setGeometry(6, 450, 553, 13);
    fitToFont(lblCurrent);
    lblCurrentFile = named(figureLabel(window, Qt::AlignLeft, {}), "lblCurrentFile");
    lblCurrentFigure = named(figureLabel(window, Qt::AlignRight, {}), "lblCurrentFigure");
    placeBesideCaption(lblCurrent, lblCurrentFile, lblCurrentFigure);
    lblOverallRate = named(figureLabel(window, Qt::AlignLeft, {}), "lblOverallRate");
    lblOverallFigure = named(figureLabel(window, Qt::AlignRight, {}), "lblOverallFigure");
    placeBesideCaption(lblOverall, lblOverallRate, lblOverallFigure);
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
    showEnding(tr("Paused"));
}

void ProgressPane::showEnding(const QString& ending) {
    mStill = ending;
    lblOverallRate->setText(fitted(lblOverallRate, ending));
    lblOverallRate->setToolTip(ending);
}

void ProgressPane::showFigures(const ProgressFigures& figures, bool running) {
    const bool inFile = figures.fileIndex >= 1 && figures.fileIndex <= figures.fileCount;
    const QString file = inFile ? mController.list().shownPath(figures.fileIndex) : QString();
    lblCurrentFile->setText(fitted(lblCurrentFile, file));
    lblCurrentFile->setToolTip(file);
    const QString passFigure = WipeTexts::passFigure(figures);
    const QString overallFigure = WipeTexts::overallFigure(figures);
    lblCurrentFigure->setText(cutAtTheEnd(lblCurrentFigure, passFigure));
    lblOverallFigure->setText(cutAtTheEnd(lblOverallFigure, overallFigure));
    if (running) {
        mStill.clear();
        lblOverallRate->setToolTip(QString());
    }
    lblOverallRate->setText(running ? cutAtTheEnd(lblOverallRate, WipeTexts::rateFigure(figures))
                                    : fitted(lblOverallRate, mStill));
    prgOverall->setMinimumF(0);
    prgOverall->setMaximumF(1000);
    prgOverall->setValueF(static_cast<float>(figures.overallFraction() * 1000));
    prgCurrent->setAccessibleDescription(passFigure);
    prgOverall->setAccessibleDescription(overallFigure);
    emit figuresShown(figures, running);
}

FloatProgressBar* ProgressPane::bar(ProgressBar which) const {
    return which == ProgressBar::Overall ? prgOverall : prgCurrent;
}

} // namespace wypelark
