#pragma once

#include "engine/modechoices.h"

#include <QHash>
#include <QString>
#include <QStringList>

// A parsed rename list, handed to the list intake: the full path of each listed item in
// file order, each path's new name (the file system's form, ":" for a shown "/"), and
// whether the list names files or folders (a FilesOrFolders).
struct FileRenameItem {
    QStringList paths;
    QHash<QString, QString> records;
    int importType = 0;
};

// An import type (or the window's choice of one) read as files or folders: files, or
// folders for any other value.
inline FilesOrFolders filesOrFolders(int importType)
{
    return importType == int(FilesOrFolders::Files) ? FilesOrFolders::Files : FilesOrFolders::Folders;
}
