// Replace and remove: occurrences of a search text inside the base name, from a chosen
// occurrence and character position, counted from either end; or removal of a set of
// characters. The extension is never searched.
#include "engine/proposedname.h"
#include "engine/renamingcontract.h"
#include "engine/renamingmethods.h"
#include "engine/stringutilities.h"

namespace {

using SU = StringUtilities;

// Every character of the set removed from work. A character outside the Basic
// Multilingual Plane is removed as a whole surrogate pair; on a reversed name the pair is
// looked for reversed too.
QString removeCharacterSet(QString work, const QString& characters, bool reversed, bool caseSensitive)
{
    const qsizetype n = characters.size();
    for (qsizetype i = 0; i < n; ++i) {
        qsizetype units = 1;
        if (characters.at(i).isHighSurrogate() && i + 1 < n && characters.at(i + 1).isLowSurrogate())
            units = 2;
        QString character = characters.mid(i, units);
        if (reversed && units == 2)
            character = SU::reverseString(character);
        work = SU::replaceString(work, character, QStringView(), 1, -1, caseSensitive);
        i += units - 1;
    }
    return work;
}

} // namespace

MethodResult renameByReplaceRemove(FileSystemItem& item, const ReplaceRemoveOptions& options)
{
    return applyRenamingContract(item, [&](const NameParts& name) {
        const bool reversed = options.countFrom == CountFrom::End;
        const bool caseSensitive = options.caseSensitive;
        const int startFromCharacter = options.startFromCharacter;
        const int startOnOccurrence = options.startOnOccurrence;
        QString find = slashesToColons(options.find);
        QString with = slashesToColons(options.replacement);
        QString base = name.base;
        if (reversed) {
            // Working on the reversed name, so that positions and occurrences count from
            // its end; search text and replacement reversed too so they read forwards.
            base = SU::reverseString(base);
            find = SU::reverseString(find);
            with = SU::reverseString(with);
        }

        // A start position splits off a head that is never touched; a start equal to the
        // length (or beyond) counts as no start position.
        QString head;
        QString work = base;
        if (startFromCharacter >= 2 && startFromCharacter < base.size()) {
            head = base.left(startFromCharacter - 1);
            work = base.mid(startFromCharacter - 1);
        }

        if (options.mode == ReplaceRemoveOptions::Mode::RemoveCharacters) {
            work = removeCharacterSet(work, slashesToColons(options.find), reversed, caseSensitive);
        } else {
            const qsizetype position = startOnOccurrence <= 1
                ? 1
                : SU::findLocationInString(work, find, startOnOccurrence, caseSensitive);
            if (position == 1) {
                work = SU::replaceString(work, find, with, position, options.occurrenceCount, caseSensitive);
            } else if (position != 0) {
                work = SU::leftString(work, position - 1)
                    + SU::replaceString(work, find, with, position, options.occurrenceCount, caseSensitive);
            }
        }

        QString result = head.isEmpty() ? work : head + work;
        if (reversed)
            result = SU::reverseString(result);
        return proposedName(result, name.extension);
    });
}
