// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/StatusLine.h"

#include <QRegularExpression>

namespace wypelark {
namespace {

constexpr int NoteMilliseconds = 4000;

} // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("lblRunStatus"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setWordWrap(true);
    setFocusPolicy(Qt::NoFocus);
}

// A number stays on the line of the word after it ("6.1 s", "3 passes") when the line wraps.
void StatusLine::say(const QString& text) {
    static const QRegularExpression numberAndWord(QStringLiteral("(\\d) (?=\\S)"));
    QString kept = text;
    kept.replace(numberAndWord, QStringLiteral("\\1") + QChar(QChar::Nbsp));
    setText(kept);
    setToolTip(text);
}

void StatusLine::note(const QString& text) {
    say(text);
    mNoteShown.start();
}

bool StatusLine::noteShown() const {
    return mNoteShown.isValid() && mNoteShown.elapsed() < NoteMilliseconds;
}

} // namespace wypelark
