#pragma once

#include "engine/filesystemitem.h"

#include <QList>
#include <QSet>
#include <QString>

#include <vector>

// The ordered file list and the set of listed paths that guards against listing an item
// twice. Selections are given as row indexes.
class FileList {
public:
    std::vector<FileSystemItem> files;
    QSet<QString> filesDic;

    int size() const { return int(files.size()); }
    bool isEmpty() const { return files.empty(); }

    // Rebuilds filesDic from the items, in list order.
    void resetFilesDic();
    // Appends an item unless its path is already listed; false when refused.
    bool append(FileSystemItem item);
    // Room for more items to come (a folder's entries), growing at least twofold.
    void reserveFor(size_t more);
    // Removes the given rows and rebuilds filesDic.
    void removeRows(QList<int> rows);
    // Empties the list and the set.
    void clear();

    // Move every selected row one up / down; returns the rows where they are now.
    // Move down walks from the last selected row and stops at the first that is
    // already last; move up walks from the first.
    QList<int> moveUp(QList<int> selectedRows);
    QList<int> moveDown(QList<int> selectedRows);

    // Stable sort by a column key compared with compareFiles.
    void sortByKey(const QString& key, bool ascending = true);
    // Grouped by folder (ascending) and by name within a folder: one stable sort by
    // (location, name), the order of the per-folder runs and of folder renames.
    void sortForFolderRuns();
};
