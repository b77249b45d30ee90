#include "platform/renameworker.h"

#include "platform/utf16scan.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// The path's bytes appended to out with a closing NUL; plain ASCII without the codec.
bool appendNative(std::string& out, QStringView path)
{
    const size_t at = out.size();
    if (Utf16Scan::spanWithin<>(path, 1, 0x80) == path.size()) {
        out.resize(at + size_t(path.size()) + 1);
        Utf16Scan::narrowInto(out.data() + at, path);
        out.back() = '\0';
        return true;
    }
    const QByteArray encoded = QFile::encodeName(path.toString());
    if (encoded.contains('\0'))
        return false;
    out.append(encoded.constData(), size_t(encoded.size()));
    out.push_back('\0');
    return true;
}

} // namespace

bool RenameWorker::Batch::add(QStringView source, QStringView target)
{
    const size_t at = paths_.size();
    if (!appendNative(paths_, source) || !appendNative(paths_, target)) {
        paths_.resize(at);
        return false;
    }
    starts_.push_back(at);
    return true;
}

void RenameWorker::Batch::truncate(size_t count)
{
    if (count >= starts_.size())
        return;
    paths_.resize(starts_[count]);
    starts_.resize(count);
}

void RenameWorker::Batch::run(const std::atomic<bool>& stop)
{
    made = 0;
    error = 0;
    for (const size_t start : starts_) {
        if (stop.load(std::memory_order_relaxed))
            return;
        const char* source = paths_.data() + start;
        const char* target = source + std::char_traits<char>::length(source) + 1;
#ifdef SYS_renameat2
        if (::syscall(SYS_renameat2, AT_FDCWD, source, AT_FDCWD, target, RENAME_NOREPLACE) != 0) {
            error = errno;
            return;
        }
#else
        error = EINVAL;
        return;
#endif
        ++made;
    }
}

RenameWorker::RenameWorker(const std::atomic<bool>& stop)
    : stop_(stop)
    , thread_([this] { loop(); })
{
}

RenameWorker::~RenameWorker()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void RenameWorker::start(Batch& batch)
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        batch_ = &batch;
    }
    changed_.notify_all();
}

void RenameWorker::wait()
{
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return batch_ == nullptr; });
}

void RenameWorker::loop()
{
    std::unique_lock<std::mutex> lock(mutex_);
    while (true) {
        changed_.wait(lock, [this] { return quit_ || batch_ != nullptr; });
        if (quit_)
            return;
        Batch* batch = batch_;
        lock.unlock();
        batch->run(stop_);
        lock.lock();
        batch_ = nullptr;
        changed_.notify_all();
    }
}
