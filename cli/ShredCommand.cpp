// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/ShredCommand.h"

#include "cli/CommandHost.h"
#include "control/FillTexts.h"
#include "control/PassCountSetting.h"
#include "control/ProofTexts.h"
#include "control/RunSheet.h"
#include "control/WipeController.h"
#include "control/WipeTexts.h"
#include "engine/WipeError.h"
#include "list/RawArguments.h"
#include "list/SizeText.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace wypelark {
namespace {

// The command line's own sentences.
struct T {
    Q_DECLARE_TR_FUNCTIONS(ShredCommand)
};

std::string text(const QString& sentence) {
    return sentence.toStdString();
}

QString shownPath(const std::string& path) {
    return QString::fromStdString(printablePath(path));
}

QString shownPath(const QByteArray& path) {
    return shownPath(path.toStdString());
}

struct Options {
    int passes = 0;
    bool recursive = false;
    bool verify = false;
    bool verifyBlocks = false; // the device's own blocks are read as well
    bool dryRun = false;
    bool quiet = false;
    bool json = false;
    std::vector<QByteArray> paths;
    QByteArray freeSpace; // the folder whose volume's free space is filled, instead of files
    QString reportFile;   // where the JSON record is kept as well, when given
};

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        T::tr("Overwrites files in place with the character 0, pass after pass, each pass "
              "flushed to the device, then deletes them."));
    parser.addOptions({
        {{QStringLiteral("n"), QStringLiteral("passes")},
         T::tr("Overwrite N times, 1 to 20 (default 1); 'stored' takes the count the window "
               "stored."),
         QStringLiteral("N")},
        {{QStringLiteral("r"), QStringLiteral("recursive")},
         T::tr("Destroy every regular file below the folders given, then remove the "
               "folders it emptied.")},
        {QStringLiteral("verify"),
         T::tr("Read each file back from the device after its last pass; delete it only "
               "if every byte is the fill. --verify=blocks also asks the file system where "
               "the file lies before the first pass and after the last, reads those blocks "
               "from the block device itself, and says whether an old copy is left there.")},
        {QStringLiteral("dry-run"), T::tr("Print what would be destroyed; change nothing.")},
        {{QStringLiteral("q"), QStringLiteral("quiet")},
         T::tr("No progress and no report of destroyed files; failures only.")},
        {QStringLiteral("report"),
         T::tr("Print the report as JSON (json) or as text (text, the default) on standard "
               "output."),
         QStringLiteral("json|text")},
        {QStringLiteral("report-file"),
         T::tr("Keep the JSON record of the run in FILE as well: who ran it, where and when, "
               "and what became of every file."),
         QStringLiteral("FILE")},
        {QStringLiteral("free-space"),
         T::tr("Instead of destroying files, fill the free space of the volume that holds "
               "FOLDER, once per pass, each pass flushed, then give it back. The fill has no "
               "name, so the space comes back however the program ends."),
         QStringLiteral("FOLDER")},
    });
    QCommandLineOption blocks(QStringLiteral("verify-blocks"));
    blocks.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(blocks);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("paths"), T::tr("Files to destroy."),
                                 QStringLiteral("PATH..."));
}

