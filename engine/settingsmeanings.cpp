#include "engine/settingsmeanings.h"

#include "engine/settingsdescriptors.h"


namespace {

constexpr const char* kWhere = "0=at the beginning;1=at the end;2=at a character position;3=before a text;4=after a text";
constexpr const char* kDirection = "0=counted from the start;1=counted from the end";
constexpr const char* kCase = "1=upper case;2=lower case;3=capitalized";

const SettingMeaning kMeanings[] = {
    // Scope and selection
    {"selectedTab", -1, "the renaming method that runs", ""},
    {"isFiles", -1, "the list holds files to rename (always the opposite of isFolders)", ""},
    {"isFolders", -1, "the list holds folders to rename (always the opposite of isFiles)", ""},
    {"isIncludeSubFolders", -1, "an added folder brings its contents, subfolders included", ""},
    {"fileFolderIndex", -1, "files or folders; sets isFiles and isFolders", "0=files;1=folders"},
    {"renameFile", 9, "path of the tab-separated list file to rename from", ""},

    // Alphabetic / numeric sequence
    {"alphaNumericIncrementDecrementIndex", 0, "count up or down; sets isAlphaNumericIncrement and isAlphaNumericDecrement", "0=increment;1=decrement"},
    {"alphaNumericNumericAlphabeticIndex", 0, "numbers or letters; sets isAlphaNumericNumeric and isAlphaNumericAlphabetic", "0=numeric;1=alphabetic"},
    {"isAlphaNumericIncrement", 0, "the counter steps up after each item", ""},
    {"isAlphaNumericDecrement", 0, "the counter steps down after each item (wins over increment)", ""},
    {"isAlphaNumericNumeric", 0, "count in decimal numbers", ""},
    {"isAlphaNumericAlphabetic", 0, "count in letters: a, b ... z, aa, ab", ""},
    {"isAlphaNumericPrefix", 0, "put the counter before the name", ""},
    {"isAlphaNumericSufix", 0, "put the counter after the name (with neither, the counter replaces the name)", ""},
    {"isAlphaNumericSeperator", 0, "put alphaNumericSeperator between the counter and the name", ""},
    {"alphaNumericSeperator", 0, "text between the counter and the name", ""},
    {"alphaNumericPaddingMask", 0, "width and padding of the counter: \"000\" gives 001, 002", ""},
    {"alphaNumericNumericStartWith", 0, "first number of a numeric sequence", ""},
    {"alphaNumericAlphabeticStartWith", 0, "first letters of an alphabetic sequence", ""},
    {"alphaNumericIncrementBy", 0, "step when counting up (0 or empty counts as 1)", ""},
    {"alphaNumericDecrementBy", 0, "step when counting down (0 or empty counts as 1)", ""},
    {"isAlphaNumericResetSequenceOnEachFolder", 0, "start the sequence again in each folder", ""},

    // Insert / delete
    {"insertDeleteIndex", 1, "insert or delete; sets isInsertDeleteInsert and isInsertDeleteDelete", "0=insert;1=delete"},
    {"isInsertDeleteInsert", 1, "insert a text into the name", ""},
    {"insertDeleteInsert", 1, "the text to insert", ""},
    {"insertDeleteInsertOptionIndex", 1, "where to insert; sets the five isInsertDeleteInsertAt... flags", kWhere},
    {"isInsertDeleteInsertAtBeginning", 1, "insert at the beginning of the name", ""},
    {"isInsertDeleteInsertAtEnd", 1, "insert at the end of the name", ""},
    {"isInsertDeleteInsertAtPosition", 1, "insert at the character positions of insertDeleteAtCharacterPositions", ""},
    {"insertDeleteAtCharacterPositions", 1, "character positions to insert at, from 1", ""},
    {"insertDeleteInsertAtPostionDirection", 1, "where insert positions are counted from", kDirection},
    {"isInsertDeleteInsertAtBeforeText", 1, "insert before an occurrence of insertDeleteInsertAtBeforeText", ""},
    {"insertDeleteInsertAtBeforeText", 1, "the text to insert before", ""},
    {"insertDeleteInsertAtBeforeOccurrence", 1, "which occurrence of that text, from 1", ""},
    {"isInsertDeleteInsertAtAfterText", 1, "insert after an occurrence of insertDeleteInsertAtAfterText", ""},
    {"insertDeleteInsertAtAfterText", 1, "the text to insert after", ""},
    {"insertDeleteInsertAtAfterOccurrence", 1, "which occurrence of that text, from 1", ""},
    {"isInsertDeleteDelete", 1, "delete characters from the name", ""},
    {"isInsertDeleteDeleteFromBackWard", 1, "count the delete position from the end of the name", ""},
    {"insertDeleteFromCharacterPosition", 1, "first character to delete, from 1", ""},
    {"insertDeleteNumberOfCharacters", 1, "how many characters to delete", ""},

    // Replace / remove
    {"removeReplaceIndex", 2, "replace, remove or remove characters; sets the three mode flags", "0=replace;1=remove;2=remove characters"},
    {"isReplaceRemoveReplace", 2, "replace replaceRemoveThis by replaceRemoveWith", ""},
    {"isReplaceRemoveRemove", 2, "remove occurrences of replaceRemoveThis", ""},
    {"isReplaceRemoveRemoveCharacters", 2, "remove every character that replaceRemoveThis holds", ""},
    {"replaceRemoveThis", 2, "the text to find", ""},
    {"replaceRemoveWith", 2, "the replacement text", ""},
    {"isReplaceRemoveCaseSensitive", 2, "letter case must match", ""},
    {"isReplaceRemoveAllOccurrence", 2, "act on every occurrence (otherwise replaceRemoveOccuranceCount of them)", ""},
    {"replaceRemovePositionDirection", 2, "where the search starts from", "0=the beginning of the name;1=the end of the name"},
    {"replaceRemoveStartFromCharacter", 2, "character the search starts at, from 1", ""},
    {"replaceRemoveStartOnOccurrence", 2, "first occurrence to act on, from 1", ""},
    {"replaceRemoveOccuranceCount", 2, "how many occurrences to act on", ""},
    {"isReplaceRemoveRegularExpression", 2, "read replaceRemoveThis as a regular expression; replaceRemoveWith may name groups as \\1 or $1", ""},

    // Prefix / suffix
    {"prefixSuffixIndex", 3, "texts or a date; sets isPrefixSuffixString and isPrefixSuffixDate", "0=texts;1=date"},
    {"isPrefixSuffixString", 3, "add the texts prefixSuffixPrefix and prefixSuffixSuffix", ""},
    {"isPrefixSuffixDate", 3, "add a date built from the date and time parts", ""},
    {"prefixSuffixPrefix", 3, "text before the name", ""},
    {"prefixSuffixSuffix", 3, "text after the name", ""},
    {"isPrefixSuffixDatePrefix", 3, "put the date before the name", ""},
    {"isPrefixSuffixDateSuffix", 3, "put the date after the name", ""},
    {"prefixSuffixFileDateAttribute", 3, "which date", "0=now;1=date created;2=date modified"},
    {"prefixSuffixDatePart1", 3, "first date part: a date pattern such as dd, MM, yyyy, or None", ""},
    {"prefixSuffixDateSeperator1", 3, "text after the first date part", ""},
    {"prefixSuffixDatePart2", 3, "second date part", ""},
    {"prefixSuffixDateSeperator2", 3, "text after the second date part", ""},
    {"prefixSuffixDatePart3", 3, "third date part", ""},
    {"prefixSuffixTimePart1", 3, "first time part: a pattern such as HH, mm, ss, or None", ""},
    {"prefixSuffixTimeSeperator1", 3, "text after the first time part", ""},
    {"prefixSuffixTimePart2", 3, "second time part", ""},
    {"prefixSuffixTimeSeperator2", 3, "text after the second time part", ""},
    {"prefixSuffixTimePart3", 3, "third time part", ""},
    {"prefixSuffixDatePrefix", 3, "text before the date", ""},
    {"prefixSuffixDateSuffix", 3, "text after the date", ""},

    // Date and time
    {"dateTimeDateOptionIndex", 4, "which date; 2 sets hasDateTimeCustomDate", "0=date created;1=date modified;2=dateTimeCustomDate"},
    {"hasDateTimeCustomDate", 4, "use dateTimeCustomDate instead of a date of the file", ""},
    {"dateTimeCustomDate", 4, "the date to use, ISO 8601 local time such as 2010-03-07T14:05:09", ""},
    {"dateTimeOptionsIndex", 4, "where to put the date; sets the five isDateTimeAt... flags", kWhere},
    {"isDateTimeAtBeginning", 4, "put the date at the beginning of the name", ""},
    {"isDateTimeAtEnd", 4, "put the date at the end of the name", ""},
    {"isDateTimeAtPosition", 4, "put the date at character position dateTimeAtPositionNo", ""},
    {"isDateTimeAtBeforeText", 4, "put the date before an occurrence of dateTimeAtBeforeText", ""},
    {"isDateTimeAtAfterText", 4, "put the date after an occurrence of dateTimeAtAfterText", ""},
    {"dateTimeAtPositionNo", 4, "character position of the date, from 1", ""},
    {"dateTimeAtPositionDirection", 4, "where the position is counted from", kDirection},
    {"dateTimeAtBeforeText", 4, "the text to put the date before", ""},
    {"dateTimeAtBeforeTextOccurrence", 4, "which occurrence of that text, from 1", ""},
    {"dateTimeAtAfterText", 4, "the text to put the date after", ""},
    {"dateTimeAtAfterTextOccurrence", 4, "which occurrence of that text, from 1", ""},
    {"hasDateFormat", 4, "the date text holds the date parts", ""},
    {"dateTimeFormatDatePart1", 4, "first date part: a date pattern such as dd, MM, yyyy, or None", ""},
    {"dateTimeFormatDateSeperator1", 4, "text after the first date part", ""},
    {"dateTimeFormatDatePart2", 4, "second date part", ""},
    {"dateTimeFormatDateSeperator2", 4, "text after the second date part", ""},
    {"dateTimeFormatDatePart3", 4, "third date part", ""},
    {"hasTimeFormat", 4, "the date text holds the time parts", ""},
    {"dateTimeFormatTimePart1", 4, "first time part: a pattern such as HH, mm, ss, or None", ""},
    {"dateTimeFormatTimeSeperator1", 4, "text after the first time part", ""},
    {"dateTimeFormatTimePart2", 4, "second time part", ""},
    {"dateTimeFormatTimeSeperator2", 4, "text after the second time part", ""},
    {"dateTimeFormatTimePart3", 4, "third time part", ""},
    {"dateTimeSeparator", 4, "text between the date and the time", ""},
    {"isDateTimeColonReplace", 4, "replace every \":\" of the date text by dateTimeColonReplace", ""},
    {"dateTimeColonReplace", 4, "the replacement for \":\"", ""},
    {"dateTimePrefix", 4, "text before the date", ""},
    {"dateTimeSuffix", 4, "text after the date", ""},

    // General
    {"generalOptionIndex", 5, "which general change; sets the isGeneral... flags",
     "0=letter case of the name;1=letter case of the extension;2=remove the extension;3=change the extension;"
     "4=reverse the name;5=remove blanks;6=swap around a separator;7=swap at a position;8=cut after a text;"
     "9=cut from a text;10=filename mask;11=compatible with other file systems;12=transliterate to plain Latin"},
    {"generalOptionsIndex", 5, "the window's copy of generalOptionIndex (same values; sets the same flags)", ""},
    {"generalFileNameCase", 5, "letter case of the name (generalOptionIndex 0)", kCase},
    {"generalExtensionCase", 5, "letter case of the extension (generalOptionIndex 1)", kCase},
    {"isGeneralConvertFilenameCase", 5, "change the letter case of the name", ""},
    {"isGeneralConvertExtension", 5, "change the letter case of the extension", ""},
    {"isGeneralRemoveExtension", 5, "remove the extension", ""},
    {"isGeneralChangeExtension", 5, "replace the extension by generalChangeExtension", ""},
    {"isGeneralReverseFileName", 5, "reverse the name", ""},
    {"isGeneralRemoveSpaces", 5, "remove every blank from the name", ""},
    {"isGeneralSwapFromSeperator", 5, "swap the parts before and after generalSwapSeperator", ""},
    {"isGeneralSwapFromPostion", 5, "swap the parts before and after character generalSwapPosition", ""},
    {"isGeneralRemoveAfterString", 5, "cut the name after an occurrence of generalRemoveAfterString", ""},
    {"isGeneralRemoveFromString", 5, "cut the name from an occurrence of generalRemoveFromString on", ""},
    {"isGeneralConvertWindowsCompatible", 5, "replace the characters / \\ : * ? \" < > | by generalConvertWindowsCompatibleString", ""},
    {"isGeneralFilenameMask", 5, "pad or trim the name to generalFilenameMask", ""},
    {"isGeneralTransliterate", 5, "write the name with plain Latin letters (ICU Any-Latin; Latin-ASCII)", ""},
    {"generalChangeExtension", 5, "the new extension, without the dot", ""},
    {"generalSwapSeperator", 5, "the separator to swap around", ""},
    {"generalSwapPosition", 5, "the character position to swap at", ""},
    {"generalRemoveAfterString", 5, "the text after which the name is cut (the text stays)", ""},
    {"generalRemoveFromString", 5, "the text from which the name is cut (the text goes too)", ""},
    {"generalRemoveAfterStringOccurrence", 5, "which occurrence of generalRemoveAfterString, from 1", ""},
    {"generalRemoveFromStringOccurrence", 5, "which occurrence of generalRemoveFromString, from 1", ""},
    {"generalConvertWindowsCompatibleString", 5, "the replacement for characters other file systems forbid (empty removes them)", ""},
    {"generalFilenameMask", 5, "mask: a longer mask pads the name on the left, a shorter one keeps the name's last characters", ""},

    // Audio tags
    {"isID3RenamingSeperator", 6, "put id3RenamingSeperator between the tags", ""},
    {"isID3RenamingColonReplace", 6, "replace every \":\" of the tag values by id3RenamingColonReplace", ""},
    {"id3RenamingSeperator", 6, "text between the tags", ""},
    {"id3RenamingColonReplace", 6, "the replacement for \":\"", ""},
    {"id3RenamingMask", 6, "the name made of tags; rebuilt from id3RenamingTagsList", ""},
    {"id3RenamingTagsList", 6, "the tags that make the name, in order, such as <Artist>;<Title>", ""},
    {"id3Extensions", 6, "the extensions of the audio files to rename", ""},

    // Photo metadata
    {"isPhotoRenamingSeperator", 7, "put photoRenamingSeperator between the fields", ""},
    {"isPhotoRenamingColonReplace", 7, "replace every \":\" of the metadata values by photoRenamingColonReplace", ""},
    {"photoRenamingSeperator", 7, "text between the fields", ""},
    {"photoRenamingColonReplace", 7, "the replacement for \":\"", ""},
    {"photoRenamingMask", 7, "the name made of fields; rebuilt from photoMetaDataList", ""},
    {"photoDatePart1", 7, "first part of metadata dates: a date pattern such as dd, MM, yyyy, or None", ""},
    {"photoDateSeperator1", 7, "text after the first date part", ""},
    {"photoDatePart2", 7, "second date part", ""},
    {"photoDateSeperator2", 7, "text after the second date part", ""},
    {"photoDatePart3", 7, "third date part", ""},
    {"photoTimePart1", 7, "first part of metadata times: a pattern such as HH, mm, ss, or None", ""},
    {"photoTimeSeperator1", 7, "text after the first time part", ""},
    {"photoTimePart2", 7, "second time part", ""},
    {"photoTimeSeperator2", 7, "text after the second time part", ""},
    {"photoTimePart3", 7, "third time part", ""},
    {"photoPaddingMask", 7, "width and padding of the number sequence field, such as 000", ""},
    {"photoMetaDataList", 7, "the metadata fields that make the name, in order, as tag codes such as <EXIF_Date>;<SEQUENCES_Number_Sequence>", ""},
    {"photoExtensions", 7, "the extensions of the photo files to rename", ""},
    {"isPhotoResetSequenceOnEachFolder", 7, "start the number sequence again in each folder", ""},

    // Path components
    {"pathComponentsLevelNo", 8, "how many enclosing folder names to take, innermost first", ""},
    {"pathComponentsOptionsIndex", 8, "where to put the folder names; sets the five isPathComponentsAt... flags", kWhere},
    {"isPathComponentsAtBeginning", 8, "put the folder names at the beginning of the name", ""},
    {"isPathComponentsAtEnd", 8, "put the folder names at the end of the name", ""},
    {"isPathComponentsAtPosition", 8, "put the folder names at character position pathComponentsAtPositionNo", ""},
    {"pathComponentsAtPositionNo", 8, "character position of the folder names, from 1", ""},
    {"pathComponentsAtPositionDirection", 8, "where the position is counted from", kDirection},
    {"isPathComponentsAtBeforeText", 8, "put the folder names before an occurrence of pathComponentsAtBeforeText", ""},
    {"pathComponentsAtBeforeText", 8, "the text to put the folder names before", ""},
    {"pathComponentsAtBeforeOccurrence", 8, "which occurrence of that text, from 1", ""},
    {"isPathComponentsAtAfterText", 8, "put the folder names after an occurrence of pathComponentsAtAfterText", ""},
    {"pathComponentsAtAfterText", 8, "the text to put the folder names after", ""},
    {"pathComponentsAtAfterOccurrence", 8, "which occurrence of that text, from 1", ""},
    {"pathComponentsPrefix", 8, "text before the folder names", ""},
    {"pathComponentsSuffix", 8, "text after the folder names", ""},
    {"pathComponentsSeparator", 8, "text between two folder names", ""},
};

const char* const kMethodNames[SettingMeanings::kTabCount] = {
    "Sequences", "Insert/Delete", "Replace/Remove", "Prefix/Suffix", "Date & Time",
    "General",   "Audio Tags",    "Photo Metadata", "Path Components", "Rename from List"};

} // namespace

