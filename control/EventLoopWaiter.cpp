// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/EventLoopWaiter.h"

#include "engine/BackgroundPriority.h"

#include <QEventLoop>

#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>

namespace wypelark {
namespace {

// Most calls end within a millisecond (a close, an open of a cached name): waiting that long
// without the event loop costs no liveness and spares the loop's set-up.
constexpr std::chrono::milliseconds QuickCall{1};

struct PendingCall {
    std::mutex mutex;
    std::condition_variable finishedChanged;
    bool finished = false;
    std::exception_ptr failure;
    QEventLoop* loop = nullptr; // set and read on the waiting thread only

    bool waitFinished(std::chrono::milliseconds atMost) {
        std::unique_lock lock(mutex);
        return finishedChanged.wait_for(lock, atMost, [this] { return finished; });
    }
    void waitFinished() {
        std::unique_lock lock(mutex);
        finishedChanged.wait(lock, [this] { return finished; });
    }
};

class DepthScope {
public:
    explicit DepthScope(int& depth) : mDepth(depth) { ++mDepth; }
    ~DepthScope() { --mDepth; }
    DepthScope(const DepthScope&) = delete;
    DepthScope& operator=(const DepthScope&) = delete;

private:
    int& mDepth;
};

} // namespace

EventLoopWaiter::EventLoopWaiter(Share share) : mShare(share) {
    mWorker.setMaxThreadCount(1);
    mWorker.setExpiryTimeout(-1);
}

EventLoopWaiter::~EventLoopWaiter() {
    mWorker.waitForDone();
}

void EventLoopWaiter::startOnWorker(std::function<void()> call) {
    mWorker.start([call = std::move(call), background = mShare == Share::Background] {
        if (background)
            yieldToForeground();
        call();
    });
}

void EventLoopWaiter::post(std::function<void()> call) {
    startOnWorker([call = std::move(call)] {
        try {
            call();
        } catch (...) {
        }
    });
}

void EventLoopWaiter::settle() {
    mWorker.waitForDone();
}

void EventLoopWaiter::wait(const std::function<void()>& call) {
    const DepthScope depth(mDepth);
    const auto pending = std::make_shared<PendingCall>();
    startOnWorker([pending, &call, waker = &mWaker] {
        try {
            call();
        } catch (...) {
            pending->failure = std::current_exception();
        }
        // Wake the loop before saying the call has finished: once it has, the waiter and its
        // waker may be gone.
        QMetaObject::invokeMethod(
            waker,
            [pending] {
                if (pending->loop)
                    pending->loop->quit();
            },
            Qt::QueuedConnection);
        {
            const std::lock_guard lock(pending->mutex);
            pending->finished = true;
        }
        pending->finishedChanged.notify_all();
    });

    if (!pending->waitFinished(QuickCall)) {
        QEventLoop loop;
        pending->loop = &loop;
        loop.exec();
        pending->loop = nullptr;
        // The loop also ends when the application quits; the call is still waited for.
        pending->waitFinished();
    }
    if (pending->failure)
        std::rethrow_exception(pending->failure);
}

} // namespace wypelark
