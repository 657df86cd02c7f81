// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <string>
#include <system_error>

namespace wypelark {

// Reasons of the run's own for leaving a file alone; system errors keep their errno.
enum class WipeErrc {
    SymbolicLink = 1001,
    NotRegularFile = 1002,
    NoPassMade = 1003,
    Changed = 1004,
    KernelFileSystem = 1005,
    KeptGrowing = 1006,
    HolesDoNotFit = 1007,
    OtherFileSystem = 1008,
    ReadBackDiffers = 1009,
    EmptyName = 1010,
    NotOnlyFill = 1011,
    OwnedByAnother = 1012,
    Interrupted = 1013,
    NotReached = 1014,
    ReadOnlyVolume = 1015,
    MemoryVolume = 1016,
    NetworkVolume = 1017,
    DeviceBlocksDiffer = 1018,
    DescribedFileKept = 1019, // a record of a file is kept while the file is
    UnsafeTrash = 1020,       // a shared trash folder anyone could have swapped
    NotMounted = 1021,
};

const std::error_category& wipeCategory();
// A reason of the run's own as a stable word for machine-read reports ("changed", ...); empty
// for an error of another category.
std::string reasonWord(const std::error_code& error);
std::error_code make_error_code(WipeErrc errc);
// The reason a stable word names; nothing for a word of no reason.
std::error_code reasonOfWord(const std::string& word);

} // namespace wypelark

template <> struct std::is_error_code_enum<wypelark::WipeErrc> : std::true_type {};
