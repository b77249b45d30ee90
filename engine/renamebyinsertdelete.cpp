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

MethodResult renameByInsert(FileSystemItem& item, const InsertOptions& options)
{
    return applyRenamingContract(item, [&](const NameParts& name) {
        const QString text = slashesToColons(options.text);
        return proposedName(TextPlacement::place(name.base, text, TextPlacement::withColons(options.where)),
                            name.extension);
    });
}

MethodResult renameByDelete(FileSystemItem& item, const DeleteOptions& options)
{
    return applyRenamingContract(item, [&](const NameParts& name) {
        // From the end, position 1 is the last character and the run extends towards the start.
        const bool fromEnd = options.countFrom == CountFrom::End;
        const QString work = fromEnd ? SU::reverseString(name.base) : name.base;
        QString result = deleteRun(work, options.position, options.count);
        if (fromEnd)
            result = SU::reverseString(result);
        return proposedName(result, name.extension);
    });
}
