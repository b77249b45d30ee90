// General transformations of a whole name, chosen by an option index: letter case,
// extension, reversal, blanks, swaps, cutting at a text, a filename mask, and names that
// other file systems accept, and plain Latin letters.
#include "engine/plainlatin.h"
#include "engine/proposedname.h"
#include "engine/renamingcontract.h"
#include "engine/renamingmethods.h"
#include "engine/stringutilities.h"
#include "platform/edition.h"
#include "platform/numbers.h"

#include <algorithm>
#include <memory>

namespace {

using SU = StringUtilities;

// Each word's first character upper case and its other letters lower case; words are
// separated by white space, which is kept as it stands.
QString capitalized(const QString& text)
{
    QString result;
    result.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        if (text.at(i).isSpace()) {
            result += text.at(i++);
            continue;
        }
        qsizetype end = i;
        while (end < n && !text.at(end).isSpace())
            ++end;
        const qsizetype first = text.at(i).isHighSurrogate() && i + 1 < end ? 2 : 1;
        result += text.mid(i, first).toUpper();
        result += text.mid(i + first, end - i - first).toLower();
        i = end;
    }
    return result;
}

// 1 upper case, 2 lower case, 3 capitalized; anything else unchanged.
QString withCase(const QString& text, int letterCase)
{
    switch (letterCase) {
    case 1:
        return text.toUpper();
    case 2:
        return text.toLower();
    case 3:
        return capitalized(text);
    default:
        return text;
    }
}

// The name read backwards by character: a surrogate pair stays in its order, so a name
// with a character outside the Basic Multilingual Plane reverses into a valid name.
QString reversedByCharacter(const QString& text)
{
    QString result = SU::reverseString(text);
    for (qsizetype i = 0; i + 1 < result.size(); ++i) {
        if (result.at(i).isLowSurrogate() && result.at(i + 1).isHighSurrogate()) {
            std::swap(result[i], result[i + 1]);
            ++i;
        }
    }
    return result;
}

// Mask M of length n: the last n characters of a longer base, or the base padded on the
// left with the mask's leading characters up to n.
QString applyFilenameMask(const QString& base, const QString& mask)
{
    const qsizetype n = mask.size();
    const qsizetype m = base.size();
    if (n == 0)
        return base;
    if (n < m)
        return base.right(n);
    return mask.left(n - m) + base;
}

// The characters other file systems forbid, in the order they are replaced.
QString otherFileSystemCompatible(QString base, const QString& replacement)
{
    static const char16_t* const forbidden[] = {u"/", u"\\", u":", u"*", u"?", u"\"", u"<", u">", u"|"};
    for (const char16_t* text : forbidden)
        base = SU::replaceString(base, QStringView(text), replacement, 1, -1, true);
    return base;
}

} // namespace

bool renameByGeneral(FileSystemItem& item, int generalOptionIndex, int generalFileNameCase,
                     int generalExtensionCase, const QString& generalChangeExtension,
                     const QString& generalSwapSeperator, const QString& generalSwapPosition,
                     const QString& generalRemoveAfterString, const QString& generalRemoveFromString,
                     const QString& generalRemoveAfterStringOccurrence,
                     const QString& generalRemoveFromStringOccurrence,
                     const QString& generalConvertWindowsCompatibleString,
                     const QString& generalFilenameMask, QString& error,
                     const PlainLatinTransliterator* plainLatin)
{
    return applyRenamingContract(item, error, [&](const NameParts& name) {
        const QString& base = name.base;
        const QString& extension = name.extension;
        switch (generalOptionIndex) {
        case 0:
            return proposedName(withCase(base, generalFileNameCase), extension);
        case 1:
            return proposedName(base, withCase(extension, generalExtensionCase));
        case 2:
            return proposedName(base, QString());
        case 3:
            // Only a file gets a new extension; the old one is not re-attached. A folder
            // (or link) keeps its whole name.
            if (item.itemType == 0)
                return slashesToColons(base + QLatin1Char('.') + slashesToColons(generalChangeExtension));
            return proposedName(base, extension);
        case 4:
            return proposedName(reversedByCharacter(base), extension);
        case 5:
            return proposedName(QString(base).remove(QLatin1Char(' ')), extension);
        case 6:
            return proposedName(SU::swapStringBySeperator(base, slashesToColons(generalSwapSeperator)), extension);
        case 7:
            return proposedName(SU::swapStringByPosition(base, intValue(generalSwapPosition)), extension);
        case 8: {
            const QString after = slashesToColons(generalRemoveAfterString);
            return proposedName(SU::removeString(base, after, after, 1,
                                                 intValue(generalRemoveAfterStringOccurrence), true),
                                extension);
        }
        case 9:
            return proposedName(SU::removeString(base, slashesToColons(generalRemoveFromString), QStringView(), 1,
                                                 intValue(generalRemoveFromStringOccurrence), true),
                                extension);
        case 10:
            return proposedName(applyFilenameMask(base, slashesToColons(generalFilenameMask)), extension);
        case 11:
            return proposedName(otherFileSystemCompatible(base, generalConvertWindowsCompatibleString), extension);
        case 12: {
            if (!Edition::current().hasExtendedMethods)
                return proposedName(base, extension);
            std::unique_ptr<PlainLatinTransliterator> own;
            if (!plainLatin) {
                own = std::make_unique<PlainLatinTransliterator>();
                plainLatin = own.get();
            }
            // A name with nothing left in plain Latin keeps its old name.
            const QString latin = plainLatin->transliterate(base);
            return proposedName(latin.isEmpty() ? base : latin, extension);
        }
        default:
            return proposedName(base, extension);
        }
    });
}
