#include "platform/foldercase.h"

#include <QFile>
#include <QSet>
#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>

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

// Local file systems that compare names byte for byte, unless a folder carries the
// case-folding attribute (checked first): no need to probe them.
bool isCaseSensitiveFileSystem(long type)
{
    switch (static_cast<unsigned long>(type)) {
    case 0xEF53UL:     // ext2, ext3, ext4
    case 0x58465342UL: // XFS
    case 0x9123683EUL: // Btrfs
    case 0x01021994UL: // tmpfs
    case 0x858458F6UL: // ramfs
    case 0xF2F52010UL: // F2FS
    case 0x794C7630UL: // overlayfs
    case 0x2FC12FC1UL: // ZFS
        return true;
    default:
        return false;
    }
}

// The name with its letters' case turned: upper case when that changes it, else lower
// case; the name itself when it has no letter of two cases.
QString caseFlipped(const QString& name)
{
    const QString upper = name.toUpper();
    return upper != name ? upper : name.toLower();
}

bool isFoundIn(int folderFd, const QString& name)
{
    struct stat st;
    return ::fstatat(folderFd, QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

// Asks the folder itself: a listed name whose case-flipped form is not listed is looked up
// under that form, and found, the folder folds case. One lstat in the usual case; the rest
// of the listing is read only when the flipped form is found, to tell a folder that folds
// case from one that holds both spellings. Nothing is ever created.
bool probeListing(int folderFd)
{
    const int fd = ::openat(folderFd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    QSet<QString> listed;
    QString candidate;
    while (struct dirent* entry = ::readdir(dir)) {
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0')))
            continue;
        const QString name = QFile::decodeName(n);
        listed.insert(name);
        if (candidate.isEmpty() && caseFlipped(name) != name) {
            if (!isFoundIn(folderFd, caseFlipped(name))) {
                ::closedir(dir);
                return false;
            }
            candidate = name;
        }
    }
    ::closedir(dir);
    if (candidate.isEmpty())
        return false;
    if (!listed.contains(caseFlipped(candidate)))
        return true;
    // Both spellings are listed: another name decides.
    for (const QString& name : std::as_const(listed)) {
        const QString flipped = caseFlipped(name);
        if (flipped != name && !listed.contains(flipped))
            return isFoundIn(folderFd, flipped);
    }
    return false;
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
    if (!folds && ::fstatfs(fd, &fs) == 0) {
        folds = isCaseFoldingFileSystem(long(fs.f_type));
        if (!folds && !isCaseSensitiveFileSystem(long(fs.f_type)))
            folds = probeListing(fd);
    }
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
