// SPDX-License-Identifier: LicenseRef-proprietary
#include "cli/ShredCommand.h"

#include "cli/CommandHost.h"
#include "cli/JournalLines.h"
#include "cli/TrashIntakeLines.h"
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
#include <QJsonDocument>
#include <QJsonObject>

#include <functional>

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
    bool trash = false;  // what the user's trash cans hold, instead of paths
    bool noTrim = false; // a fill's free space is not trimmed after its last pass
    std::vector<QByteArray> paths;
    QByteArray freeSpace; // the folder whose volume's free space is filled, instead of files
    QString reportFile;   // where the JSON record is kept as well, when given
    QString reportPdf;    // where the record is kept as the window's PDF, when given
    QString operatorName; // who runs it, for the record's head
    QString note;         // what the run is for, for the record's head
};

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        T::tr("Overwrites files in place with the character 0, pass after pass, each pass "
              "flushed to the device, then deletes them."));
    parser.addOptions({
        {{QStringLiteral("n"), QStringLiteral("passes")},
         T::tr("Overwrite N times, %1 to %2 (default %1); 'stored' takes the count the window "
               "stored.")
             .arg(PassCountSetting::Minimum)
             .arg(PassCountSetting::Maximum),
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
        {QStringLiteral("report-pdf"),
         T::tr("Keep the record of the run in FILE as a PDF as well, the document the window's "
               "Run Record saves."),
         QStringLiteral("FILE")},
        {QStringLiteral("operator"),
         T::tr("Name NAME in the record as the person who ran the command."),
         QStringLiteral("NAME")},
        {QStringLiteral("note"),
         T::tr("Keep TEXT in the record's head: a ticket, a device's label, a reason."),
         QStringLiteral("TEXT")},
        {QStringLiteral("free-space"),
         T::tr("Instead of destroying files, fill the free space of the volume that holds "
               "FOLDER, once per pass, each pass flushed, then give it back. The fill has no "
               "name, so the space comes back however the program ends."),
         QStringLiteral("FOLDER")},
        {QStringLiteral("no-trim"),
         T::tr("After --free-space, do not trim the free space. Without it the free blocks are "
               "discarded after the last pass where the device takes discards and the program "
               "runs as root, as fstrim does.")},
        {QStringLiteral("trash"),
         T::tr("Instead of the files named, destroy everything in your trash cans: the home "
               "Trash and those of the volumes mounted. Each file's record of where it came "
               "from goes only after the file.")},
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
                        << text(T::tr("--passes takes a whole number from %1 to %2, or stored")
                                    .arg(PassCountSetting::Minimum)
                                    .arg(PassCountSetting::Maximum))
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
    options.reportPdf =
        QString::fromLocal8Bit(parser.value(QStringLiteral("report-pdf")).toLatin1());
    options.operatorName =
        QString::fromLocal8Bit(parser.value(QStringLiteral("operator")).toLatin1());
    options.note = QString::fromLocal8Bit(parser.value(QStringLiteral("note")).toLatin1());
    options.recursive = parser.isSet(QStringLiteral("recursive"));
    options.verifyBlocks = parser.isSet(QStringLiteral("verify-blocks"));
    options.verify = parser.isSet(QStringLiteral("verify")) || options.verifyBlocks;
    options.dryRun = parser.isSet(QStringLiteral("dry-run"));
    options.quiet = parser.isSet(QStringLiteral("quiet"));
    options.json = form == QStringLiteral("json");
    options.paths = parsed.operands;
    options.noTrim = parser.isSet(QStringLiteral("no-trim"));
    options.trash = parser.isSet(QStringLiteral("trash"));
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
        if (!options.paths.empty() || options.recursive || options.trash) {
            context.err << "wypelark-cli: "
                        << text(T::tr("--free-space takes no files, no --recursive and no --trash"))
                        << "\n";
            return ExitUsage;
        }
        return -1;
    }
    if (options.trash != options.paths.empty()) {
        context.err << "wypelark-cli: "
                    << text(options.trash ? T::tr("--trash takes no files")
                                          : T::tr("no file given"))
                    << "\n"
                    << text(T::tr("Try 'wypelark-cli --help'.")) << "\n";
        return ExitUsage;
    }
    return -1;
}

// What a run on the terminal left.
struct Finished {
    RunRecord record;
    QByteArray stoppedIn; // the file an interrupt stopped a run of files in
    bool interrupted = false;
};

// Runs a command with its progress on the terminal and an interrupt that stops it after its next
// write, then ends for good what the interrupt stopped.
Finished runOnTerminal(WipeController& controller, const Options& options,
                       const CommandContext& context,
                       const std::function<void(RunSession&)>& command) {
    RunSession& session = controller.session();
    CommandHost host(controller, context.err,
                     context.errIsTerminal && !options.quiet && !options.json, context.interrupted);
    command(session);
    host.finishProgress();
    Finished finished;
    finished.interrupted = session.state() == RunState::Paused;
    if (finished.interrupted)
        finished.stoppedIn = session.endInterruptedRun();
    finished.record = session.takeRecord();
    return finished;
}

// Says why a record could not be kept in a file; whether it was.
bool recordWritten(const QString& path, const QString& error, std::ostream& err) {
    if (error.isEmpty())
        return true;
    err << "wypelark-cli: "
        << text(T::tr("the report could not be written to %1: %2")
                    .arg(shownPath(path.toLocal8Bit()), error))
        << "\n";
    return false;
}

// The PDF, as the window keeps it, replaced whole or not at all.
bool writePdfFile(const QString& path, const RunSheet& sheet, CommandContext& context) {
    const QString error = context.writePdf ? context.writePdf(sheet, path)
                                           : T::tr("this build of wypelark-cli makes no PDF");
    return recordWritten(path, error, context.err);
}

void textReport(std::ostream& out, const Options& options, const RunSession& session,
                const RunRecord& record, const RunSheet& sheet) {
    const VerifyingFileOperations* verifier = session.verifier();
    if (!options.quiet) {
        for (const DestroyedFile& file : session.destroyed())
            out << text(T::tr("destroyed %1").arg(shownWithOrigin(session, file.path))) << "\n";
    }
    // The failures went to standard error.
    WipeReport remarks = record.report;
    remarks.failures.clear();
    const QString details = WipeTexts::reportDetails(remarks);
    if (!details.isEmpty())
        out << LinePriority{Priority::Warning} << details.toStdString()
            << LinePriority{Priority::Info};
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
        if (!row.blocks || (options.quiet && row.blocks->check != BlockCheck::OldCopyLeft))
            continue;
        const bool oldCopy = row.blocks->check == BlockCheck::OldCopyLeft;
        out << LinePriority{oldCopy ? Priority::Warning : Priority::Info}
            << text(
                   T::tr("%1: %2").arg(shownPath(row.path), ProofTexts::blockEvidence(*row.blocks)))
            << "\n"
            << LinePriority{Priority::Info};
    }
    for (const KeptFolder& folder : record.keptFolders) {
        out << LinePriority{Priority::Warning}
            << text(T::tr("folder kept: %1: %2")
                        .arg(shownPath(folder.path), WipeTexts::keptFolderReason(folder)))
            << "\n"
            << LinePriority{Priority::Info};
    }
    if (!options.quiet)
        out << text(WipeTexts::destroyedTotals(session.totals())) << "\n";
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

// Keeps the record where it was asked for, and prints it when the report is JSON. Returns whether
// the record was kept. The document is made only when it is asked for: for a hundred thousand
// files it is tens of megabytes.
bool keepRecord(const RunSheet& sheet, const Options& options, CommandContext& context) {
    const bool pdfKept =
        options.reportPdf.isEmpty() || writePdfFile(options.reportPdf, sheet, context);
    if (options.reportFile.isEmpty() && !options.json)
        return pdfKept;
    const QJsonObject json = sheet.json();
    const bool kept =
        options.reportFile.isEmpty() ||
        recordWritten(options.reportFile, RunSheet::save(options.reportFile, json), context.err);
    if (options.json)
        context.out << QJsonDocument(json).toJson(QJsonDocument::Indented).toStdString();
    return kept && pdfKept;
}

RunSheet sheetOf(const Options& options, const RunSession& session, const RunRecord& record,
                 const std::vector<RefusedFile>& refused) {
    return {{QStringLiteral("wypelark-cli"), record.started, record.ended, options.passes,
             options.operatorName, options.note},
            session,
            record,
            refused};
}

// Fills the free space of the volume that holds the folder given, and reports as a run does.
int runFillCommand(const Options& options, CommandContext& context) {
    WipeController controller(
        {.disk = context.files, .awayFromThisThread = false, .readBack = options.verify});
    controller.setPassCount(options.passes);
    RunSession& session = controller.session();
    session.setTrimAfterFill(!options.noTrim);
    const QByteArray folder = absolutePath(options.freeSpace, context.startFolder);
    VolumeSpace space;
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
    // An interrupted fill gives its space back.
    const Finished finished = runOnTerminal(controller, options, context, [&](RunSession& run) {
        run.freeSpaceCommand(folder, space);
    });
    const FillReport report = finished.record.fill.value_or(FillReport{});
    if (report.failure)
        context.err << "wypelark-cli: " << text(shownPath(folder)) << ": "
                    << text(WipeTexts::failureLine(report.failure->step, report.failure->error))
                    << "\n";
    const bool recordKept =
        keepRecord(sheetOf(options, session, finished.record, {}), options, context);
    if (!options.json && (!options.quiet || !report.complete()))
        context.out << text(FillTexts::summary(report)) << "\n";
    if (report.interrupted)
        return interruptedStatus(context);
    return report.complete() && recordKept ? ExitDestroyed : ExitNotAllDestroyed;
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
    // Without --recursive a folder given is refused.
    const std::vector<RefusedFile> refused =
        options.trash
            ? takeTrash(controller, context)
            : controller.addPaths(options.paths, context.startFolder,
                                  options.recursive ? GivenFolders::Walked : GivenFolders::Refused);
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
                                    .arg(shownWithOrigin(controller.session(), list.path(position)),
                                         QString::number(list.size(position)),
                                         QString::number(options.passes)))
                        << "\n";
        }
        return refused.empty() ? ExitDestroyed : ExitNotAllDestroyed;
    }

    // The command line named every file listed: nothing else is destroyed. An interrupted run is
    // reported in full, the file it stopped in included; no folder is removed after it.
    const Finished finished = runOnTerminal(controller, options, context, [](RunSession& run) {
        run.confirmListed();
        run.deleteCommand();
    });
    const RunSession& session = controller.session();
    const RunRecord& record = finished.record;
    reportFailures(context.err, record.report);
    const RunSheet sheet = sheetOf(options, session, record, refused);
    const bool recordKept = keepRecord(sheet, options, context);
    if (!options.json)
        textReport(context.out, options, session, record, sheet);
    if (finished.interrupted) {
        context.err << "wypelark-cli: "
                    << text(T::tr("interrupted: %1 is partly overwritten and still exists")
                                .arg(shownPath(finished.stoppedIn)))
                    << "\n";
        return interruptedStatus(context);
    }
    const bool allDestroyed = refused.empty() && record.report.failures.empty();
    if (!allDestroyed || !recordKept)
        return ExitNotAllDestroyed;
    // An old copy found on the device is not what a script that asked to look expects.
    return sheet.oldCopyFound() ? ExitOldCopyFound : ExitDestroyed;
}

} // namespace wypelark
