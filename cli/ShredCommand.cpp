#include "cli/ShredCommand.h"

#include "cli/CommandHost.h"
#include "engine/VerifyingFileOperations.h"
#include "engine/WipeError.h"
#include "engine/WipeReport.h"
#include "engine/WipeRun.h"
#include "list/PathScan.h"
#include "list/RawArguments.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <sys/stat.h>

namespace wypelark {
namespace {

constexpr int MinPasses = 1;
constexpr int MaxPasses = 20;

struct Options {
    int passes = 0;
    bool recursive = false;
    bool verify = false;
    bool dryRun = false;
    bool quiet = false;
    bool json = false;
    std::vector<QByteArray> paths;
};

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("Overwrites files in place with the character 0, pass after pass, each pass "
                       "flushed to the device, then deletes them."));
    parser.addOptions({
        {{QStringLiteral("n"), QStringLiteral("passes")},
         QStringLiteral(
             "Overwrite N times, 1 to 20 (default: the count the window stored, else 1)."),
         QStringLiteral("N")},
        {{QStringLiteral("r"), QStringLiteral("recursive")},
         QStringLiteral("Destroy every regular file below the folders given, then remove the "
                        "folders it emptied.")},
        {QStringLiteral("verify"),
         QStringLiteral("Read each file back from the device after its last pass; delete it only "
                        "if every byte is the fill.")},
        {QStringLiteral("dry-run"),
         QStringLiteral("Print what would be destroyed; change nothing.")},
        {{QStringLiteral("q"), QStringLiteral("quiet")},
         QStringLiteral("No progress and no report of destroyed files; failures only.")},
        {QStringLiteral("report"), QStringLiteral("Print the report as JSON on standard output."),
         QStringLiteral("json")},
    });
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("paths"), QStringLiteral("Files to destroy."),
                                 QStringLiteral("PATH..."));
}

// Parses the arguments; returns -1 to go on, or the exit status.
int parse(const std::vector<QByteArray>& args, CommandContext& context, Options& options) {
    QCommandLineParser parser;
    describeOptions(parser);
    // The operands are the parser's own, so that what it took as an option's value is never
    // taken for a file.
    const ParsedArguments parsed = parseRawArguments(parser, "wypelark-cli", args);
    if (!parsed.ok) {
        context.err << "wypelark-cli: " << parsed.errorText.toStdString()
                    << "\nTry 'wypelark-cli --help'.\n";
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
    options.passes = context.storedPasses >= MinPasses && context.storedPasses <= MaxPasses
                         ? context.storedPasses
                         : MinPasses;
    if (parser.isSet(QStringLiteral("passes"))) {
        bool ok = false;
        options.passes = parser.value(QStringLiteral("passes")).toInt(&ok);
        if (!ok || options.passes < MinPasses || options.passes > MaxPasses) {
            context.err << "wypelark-cli: --passes takes a whole number from 1 to 20\n";
            return ExitUsage;
        }
    }
    if (parser.isSet(QStringLiteral("report")) &&
        parser.value(QStringLiteral("report")) != QStringLiteral("json")) {
        context.err << "wypelark-cli: --report takes json\n";
        return ExitUsage;
    }
    options.recursive = parser.isSet(QStringLiteral("recursive"));
    options.verify = parser.isSet(QStringLiteral("verify"));
    options.dryRun = parser.isSet(QStringLiteral("dry-run"));
    options.quiet = parser.isSet(QStringLiteral("quiet"));
    options.json = parser.isSet(QStringLiteral("report"));
    options.paths = parsed.operands;
    if (options.paths.empty()) {
        context.err << "wypelark-cli: no file given\nTry 'wypelark-cli --help'.\n";
        return ExitUsage;
    }
    return -1;
}

// The files the paths name; without --recursive a folder is refused.
PathScan findFiles(const Options& options, const QByteArray& startFolder) {
    std::vector<QByteArray> walkable;
    PathScan refusedFolders;
    for (const QByteArray& given : options.paths) {
        const QByteArray path = absolutePath(given, startFolder);
        struct stat status {};
        if (!options.recursive && ::lstat(path.constData(), &status) == 0 &&
            S_ISDIR(status.st_mode))
            refusedFolders.refused.push_back({path, {EISDIR, std::system_category()}});
        else
            walkable.push_back(given);
    }
    PathScan scan = scanPaths(walkable, startFolder);
    scan.refused.insert(scan.refused.begin(), refusedFolders.refused.begin(),
                        refusedFolders.refused.end());
    return scan;
}

// A path's exact bytes in JSON: its text when it is valid UTF-8 (JSON escapes what needs it),
// else its bytes in base64 under the key with "_base64" after it.
void putPath(QJsonObject& object, const QString& key, const std::string& path) {
    const QByteArray bytes = QByteArray::fromStdString(path);
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() == bytes)
        object.insert(key, text);
    else
        object.insert(key + QStringLiteral("_base64"), QString::fromLatin1(bytes.toBase64()));
}

