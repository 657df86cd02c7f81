#pragma once

#include "ui/MessageBoxes.h"

#include <QString>

#include <functional>

#include <vector>

namespace wypelark::testing {

// Records every message box and answers Retry as many times as a test allows.
class FakeMessageBoxes final : public MessageBoxes {
public:
    enum class Kind { RetryCancel, Information, Critical };
    struct Shown {
        Kind kind;
        QString title;
        QString text;
    };

    std::vector<Shown> shown;
    int retriesLeft = 0;
    std::function<void()> onRetry; // runs before a Retry is answered

    bool retryCancel(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({Kind::RetryCancel, title, text});
        if (retriesLeft <= 0)
            return false;
        --retriesLeft;
        if (onRetry)
            onRetry();
        return true;
    }
    void information(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({Kind::Information, title, text});
    }
    void critical(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({Kind::Critical, title, text});
    }
};

} // namespace wypelark::testing
