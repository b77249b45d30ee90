#include "undo/logrestore.h"

#include "platform/filemanager.h"

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

bool restoreEntry(const RenameLogEntry& entry)
{
    const std::optional<EntryPaths> paths = entryPaths(entry);
    if (!paths)
        return false;
    const bool oldExists = FileManager::exists(paths->oldPath);
    const bool currentExists = FileManager::exists(paths->currentPath);
    if (!oldExists && currentExists)
        return FileManager::moveItem(paths->currentPath, paths->oldPath) == FileManager::MoveResult::Moved;
    // Both spellings found: only a change of letter case of one and the same file (on a
    // volume that ignores case) is undone; another file under the old name stays untouched.
    if (oldExists && currentExists && paths->oldPath != paths->currentPath
        && FileManager::isSameFile(paths->oldPath, paths->currentPath))
        return FileManager::renameCaseOnly(paths->currentPath, paths->oldPath);
    return false;
}

} // namespace LogRestore
