// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/WipeHost.h"

#include <QObject>

class QWidget;

class QLabel;

namespace wypelark {

class FloatProgressBar;
class WipeController;
struct ProgressFigures;

// The two bars with their captions, and the figures beside the captions: the file and its pass,
// the rate and the bytes. They sit in the window's fixed layout, at the window's foot, and show
// the figures the run session sends while a command is under way.
class ProgressPane final : public QObject {
    Q_OBJECT

public:
    ProgressPane(WipeController& controller, QWidget* window);

    // What the bars stand for while no command writes: a pause, or how the command ended.
    void showPaused();
    void showEnding(const QString& ending);

signals:
    // The figures were shown; running: a run or a fill is under way.
    void figuresShown(const ProgressFigures& figures, bool running);

private:
    void showFigures(const ProgressFigures& figures, bool running);
    FloatProgressBar* bar(ProgressBar which) const;

    WipeController& mController;
    FloatProgressBar* prgOverall = nullptr;
    FloatProgressBar* prgCurrent = nullptr;
    QLabel* lblOverall = nullptr;
    QLabel* lblCurrent = nullptr;
    QLabel* lblCurrentFile = nullptr;
    QLabel* lblCurrentFigure = nullptr;
    QLabel* lblOverallRate = nullptr;
    QLabel* lblOverallFigure = nullptr;
    QString mStill; // beside the bars until the next command writes
};

} // namespace wypelark
