#include "engine/WipeError.h"

#include <string>

namespace wypelark {
namespace {

class WipeCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "wypelark"; }

    std::string message(int value) const override {
        switch (static_cast<WipeErrc>(value)) {
        case WipeErrc::SymbolicLink:
            return "Is a symbolic link; neither it nor its target was touched";
        case WipeErrc::NotRegularFile:
            return "Not a regular file; left alone";
        case WipeErrc::NoPassMade:
            return "No overwrite pass was made; the file was left alone";
        case WipeErrc::Changed:
            return "Changed since it was added: the name, or a folder on its way, now leads to "
                   "another file; nothing there was touched";
        case WipeErrc::KernelFileSystem:
            return "Lies on one of the kernel's own file systems (sysfs, procfs and the like), "
                   "whose files are settings, not data; left alone";
        case WipeErrc::KeptGrowing:
            return "Another program kept writing to it; it was left in place";
        case WipeErrc::ReadBackDiffers:
            return "What was read back differs from what was written; the file was left";
        case WipeErrc::OtherFileSystem:
            return "Another file system, or another mount of one, is mounted here; it was not "
                   "entered";
        case WipeErrc::EmptyName:
            return "An empty argument names no file; nothing was looked for";
        case WipeErrc::NotOnlyFill:
            return "Holds something other than the fill; left alone";
        case WipeErrc::OwnedByAnother:
            return "Belongs to another user, or has other names; left alone";
        case WipeErrc::Interrupted:
            return "The run was interrupted while overwriting it: it is partly overwritten and "
                   "still exists";
        case WipeErrc::NotReached:
            return "The run was interrupted before it got to this file; it is untouched";
        case WipeErrc::HolesDoNotFit:
            return "A sparse file whose holes would not fit in the free space of its volume; "
                   "left alone";
        }
        return "Unknown error";
    }
};

} // namespace

std::string reasonWord(const std::error_code& error) {
    if (error.category() != wipeCategory())
        return {};
    switch (static_cast<WipeErrc>(error.value())) {
    case WipeErrc::SymbolicLink:
        return "symbolic-link";
    case WipeErrc::NotRegularFile:
        return "not-regular-file";
    case WipeErrc::NoPassMade:
        return "no-pass-made";
    case WipeErrc::Changed:
        return "changed";
    case WipeErrc::KernelFileSystem:
        return "kernel-file-system";
    case WipeErrc::KeptGrowing:
        return "kept-growing";
    case WipeErrc::HolesDoNotFit:
        return "holes-do-not-fit";
    case WipeErrc::OtherFileSystem:
        return "other-mount";
    case WipeErrc::ReadBackDiffers:
        return "read-back-differs";
    case WipeErrc::EmptyName:
        return "empty-name";
    case WipeErrc::NotOnlyFill:
        return "not-only-fill";
    case WipeErrc::OwnedByAnother:
        return "owned-by-another";
    case WipeErrc::Interrupted:
        return "interrupted";
    case WipeErrc::NotReached:
        return "not-reached";
    }
    return "unknown";
}

const std::error_category& wipeCategory() {
    static const WipeCategory category;
    return category;
}

std::error_code make_error_code(WipeErrc errc) {
    return {static_cast<int>(errc), wipeCategory()};
}

} // namespace wypelark
