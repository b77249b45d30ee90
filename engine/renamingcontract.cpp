#include "engine/renamingcontract.h"

#include "platform/edition.h"
#include "platform/messages.h"

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
    // splitName of the path's last component, with the parts taken straight from the path.
    const QStringView path(item.fullPath);
    const QStringView name = path.mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot <= 0 || dot == name.size() - 1)
        return {name.toString(), QString()};
    return {name.left(dot).toString(), name.mid(dot + 1).toString()};
}
