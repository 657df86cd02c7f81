// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "list/AddSelectedFiles.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace wypelark {

struct CommandContext;
class RunSession;
class WipeController;

// Lists what the user's trash cans hold for --trash, and says on standard error which volumes
// were not reached (no failure) and that the Trash was empty. What was refused comes back.
std::vector<RefusedFile> takeTrash(WipeController& controller, const CommandContext& context);

// A path as the command line names it; a file taken from a Trash with the path it had before.
QString shownWithOrigin(const RunSession& session, const QByteArray& path);

} // namespace wypelark
