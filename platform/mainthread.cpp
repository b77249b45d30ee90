#include "platform/mainthread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace MainThread {

bool isCurrent()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

void post(std::function<void()> fn)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}

void run(std::function<void()> fn)
{
    if (isCurrent()) {
        fn();
        return;
    }
    // Posted, then waited for on a standard condition variable (rather than a blocking
    // queued call, whose wait inside Qt no race detector can follow). The call's state is
    // shared, so it outlives whichever side lets go of it last.
    struct Call {
        std::function<void()> fn;
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
    };
    auto call = std::make_shared<Call>();
    call->fn = std::move(fn);
    post([call] {
        call->fn();
        {
            std::lock_guard<std::mutex> lock(call->mutex);
            call->finished = true;
        }
        call->done.notify_all();
    });
    std::unique_lock<std::mutex> lock(call->mutex);
    call->done.wait(lock, [&] { return call->finished; });
}

} // namespace MainThread
