// Numbering the items of a batch with decimal numbers or letter sequences (a, b, ..., z,
// aa, ab, ...). Each call names one item with the running counter and steps the counter
// for the next item; the caller keeps it between calls.
#include "engine/alphabeticcounter.h"
#include "engine/proposedname.h"
#include "engine/renamingcontract.h"
#include "engine/renamingmethods.h"
#include "engine/stringutilities.h"
#include "platform/numbers.h"

#include <algorithm>

namespace {

// How long the alphabetic counter may walk to reach letters only before the rest is
// clamped: a start text such as "a" + CJK characters + "a" would otherwise take longer
// than any user waits (a unit outside the letters k places from the end moves only once
// per 26^k steps).
constexpr int kMaxAlphabeticWalk = 1000000;

// The value padded on the left with the mask's leading characters up to the mask's
// length, or cut to its first (mask length) characters when it is longer.
QString padWithMask(const QString& value, const QString& mask)
{
    const qsizetype n = mask.size();
    if (n == 0)
        return value;
    if (value.size() > n)
        return value.left(n);
    return mask.left(n - value.size()) + value;
}

// The value before and/or after the base, or in place of it.
QString compose(const QString& base, const QString& value, bool prefix, bool subffix, bool seperator,
                const QString& seperatorString)
{
    const QString s = seperator ? seperatorString : QString();
    if (prefix && subffix)
        return value + s + base + s + value;
    if (prefix)
        return value + s + base;
    if (subffix)
        return base + s + value;
    return value;
}

// Every unit still outside "a".."z" set to the given letter.
QString clampToLetters(QString counter, QChar letter)
{
    for (QChar& c : counter) {
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            c = letter;
    }
    return counter;
}

// One step of the alphabetic counter, repeated until it holds letters only (so a start
// such as "A" or "1" is walked into the letters).
QString stepAlphabetic(QString counter, bool increment, bool decrement, int incrementBy, int decrementBy)
{
    if (!decrement && !increment)
        return counter;
    const int by = std::clamp(decrement ? decrementBy : incrementBy, 1, 26);
    int steps = 0;
    do {
        counter = decrement ? previousAlphabeticNumber(counter, by) : nextAlphabeticNumber(counter, by);
        ++steps;
    } while (!StringUtilities::isAlphabeticNumericInRange(counter) && steps < kMaxAlphabeticWalk);
    if (!StringUtilities::isAlphabeticNumericInRange(counter))
        counter = clampToLetters(counter, decrement ? QLatin1Char('z') : QLatin1Char('a'));
    return counter;
}

} // namespace

bool renameByNumeric(FileSystemItem& item, bool increment, bool decrement, bool prefix,
                     bool subffix, bool seperator, const QString& seperatorString,
                     const QString& addingMask, qint64& numericStartWith, int incrementBy,
                     int decrementBy, QString& error)
{
    qint64 counter = clampSequence(numericStartWith);
    const bool ok = applyRenamingContract(item, error, [&](const NameParts& name) {
        const QString value = padWithMask(QString::number(counter), slashesToColons(addingMask));
        return proposedName(compose(name.base, value, prefix, subffix, seperator, slashesToColons(seperatorString)),
                            name.extension);
    });
    // The counter steps and goes back to the caller whether or not the name was made.
    if (decrement)
        counter -= std::max(decrementBy, 1);
    else if (increment)
        counter += std::max(incrementBy, 1);
    numericStartWith = clampSequence(counter);
    return ok;
}

bool renameByAlphabetic(FileSystemItem& item, bool increment, bool decrement, bool prefix,
                        bool subffix, bool seperator, const QString& seperatorString,
                        const QString& addingMask, QString& alphabeticStartWith, int incrementBy,
                        int decrementBy, QString& error)
{
    QString counter = alphabeticStartWith.isEmpty() ? QStringLiteral("a") : alphabeticStartWith;
    // A counter longer than the mask is cut, and the cut value is what runs on.
    if (!addingMask.isEmpty() && counter.size() > addingMask.size())
        counter.truncate(addingMask.size());
    const bool ok = applyRenamingContract(item, error, [&](const NameParts& name) {
        const QString value = padWithMask(counter, addingMask);
        return proposedName(compose(name.base, value, prefix, subffix, seperator, seperatorString), name.extension);
    });
    alphabeticStartWith = stepAlphabetic(counter, increment, decrement, incrementBy, decrementBy);
    return ok;
}
