#include "removablemedia.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <unistd.h>

namespace {

// The tools a format needs: mkfs, the FUSE driver.
QStringList toolsOf(RemovableMedia::Format format)
{
    if (format == RemovableMedia::Format::ExFat)
        return {QStringLiteral("mkfs.exfat"), QStringLiteral("mount.exfat-fuse")};
    return {QStringLiteral("mkfs.fat"), QStringLiteral("fusefat")};
}

QString tool(const QString& name)
{
    QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        path = QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    return path;
}

bool isMountPoint(const QString& path)
{
    QFile mounts(QStringLiteral("/proc/self/mountinfo"));
    if (!mounts.open(QIODevice::ReadOnly))
        return false;
    const QByteArray needle = ' ' + QFile::encodeName(path) + ' ';
    return mounts.readAll().contains(needle);
}

} // namespace

const char* RemovableMedia::name(Format format)
{
    return format == Format::ExFat ? "exFAT (exfat-fuse)" : "FAT16 (fusefat)";
}

RemovableMedia::RemovableMedia(Format format, int sizeMiB)
    : format_(format)
{
    if (::geteuid() != 0) {
        whyNot_ = QStringLiteral("mounting a test drive needs root");
        return;
    }
    if (!QFile::exists(QStringLiteral("/dev/fuse")) || !QFile::exists(QStringLiteral("/dev/loop-control"))) {
        whyNot_ = QStringLiteral("no /dev/fuse or no loop devices here");
        return;
    }
    for (const QString& name : toolsOf(format) + QStringList{QStringLiteral("losetup"), QStringLiteral("umount")}) {
        if (tool(name).isEmpty()) {
            whyNot_ = QStringLiteral("%1 is not installed (scripts/install-deps installs it)").arg(name);
            return;
        }
    }
    image_ = dir_.filePath(QStringLiteral("drive.img"));
    mountPoint_ = dir_.filePath(QStringLiteral("mnt"));
    QFile image(image_);
    if (!QDir().mkpath(mountPoint_) || !image.open(QIODevice::WriteOnly) || !image.resize(qint64(sizeMiB) << 20)) {
        whyNot_ = QStringLiteral("cannot make the image in %1").arg(dir_.path());
        return;
    }
    image.close();
    const bool made = format == Format::ExFat
        ? run(tool(QStringLiteral("mkfs.exfat")), {image_})
        : run(tool(QStringLiteral("mkfs.fat")), {QStringLiteral("-F"), QStringLiteral("16"), image_});
    if (!made)
        return;
    QProcess losetup;
    losetup.start(tool(QStringLiteral("losetup")), {QStringLiteral("-f"), QStringLiteral("--show"), image_});
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
        run(tool(QStringLiteral("losetup")), {QStringLiteral("-d"), loopDevice_});
}

bool RemovableMedia::run(const QString& program, const QStringList& arguments, int timeoutMs)
{
    QProcess process;
    // A FUSE driver goes on running after it mounts: it must not hold our pipes.
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(dir_.filePath(QStringLiteral("stderr.txt")));
    process.start(program, arguments);
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    QFile err(dir_.filePath(QStringLiteral("stderr.txt")));
    err.open(QIODevice::ReadOnly);
    whyNot_ = QStringLiteral("%1 %2 failed: %3")
                  .arg(program, arguments.join(QLatin1Char(' ')), QString::fromLocal8Bit(err.readAll()).trimmed());
    return false;
}

bool RemovableMedia::mount()
{
    bool started = true;
    if (format_ == Format::ExFat) {
        started = run(tool(QStringLiteral("mount.exfat-fuse")), {loopDevice_, mountPoint_});
    } else {
        foreground_.setStandardOutputFile(QProcess::nullDevice());
        foreground_.setStandardErrorFile(QProcess::nullDevice());
        foreground_.start(tool(QStringLiteral("fusefat")),
                          {QStringLiteral("-f"), QStringLiteral("-o"), QStringLiteral("rw+"), loopDevice_, mountPoint_});
        started = foreground_.waitForStarted(10000);
        if (!started)
            whyNot_ = QStringLiteral("fusefat did not start");
    }
    // The driver may answer before the kernel shows the mount.
    const QDeadlineTimer deadline(10000);
    while (started && !isMountPoint(mountPoint_) && !deadline.hasExpired())
        QThread::msleep(20);
    mounted_ = started && isMountPoint(mountPoint_);
    if (started && !mounted_)
        whyNot_ = QStringLiteral("the FUSE driver started but %1 is not mounted").arg(mountPoint_);
    return mounted_;
}

void RemovableMedia::unmount()
{
    // A driver still busy with the last request can refuse a first attempt.
    for (int attempt = 0; attempt < 50 && !mountPoint_.isEmpty() && isMountPoint(mountPoint_); ++attempt) {
        if (!run(tool(QStringLiteral("umount")), {mountPoint_}))
            QThread::msleep(100);
    }
    if (!mountPoint_.isEmpty() && isMountPoint(mountPoint_))
        run(tool(QStringLiteral("umount")), {QStringLiteral("-l"), mountPoint_});
    if (foreground_.state() != QProcess::NotRunning && !foreground_.waitForFinished(20000)) {
        foreground_.kill();
        foreground_.waitForFinished(5000);
    }
    mounted_ = false;
}

bool RemovableMedia::remount()
{
    unmount();
    if (isMountPoint(mountPoint_)) {
        whyNot_ = QStringLiteral("%1 could not be unmounted").arg(mountPoint_);
        return false;
    }
    return mount();
}
