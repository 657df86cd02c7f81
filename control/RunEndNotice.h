// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "control/RunSheet.h"

#include <QString>

#include <optional>

namespace wypelark {

class RunSession;
struct RunRecord;

// What the window tells when a command ends, composed once from what the command left: the
// status line, a desktop notice for a person who looks at another window, the box when there
// is something to say, and the run's record to show and keep.
struct RunEndNotice {
    QString status; // empty: the status line stays as it is
    QString ending; // beside the bars, which stay where the command left them
    QString notice; // empty: no desktop notice
    QString noticeBody;
    bool boxShown = false;
    bool critical = false; // something was not destroyed, or an old copy was found
    QString summary;
    QString details;
    std::optional<RunSheet> sheet; // when the run had something to say of its files

    // paused: the run stopped, to be continued; it has not ended.
    static RunEndNotice of(const RunRecord& record, const RunSession& session, bool paused);
};

} // namespace wypelark
