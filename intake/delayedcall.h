#pragma once

#include <QObject>

#include <functional>
#include <memory>

// One pending call after a delay, replaced by every new schedule: the delayed load of
// opened documents. An interface so that tests can fire the call themselves instead of
// waiting for a timer.
class DelayedCall {
public:
    virtual ~DelayedCall() = default;
    // Drops a pending call, then arranges for fn to run once after the delay on the
    // main thread.
    virtual void schedule(int milliseconds, std::function<void()> fn) = 0;
    // Drops a pending call; nothing runs.
    virtual void cancel() = 0;
};

// The real one: a QTimer single shot whose context object belongs to this instance, so
// a pending call dies with it (and with cancel, which replaces the context).
class TimerDelayedCall : public DelayedCall {
public:
    TimerDelayedCall();
    ~TimerDelayedCall() override;

    void schedule(int milliseconds, std::function<void()> fn) override;
    void cancel() override;

private:
    std::unique_ptr<QObject> context_;
};
