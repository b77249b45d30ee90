#include "undo/logrestore.h"

#include "engine/filename.h"
#include "pipeline/renamelogwriter.h"
#include "platform/filemanager.h"
#include "platform/messages.h"

#include <cerrno>

namespace LogRestore {

namespace {

bool isUsableName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..");
}

QString joinPath(const QString& folder, QString name)
{
    name.replace(QLatin1Char('/'), QLatin1Char(':'));
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// A change of letter case only, in a folder that folds case, whose listing shows the
// current spelling and not the old one: both paths reach the item itself.
bool isCaseChangeOfOneItem(const EntryPaths& paths, Folders& folders)
{
    const QString folder = deletingLastPathComponent(paths.currentPath);
    const QString current = lastPathComponent(paths.currentPath);
    const QString old = lastPathComponent(paths.oldPath);
    if (folder != deletingLastPathComponent(paths.oldPath) || current == old
        || FolderCase::comparisonName(current, true) != FolderCase::comparisonName(old, true)
        || !folders.folds.foldsCase(folder))
        return false;
    const QStringList names = FileManager::contentsOfDirectory(folder);
    return names.contains(current) && !names.contains(old);
}

// Moves one way, through the ladder; false with the reason set when not moved.
bool moveBack(const QString& from, const QString& to, Folders& folders, RestoreResult& result)
{
    const MoveLadder::Result moved = folders.rungs.move(from, to);
    if (moved.status == MoveLadder::Result::Moved)
        return true;
    if (moved.status == MoveLadder::Result::TargetExists)
        result.reason = msg("UNDOREASONTAKEN");
    else if (moved.error == EXDEV)
        result.reason = msg("UNDOREASONOTHERFILESYSTEM");
    else
        result.reason = msg("UNDOREASONMOVEFAILED").arg(FileManager::errorText(moved.error));
    return false;
}

// The item parked under a temporary name, then under its old spelling; taken back to
// where it was when the second move fails.
bool moveCaseBack(const EntryPaths& paths, Folders& folders, RestoreResult& result)
{
    const QString parked = RenameLogWriter::temporaryPath(deletingLastPathComponent(paths.currentPath));
    if (!moveBack(paths.currentPath, parked, folders, result))
        return false;
    if (moveBack(parked, paths.oldPath, folders, result))
        return true;
    RestoreResult ignored;
    if (!moveBack(parked, paths.currentPath, folders, ignored)) {
        result.from = parked;
        qWarning().noquote() << QStringLiteral("Error in undoRenaming : %1 could not be moved back to %2")
                                    .arg(parked, paths.currentPath);
    }
    return false;
}

} // namespace

std::optional<EntryPaths> entryPaths(const RenameLogEntry& entry)
{
    if (!entry.hasAllAttributes)
        return std::nullopt;
    // A relative location would be resolved against wherever the program happens to run.
    if (!entry.srclocation.startsWith(QLatin1Char('/')) || !entry.tarlocation.startsWith(QLatin1Char('/')))
        return std::nullopt;
    if (!isUsableName(entry.srcfilename) || !isUsableName(entry.tarfilename))
        return std::nullopt;
    return EntryPaths{joinPath(entry.srclocation, entry.srcfilename),
                      joinPath(entry.tarlocation, entry.tarfilename)};
}

RestoreResult restore(const RenameLogEntry& entry, bool checkInode, Folders* known)
{
    Folders own;
    Folders& folders = known ? *known : own;
    RestoreResult result;
    const std::optional<EntryPaths> paths = entryPaths(entry);
    if (!paths) {
        result.from = joinPath(entry.tarlocation, entry.tarfilename);
        result.to = joinPath(entry.srclocation, entry.srcfilename);
        result.reason = msg("UNDOREASONINVALIDENTRY");
        return result;
    }
    result.from = paths->currentPath;
    result.to = paths->oldPath;
    const bool oldExists = FileManager::exists(paths->oldPath);
    // Under an inode check, another item at the current path is not the one moved.
    const bool currentExists = checkInode && entry.inode != 0
        ? FileManager::inode(paths->currentPath) == entry.inode
        : FileManager::exists(paths->currentPath);
    result.isStillThere = currentExists;
    if (!currentExists) {
        result.reason = msg("UNDOREASONGONE");
        return result;
    }
    if (!oldExists) {
        // Never copied: a move between two file systems fails (EXDEV) and the item stays
        // where it is.
        result.restored = moveBack(paths->currentPath, paths->oldPath, folders, result);
        result.isStillThere = !result.restored;
        return result;
    }
    // Both spellings found: only a change of letter case of the item itself (in a folder
    // that folds case) is undone; another file under the old name stays untouched.
    if (isCaseChangeOfOneItem(*paths, folders)) {
        result.restored = moveCaseBack(*paths, folders, result);
        result.isStillThere = !result.restored;
        return result;
    }
    result.reason = msg("UNDOREASONTAKEN");
    return result;
}

} // namespace LogRestore
