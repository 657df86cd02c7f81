// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

namespace wypelark {

// What adding a path that is listed already does: nothing, or take the file that the path names
// now (an editor that saves by renaming a new file onto the name leaves another file there).
enum class ListedPaths { Skip, TakeAgain };

} // namespace wypelark
