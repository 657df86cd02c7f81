// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/RunSheet.h"

#include "browse/MountInfo.h"
#include "control/FillTexts.h"
#include "control/ProofTexts.h"
#include "control/WholeFileSave.h"
#include "control/WipeTexts.h"
#include "engine/WipeError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSysInfo>

#include <algorithm>
#include <map>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace wypelark {
namespace {

struct Mounted {
    QString source;
    QString type;
};

// The devices of the mount table, by number: what each is called and what file system it holds.
// The table is the kernel's, in memory: reading it waits on no device.
std::map<std::uint64_t, Mounted> mountedDevices() {
    std::map<std::uint64_t, Mounted> devices;
    for (const MountInfoEntry& entry : parseMountInfoEntries(readMountInfo()))
        devices.try_emplace(entry.device, Mounted{QString::fromLocal8Bit(entry.source),
                                                  QString::fromLatin1(entry.type)});
    return devices;
}

QString userName() {
    if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(::geteuid());
}

// The machine's own identity, which outlives a change of host name; empty where unreadable.
QString machineId() {
    QFile file(QStringLiteral("/etc/machine-id"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readLine(64).trimmed());
}

QLatin1String outcomeWord(SheetRow::Outcome outcome) {
    switch (outcome) {
    case SheetRow::Outcome::Destroyed:
        return QLatin1String("destroyed");
    case SheetRow::Outcome::NotDestroyed:
        return QLatin1String("not_destroyed");
    case SheetRow::Outcome::Refused:
        break;
    }
    return QLatin1String("refused");
}

QLatin1String readBackWord(SheetRow::ReadBack readBack) {
    switch (readBack) {
    case SheetRow::ReadBack::FromDevice:
        return QLatin1String("device");
    case SheetRow::ReadBack::ThroughCache:
        return QLatin1String("cache");
    case SheetRow::ReadBack::None:
        break;
    }
    return QLatin1String("none");
}

QLatin1String checkWord(BlockCheck check) {
    switch (check) {
    case BlockCheck::Held:
        return QLatin1String("held_fill");
    case BlockCheck::OldCopyLeft:
        return QLatin1String("old_copy_left");
    case BlockCheck::Differs:
        return QLatin1String("differs");
    case BlockCheck::NotMade:
        break;
    }
    return QLatin1String("not_made");
}

QJsonObject blocksJson(const BlockEvidence& evidence) {
    QJsonObject blocks{{QStringLiteral("check"), checkWord(evidence.check)},
                       {QStringLiteral("text"), ProofTexts::blockEvidence(evidence)}};
    if (evidence.check == BlockCheck::NotMade) {
        blocks.insert(QStringLiteral("limit"), QLatin1String(limitWord(evidence.limit)));
        return blocks;
    }
    blocks.insert(QStringLiteral("extents"), static_cast<double>(evidence.extents));
    blocks.insert(QStringLiteral("bytes"), static_cast<double>(evidence.bytes));
    blocks.insert(QStringLiteral("moved"), evidence.moved);
    blocks.insert(QStringLiteral("old_copy_blocks"), static_cast<double>(evidence.oldCopyBlocks));
    QJsonArray ranges;
    for (const auto& [offset, length] : evidence.ranges)
        ranges.append(QJsonArray{static_cast<double>(offset), static_cast<double>(length)});
    blocks.insert(QStringLiteral("device_ranges"), ranges);
    return blocks;
}

QJsonObject rowJson(const SheetRow& row) {
    QJsonObject object;
    putRecordPath(object, QStringLiteral("path"), row.path);
    if (!row.trashedFrom.empty())
        putRecordPath(object, QStringLiteral("trashed_from"), row.trashedFrom);
    object.insert(QStringLiteral("outcome"), outcomeWord(row.outcome));
    if (row.size >= 0)
        object.insert(QStringLiteral("size"), static_cast<double>(row.size));
    if (!row.device.isEmpty()) {
        object.insert(QStringLiteral("device"), row.device);
        object.insert(QStringLiteral("file_system"), row.fileSystem);
    }
    if (row.outcome != SheetRow::Outcome::Refused)
        object.insert(QStringLiteral("passes_flushed"), row.passesFlushed);
    if (row.outcome == SheetRow::Outcome::Destroyed) {
        object.insert(QStringLiteral("read_back"), readBackWord(row.readBack));
        if (row.readBack != SheetRow::ReadBack::None && row.readSeconds > 0 &&
            row.size >= SheetRow::RatedSize)
            object.insert(QStringLiteral("read_back_mb_per_s"),
                          static_cast<double>(row.size) / 1e6 / row.readSeconds);
        QJsonArray remarks;
        for (const StorageReason reason : row.remarks)
            remarks.append(WipeTexts::storageReason(reason));
        if (!remarks.isEmpty())
            object.insert(QStringLiteral("remarks"), remarks);
    } else {
        putRecordError(object, row.error);
        if (row.outcome == SheetRow::Outcome::NotDestroyed)
            object.insert(QStringLiteral("step"), QLatin1String(stepWord(row.step)));
    }
    if (row.blocks)
        object.insert(QStringLiteral("blocks"), blocksJson(*row.blocks));
    return object;
}

// In a list of paths, a path that is not valid UTF-8 is an object {"path_base64": ...}.
QJsonValue pathValue(const std::string& path) {
    QJsonObject object;
    putRecordPath(object, QStringLiteral("path"), path);
    if (object.contains(QStringLiteral("path")))
        return object.value(QStringLiteral("path"));
    return object;
}

QJsonObject pathAndError(const std::string& path, const std::error_code& error) {
    QJsonObject object;
    putRecordPath(object, QStringLiteral("path"), path);
    putRecordError(object, error);
    return object;
}

// The fill of a volume's free space: what it filled on each pass, and what it could not reach.
QJsonObject fillLists(const FillReport& report, const SheetTotals& totals) {
    QJsonObject fill;
    putRecordPath(fill, QStringLiteral("path"), report.folder);
    QJsonArray perPass, remarks;
    for (const std::uint64_t filled : report.filledPerPass)
        perPass.append(static_cast<double>(filled));
    for (const StorageReason reason : report.remarks) {
        if (const QString remark = FillTexts::remark(reason); !remark.isEmpty())
            remarks.append(remark);
    }
    fill.insert(QStringLiteral("free_at_start"), static_cast<double>(report.freeAtStart));
    fill.insert(QStringLiteral("passes"), report.passes);
    fill.insert(QStringLiteral("filled_per_pass"), perPass);
    fill.insert(QStringLiteral("untouched_bytes"), static_cast<double>(report.untouchedBytes));
    fill.insert(QStringLiteral("files_per_pass"), report.mostFiles);
    fill.insert(QStringLiteral("remarks"), remarks);
    fill.insert(QStringLiteral("interrupted"), report.interrupted);
    fill.insert(QStringLiteral("complete"), report.complete());
    fill.insert(QStringLiteral("read_back"),
                report.readBack == FillReadBack::FromDevice     ? QStringLiteral("device")
                : report.readBack == FillReadBack::ThroughCache ? QStringLiteral("cache")
                                                                : QStringLiteral("none"));
    if (report.trimmedBytes)
        fill.insert(QStringLiteral("trimmed_bytes"), static_cast<double>(*report.trimmedBytes));
    if (report.trimError) {
        QJsonObject notTrimmed;
        putRecordError(notTrimmed, report.trimError);
        fill.insert(QStringLiteral("not_trimmed"), notTrimmed);
    }
    if (report.failure) {
        QJsonObject failure;
        putRecordError(failure, report.failure->error);
        failure.insert(QStringLiteral("step"), QLatin1String(stepWord(report.failure->step)));
        fill.insert(QStringLiteral("failure"), failure);
    }
    return {{QStringLiteral("free_space"), fill},
            {QStringLiteral("bytes"), totals.bytes},
            {QStringLiteral("seconds"), totals.seconds}};
}

// What the run did, in lists a script reads without walking the files: each path destroyed, failed,
// refused, read back; what the volumes keep; the bytes written and the time the run ran.
QJsonObject outcomeLists(const std::vector<SheetRow>& rows, const RunRecord& record,
                         const SheetTotals& totals) {
    if (record.fill)
        return fillLists(*record.fill, totals);
    QJsonArray destroyed, failed, refused, remarks, onDevice, inMemory, kept, leftovers;
    for (const SheetRow& row : rows) {
        if (row.outcome == SheetRow::Outcome::Destroyed)
            destroyed.append(pathValue(row.path));
        if (row.outcome == SheetRow::Outcome::Refused)
            refused.append(pathAndError(row.path, row.error));
    }
    for (const WipeFailure& failure : record.report.failures) {
        QJsonObject object = pathAndError(failure.path, failure.error);
        object.insert(QStringLiteral("step"), QLatin1String(stepWord(failure.step)));
        if (!failure.strandedAt.empty())
            putRecordPath(object, QStringLiteral("other_file_stranded_at"), failure.strandedAt);
        failed.append(object);
    }
    for (const StorageRemark& remark : record.report.remarks) {
        QJsonObject object;
        putRecordPath(object, QStringLiteral("path"), remark.path);
        object.insert(QStringLiteral("reason"), WipeTexts::storageReason(remark.reason));
        remarks.append(object);
    }
    for (const Leftover& leftover : record.report.leftovers) {
        QJsonObject object;
        putRecordPath(object, QStringLiteral("path"), leftover.path);
        object.insert(QStringLiteral("removed"), !leftover.reason);
        if (leftover.reason)
            putRecordError(object, leftover.reason);
        leftovers.append(object);
    }
    for (const KeptFolder& folder : record.keptFolders) {
        QJsonObject object = pathAndError(folder.path.toStdString(), folder.reason);
        if (!folder.strandedAt.isEmpty())
            putRecordPath(object, QStringLiteral("other_folder_stranded_at"),
                          folder.strandedAt.toStdString());
        kept.append(object);
    }
    for (const std::string& path : totals.verifiedOnDevice)
        onDevice.append(pathValue(path));
    for (const std::string& path : totals.verifiedThroughCache)
        inMemory.append(pathValue(path));
    return {{QStringLiteral("destroyed"), destroyed},
            {QStringLiteral("failed"), failed},
            {QStringLiteral("refused"), refused},
            {QStringLiteral("remarks"), remarks},
            {QStringLiteral("leftovers"), leftovers},
            {QStringLiteral("kept_folders"), kept},
            {QStringLiteral("verified_on_device"), onDevice},
            {QStringLiteral("verified_through_cache"), inMemory},
            {QStringLiteral("verify_read_bytes"), totals.readBytes},
            {QStringLiteral("verify_read_seconds"), totals.readSeconds},
            {QStringLiteral("bytes"), totals.bytes},
            {QStringLiteral("seconds"), totals.seconds}};
}

} // namespace

void putRecordPath(QJsonObject& object, const QString& key, const std::string& path) {
    const QByteArray bytes = QByteArray::fromStdString(path);
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() == bytes)
        object.insert(key, text);
    else
        object.insert(key + QStringLiteral("_base64"), QString::fromLatin1(bytes.toBase64()));
}

