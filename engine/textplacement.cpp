#include "engine/textplacement.h"

#include "engine/stringutilities.h"

namespace TextPlacement {

QString atPosition(const QString& base, const QString& text, qint64 position, int direction)
{
    const qint64 length = base.size();
    if (position < 1 || position > length + 1)
        return base;
    // From the end, T is followed by exactly P - 1 units of B: the same split as reversing
    // B and T, inserting and reversing back, without breaking T's surrogate pairs.
    const qint64 split = direction == 1 ? length - (position - 1) : position - 1;
    QString result;
    result.reserve(base.size() + text.size());
    result += QStringView(base).left(split);
    result += text;
    result += QStringView(base).mid(split);
    return result;
}

QString atOccurrence(const QString& base, const QString& find, const QString& text,
                     qint64 occurrence, bool before)
{
    return StringUtilities::insertString(base, find, text, occurrence, before, true);
}

QString place(const QString& base, const QString& text, const Options& options)
{
    switch (options.optionIndex) {
    case 0:
        return text + base;
    case 1:
        return base + text;
    case 2:
        return atPosition(base, text, options.position, options.direction);
    case 3:
        return atOccurrence(base, options.beforeText, text, options.beforeOccurrence, true);
    case 4:
        return atOccurrence(base, options.afterText, text, options.afterOccurrence, false);
    default:
        return base;
    }
}

} // namespace TextPlacement
