#include "engine/methodoptions.h"

#include "engine/encodingrepair.h"
#include "engine/findexpression.h"
#include "engine/plainlatin.h"
#include "engine/settingsreader.h"
#include "platform/edition.h"
#include "platform/numbers.h"

namespace {

// The settings read by the stored keys' names.
struct Read {
    const SettingsReader& settings;

    QString text(const char* key) const { return settings.text(QLatin1String(key)); }
    bool flag(const char* key) const { return settings.flag(QLatin1String(key)); }
    int number(const char* key) const { return settings.number(QLatin1String(key)); }

    // A position or occurrence that counts as 1 when left empty.
    int numberOrOne(const char* key) const
    {
        const QString value = text(key);
        return value.isEmpty() ? 1 : intValue(value);
    }

    // Three date or time parts with the separators between them.
    DatePattern::Pieces pieces(const char* part1, const char* separator1, const char* part2, const char* separator2,
                               const char* part3) const
    {
        return {text(part1), text(separator1), text(part2), text(separator2), text(part3)};
    }

    // The placement keys of one method, in the order of TextPlacement::Options.
    TextPlacement::Options placement(const char* index, const char* position, const char* direction,
                                     const char* beforeText, const char* beforeOccurrence, const char* afterText,
                                     const char* afterOccurrence) const
    {
        return {Placement(number(index)), number(position), CountFrom(number(direction)), text(beforeText),
                number(beforeOccurrence), text(afterText), number(afterOccurrence)};
    }
};

} // namespace

SequenceOptions SequenceOptions::from(const SettingsReader& settings)
{
    const Read r{settings};
    SequenceOptions o;
    o.kind = r.flag("isAlphaNumericNumeric") ? Kind::Numbers
        : r.flag("isAlphaNumericAlphabetic") ? Kind::Letters
                                             : Kind::None;
    o.counting = r.flag("isAlphaNumericDecrement") ? Counting::Down
        : r.flag("isAlphaNumericIncrement")         ? Counting::Up
                                                    : Counting::Still;
    const bool before = r.flag("isAlphaNumericPrefix");
    const bool after = r.flag("isAlphaNumericSufix");
    o.where = before && after ? Where::AroundName
        : before              ? Where::BeforeName
        : after               ? Where::AfterName
                              : Where::InsteadOfName;
    o.separator = r.flag("isAlphaNumericSeperator") ? r.text("alphaNumericSeperator") : QString();
    o.paddingMask = r.text("alphaNumericPaddingMask");
    o.stepBy = o.counting == Counting::Down ? r.number("alphaNumericDecrementBy") : r.number("alphaNumericIncrementBy");
    o.numericStart = r.number("alphaNumericNumericStartWith");
    o.alphabeticStart = r.text("alphaNumericAlphabeticStartWith");
    o.restartsInEachFolder = r.flag("isAlphaNumericResetSequenceOnEachFolder");
    return o;
}

InsertDeleteOptions InsertDeleteOptions::from(const SettingsReader& settings)
{
    const Read r{settings};
    InsertDeleteOptions o;
    o.mode = r.flag("isInsertDeleteInsert") ? Mode::Insert
        : r.flag("isInsertDeleteDelete")    ? Mode::Delete
                                            : Mode::None;
    o.insert.text = r.text("insertDeleteInsert");
    o.insert.where = r.placement("insertDeleteInsertOptionIndex", "insertDeleteAtCharacterPositions",
                                 "insertDeleteInsertAtPostionDirection", "insertDeleteInsertAtBeforeText",
                                 "insertDeleteInsertAtBeforeOccurrence", "insertDeleteInsertAtAfterText",
                                 "insertDeleteInsertAtAfterOccurrence");
    o.deletion.countFrom = r.flag("isInsertDeleteDeleteFromBackWard") ? CountFrom::End : CountFrom::Start;
    o.deletion.position = r.number("insertDeleteFromCharacterPosition");
    o.deletion.count = r.number("insertDeleteNumberOfCharacters");
    return o;
}

ReplaceRemoveOptions ReplaceRemoveOptions::from(const SettingsReader& settings)
{
    const Read r{settings};
    const bool removesCharacters = r.flag("isReplaceRemoveRemoveCharacters");
    ReplaceRemoveOptions o;
    o.mode = r.flag("isReplaceRemoveReplace") ? Mode::Replace
        : removesCharacters                   ? Mode::RemoveCharacters
        : r.flag("isReplaceRemoveRemove")     ? Mode::Remove
                                              : Mode::None;
    o.find = r.text("replaceRemoveThis");
    o.replacement = o.mode == Mode::Replace ? r.text("replaceRemoveWith") : QString();
    o.caseSensitive = r.flag("isReplaceRemoveCaseSensitive");
    o.startFromCharacter = r.number("replaceRemoveStartFromCharacter");
    o.countFrom = CountFrom(r.number("replaceRemovePositionDirection"));
    // Removing a set of characters always takes every occurrence.
    const bool everyOccurrence = r.flag("isReplaceRemoveAllOccurrence") || o.mode == Mode::RemoveCharacters;
    o.startOnOccurrence = everyOccurrence ? 1 : r.number("replaceRemoveStartOnOccurrence");
    o.occurrenceCount = everyOccurrence ? -1 : r.number("replaceRemoveOccuranceCount");
    // Removing each of a set of characters never reads a regular expression, and the
    // earlier edition has none.
    o.isRegularExpression = r.flag("isReplaceRemoveRegularExpression") && !removesCharacters
        && (o.mode == Mode::Replace || o.mode == Mode::Remove) && Edition::current().hasExtendedMethods;
    if (o.isRegularExpression)
        o.expression = FindExpression::compile(o.find, o.caseSensitive);
    return o;
}

