// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <QByteArray>

#include <QString>

#include "list/TrashScan.h"

#include <csignal>
#include <functional>
#include <ostream>
#include <vector>

namespace wypelark {

class FileOperations;
class RunSheet;

// What the command-line shredder works with; its main gives the real ones, tests their own.
struct CommandContext {
    FileOperations& files;
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
    // The number of the signal that asked the run to stop (SIGINT, SIGTERM, SIGHUP), 0 until then.
    const volatile std::sig_atomic_t* interrupted = nullptr;
    QByteArray startFolder;
    int storedPasses = 0; // the pass count the window stored, 0 when none
    // Writes a run's record as the window's PDF, replacing the file whole or not at all; what went
    // wrong, or nothing. Unset where no PDF can be made.
    std::function<QString(const RunSheet& sheet, const QString& path)> writePdf;
    // Where --trash looks for the user's trash cans; the home trash and the volumes mounted now
    // when unset.
    std::function<TrashPlaces()> trashPlaces;
};

// Exit statuses.
constexpr int ExitDestroyed = 0;
constexpr int ExitNotAllDestroyed = 1;
constexpr int ExitUsage = 2;
// Every file destroyed, but --verify=blocks found an old copy of one on the device, in blocks the
// file system had left when it moved the data.
constexpr int ExitOldCopyFound = 3;
constexpr int ExitInterrupted = 130; // 128 + SIGINT; 128 + the signal for the others

// wypelark-cli [OPTION...] PATH...: destroys the files the paths name, as the window does, and
// reports. args are the raw arguments after the program's name.
int runShredCommand(const std::vector<QByteArray>& args, CommandContext& context);

// 128 + the signal that interrupted the run.
int interruptedStatus(const CommandContext& context);

} // namespace wypelark
