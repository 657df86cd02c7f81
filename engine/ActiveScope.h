// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

namespace wypelark {

// Marks a run, or a step of it, active for the length of one call.
class ActiveScope {
public:
    explicit ActiveScope(bool& active) : mFlag(active) { mFlag = true; }
    ~ActiveScope() { mFlag = false; }
    ActiveScope(const ActiveScope&) = delete;
    ActiveScope& operator=(const ActiveScope&) = delete;

private:
    bool& mFlag;
};

} // namespace wypelark
