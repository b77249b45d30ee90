// Insert a text into the base name (start, end, a position from either end, before or
// after the N-th occurrence of a text), or delete a run of characters at a position
// counted from either end. The extension is never touched.
#include "engine/proposedname.h"
#include "engine/renamingcontract.h"
#include "engine/renamingmethods.h"
#include "engine/stringutilities.h"
#include "engine/textplacement.h"

#include <algorithm>

namespace {

using SU = StringUtilities;

// n units deleted from 1-based position P on; positions below 1 count as 1 and a
// position past the end deletes nothing.
QString deleteRun(const QString& text, qint64 position, qint64 count)
{
    const qint64 length = text.size();
    if (count < 1)
        return text;
    position = std::clamp<qint64>(position, 1, length + 1);
    const QString head = position > 1 ? text.left(position - 1) : QString();
    const qint64 end = count + position - 1;
    return end < length ? head + text.mid(end) : head;
}

} // namespace

bool renameByInsert(FileSystemItem& item, const QString& insertText, int insertOptionIndex,
                    int atCharacterPositions, int atPostionDirection, const QString& atBeforeText,
                    int atBeforeOccurrence, const QString& atAfterText, int atAfterOccurrence,
                    QString& error)
{
    return applyRenamingContract(item, error, [&](const NameParts& name) {
        TextPlacement::Options where;
        where.optionIndex = insertOptionIndex;
        where.position = atCharacterPositions;
        where.direction = atPostionDirection;
        where.beforeText = slashesToColons(atBeforeText);
        where.beforeOccurrence = atBeforeOccurrence;
        where.afterText = slashesToColons(atAfterText);
        where.afterOccurrence = atAfterOccurrence;
        return proposedName(TextPlacement::place(name.base, slashesToColons(insertText), where), name.extension);
    });
}

bool renameByDelete(FileSystemItem& item, bool deleteFromBackward, int fromCharacterPosition,
                    int numberOfCharacters, QString& error)
{
    return applyRenamingContract(item, error, [&](const NameParts& name) {
        // Backwards, position 1 is the last character and the run extends towards the start.
        const QString work = deleteFromBackward ? SU::reverseString(name.base) : name.base;
        QString result = deleteRun(work, fromCharacterPosition, numberOfCharacters);
        if (deleteFromBackward)
            result = SU::reverseString(result);
        return proposedName(result, name.extension);
    });
}
