// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/ReportDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

namespace wypelark {

ReportDialog::ReportDialog(QWidget* parent, bool critical, const QString& title,
                           const QString& message, const QString& details)
    : QDialog(parent) {
    setWindowTitle(title);
    setSizeGripEnabled(true);
    auto* icon = new QLabel(this);
    const QStyle::StandardPixmap picture =
        critical ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxInformation;
    icon->setPixmap(style()->standardIcon(picture, nullptr, this).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    // Names are the users' files: shown as text, never read as markup.
    mMessage = new QLabel(message, this);
    mMessage->setTextFormat(Qt::PlainText);
    mMessage->setWordWrap(true);
    mMessage->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    mMessage->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(mMessage);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    mDetails = new QPlainTextEdit(details, this);
    mDetails->setReadOnly(true);
    mDetails->setLineWrapMode(QPlainTextEdit::NoWrap);
    mDetails->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    mShowDetails = buttons->addButton(tr("Show Details..."), QDialogButtonBox::ActionRole);
    mShowDetails->setVisible(!details.isEmpty());
    connect(mShowDetails, &QPushButton::clicked, this, &ReportDialog::toggleDetails);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0);
    layout->addWidget(scroll, 0, 1);
    layout->addWidget(mDetails, 1, 0, 1, 2);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(0, 1);
    layout->setRowStretch(1, 2);

    // As large as the message needs, within two thirds of the screen.
    const QRect screen =
        (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QSize wanted = mMessage->sizeHint() + QSize(100, 80);
    resize(std::clamp(wanted.width(), 420, screen.width() * 2 / 3),
           std::clamp(wanted.height(), 160, screen.height() * 2 / 3));
}

QString ReportDialog::text() const {
    return mMessage->text();
}

void ReportDialog::toggleDetails() {
    const bool show = mDetails->isHidden();
    mDetails->setVisible(show);
    mShowDetails->setText(show ? tr("Hide Details...") : tr("Show Details..."));
}

} // namespace wypelark
