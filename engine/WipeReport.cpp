#include "engine/WipeReport.h"

namespace wypelark {
namespace {

const char* stepText(WipeStep step) {
    switch (step) {
    case WipeStep::Open:
        return "could not be opened";
    case WipeStep::Length:
        return "could not be measured";
    case WipeStep::Write:
        return "could not be overwritten";
    case WipeStep::Flush:
        return "could not be flushed to the device";
    case WipeStep::Close:
        return "could not be closed";
    case WipeStep::Delete:
        return "was overwritten but could not be deleted";
    }
    return "failed";
}

} // namespace

std::string WipeReport::text() const {
    std::string text;
    if (!failures.empty()) {
        text += "These files were not destroyed:\n";
        for (const WipeFailure& failure : failures) {
            text += "\n" + failure.path + "\n    " + stepText(failure.step) + ": error " +
                    std::to_string(failure.error.value()) + ", " + failure.error.message() + "\n";
        }
    }
    for (const StorageReason reason : AllStorageReasons) {
        std::string paths;
        for (const StorageRemark& remark : remarks) {
            if (remark.reason == reason)
                paths += "    " + remark.path + "\n";
        }
        if (paths.empty())
            continue;
        if (!text.empty())
            text += "\n";
        text += storageReasonText(reason) + "\n" + paths;
    }
    return text;
}

} // namespace wypelark
