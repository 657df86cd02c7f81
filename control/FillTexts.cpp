// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/FillTexts.h"

#include "control/WipeTexts.h"
#include "engine/WipeError.h"
#include "list/SizeText.h"

namespace wypelark {
namespace {

QString size(std::uint64_t bytes) {
    return readableSize(static_cast<qint64>(bytes));
}

// Less than this stays free on every volume that is full: the file system's own rounding.
constexpr std::uint64_t UntouchedWorthSaying = std::uint64_t{1024} * 1024;

} // namespace

QString FillTexts::question(const QString& shownFolder, const VolumeSpace& space, int passes) {
    QString text =
        tr("Fill the free space of the volume that holds %1 (%2 free) with the fill, %3, each "
           "pass flushed to the device?")
            .arg(shownFolder, size(FreeSpaceRun::fillableBytes(space)),
                 WipeTexts::passCount(passes));
    text += QStringLiteral("\n\n") +
            tr("While a pass goes on the volume is full, and other programs cannot write to "
               "it; the space is given back as soon as each pass ends, and if Wypelark ends "
               "meanwhile, however it ends.");
    if (space.unusedBytes > space.availableBytes + UntouchedWorthSaying &&
        FreeSpaceRun::fillableBytes(space) == space.availableBytes)
        text += QStringLiteral("\n\n") +
                tr("%1 is kept for the system administrator and cannot be filled without "
                   "administrator rights; it stays as it is.")
                    .arg(size(space.unusedBytes - space.availableBytes));
    for (const StorageReason reason : storageReasons(space.storage)) {
        if (const QString said = remark(reason); !said.isEmpty())
            text += QStringLiteral("\n\n") + said;
    }
    return text;
}

QString FillTexts::remark(StorageReason reason) {
    switch (reason) {
    case StorageReason::CopyOnWrite:
        return tr("This file system copies on write: the fill lands where it chooses, and "
                  "blocks it keeps for itself or for snapshots are not reached.");
    case StorageReason::Overlay:
        return tr("This is an overlay mount: the fill reaches only the free space of the volume "
                  "of its upper layer.");
    case StorageReason::NetworkOrFuse:
        return tr("This is a FUSE file system: the program behind it decides where the fill "
                  "lands.");
    case StorageReason::Flash:
        return tr("This volume lies on flash storage: the device keeps spare blocks the fill "
                  "cannot reach. Encryption, or fstrim where the device supports it, serves "
                  "better.");
    case StorageReason::Memory:
    case StorageReason::OtherNames:
    case StorageReason::Shrank:
        break;
    }
    return {};
}

QString FillTexts::failedEnding() {
    return tr("Ended: not filled");
}

QString FillTexts::summary(const FillReport& report) {
    const auto made = static_cast<int>(report.filledPerPass.size());
    QString text;
    if (report.failure && report.failure->error == WipeErrc::ReadBackDiffers)
        text = tr("The fill read back other than it was written: the device does not keep what "
                  "it is given, and its free space cannot be trusted to be overwritten.");
    else if (report.failure)
        text = tr("The free space could not be filled: %1")
                   .arg(WipeTexts::failureLine(report.failure->step, report.failure->error));
    else if (report.interrupted)
        text = tr("The fill was ended before its last pass; its space was given back.");
    if (made > 0) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += tr("The free space was filled %Ln times (%1 the last time), each pass flushed "
                   "to the device and given back.",
                   nullptr, made)
                    .arg(size(report.filledPerPass.back()));
    }
    if (made > 0 && report.readBack == FillReadBack::FromDevice)
        text += QLatin1Char('\n') + tr("Each pass was read back from the device before its "
                                       "space was given back, and held only the fill.");
    if (made > 0 && report.readBack == FillReadBack::ThroughCache)
        text += QLatin1Char('\n') + tr("Each pass was read back and held only the fill, but "
                                       "through the page cache or memory, not from a device.");
    if (made > 0 && report.untouchedBytes >= UntouchedWorthSaying)
        text +=
            QLatin1Char('\n') + tr("%1 of free space stayed untouched: blocks kept for the system "
                                   "administrator, or by the file system for itself.")
                                    .arg(size(report.untouchedBytes));
    if (const QString trim = trimSentence(report); made > 0 && !trim.isEmpty())
        text += QLatin1Char('\n') + trim;
    return text;
}

// A device that takes no discards (a hard disk) needs no trim: nothing is said of it.
QString FillTexts::trimSentence(const FillReport& report) {
    const std::error_code error = report.trimError;
    if (report.trimmedBytes)
        return tr("The free space was then trimmed: the device was told that %1 are unused, so "
                  "that flash storage can erase them.")
            .arg(size(*report.trimmedBytes));
    if (!error || error == std::errc::operation_not_supported ||
        error == std::errc::inappropriate_io_control_operation)
        return {};
    if (error == std::errc::operation_not_permitted || error == std::errc::permission_denied)
        return tr("The free space was not trimmed: only root may discard a volume's free blocks "
                  "(sudo wypelark-cli --free-space trims them).");
    return tr("The free space was not trimmed: %1").arg(WipeTexts::reason(error));
}

QString FillTexts::status(const FillReport& report) {
    if (report.failure)
        return tr("The free space could not be filled");
    if (report.interrupted || report.filledPerPass.empty())
        return tr("The fill ended early; its space was given back");
    return tr("Free space filled: %1 of %2")
        .arg(WipeTexts::passCount(static_cast<int>(report.filledPerPass.size())),
             size(report.filledPerPass.back()));
}

QString FillTexts::runningStatus(const QString& shownFolder) {
    return tr("Filling the free space of the volume that holds %1").arg(shownFolder);
}

QString FillTexts::pausedStatus(qint64 heldBytes) {
    return tr("Paused: the fill holds %1 of free space, and the disk stays full, until it goes "
              "on or ends.")
        .arg(readableSize(heldBytes));
}

QString FillTexts::closeWhilePausedQuestion(qint64 heldBytes) {
    return tr("The paused fill holds %1 of the volume's free space. End it, give the space "
              "back, and close?")
        .arg(readableSize(heldBytes));
}

} // namespace wypelark
