#include "platform/filesystemtype.h"

#include <QFile>
#include <QList>

#include <blkid/blkid.h>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

namespace FileSystemType {

namespace {

// "\040" and the other octal escapes the kernel writes for blanks, tabs, line feeds and
// backslashes in mount points and sources.
QString unescaped(const QByteArray& field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype at) { return at < field.size() && field[at] >= '0' && field[at] <= '7'; };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            bytes += char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QFile::decodeName(bytes);
}

bool holds(const QString& mountPoint, const QString& path)
{
    if (mountPoint == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path.startsWith(mountPoint)
        && (path.size() == mountPoint.size() || path.at(mountPoint.size()) == QLatin1Char('/'));
}

QString udevType(dev_t device)
{
    QFile record(QStringLiteral("/run/udev/data/b%1:%2").arg(major(device)).arg(minor(device)));
    if (!record.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray prefix("E:ID_FS_TYPE=");
    // A udev record is a few dozen short lines.
    for (const QByteArray& line : record.read(1 << 16).split('\n')) {
        if (line.startsWith(prefix))
            return QString::fromUtf8(line.mid(prefix.size())).trimmed();
    }
    return QString();
}

QString probedType(const QString& path)
{
    blkid_probe probe = blkid_new_probe_from_filename(QFile::encodeName(path).constData());
    if (!probe)
        return QString(); // not readable (a device only root may read, for one)
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_TYPE);
    QString type;
    const char* value = nullptr;
    if (blkid_do_safeprobe(probe) == 0 && blkid_probe_lookup_value(probe, "TYPE", &value, nullptr) == 0 && value)
        type = QString::fromUtf8(value);
    blkid_free_probe(probe);
    return type;
}

} // namespace

std::vector<Mount> parseMountInfo(const QByteArray& text)
{
    std::vector<Mount> mounts;
    for (const QByteArray& line : text.split('\n')) {
        // ID PARENT MAJOR:MINOR ROOT MOUNTPOINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPEROPTIONS
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype dash = fields.indexOf(QByteArray("-"), 6);
        if (fields.size() < 7 || dash < 0 || dash + 2 >= fields.size())
            continue;
        mounts.push_back(Mount{unescaped(fields[4]), unescaped(fields[dash + 1]), unescaped(fields[dash + 2])});
    }
    return mounts;
}

const Mount* mountHolding(const std::vector<Mount>& mounts, const QString& path)
{
    const Mount* best = nullptr;
    for (const Mount& mount : mounts) {
        if (holds(mount.mountPoint, path) && (!best || mount.mountPoint.size() >= best->mountPoint.size()))
            best = &mount;
    }
    return best;
}

QString typeOf(const Mount& mount)
{
    for (const QLatin1String fuse : {QLatin1String("fuseblk."), QLatin1String("fuse.")}) {
        if (mount.type.startsWith(fuse))
            return mount.type.mid(fuse.size());
    }
    if (mount.type == QLatin1String("fuseblk"))
        return typeOnDevice(mount.source);
    return mount.type;
}

QString typeOnDevice(const QString& devicePath)
{
    struct stat st;
    if (!devicePath.startsWith(QLatin1Char('/')) || ::stat(QFile::encodeName(devicePath).constData(), &st) != 0)
        return QString();
    if (S_ISBLK(st.st_mode)) {
        if (const QString type = udevType(st.st_rdev); !type.isEmpty())
            return type;
    } else if (!S_ISREG(st.st_mode)) {
        return QString(); // only devices and image files are probed
    }
    return probedType(devicePath);
}

} // namespace FileSystemType

FolderFileSystems::Facts FolderFileSystems::of(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return Facts{};
    const auto known = byDevice_.constFind(quint64(st.st_dev));
    if (known != byDevice_.constEnd())
        return *known;

    Facts facts;
    struct statvfs vfs;
    if (::statvfs(path.constData(), &vfs) == 0)
        facts.nameMax = qint64(vfs.f_namemax);
    if (!mounts_) {
        QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
        // Read to its end: a proc file has no size to go by.
        mounts_ = mountInfo.open(QIODevice::ReadOnly) ? FileSystemType::parseMountInfo(mountInfo.readAll())
                                                       : std::vector<FileSystemType::Mount>();
    }
    // Mount points are where links lead: the folder's own path may pass through one.
    if (char* real = ::realpath(path.constData(), nullptr)) {
        if (const FileSystemType::Mount* mount = FileSystemType::mountHolding(*mounts_, QFile::decodeName(real)))
            facts.type = FileSystemType::typeOf(*mount);
        std::free(real);
    }
    byDevice_.insert(quint64(st.st_dev), facts);
    return facts;
}
