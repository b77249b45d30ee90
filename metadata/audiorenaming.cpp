#include "metadata/audiorenaming.h"

#include "engine/settingsreader.h"
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
QHash<QString, QString> tokenValues(const AudioAttributes& a, bool replacesColons, const QString& colonReplacement)
{
    const auto text = [&](const QString& value) {
        QString t = value.trimmed();
        if (replacesColons)
            t.replace(QLatin1Char(':'), colonReplacement);
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
    if (replacesColons)
        comment.replace(QLatin1Char(':'), colonReplacement);
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

AudioTagOptions AudioTagOptions::from(const SettingsReader& settings)
{
    AudioTagOptions o;
    o.mask = settings.text(QStringLiteral("id3RenamingMask"));
    if (settings.flag(QStringLiteral("isID3RenamingSeperator")))
        o.separator = settings.text(QStringLiteral("id3RenamingSeperator"));
    o.replacesColons = settings.flag(QStringLiteral("isID3RenamingColonReplace"));
    o.colonReplacement = settings.text(QStringLiteral("id3RenamingColonReplace"));
    o.tags = settings.list(QStringLiteral("id3RenamingTagsList"));
    o.extensions = settings.list(QStringLiteral("id3Extensions"));
    return o;
}

MethodResult renameByID3Tags(FileSystemItem& item, const AudioTagOptions& options)
{
    return applyRenamingContract(item, [&](const NameParts& start) {
        const QString mask = slashesToColons(options.mask);
        const QString separator = slashesToColons(options.separator);
        const QString colonReplacement = slashesToColons(options.colonReplacement);
        const QString& fallback = start.base;

        const QStringList accepted = acceptedExtensions(options.extensions, "id3Extensions");
        if (!accepted.contains(QLatin1Char('.') + start.extension.toUpper()) || mask.isEmpty())
            return joinName(fallback, start.extension);

        const QHash<QString, QString> values =
            tokenValues(AudioMetadata::read(item.fileWithPath()), options.replacesColons, colonReplacement);
        QString result;
        if (!separator.isEmpty()) {
            for (const QString& token : options.tags) {
                const QString value = values.value(token);
                if (!result.isEmpty() && !value.isEmpty())
                    result += separator;
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
