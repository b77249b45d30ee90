#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

struct RenameLogEntry;

// The text of a rename log, written the one way the apply's journal and the undo's rewrite
// of a log both use: the declaration and the root's start tag, one line per "file" element
// (indented by four blanks), the root's end tag. Attribute values escape what XML needs
// ("&", "<", ">", quotes; TAB, LF and CR as character references) and are UTF-8 outside
// ASCII; a character XML 1.0 cannot carry is refused, never written.
namespace RenameLogWriter {

// The hidden names a swap or a cycle parks one item under while the others move. A move
// to or from such a name is logged like any other, but it is not an item of the batch.
inline const QString kTemporaryNamePrefix = QStringLiteral(".quorvel-swap-");
// A path in the folder under such a name, with 16 random letters and digits after the prefix.
QString temporaryPath(const QString& folder);

// The XML declaration and the root's start tag with "appversion" and "type" (left out when
// empty), ending in a line feed. Empty when a value holds a character XML cannot carry.
QByteArray header(const QString& appversion, const QString& type);
// The root's end tag and a line feed.
QByteArray trailer();

// Appends the element of a move from sourceFile to targetFile (full paths as on disk): the
// two folders as they are, the two names in display form (":" shown as "/"), the inode
// when not 0, and for a move onto a placeholder `reserved="0"` (made: "1"), always the
// element's last attribute so that the flag can be turned in place (kReservedFlagFromEnd).
// False, with out unchanged, when a path holds a character XML 1.0 cannot carry.
bool writeEntry(QByteArray& out, QStringView sourceFile, QStringView targetFile, quint64 inode = 0,
                bool reserved = false);

// Where the "0" of reserved="0" stands, counted back from the end of its element's line.
constexpr qsizetype kReservedFlagFromEnd = 5;
// Appends the element of an entry read from a log, its four values as the log held them.
bool writeEntry(QByteArray& out, const RenameLogEntry& entry);

// The bytes writeEntry adds for two paths in plain ASCII (for reserving).
qsizetype entrySizeHint(QStringView sourceFile, QStringView targetFile);

} // namespace RenameLogWriter
