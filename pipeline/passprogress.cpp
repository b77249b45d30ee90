#include "pipeline/passprogress.h"

#include "platform/mainthread.h"
#include "platform/userinterface.h"

namespace {
constexpr qint64 kPathIntervalMs = 33;
constexpr int kItemsPerClockRead = 16;
}

// The latest path, read by the main thread when a posted update runs. The UI pointer is
// cleared when the pass is gone so that a late update does nothing.
struct PassProgress::Shared {
    std::mutex mutex;
    QString path;
    UserInterface* ui = nullptr;
};

PassProgress::PassProgress(UserInterface* ui)
    : ui_(ui)
    , shared_(std::make_shared<Shared>())
{
    shared_->ui = ui;
    clock_.start();
}

PassProgress::~PassProgress()
{
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->ui = nullptr;
}

void PassProgress::setPath(const QString& displayPath)
{
    if (onItem)
        onItem();
    if (!ui_)
        return;
    latestPath_ = displayPath;
    // The clock is read every few items: a read costs more than an item's share of the
    // updates, which come at most every kPathIntervalMs anyway.
    if (lastPost_ >= 0 && ++sinceClockRead_ < kItemsPerClockRead)
        return;
    sinceClockRead_ = 0;
    const qint64 t = clock_.elapsed();
    if (lastPost_ >= 0 && t - lastPost_ < kPathIntervalMs)
        return;
    lastPost_ = t;
    flush();
}

void PassProgress::flush()
{
    if (!ui_)
        return;
    {
        std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->path = latestPath_;
    }
    std::shared_ptr<Shared> shared = shared_;
    MainThread::post([shared] {
        std::lock_guard<std::mutex> lock(shared->mutex);
        if (shared->ui)
            shared->ui->setProgressPath(shared->path);
    });
}

void PassProgress::setCount(const QString& text)
{
    if (!ui_)
        return;
    std::shared_ptr<Shared> shared = shared_;
    MainThread::post([shared, text] {
        std::lock_guard<std::mutex> lock(shared->mutex);
        if (shared->ui)
            shared->ui->setCountText(text);
    });
}

void PassProgress::setMessage(const QString& text)
{
    if (!ui_)
        return;
    std::shared_ptr<Shared> shared = shared_;
    MainThread::post([shared, text] {
        std::lock_guard<std::mutex> lock(shared->mutex);
        if (shared->ui)
            shared->ui->setProgressMessage(text);
    });
}
