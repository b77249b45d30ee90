// Prefix and suffix: fixed texts around the base name, or the current date, the item's
// creation date or its modification date formatted from the user's date and time parts.
#include "engine/datepattern.h"
#include "engine/proposedname.h"
#include "engine/renamingcontract.h"
#include "engine/renamingmethods.h"
#include "platform/filemanager.h"

namespace {

using FileDate = PrefixSuffixOptions::FileDate;

// The creation or modification date; now for an unreadable item.
QDateTime dateFor(const FileSystemItem& item, FileDate fileDate)
{
    if (fileDate == FileDate::Created || fileDate == FileDate::Modified) {
        FileManager::Attributes attributes;
        if (FileManager::attributesOfItem(item.fullPath, attributes))
            return fileDate == FileDate::Created ? attributes.creationDate : attributes.modificationDate;
    }
    return QDateTime::currentDateTime();
}

} // namespace

MethodResult renameByPrefixSuffix(FileSystemItem& item, const PrefixSuffixOptions& options)
{
    return applyRenamingContract(item, [&](const NameParts& name) {
        if (options.mode == PrefixSuffixOptions::Mode::Texts)
            return proposedName(slashesToColons(options.prefix) + name.base + slashesToColons(options.suffix),
                                name.extension);
        if (!options.dateBeforeName && !options.dateAfterName)
            return proposedName(name.base, name.extension);

        const QString pattern = DatePattern::datePattern(options.date) + QLatin1Char(' ')
            + DatePattern::timePattern(options.time);
        const QString dateText = options.datePrefix
            + DatePattern::formatDate(dateFor(item, options.fileDate), pattern) + options.dateSuffix;
        QString result = name.base;
        if (options.dateBeforeName)
            result = dateText + result;
        if (options.dateAfterName)
            result += dateText;
        return proposedName(result, name.extension);
    });
}
