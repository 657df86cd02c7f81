#include "ui/FloatProgressBar.h"

#include <algorithm>
#include <cmath>

namespace wypelark {

FloatProgressBar::FloatProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, Steps);
    setValue(0);
    setTextVisible(false);
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

void FloatProgressBar::showValue() {
    const double span = static_cast<double>(mMaximum) - mMinimum;
    const double fraction = span > 0 ? (static_cast<double>(mValue) - mMinimum) / span : 0.0;
    const int step = static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * Steps));
    if (step != value())
        setValue(step);
}

} // namespace wypelark
