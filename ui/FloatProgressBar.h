#pragma once

#include <QProgressBar>

namespace wypelark {

// A progress bar whose minimum, maximum and value are single-precision numbers that read back
// exactly as set. The widget is only touched when what it shows changes.
class FloatProgressBar final : public QProgressBar {
    Q_OBJECT

public:
    static constexpr int Steps = 1000;

    explicit FloatProgressBar(QWidget* parent = nullptr);

    float minimumF() const { return mMinimum; }
    float maximumF() const { return mMaximum; }
    float valueF() const { return mValue; }
    void setMinimumF(float minimum);
    void setMaximumF(float maximum);
    void setValueF(float value);

private:
    void showValue();

    float mMinimum = 0;
    float mMaximum = 100;
    float mValue = 0;
};

} // namespace wypelark
