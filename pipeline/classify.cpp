#include "pipeline/classify.h"

#include "engine/filename.h"
#include "platform/filemanager.h"

bool isFileExistsOnDisk(const QString& path)
{
    return FileManager::exists(path);
}

bool classifyProposedName(FileSystemItem& item)
{
    const QString oldName = item.filenameWithExtension();
    QString newName = item.newFilenameValue();
    // A status text left from an earlier pass or an imported list is not a name.
    if (newName.isEmpty() || Status::isStatus(item.newFilename))
        newName = oldName;
    if (newName == oldName || !isUsableFileName(newName)) {
        item.newFilename = Status::NoChanges;
        return false;
    }
    const QString target = appendingPathComponent(item.fileLocation(), newName);
    if (FileManager::exists(target) && !FileManager::isSameFile(target, item.fullPath)) {
        item.newFilename = item.itemType == 0 ? Status::FileAlreadyExists : Status::FolderAlreadyExists;
        return false;
    }
    return true;
}
