// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "ui/MessageBoxes.h"

#include <QString>

#include <iostream>

namespace wypelark {

// A measuring program's message boxes: each is printed on stderr, no question stops the
// measurement, and a confirmation is answered yes.
class StderrMessageBoxes final : public MessageBoxes {
public:
    bool retryCancel(QWidget*, const QString& title, const QString& text) override {
        print(title, text);
        return false;
    }
    void information(QWidget*, const QString& title, const QString& text) override {
        print(title, text);
    }
    void notice(QWidget*, const QString& title, const QString& text) override {
        print(title, text);
    }
    void critical(QWidget*, const QString& title, const QString& text) override {
        print(title, text);
    }
    bool confirm(QWidget*, const QString&, const QString&, const QString&) override { return true; }
    void report(QWidget*, bool, const QString& title, const QString& summary,
                const QString& details) override {
        print(title, summary + QLatin1Char('\n') + details);
    }
    bool reportWithOffer(QWidget* parent, bool critical, const QString& title,
                         const QString& summary, const QString& details, const QString&) override {
        report(parent, critical, title, summary, details);
        return false;
    }

private:
    static void print(const QString& title, const QString& text) {
        std::cerr << title.toStdString() << ": " << text.toStdString() << "\n";
    }
};

} // namespace wypelark
