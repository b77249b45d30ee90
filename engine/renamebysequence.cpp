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
QString compose(const QString& base, const QString& value, SequenceOptions::Where where, const QString& separator)
{
    switch (where) {
    case SequenceOptions::Where::AroundName:
        return value + separator + base + separator + value;
    case SequenceOptions::Where::BeforeName:
        return value + separator + base;
    case SequenceOptions::Where::AfterName:
        return base + separator + value;
    case SequenceOptions::Where::InsteadOfName:
        break;
    }
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
QString stepAlphabetic(QString counter, SequenceOptions::Counting counting, int stepBy)
{
    if (counting == SequenceOptions::Counting::Still)
        return counter;
    const bool down = counting == SequenceOptions::Counting::Down;
    const int by = std::clamp(stepBy, 1, 26);
    int steps = 0;
    do {
        counter = down ? previousAlphabeticNumber(counter, by) : nextAlphabeticNumber(counter, by);
        ++steps;
    } while (!StringUtilities::isAlphabeticNumericInRange(counter) && steps < kMaxAlphabeticWalk);
    if (!StringUtilities::isAlphabeticNumericInRange(counter))
        counter = clampToLetters(counter, down ? QLatin1Char('z') : QLatin1Char('a'));
    return counter;
}

} // namespace

MethodResult renameByNumeric(FileSystemItem& item, const SequenceOptions& options, qint64& counter)
{
    qint64 value = clampSequence(counter);
    const MethodResult result = applyRenamingContract(item, [&](const NameParts& name) {
        const QString text = padWithMask(QString::number(value), slashesToColons(options.paddingMask));
        return proposedName(compose(name.base, text, options.where, slashesToColons(options.separator)),
                            name.extension);
    });
    // The counter steps and goes back to the caller whether or not the name was made.
    if (options.counting == SequenceOptions::Counting::Down)
        value -= std::max(options.stepBy, 1);
    else if (options.counting == SequenceOptions::Counting::Up)
        value += std::max(options.stepBy, 1);
    counter = clampSequence(value);
    return result;
}

MethodResult renameByAlphabetic(FileSystemItem& item, const SequenceOptions& options, QString& counter)
{
    QString value = counter.isEmpty() ? QStringLiteral("a") : counter;
    // A counter longer than the mask is cut, and the cut value is what runs on.
    const QString& mask = options.paddingMask;
    if (!mask.isEmpty() && value.size() > mask.size())
        value.truncate(mask.size());
    const MethodResult result = applyRenamingContract(item, [&](const NameParts& name) {
        return proposedName(compose(name.base, padWithMask(value, mask), options.where, options.separator),
                            name.extension);
    });
    counter = stepAlphabetic(value, options.counting, options.stepBy);
    return result;
}
