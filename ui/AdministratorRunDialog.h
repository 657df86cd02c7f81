// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "control/HelperClient.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace wypelark {

// The run of the helper over files the person could not destroy for lack of rights: pkexec asks
// for the administrator's password, then the helper destroys exactly the files handed over, with
// the run's passes and read-back, and says what became of each. Pause stops it after its next
// write; a paused run can go on, or end with the box. The box cannot be closed while it writes.
class AdministratorRunDialog final : public QDialog {
    Q_OBJECT

public:
    AdministratorRunDialog(QWidget* parent, std::vector<HandedFile> files, int passes,
                           bool readBack);

    // The files the helper destroyed, and why each of the others was not.
    const std::vector<QByteArray>& destroyed() const { return mDestroyed; }
    const std::vector<std::pair<QByteArray, QString>>& notDestroyed() const {
        return mNotDestroyed;
    }

    void reject() override;
    // What the window says once the helper destroyed this many files.
    static QString destroyedStatus(int destroyed);

private:
    void showProgress(int file, int pass, double fraction);
    void note(int position, const QString& reason);
    void pauseOrContinue();
    void runEnded();
    void brokeOff(const QString& why);

    std::vector<HandedFile> mFiles;
    int mPasses;
    HelperClient* mClient;
    QLabel* mStatus;
    QProgressBar* mOverall;
    QPlainTextEdit* mSaid;
    QPushButton* mPause;
    QPushButton* mClose;
    std::vector<QByteArray> mDestroyed;
    std::vector<std::pair<QByteArray, QString>> mNotDestroyed;
    int mRefused = 0;
    bool mWriting = true;
    bool mPaused = false;
    bool mClosing = false; // closed while paused: goes once the helper ended the run
};

} // namespace wypelark