// Parses the arguments; returns -1 to go on, or the exit status.
int parse(std::vector<QByteArray> args, CommandContext& context, Options& options) {
    QCommandLineParser parser;
    describeOptions(parser);
    // --verify takes one value, or none: the parser knows no option of that kind.
    for (QByteArray& arg : args) {
        if (arg == "--")
            break;
        if (arg == "--verify=blocks")
            arg = "--verify-blocks";
    }
    // The operands are the parser's own, so that what it took as an option's value is never
    // taken for a file.
    const ParsedArguments parsed = parseRawArguments(parser, "wypelark-cli", args);
    if (!parsed.ok) {
        context.err << "wypelark-cli: " << parsed.errorText.toStdString() << "\n"
                    << text(T::tr("Try 'wypelark-cli --help'.")) << "\n";
        return ExitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        context.out << parser.helpText().toStdString();
        return ExitDestroyed;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        context.out << "wypelark-cli " WYPELARK_VERSION "\n";
        return ExitDestroyed;
    }
    // One pass unless asked: a script does the same whatever someone chose in the window.
    options.passes = PassCountSetting::Minimum;
    const QString passes = parser.value(QStringLiteral("passes"));
    if (passes == QStringLiteral("stored")) {
        if (PassCountSetting::inRange(context.storedPasses))
            options.passes = context.storedPasses;
    } else if (parser.isSet(QStringLiteral("passes"))) {
        bool ok = false;
        options.passes = passes.toInt(&ok);
        if (!ok || !PassCountSetting::inRange(options.passes)) {
            context.err << "wypelark-cli: "
                        << text(T::tr("--passes takes a whole number from 1 to 20, or stored"))
                        << "\n";
            return ExitUsage;
        }
    }
    const QString form = parser.value(QStringLiteral("report"));
    if (parser.isSet(QStringLiteral("report")) && form != QStringLiteral("json") &&
        form != QStringLiteral("text")) {
        context.err << "wypelark-cli: " << text(T::tr("--report takes json or text")) << "\n";
        return ExitUsage;
    }
    // The value's bytes as given, for a name the parser read as Latin-1.
    options.reportFile =
        QString::fromLocal8Bit(parser.value(QStringLiteral("report-file")).toLatin1());
    options.recursive = parser.isSet(QStringLiteral("recursive"));
    options.verifyBlocks = parser.isSet(QStringLiteral("verify-blocks"));
    options.verify = parser.isSet(QStringLiteral("verify")) || options.verifyBlocks;
    options.dryRun = parser.isSet(QStringLiteral("dry-run"));
    options.quiet = parser.isSet(QStringLiteral("quiet"));
    options.json = form == QStringLiteral("json");
    options.paths = parsed.operands;
    if (parser.isSet(QStringLiteral("free-space"))) {
        // The parser read every byte as Latin-1: back to the exact bytes given.
        options.freeSpace = parser.value(QStringLiteral("free-space")).toLatin1();
        // "--free-space --report=json DIR" took the option for the folder.
        if (options.freeSpace.startsWith('-')) {
            context.err << "wypelark-cli: "
                        << text(T::tr("--free-space takes a folder, not the option %1 (write "
                                      "./%1 for a folder of that name)")
                                    .arg(QString::fromLocal8Bit(options.freeSpace)))
                        << "\n";
            return ExitUsage;
        }
        if (!options.paths.empty() || options.recursive) {
            context.err << "wypelark-cli: "
                        << text(T::tr("--free-space takes no files and no --recursive")) << "\n";
            return ExitUsage;
        }
        return -1;
    }
    if (options.paths.empty()) {
        context.err << "wypelark-cli: " << text(T::tr("no file given")) << "\n"
                    << text(T::tr("Try 'wypelark-cli --help'.")) << "\n";
        return ExitUsage;
    }
    return -1;
}

