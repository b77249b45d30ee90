#pragma once

#include "engine/filesystemitem.h"

#include <QList>
#include <QSet>
#include <QString>

#include <optional>
#include <vector>

// The ordered file list and the index of listed paths that guards against listing an item
// twice. Selections are given as row indexes.
//
// The entries of a folder in which nothing is listed yet cannot repeat a listed path (nor
// each other): they are appended without a look at the index (appendFreshEntry), and the
// index takes them in only when a later item could repeat one, that is when something
// else is added in one of those folders. A long listing thus costs no hashing of paths.
class FileList {
public:
    std::vector<FileSystemItem> files;

    int size() const { return int(files.size()); }
    bool isEmpty() const { return files.empty(); }

    // Marks the index out of date after the items' paths changed (an apply, an undo); it
    // is rebuilt from the items when next needed.
    void resetFilesDic();
    // Whether the path is in the index: listed, or a chosen folder the index still holds.
    bool isListed(const QString& path);
    // The paths in the index.
    qsizetype listedPathCount();

    // Appends an item unless its path is already listed; false when refused.
    bool append(FileSystemItem item);
    // Before appending a folder's entries: true when nothing is listed in the folder, so
    // that its entries may go through appendFreshEntry; false when each must be checked
    // with append.
    bool beginFreshFolder(const QString& folder);
    // Appends an entry of the folder beginFreshFolder accepted (no check).
    void appendFreshEntry(FileSystemItem item) { files.push_back(std::move(item)); }
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
    // Stable sort by one number per item (values[i] belongs to files[i]): ascending or
    // descending, the items without a number after the others; equal numbers by name
    // (compareFiles). The order is then kept inside each folder by sortForFolderRuns.
    void sortByNumbers(const std::vector<std::optional<qint64>>& values, bool descending);
    // Grouped by folder (ascending), the order of the per-folder runs and of folder renames.
    // After sortByNumbers: one stable sort by location, keeping the order inside each
    // folder. Otherwise (the order given, a column sort, rows moved by hand): one stable
    // sort by (location, name).
    void sortForFolderRuns();
    // Whether sortForFolderRuns keeps the order inside each folder.
    bool keepsOrderInFolders() const { return keepsOrderInFolders_; }

private:
    // The index brought up to date: rebuilt when stale, and holding every path of the
    // folders whose entries were appended unchecked.
    void completeIndex();
    void rebuildIndex();

    QSet<QString> filesDic_;      // listed paths (and chosen folders kept after removal)
    QSet<QString> folders_;       // the folders of listed paths (more is harmless)
    QSet<QString> uncheckedFolders_; // folders whose entries are not in filesDic_
    QString lastAppendFolder_;       // the folder append looked at last (in folders_)
    bool stale_ = false;
    bool keepsOrderInFolders_ = false;
};
