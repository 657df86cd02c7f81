// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "ui/MessageBoxes.h"

#include <QString>

#include <functional>
#include <optional>

#include <vector>

namespace wypelark::testing {

// Records every message box and answers Retry as many times as a test allows.
class FakeMessageBoxes final : public MessageBoxes {
public:
    enum class Kind { RetryCancel, Information, Critical };
    struct Shown {
        Kind kind;
        QString title;
        QString text; // a report's summary and details, one after the other
        QString summary = {};
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
    void notice(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({Kind::Information, title, text});
    }
    void critical(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({Kind::Critical, title, text});
    }
    // Questions are kept apart from the messages, and answered with confirmAnswer, or by
    // answerFor from the accepting button's text when a test gives it.
    std::vector<QString> questions;
    bool confirmAnswer = true;
    std::function<bool(const QString& acceptText)> answerFor;
    // Told of each question as it is put, before the answer, and of each accepted one.
    std::function<void(const QString& acceptText)> onAsked;
    std::function<void(const QString& acceptText)> onAccepted;
    bool confirm(QWidget*, const QString&, const QString& question,
                 const QString& acceptText) override {
        questions.push_back(question);
        if (onAsked)
            onAsked(acceptText);
        const bool accepted = answerFor ? answerFor(acceptText) : confirmAnswer;
        if (accepted && onAccepted)
            onAccepted(acceptText);
        return accepted;
    }
    // The choice each question offered, and the one made, when a test makes one.
    std::vector<bool> choicesOffered;
    std::optional<bool> choiceMade;
    bool confirmWithChoice(QWidget* parent, const QString& title, const QString& question,
                           const QString& acceptText, const QString&, bool& chosen) override {
        choicesOffered.push_back(chosen);
        const bool accepted = confirm(parent, title, question, acceptText);
        if (accepted && choiceMade)
            chosen = *choiceMade;
        return accepted;
    }
    void report(QWidget*, bool critical, const QString& title, const QString& summary,
                const QString& details) override {
        shown.push_back({critical ? Kind::Critical : Kind::Information, title,
                         summary + QStringLiteral("\n\n") + details, summary});
    }
    // The offers the boxes made, and whether a test takes them.
    std::vector<QString> offers;
    bool takeOffer = false;
    bool reportWithOffer(QWidget* parent, bool critical, const QString& title,
                         const QString& summary, const QString& details,
                         const QString& offerText) override {
        report(parent, critical, title, summary, details);
        offers.push_back(offerText);
        return takeOffer;
    }
};

} // namespace wypelark::testing