// Lists the files the paths name; without --recursive a folder is refused. Returns what was
// refused.
std::vector<RefusedFile> listFiles(const Options& options, const QByteArray& startFolder,
                                   WipeController& controller) {
    std::vector<QByteArray> walkable;
    std::vector<RefusedFile> refused;
    for (const QByteArray& given : options.paths) {
        const QByteArray path = absolutePath(given, startFolder);
        struct stat status {};
        if (!options.recursive && ::lstat(path.constData(), &status) == 0 &&
            S_ISDIR(status.st_mode))
            refused.push_back({path, {EISDIR, std::system_category()}});
        else
            walkable.push_back(given);
    }
    const std::vector<RefusedFile> unlisted = controller.addPaths(walkable, startFolder);
    refused.insert(refused.end(), unlisted.begin(), unlisted.end());
    return refused;
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

struct RunOutcome {
    const std::vector<RefusedFile>& refused;
    const RunSession& session;
    const RunRecord& record;
    double seconds;
};

// The record kept in a file is replaced whole or not at all.
bool writeRecordFile(const QString& path, const QJsonObject& report, std::ostream& err) {
    const QString error = RunSheet::save(path, report);
    if (error.isEmpty())
        return true;
    err << "wypelark-cli: "
        << text(T::tr("the report could not be written to %1: %2")
                    .arg(shownPath(path.toLocal8Bit()), error))
        << "\n";
    return false;
}

QJsonObject jsonReport(const RunOutcome& run, const RunSheet& sheet) {
    QJsonArray destroyed, failed, refused, remarks, onDevice, inMemory, kept, leftovers;
    const VerifyingFileOperations* verifier = run.session.verifier();
    for (const DestroyedFile& file : run.session.destroyed())
        destroyed.append(pathValue(file.path.toStdString()));
    for (const WipeFailure& failure : run.record.report.failures) {
        QJsonObject object = pathAndError(failure.path, failure.error);
        object.insert(QStringLiteral("step"), QLatin1String(stepWord(failure.step)));
        if (!failure.strandedAt.empty())
            putRecordPath(object, QStringLiteral("other_file_stranded_at"), failure.strandedAt);
        failed.append(object);
    }
    for (const RefusedFile& file : run.refused)
        refused.append(pathAndError(file.path.toStdString(), file.error));
    for (const StorageRemark& remark : run.record.report.remarks) {
        QJsonObject object;
        putRecordPath(object, QStringLiteral("path"), remark.path);
        object.insert(QStringLiteral("reason"), WipeTexts::storageReason(remark.reason));
        remarks.append(object);
    }
    for (const Leftover& leftover : run.record.report.leftovers) {
        QJsonObject object;
        putRecordPath(object, QStringLiteral("path"), leftover.path);
        object.insert(QStringLiteral("removed"), !leftover.reason);
        if (leftover.reason)
            putRecordError(object, leftover.reason);
        leftovers.append(object);
    }
    for (const KeptFolder& folder : run.record.keptFolders) {
        QJsonObject object = pathAndError(folder.path.toStdString(), folder.reason);
        if (!folder.strandedAt.isEmpty())
            putRecordPath(object, QStringLiteral("other_folder_stranded_at"),
                          folder.strandedAt.toStdString());
        kept.append(object);
    }
    if (verifier) {
        for (const std::string& path : verifier->verifiedOnDevice())
            onDevice.append(pathValue(path));
        for (const std::string& path : verifier->verifiedThroughCache())
            inMemory.append(pathValue(path));
    }
    QJsonObject report = sheet.json();
    const QJsonObject more{
        {QStringLiteral("destroyed"), destroyed},
        {QStringLiteral("failed"), failed},
        {QStringLiteral("refused"), refused},
        {QStringLiteral("remarks"), remarks},
        {QStringLiteral("leftovers"), leftovers},
        {QStringLiteral("kept_folders"), kept},
        {QStringLiteral("verified_on_device"), onDevice},
        {QStringLiteral("verified_through_cache"), inMemory},
        {QStringLiteral("verify_read_bytes"),
         verifier ? static_cast<double>(verifier->bytesRead()) : 0.0},
        {QStringLiteral("verify_read_seconds"), verifier ? verifier->readSeconds() : 0.0},
        {QStringLiteral("bytes"), static_cast<double>(run.session.bytesWritten())},
        {QStringLiteral("seconds"), run.seconds}};
    for (auto field = more.begin(); field != more.end(); ++field)
        report.insert(field.key(), field.value());
    return report;
}

void textReport(std::ostream& out, const Options& options, const RunOutcome& run,
                const RunSheet& sheet) {
    const VerifyingFileOperations* verifier = run.session.verifier();
    if (!options.quiet) {
        for (const DestroyedFile& file : run.session.destroyed())
            out << text(T::tr("destroyed %1").arg(shownPath(file.path))) << "\n";
    }
    // The failures went to standard error.
    WipeReport remarks = run.record.report;
    remarks.failures.clear();
    const QString details = WipeTexts::reportDetails(remarks);
    if (!details.isEmpty())
        out << details.toStdString();
    if (verifier && !options.quiet) {
        for (const std::string& path : verifier->verifiedOnDevice())
            out << text(T::tr("read back from the device: %1").arg(shownPath(path))) << "\n";
        for (const std::string& path : verifier->verifiedThroughCache())
            out << text(T::tr("read back from memory only, not from a device: %1")
                            .arg(shownPath(path)))
                << "\n";
        if (verifier->readSeconds() > 0) {
            const double megabytes = static_cast<double>(verifier->bytesRead()) / 1e6;
            const double seconds = verifier->readSeconds();
            out << text(T::tr("read back %1 MB in %2 s (%3 MB/s)")
                            .arg(megabytes, 0, 'f', 1)
                            .arg(seconds, 0, 'f', 2)
                            .arg(megabytes / seconds, 0, 'f', 1))
                << "\n";
        }
    }
    for (const SheetRow& row : sheet.rows()) {
        if (row.blocks && (!options.quiet || row.blocks->check == BlockCheck::OldCopyLeft))
            out << text(T::tr("%1: %2").arg(shownPath(row.path),
                                            ProofTexts::blockEvidence(*row.blocks)))
                << "\n";
    }
    for (const KeptFolder& folder : run.record.keptFolders) {
        out << text(T::tr("folder kept: %1: %2")
                        .arg(shownPath(folder.path), WipeTexts::keptFolderReason(folder)))
            << "\n";
    }
    if (!options.quiet)
        out << text(WipeTexts::destroyedTotals(run.session.totals())) << "\n";
}

// Each file not destroyed, what failed, why, and what can be done, whatever the report's form.
void reportFailures(std::ostream& err, const WipeReport& report) {
    for (const WipeFailure& failure : report.failures) {
        QString line = QStringLiteral("%1: %2").arg(
            shownPath(failure.path), WipeTexts::failureLine(failure.step, failure.error));
        if (!failure.strandedAt.empty())
            line += QStringLiteral("; ") + T::tr("another program's file that took its name is "
                                                 "now at %1")
                                               .arg(shownPath(failure.strandedAt));
        if (const QString hint = WipeTexts::failureHint(failure.error); !hint.isEmpty())
            line += QStringLiteral(" (") + hint + QLatin1Char(')');
        err << "wypelark-cli: " << text(line) << "\n";
    }
}

QJsonObject fillJson(const FillReport& report, double seconds, std::int64_t bytes,
                     const RunSheet& sheet) {
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
    if (report.failure) {
        QJsonObject failure;
        putRecordError(failure, report.failure->error);
        failure.insert(QStringLiteral("step"), QLatin1String(stepWord(report.failure->step)));
        fill.insert(QStringLiteral("failure"), failure);
    }
    QJsonObject json{{QStringLiteral("free_space"), fill},
                     {QStringLiteral("bytes"), static_cast<double>(bytes)},
                     {QStringLiteral("seconds"), seconds}};
    sheet.putHead(json);
    return json;
}

// Fills the free space of the volume that holds the folder given, and reports as a run does.
int runFillCommand(const Options& options, CommandContext& context) {
    WipeController controller(
        {.disk = context.files, .awayFromThisThread = false, .readBack = options.verify});
    controller.setPassCount(options.passes);
    const QByteArray folder = absolutePath(options.freeSpace, context.startFolder);
    VolumeSpace space;
    RunSession& session = controller.session();
    if (const std::error_code error = session.measureFreeSpace(folder, space)) {
        context.err << "wypelark-cli: "
                    << text(QStringLiteral("%1: %2").arg(shownPath(folder),
                                                         WipeTexts::reason(error)))
                    << "\n";
        return ExitNotAllDestroyed;
    }
    if (options.dryRun) {
        context.out << text(T::tr("would fill %1 of free space on the volume that holds %2, %3")
                                .arg(readableSize(
                                         static_cast<qint64>(FreeSpaceRun::fillableBytes(space))),
                                     shownPath(folder), WipeTexts::passCount(options.passes)))
                    << "\n";
        return ExitDestroyed;
    }
    CommandHost host(controller, context.err,
                     context.errIsTerminal && !options.quiet && !options.json, context.interrupted);
    RunSheet::Head head{
        QStringLiteral("wypelark-cli"), QDateTime::currentDateTimeUtc(), {}, options.passes};
    const auto start = std::chrono::steady_clock::now();
    session.freeSpaceCommand(folder, space);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    head.ended = QDateTime::currentDateTimeUtc();
    host.finishProgress();
    session.endPausedRun(); // an interrupted fill gives its space back
    const RunRecord record = session.takeRecord();
    const FillReport report = record.fill.value_or(FillReport{});
    if (report.failure)
        context.err << "wypelark-cli: " << text(shownPath(folder)) << ": "
                    << text(WipeTexts::failureLine(report.failure->step, report.failure->error))
                    << "\n";
    const RunSheet sheet(head, session, record, {});
    const QJsonObject json = fillJson(report, seconds, session.bytesWritten(), sheet);
    if (!options.reportFile.isEmpty() && !writeRecordFile(options.reportFile, json, context.err))
        return ExitNotAllDestroyed;
    if (options.json)
        context.out << QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
    else if (!options.quiet || !report.complete())
        context.out << text(FillTexts::summary(report)) << "\n";
    if (report.interrupted)
        return interruptedStatus(context);
    return report.complete() ? ExitDestroyed : ExitNotAllDestroyed;
}

} // namespace

