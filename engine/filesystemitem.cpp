#include "engine/filesystemitem.h"

#include "engine/filename.h"
#include "engine/slashnote.h"
#include "platform/filemanager.h"
#include "platform/messages.h"
#include "platform/utf16scan.h"

#include <array>

namespace Status {

namespace {

// The statuses by their length in UTF-16 units (every status is shorter than 64 units and
// no length is shared by more than three): most texts asked about are new names, which
// are answered by one look at their length and at most three comparisons.
struct StatusesByLength {
    struct Entry {
        const QString* text = nullptr;
        bool isError = false;
    };
    std::array<std::array<Entry, 3>, 64> byLength{};

    StatusesByLength()
    {
        const QString* const errors[] = {&NoChanges, &FileAlreadyExists, &FolderAlreadyExists, &FileNotFound,
                                         &FolderNotFound, &FileNameUsedTwice, &FolderNameUsedTwice, &NotRestored,
                                         &CouldNotRename, &NameTooLong, &NameNotAllowedHere, &RefusedWithItsGroup};
        add(&RenamingOK, false);
        for (const QString* status : errors)
            add(status, true);
    }
    void add(const QString* status, bool error)
    {
        for (Entry& slot : byLength.at(size_t(status->size()))) {
            if (!slot.text) {
                slot = {status, error};
                return;
            }
        }
        Q_ASSERT_X(false, "StatusesByLength", "more than three statuses of one length");
    }
    // The status the text is, or nullptr.
    const Entry* find(const QString& text) const
    {
        if (text.size() >= qsizetype(byLength.size()))
            return nullptr;
        for (const Entry& slot : byLength[size_t(text.size())]) {
            if (!slot.text)
                return nullptr;
            // The first unit turns most names of a status's length away before the whole
            // comparison, which Qt makes as an ordering.
            if (text.front() == slot.text->front() && text == *slot.text)
                return &slot;
        }
        return nullptr;
    }
};

const StatusesByLength& statuses()
{
    static const StatusesByLength table;
    return table;
}

} // namespace

namespace detail {

quint64 statusLengths()
{
    quint64 lengths = 0;
    for (const auto& sameLength : statuses().byLength) {
        if (sameLength.front().text)
            lengths |= quint64(1) << sameLength.front().text->size();
    }
    return lengths;
}

bool isErrorText(const QString& text)
{
    const StatusesByLength::Entry* status = statuses().find(text);
    return status && status->isError;
}

bool isStatusText(const QString& text)
{
    return statuses().find(text) != nullptr;
}

} // namespace detail

QString displayText(const QString& text)
{
    static const struct {
        const QString& status;
        const char* key;
    } kKeys[] = {
        {NoChanges, "STATUSNOCHANGES"},
        {FileAlreadyExists, "STATUSFILEALREADYEXISTS"},
        {FolderAlreadyExists, "STATUSFOLDERALREADYEXISTS"},
        {FileNotFound, "STATUSFILENOTFOUND"},
        {FolderNotFound, "STATUSFOLDERNOTFOUND"},
        {RenamingOK, "STATUSRENAMINGOK"},
        {FileNameUsedTwice, "STATUSFILENAMEUSEDTWICE"},
        {FolderNameUsedTwice, "STATUSFOLDERNAMEUSEDTWICE"},
        {NotRestored, "STATUSNOTRESTORED"},
        {CouldNotRename, "STATUSCOULDNOTRENAME"},
        {NameTooLong, "STATUSNAMETOOLONG"},
        {NameNotAllowedHere, "STATUSNAMENOTALLOWEDHERE"},
        {RefusedWithItsGroup, "STATUSREFUSEDWITHGROUP"},
    };
    for (const auto& entry : kKeys) {
        if (text == entry.status)
            return msg(entry.key);
    }
    return text;
}

} // namespace Status

namespace {

QString slashToColon(QString s)
{
    SlashNote::note();
    return s.replace(QLatin1Char('/'), QLatin1Char(':'));
}

} // namespace

