// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/FileIdentity.h"

#include <string>
#include <system_error>
#include <vector>

namespace wypelark {

struct WipeReport;

// The two progress bars the run drives.
enum class ProgressBar { Overall, Current };

// What the overwrite run and the fill need from their host: the deletion list, the pass count,
// the progress bars, the file list and the event loop, and to be told when a run stops. Indices
// are 1-based.
class WipeHost {
public:
    virtual ~WipeHost() = default;

    virtual int itemCount() const = 0;
    // The full path of the item at a 1-based index, as the bytes the file system uses.
    virtual std::string itemPath(int index) const = 0;
    // Which file the item at a 1-based index meant when it was added.
    virtual FileIdentity itemIdentity(int index) const = 0;
    // At the end of a run: removes every item but those at the given 1-based indices, in order,
    // the files that were not destroyed, which stay listed in their order.
    virtual void removeDestroyedItems(const std::vector<int>& undestroyed) = 0;
    // Whether the item at a 1-based index describes files listed before it (a Trash's record of
    // where a file came from) and must outlive them: before it, the run makes the earlier deletes
    // durable, then asks whyItemIsKept().
    virtual bool itemWaitsForEarlier(int /*index*/) const { return false; }
    // Why such an item is left untouched (what it describes is still there), or nothing.
    virtual std::error_code whyItemIsKept(int /*index*/) { return {}; }

    virtual int passCount() const = 0;

    virtual void setBarMinimum(ProgressBar bar, float minimum) = 0;
    virtual void setBarMaximum(ProgressBar bar, float maximum) = 0;
    virtual void setBarValue(ProgressBar bar, float value) = 0;
    virtual float barMaximum(ProgressBar bar) const = 0;
    virtual float barValue(ProgressBar bar) const = 0;

    // The run stopped after its current write, as asked, and can be continued.
    virtual void runStopped() = 0;
    virtual void refreshFileList() = 0;

    // Handle every pending event of the window, then return.
    virtual void yieldToEvents() = 0;

    // Called once at the end of a run that left files undestroyed, or destroyed files whose old
    // copies the overwrite may not have reached.
    virtual void reportRunEnd(const WipeReport& report) = 0;
};

} // namespace wypelark
