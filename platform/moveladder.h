#pragma once

#include <QHash>
#include <QString>
#include <QStringView>

#include <functional>
#include <sys/types.h>

// A move that never replaces a file, on whatever file system holds it. Each folder is moved
// in with the first rung its file system accepts, remembered for the rest of the pass:
//   1. renameat2(RENAME_NOREPLACE): atomic, refuses an existing target;
//   2. link + unlink, where the flag is refused (EINVAL, ENOSYS, EOPNOTSUPP: FUSE drivers
//      without rename flags, NFS, CIFS): atomic no-replace for files;
//   3. a reserved rename, where hard links are refused too (EPERM, EOPNOTSUPP, EMLINK: FAT,
//      exFAT) and for folders below rung 1: the target is made as an empty placeholder
//      (open O_CREAT|O_EXCL, or mkdir), the caller records it, and rename(2) moves the item
//      onto the placeholder, which no other program can have taken.
namespace MoveLadder {

enum class Rung : quint8 { Unknown, NoReplace, LinkUnlink, Reserved };

// The system calls the ladder makes, replaceable so that tests can make a file system refuse
// what a real mount cannot show (EMLINK, EOPNOTSUPP). Each returns -1 with errno set on failure.
struct SystemCalls {
    int (*renameat2)(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags);
    int (*linkat)(int fromFolder, const char* from, int toFolder, const char* to, int flags);
    int (*unlinkat)(int folder, const char* name, int flags);
    int (*renameat)(int fromFolder, const char* from, int toFolder, const char* to);
    int (*openat)(int folder, const char* name, int flags, mode_t mode);
    int (*mkdirat)(int folder, const char* name, mode_t mode);
};
// The calls in use: the real ones unless a test replaced them.
const SystemCalls& calls();
// Replaces the calls (null restores the real ones). Tests only; not while a pass runs.
void setCallsForTesting(const SystemCalls* replacement);
// The real calls, for a test's replacement to fall back on.
const SystemCalls& realCalls();

// The errno of renameat2 that means the file system does not know RENAME_NOREPLACE.
bool refusesNoReplace(int error);

enum class Kind : quint8 { Unknown, File, Folder };

struct Result {
    enum Status : quint8 { Moved, TargetExists, Failed } status = Failed;
    int error = 0;           // errno when not moved
    Rung rung = Rung::Unknown; // the rung that made (or refused) the move
};

// Told when the reserved rung has made its placeholder, before the rename onto it; the
// move goes on only when it returns true (the journal holds the placeholder). When it
// returns false the placeholder is removed and the move fails with EIO.
using PlaceholderMade = std::function<bool()>;

// The rungs of the folders met in one pass.
class FolderRungs {
public:
    // The rung known for the folder of a path (Unknown before its first move).
    Rung rungOfFolder(QStringView folder) const;
    // Remembers a rung for a folder (a folder whose moves another path made).
    void remember(QStringView folder, Rung rung);

    // Moves source to target (full paths in one folder or not), never replacing anything.
    // A folder is not moved (EOPNOTSUPP) where the driver is known to lose its contents.
    // kind says whether the source is a folder (Unknown: looked up when it matters).
    // onPlaceholder is called on the reserved rung (null: nothing to record).
    Result move(const QString& source, const QString& target, Kind kind = Kind::Unknown,
                const PlaceholderMade& onPlaceholder = {});

    // Whether a move of that kind into this folder, on its known rung, takes the reserved
    // rung (the caller records that a placeholder may be made).
    bool movesReserved(QStringView folder, Kind kind) const;

    // Whether the reserved rung was used in this pass.
    bool usedReserved() const { return usedReserved_; }

    // The folders met, with their rungs, in no particular order.
    const QHash<QString, Rung>& folders() const { return rungs_; }

private:
    QHash<QString, Rung> rungs_;
    QHash<QString, bool> unsafeFolderMoves_; // folders whose driver loses a moved folder's contents
    // Moves come folder by folder: the last folder asked answers most calls.
    mutable QString lastFolder_;
    mutable Rung lastRung_ = Rung::Unknown;
    bool usedReserved_ = false;
};

// Whether the file system of a folder keeps one inode number per file for good. FUSE and
// network file systems may number each lookup afresh (and renumber after a remount), so
// identity there comes from names in the folder's listing instead.
bool hasStableInodes(const QString& folder);

// The folder part of a path ("/" for the root; empty without a slash).
QStringView folderOf(QStringView path);

} // namespace MoveLadder