void putRecordError(QJsonObject& object, const std::error_code& error) {
    if (error.category() == std::system_category())
        object.insert(QStringLiteral("errno"), error.value());
    else
        object.insert(QStringLiteral("reason_code"), QString::fromStdString(reasonWord(error)));
    object.insert(QStringLiteral("reason"), WipeTexts::reason(error));
}

RunSheet::RunSheet(Head head, const RunSession& session, const RunRecord& record,
                   const std::vector<RefusedFile>& refused)
    : mHead(std::move(head)), mHost(QSysInfo::machineHostName()), mMachine(machineId()),
      mUser(userName()), mRecord(record) {
    const VerifyingFileOperations* verifier = session.verifier();
    mTotals.bytes = static_cast<double>(session.bytesWritten());
    mTotals.seconds = session.totals().seconds;
    if (verifier) {
        mTotals.readBytes = static_cast<double>(verifier->bytesRead());
        mTotals.readSeconds = verifier->readSeconds();
        mTotals.verifiedOnDevice.assign(verifier->verifiedOnDevice().begin(),
                                        verifier->verifiedOnDevice().end());
        mTotals.verifiedThroughCache.assign(verifier->verifiedThroughCache().begin(),
                                            verifier->verifiedThroughCache().end());
    }
    std::map<std::string, std::vector<StorageReason>> remarks;
    for (const StorageRemark& remark : record.report.remarks)
        remarks[remark.path].push_back(remark.reason);
    const auto evidenceOf = [verifier](const std::string& path) -> std::optional<BlockEvidence> {
        if (!verifier)
            return std::nullopt;
        const auto found = verifier->blockEvidence().find(path);
        if (found == verifier->blockEvidence().end())
            return std::nullopt;
        return found->second;
    };
    const std::map<std::uint64_t, Mounted> mounted = mountedDevices();
    for (const DestroyedFile& file : session.destroyed()) {
        SheetRow row;
        row.path = file.path.toStdString();
        row.size = file.size;
        row.passesFlushed = mHead.passes;
        if (verifier && verifier->verifiedOnDevice().count(row.path) > 0)
            row.readBack = SheetRow::ReadBack::FromDevice;
        else if (verifier && verifier->verifiedThroughCache().count(row.path) > 0)
            row.readBack = SheetRow::ReadBack::ThroughCache;
        row.readSeconds = verifier ? verifier->readSecondsOf(row.path) : 0;
        row.blocks = evidenceOf(row.path);
        if (const auto found = remarks.find(row.path); found != remarks.end())
            row.remarks = found->second;
        row.trashedFrom = session.trashOrigins().originOf(file.path).toStdString();
        if (const auto found = mounted.find(file.device); found != mounted.end()) {
            row.device = found->second.source;
            row.fileSystem = found->second.type;
            noteDevice(file.device, row.device);
        }
        mRows.push_back(std::move(row));
    }
    const std::unordered_map<std::string, qint64> listed =
        record.report.failures.empty() ? decltype(listed){} : session.listedSizes();
    for (const WipeFailure& failure : record.report.failures) {
        SheetRow row;
        row.path = failure.path;
        if (const auto found = listed.find(failure.path); found != listed.end())
            row.size = found->second;
        row.passesFlushed = failure.passesFlushed;
        row.outcome = SheetRow::Outcome::NotDestroyed;
        row.step = failure.step;
        row.error = failure.error;
        row.trashedFrom =
            session.trashOrigins().originOf(QByteArray::fromStdString(row.path)).toStdString();
        row.blocks = evidenceOf(row.path);
        mRows.push_back(std::move(row));
    }
    if (struct stat volume{}; record.fill && ::stat(record.fill->folder.c_str(), &volume) == 0) {
        if (const auto found = mounted.find(volume.st_dev); found != mounted.end())
            noteDevice(volume.st_dev, found->second.source);
    }
    for (const RefusedFile& file : refused) {
        SheetRow row;
        row.path = file.path.toStdString();
        row.outcome = SheetRow::Outcome::Refused;
        row.error = file.error;
        mRows.push_back(std::move(row));
    }
}

