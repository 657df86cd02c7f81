// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileIdentity.h"
#include "engine/WipeReport.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QStringList>

#include <system_error>
#include <vector>

namespace wypelark {

// A file handed to the helper, with the identity the list took.
struct HandedFile {
    QByteArray path;
    FileIdentity identity;
};

// The files of a run's report that failed for lack of rights: the permission was denied, or the
// operation not permitted where the file is not marked immutable or append-only (which root
// could not overwrite either). What another program swapped in, a read-back that differed and
// the like are not among them.
std::vector<QByteArray> failedForLackOfRights(const WipeReport& report);

// The error a reason of the helper's names: an errno, or one of the engine's own words.
std::error_code helperReason(const QString& reason);

// The caller's side of wypelark-helper's protocol, over a process: pkexec and the helper in the
// window, the helper itself in tests. Everything is asynchronous; the answers come as signals.
class HelperClient final : public QObject {
    Q_OBJECT

public:
    HelperClient(QString program, QStringList arguments, QObject* parent = nullptr);
    ~HelperClient() override;

    // Starts the helper, greets it and hands the files over, then the pass count and the
    // read-back choice, and starts the run.
    void start(const std::vector<HandedFile>& files, int passes, bool readBack);
    void pause();
    // Goes on with a paused run.
    void resume();
    // Ends the session; a paused run ends with it.
    void end();
    bool running() const { return mProcess.state() != QProcess::NotRunning; }

signals:
    // The helper refused the file at this 0-based position of those handed over, for the
    // reason (an errno, or the engine's own word).
    void refused(int position, const QString& reason);
    void progress(int file, int pass, double fraction);
    void destroyed(int position);
    void failed(int position, WipeStep step, const QString& reason);
    void paused();
    // The run ended: how many files it destroyed and how many failed.
    void runEnded(int destroyed, int failed);
    // The helper could not be started, was not authorised, broke the protocol or ended before
    // its run did; what is known of why.
    void brokeOff(const QString& why);

private:
    void readLines();
    void handle(const QList<QByteArray>& fields);
    void send(const QByteArray& frame);

    QString mProgram;
    QStringList mArguments;
    QProcess mProcess;
    int mHanded = 0;
    bool mRunEnded = false;
    bool mSaidEnd = false; // the session was ended: nothing more is sent
};

} // namespace wypelark
