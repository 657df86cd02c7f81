// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>

#include <algorithm>

namespace wypelark {

// A progress bar whose minimum, maximum and value are single-precision numbers that read back
// exactly as set. It shows them in steps of one pixel of its width, and the widget is only
// touched when the number of filled pixels changes, and then at most once per frame interval:
// a run of small writes does not repaint on every write, and the last value always shows.
class FloatProgressBar final : public QProgressBar {
    Q_OBJECT

public:
    static constexpr int FrameMilliseconds = 20;

    explicit FloatProgressBar(QWidget* parent = nullptr);

    float minimumF() const { return mMinimum; }
    float maximumF() const { return mMaximum; }
    float valueF() const { return mValue; }
    void setMinimumF(float minimum);
    void setMaximumF(float maximum);
    void setValueF(float value);

    // How many steps the bar shows: one per pixel of its width.
    int steps() const { return std::max(1, width()); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showValue();
    void showStep(int step);
    int stepOfValue() const;

    QElapsedTimer mSinceShown;
    QTimer mPendingShow;
    float mMinimum = 0;
    float mMaximum = 100;
    float mValue = 0;
};

} // namespace wypelark
