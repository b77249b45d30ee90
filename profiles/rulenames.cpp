#include "profiles/rulenames.h"

#include "platform/messages.h"

#include <QHash>

namespace RuleNames {

QString shown(const QString& stored)
{
    // Built per call: the texts follow the message tables installed at the time. Each
    // variant is named as the window names the choice that makes it (the method's tab for
    // the methods of one variant).
    const QHash<QString, QString> names = {
        {QStringLiteral("Numeric"), msg("SEQUENCENUMBERS")},
        {QStringLiteral("Alphabetic"), msg("SEQUENCELETTERS")},
        {QStringLiteral("Insert"), msg("INSERTGROUP")},
        {QStringLiteral("Delete"), msg("DELETEGROUP")},
        {QStringLiteral("Replace"), msg("REPLACEMODE")},
        {QStringLiteral("Remove"), msg("REMOVEMODE")},
        {QStringLiteral("Remove Characters"), msg("REMOVECHARACTERSMODE")},
        {QStringLiteral("As String"), msg("PREFIXSUFFIXTEXTGROUP")},
        {QStringLiteral("As Date"), msg("PREFIXSUFFIXDATEGROUP")},
        {QStringLiteral("DateTime"), msg("TABDATETIME")},
        {QStringLiteral("General"), msg("TABGENERAL")},
        {QStringLiteral("ID3Tag"), msg("TABAUDIO")},
        {QStringLiteral("Photo"), msg("TABPHOTO")},
        {QStringLiteral("Path Components"), msg("TABPATHCOMPONENTS")},
    };
    return names.value(stored, stored);
}

} // namespace RuleNames
