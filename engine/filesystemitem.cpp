#include "engine/filesystemitem.h"

#include "engine/filename.h"
#include "engine/slashnote.h"
#include "platform/filemanager.h"
#include "platform/messages.h"
#include "platform/utf16scan.h"

namespace Status {

namespace {

const QString* const kErrors[] = {&NoChanges, &FileAlreadyExists, &FolderAlreadyExists, &FileNotFound,
                                  &FolderNotFound, &FileNameUsedTwice, &FolderNameUsedTwice, &NotRestored,
                                  &CouldNotRename, &NameTooLong, &NameNotAllowedHere, &RefusedWithItsGroup};

// Every status is shorter than 64 units: bit n is set when a status has n units. Most texts
// asked about are new names, which a length no status has answers at once.
quint64 statusLengths()
{
    quint64 mask = quint64(1) << RenamingOK.size();
    for (const QString* status : kErrors)
        mask |= quint64(1) << status->size();
    return mask;
}

bool mayBeStatus(const QString& text)
{
    static const quint64 lengths = statusLengths();
    return text.size() < 64 && (lengths >> text.size() & 1) != 0;
}

} // namespace

bool isError(const QString& text)
{
    if (!mayBeStatus(text))
        return false;
    for (const QString* status : kErrors) {
        if (text == *status)
            return true;
    }
    return false;
}

bool isStatus(const QString& text)
{
    return mayBeStatus(text) && (text == RenamingOK || isError(text));
}

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
