#pragma once

#include <QByteArrayView>
#include <QString>

struct RenameLogEntry;

// The layout RenameLogWriter produces, read one line at a time without an XML parser: the
// declaration, the root's start tag, one "file" element per line, the root's end tag. It
// takes only what an XML reader reads the same way (the writer's attribute order, the five
// escapes and three character references it writes, well-formed UTF-8 of characters XML
// allows); a line it does not take is no judgement on the log, which then goes to the XML
// reader. Lines are given without their line feed.
namespace RenameLogLines {

bool isDeclaration(QByteArrayView line);
// The root's start tag; fills the two values ("type" may be missing).
bool readRoot(QByteArrayView line, QString& appversion, QString& type);
bool isEnd(QByteArrayView line);

// One "file" element. With entry null the line is only checked. isItem is set to whether
// the entry moved an item of the batch rather than a swap's temporary name back.
bool readEntry(QByteArrayView line, RenameLogEntry* entry, bool* isItem = nullptr);

} // namespace RenameLogLines
