#pragma once

#include "engine/filename.h"
#include "engine/filesystemitem.h"
#include "engine/slashnote.h"

#include <QString>

#include <exception>

// The text of "UNABLETOGENERATENEWFILENAMEERROR" with the failure's reason (the earlier
// edition has its own wording).
QString unableToGenerateNewFilenameError(const QString& reason);

// The name a renaming method starts from: the item's proposed name when one is set (so
// chained methods continue from the previous result), else its current name.
NameParts startingName(const FileSystemItem& item);

// Runs a renaming method's computation under the shared contract: compute(parts) returns
// the new name with its extension; any exception leaves newFilename as it was and turns
// into the error text. The result is true exactly when the error text is empty afterwards
// (a pass shares one error text, so after the first failure every later call fails too).
template <typename Compute>
bool applyRenamingContract(FileSystemItem& item, QString& error, Compute&& compute)
{
    try {
        QString result = compute(startingName(item));
        item.newFilename = std::move(result);
    } catch (const std::exception& e) {
        error = unableToGenerateNewFilenameError(QString::fromUtf8(e.what()));
    } catch (...) {
        error = unableToGenerateNewFilenameError(QStringLiteral("unknown error"));
    }
    return error.isEmpty();
}

// Every "/" of an option text replaced by ":" (how the file system stores a slash the
// user sees in a name).
inline QString slashesToColons(QString text)
{
    if (!text.contains(QLatin1Char('/')))
        return text;
    SlashNote::note();
    return text.replace(QLatin1Char('/'), QLatin1Char(':'));
}
