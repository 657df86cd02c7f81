// SPDX-License-Identifier: LicenseRef-proprietary
#include "control/WaitingDirectoryAccess.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace wypelark {
namespace {

// Most reads end within a millisecond: waiting that long without the event loop spares its
// set-up and the events handled beneath the caller.
constexpr std::chrono::milliseconds QuickRead{1};

template <typename Result> struct PendingRead {
    std::mutex mutex;
    std::condition_variable ended;
    std::optional<Result> result;
    QEventLoop* loop = nullptr; // set and read on the waiting thread only
};

} // namespace

WaitingDirectoryAccess::WaitingDirectoryAccess(const DirectoryAccess& inner,
                                               std::function<void(bool)> busy)
    : mInner(inner), mBusy(std::move(busy)) {}

// The thread holds the pending read and the inner access only: the caller's frame may be gone
// by the time a read that was given up ends.
template <typename Result>
Result WaitingDirectoryAccess::awayFromThisThread(std::function<Result()> read,
                                                  Result givenUp) const {
    const auto pending = std::make_shared<PendingRead<Result>>();
    std::thread([pending, read = std::move(read), givenUp]() {
        Result result = givenUp;
        try {
            result = read();
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
    if (!pending->ended.wait_for(lock, QuickRead, [&] { return pending->result.has_value(); })) {
        lock.unlock();
        if (mWaiting++ == 0 && mBusy)
            mBusy(true);
        QEventLoop loop;
        pending->loop = &loop;
        // The loop ends when the read has ended, or when the application does.
        loop.exec();
        pending->loop = nullptr;
        if (--mWaiting == 0 && mBusy)
            mBusy(false);
        lock.lock();
    }
    return pending->result ? std::move(*pending->result) : givenUp;
}

DirectoryListing WaitingDirectoryAccess::list(const QByteArray& folder) const {
    const DirectoryAccess& inner = mInner;
    return awayFromThisThread<DirectoryListing>(
        [&inner, folder] { return inner.list(folder); },
        {{}, std::make_error_code(std::errc::operation_canceled)});
}

std::vector<Volume> WaitingDirectoryAccess::volumes() const {
    const DirectoryAccess& inner = mInner;
    return awayFromThisThread<std::vector<Volume>>([&inner] { return inner.volumes(); }, {});
}

} // namespace wypelark
