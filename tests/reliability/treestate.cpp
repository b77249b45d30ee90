#include "treestate.h"

#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Walks relative to open folder descriptors, so that paths longer than PATH_MAX are read too.
void walk(int dirFd, const QByteArray& relative, TreeState& out)
{
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return;
    }
    while (dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray rel = relative.isEmpty() ? name : relative + '/' + name;
        const QString key = QFile::decodeName(rel);
        struct stat st {};
        if (::fstatat(::dirfd(dir), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            out.folders << key;
            const int child = ::openat(::dirfd(dir), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0)
                walk(child, rel, out);
        } else if (S_ISLNK(st.st_mode)) {
            QByteArray target(4096, '\0');
            const ssize_t n = ::readlinkat(::dirfd(dir), name.constData(), target.data(), size_t(target.size()));
            out.links.insert(key, n >= 0 ? target.left(n) : QByteArray());
        } else {
            QByteArray content;
            const int fd = ::openat(::dirfd(dir), name.constData(), O_RDONLY | O_CLOEXEC);
            if (fd >= 0) {
                char buffer[65536];
                ssize_t n;
                while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
                    content.append(buffer, n);
                ::close(fd);
            } else {
                content = "<unreadable>";
            }
            out.files.insert(key, content);
        }
    }
    ::closedir(dir);
}

void removeBelow(int dirFd)
{
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return;
    }
    while (dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), name.constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)) {
            const int child = ::openat(::dirfd(dir), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0)
                removeBelow(child);
            ::unlinkat(::dirfd(dir), name.constData(), AT_REMOVEDIR);
        } else {
            ::unlinkat(::dirfd(dir), name.constData(), 0);
        }
    }
    ::closedir(dir);
}

template <typename Map>
void compareMaps(const Map& mine, const Map& theirs, const char* what, QStringList& out, int max)
{
    for (auto it = mine.cbegin(); it != mine.cend() && out.size() < max; ++it) {
        if (!theirs.contains(it.key()))
            out << QStringLiteral("%1 %2 is missing").arg(QLatin1String(what), it.key());
        else if (theirs.value(it.key()) != it.value())
            out << QStringLiteral("%1 %2 has other contents").arg(QLatin1String(what), it.key());
    }
    for (auto it = theirs.cbegin(); it != theirs.cend() && out.size() < max; ++it) {
        if (!mine.contains(it.key()))
            out << QStringLiteral("%1 %2 is new").arg(QLatin1String(what), it.key());
    }
}

} // namespace

TreeState TreeState::read(const QString& root)
{
    TreeState out;
    const int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        walk(fd, QByteArray(), out);
    out.folders.sort();
    return out;
}

QList<QByteArray> TreeState::contentMultiset() const
{
    QList<QByteArray> contents = files.values();
    std::sort(contents.begin(), contents.end());
    return contents;
}

QString TreeState::differences(const TreeState& other, int max) const
{
    QStringList out;
    compareMaps(files, other.files, "file", out, max);
    compareMaps(links, other.links, "link", out, max);
    QMap<QString, bool> mine, theirs;
    for (const QString& f : folders)
        mine.insert(f, true);
    for (const QString& f : other.folders)
        theirs.insert(f, true);
    compareMaps(mine, theirs, "folder", out, max);
    return out.join(QLatin1Char('\n'));
}

void TreeState::removeContents(const QString& root)
{
    const int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        removeBelow(fd);
}
