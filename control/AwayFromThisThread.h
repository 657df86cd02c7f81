// SPDX-License-Identifier: LicenseRef-proprietary
#pragma once

#include "engine/BackgroundPriority.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace wypelark {

namespace away {

// Most work ends within a millisecond: waiting that long without the event loop spares its
// set-up and the events handled beneath the caller.
constexpr std::chrono::milliseconds QuickWork{1};

template <typename Result> struct Pending {
    std::mutex mutex;
    std::condition_variable ended;
    std::optional<Result> result;
    QEventLoop* loop = nullptr; // set and read on the waiting thread only
};

} // namespace away

// Runs work on a thread of its own, nicer than this one, while this thread goes on handling its
// events, and returns its result. The thread holds its work and the pending result only, so
// work must own or share what it reads: the caller's frame may be gone by the time work ends. When
// the application ends first, or work throws, givenUp comes back and the thread is left to end on
// its own. waiting is told true when the work has taken more than a moment and false when it ended.
template <typename Result>
Result awayFromThisThread(std::function<Result()> work, Result givenUp,
                          const std::function<void(bool)>& waiting = {}) {
    const auto pending = std::make_shared<away::Pending<Result>>();
    std::thread([pending, work = std::move(work), givenUp]() {
        yieldToForeground();
        Result result = givenUp;
        try {
            result = work();
        } catch (...) {
        }
        {
            const std::lock_guard lock(pending->mutex);
            pending->result = std::move(result);
        }
        pending->ended.notify_all();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [pending] {
                if (pending->loop)
                    pending->loop->quit();
            },
            Qt::QueuedConnection);
    }).detach();

    std::unique_lock lock(pending->mutex);
    if (!pending->ended.wait_for(lock, away::QuickWork,
                                 [&] { return pending->result.has_value(); })) {
        lock.unlock();
        if (waiting)
            waiting(true);
        QEventLoop loop;
        pending->loop = &loop;
        // The loop ends when the work has ended, or when the application does.
        loop.exec();
        pending->loop = nullptr;
        if (waiting)
            waiting(false);
        lock.lock();
    }
    return pending->result ? std::move(*pending->result) : givenUp;
}

} // namespace wypelark
