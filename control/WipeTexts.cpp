// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/WipeTexts.h"

#include "control/TrashTexts.h"
#include "engine/WipeError.h"
#include "list/ShownName.h"
#include "list/SizeText.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace wypelark {
namespace {

QString shown(const std::string& path) {
    return QString::fromStdString(printablePath(path));
}

QString ownReason(WipeErrc errc) {
    switch (errc) {
    case WipeErrc::SymbolicLink:
        return WipeTexts::tr("Is a symbolic link; neither it nor its target was touched");
    case WipeErrc::NotRegularFile:
        return WipeTexts::tr("Not a regular file; left alone");
    case WipeErrc::NoPassMade:
        return WipeTexts::tr("No overwrite pass was made; the file was left alone");
    case WipeErrc::Changed:
        return WipeTexts::tr("Changed since it was added: the name, or a folder on its way, now "
                             "leads to another file; nothing there was touched");
    case WipeErrc::KernelFileSystem:
        return WipeTexts::tr("Lies on one of the kernel's own file systems (sysfs, procfs and the "
                             "like), whose files are settings, not data; left alone");
    case WipeErrc::KeptGrowing:
        return WipeTexts::tr("Another program kept writing to it; it was left in place");
    case WipeErrc::ReadBackDiffers:
        return WipeTexts::tr("What was read back differs from what was written; the file was "
                             "left");
    case WipeErrc::OtherFileSystem:
        return WipeTexts::tr("Another file system, or another mount of one, is mounted here; it "
                             "was not entered");
    case WipeErrc::EmptyName:
        return WipeTexts::tr("An empty argument names no file; nothing was looked for");
    case WipeErrc::NotOnlyFill:
        return WipeTexts::tr("Holds something other than the fill; left alone");
    case WipeErrc::OwnedByAnother:
        return WipeTexts::tr("Belongs to another user, or has other names; left alone");
    case WipeErrc::Interrupted:
        return WipeTexts::tr("The run was interrupted while overwriting it: it is partly "
                             "overwritten and still exists");
    case WipeErrc::NotReached:
        return WipeTexts::tr("The run was interrupted before it got to this file; it is "
                             "untouched");
    case WipeErrc::ReadOnlyVolume:
        return WipeTexts::tr("The volume is mounted read-only; nothing can be written to it");
    case WipeErrc::MemoryVolume:
        return WipeTexts::tr("The volume lies in memory (tmpfs, a RAM disk or zram): its free "
                             "space is memory that holds nothing once freed, and filling it "
                             "would only press other programs out of memory");
    case WipeErrc::NetworkVolume:
        return WipeTexts::tr("The volume lies on another machine (NFS, SMB and the like), whose "
                             "server decides where the writes go, and a full disk there holds "
                             "up everyone who uses it");
    case WipeErrc::DeviceBlocksDiffer:
        return WipeTexts::tr("The device's own blocks under the file hold other than what was "
                             "written; the file was left");
    case WipeErrc::DescribedFileKept:
    case WipeErrc::UnsafeTrash:
    case WipeErrc::NotMounted:
        return TrashTexts::reason(errc);
    case WipeErrc::HolesDoNotFit:
        return WipeTexts::tr("A sparse file whose holes would not fit in the free space of its "
                             "volume; left alone");
    }
    return WipeTexts::tr("Unknown error");
}

QString remarksByReason(const std::vector<StorageRemark>& remarks) {
    QString text;
    for (const StorageReason reason : AllStorageReasons) {
        QString paths;
        for (const StorageRemark& remark : remarks) {
            if (remark.reason == reason)
                paths += QStringLiteral("    ") + shown(remark.path) + QLatin1Char('\n');
        }
        if (paths.isEmpty())
            continue;
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += WipeTexts::storageReason(reason) + QLatin1Char('\n') + paths;
    }
    return text;
}

QString failuresText(const std::vector<WipeFailure>& failures) {
    if (failures.empty())
        return {};
    QString text = WipeTexts::tr("These files were not destroyed:") + QLatin1Char('\n');
    for (const WipeFailure& failure : failures) {
        text += QStringLiteral("\n%1\n    %2: %3\n")
                    .arg(shown(failure.path), WipeTexts::step(failure.step),
                         WipeTexts::errorLine(failure.error));
        if (!failure.strandedAt.empty())
            text += QStringLiteral("    ") +
                    WipeTexts::tr("Another program's file took its name meanwhile and could not "
                                  "be put back; it is now at %1")
                        .arg(shown(failure.strandedAt)) +
                    QLatin1Char('\n');
    }
    return text;
}

QString leftoversText(const std::vector<Leftover>& leftovers) {
    QString removed;
    QString left;
    for (const Leftover& leftover : leftovers) {
        if (leftover.reason)
            left += QStringLiteral("    %1: %2\n")
                        .arg(shown(leftover.path), WipeTexts::reason(leftover.reason));
        else
            removed += QStringLiteral("    ") + shown(leftover.path) + QLatin1Char('\n');
    }
    QString text;
    if (!removed.isEmpty())
        text += WipeTexts::tr("An earlier run was stopped after overwriting these files and "
                              "before deleting them; they held only the fill and were deleted "
                              "now:") +
                QLatin1Char('\n') + removed;
    if (!left.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n")) +
                WipeTexts::tr("These files have the hidden names an interrupted run leaves "
                              "behind, but were left alone:") +
                QLatin1Char('\n') + left;
    return text;
}

QString joinedParts(const QStringList& parts) {
    QStringList kept;
    for (const QString& part : parts)
        if (!part.isEmpty())
            kept << part;
    return kept.join(QLatin1Char('\n'));
}

// The names, each on its own line after lineStart; beyond the first few (ten in a message),
// how many more there are.
QString namedList(const QStringList& first, int count, int limit = WipeTexts::NamedInMessage,
                  const QString& lineStart = QStringLiteral("\n    ")) {
    QString text;
    const int named = std::min({static_cast<int>(first.size()), count, limit});
    for (int at = 0; at < named; ++at)
        text += lineStart + first[at];
    if (count > named)
        text += lineStart + WipeTexts::tr("and %Ln more", nullptr, count - named);
    return text;
}

int percent(double fraction) {
    return static_cast<int>(fraction * 100.0);
}

} // namespace

QString WipeTexts::reason(const std::error_code& error) {
    if (error.category() == wipeCategory())
        return ownReason(static_cast<WipeErrc>(error.value()));
    return QString::fromStdString(error.message());
}

QString WipeTexts::errorLine(const std::error_code& error) {
    return tr("error %1, %2").arg(error.value()).arg(reason(error));
}

QString WipeTexts::failureLine(WipeStep step, const std::error_code& error) {
    return QStringLiteral("%1: %2").arg(WipeTexts::step(step), errorLine(error));
}

QString WipeTexts::failureHint(const std::error_code& error) {
    if (error == std::errc::operation_not_permitted)
        return tr("The file may be marked immutable or append-only: lsattr shows it, and "
                  "chattr -i or -a, as root, clears it.");
    if (error == std::errc::read_only_file_system)
        return tr("Its file system is mounted read-only: mount it for writing first.");
    if (error == std::errc::permission_denied)
        return tr("You may not write to the file or change its folder: its owner, or root, "
                  "can.");
    if (error == std::errc::device_or_resource_busy || error == std::errc::text_file_busy)
        return tr("The file is in use: end the program that holds it, then try again.");
    if (error == std::errc::no_such_file_or_directory)
        return tr("It was deleted or moved after it was added.");
    if (error == std::errc::io_error)
        return tr("The device reported an error: it may be failing.");
    if (error == WipeErrc::Changed)
        return tr("Add it again if the file now there is to be destroyed.");
    return {};
}

QString WipeTexts::step(WipeStep step) {
    switch (step) {
    case WipeStep::Open:
        return tr("could not be opened");
    case WipeStep::Length:
        return tr("could not be measured");
    case WipeStep::Write:
        return tr("could not be overwritten");
    case WipeStep::Flush:
        return tr("could not be flushed to the device");
    case WipeStep::Close:
        return tr("could not be closed");
    case WipeStep::Verify:
        return tr("was overwritten, but the device does not give the overwrite back");
    case WipeStep::Delete:
        return tr("was overwritten but could not be deleted");
    case WipeStep::Sync:
        return tr("was overwritten and deleted, but its folder could not be flushed to the "
                  "device, so its name may come back after a power cut");
    }
    return tr("failed");
}

QString WipeTexts::storageReason(StorageReason reason) {
    switch (reason) {
    case StorageReason::CopyOnWrite:
        return tr("On a copy-on-write or log-structured file system new writes go to new blocks, "
                  "so the old blocks of these files stay on the device until they are reused:");
    case StorageReason::Overlay:
        return tr("On an overlay mount the writes went to the upper layer; a copy of these files "
                  "in a lower layer is still there:");
    case StorageReason::NetworkOrFuse:
        return tr("On a network or FUSE file system the server or the FUSE program decides where "
                  "writes go, so the old data of these files may remain there:");
    case StorageReason::OtherNames:
        return tr("These files had other names (hard links): their content was overwritten, but "
                  "their other names remain, holding the overwritten content:");
    case StorageReason::Shrank:
        return tr("These files got shorter while they were overwritten; the blocks they gave back "
                  "were not overwritten and may still hold old data:");
    case StorageReason::Flash:
        return tr("These files lay on flash storage (an SSD, NVMe, USB stick or memory card), "
                  "whose wear levelling can keep old copies in blocks no overwrite reaches; "
                  "encrypt such devices, and where they support it run fstrim on the volume:");
    case StorageReason::Memory:
        return tr("These files lay in memory (tmpfs, a RAM disk or zram): nothing of them reached "
                  "a device, and a read-back of them proves only the memory:");
    }
    return {};
}

QString WipeTexts::storageRemarkBefore(StorageReason reason) {
    switch (reason) {
    case StorageReason::CopyOnWrite:
        return tr("Some of these files lie on a copy-on-write or log-structured file system, where "
                  "an overwrite goes to new blocks: their old blocks stay until they are reused.");
    case StorageReason::Overlay:
        return tr("Some of these files lie on an overlay mount: a copy of them in a lower layer "
                  "stays.");
    case StorageReason::NetworkOrFuse:
        return tr("Some of these files lie on a network or FUSE file system, whose server or "
                  "program decides where the overwrite goes.");
    case StorageReason::Flash:
        return tr("Some of these files lie on flash storage, whose wear levelling can keep old "
                  "copies that no overwrite reaches; encryption, and fstrim where the device "
                  "supports it, serve better.");
    case StorageReason::Memory:
        return tr("Some of these files lie in memory (tmpfs, a RAM disk or zram): nothing of them "
                  "is on a device, and a read-back of them proves only the memory.");
    case StorageReason::OtherNames:
    case StorageReason::Shrank:
        break;
    }
    return {};
}

QString WipeTexts::keptFolderReason(const KeptFolder& folder) {
    QString reason = folder.reason == std::errc::directory_not_empty
                         ? tr("it still holds files or folders")
                         : WipeTexts::reason(folder.reason);
    if (!folder.strandedAt.isEmpty())
        reason += tr("; another program's folder took its name meanwhile and could not be put "
                     "back, it is now at %1")
                      .arg(shown(folder.strandedAt.toStdString()));
    return reason;
}

QString WipeTexts::reportDetails(const WipeReport& report) {
    return joinedParts({failuresText(report.failures), remarksByReason(report.remarks),
                        leftoversText(report.leftovers)});
}

QString WipeTexts::reportSummary(const WipeReport& report) {
    const QLocale locale;
    const int failed = static_cast<int>(report.failures.size());
    const int remarked = report.remarkedFileCount();
    QString summary;
    if (failed > 0) {
        summary = tr("%1 of %Ln files could not be destroyed.", nullptr, report.fileCount)
                      .arg(locale.toString(failed));
        if (remarked > 0)
            summary += QLatin1Char(' ') + tr("For %Ln destroyed files the overwrite may not have "
                                             "reached every old copy.",
                                             nullptr, remarked);
    } else if (remarked > 0) {
        summary = tr("All %Ln files were destroyed, but for %1 of them the overwrite may not have "
                     "reached every old copy.",
                     nullptr, report.fileCount)
                      .arg(locale.toString(remarked));
    } else {
        summary = tr("All %Ln files were destroyed.", nullptr, report.fileCount);
    }
    if (!report.leftovers.empty())
        summary += QLatin1Char(' ') + tr("%Ln files left behind by an interrupted run were found.",
                                         nullptr, static_cast<int>(report.leftovers.size()));
    return summary;
}

QString WipeTexts::reportMessage(const WipeReport& report) {
    QString text = reportSummary(report);
    const auto named = std::min<std::size_t>(report.failures.size(), NamedInMessage);
    for (std::size_t at = 0; at < named; ++at) {
        const WipeFailure& failure = report.failures[at];
        text += QStringLiteral("\n\n%1\n    %2")
                    .arg(shown(failure.path), failureLine(failure.step, failure.error));
        if (const QString hint = failureHint(failure.error); !hint.isEmpty())
            text += QStringLiteral("\n    ") + hint;
    }
    if (report.failures.size() > named)
        text += QStringLiteral("\n\n") +
                tr("%Ln more files were not destroyed; Show Details lists them all.", nullptr,
                   static_cast<int>(report.failures.size() - named));
    return text;
}

QString WipeTexts::keptFoldersSummary(int count) {
    return tr("%Ln of the folders added were not removed.", nullptr, count);
}

QString WipeTexts::keptFoldersDetails(const std::vector<KeptFolder>& kept) {
    QString text =
        tr("These folders were added as folders and were kept:") + QStringLiteral("\n\n");
    for (const KeptFolder& folder : kept)
        text += QStringLiteral("%1\n    %2\n")
                    .arg(shown(folder.path.toStdString()), keptFolderReason(folder));
    return text;
}

// Beyond the first ten, counted: a message naming twenty thousand missing paths, handed over in
// one call, held the window for seconds and took hundreds of megabytes to lay out.
QString WipeTexts::refusedFiles(const std::vector<RefusedFile>& refused) {
    QString text = tr("These files were not added to the list:") + QLatin1Char('\n');
    const auto named = std::min<std::size_t>(refused.size(), NamedInMessage);
    for (std::size_t at = 0; at < named; ++at) {
        text += QStringLiteral("\n%1\n    %2\n")
                    .arg(shownName(refused[at].path), errorLine(refused[at].error));
    }
    if (refused.size() > named)
        text += QLatin1Char('\n') +
                tr("and %Ln more", nullptr, static_cast<int>(refused.size() - named));
    return text;
}

QString WipeTexts::onlyLocalDrops() {
    return tr("Only files and folders of this computer can be dropped here.");
}

QString WipeTexts::destroyQuestion(const DestroyPlan& plan) {
    const int files = plan.fileCount;
    const int folders = plan.folderCount;
    const QString folderCount = tr("%Ln folders", nullptr, folders);
    if (files == 0)
        return tr("Remove the %1 added as folders, where they are empty? This cannot be undone.")
                   .arg(folderCount) +
               namedList(plan.firstFolders, folders);
    QString question = tr("Destroy %1 (%2) with %3? This cannot be undone.")
                           .arg(tr("%Ln files", nullptr, files), readableSize(plan.bytes),
                                passCount(plan.passes)) +
                       namedList(plan.firstFiles, files);
    if (folders > 0)
        question += QStringLiteral("\n\n") +
                    tr("Afterwards, where the run leaves them empty, these folders are removed:") +
                    namedList(plan.firstFolders, folders);
    for (const StorageReason reason : plan.storage) {
        if (const QString remark = storageRemarkBefore(reason); !remark.isEmpty())
            question += QStringLiteral("\n\n") + remark;
    }
    return question;
}

QString WipeTexts::closeWhilePausedQuestion(const QString& shownFile) {
    return tr("The run is paused. %1 is partly overwritten and still exists, and the files after "
              "it are untouched. Close all the same?")
        .arg(shownFile);
}

QString WipeTexts::passCount(int passes) {
    return tr("%Ln passes", nullptr, passes);
}

QString WipeTexts::passCountCaption(int passes) {
    return tr("%Ln passes", "standing alone, beside the slider", passes);
}

QString WipeTexts::passFigure(const ProgressFigures& figures) {
    const bool onAFile = figures.fileIndex >= 1 && figures.fileIndex <= figures.fileCount;
    if (!onAFile && !(figures.filling && figures.pass >= 1))
        return {};
    if (figures.readingBack)
        return tr("Reading it back");
    if (figures.flushing)
        return tr("Pass %1 of %2: flushing").arg(figures.pass).arg(figures.passes);
    return tr("Pass %1 of %2: %3 %")
        .arg(figures.pass)
        .arg(figures.passes)
        .arg(percent(figures.passFraction));
}

QString WipeTexts::overallFigure(const ProgressFigures& figures) {
    if (figures.totalBytes == 0 && figures.fileCount == 0)
        return {};
    return tr("%1 of %2: %3 %")
        .arg(readableSize(figures.doneBytes), readableSize(figures.totalBytes))
        .arg(percent(figures.overallFraction()));
}

QString WipeTexts::rateFigure(const ProgressFigures& figures) {
    if (figures.bytesPerSecond <= 0 || !figures.secondsLeft)
        return tr("Measuring the speed");
    return tr("%1/s, %2 left")
        .arg(readableSize(static_cast<qint64>(figures.bytesPerSecond)),
             clockText(*figures.secondsLeft));
}

QString WipeTexts::runningStatus(const ProgressFigures& figures) {
    return tr("Destroying file %1 of %2").arg(figures.fileIndex).arg(figures.fileCount);
}

QString WipeTexts::pausedStatus() {
    return tr("Paused. Continue goes on where the run stopped.");
}

QString WipeTexts::closeRefusedStatus() {
    return tr("Wypelark closes once the run is paused or done: press Pause first.");
}

QString WipeTexts::handedOverStatus(int added) {
    return tr("%Ln files added to the list", nullptr, added);
}

QString WipeTexts::alreadyListedStatus() {
    return tr("Already listed: nothing added");
}

QString WipeTexts::endNoticeBody(const QString& destroyedTotals, const QStringList& destroyed,
                                 int destroyedCount, const QStringList& failed, int failedCount) {
    const QString lineStart = QStringLiteral("\n");
    if (failedCount == 0)
        return tr("Destroyed:") + namedList(destroyed, destroyedCount, NamedInNotice, lineStart);
    QString body = tr("Not destroyed:") + namedList(failed, failedCount, NamedInNotice, lineStart);
    if (destroyedCount > 0)
        body += QLatin1Char('\n') + destroyedTotals;
    return body;
}

QString WipeTexts::doneEnding() {
    return tr("Done");
}

QString WipeTexts::stoppedEnding() {
    return tr("Stopped before the end");
}

QString WipeTexts::failedEnding(int failed) {
    return tr("Ended: %Ln files not destroyed", nullptr, failed);
}

QString WipeTexts::heldStatus(int held) {
    return tr("%Ln files added during the run are kept for a later Delete", nullptr, held);
}

QString WipeTexts::destroyedTotals(const RunTotals& totals) {
    const auto seconds = static_cast<qint64>(std::llround(totals.seconds));
    const QString took = seconds < 60 ? tr("%1 s").arg(QLocale().toString(totals.seconds, 'f', 1))
                                      : clockText(seconds);
    return tr("%Ln files destroyed (%1, %2) in %3", nullptr, totals.files)
        .arg(readableSize(totals.bytes), passCount(totals.passes), took);
}

QString WipeTexts::clockText(qint64 seconds) {
    const qint64 hours = seconds / 3600;
    const QString minutesAndSeconds = QStringLiteral("%1:%2")
                                          .arg(hours > 0 ? (seconds / 60) % 60 : seconds / 60,
                                               hours > 0 ? 2 : 1, 10, QLatin1Char('0'))
                                          .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return hours > 0 ? QStringLiteral("%1:%2").arg(hours).arg(minutesAndSeconds)
                     : minutesAndSeconds;
}

} // namespace wypelark