PrefixSuffixOptions PrefixSuffixOptions::from(const SettingsReader& settings)
{
    const Read r{settings};
    PrefixSuffixOptions o;
    o.mode = r.flag("isPrefixSuffixString") ? Mode::Texts : Mode::Date;
    o.prefix = r.text("prefixSuffixPrefix");
    o.suffix = r.text("prefixSuffixSuffix");
    o.fileDate = FileDate(r.number("prefixSuffixFileDateAttribute"));
    o.dateBeforeName = r.flag("isPrefixSuffixDatePrefix");
    o.dateAfterName = r.flag("isPrefixSuffixDateSuffix");
    o.date = r.pieces("prefixSuffixDatePart1", "prefixSuffixDateSeperator1", "prefixSuffixDatePart2",
                      "prefixSuffixDateSeperator2", "prefixSuffixDatePart3");
    o.time = r.pieces("prefixSuffixTimePart1", "prefixSuffixTimeSeperator1", "prefixSuffixTimePart2",
                      "prefixSuffixTimeSeperator2", "prefixSuffixTimePart3");
    o.datePrefix = r.text("prefixSuffixDatePrefix");
    o.dateSuffix = r.text("prefixSuffixDateSuffix");
    return o;
}

DateTimeOptions DateTimeOptions::from(const SettingsReader& settings)
{
    const Read r{settings};
    DateTimeOptions o;
    o.source = Source(r.number("dateTimeDateOptionIndex"));
    o.customDate = settings.date(QStringLiteral("dateTimeCustomDate"));
    o.where = r.placement("dateTimeOptionsIndex", "dateTimeAtPositionNo", "dateTimeAtPositionDirection",
                          "dateTimeAtBeforeText", "dateTimeAtBeforeTextOccurrence", "dateTimeAtAfterText",
                          "dateTimeAtAfterTextOccurrence");
    o.withDate = r.flag("hasDateFormat");
    o.withTime = r.flag("hasTimeFormat");
    o.date = r.pieces("dateTimeFormatDatePart1", "dateTimeFormatDateSeperator1", "dateTimeFormatDatePart2",
                      "dateTimeFormatDateSeperator2", "dateTimeFormatDatePart3");
    o.time = r.pieces("dateTimeFormatTimePart1", "dateTimeFormatTimeSeperator1", "dateTimeFormatTimePart2",
                      "dateTimeFormatTimeSeperator2", "dateTimeFormatTimePart3");
    o.replacesColons = r.flag("isDateTimeColonReplace");
    o.colonReplacement = r.text("dateTimeColonReplace");
    o.separator = r.text("dateTimeSeparator");
    o.prefix = r.text("dateTimePrefix");
    o.suffix = r.text("dateTimeSuffix");
    return o;
}

GeneralOptions GeneralOptions::from(const SettingsReader& settings)
{
    const Read r{settings};
    GeneralOptions o;
    o.change = GeneralChange(r.number("generalOptionIndex"));
    o.nameCase = LetterCase(r.number("generalFileNameCase"));
    o.extensionCase = LetterCase(r.number("generalExtensionCase"));
    o.newExtension = r.text("generalChangeExtension");
    o.swapSeparator = r.text("generalSwapSeperator");
    o.swapPosition = r.numberOrOne("generalSwapPosition");
    o.cutAfterText = r.text("generalRemoveAfterString");
    o.cutAfterOccurrence = r.numberOrOne("generalRemoveAfterStringOccurrence");
    o.cutFromText = r.text("generalRemoveFromString");
    o.cutFromOccurrence = r.numberOrOne("generalRemoveFromStringOccurrence");
    o.compatibleReplacement = r.text("generalConvertWindowsCompatibleString");
    o.filenameMask = r.text("generalFilenameMask");
    o.repairEncodingFrom = r.text("generalRepairEncodingFrom");
    if (o.change == GeneralChange::PlainLatin)
        o.plainLatin = std::make_shared<const PlainLatinTransliterator>();
    if (o.change == GeneralChange::RepairEncoding)
        o.encodingRepair = std::make_shared<const EncodingRepair>(o.repairEncodingFrom);
    return o;
}

PathComponentsOptions PathComponentsOptions::from(const SettingsReader& settings)
{
    const Read r{settings};
    PathComponentsOptions o;
    o.levels = r.number("pathComponentsLevelNo");
    o.where = r.placement("pathComponentsOptionsIndex", "pathComponentsAtPositionNo",
                          "pathComponentsAtPositionDirection", "pathComponentsAtBeforeText",
                          "pathComponentsAtBeforeOccurrence", "pathComponentsAtAfterText",
                          "pathComponentsAtAfterOccurrence");
    o.separator = r.text("pathComponentsSeparator");
    o.prefix = r.text("pathComponentsPrefix");
    o.suffix = r.text("pathComponentsSuffix");
    return o;
}
