// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/DeviceWaiter.h"

#include <QObject>
#include <QThreadPool>

namespace wypelark {

// Makes the calls that may wait on the device on a worker thread, one at a time in the order
// given, while the window's thread goes on handling its events. That thread sleeps until either
// an event or the end of the call wakes it: it never spins.
class EventLoopWaiter final : public DeviceWaiter {
public:
    // Background: the worker yields the processor to the window's thread, for long work such
    // as measuring a million files that no one waits on byte by byte.
    enum class Share { Equal, Background };

    explicit EventLoopWaiter(Share share = Share::Equal);
    ~EventLoopWaiter() override;
    EventLoopWaiter(const EventLoopWaiter&) = delete;
    EventLoopWaiter& operator=(const EventLoopWaiter&) = delete;

    // Returns when the call has returned; what it throws is thrown here.
    void wait(const std::function<void()>& call) override;
    // Hands a call to the worker, after the ones handed before, and returns at once; what it
    // throws is dropped.
    void post(std::function<void()> call);
    // Returns once every call handed to the worker has ended.
    void settle();
    // Whether a call is being waited for, the events handled meanwhile included.
    bool waiting() const { return mDepth > 0; }

private:
    void startOnWorker(std::function<void()> call);

    QThreadPool mWorker;
    const Share mShare;
    QObject mWaker; // lives on the window's thread, where it ends the wait's event loop
    int mDepth = 0;
};

} // namespace wypelark
