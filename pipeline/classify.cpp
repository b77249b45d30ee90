#include "pipeline/classify.h"

#include "platform/filemanager.h"

bool isFileExistsOnDisk(const QString& path)
{
    return FileManager::exists(path);
}
