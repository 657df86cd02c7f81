// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/BackgroundPriority.h"

#include <cstddef>
#include <thread>
#include <utility>

namespace wypelark {

// Containers of more elements than this are freed away from the calling thread.
inline constexpr std::size_t ReleasedAwayFrom = 10000;

// Frees what a container holds: a million names take a tenth of a second to free, longer than a
// window may go without answering, so a large one is freed on a thread of its own. Its elements
// must be safe to free on another thread (implicitly shared Qt values and plain ones are).
template <typename Container> void releaseAway(Container doomed) {
    if (static_cast<std::size_t>(doomed.size()) <= ReleasedAwayFrom)
        return;
    std::thread([held = std::move(doomed)]() mutable {
        yieldToForeground();
        const Container gone = std::move(held);
    }).detach();
}

} // namespace wypelark
