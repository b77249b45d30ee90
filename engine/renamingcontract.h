#pragma once

#include "engine/filename.h"
#include "engine/filesystemitem.h"
#include "engine/slashnote.h"

#include <QString>

#include <exception>

// What one call of a renaming method gave: the new name was made, or the text of why not
// ("UNABLETOGENERATENEWFILENAMEERROR" with the reason).
struct MethodResult {
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// A call's result within its pass. A pass shares one error text: a failure puts its text
// there, and once it is set every later call of the pass reports failure too. True while
// no call of the pass has failed.
inline bool shareWithPass(const MethodResult& result, QString& passError)
{
    if (!result.ok())
        passError = result.error;
    return passError.isEmpty();
}

// The text of "UNABLETOGENERATENEWFILENAMEERROR" with the failure's reason (the earlier
// edition has its own wording).
QString unableToGenerateNewFilenameError(const QString& reason);

// The name a renaming method starts from: the item's proposed name when one is set (so
// chained methods continue from the previous result), else its current name.
NameParts startingName(const FileSystemItem& item);

// Runs a renaming method's computation under the shared contract: compute(parts) returns
// the new name with its extension; any exception leaves newFilename as it was and turns
// into the result's error text.
template <typename Compute>
MethodResult applyRenamingContract(FileSystemItem& item, Compute&& compute)
{
    try {
        QString result = compute(startingName(item));
        item.newFilename = std::move(result);
        return {};
    } catch (const std::exception& e) {
        return {unableToGenerateNewFilenameError(QString::fromUtf8(e.what()))};
    } catch (...) {
        return {unableToGenerateNewFilenameError(QStringLiteral("unknown error"))};
    }
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
