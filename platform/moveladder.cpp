#include "platform/moveladder.h"

#include "platform/filesystemtype.h"
#include "platform/utf16scan.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace MoveLadder {

namespace {

int realRenameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags)
{
#ifdef SYS_renameat2
    return int(::syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
#else
    errno = ENOSYS;
    return -1;
#endif
}

int realOpenat(int folder, const char* name, int flags, mode_t mode)
{
    return ::openat(folder, name, flags, mode);
}

const SystemCalls kRealCalls = {realRenameat2, ::linkat, ::unlinkat, ::renameat, realOpenat, ::mkdirat};
const SystemCalls* gCalls = &kRealCalls;

Kind kindOf(const char* path, Kind known)
{
    if (known != Kind::Unknown)
        return known;
    struct stat st;
    if (::lstat(path, &st) != 0)
        return Kind::Unknown;
    return S_ISDIR(st.st_mode) ? Kind::Folder : Kind::File;
}

// Removes a placeholder the ladder made, when it is still empty.
void removePlaceholder(const char* path, Kind kind)
{
    if (kind == Kind::Folder) {
        calls().unlinkat(AT_FDCWD, path, AT_REMOVEDIR); // refused unless empty
        return;
    }
    struct stat st;
    if (::lstat(path, &st) == 0 && S_ISREG(st.st_mode) && st.st_size == 0)
        calls().unlinkat(AT_FDCWD, path, 0);
}

Result failed(int error, Rung rung)
{
    return Result{error == EEXIST ? Result::TargetExists : Result::Failed, error, rung};
}

Result moveReserved(const char* from, const char* to, Kind kind, const PlaceholderMade& onPlaceholder)
{
    const SystemCalls& sys = calls();
    kind = kindOf(from, kind);
    if (kind == Kind::Unknown)
        return failed(errno, Rung::Reserved);
    if (kind == Kind::Folder) {
        if (sys.mkdirat(AT_FDCWD, to, 0700) != 0)
            return failed(errno, Rung::Reserved);
    } else {
        const int fd = sys.openat(AT_FDCWD, to, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0)
            return failed(errno, Rung::Reserved);
        ::close(fd);
    }
    if (onPlaceholder && !onPlaceholder()) {
        removePlaceholder(to, kind);
        return Result{Result::Failed, EIO, Rung::Reserved};
    }
    // The placeholder is ours: rename(2) may replace it, and only it.
    if (sys.renameat(AT_FDCWD, from, AT_FDCWD, to) == 0)
        return Result{Result::Moved, 0, Rung::Reserved};
    int error = errno;
    removePlaceholder(to, kind);
    // Some drivers will not put a folder in place of an empty one (fusefat: EPERM). The
    // placeholder goes and the folder is renamed into the free name: should another program
    // make an empty folder there in between, rename(2) replaces that empty folder, never a
    // file nor a folder holding anything.
    if (kind == Kind::Folder && error != ENOENT) {
        if (sys.renameat(AT_FDCWD, from, AT_FDCWD, to) == 0)
            return Result{Result::Moved, 0, Rung::Reserved};
        error = errno;
    }
    return Result{Result::Failed, error, Rung::Reserved};
}

Result moveByLink(const char* from, const char* to)
{
    const SystemCalls& sys = calls();
    if (sys.linkat(AT_FDCWD, from, AT_FDCWD, to, 0) != 0)
        return failed(errno, Rung::LinkUnlink);
    if (sys.unlinkat(AT_FDCWD, from, 0) != 0) {
        const int error = errno;
        sys.unlinkat(AT_FDCWD, to, 0); // the new link goes; the item stays as it was
        return Result{Result::Failed, error, Rung::LinkUnlink};
    }
    return Result{Result::Moved, 0, Rung::LinkUnlink};
}

// The file system type of the mount holding path, as /proc/self/mountinfo names it.
// Drivers known to lose what a folder holds when they rename it (fusefat: the folder arrives
// empty). Folders are not moved there at all.
bool losesFolderContents(const QString& folder)
{
    QFile mountInfo(QStringLiteral("/proc/self/mountinfo"));
    if (!mountInfo.open(QIODevice::ReadOnly))
        return false;
    const std::vector<FileSystemType::Mount> mounts = FileSystemType::parseMountInfo(mountInfo.readAll());
    const FileSystemType::Mount* mount = FileSystemType::mountHolding(mounts, folder);
    return mount && mount->type == QLatin1String("fuse.fusefat");
}

bool refusesLinks(int error)
{
    return error == EPERM || error == EOPNOTSUPP || error == EMLINK;
}

} // namespace

