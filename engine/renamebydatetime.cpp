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

// 0 the creation date, 1 the modification date, 2 the custom date. An item whose dates
// cannot be read, or another source, has no date: the method fails.
QDateTime sourceDate(const FileSystemItem& item, int dateOption, const QDateTime& customDate)
{
    if (dateOption == 2)
        return customDate;
    if (dateOption != 0 && dateOption != 1)
        throw std::runtime_error(QStringLiteral("unknown date source %1").arg(dateOption).toStdString());
    FileManager::Attributes attributes;
    QString reason;
    if (!FileManager::attributesOfItem(item.fullPath, attributes, &reason))
        throw std::runtime_error(QStringLiteral("cannot read the dates of %1: %2")
                                     .arg(FileSystemItem::getDisplayFilePath(item.fullPath), reason)
                                     .toStdString());
    return dateOption == 0 ? attributes.creationDate : attributes.modificationDate;
}

QString fullPattern(bool hasDateFormat, bool hasTimeFormat, const DatePattern::Pieces& date,
                    const DatePattern::Pieces& time, const QString& separator)
{
    if (!hasDateFormat && !hasTimeFormat)
        return QStringLiteral("dd/MM/yyyy hh:mm:ss a");
    const QString datePattern = hasDateFormat ? DatePattern::datePattern(date) : QString();
    const QString timePattern = hasTimeFormat ? DatePattern::timePattern(time) : QString();
    if (timePattern.isEmpty())
        return datePattern;
    if (hasDateFormat && !separator.isEmpty())
        return DatePattern::joinWithLiteral(datePattern, separator, timePattern);
    return datePattern + timePattern;
}

} // namespace

bool renameByDateTime(FileSystemItem& item, int dateTimeDateOptionIndex,
                      const QDateTime& dateTimeCustomDate, int dateTimeOptionsIndex,
                      int dateTimeAtPositionNo, int dateTimeAtPositionDirection,
                      const QString& dateTimeAtBeforeText, int dateTimeAtBeforeTextOccurrence,
                      const QString& dateTimeAtAfterText, int dateTimeAtAfterTextOccurrence,
                      bool hasDateFormat, bool hasTimeFormat, const QString& datePart1,
                      const QString& dateSeperator1, const QString& datePart2,
                      const QString& dateSeperator2, const QString& datePart3,
                      const QString& timePart1, const QString& timeSeperator1,
                      const QString& timePart2, const QString& timeSeperator2,
                      const QString& timePart3, bool isDateTimeColonReplace,
                      const QString& dateTimeColonReplace, const QString& dateTimeSeparator,
                      const QString& dateTimePrefix, const QString& dateTimeSuffix, QString& error)
{
    return applyRenamingContract(item, error, [&](const NameParts& name) {
        const QString pattern = fullPattern(
            hasDateFormat, hasTimeFormat,
            {datePart1, slashesToColons(dateSeperator1), datePart2, slashesToColons(dateSeperator2), datePart3},
            {timePart1, slashesToColons(timeSeperator1), timePart2, slashesToColons(timeSeperator2), timePart3},
            slashesToColons(dateTimeSeparator));
        QString dateText =
            DatePattern::formatDate(sourceDate(item, dateTimeDateOptionIndex, dateTimeCustomDate), pattern);
        if (isDateTimeColonReplace)
            dateText.replace(QLatin1Char(':'), slashesToColons(dateTimeColonReplace));
        const QString text = slashesToColons(dateTimePrefix) + dateText + slashesToColons(dateTimeSuffix);

        TextPlacement::Options where;
        where.optionIndex = dateTimeOptionsIndex;
        where.position = dateTimeAtPositionNo;
        where.direction = dateTimeAtPositionDirection;
        where.beforeText = slashesToColons(dateTimeAtBeforeText);
        where.beforeOccurrence = dateTimeAtBeforeTextOccurrence;
        where.afterText = slashesToColons(dateTimeAtAfterText);
        where.afterOccurrence = dateTimeAtAfterTextOccurrence;
        return proposedName(TextPlacement::place(name.base, text, where), name.extension);
    });
}
