// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/FloatProgressBar.h"

#include <algorithm>
#include <cmath>

namespace wypelark {

FloatProgressBar::FloatProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, steps());
    setValue(0);
    setTextVisible(false);
    mPendingShow.setSingleShot(true);
    mPendingShow.setInterval(FrameMilliseconds);
    connect(&mPendingShow, &QTimer::timeout, this, [this] { showStep(stepOfValue()); });
}

void FloatProgressBar::setMinimumF(float minimum) {
    mMinimum = minimum;
    showValue();
}

void FloatProgressBar::setMaximumF(float maximum) {
    mMaximum = maximum;
    showValue();
}

void FloatProgressBar::setValueF(float value) {
    mValue = value;
    showValue();
}

void FloatProgressBar::resizeEvent(QResizeEvent* event) {
    QProgressBar::resizeEvent(event);
    showValue();
}

void FloatProgressBar::showValue() {
    const int step = stepOfValue();
    if (step == value() && maximum() == steps()) {
        mPendingShow.stop();
        return;
    }
    if (!mSinceShown.isValid() || mSinceShown.elapsed() >= FrameMilliseconds)
        showStep(step);
    else if (!mPendingShow.isActive())
        mPendingShow.start();
}

void FloatProgressBar::showStep(int step) {
    if (maximum() != steps())
        setRange(0, steps());
    setValue(step);
    mSinceShown.start();
}

int FloatProgressBar::stepOfValue() const {
    const double span = static_cast<double>(mMaximum) - mMinimum;
    const double fraction = span > 0 ? (static_cast<double>(mValue) - mMinimum) / span : 0.0;
    return static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * steps()));
}

} // namespace wypelark
