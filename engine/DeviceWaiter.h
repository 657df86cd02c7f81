// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include <functional>

namespace wypelark {

// Runs a call that may wait on the device (an open, a flush, a delete) and returns once the call
// has returned. A window's waiter keeps its event loop turning meanwhile; the engine only needs
// the call to have happened, in order, before the next one starts.
class DeviceWaiter {
public:
    virtual ~DeviceWaiter() = default;

    virtual void wait(const std::function<void()>& call) = 0;
};

} // namespace wypelark
