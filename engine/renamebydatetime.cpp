// Date and time: the item's creation date, its modification date or a chosen date,
// composed from the user's date and time parts, put into the base name at the start,
// the end, a position, or before or after the N-th occurrence of a text.
#include "engine/datepattern.h"
#include "engine/proposedname.h"
#include "engine/renamingcontract.h"
#include "engine/renamingmethods.h"
#include "engine/textplacement.h"
#include "platform/filemanager.h"

#include <stdexcept>

namespace {

using Source = DateTimeOptions::Source;

// An item whose dates cannot be read, or an unknown source, has no date: the method fails.
QDateTime sourceDate(const FileSystemItem& item, Source source, const QDateTime& customDate)
{
    if (source == Source::Custom)
        return customDate;
    if (source != Source::Created && source != Source::Modified)
        throw std::runtime_error(QStringLiteral("unknown date source %1").arg(int(source)).toStdString());
    FileManager::Attributes attributes;
    QString reason;
    if (!FileManager::attributesOfItem(item.fullPath, attributes, &reason))
        throw std::runtime_error(QStringLiteral("cannot read the dates of %1: %2")
                                     .arg(FileSystemItem::getDisplayFilePath(item.fullPath), reason)
                                     .toStdString());
    return source == Source::Created ? attributes.creationDate : attributes.modificationDate;
}

// The pieces with every "/" of their separators read as ":".
DatePattern::Pieces withColons(const DatePattern::Pieces& pieces)
{
    return {pieces.part1, slashesToColons(pieces.separator1), pieces.part2, slashesToColons(pieces.separator2),
            pieces.part3};
}

QString fullPattern(const DateTimeOptions& options)
{
    if (!options.withDate && !options.withTime)
        return QStringLiteral("dd/MM/yyyy hh:mm:ss a");
    const QString datePattern = options.withDate ? DatePattern::datePattern(withColons(options.date)) : QString();
    const QString timePattern = options.withTime ? DatePattern::timePattern(withColons(options.time)) : QString();
    if (timePattern.isEmpty())
        return datePattern;
    const QString separator = slashesToColons(options.separator);
    if (options.withDate && !separator.isEmpty())
        return DatePattern::joinWithLiteral(datePattern, separator, timePattern);
    return datePattern + timePattern;
}

} // namespace

MethodResult renameByDateTime(FileSystemItem& item, const DateTimeOptions& options)
{
    return applyRenamingContract(item, [&](const NameParts& name) {
        QString dateText =
            DatePattern::formatDate(sourceDate(item, options.source, options.customDate), fullPattern(options));
        if (options.replacesColons)
            dateText.replace(QLatin1Char(':'), slashesToColons(options.colonReplacement));
        const QString text = slashesToColons(options.prefix) + dateText + slashesToColons(options.suffix);
        return proposedName(TextPlacement::place(name.base, text, TextPlacement::withColons(options.where)),
                            name.extension);
    });
}