// In a list of paths, a path that is not valid UTF-8 is an object {"path_base64": ...}.
QJsonValue pathValue(const std::string& path) {
    QJsonObject object;
    putPath(object, QStringLiteral("path"), path);
    if (object.contains(QStringLiteral("path")))
        return object.value(QStringLiteral("path"));
    return object;
}

// A system error as its errno; a reason of the program's own as a stable word; both with the
// sentence that describes them.
void putError(QJsonObject& object, const std::error_code& error) {
    if (error.category() == std::system_category())
        object.insert(QStringLiteral("errno"), error.value());
    else
        object.insert(QStringLiteral("reason_code"), QString::fromStdString(reasonWord(error)));
    object.insert(QStringLiteral("reason"), QString::fromStdString(error.message()));
}

QJsonObject pathAndError(const std::string& path, const std::error_code& error) {
    QJsonObject object;
    putPath(object, QStringLiteral("path"), path);
    putError(object, error);
    return object;
}

struct RunOutcome {
    const PathScan& scan;
    const CommandHost& host;
    const VerifyingFileOperations* verifier;
    const std::vector<KeptFolder>& keptFolders;
    std::int64_t bytesWritten;
    double seconds;
};

QJsonObject jsonReport(const RunOutcome& run) {
    QJsonArray destroyed, failed, refused, remarks, onDevice, inMemory, kept, leftovers;
    for (const FoundFile& file : run.host.destroyed())
        destroyed.append(pathValue(file.path.toStdString()));
    for (const WipeFailure& failure : run.host.report().failures) {
        QJsonObject object = pathAndError(failure.path, failure.error);
        object.insert(QStringLiteral("step"), QLatin1String(stepWord(failure.step)));
        if (!failure.strandedAt.empty())
            putPath(object, QStringLiteral("other_file_stranded_at"), failure.strandedAt);
        failed.append(object);
    }
    for (const RefusedFile& file : run.scan.refused)
        refused.append(pathAndError(file.path.toStdString(), file.error));
    for (const StorageRemark& remark : run.host.report().remarks) {
        QJsonObject object;
        putPath(object, QStringLiteral("path"), remark.path);
        object.insert(QStringLiteral("reason"),
                      QString::fromStdString(storageReasonText(remark.reason)));
        remarks.append(object);
    }
    for (const Leftover& leftover : run.host.report().leftovers) {
        QJsonObject object;
        putPath(object, QStringLiteral("path"), leftover.path);
        object.insert(QStringLiteral("removed"), !leftover.reason);
        if (leftover.reason)
            putError(object, leftover.reason);
        leftovers.append(object);
    }
    for (const KeptFolder& folder : run.keptFolders) {
        QJsonObject object = pathAndError(folder.path.toStdString(), folder.reason);
        if (!folder.strandedAt.isEmpty())
            putPath(object, QStringLiteral("other_folder_stranded_at"),
                    folder.strandedAt.toStdString());
        kept.append(object);
    }
    if (run.verifier) {
        for (const std::string& path : run.verifier->verifiedOnDevice())
            onDevice.append(pathValue(path));
        for (const std::string& path : run.verifier->verifiedThroughCache())
            inMemory.append(pathValue(path));
    }
    return {
        {QStringLiteral("destroyed"), destroyed},
        {QStringLiteral("failed"), failed},
        {QStringLiteral("refused"), refused},
        {QStringLiteral("remarks"), remarks},
        {QStringLiteral("leftovers"), leftovers},
        {QStringLiteral("kept_folders"), kept},
        {QStringLiteral("verified_on_device"), onDevice},
        {QStringLiteral("verified_through_cache"), inMemory},
        {QStringLiteral("verify_read_bytes"),
         run.verifier ? static_cast<double>(run.verifier->bytesRead()) : 0.0},
        {QStringLiteral("verify_read_seconds"), run.verifier ? run.verifier->readSeconds() : 0.0},
        {QStringLiteral("bytes"), static_cast<double>(run.bytesWritten)},
        {QStringLiteral("seconds"), run.seconds}};
}

