// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/HelperClient.h"

#include "engine/WipeError.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <utility>

namespace wypelark {
namespace {

QByteArray nodeFields(const NodeIdentity& node) {
    return QByteArray::number(static_cast<qulonglong>(node.device)) + ' ' +
           QByteArray::number(static_cast<qulonglong>(node.inode)) + ' ' +
           QByteArray::number(static_cast<int>(node.stamp.kind)) + ':' +
           QByteArray::number(static_cast<qlonglong>(node.stamp.value)) + ':' +
           QByteArray::number(node.stamp.nanoseconds);
}

// Whether the file is marked immutable or append-only, as statx tells without opening it (what
// another program put at the name meanwhile, a device even, is not opened); a file whose marks
// cannot be seen is taken as not marked.
bool markedUnchangeable(const std::string& path) {
    struct statx looked {};
    if (::statx(AT_FDCWD, path.c_str(), AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_BASIC_STATS,
                &looked) != 0)
        return false;
    const std::uint64_t marks = STATX_ATTR_IMMUTABLE | STATX_ATTR_APPEND;
    return (looked.stx_attributes_mask & marks) != 0 && (looked.stx_attributes & marks) != 0;
}

} // namespace

std::vector<QByteArray> failedForLackOfRights(const WipeReport& report) {
    std::vector<QByteArray> paths;
    for (const WipeFailure& failure : report.failures) {
        const bool denied = failure.error == std::errc::permission_denied;
        const bool notPermitted = failure.error == std::errc::operation_not_permitted &&
                                  !markedUnchangeable(failure.path);
        if (denied || notPermitted)
            paths.push_back(QByteArray::fromStdString(failure.path));
    }
    return paths;
}

std::error_code helperReason(const QString& reason) {
    bool number = false;
    const int value = reason.toInt(&number);
    if (number)
        return {value, std::generic_category()};
    return reasonOfWord(reason.toStdString());
}

HelperClient::HelperClient(QString program, QStringList arguments, QObject* parent)
    : QObject(parent), mProgram(std::move(program)), mArguments(std::move(arguments)) {
    connect(&mProcess, &QProcess::readyReadStandardOutput, this, &HelperClient::readLines);
    connect(&mProcess, &QProcess::errorOccurred, this, [this](QProcess::ProcessError) {
        if (!mRunEnded)
            emit brokeOff(mProcess.errorString());
    });
    connect(&mProcess, &QProcess::finished, this, [this](int status, QProcess::ExitStatus) {
        readLines();
        // pkexec says 126 when the person declined, 127 when not authorised.
        if (!mRunEnded)
            emit brokeOff(QString::fromLocal8Bit(mProcess.readAllStandardError()).trimmed() +
                          QStringLiteral(" (%1)").arg(status));
    });
}

// Nothing is said from here on: whoever listened may be going too.
HelperClient::~HelperClient() {
    blockSignals(true);
    mProcess.disconnect(this);
    if (running()) {
        send("end");
        mProcess.closeWriteChannel();
        if (!mProcess.waitForFinished(5000))
            mProcess.kill();
    }
}

void HelperClient::start(const std::vector<HandedFile>& files, int passes, bool readBack) {
    mHanded = static_cast<int>(files.size());
    mRunEnded = false;
    mSaidEnd = false;
    mProcess.start(mProgram, mArguments);
    send("hello 1");
    for (const HandedFile& file : files)
        send("file " + file.path.toHex() + ' ' + nodeFields(file.identity.file) + ' ' +
             nodeFields(file.identity.folder));
    send("passes " + QByteArray::number(passes));
    send(readBack ? "verify 1" : "verify 0");
    send("run");
}

void HelperClient::pause() {
    send("pause");
}

void HelperClient::resume() {
    send("run");
}

void HelperClient::end() {
    send("end");
    mSaidEnd = true;
    mProcess.closeWriteChannel();
}

void HelperClient::send(const QByteArray& frame) {
    if (running() && !mSaidEnd)
        mProcess.write(frame + '\n');
}

void HelperClient::readLines() {
    while (mProcess.canReadLine())
        handle(mProcess.readLine().trimmed().split(' '));
}

// The helper counts the files from 1, as they were handed over.
void HelperClient::handle(const QList<QByteArray>& fields) {
    const QByteArray& verb = fields.front();
    const int position = fields.size() > 1 ? fields[1].toInt() - 1 : -1;
    const bool known = position >= 0 && position < mHanded;
    if (verb == "refused" && fields.size() == 3 && known)
        emit refused(position, QString::fromLatin1(fields[2]));
    else if (verb == "progress" && fields.size() == 4)
        emit progress(fields[1].toInt(), fields[2].toInt(), fields[3].toDouble() / 1000.0);
    else if (verb == "destroyed" && fields.size() == 2 && known)
        emit destroyed(position);
    else if (verb == "failed" && fields.size() == 4 && known)
        emit failed(position, static_cast<WipeStep>(fields[2].toInt()),
                    QString::fromLatin1(fields[3]));
    else if (verb == "paused")
        emit paused();
    else if (verb == "end" && fields.size() == 3) {
        mRunEnded = true;
        emit runEnded(fields[1].toInt(), fields[2].toInt());
    } else if (verb == "refused") {
        emit brokeOff(QString::fromLatin1(fields.join(' ')));
    }
}

} // namespace wypelark
