#pragma once

#include "engine/datesource.h"
#include "engine/itemfacts.h"

#include <QString>

#include <optional>

// The status texts that stand in newFilename instead of a name. They are stored (and
// exported, and printed by the command line's tsv form) as these English literals; what a
// person reads is their translation (displayText).
namespace Status {
inline const QString NoChanges = QStringLiteral("No Changes");
inline const QString FileAlreadyExists = QStringLiteral("File Already Exists");
inline const QString FolderAlreadyExists = QStringLiteral("Folder Already Exists");
inline const QString FileNotFound = QStringLiteral("File Not Found");
inline const QString FolderNotFound = QStringLiteral("Folder Not Found");
inline const QString RenamingOK = QStringLiteral("Renaming (OK)");
// A later item of the batch proposes a name an earlier one already takes in that folder.
inline const QString FileNameUsedTwice = QStringLiteral("File Name Used Twice");
inline const QString FolderNameUsedTwice = QStringLiteral("Folder Name Used Twice");
// An undo could not bring the item back to its old name.
inline const QString NotRestored = QStringLiteral("Not Restored");
// The move failed at apply for a reason of the system's (the outcome line says which).
inline const QString CouldNotRename = QStringLiteral("Could Not Rename");
// The new name is longer than the folder's file system takes.
inline const QString NameTooLong = QStringLiteral("Name Too Long");
// The new name holds a character or an ending the folder's file system refuses, or
// cannot be a file name anywhere ("." or "..", U+0000, a lone surrogate).
inline const QString NameNotAllowedHere = QStringLiteral("Name Not Allowed Here");
// A companion file (or the item they follow) not renamed because another member of its
// group could not take its new name: a group is renamed whole or not at all.
inline const QString RefusedWithItsGroup = QStringLiteral("Refused With Its Group");

namespace detail {
// Bit n set when some status is n units long (every status is shorter than 64 units).
quint64 statusLengths();
inline const quint64 kStatusLengths = statusLengths();
// Whether the text may be a status: most new names are answered here, by their length,
// without a call.
inline bool mayBeStatus(const QString& text)
{
    return text.size() < 64 && (kStatusLengths >> text.size() & 1) != 0;
}
bool isErrorText(const QString& text);
bool isStatusText(const QString& text);
} // namespace detail

// One of the statuses that are never renamed (every status but "Renaming (OK)").
inline bool isError(const QString& text)
{
    return detail::mayBeStatus(text) && detail::isErrorText(text);
}
// One of the status texts.
inline bool isStatus(const QString& text)
{
    return detail::mayBeStatus(text) && detail::isStatusText(text);
}
// The status in the reader's language (the text itself when it is not a status).
QString displayText(const QString& text);
} // namespace Status

// The kind of an item, as "itemType" holds it (and rename logs and exports keep it).
enum class ItemType : qint32 { File = 0, Folder = 1, Alias = 2, Package = 3 };

// One entry of the file list: the path as it is now, the proposed new name (or a status)
// and flags fixed when the item is made. Everything else is derived from the path on
// request through the string keys, which are also the list's column identifiers.
class FileSystemItem {
public:
    // Null for an empty path or a hidden name (last component starting with ".").
    static std::optional<FileSystemItem> initWithPath(const QString& path);
    // An item whose flags are given (used where the path is known not to exist).
    static FileSystemItem withKind(const QString& path, int itemType);
    static FileSystemItem withKind(const QString& path, ItemType kind) { return withKind(path, qint32(kind)); }

    // True when the last component is a symbolic link; folder tells whether the path,
    // followed, is a folder.
    static bool isPathAlias(const QString& path, bool& isFolder);
    // The path as a person reads it: as it is on disk.
    static QString getDisplayFilePath(const QString& path);

    QString fullPath;
    QString newFilename;
    bool isFile = false;
    bool isFolder = false;
    bool isAlias = false;
    bool isPackageAtpath = false;
    bool isHidden = false;
    // The fields below are ordered by size, so that the list's items carry no padding.
    // leadsCompanions: the item names its companion group, the others follow it.
    bool leadsCompanions = false;
    // Where the capture date in newFilename came from, set by the photo method; a pass
    // clears it with the proposal. Read it through proposedDateSource().
    DateSource dateSource = DateSource::None;
    qint32 itemType = 0; // an ItemType
    // The companion group the last preview put the item in (an index into the pass's
    // groups), or -1.
    qint32 companionGroup = -1;
    ItemType kind() const { return ItemType(itemType); }
    // The inode the last preview found at fullPath (0: not known). The rename log records
    // it with each move, so that recovery after a crash can tell moves made from moves
    // only announced.
    quint64 inode = 0;
    // The capture time, modification time and size the sorts read (see ItemFacts).
    ItemFacts facts;
    // The source of the proposed name's capture date (dateSourceName() gives its text);
    // None when the item holds no proposed name (nothing, or a status).
    DateSource proposedDateSource() const
    {
        return newFilename.isEmpty() || Status::isStatus(newFilename) ? DateSource::None : dateSource;
    }

    // The exists test of the item's kind: files exist, others exist as a folder.
    bool isPathExists() const;

    // Key access: "fileWithPath", "filenameWithExtension", "filename", "fileExtension",
    // "fileLocation", "newFilename" (with "/" turned into ":"), "fileType" ("FILE",
    // "FOLDER", else null); any other key: null.
    QString objectForKey(const QString& key) const;
    // Only "newFilename" is writable; the value is stored as given.
    void setObjectForKey(const QString& value, const QString& key);

    QString filename() const;
    QString filenameWithExtension() const;
    QString fileExtension() const;
    QString fileLocation() const;
    QString fileWithPath() const { return fullPath; }
    QString fileType() const; // "FILE", "FOLDER" or ""
    // newFilename in its key form ("/" replaced by ":").
    QString newFilenameValue() const;

    // The value shown in a column: names as they are on disk.
    QString displayField(const QString& column) const;
};
