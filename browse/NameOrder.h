// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "browse/DirectoryAccess.h"

#include <vector>

namespace wypelark {

// Sorts a listing's entries as a file manager does: by their shown names, ignoring case, with
// digit runs compared as numbers; names that show alike keep a stable byte order.
void sortEntries(std::vector<DirectoryEntry>& entries);

} // namespace wypelark
