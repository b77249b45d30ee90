#include "intake/delayedcall.h"

#include <QTimer>

TimerDelayedCall::TimerDelayedCall() : context_(std::make_unique<QObject>()) {}

TimerDelayedCall::~TimerDelayedCall() = default;

void TimerDelayedCall::schedule(int milliseconds, std::function<void()> fn)
{
    cancel();
    QTimer::singleShot(milliseconds, context_.get(), std::move(fn));
}

void TimerDelayedCall::cancel()
{
    // A single shot cannot be stopped on its own; destroying its context drops it.
    context_ = std::make_unique<QObject>();
}
