#include "foldertraps.h"

#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = false;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

bool refusesNewEntries(const QString& path)
{
    QFile probe(path + QStringLiteral("/.probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        return false;
    }
    return true;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& path)
    : path_(path)
{
    immutable_ = setImmutable(path, true);
    if (!immutable_)
        ::chmod(QFile::encodeName(path).constData(), 0555);
    active_ = refusesNewEntries(path);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (immutable_)
        setImmutable(path_, false);
    else
        ::chmod(QFile::encodeName(path_).constData(), 0755);
}

SmallFileSystem::SmallFileSystem(const QString& mountPoint, int kilobytes)
    : mountPoint_(mountPoint)
{
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0755";
    mounted_ = ::geteuid() == 0
        && ::mount("quorvel-test", QFile::encodeName(mountPoint).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                   options.constData())
            == 0;
}

SmallFileSystem::~SmallFileSystem()
{
    if (mounted_)
        ::umount2(QFile::encodeName(mountPoint_).constData(), MNT_DETACH);
}

bool SmallFileSystem::fillLeaving(qint64 free)
{
    QFile ballast(mountPoint_ + QStringLiteral("/.ballast"));
    if (!ballast.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray page(4096, 'b');
    for (;;) {
        struct statvfs fs {};
        if (::statvfs(QFile::encodeName(mountPoint_).constData(), &fs) != 0)
            return false;
        const qint64 left = qint64(fs.f_bavail) * qint64(fs.f_frsize);
        if (left <= free)
            return true;
        if (ballast.write(page) != page.size())
            return left <= free + page.size();
    }
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    oldHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    oldSoft_ = limit.rlim_cur;
    limit.rlim_cur = rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit {};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(oldSoft_);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::signal(SIGXFSZ, oldHandler_);
}
