// SPDX-License-Identifier: LicenseRef-proprietary
#include "engine/WipeError.h"

#include <string>

namespace wypelark {
namespace {

class WipeCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "wypelark"; }

    // The reason's stable word: the sentences a person reads are made by the front ends.
    std::string message(int value) const override { return reasonWord({value, *this}); }
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
    case WipeErrc::ReadOnlyVolume:
        return "read-only-volume";
    case WipeErrc::MemoryVolume:
        return "memory-volume";
    case WipeErrc::NetworkVolume:
        return "network-volume";
    case WipeErrc::DeviceBlocksDiffer:
        return "device-blocks-differ";
    case WipeErrc::DescribedFileKept:
        return "described-file-kept";
    case WipeErrc::UnsafeTrash:
        return "unsafe-trash";
    case WipeErrc::NotMounted:
        return "not-mounted";
    }
    return "unknown";
}

const std::error_category& wipeCategory() {
    static const WipeCategory category;
    return category;
}

std::error_code reasonOfWord(const std::string& word) {
    for (int value = static_cast<int>(WipeErrc::SymbolicLink);
         value <= static_cast<int>(WipeErrc::NotMounted); ++value) {
        const std::error_code reason(value, wipeCategory());
        if (reasonWord(reason) == word)
            return reason;
    }
    return {};
}

std::error_code make_error_code(WipeErrc errc) {
    return {static_cast<int>(errc), wipeCategory()};
}

} // namespace wypelark
