#include "platform/renameworker.h"

#include "platform/moveladder.h"
#include "platform/utf16scan.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <string_view>
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

// The bytes of the folder part of a native path, its last slash included (0 without one).
size_t folderBytes(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// The folder the moves of a batch are made in, opened for its moves.
class OpenFolder {
public:
    ~OpenFolder() { close(); }
    // Opens the folder `path` (its bytes, the slash included) unless it is open already.
    bool use(std::string_view path)
    {
        if (fd_ >= 0 && path == path_)
            return true;
        close();
        path_.assign(path);
        fd_ = ::open(path_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        return fd_ >= 0;
    }
    int fd() const { return fd_; }

private:
    void close()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }
    std::string path_;
    int fd_ = -1;
};

} // namespace

bool RenameWorker::Batch::add(QStringView source, QStringView target)
{
    const size_t at = paths_.size();
    if (!appendNative(paths_, source)) {
        paths_.resize(at);
        return false;
    }
    const size_t targetAt = paths_.size();
    if (!appendNative(paths_, target)) {
        paths_.resize(at);
        return false;
    }
    const std::string_view sourcePath(paths_.data() + at, targetAt - at - 1);
    const std::string_view targetPath(paths_.data() + targetAt, paths_.size() - targetAt - 1);
    const size_t folder = folderBytes(sourcePath);
    const bool sameFolder = folder > 0 && folder == folderBytes(targetPath)
        && folder < sourcePath.size() && folder < targetPath.size()
        && sourcePath.substr(0, folder) == targetPath.substr(0, folder);
    moves_.push_back(Move{at, sameFolder ? folder : 0});
    return true;
}

void RenameWorker::Batch::truncate(size_t count)
{
    if (count >= moves_.size())
        return;
    paths_.resize(moves_[count].source);
    moves_.resize(count);
}

void RenameWorker::Batch::run(const std::atomic<bool>& stop)
{
    made = 0;
    error = 0;
    const auto renameat2 = MoveLadder::calls().renameat2;
    OpenFolder folder;
    for (const Move& move : moves_) {
        if (stop.load(std::memory_order_relaxed))
            return;
        const char* source = paths_.data() + move.source;
        const char* target = source + std::char_traits<char>::length(source) + 1;
        int fd = AT_FDCWD;
        if (move.folderBytes > 0) {
            if (!folder.use(std::string_view(source, move.folderBytes))) {
                error = errno;
                return;
            }
            fd = folder.fd();
            source += move.folderBytes;
            target += move.folderBytes;
        }
        if (renameat2(fd, source, fd, target, RENAME_NOREPLACE) != 0) {
            error = errno;
            return;
        }
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
