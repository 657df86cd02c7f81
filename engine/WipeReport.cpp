#include "engine/WipeReport.h"

#include <set>

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
    case WipeStep::Verify:
        return "was overwritten, but the device does not give the overwrite back";
    case WipeStep::Delete:
        return "was overwritten but could not be deleted";
    case WipeStep::Sync:
        return "was overwritten and deleted, but its folder could not be flushed to the device, "
               "so its name may come back after a power cut";
    }
    return "failed";
}

} // namespace

const char* stepWord(WipeStep step) {
    switch (step) {
    case WipeStep::Open:
        return "open";
    case WipeStep::Length:
        return "measure";
    case WipeStep::Write:
        return "write";
    case WipeStep::Flush:
        return "flush";
    case WipeStep::Close:
        return "close";
    case WipeStep::Verify:
        return "verify";
    case WipeStep::Delete:
        return "delete";
    case WipeStep::Sync:
        return "sync";
    }
    return "unknown";
}

std::string printablePath(const std::string& path) {
    static const char hex[] = "0123456789abcdef";
    std::string shown;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f)
            shown += std::string("\\x") + hex[byte >> 4] + hex[byte & 0xf];
        else
            shown += c;
    }
    return shown;
}

int WipeReport::remarkedFileCount() const {
    std::set<std::string> paths;
    for (const StorageRemark& remark : remarks)
        paths.insert(remark.path);
    return static_cast<int>(paths.size());
}

std::string WipeReport::text() const {
    std::string text;
    if (!failures.empty()) {
        text += "These files were not destroyed:\n";
        for (const WipeFailure& failure : failures) {
            text += "\n" + printablePath(failure.path) + "\n    " + stepText(failure.step) +
                    ": error " + std::to_string(failure.error.value()) + ", " +
                    failure.error.message() + "\n";
            if (!failure.strandedAt.empty())
                text += "    Another program's file took its name meanwhile and could not be put "
                        "back; it is now at " +
                        printablePath(failure.strandedAt) + "\n";
        }
    }
    for (const StorageReason reason : AllStorageReasons) {
        std::string paths;
        for (const StorageRemark& remark : remarks) {
            if (remark.reason == reason)
                paths += "    " + printablePath(remark.path) + "\n";
        }
        if (paths.empty())
            continue;
        if (!text.empty())
            text += "\n";
        text += storageReasonText(reason) + "\n" + paths;
    }
    std::string removed;
    std::string left;
    for (const Leftover& leftover : leftovers) {
        if (leftover.reason)
            left += "    " + printablePath(leftover.path) + ": " + leftover.reason.message() + "\n";
        else
            removed += "    " + printablePath(leftover.path) + "\n";
    }
    if (!removed.empty())
        text += std::string(text.empty() ? "" : "\n") +
                "An earlier run was stopped after overwriting these files and before deleting "
                "them; they held only the fill and were deleted now:\n" +
                removed;
    if (!left.empty())
        text += std::string(text.empty() ? "" : "\n") +
                "These files have the hidden names an interrupted run leaves behind, but were "
                "left alone:\n" +
                left;
    return text;
}

} // namespace wypelark
