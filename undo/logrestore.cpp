#include "undo/logrestore.h"

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

RestoreResult restore(const RenameLogEntry& entry, bool checkInode)
{
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
    QString error;
    if (!oldExists) {
        // Never copied: a move between two file systems fails (EXDEV) and the item stays
        // where it is.
        const FileManager::MoveResult moved = FileManager::moveItem(paths->currentPath, paths->oldPath, &error);
        result.restored = moved == FileManager::MoveResult::Moved;
        if (moved == FileManager::MoveResult::TargetExists)
            result.reason = msg("UNDOREASONTAKEN");
        else if (!result.restored && error == FileManager::errorText(EXDEV))
            result.reason = msg("UNDOREASONOTHERFILESYSTEM");
        else if (!result.restored)
            result.reason = msg("UNDOREASONMOVEFAILED").arg(error);
        result.isStillThere = !result.restored;
        return result;
    }
    // Both spellings found: only a change of letter case of one and the same file (on a
    // volume that ignores case) is undone; another file under the old name stays untouched.
    if (paths->oldPath != paths->currentPath && FileManager::isSameFile(paths->oldPath, paths->currentPath)) {
        result.restored = FileManager::renameCaseOnly(paths->currentPath, paths->oldPath, &error);
        if (!result.restored)
            result.reason = msg("UNDOREASONMOVEFAILED").arg(error);
        result.isStillThere = !result.restored;
        return result;
    }
    result.reason = msg("UNDOREASONTAKEN");
    return result;
}

} // namespace LogRestore
