// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QElapsedTimer>
#include <QLabel>

namespace wypelark {

// The status line in the toolbar's free end: what the run does, and notes (why a close was
// refused, what was handed over) that stay a moment before the run's figures take over again.
class StatusLine final : public QLabel {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent);

    void say(const QString& text);
    void note(const QString& text);
    // A note was said a moment ago.
    bool noteShown() const;

private:
    QElapsedTimer mNoteShown;
};

} // namespace wypelark
