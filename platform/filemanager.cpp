#include "platform/filemanager.h"

#include "platform/moveladder.h"
#include "platform/utf16scan.h"

#include <QFile>
#include <QSaveFile>
#include <QTimeZone>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileManager {

namespace {

// A path in the file system's encoding for one call. A path of ASCII characters only (the
// usual case) is copied into a buffer on the stack, which spares a heap block and the
// codec per system call; any other path goes through QFile::encodeName.
class NativePath {
public:
    explicit NativePath(const QString& path)
    {
        const qsizetype n = path.size();
        if (n < qsizetype(sizeof buffer_) && Utf16Scan::spanWithin<>(path, 1, 0x80) == n) {
            Utf16Scan::narrowInto(buffer_, path);
            buffer_[n] = '\0';
            onStack_ = true;
            return;
        }
        encoded_ = QFile::encodeName(path);
    }
    NativePath(const NativePath&) = delete;
    NativePath& operator=(const NativePath&) = delete;

    const char* constData() const { return onStack_ ? buffer_ : encoded_.constData(); }

private:
    char buffer_[512];
    bool onStack_ = false;
    QByteArray encoded_;
};

NativePath enc(const QString& path)
{
    return NativePath(path);
}

void setError(QString* error, int errnum)
{
    if (error)
        *error = errorText(errnum);
}

QDateTime fromTimespec(qint64 sec, qint64 nsec)
{
    return QDateTime::fromMSecsSinceEpoch(sec * 1000 + nsec / 1000000, Qt::UTC);
}

} // namespace

QString errorText(int errnum)
{
    return QString::fromLocal8Bit(std::strerror(errnum));
}

bool exists(const QString& path)
{
    if (path.isEmpty())
        return false;
    struct stat st;
    return ::lstat(enc(path).constData(), &st) == 0;
}

bool isDirectory(const QString& path)
{
    if (path.isEmpty())
        return false;
    struct stat st;
    return ::stat(enc(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isSymbolicLink(const QString& path)
{
    if (path.isEmpty())
        return false;
    struct stat st;
    return ::lstat(enc(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

QStringList contentsOfDirectory(const QString& path, bool* ok)
{
    QStringList names;
    DIR* dir = ::opendir(enc(path).constData());
    if (!dir) {
        if (ok)
            *ok = false;
        return names;
    }
    while (struct dirent* entry = ::readdir(dir)) {
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0')))
            continue;
        names.append(QFile::decodeName(n));
    }
    ::closedir(dir);
    if (ok)
        *ok = true;
    return names;
}

std::vector<DirectoryEntry> directoryEntries(const QString& path, bool* ok)
{
    std::vector<DirectoryEntry> entries;
    const QString prefix = path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
    DIR* dir = ::opendir(enc(path).constData());
    if (!dir) {
        if (ok)
            *ok = false;
        return entries;
    }
    while (struct dirent* entry = ::readdir(dir)) {
        const char* n = entry->d_name;
        if (n[0] == '.' && (n[1] == '\0' || (n[1] == '.' && n[2] == '\0')))
            continue;
        DirectoryEntry e;
        e.nameStart = prefix.size();
        const qsizetype length = qsizetype(std::strlen(n));
        if (Utf16Scan::asciiSpan(n, length) == length) {
            e.path = QString(prefix.size() + length, Qt::Uninitialized);
            QChar* out = std::copy_n(prefix.constData(), prefix.size(), e.path.data());
            Utf16Scan::widenInto(out, n, length);
        } else {
            e.isAscii = false;
            const QByteArray bytes(n, qsizetype(length));
            const QString name = QFile::decodeName(bytes);
            e.isExactName = QFile::encodeName(name) == bytes;
            e.path = prefix + name;
        }
        if (entry->d_type == DT_REG)
            e.kind = DirectoryEntry::Kind::RegularFile;
        else if (entry->d_type == DT_DIR)
            e.kind = DirectoryEntry::Kind::Folder;
        entries.push_back(std::move(e));
    }
    ::closedir(dir);
    if (ok)
        *ok = true;
    return entries;
}

bool attributesOfItem(const QString& path, Attributes& out, QString* error)
{
    struct statx stx;
    if (::statx(AT_FDCWD, enc(path).constData(), 0, STATX_BTIME | STATX_MTIME, &stx) != 0) {
        setError(error, errno);
        return false;
    }
    out.modificationDate = fromTimespec(stx.stx_mtime.tv_sec, stx.stx_mtime.tv_nsec);
    out.creationDate = (stx.stx_mask & STATX_BTIME)
        ? fromTimespec(stx.stx_btime.tv_sec, stx.stx_btime.tv_nsec)
        : out.modificationDate;
    return true;
}

quint64 inode(const QString& path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_ino ? quint64(st.st_ino) : 1;
}

bool isSameFile(const QString& a, const QString& b)
{
    struct stat sa, sb;
    if (::lstat(enc(a).constData(), &sa) != 0 || ::lstat(enc(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

MoveResult moveItem(const QString& source, const QString& target, QString* error)
{
    MoveLadder::FolderRungs rungs;
    const MoveLadder::Result moved = rungs.move(source, target);
    if (moved.status == MoveLadder::Result::Moved)
        return MoveResult::Moved;
    setError(error, moved.error);
    return moved.status == MoveLadder::Result::TargetExists ? MoveResult::TargetExists : MoveResult::Failed;
}

bool removeItem(const QString& path, QString* error)
{
    const NativePath p(path);
    struct stat st;
    if (::lstat(p.constData(), &st) != 0) {
        setError(error, errno);
        return false;
    }
    const int rc = S_ISDIR(st.st_mode) ? ::rmdir(p.constData()) : ::unlink(p.constData());
    if (rc != 0) {
        setError(error, errno);
        return false;
    }
    return true;
}

bool createDirectory(const QString& path, bool withIntermediateDirectories, QString* error)
{
    if (path.isEmpty()) {
        setError(error, ENOENT);
        return false;
    }
    if (withIntermediateDirectories) {
        QString partial;
        const QStringList parts = path.split(QLatin1Char('/'));
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0)
                partial += QLatin1Char('/');
            partial += parts.at(i);
            if (parts.at(i).isEmpty())
                continue;
            if (::mkdir(enc(partial).constData(), 0777) != 0 && errno != EEXIST) {
                setError(error, errno);
                return false;
            }
        }
        if (!isDirectory(path)) {
            setError(error, ENOTDIR);
            return false;
        }
        return true;
    }
    if (::mkdir(enc(path).constData(), 0777) != 0) {
        setError(error, errno);
        return false;
    }
    return true;
}

bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error)
{
    // The buffer is flushed and checked before the commit: QSaveFile (Qt 6.4) commits a
    // file whose last buffered write failed half-way (a full disk, a file size limit),
    // which would put a truncated file in place of the old one.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
    if (!written || !file.commit()) {
        if (error)
            *error = QStringLiteral("Can't write %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace FileManager
