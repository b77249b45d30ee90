#include "removablemedia.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace {

QString tool(const QString& name)
{
    return QStandardPaths::findExecutable(name, {"/usr/local/sbin", "/usr/local/bin", "/usr/sbin", "/usr/bin", "/sbin", "/bin"});
}

bool isMountPoint(const QString& path)
{
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    return !path.isEmpty() && mounts.open(QIODevice::ReadOnly) && mounts.readAll().contains(' ' + QFile::encodeName(path) + ' ');
}

} // namespace

const char* RemovableMedia::name(Format format)
{
    return format == Format::ExFat ? "exFAT (exfat-fuse)" : "FAT16 (fusefat)";
}

RemovableMedia::RemovableMedia(Format format, int sizeMiB)
    : format_(format)
{
    const bool exfat = format == Format::ExFat;
    if (::geteuid() != 0)
        whyNot_ = QStringLiteral("mounting a test drive needs root");
    else if (!QFile::exists("/dev/fuse") || !QFile::exists("/dev/loop-control"))
        whyNot_ = QStringLiteral("no /dev/fuse or no loop devices here");
    for (const char* name : {exfat ? "mkfs.exfat" : "mkfs.fat", exfat ? "mount.exfat-fuse" : "fusefat", "losetup", "umount"}) {
        if (whyNot_.isEmpty() && tool(name).isEmpty())
            whyNot_ = QStringLiteral("%1 is not installed (scripts/install-deps installs it)").arg(name);
    }
    if (!whyNot_.isEmpty())
        return;
    image_ = dir_.filePath("drive.img");
    mountPoint_ = dir_.filePath("mnt");
    QFile image(image_);
    if (!QDir().mkpath(mountPoint_) || !image.open(QIODevice::WriteOnly) || !image.resize(qint64(sizeMiB) << 20)) {
        whyNot_ = QStringLiteral("cannot make the image in %1").arg(dir_.path());
        return;
    }
    image.close();
    if (!(exfat ? run(tool("mkfs.exfat"), {image_}) : run(tool("mkfs.fat"), {"-F", "16", image_})))
        return;
    QProcess losetup;
    losetup.start(tool("losetup"), {"-f", "--show", image_});
    if (!losetup.waitForFinished(20000) || losetup.exitCode() != 0) {
        whyNot_ = QStringLiteral("no loop device: %1").arg(QString::fromLocal8Bit(losetup.readAllStandardError()).trimmed());
        return;
    }
    loopDevice_ = QString::fromLocal8Bit(losetup.readAllStandardOutput()).trimmed();
    mount();
}

RemovableMedia::~RemovableMedia()
{
    unmount();
    if (!loopDevice_.isEmpty())
        run(tool("losetup"), {"-d", loopDevice_});
}

bool RemovableMedia::run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    // A FUSE driver goes on running after it mounts: it must not hold our pipes.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(dir_.filePath("stderr.txt"));
    process.start(program, arguments);
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    QFile err(dir_.filePath("stderr.txt"));
    err.open(QIODevice::ReadOnly);
    whyNot_ = QStringLiteral("%1 %2 failed: %3").arg(program, arguments.join(' '), QString::fromLocal8Bit(err.readAll()).trimmed());
    return false;
}

bool RemovableMedia::mount()
{
    bool started = true;
    if (format_ == Format::ExFat) {
        started = run(tool("mount.exfat-fuse"), {loopDevice_, mountPoint_});
    } else {
        foreground_.setStandardOutputFile(QProcess::nullDevice());
        foreground_.setStandardErrorFile(QProcess::nullDevice());
        foreground_.start(tool("fusefat"), {"-f", "-o", "rw+", loopDevice_, mountPoint_});
        started = foreground_.waitForStarted(10000);
    }
    // The driver may answer before the kernel shows the mount.
    const QDeadlineTimer deadline(10000);
    while (started && !isMountPoint(mountPoint_) && !deadline.hasExpired())
        QThread::msleep(20);
    mounted_ = isMountPoint(mountPoint_);
    if (!mounted_ && whyNot_.isEmpty())
        whyNot_ = QStringLiteral("the FUSE driver did not mount %1").arg(mountPoint_);
    return mounted_;
}

void RemovableMedia::unmount()
{
    // A driver still busy with the last request can refuse a first attempt.
    for (int attempt = 0; attempt < 50 && isMountPoint(mountPoint_); ++attempt) {
        if (!run(tool("umount"), {mountPoint_}))
            QThread::msleep(100);
    }
    if (isMountPoint(mountPoint_))
        run(tool("umount"), {"-l", mountPoint_});
    if (foreground_.state() != QProcess::NotRunning && !foreground_.waitForFinished(20000)) {
        foreground_.kill();
        foreground_.waitForFinished(5000);
    }
    mounted_ = false;
}

bool RemovableMedia::remount()
{
    unmount();
    return !isMountPoint(mountPoint_) && mount();
}
