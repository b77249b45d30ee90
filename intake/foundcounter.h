#pragma once

#include "pipeline/passprogress.h"
#include "platform/messages.h"

#include <QElapsedTimer>

// The running "found" count of an intake run. The label is sent at most about 30 times a
// second (the first count at once, the last one by finish) so that a large tree does not
// queue one window update per item. The clock is read every 16 counts only: a read costs
// more than listing an item.
class FoundCounter {
public:
    FoundCounter(PassProgress& progress, const char* key)
        : progress_(progress)
        , key_(key)
    {
    }

    void found(int count)
    {
        pending_ = count;
        if (!clock_.isValid() || (++sinceSent_ % 16 == 0 && clock_.elapsed() >= kIntervalMs))
            send();
    }

    void finish()
    {
        if (pending_ >= 0)
            send();
    }

private:
    static constexpr qint64 kIntervalMs = 33;

    void send()
    {
        progress_.setCount(msgN(key_, pending_));
        pending_ = -1;
        clock_.start();
    }

    PassProgress& progress_;
    const char* key_;
    QElapsedTimer clock_;
    int pending_ = -1;
    unsigned sinceSent_ = 0;
};
