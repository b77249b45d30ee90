#include "profiles/rulenames.h"

#include "platform/messages.h"

#include <QHash>

namespace RuleNames {

QString shown(const QString& stored)
{
    // Built per call: the texts follow the message tables installed at the time.
    const QHash<QString, QString> names = {
        // kinds
        {QStringLiteral("AlphaNumeric"), msg("AlphaNumeric")},
        {QStringLiteral("InsertDelete"), msg("InsertDelete")},
        {QStringLiteral("ReplaceRemove"), msg("ReplaceRemove")},
        {QStringLiteral("PrefixSuffix"), msg("PrefixSuffix")},
        {QStringLiteral("Date & Time"), msg("Date & Time")},
        {QStringLiteral("General"), msg("General")},
        {QStringLiteral("ID3"), msg("ID3")},
        {QStringLiteral("Photo"), msg("Photo")},
        {QStringLiteral("PathComponents"), msg("PathComponents")},
        // types
        {QStringLiteral("Numeric"), msg("Numeric")},
        {QStringLiteral("Alphabetic"), msg("Alphabetic")},
        {QStringLiteral("Insert"), msg("Insert")},
        {QStringLiteral("Delete"), msg("Delete")},
        {QStringLiteral("Replace"), msg("Replace")},
        {QStringLiteral("Remove"), msg("Remove")},
        {QStringLiteral("Remove Characters"), msg("Remove Characters")},
        {QStringLiteral("As String"), msg("As String")},
        {QStringLiteral("As Date"), msg("As Date")},
        {QStringLiteral("DateTime"), msg("DateTime")},
        {QStringLiteral("ID3Tag"), msg("ID3Tag")},
        {QStringLiteral("Path Components"), msg("Path Components")},
    };
    return names.value(stored, stored);
}

} // namespace RuleNames
