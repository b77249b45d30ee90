#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The file system calls the program makes, on POSIX. Paths are Qt strings converted with
// QFile::encodeName. Existence tests use lstat (links are not followed) unless noted.
namespace FileManager {

// Anything (file, folder, link, even a dangling one) exists at the path.
bool exists(const QString& path);
// Exists, and is a folder after following a link.
bool isDirectory(const QString& path);
// The last component is itself a symbolic link.
bool isSymbolicLink(const QString& path);

// Entry names of a folder in the order the file system returns them ("." and ".."
// left out). A folder that cannot be listed gives an empty list and ok = false.
QStringList contentsOfDirectory(const QString& path, bool* ok = nullptr);

// One entry of a folder listing: its name, what the listing says it is (readdir's d_type;
// Unknown where the file system does not tell, and for links, which the caller examines
// itself), and whether the name turns back into exactly the bytes read (a name that is
// not valid UTF-8 does not).
struct DirectoryEntry {
    enum class Kind : quint8 { Unknown, RegularFile, Folder };
    QString path;             // the folder's path with the entry's name
    qsizetype nameStart = 0;  // where the name starts in path
    Kind kind = Kind::Unknown;
    bool isExactName = true;
    bool isAscii = true; // the name's bytes are all ASCII (so it holds no replacement character)
    QStringView name() const { return QStringView(path).mid(nameStart); }
};
// The entries of a folder in the order the file system returns them ("." and ".." left
// out), each with its full path made in one allocation. A folder that cannot be listed
// gives no entries and ok = false.
std::vector<DirectoryEntry> directoryEntries(const QString& path, bool* ok = nullptr);

struct Attributes {
    QDateTime creationDate;     // statx birth time, else the modification time
    QDateTime modificationDate;
};
// Reads the dates of the item (following a link). False when the item cannot be read.
bool attributesOfItem(const QString& path, Attributes& out, QString* error = nullptr);

// Both paths name the same file (same device and inode; links not followed).
bool isSameFile(const QString& a, const QString& b);
// The inode at the path (links not followed); 0 when nothing is there.
quint64 inode(const QString& path);

enum class MoveResult { Moved, TargetExists, Failed };
// Moves source to target, never replacing anything, with the first rung of MoveLadder its
// folder accepts (asked afresh on each call: a pass keeps a MoveLadder::FolderRungs).
MoveResult moveItem(const QString& source, const QString& target, QString* error = nullptr);

bool removeItem(const QString& path, QString* error = nullptr);
bool createDirectory(const QString& path, bool withIntermediateDirectories, QString* error = nullptr);

// Atomic: written to a temporary file beside the target, then moved over it.
bool writeFileAtomically(const QString& path, const QByteArray& data, QString* error = nullptr);

// The name of the errno value, for log lines.
QString errorText(int errnum);

} // namespace FileManager
