#include "engine/textplacement.h"

#include "engine/stringutilities.h"

namespace TextPlacement {

QString atPosition(const QString& base, const QString& text, qint64 position, CountFrom from)
{
    const qint64 length = base.size();
    if (position < 1 || position > length + 1)
        return base;
    // From the end, T is followed by exactly P - 1 units of B: the same split as reversing
    // B and T, inserting and reversing back, without breaking T's surrogate pairs.
    const qint64 split = from == CountFrom::End ? length - (position - 1) : position - 1;
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
    switch (options.placement) {
    case Placement::AtBeginning:
        return text + base;
    case Placement::AtEnd:
        return base + text;
    case Placement::AtPosition:
        return atPosition(base, text, options.position, options.positionFrom);
    case Placement::BeforeText:
        return atOccurrence(base, options.beforeText, text, options.beforeOccurrence, true);
    case Placement::AfterText:
        return atOccurrence(base, options.afterText, text, options.afterOccurrence, false);
    }
    return base;
}

Options withColons(Options options)
{
    options.beforeText.replace(QLatin1Char('/'), QLatin1Char(':'));
    options.afterText.replace(QLatin1Char('/'), QLatin1Char(':'));
    return options;
}

} // namespace TextPlacement
