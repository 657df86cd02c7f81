// SPDX-License-Identifier: LicenseRef-proprietary
#include "ui/AdministratorRunDialog.h"

#include "control/WipeTexts.h"
#include "list/ShownName.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include <unistd.h>
#include <utility>

namespace wypelark {
namespace {

// The helper beside the program: installed under libexec, or in the build tree.
QString helperPath() {
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {dir + QStringLiteral("/../libexec/wypelark/wypelark-helper"),
                                     dir + QStringLiteral("/../helper/wypelark-helper")}) {
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    }
    return dir + QStringLiteral("/../libexec/wypelark/wypelark-helper");
}

} // namespace

AdministratorRunDialog::AdministratorRunDialog(QWidget* parent, std::vector<HandedFile> files,
                                               int passes, bool readBack)
    : QDialog(parent), mFiles(std::move(files)), mPasses(passes),
      mClient(::geteuid() == 0 ? new HelperClient(helperPath(), {}, this)
                               : new HelperClient(QStringLiteral("pkexec"), {helperPath()}, this)),
      mStatus(new QLabel(tr("Waiting for the administrator's password…"), this)),
      mOverall(new QProgressBar(this)), mSaid(new QPlainTextEdit(this)) {
    setWindowTitle(tr("Destroy as Administrator"));
    mOverall->setRange(0, 1000);
    mOverall->setValue(0);
    mSaid->setReadOnly(true);
    mSaid->setLineWrapMode(QPlainTextEdit::NoWrap);
    mSaid->hide();
    auto* buttons = new QDialogButtonBox(this);
    mPause = buttons->addButton(tr("Pause"), QDialogButtonBox::ActionRole);
    mClose = buttons->addButton(QDialogButtonBox::Close);
    mClose->setEnabled(false);
    connect(mPause, &QPushButton::clicked, this, &AdministratorRunDialog::pauseOrContinue);
    connect(mClose, &QPushButton::clicked, this, &AdministratorRunDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mStatus);
    layout->addWidget(mOverall);
    layout->addWidget(mSaid, 1);
    layout->addWidget(buttons);
    resize(520, 160);

    connect(mClient, &HelperClient::progress, this, &AdministratorRunDialog::showProgress);
    connect(mClient, &HelperClient::refused, this, [this](int position, const QString& reason) {
        ++mRefused;
        note(position, reason);
    });
    connect(mClient, &HelperClient::failed, this,
            [this](int position, WipeStep step, const QString& reason) {
                note(position, WipeTexts::step(step) + QStringLiteral(": ") +
                                   WipeTexts::reason(helperReason(reason)));
            });
    connect(mClient, &HelperClient::destroyed, this,
            [this](int position) { mDestroyed.push_back(mFiles.at(position).path); });
    connect(mClient, &HelperClient::paused, this, [this] {
        mPaused = true;
        mPause->setText(tr("Continue"));
        mPause->setEnabled(true);
        mClose->setEnabled(true);
        mStatus->setText(tr("Paused: the file being overwritten is partly overwritten"));
    });
    connect(mClient, &HelperClient::runEnded, this, &AdministratorRunDialog::runEnded);
    connect(mClient, &HelperClient::brokeOff, this, &AdministratorRunDialog::brokeOff);
    mClient->start(mFiles, passes, readBack);
}

void AdministratorRunDialog::showProgress(int file, int pass, double fraction) {
    const int files = static_cast<int>(mFiles.size()) - mRefused;
    mStatus->setText(
        tr("File %1 of %2, pass %3 of %4").arg(file).arg(files).arg(pass).arg(mPasses));
    mOverall->setValue(static_cast<int>(fraction * 1000));
}

// A refused file's reason is a word or an errno of the helper's; a failed one's, a whole line.
void AdministratorRunDialog::note(int position, const QString& reason) {
    const HandedFile& file = mFiles.at(position);
    const std::error_code error = helperReason(reason);
    const QString said = error ? WipeTexts::reason(error) : reason;
    mNotDestroyed.emplace_back(file.path, said);
    mSaid->appendPlainText(QStringLiteral("%1: %2").arg(shownName(file.path), said));
    mSaid->show();
}

void AdministratorRunDialog::pauseOrContinue() {
    if (mPaused) {
        mPaused = false;
        mPause->setText(tr("Pause"));
        mClose->setEnabled(false);
        mClient->resume();
        return;
    }
    mPause->setEnabled(false);
    mClient->pause();
}

void AdministratorRunDialog::runEnded() {
    mWriting = false;
    mPause->hide();
    mClose->setEnabled(true);
    mClose->setDefault(true);
    mClose->setFocus();
    mOverall->setValue(1000);
    mStatus->setText(destroyedStatus(static_cast<int>(mDestroyed.size())));
    mClient->end();
    if (mClosing)
        QDialog::reject();
}

QString AdministratorRunDialog::destroyedStatus(int destroyed) {
    return tr("%Ln files destroyed as the administrator", nullptr, destroyed);
}

void AdministratorRunDialog::brokeOff(const QString& why) {
    mWriting = false;
    mPause->hide();
    mClose->setEnabled(true);
    mClose->setDefault(true);
    mClose->setFocus();
    mStatus->setText(tr("The helper ended before its run did; nothing more was destroyed."));
    if (!why.trimmed().isEmpty()) {
        mSaid->appendPlainText(why);
        mSaid->show();
    }
    if (mClosing)
        QDialog::reject();
}

// The box goes only while nothing is written. A paused run ends with it, once the helper said
// how: the file it stopped in is named partly overwritten.
void AdministratorRunDialog::reject() {
    if (mWriting && !mPaused)
        return;
    if (mPaused && mWriting) {
        mClosing = true;
        mPause->setEnabled(false);
        mClose->setEnabled(false);
        mClient->end();
        return;
    }
    QDialog::reject();
}

} // namespace wypelark
