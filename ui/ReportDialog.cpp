// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/ReportDialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
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
    // Names are the users' files: shown as plain text, never read as markup, and scrolled
    // when there is more than the box holds.
    mMessage = new QPlainTextEdit(message, this);
    mMessage->setReadOnly(true);
    mMessage->setFrameShape(QFrame::NoFrame);
    mMessage->viewport()->setAutoFillBackground(false);
    mMessage->setBackgroundVisible(false);
    mDetails = new QPlainTextEdit(details, this);
    mDetails->setReadOnly(true);
    mDetails->setLineWrapMode(QPlainTextEdit::NoWrap);
    mDetails->hide();
    auto* buttons = mButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    mShowDetails = buttons->addButton(tr("Show Details..."), QDialogButtonBox::ActionRole);
    mShowDetails->setVisible(!details.isEmpty());
    connect(mShowDetails, &QPushButton::clicked, this, &ReportDialog::toggleDetails);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(mMessage, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(mDetails, 2);
    layout->addWidget(buttons);

    // As large as the message needs, within two thirds of the screen.
    const QRect screen =
        (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const QSize wanted = mMessage->sizeHint() + QSize(100, 80);
    resize(std::clamp(wanted.width(), 420, screen.width() * 2 / 3),
           std::clamp(wanted.height(), 160, screen.height() * 2 / 3));
}

void ReportDialog::addOffer(const QString& text) {
    QPushButton* offer = mButtons->addButton(text, QDialogButtonBox::ActionRole);
    connect(offer, &QPushButton::clicked, this, [this] { done(OfferTaken); });
}

QString ReportDialog::text() const {
    return mMessage->toPlainText();
}

void ReportDialog::toggleDetails() {
    const bool show = mDetails->isHidden();
    mDetails->setVisible(show);
    if (show)
        resize(width(), std::max(height(), 480));
    mShowDetails->setText(show ? tr("Hide Details...") : tr("Show Details..."));
}

} // namespace wypelark