int interruptedStatus(const CommandContext& context) {
    const int signal = context.interrupted ? *context.interrupted : 0;
    return signal > 0 ? 128 + signal : ExitInterrupted;
}

int runShredCommand(const std::vector<QByteArray>& args, CommandContext& context) {
    Options options;
    if (const int status = parse(args, context, options); status >= 0)
        return status;
    if (!options.freeSpace.isNull())
        return runFillCommand(options, context);

    WipeController controller({.disk = context.files,
                               .awayFromThisThread = false,
                               .readBack = options.verify,
                               .checkBlocks = options.verifyBlocks});
    controller.setPassCount(options.passes);
    const std::vector<RefusedFile> refused = listFiles(options, context.startFolder, controller);
    for (const RefusedFile& file : refused) {
        context.err << "wypelark-cli: "
                    << text(T::tr("%1: %2; skipped")
                                .arg(shownPath(file.path), WipeTexts::reason(file.error)))
                    << "\n";
    }
    const DeletionListModel& list = controller.list();
    if (options.dryRun) {
        for (int position = 1; position <= list.count(); ++position) {
            context.out << text(T::tr("would destroy %1 (%2 bytes, %3 passes)")
                                    .arg(shownPath(list.path(position)),
                                         QString::number(list.size(position)),
                                         QString::number(options.passes)))
                        << "\n";
        }
        return refused.empty() ? ExitDestroyed : ExitNotAllDestroyed;
    }

    CommandHost host(controller, context.err,
                     context.errIsTerminal && !options.quiet && !options.json, context.interrupted);
    RunSheet::Head head{
        QStringLiteral("wypelark-cli"), QDateTime::currentDateTimeUtc(), {}, options.passes};
    const auto start = std::chrono::steady_clock::now();
    // The command line named every file listed: nothing else is destroyed.
    RunSession& session = controller.session();
    session.confirmListed();
    session.deleteCommand();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    head.ended = QDateTime::currentDateTimeUtc();
    host.finishProgress();

    // An interrupted run is reported in full, the file it stopped in included; no folder is
    // removed after it.
    const bool interrupted = session.state() == RunState::Paused;
    const QByteArray stoppedIn = interrupted ? session.endInterruptedRun() : QByteArray();
    const RunRecord record = session.takeRecord();
    const RunOutcome outcome{refused, session, record, seconds};
    reportFailures(context.err, record.report);
    const RunSheet sheet(head, session, record, refused);
    const QJsonObject json = jsonReport(outcome, sheet);
    const bool recordKept =
        options.reportFile.isEmpty() || writeRecordFile(options.reportFile, json, context.err);
    if (options.json) {
        context.out << QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
    } else {
        textReport(context.out, options, outcome, sheet);
    }
    if (interrupted) {
        context.err << "wypelark-cli: "
                    << text(T::tr("interrupted: %1 is partly overwritten and still exists")
                                .arg(shownPath(stoppedIn)))
                    << "\n";
        return interruptedStatus(context);
    }
    const bool allDestroyed = refused.empty() && record.report.failures.empty();
    // An old copy found on the device is not what a script that asked to look expects.
    return allDestroyed && recordKept && !sheet.oldCopyFound() ? ExitDestroyed
                                                               : ExitNotAllDestroyed;
}

} // namespace wypelark