const SystemCalls& calls()
{
    return *gCalls;
}

void setCallsForTesting(const SystemCalls* replacement)
{
    gCalls = replacement ? replacement : &kRealCalls;
}

const SystemCalls& realCalls()
{
    return kRealCalls;
}

bool refusesNoReplace(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

QStringView folderOf(QStringView path)
{
    const qsizetype slash = Utf16Scan::lastIndexOf(path, u'/');
    if (slash < 0)
        return {};
    return path.left(slash == 0 ? 1 : slash);
}

Rung FolderRungs::rungOfFolder(QStringView folder) const
{
    if (!lastFolder_.isEmpty() && Utf16Scan::sameUnits(folder, lastFolder_))
        return lastRung_;
    lastFolder_ = folder.toString();
    const auto it = rungs_.constFind(lastFolder_);
    lastRung_ = it == rungs_.constEnd() ? Rung::Unknown : *it;
    return lastRung_;
}

void FolderRungs::remember(QStringView folder, Rung rung)
{
    lastFolder_ = folder.toString();
    lastRung_ = rung;
    rungs_.insert(lastFolder_, rung);
}

bool hasStableInodes(const QString& folder)
{
    struct statfs fs;
    if (::statfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return true;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x65735546UL: // FUSE (fuseblk too)
    case 0x6969UL:     // NFS
    case 0xFF534D42UL: // CIFS
    case 0xFE534D42UL: // SMB2
    case 0x517BUL:     // SMB
    case 0x01021997UL: // 9p
    case 0x00C36400UL: // Ceph
        return false;
    default:
        return true;
    }
}

bool FolderRungs::movesReserved(QStringView folder, Kind kind) const
{
    const Rung rung = rungOfFolder(folder);
    return rung == Rung::Reserved || (rung == Rung::LinkUnlink && kind == Kind::Folder);
}

Result FolderRungs::move(const QString& source, const QString& target, Kind kind, const PlaceholderMade& onPlaceholder)
{
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
    const QStringView folder = folderOf(target);
    Rung rung = rungOfFolder(folder);
    Result result;
    if (rung == Rung::Unknown || rung == Rung::NoReplace) {
        if (calls().renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
            result = Result{Result::Moved, 0, Rung::NoReplace};
        else
            result = failed(errno, Rung::NoReplace);
        if (result.status != Result::Failed || !refusesNoReplace(result.error)) {
            // An existing target is refused before the file system sees the flag: only a
            // move made tells the rung.
            if (rung == Rung::Unknown && result.status == Result::Moved)
                remember(folder, Rung::NoReplace);
            return result;
        }
        rung = Rung::LinkUnlink;
        remember(folder, rung);
    }
    kind = kindOf(from.constData(), kind);
    if (kind == Kind::Folder) {
        const QString key = folder.toString();
        auto unsafe = unsafeFolderMoves_.constFind(key);
        if (unsafe == unsafeFolderMoves_.constEnd())
            unsafe = unsafeFolderMoves_.insert(key, losesFolderContents(key));
        if (*unsafe)
            return Result{Result::Failed, EOPNOTSUPP, rung};
    }
    if (rung == Rung::LinkUnlink && kind != Kind::Folder) {
        result = moveByLink(from.constData(), to.constData());
        if (result.status != Result::Failed || !refusesLinks(result.error))
            return result;
        // Too many links is the file's own limit, not the folder's.
        if (result.error != EMLINK) {
            rung = Rung::Reserved;
            remember(folder, rung);
        }
    }
    result = moveReserved(from.constData(), to.constData(), kind, onPlaceholder);
    usedReserved_ = usedReserved_ || result.status == Result::Moved;
    return result;
}

} // namespace MoveLadder
