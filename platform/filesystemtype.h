#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// Which file system holds a folder, and the longest name it takes. The type comes from the
// folder's mount in /proc/self/mountinfo; a "fuseblk" mount (exfat-fuse and ntfs-3g alike)
// is named by what is on its device: udev's ID_FS_TYPE, else libblkid's probe where the
// device can be read. A type that stays unknown is "".
namespace FileSystemType {

struct Mount {
    QString mountPoint;
    QString type;   // as the kernel names it: "ext4", "vfat", "fuseblk", "fuse.sshfs"
    QString source; // a device path for block file systems
};

// The mounts of a mountinfo text, in its order, with the octal escapes of mount points and
// sources ("\040" for a blank) decoded. Lines that are not mountinfo lines are skipped.
std::vector<Mount> parseMountInfo(const QByteArray& text);

// The mount whose mount point is the longest prefix of the absolute path, by whole
// components; of two on the same mount point, the later one (mounted over the other).
const Mount* mountHolding(const std::vector<Mount>& mounts, const QString& path);

// The type the file system of a mount goes by: the kernel's type, the subtype of a FUSE
// mount that gives one ("fuseblk.exfat" is "exfat"), or for a plain "fuseblk" the type
// found on its device ("" when it cannot be found).
QString typeOf(const Mount& mount);

// The type recorded for a block device by udev (ID_FS_TYPE in /run/udev/data/b<major>:<minor>),
// else probed by libblkid; "" when neither knows it.
QString typeOnDevice(const QString& devicePath);

} // namespace FileSystemType

// The file system of folders, found once per device and kept for the life of the object
// (one pass): mountinfo is read once, each device is looked up once.
class FolderFileSystems {
public:
    struct Facts {
        QString type;     // "" when unknown
        qint64 nameMax = 0; // statvfs f_namemax; 0 when unknown
    };
    Facts of(const QString& folder);

private:
    std::optional<std::vector<FileSystemType::Mount>> mounts_;
    QHash<quint64, Facts> byDevice_;
};
