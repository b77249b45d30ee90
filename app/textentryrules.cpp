#include "app/textentryrules.h"

#include "platform/numbers.h"

#include <functional>

namespace {

QString trimEnds(const QString& text, const std::function<bool(QChar)>& keep)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && !keep(text.at(begin)))
        ++begin;
    while (end > begin && !keep(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

namespace TextEntryRules {

bool hasRule(int tag)
{
    return tag >= 300301 && tag <= 300305;
}

QString apply(int tag, const QString& text)
{
    switch (tag) {
    case 300301: {
        const QString letters = trimEnds(text.toLower(), [](QChar c) { return c.isLower(); });
        return letters.isEmpty() ? QStringLiteral("a") : letters;
    }
    case 300302: {
        // Numbering from 0 is the default and stays reachable.
        const QString digits = trimEnds(text, isDigit);
        return digits.isEmpty() ? QStringLiteral("0") : digits;
    }
    case 300303:
    case 300304: {
        const QString digits = trimEnds(text, isDigit);
        return digits.isEmpty() || intValue(digits) == 0 ? QStringLiteral("1") : digits;
    }
    case 300305: {
        static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
        return trimEnds(text.toLower(), [](QChar c) { return !forbidden.contains(c); });
    }
    default:
        return text;
    }
}

} // namespace TextEntryRules
