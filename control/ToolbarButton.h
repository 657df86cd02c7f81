// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

namespace wypelark {

// The window's commands by their 1-based place on its toolbar; 3 and 5 are separators.
enum class ToolbarButton { Delete = 1, Pause = 2, Info = 4, Exit = 6 };

} // namespace wypelark
