// Prefix and suffix: fixed texts around the base name, or the current date, the item's
// creation date or its modification date formatted from the user's date and time parts.
#include "engine/datepattern.h"
#include "engine/proposedname.h"
#include "engine/renamingcontract.h"
#include "engine/renamingmethods.h"
#include "platform/filemanager.h"

namespace {

// 1 the creation date, 2 the modification date; 0 (and an unreadable item) now.
QDateTime dateFor(const FileSystemItem& item, int fileDateAttribute)
{
    if (fileDateAttribute == 1 || fileDateAttribute == 2) {
        FileManager::Attributes attributes;
        if (FileManager::attributesOfItem(item.fullPath, attributes))
            return fileDateAttribute == 1 ? attributes.creationDate : attributes.modificationDate;
    }
    return QDateTime::currentDateTime();
}

} // namespace

bool renameByPrefixSuffix(FileSystemItem& item, const QString& prefix, const QString& suffix,
                          bool isString, bool isDate, int fileDateAttribute, bool isDatePrefix,
                          bool isDateSuffix, const QString& datePart1, const QString& dateSeperator1,
                          const QString& datePart2, const QString& dateSeperator2,
                          const QString& datePart3, const QString& timePart1,
                          const QString& timeSeperator1, const QString& timePart2,
                          const QString& timeSeperator2, const QString& timePart3,
                          const QString& datePrefix, const QString& dateSuffix, QString& error)
{
    (void)isDate; // date mode is whatever text mode is not
    return applyRenamingContract(item, error, [&](const NameParts& name) {
        if (isString)
            return proposedName(slashesToColons(prefix) + name.base + slashesToColons(suffix), name.extension);
        if (!isDatePrefix && !isDateSuffix)
            return proposedName(name.base, name.extension);

        const QString pattern =
            DatePattern::datePattern({datePart1, dateSeperator1, datePart2, dateSeperator2, datePart3})
            + QLatin1Char(' ')
            + DatePattern::timePattern({timePart1, timeSeperator1, timePart2, timeSeperator2, timePart3});
        const QString dateText = datePrefix + DatePattern::formatDate(dateFor(item, fileDateAttribute), pattern)
            + dateSuffix;
        QString result = name.base;
        if (isDatePrefix)
            result = dateText + result;
        if (isDateSuffix)
            result += dateText;
        return proposedName(result, name.extension);
    });
}
