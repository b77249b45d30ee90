#include "metadata/audiorenaming.h"

#include "engine/renamingcontract.h"
#include "metadata/acceptedextensions.h"
#include "metadata/metadatacatalogue.h"
#include "platform/audiometadata.h"

#include <QHash>

namespace {

// Not a valid character: a noncharacter, an unassigned code point or a lone surrogate.
bool isIllegal(char32_t c)
{
    return QChar::isNonCharacter(c) || QChar::category(c) == QChar::Other_NotAssigned
           || QChar::isSurrogate(c);
}

// The values of the eight tokens, in token order, as name parts.
QHash<QString, QString> tokenValues(const AudioAttributes& a, bool isColonReplace, const QString& colonReplace)
{
    const auto text = [&](const QString& value) {
        QString t = value.trimmed();
        if (isColonReplace)
            t.replace(QLatin1Char(':'), colonReplace);
        return t;
    };
    const auto number = [](int value) { return value > 0 ? QString::number(value) : QString(); };
    const QStringList& tokens = MetaDataCatalogue::audioTokens();
    QHash<QString, QString> values;
    values.insert(tokens.at(0), text(a.authors.join(QLatin1Char(','))));
    values.insert(tokens.at(1), number(a.recordingYear));
    values.insert(tokens.at(2), text(a.musicalGenre));
    values.insert(tokens.at(3), text(a.title));
    values.insert(tokens.at(4), text(a.album));
    QString comment = cleanedAudioComment(a.comment);
    if (isColonReplace)
        comment.replace(QLatin1Char(':'), colonReplace);
    values.insert(tokens.at(5), comment);
    values.insert(tokens.at(6), number(a.audioTrackNumber));
    values.insert(tokens.at(7), text(a.composer));
    return values;
}

} // namespace

QString cleanedAudioComment(const QString& comment)
{
    QList<uint> units = comment.trimmed().toUcs4();
    while (!units.isEmpty() && isIllegal(units.first()))
        units.removeFirst();
    while (!units.isEmpty() && isIllegal(units.last()))
        units.removeLast();
    QString text = QString::fromUcs4(reinterpret_cast<const char32_t*>(units.constData()), units.size());
    text.replace(QStringLiteral("  "), QString());
    return text;
}

bool renameByID3Tags(FileSystemItem& item, const QString& id3RenamingMask, bool isID3RenamingSeperator,
                     const QString& id3RenamingSeperator, bool isID3RenamingColonReplace,
                     const QString& id3RenamingColonReplace, const QStringList& tags,
                     const QStringList& allowedExtensions, QString& error)
{
    return applyRenamingContract(item, error, [&](const NameParts& start) {
        const QString mask = slashesToColons(id3RenamingMask);
        const QString seperator = slashesToColons(id3RenamingSeperator);
        const QString colonReplace = slashesToColons(id3RenamingColonReplace);
        const QString& fallback = start.base;

        const QStringList accepted = acceptedExtensions(allowedExtensions, "id3Extensions");
        if (!accepted.contains(QLatin1Char('.') + start.extension.toUpper()) || mask.isEmpty())
            return joinName(fallback, start.extension);

        const QHash<QString, QString> values =
            tokenValues(AudioMetadata::read(item.fileWithPath()), isID3RenamingColonReplace, colonReplace);
        QString result;
        if (isID3RenamingSeperator && !seperator.isEmpty()) {
            for (const QString& token : tags) {
                const QString value = values.value(token);
                if (!result.isEmpty() && !value.isEmpty())
                    result += seperator;
                result += value;
            }
        } else {
            result = mask;
            for (const QString& token : MetaDataCatalogue::audioTokens())
                result.replace(token, values.value(token));
        }
        if (result.isEmpty())
            result = fallback;
        return joinName(result, start.extension);
    });
}
