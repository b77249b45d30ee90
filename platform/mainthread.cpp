#include "platform/mainthread.h"

#include "platform/racedetector.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace {

// A function travelling to the main thread as an event: made and filled by the posting
// thread, then read, run and deleted by the main thread only.
class FunctionEvent : public QEvent {
public:
    static QEvent::Type type()
    {
        static const auto registered = QEvent::Type(QEvent::registerEventType());
        return registered;
    }
    explicit FunctionEvent(std::function<void()> fn)
        : QEvent(type())
        , fn_(std::move(fn))
    {
    }
    void run() { fn_(); }

private:
    std::function<void()> fn_;
};

// Lives in the main thread and runs the functions posted to it.
class Receiver : public QObject {
public:
    bool event(QEvent* e) override
    {
        RaceDetector::takenOver(e);
        if (e->type() != FunctionEvent::type())
            return QObject::event(e);
        static_cast<FunctionEvent*>(e)->run();
        return true;
    }
};

QObject* receiver(QCoreApplication* app)
{
    // Made once, on whichever thread posts first, and moved to the main thread. Never
    // deleted: it may be needed until the very end of the process.
    static QObject* const object = [app] {
        auto* r = new Receiver;
        r->moveToThread(app->thread());
        return r;
    }();
    return object;
}

} // namespace

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
    auto* event = new FunctionEvent(std::move(fn));
    RaceDetector::handedOver(event);
    QCoreApplication::postEvent(receiver(app), event);
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
