#include "undo/journalrecovery.h"

#include "engine/filename.h"
#include "platform/filemanager.h"
#include "undo/logrestore.h"

#include <QDebug>
#include <QFile>
#include <QHash>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

namespace JournalRecovery {

namespace {

// The exact names of the folders met, each listed once (a lookup would find a name in
// another case where the folder folds case).
class Listings {
public:
    bool has(const QString& path)
    {
        return namesOf(deletingLastPathComponent(path)).contains(lastPathComponent(path));
    }
    void forget(const QString& path) { namesOf(deletingLastPathComponent(path)).remove(lastPathComponent(path)); }

private:
    QSet<QString>& namesOf(const QString& folder)
    {
        auto it = folders_.find(folder);
        if (it == folders_.end()) {
            const QStringList names = FileManager::contentsOfDirectory(folder);
            it = folders_.insert(folder, QSet<QString>(names.begin(), names.end()));
        }
        return *it;
    }
    QHash<QString, QSet<QString>> folders_;
};

// The placeholder is still as it was made: an empty file or an empty folder.
bool isEmptyPlaceholder(const QString& path)
{
    struct stat st;
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    if (S_ISREG(st.st_mode))
        return st.st_size == 0;
    bool listed = false;
    return S_ISDIR(st.st_mode) && FileManager::contentsOfDirectory(path, &listed).isEmpty() && listed;
}

// The entry's placeholder stands where it was made, empty, and its item beside it was not
// moved onto it: removed.
bool removeLeftPlaceholder(const LogRestore::EntryPaths& paths, Listings& listings)
{
    if (!listings.has(paths.oldPath) || !listings.has(paths.currentPath) || !isEmptyPlaceholder(paths.currentPath))
        return false;
    QString error;
    if (!FileManager::removeItem(paths.currentPath, &error)) {
        qWarning().noquote() << QStringLiteral("Error in undoRenaming : the placeholder %1 could not be removed: %2")
                                    .arg(paths.currentPath, error);
        return false;
    }
    listings.forget(paths.currentPath);
    return true;
}

bool isMade(const RenameLogEntry& entry, const std::optional<LogRestore::EntryPaths>& paths, Listings& listings)
{
    if (!paths)
        return entry.inode == 0;
    if (entry.inode != 0)
        return FileManager::inode(paths->currentPath) == entry.inode;
    return !listings.has(paths->oldPath) && listings.has(paths->currentPath);
}

} // namespace

Tail findLastMade(RenameLogBackwards& log)
{
    Tail tail;
    Listings listings;
    RenameLogEntry entry;
    // The entry after the one read (in log order): once the last made is found, the move that
    // was in flight. Its placeholder may stand even though the kill came before the journal
    // said it was made (the driver finishes a request whose caller is gone).
    std::optional<RenameLogEntry> inFlight;
    while (log.previous(entry)) {
        const std::optional<LogRestore::EntryPaths> paths = LogRestore::entryPaths(entry);
        const bool placeholderLeft = paths && entry.reservation == RenameLogEntry::Reservation::Made
            && removeLeftPlaceholder(*paths, listings);
        tail.placeholdersRemoved += placeholderLeft ? 1 : 0;
        if (!placeholderLeft && isMade(entry, paths, listings)) {
            tail.lastMade = std::move(entry);
            break;
        }
        ++tail.movesNotMade;
        tail.itemsNotMade += RenameLogReader::isItem(entry) ? 1 : 0;
        inFlight = placeholderLeft ? std::nullopt : std::optional<RenameLogEntry>(entry);
    }
    if (inFlight && inFlight->reservation == RenameLogEntry::Reservation::Planned) {
        if (const std::optional<LogRestore::EntryPaths> paths = LogRestore::entryPaths(*inFlight))
            tail.placeholdersRemoved += removeLeftPlaceholder(*paths, listings) ? 1 : 0;
    }
    return tail;
}

} // namespace JournalRecovery
