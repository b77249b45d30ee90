#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// A parsed rename list, handed to the list intake: the full path of each listed item in
// file order, each path's new name (the file system's form, ":" for a shown "/"), and
// whether the list names files (0) or folders (1).
struct FileRenameItem {
    QStringList paths;
    QHash<QString, QString> records;
    int importType = 0;
};
