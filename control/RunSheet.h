// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "browse/DriveIdentity.h"
#include "control/RunSession.h"
#include "engine/BlockEvidence.h"
#include "engine/StorageRemark.h"
#include "engine/WipeReport.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace wypelark {

// What became of one path a run was given, as its record keeps it.
struct SheetRow {
    enum class Outcome { Destroyed, NotDestroyed, Refused };
    enum class ReadBack { None, ThroughCache, FromDevice };

    // Below this size a read-back's rate says more of the calls than of the device.
    static constexpr qint64 RatedSize = 1'000'000;

    std::string path;
    qint64 size = -1; // unknown for a path refused before the run
    Outcome outcome = Outcome::Destroyed;
    int passesFlushed = 0; // a file is destroyed only when every pass was flushed
    ReadBack readBack = ReadBack::None;
    double readSeconds = 0;
    std::optional<BlockEvidence> blocks;
    WipeStep step = WipeStep::Open; // of a file not destroyed
    std::error_code error;
    std::vector<StorageReason> remarks;
    QString device;          // the device it lay on, as the mount table names it
    QString fileSystem;      // and the file system's type
    std::string trashedFrom; // where a file taken from a Trash was before it was put there
};

// What a run wrote and read back, taken when it ended.
struct SheetTotals {
    double bytes = 0;
    double seconds = 0;
    double readBytes = 0;
    double readSeconds = 0;
    std::vector<std::string> verifiedOnDevice;
    std::vector<std::string> verifiedThroughCache;
};

// The record of one run: who ran it, on which machine, when, with how many passes of which
// byte, and every path it was given with what became of it. A command line and a window make
// the same record, and keep it as JSON in the same form.
class RunSheet {
public:
    struct Head {
        QString program;
        QDateTime started; // UTC
        QDateTime ended;
        int passes = 1;
        QString operatorName; // who ran it, as given; empty when not given
        QString note;         // what the run was for, as given
    };
    // Raised when a field of the JSON record changes its meaning or goes; new fields keep it.
    static constexpr int SchemaVersion = 1;

    RunSheet(Head head, const RunSession& session, const RunRecord& record,
             const std::vector<RefusedFile>& refused);

    const Head& head() const { return mHead; }
    const std::vector<SheetRow>& rows() const { return mRows; }
    // What a free-space fill did, when the command was one.
    const std::optional<FillReport>& fill() const { return mRecord.fill; }
    QString host() const { return mHost; }
    QString user() const { return mUser; }
    // Whether a destroyed file's old copy was found on the device, and for how many files.
    bool oldCopyFound() const { return oldCopyCount() > 0; }
    int oldCopyCount() const;

    // The head's fields, the files, each with its exact path, and the run's lists by outcome: the
    // one document both front ends keep.
    QJsonObject json() const;
    // Keeps a record in a file, replaced whole or not at all; what went wrong, or nothing.
    static QString save(const QString& path, const QJsonObject& record);

private:
    // A device the run wrote on, with the drive beneath it where sysfs names one.
    struct Device {
        QString name; // as the mount table calls it
        DriveIdentity drive;
    };

    void putHead(QJsonObject& record) const;
    void noteDevice(std::uint64_t number, const QString& name);

    Head mHead;
    QString mHost;
    QString mMachine; // /etc/machine-id, where it can be read
    QString mUser;
    std::vector<SheetRow> mRows;
    std::map<std::uint64_t, Device> mDevices; // by st_dev
    RunRecord mRecord;
    SheetTotals mTotals;
};

// A path's exact bytes in JSON: its text when it is valid UTF-8 (JSON escapes what needs it),
// else its bytes in base64 under the key with "_base64" after it.
void putRecordPath(QJsonObject& object, const QString& key, const std::string& path);
// A system error as its errno; a reason of the program's own as a stable word; both with the
// sentence that describes them.
void putRecordError(QJsonObject& object, const std::error_code& error);

} // namespace wypelark