bool FileSystemItem::isPathAlias(const QString& path, bool& isFolder)
{
    isFolder = FileManager::isDirectory(path);
    return FileManager::isSymbolicLink(path);
}

std::optional<FileSystemItem> FileSystemItem::initWithPath(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    FileSystemItem item;
    item.fullPath = path;
    item.isHidden = lastPathComponent(path).startsWith(QLatin1Char('.'));
    if (item.isHidden)
        return std::nullopt;
    item.isPackageAtpath = false; // Linux has no file packages
    bool folder = false;
    item.isAlias = isPathAlias(path, folder);
    item.isFolder = folder;
    item.isFile = !item.isAlias && !item.isFolder;
    item.itemType = qint32(item.isFile ? ItemType::File
                           : item.isFolder ? ItemType::Folder
                           : item.isAlias ? ItemType::Alias
                                          : ItemType::Package);
    return item;
}

FileSystemItem FileSystemItem::withKind(const QString& path, int itemType)
{
    FileSystemItem item;
    item.fullPath = path;
    item.itemType = itemType;
    item.isFile = item.kind() == ItemType::File;
    item.isFolder = item.kind() == ItemType::Folder;
    item.isAlias = item.kind() == ItemType::Alias;
    item.isPackageAtpath = item.kind() == ItemType::Package;
    return item;
}

QString FileSystemItem::getDisplayFilePath(const QString& path)
{
    // A name is shown as it is on disk: ":" is an ordinary character of a Linux name.
    return path;
}

bool FileSystemItem::isPathExists() const
{
    return isFile ? FileManager::exists(fullPath) : FileManager::isDirectory(fullPath);
}

QString FileSystemItem::filenameWithExtension() const
{
    return lastPathComponent(fullPath);
}

QString FileSystemItem::filename() const
{
    return splitName(filenameWithExtension()).base;
}

QString FileSystemItem::fileExtension() const
{
    return splitName(filenameWithExtension()).extension;
}

QString FileSystemItem::fileLocation() const
{
    return deletingLastPathComponent(fullPath);
}

QString FileSystemItem::fileType() const
{
    if (kind() == ItemType::File)
        return QStringLiteral("FILE");
    if (kind() == ItemType::Folder)
        return QStringLiteral("FOLDER");
    return QLatin1String("");
}

QString FileSystemItem::newFilenameValue() const
{
    return Utf16Scan::lastIndexOf(newFilename, u'/') >= 0 ? slashToColon(newFilename) : newFilename;
}

QString FileSystemItem::objectForKey(const QString& key) const
{
    if (key == QLatin1String("newFilename"))
        return newFilenameValue();
    if (key == QLatin1String("filename"))
        return filename();
    if (key == QLatin1String("fileExtension"))
        return fileExtension();
    if (key == QLatin1String("filenameWithExtension"))
        return filenameWithExtension();
    if (key == QLatin1String("fileLocation"))
        return fileLocation();
    if (key == QLatin1String("fileWithPath"))
        return fullPath;
    if (key == QLatin1String("fileType"))
        return kind() == ItemType::File || kind() == ItemType::Folder ? fileType() : QString();
    return QString();
}

void FileSystemItem::setObjectForKey(const QString& value, const QString& key)
{
    if (key == QLatin1String("newFilename"))
        newFilename = value;
}

QString FileSystemItem::displayField(const QString& column) const
{
    if (column == QLatin1String("filename"))
        return filename();
    if (column == QLatin1String("filenameWithExtension"))
        return filenameWithExtension();
    if (column == QLatin1String("newFilename"))
        return newFilenameValue(); // the name the file will have on disk
    if (column == QLatin1String("fileLocation") || column == QLatin1String("fileExtension")
        || column == QLatin1String("fileWithPath") || column == QLatin1String("fileType"))
        return objectForKey(column);
    return QString();
}
