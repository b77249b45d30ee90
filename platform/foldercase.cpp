#include "platform/foldercase.h"

#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace FolderCase {

namespace {

std::function<bool(const QString&)>& detectorOverride()
{
    static std::function<bool(const QString&)> detector;
    return detector;
}

// File systems that compare names without regard to case (statfs f_type).
bool isCaseFoldingFileSystem(long type)
{
    switch (static_cast<unsigned long>(type)) {
    case 0x4d44UL:      // FAT (vfat, msdos)
    case 0x2011BAB0UL:  // exFAT
    case 0x7366746eUL:  // NTFS (ntfs3)
    case 0x5346544eUL:  // NTFS (ntfs-3g and older drivers)
    case 0xFF534D42UL:  // CIFS
    case 0xFE534D42UL:  // SMB2
    case 0x517BUL:      // SMB
        return true;
    default:
        return false;
    }
}

bool detect(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool folds = false;
    int flags = 0;
#ifdef FS_IOC_GETFLAGS
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & 0x40000000 /* FS_CASEFOLD_FL */))
        folds = true;
#endif
    struct statfs fs;
    if (!folds && ::fstatfs(fd, &fs) == 0)
        folds = isCaseFoldingFileSystem(long(fs.f_type));
    ::close(fd);
    return folds;
}

} // namespace

bool foldsCase(const QString& folder)
{
    if (const auto& detector = detectorOverride())
        return detector(folder);
    return detect(folder);
}

QString comparisonName(const QString& name, bool folds)
{
    return folds ? name.toCaseFolded() : name;
}

void setDetectorForTesting(std::function<bool(const QString&)> detector)
{
    detectorOverride() = std::move(detector);
}

bool Cache::foldsCase(const QString& folder)
{
    const auto it = known_.constFind(folder);
    if (it != known_.constEnd())
        return *it;
    const bool folds = FolderCase::foldsCase(folder);
    known_.insert(folder, folds);
    return folds;
}

} // namespace FolderCase