namespace SettingMeanings {

std::span<const SettingMeaning> all()
{
    return kMeanings;
}

const SettingMeaning* find(const QString& key)
{
    // A scan of the table: the command line looks up a few keys per run, and building a
    // hash of every key first costs more than the scans it would save.
    for (const SettingMeaning& meaning : kMeanings) {
        if (key == QLatin1StringView(meaning.key))
            return &meaning;
    }
    return nullptr;
}

QString methodName(int tab)
{
    return tab >= 0 && tab < kTabCount ? QString::fromLatin1(kMethodNames[tab]) : QString();
}

QList<QPair<QString, QString>> values(const QString& key)
{
    QList<QPair<QString, QString>> out;
    if (key == QLatin1String("selectedTab")) {
        for (int tab = 0; tab < kTabCount; ++tab)
            out.append({QString::number(tab), methodName(tab)});
        return out;
    }
    const SettingDescriptor* descriptor = SettingDescriptors::find(key);
    if (descriptor && descriptor->kind == SettingKind::Flag)
        return {{QStringLiteral("0"), QStringLiteral("off")}, {QStringLiteral("1"), QStringLiteral("on")}};
    const SettingMeaning* meaning = find(key);
    QString list = meaning ? QString::fromUtf8(meaning->values) : QString();
    if (key == QLatin1String("generalOptionsIndex"))
        list = QString::fromUtf8(find(QStringLiteral("generalOptionIndex"))->values);
    for (const QString& entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        out.append({entry.left(eq), entry.mid(eq + 1)});
    }
    return out;
}

} // namespace SettingMeanings