void textReport(std::ostream& out, const Options& options, const RunOutcome& run) {
    const CommandHost& host = run.host;
    const VerifyingFileOperations* verifier = run.verifier;
    if (!options.quiet) {
        for (const FoundFile& file : host.destroyed())
            out << "destroyed " << printablePath(file.path.toStdString()) << "\n";
    }
    const std::string text = host.report().text();
    if (!text.empty())
        out << text;
    if (verifier && !options.quiet) {
        for (const std::string& path : verifier->verifiedOnDevice())
            out << "read back from the device: " << printablePath(path) << "\n";
        for (const std::string& path : verifier->verifiedThroughCache())
            out << "read back from memory only, not from a device: " << printablePath(path) << "\n";
        if (verifier->readSeconds() > 0) {
            char rate[96];
            std::snprintf(rate, sizeof rate, "read back %.1f MB in %.2f s (%.1f MB/s)\n",
                          static_cast<double>(verifier->bytesRead()) / 1e6, verifier->readSeconds(),
                          static_cast<double>(verifier->bytesRead()) / 1e6 /
                              verifier->readSeconds());
            out << rate;
        }
    }
    for (const KeptFolder& folder : run.keptFolders) {
        out << "folder kept: " << printablePath(folder.path.toStdString()) << ": "
            << keptFolderReason(folder) << "\n";
    }
}

} // namespace

int runShredCommand(const std::vector<QByteArray>& args, CommandContext& context) {
    Options options;
    if (const int status = parse(args, context, options); status >= 0)
        return status;

    const PathScan scan = findFiles(options, context.startFolder);
    for (const RefusedFile& file : scan.refused) {
        context.err << "wypelark-cli: " << printablePath(file.path.toStdString()) << ": "
                    << file.error.message() << "; skipped\n";
    }
    if (options.dryRun) {
        for (const FoundFile& file : scan.files) {
            context.out << "would destroy " << printablePath(file.path.toStdString()) << " ("
                        << file.size << " bytes, " << options.passes << " passes)\n";
        }
        return scan.refused.empty() ? ExitDestroyed : ExitNotAllDestroyed;
    }

    VerifyingFileOperations verifier(context.files, WipeRun::FillByte);
    FileOperations& files = options.verify ? static_cast<FileOperations&>(verifier) : context.files;
    CommandHost host(scan.files, options.passes, context.err,
                     context.errIsTerminal && !options.quiet && !options.json, context.interrupted);
    WipeRun run(host, files);
    host.attach(run);
    const auto start = std::chrono::steady_clock::now();
    run.WipeFiles();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    host.finishProgress();

    // An interrupted run is reported in full, the file it stopped in included; no folder is
    // removed after it.
    const bool interrupted = run.resumePending();
    std::string stoppedIn;
    if (interrupted) {
        stoppedIn = host.itemPath(run.fileIndex());
        run.endStopped();
    }
    std::vector<KeptFolder> keptFolders;
    if (options.recursive && !interrupted)
        keptFolders = removeEmptiedFolders(context.files, scan.folders);
    const RunOutcome outcome{
        scan, host, options.verify ? &verifier : nullptr, keptFolders, run.bytesWritten(), seconds};
    if (options.json) {
        context.out
            << QJsonDocument(jsonReport(outcome)).toJson(QJsonDocument::Indented).toStdString();
    } else {
        textReport(context.out, options, outcome);
    }
    if (interrupted) {
        context.err << "wypelark-cli: interrupted: " << printablePath(stoppedIn)
                    << " is partly overwritten and still exists\n";
        return ExitInterrupted;
    }
    const bool allDestroyed = scan.refused.empty() && host.report().failures.empty();
    return allDestroyed ? ExitDestroyed : ExitNotAllDestroyed;
}

} // namespace wypelark
