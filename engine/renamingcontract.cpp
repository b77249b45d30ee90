#include "engine/renamingcontract.h"

#include "platform/edition.h"
#include "platform/messages.h"
#include "platform/utf16scan.h"

QString unableToGenerateNewFilenameError(const QString& reason)
{
    if (Edition::current().kind == Edition::Kind::Quorvel2)
        return QStringLiteral("Unable to generate new filename. Error: %1").arg(reason);
    return msg("UNABLETOGENERATENEWFILENAMEERROR").arg(reason);
}

NameParts startingName(const FileSystemItem& item)
{
    if (!item.newFilename.isEmpty())
        return splitName(item.newFilenameValue());
    // The parts are taken straight from the path, without a copy of the name first.
    const QStringView path(item.fullPath);
    return splitName(path.mid(Utf16Scan::lastIndexOf(path, u'/') + 1));
}
