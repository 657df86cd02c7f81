// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/StatusLine.h"

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

void StatusLine::say(const QString& text) {
    setText(text);
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