void RunSheet::noteDevice(std::uint64_t number, const QString& name) {
    if (mDevices.count(number) == 0)
        mDevices.emplace(number, Device{name, driveIdentity(number)});
}

int RunSheet::oldCopyCount() const {
    return static_cast<int>(std::count_if(mRows.begin(), mRows.end(), [](const SheetRow& row) {
        return row.blocks && row.blocks->check == BlockCheck::OldCopyLeft;
    }));
}

void RunSheet::putHead(QJsonObject& record) const {
    record.insert(QStringLiteral("schema_version"), SchemaVersion);
    record.insert(QStringLiteral("program"), mHead.program);
    if (!mMachine.isEmpty())
        record.insert(QStringLiteral("machine_id"), mMachine);
    if (!mHead.operatorName.isEmpty())
        record.insert(QStringLiteral("operator"), mHead.operatorName);
    if (!mHead.note.isEmpty())
        record.insert(QStringLiteral("note"), mHead.note);
    record.insert(QStringLiteral("version"), QStringLiteral(WYPELARK_VERSION));
    record.insert(QStringLiteral("host"), mHost);
    record.insert(QStringLiteral("user"), mUser);
    record.insert(QStringLiteral("started_utc"), mHead.started.toString(Qt::ISODateWithMs));
    record.insert(QStringLiteral("ended_utc"), mHead.ended.toString(Qt::ISODateWithMs));
    record.insert(QStringLiteral("passes"), mHead.passes);
    record.insert(QStringLiteral("fill_byte"), QStringLiteral("0x30"));
    QJsonArray devices;
    for (const auto& [number, device] : mDevices) {
        if (!device.drive.known())
            continue;
        QJsonObject drive{{QStringLiteral("device"), device.name}};
        if (!device.drive.model.isEmpty())
            drive.insert(QStringLiteral("model"), device.drive.model);
        if (!device.drive.serial.isEmpty())
            drive.insert(QStringLiteral("serial"), device.drive.serial);
        devices.append(drive);
    }
    if (!devices.isEmpty())
        record.insert(QStringLiteral("devices"), devices);
}

QJsonObject RunSheet::json() const {
    QJsonArray files;
    for (const SheetRow& row : mRows)
        files.append(rowJson(row));
    QJsonObject record = outcomeLists(mRows, mRecord, mTotals);
    if (!record.contains(QStringLiteral("free_space")))
        record.insert(QStringLiteral("files"), files);
    putHead(record);
    return record;
}

QString RunSheet::save(const QString& path, const QJsonObject& record) {
    return saveWhole(path, QJsonDocument(record).toJson(QJsonDocument::Indented));
}

} // namespace wypelark
