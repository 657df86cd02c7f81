// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "list/PathScan.h"

#include <QByteArray>

#include <vector>

namespace wypelark {

// Whether what arrives now joins the files a question will name, or waits for the next one.
enum class Arrival { Named, Held };

// The folders added as folders, parents first: a run that goes to its end removes those it left
// empty. A folder added while a question or a run held new files out is not removed by that run,
// which neither named it: it waits for the next.
class AddedFolders {
public:
    // Takes the folders not known yet.
    void take(const std::vector<FoundFolder>& folders, Arrival arrival);
    // The hold ended: the folders it kept join the others.
    void endHolding();
    // A file taken off the list takes the folders it was added with along: no later run removes
    // them or what they hold.
    void forgetAbove(const std::vector<QByteArray>& paths);
    // The folders that were tried and are no longer kept are gone.
    void forgetRemoved(const std::vector<FoundFolder>& tried, const std::vector<KeptFolder>& kept);
    void clear();

    // The folders the next question names.
    const std::vector<FoundFolder>& named() const { return mNamed; }

private:
    std::vector<FoundFolder> mNamed;
    std::vector<FoundFolder> mHeld;
};

} // namespace wypelark
