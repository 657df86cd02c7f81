#include "cli/ShredCommand.h"

#include "cli/CommandHost.h"
#include "engine/VerifyingFileOperations.h"
#include "engine/WipeError.h"
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

QString shown(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(printablePath(path)));
}

QJsonObject jsonReport(const PathScan& scan, const CommandHost& host,
                       const VerifyingFileOperations* verifier, std::int64_t bytes,
                       double seconds) {
    QJsonArray destroyed, failed, refused, remarks, onDevice, throughCache;
    for (const FoundFile& file : host.destroyed())
        destroyed.append(shown(file.path.toStdString()));
    for (const WipeFailure& failure : host.report().failures) {
        failed.append(QJsonObject{
            {QStringLiteral("path"), shown(failure.path)},
            {QStringLiteral("step"), static_cast<int>(failure.step)},
            {QStringLiteral("errno"), failure.error.value()},
            {QStringLiteral("reason"), QString::fromStdString(failure.error.message())}});
    }
    for (const RefusedFile& file : scan.refused) {
        refused.append(
            QJsonObject{{QStringLiteral("path"), shown(file.path.toStdString())},
                        {QStringLiteral("errno"), file.error.value()},
                        {QStringLiteral("reason"), QString::fromStdString(file.error.message())}});
    }
    for (const StorageRemark& remark : host.report().remarks) {
        remarks.append(QJsonObject{
            {QStringLiteral("path"), shown(remark.path)},
            {QStringLiteral("reason"), QString::fromStdString(storageReasonText(remark.reason))}});
    }
    if (verifier) {
        for (const std::string& path : verifier->verifiedOnDevice())
            onDevice.append(shown(path));
        for (const std::string& path : verifier->verifiedThroughCache())
            throughCache.append(shown(path));
    }
    return {{QStringLiteral("destroyed"), destroyed},
            {QStringLiteral("failed"), failed},
            {QStringLiteral("refused"), refused},
            {QStringLiteral("remarks"), remarks},
            {QStringLiteral("verified_on_device"), onDevice},
            {QStringLiteral("verified_through_cache"), throughCache},
            {QStringLiteral("verify_read_bytes"),
             verifier ? static_cast<double>(verifier->bytesRead()) : 0.0},
            {QStringLiteral("verify_read_seconds"), verifier ? verifier->readSeconds() : 0.0},
            {QStringLiteral("bytes"), static_cast<double>(bytes)},
            {QStringLiteral("seconds"), seconds}};
}

void textReport(std::ostream& out, const Options& options, const CommandHost& host,
                const VerifyingFileOperations* verifier,
                const std::vector<KeptFolder>& keptFolders) {
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
            out << "read back through the page cache only, not from the device: "
                << printablePath(path) << "\n";
        if (verifier->readSeconds() > 0) {
            char rate[96];
            std::snprintf(rate, sizeof rate, "read back %.1f MB in %.2f s (%.1f MB/s)\n",
                          static_cast<double>(verifier->bytesRead()) / 1e6, verifier->readSeconds(),
                          static_cast<double>(verifier->bytesRead()) / 1e6 /
                              verifier->readSeconds());
            out << rate;
        }
    }
    for (const KeptFolder& folder : keptFolders) {
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

    std::int64_t bytes = 0;
    for (const FoundFile& file : scan.files)
        bytes += file.size * options.passes;
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

    if (run.resumePending()) {
        context.err << "wypelark-cli: interrupted: "
                    << printablePath(host.itemPath(run.fileIndex()))
                    << " is partly overwritten and still exists";
        if (run.fileIndex() < host.itemCount())
            context.err << "; the files after it are untouched";
        context.err << "\n";
        return ExitInterrupted;
    }
    std::vector<KeptFolder> keptFolders;
    if (options.recursive)
        keptFolders = removeEmptiedFolders(context.files, scan.folders);
    const VerifyingFileOperations* verified = options.verify ? &verifier : nullptr;
    if (options.json) {
        context.out << QJsonDocument(jsonReport(scan, host, verified, bytes, seconds))
                           .toJson(QJsonDocument::Indented)
                           .toStdString();
    } else {
        textReport(context.out, options, host, verified, keptFolders);
    }
    const bool allDestroyed = scan.refused.empty() && host.report().failures.empty();
    return allDestroyed ? ExitDestroyed : ExitNotAllDestroyed;
}

} // namespace wypelark
