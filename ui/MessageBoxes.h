#pragma once

#include <QString>

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
    // OK with the critical icon.
    virtual void critical(QWidget* parent, const QString& title, const QString& text) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    bool retryCancel(QWidget* parent, const QString& title, const QString& text) override;
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void critical(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace wypelark
