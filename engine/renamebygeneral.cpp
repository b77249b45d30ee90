// General transformations of a whole name, chosen by an option index: letter case,
// extension, reversal, blanks, swaps, cutting at a text, a filename mask, and names that
// other file systems accept, plain Latin letters, and names read in the wrong encoding.
#include "engine/encodingrepair.h"
#include "engine/filename.h"
#include "engine/plainlatin.h"
#include "engine/proposedname.h"
#include "engine/renamingcontract.h"
#include "engine/renamingmethods.h"
#include "engine/stringutilities.h"
#include "platform/edition.h"

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

QString withCase(const QString& text, LetterCase letterCase)
{
    switch (letterCase) {
    case LetterCase::Upper:
        return text.toUpper();
    case LetterCase::Lower:
        return text.toLower();
    case LetterCase::Capitalized:
        return capitalized(text);
    }
    return text;
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

// The base in plain Latin letters with the pass's transliterator, or one of its own; a
// name with nothing left in plain Latin keeps its old name.
QString inPlainLatin(const QString& base, const PlainLatinTransliterator* plainLatin)
{
    std::unique_ptr<PlainLatinTransliterator> own;
    if (!plainLatin) {
        own = std::make_unique<PlainLatinTransliterator>();
        plainLatin = own.get();
    }
    const QString latin = plainLatin->transliterate(base);
    return latin.isEmpty() ? base : latin;
}

// The whole name (a wrong decoding spans base and extension alike) as it was before it
// was read in the wrong encoding; a name that is no such reading keeps its name.
QString withRepairedEncoding(const QString& name, const GeneralOptions& options)
{
    std::shared_ptr<const EncodingRepair> repair = options.encodingRepair;
    if (!repair)
        repair = std::make_shared<const EncodingRepair>(options.repairEncodingFrom);
    return repair->repaired(name).value_or(name);
}

} // namespace

MethodResult renameByGeneral(FileSystemItem& item, const GeneralOptions& options)
{
    return applyRenamingContract(item, [&](const NameParts& name) {
        const QString& base = name.base;
        const QString& extension = name.extension;
        switch (options.change) {
        case GeneralChange::NameCase:
            return proposedName(withCase(base, options.nameCase), extension);
        case GeneralChange::ExtensionCase:
            return proposedName(base, withCase(extension, options.extensionCase));
        case GeneralChange::RemoveExtension:
            return proposedName(base, QString());
        case GeneralChange::ChangeExtension:
            // Only a file gets a new extension; the old one is not re-attached. A folder
            // (or link) keeps its whole name.
            if (item.kind() == ItemType::File)
                return slashesToColons(base + QLatin1Char('.') + slashesToColons(options.newExtension));
            return proposedName(base, extension);
        case GeneralChange::Reverse:
            return proposedName(reversedByCharacter(base), extension);
        case GeneralChange::RemoveSpaces:
            return proposedName(QString(base).remove(QLatin1Char(' ')), extension);
        case GeneralChange::SwapAroundSeparator:
            return proposedName(SU::swapStringBySeparator(base, slashesToColons(options.swapSeparator)), extension);
        case GeneralChange::SwapAtPosition:
            return proposedName(SU::swapStringByPosition(base, options.swapPosition), extension);
        case GeneralChange::CutAfterText: {
            const QString after = slashesToColons(options.cutAfterText);
            return proposedName(SU::removeString(base, after, after, 1, options.cutAfterOccurrence, true), extension);
        }
        case GeneralChange::CutFromText:
            return proposedName(SU::removeString(base, slashesToColons(options.cutFromText), QStringView(), 1,
                                                 options.cutFromOccurrence, true),
                                extension);
        case GeneralChange::FilenameMask:
            return proposedName(applyFilenameMask(base, slashesToColons(options.filenameMask)), extension);
        case GeneralChange::OtherFileSystems:
            return proposedName(otherFileSystemCompatible(base, options.compatibleReplacement), extension);
        case GeneralChange::PlainLatin:
            if (!Edition::current().hasExtendedMethods)
                return proposedName(base, extension);
            return proposedName(inPlainLatin(base, options.plainLatin.get()), extension);
        case GeneralChange::RepairEncoding:
            if (!Edition::current().hasExtendedMethods)
                return proposedName(base, extension);
            return withRepairedEncoding(joinName(base, extension), options);
        }
        return proposedName(base, extension);
    });
}
