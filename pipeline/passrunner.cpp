#include "pipeline/passrunner.h"

#include "pipeline/controllerstate.h"
#include "platform/mainthread.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace PassRunner {

namespace {
std::atomic<Placement> g_placement{Placement::WorkerThread};
}

void setPlacement(Placement placement)
{
    g_placement = placement;
}

void start(std::function<void()> work, std::function<void()> finish)
{
    if (g_placement.load() == Placement::CallingThread) {
        work();
        work = nullptr;
        MainThread::post(std::move(finish));
        return;
    }
    QThread* thread = QThread::create([work = std::move(work), finish = std::move(finish)]() mutable {
        work();
        // What the work holds is let go here, before the finish is handed over: the
        // finish then owns the pass's last state alone and frees it on the main thread.
        work = nullptr;
        MainThread::post(std::move(finish));
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

void waitUntilIdle(const ControllerState& state)
{
    // A pass run on the calling thread is done but for its finish, which is posted.
    if (state.isExecuting.load() && g_placement.load() == Placement::CallingThread)
        QCoreApplication::processEvents();
    if (state.isExecuting.load()) {
        QEventLoop loop;
        const auto quitWhenIdle = [&] {
            if (!state.isExecuting.load())
                loop.quit();
        };
        // Checked whenever the loop is about to wait: a pass ends with its finish posted to
        // this thread, so the wait ends right after it instead of at the next tick (three
        // passes of a short command lost up to 5 ms each that way).
        QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop,
                         quitWhenIdle);
        // And at least every 5 ms, should a pass end without an event here.
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, &loop, quitWhenIdle);
        poll.start();
        loop.exec();
    }
    // Deliver what the pass posted last (its final count line, the reload).
    QCoreApplication::processEvents();
}

void runAndWait(ControllerState& state, std::function<void()> work)
{
    state.isExecuting = true;
    ControllerState* executing = &state;
    start(std::move(work), [executing] { executing->isExecuting = false; });
    waitUntilIdle(state);
}

} // namespace PassRunner
