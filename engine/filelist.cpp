#include "engine/filelist.h"

#include "engine/filescomparison.h"
#include "platform/utf16scan.h"

#include <algorithm>

namespace {

// The folder of a path as beginFreshFolder is given it ("/" for an item at the root).
QStringView folderOf(const QString& path)
{
    const qsizetype slash = Utf16Scan::lastIndexOf(path, u'/');
    return QStringView(path).left(qMax(slash, qsizetype(1)));
}

QString folderKey(const QString& folder)
{
    return folder.size() > 1 && folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder;
}

// An item's place in the per-folder order.
struct Keyed {
    QString location;
    QString name;
    size_t index;
};

// The items put in the order of keys (each key holds its item's index).
template <typename Key>
void reorderBy(std::vector<FileSystemItem>& files, const std::vector<Key>& keys)
{
    std::vector<FileSystemItem> sorted;
    sorted.reserve(files.size());
    for (const Key& k : keys)
        sorted.push_back(std::move(files[k.index]));
    files = std::move(sorted);
}

} // namespace

void FileList::resetFilesDic()
{
    filesDic_.clear();
    folders_.clear();
    uncheckedFolders_.clear();
    lastAppendFolder_.clear();
    stale_ = true;
}

void FileList::rebuildIndex()
{
    filesDic_.clear();
    folders_.clear();
    uncheckedFolders_.clear();
    lastAppendFolder_.clear();
    filesDic_.reserve(qsizetype(files.size()));
    QStringView lastFolder;
    for (const FileSystemItem& item : files) {
        filesDic_.insert(item.fullPath);
        const QStringView folder = folderOf(item.fullPath);
        if (folder != lastFolder) {
            folders_.insert(folder.toString());
            lastFolder = folder;
        }
    }
    stale_ = false;
}

void FileList::completeIndex()
{
    if (stale_) {
        rebuildIndex();
        return;
    }
    if (uncheckedFolders_.isEmpty())
        return;
    // Inserting a path already there changes nothing, so every item is simply offered.
    filesDic_.reserve(qsizetype(files.size()));
    for (const FileSystemItem& item : files)
        filesDic_.insert(item.fullPath);
    uncheckedFolders_.clear();
}

bool FileList::isListed(const QString& path)
{
    completeIndex();
    return filesDic_.contains(path);
}

qsizetype FileList::listedPathCount()
{
    completeIndex();
    return filesDic_.size();
}

bool FileList::append(FileSystemItem item)
{
    if (stale_)
        rebuildIndex();
    // Items come folder by folder: the folder is looked at when it changes. (The one looked
    // at last is in folders_, so no later listing of it can go unchecked.)
    const QStringView folder = folderOf(item.fullPath);
    if (folder != lastAppendFolder_) {
        QString key = folder.toString();
        if (uncheckedFolders_.contains(key))
            completeIndex();
        folders_.insert(key);
        lastAppendFolder_ = std::move(key);
    }
    // One hash of the path: the set grows exactly when the path was not listed yet.
    const qsizetype before = filesDic_.size();
    filesDic_.insert(item.fullPath);
    if (filesDic_.size() == before)
        return false;
    files.push_back(std::move(item));
    return true;
}

bool FileList::beginFreshFolder(const QString& folder)
{
    if (stale_)
        rebuildIndex();
    const QString key = folderKey(folder);
    if (folders_.contains(key))
        return false;
    folders_.insert(key);
    uncheckedFolders_.insert(key);
    return true;
}

void FileList::reserveFor(size_t more)
{
    const size_t needed = files.size() + more;
    if (needed > files.capacity())
        files.reserve(std::max(needed, 2 * files.capacity()));
}

void FileList::removeRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        if (*it >= 0 && *it < size())
            files.erase(files.begin() + *it);
    }
    resetFilesDic();
}

void FileList::clear()
{
    files.clear();
    files.shrink_to_fit();
    filesDic_.clear();
    folders_.clear();
    uncheckedFolders_.clear();
    lastAppendFolder_.clear();
    stale_ = false;
    keepsOrderInFolders_ = false;
}

QList<int> FileList::moveUp(QList<int> selectedRows)
{
    keepsOrderInFolders_ = false; // the order is now the user's own
    std::sort(selectedRows.begin(), selectedRows.end());
    QList<int> moved;
    for (int row : selectedRows) {
        if (row <= 0 || row >= size()) {
            moved.append(row);
            continue;
        }
        std::swap(files[size_t(row)], files[size_t(row - 1)]);
        moved.append(row - 1);
    }
    return moved;
}

QList<int> FileList::moveDown(QList<int> selectedRows)
{
    keepsOrderInFolders_ = false;
    std::sort(selectedRows.begin(), selectedRows.end(), std::greater<int>());
    QList<int> moved;
    for (int i = 0; i < selectedRows.size(); ++i) {
        const int row = selectedRows.at(i);
        if (row >= size() - 1) {
            // Already in the last row: the walk stops, nothing further moves.
            for (int j = i; j < selectedRows.size(); ++j)
                moved.prepend(selectedRows.at(j));
            break;
        }
        std::swap(files[size_t(row)], files[size_t(row + 1)]);
        moved.prepend(row + 1);
    }
    std::sort(moved.begin(), moved.end());
    return moved;
}

void FileList::sortByKey(const QString& key, bool ascending)
{
    keepsOrderInFolders_ = false;
    std::stable_sort(files.begin(), files.end(),
                     [&](const FileSystemItem& a, const FileSystemItem& b) {
                         const int c = compareFiles(a.objectForKey(key), b.objectForKey(key));
                         return ascending ? c < 0 : c > 0;
                     });
}

void FileList::sortByNumbers(const std::vector<std::optional<qint64>>& values, bool descending)
{
    struct Valued {
        std::optional<qint64> value;
        QString name;
        size_t index;
    };
    std::vector<Valued> keys;
    keys.reserve(files.size());
    for (size_t i = 0; i < files.size(); ++i)
        keys.push_back({i < values.size() ? values[i] : std::nullopt, files[i].filenameWithExtension(), i});
    std::stable_sort(keys.begin(), keys.end(), [descending](const Valued& a, const Valued& b) {
        if (a.value.has_value() != b.value.has_value())
            return a.value.has_value();
        if (a.value != b.value)
            return descending ? *a.value > *b.value : *a.value < *b.value;
        return compareFiles(a.name, b.name) < 0;
    });
    reorderBy(files, keys);
    keepsOrderInFolders_ = true;
}

void FileList::sortForFolderRuns()
{
    std::vector<Keyed> keys;
    keys.reserve(files.size());
    for (size_t i = 0; i < files.size(); ++i)
        keys.push_back({files[i].fileLocation(), keepsOrderInFolders_ ? QString() : files[i].filenameWithExtension(), i});
    // Names are left empty when the order inside each folder stays: only locations count.
    std::stable_sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
        const int c = compareFiles(a.location, b.location);
        if (c != 0)
            return c < 0;
        return compareFiles(a.name, b.name) < 0;
    });
    reorderBy(files, keys);
}
