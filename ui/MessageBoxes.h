// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace wypelark {

// The window's modal message boxes, behind an interface so that tests answer them.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Retry (the default) and Cancel with the critical icon; true when Retry was chosen.
    virtual bool retryCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    // OK with the information icon.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // OK with the information icon, in a box that does not wait: what goes on goes on.
    virtual void notice(QWidget* parent, const QString& title, const QString& text) = 0;
    // OK with the critical icon.
    virtual void critical(QWidget* parent, const QString& title, const QString& text) = 0;
    // The warning icon, a button that does what the question asks, and Cancel, the default; true
    // when the first was chosen.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& question,
                         const QString& acceptText) = 0;
    // The same, with a check box of choiceText under the question, set as chosen says, and
    // read into it when the first button was chosen. Without a box of its own, the question
    // is asked alone and the choice stays.
    virtual bool confirmWithChoice(QWidget* parent, const QString& title, const QString& question,
                                   const QString& acceptText, const QString& /*choiceText*/,
                                   bool& /*chosen*/) {
        return confirm(parent, title, question, acceptText);
    }
    // OK with the critical or the information icon: the message, and the details (a list of any
    // length) behind Show Details, in a box that can be resized and stays within the screen.
    virtual void report(QWidget* parent, bool critical, const QString& title,
                        const QString& summary, const QString& details) = 0;
    // The same box with one more button, offerText; true when it was chosen.
    virtual bool reportWithOffer(QWidget* parent, bool critical, const QString& title,
                                 const QString& summary, const QString& details,
                                 const QString& offerText) = 0;
};

class ReportDialog;

// The box that report() shows, not yet shown.
std::unique_ptr<ReportDialog> reportBox(QWidget* parent, bool critical, const QString& title,
                                        const QString& summary, const QString& details);

class QtMessageBoxes final : public MessageBoxes {
public:
    bool retryCancel(QWidget* parent, const QString& title, const QString& text) override;
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void notice(QWidget* parent, const QString& title, const QString& text) override;
    void critical(QWidget* parent, const QString& title, const QString& text) override;
    bool confirm(QWidget* parent, const QString& title, const QString& question,
                 const QString& acceptText) override;
    bool confirmWithChoice(QWidget* parent, const QString& title, const QString& question,
                           const QString& acceptText, const QString& choiceText,
                           bool& chosen) override;
    void report(QWidget* parent, bool critical, const QString& title, const QString& summary,
                const QString& details) override;
    bool reportWithOffer(QWidget* parent, bool critical, const QString& title,
                         const QString& summary, const QString& details,
                         const QString& offerText) override;
};

} // namespace wypelark
