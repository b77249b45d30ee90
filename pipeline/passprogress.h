#pragma once

#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class UserInterface;

// Progress reports from a background pass to the window. The path line is throttled
// (the latest path wins, about 30 updates a second) so that a pass never pays a round
// trip to the main thread per item; counts are posted without waiting.
class PassProgress {
public:
    explicit PassProgress(UserInterface* ui);
    ~PassProgress();

    void setPath(const QString& displayPath);
    void setCount(const QString& text);
    void setMessage(const QString& text);
    // Sends the last path that was held back by the throttle. On the pass's thread, or
    // after the pass has ended.
    void flush();

    // Runs on the pass's own thread each time an item is reached (setPath), before the
    // throttle; tests use it to cancel at an exact item.
    std::function<void()> onItem;

private:
    struct Shared;
    UserInterface* ui_;
    std::shared_ptr<Shared> shared_;
    QElapsedTimer clock_;
    qint64 lastPost_ = -1;
    int sinceClockRead_ = 0;
    QString latestPath_; // the pass's own copy; handed over under the lock when sent
};
