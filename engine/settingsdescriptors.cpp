#include "engine/settingsdescriptors.h"

#include "engine/methodtab.h"
#include "platform/edition.h"

#include <QHash>

namespace {

using K = SettingKind;
constexpr bool S = true; // raises the settings-changed signal
constexpr bool N = false;
constexpr bool C = false; // one of the classic 172 keys
constexpr bool X = true;  // extended: beyond the classic keys

// The method tab that reads a key; Scope for the keys of every method.
constexpr int Scope = -1;
constexpr int Sequences = int(MethodTab::Sequences);
constexpr int InsertDelete = int(MethodTab::InsertDelete);
constexpr int ReplaceRemove = int(MethodTab::ReplaceRemove);
constexpr int PrefixSuffix = int(MethodTab::PrefixSuffix);
constexpr int DateTime = int(MethodTab::DateTime);
constexpr int General = int(MethodTab::General);
constexpr int Audio = int(MethodTab::AudioTags);
constexpr int Photo = int(MethodTab::Photo);
constexpr int Path = int(MethodTab::PathComponents);
constexpr int List = int(MethodTab::RenameFromList);

// Values shared by several keys.
constexpr const char* kWhere = "0=at the beginning;1=at the end;2=at a character position;3=before a text;4=after a text";
constexpr const char* kDirection = "0=counted from the start;1=counted from the end";
constexpr const char* kCase = "1=upper case;2=lower case;3=capitalized";
constexpr const char* kGeneralChanges =
    "0=letter case of the name;1=letter case of the extension;2=remove the extension;3=change the extension;"
    "4=reverse the name;5=remove blanks;6=swap around a separator;7=swap at a position;8=cut after a text;"
    "9=cut from a text;10=filename mask;11=compatible with other file systems;12=transliterate to plain Latin;"
    "13=repair the name's encoding";

// One line per key: key, kind, default, signals a change, tab, extended, meaning, values.
const SettingDescriptor kSettings[] = {
    // Scope and selection
    {"selectedTab", K::Integer, "0", N, Scope, C, "the renaming method that runs"},
    {"isFiles", K::Flag, "1", N, Scope, C, "the list holds files to rename (always the opposite of isFolders)"},
    {"isFolders", K::Flag, "0", N, Scope, C, "the list holds folders to rename (always the opposite of isFiles)"},
    {"isIncludeSubFolders", K::Flag, "1", N, Scope, C, "an added folder brings its contents, subfolders included"},
    {"isRenameCompanions", K::Flag, "0", S, Scope, X, "files of the same folder sharing an item's stem (IMG_0001.JPG with IMG_0001.CR2, IMG_0001.xmp, IMG_0001.CR2.xmp) take its new stem: each group is named once, from its raw file first, then HEIC/HEIF/AVIF, then JPEG"},
    {"isNumberNamesUsedTwice", K::Flag, "0", S, Scope, X, "a name used twice in a folder is numbered instead of refused: the first keeps it, later ones take namesUsedTwiceSeparator and 2, 3 ... before the extension"},
    {"namesUsedTwiceSeparator", K::Text, "-", S, Scope, X, "the text between a name used twice and its number"},
    {"fileFolderIndex", K::Integer, "0", N, Scope, C, "files or folders; sets isFiles and isFolders", "0=files;1=folders"},
    {"renameFile", K::Text, "", N, List, C, "path of the tab-separated list file to rename from"},
    {"alphaNumericIncrementDecrementIndex", K::Integer, "0", N, Sequences, C, "count up or down; sets isAlphaNumericIncrement and isAlphaNumericDecrement", "0=increment;1=decrement"},
    {"alphaNumericNumericAlphabeticIndex", K::Integer, "0", N, Sequences, C, "numbers or letters; sets isAlphaNumericNumeric and isAlphaNumericAlphabetic", "0=numeric;1=alphabetic"},
    {"insertDeleteIndex", K::Integer, "0", N, InsertDelete, C, "insert or delete; sets isInsertDeleteInsert and isInsertDeleteDelete", "0=insert;1=delete"},
    {"removeReplaceIndex", K::Integer, "0", N, ReplaceRemove, C, "replace, remove or remove characters; sets the three mode flags", "0=replace;1=remove;2=remove characters"},
    {"prefixSuffixIndex", K::Integer, "0", N, PrefixSuffix, C, "texts or a date; sets isPrefixSuffixString and isPrefixSuffixDate", "0=texts;1=date"},
    {"generalOptionsIndex", K::Integer, "0", N, General, C, "the window's copy of generalOptionIndex (same values; sets the same flags)"},

    // Alphabetic / numeric sequence
    {"isAlphaNumericIncrement", K::Flag, "1", N, Sequences, C, "the counter steps up after each item"},
    {"isAlphaNumericDecrement", K::Flag, "0", N, Sequences, C, "the counter steps down after each item (wins over increment)"},
    {"isAlphaNumericNumeric", K::Flag, "1", N, Sequences, C, "count in decimal numbers"},
    {"isAlphaNumericAlphabetic", K::Flag, "0", N, Sequences, C, "count in letters: a, b ... z, aa, ab"},
    {"isAlphaNumericPrefix", K::Flag, "0", S, Sequences, C, "put the counter before the name"},
    {"isAlphaNumericSufix", K::Flag, "0", S, Sequences, C, "put the counter after the name (with neither, the counter replaces the name)"},
    {"isAlphaNumericSeperator", K::Flag, "0", S, Sequences, C, "put alphaNumericSeperator between the counter and the name"},
    {"alphaNumericSeperator", K::Text, "", S, Sequences, C, "text between the counter and the name"},
    {"alphaNumericPaddingMask", K::Text, "", S, Sequences, C, "width and padding of the counter: \"000\" gives 001, 002"},
    {"alphaNumericNumericStartWith", K::Text, "0", S, Sequences, C, "first number of a numeric sequence"},
    {"alphaNumericAlphabeticStartWith", K::Text, "a", S, Sequences, C, "first letters of an alphabetic sequence"},
    {"alphaNumericIncrementBy", K::Text, "1", S, Sequences, C, "step when counting up (0 or empty counts as 1)"},
    {"alphaNumericDecrementBy", K::Text, "1", S, Sequences, C, "step when counting down (0 or empty counts as 1)"},
    {"isAlphaNumericResetSequenceOnEachFolder", K::Flag, "0", S, Sequences, C, "start the sequence again in each folder"},

    // Insert / delete
    {"isInsertDeleteInsert", K::Flag, "1", N, InsertDelete, C, "insert a text into the name"},
    {"insertDeleteInsert", K::Text, "", S, InsertDelete, C, "the text to insert"},
    {"insertDeleteInsertOptionIndex", K::Integer, "0", N, InsertDelete, C, "where to insert; sets the five isInsertDeleteInsertAt... flags", kWhere},
    {"isInsertDeleteInsertAtBeginning", K::Flag, "1", N, InsertDelete, C, "insert at the beginning of the name"},
    {"isInsertDeleteInsertAtEnd", K::Flag, "0", N, InsertDelete, C, "insert at the end of the name"},
    {"isInsertDeleteInsertAtPosition", K::Flag, "0", N, InsertDelete, C, "insert at the character positions of insertDeleteAtCharacterPositions"},
    {"insertDeleteAtCharacterPositions", K::Text, "1", S, InsertDelete, C, "character positions to insert at, from 1"},
    {"insertDeleteInsertAtPostionDirection", K::Integer, "0", S, InsertDelete, C, "where insert positions are counted from", kDirection},
    {"isInsertDeleteInsertAtBeforeText", K::Flag, "0", N, InsertDelete, C, "insert before an occurrence of insertDeleteInsertAtBeforeText"},
    {"insertDeleteInsertAtBeforeText", K::Text, "", S, InsertDelete, C, "the text to insert before"},
    {"insertDeleteInsertAtBeforeOccurrence", K::Text, "1", S, InsertDelete, C, "which occurrence of that text, from 1"},
    {"isInsertDeleteInsertAtAfterText", K::Flag, "0", N, InsertDelete, C, "insert after an occurrence of insertDeleteInsertAtAfterText"},
    {"insertDeleteInsertAtAfterText", K::Text, "", S, InsertDelete, C, "the text to insert after"},
    {"insertDeleteInsertAtAfterOccurrence", K::Text, "1", S, InsertDelete, C, "which occurrence of that text, from 1"},
    {"isInsertDeleteDelete", K::Flag, "0", N, InsertDelete, C, "delete characters from the name"},
    {"isInsertDeleteDeleteFromBackWard", K::Flag, "0", S, InsertDelete, C, "count the delete position from the end of the name"},
    {"insertDeleteFromCharacterPosition", K::Text, "1", S, InsertDelete, C, "first character to delete, from 1"},
    {"insertDeleteNumberOfCharacters", K::Text, "1", S, InsertDelete, C, "how many characters to delete"},

    // Replace / remove
    {"isReplaceRemoveReplace", K::Flag, "1", N, ReplaceRemove, C, "replace replaceRemoveThis by replaceRemoveWith"},
    {"isReplaceRemoveRemove", K::Flag, "0", N, ReplaceRemove, C, "remove occurrences of replaceRemoveThis"},
    {"isReplaceRemoveRemoveCharacters", K::Flag, "0", N, ReplaceRemove, C, "remove every character that replaceRemoveThis holds"},
    {"replaceRemoveThis", K::Text, "", S, ReplaceRemove, C, "the text to find"},
    {"replaceRemoveWith", K::Text, "", S, ReplaceRemove, C, "the replacement text"},
    {"isReplaceRemoveCaseSensitive", K::Flag, "0", S, ReplaceRemove, C, "letter case must match"},
    {"isReplaceRemoveAllOccurrence", K::Flag, "0", S, ReplaceRemove, C, "act on every occurrence (otherwise replaceRemoveOccuranceCount of them)"},
    {"replaceRemovePositionDirection", K::Integer, "0", S, ReplaceRemove, C, "where the search starts from", "0=the beginning of the name;1=the end of the name"},
    {"replaceRemoveStartFromCharacter", K::Text, "1", S, ReplaceRemove, C, "character the search starts at, from 1"},
    {"replaceRemoveStartOnOccurrence", K::Text, "1", S, ReplaceRemove, C, "first occurrence to act on, from 1"},
    {"replaceRemoveOccuranceCount", K::Text, "1", S, ReplaceRemove, C, "how many occurrences to act on"},
    {"isReplaceRemoveRegularExpression", K::Flag, "0", S, ReplaceRemove, X, "read replaceRemoveThis as a regular expression; replaceRemoveWith may name groups as \\1 or $1"},

    // Prefix / suffix
    {"isPrefixSuffixString", K::Flag, "1", N, PrefixSuffix, C, "add the texts prefixSuffixPrefix and prefixSuffixSuffix"},
    {"isPrefixSuffixDate", K::Flag, "0", N, PrefixSuffix, C, "add a date built from the date and time parts"},
    {"prefixSuffixPrefix", K::Text, "", N, PrefixSuffix, C, "text before the name"},
    {"prefixSuffixSuffix", K::Text, "", N, PrefixSuffix, C, "text after the name"},
    {"isPrefixSuffixDatePrefix", K::Flag, "0", N, PrefixSuffix, C, "put the date before the name"},
    {"isPrefixSuffixDateSuffix", K::Flag, "0", N, PrefixSuffix, C, "put the date after the name"},
    {"prefixSuffixFileDateAttribute", K::Integer, "1", N, PrefixSuffix, C, "which date", "0=now;1=date created;2=date modified"},
    {"prefixSuffixDatePart1", K::Text, "dd", N, PrefixSuffix, C, "first date part: a date pattern such as dd, MM, yyyy, or None"},
    {"prefixSuffixDateSeperator1", K::Text, "", N, PrefixSuffix, C, "text after the first date part"},
    {"prefixSuffixDatePart2", K::Text, "MM", N, PrefixSuffix, C, "second date part"},
    {"prefixSuffixDateSeperator2", K::Text, "", N, PrefixSuffix, C, "text after the second date part"},
    {"prefixSuffixDatePart3", K::Text, "yyyy", N, PrefixSuffix, C, "third date part"},
    {"prefixSuffixTimePart1", K::Text, "HH", N, PrefixSuffix, C, "first time part: a pattern such as HH, mm, ss, or None"},
    {"prefixSuffixTimeSeperator1", K::Text, "", N, PrefixSuffix, C, "text after the first time part"},
    {"prefixSuffixTimePart2", K::Text, "mm", N, PrefixSuffix, C, "second time part"},
    {"prefixSuffixTimeSeperator2", K::Text, "", N, PrefixSuffix, C, "text after the second time part"},
    {"prefixSuffixTimePart3", K::Text, "ss", N, PrefixSuffix, C, "third time part"},
    {"prefixSuffixDatePrefix", K::Text, "", N, PrefixSuffix, C, "text before the date"},
    {"prefixSuffixDateSuffix", K::Text, "", N, PrefixSuffix, C, "text after the date"},

    // Date and time
    {"dateTimeDateOptionIndex", K::Integer, "0", N, DateTime, C, "which date; 2 sets hasDateTimeCustomDate", "0=date created;1=date modified;2=dateTimeCustomDate"},
    {"hasDateTimeCustomDate", K::Flag, "0", N, DateTime, C, "use dateTimeCustomDate instead of a date of the file"},
    {"dateTimeCustomDate", K::Date, "", S, DateTime, C, "the date to use, ISO 8601 local time such as 2010-03-07T14:05:09"},
    {"dateTimeOptionsIndex", K::Integer, "0", N, DateTime, C, "where to put the date; sets the five isDateTimeAt... flags", kWhere},
    {"isDateTimeAtBeginning", K::Flag, "1", N, DateTime, C, "put the date at the beginning of the name"},
    {"isDateTimeAtEnd", K::Flag, "0", N, DateTime, C, "put the date at the end of the name"},
    {"isDateTimeAtPosition", K::Flag, "0", N, DateTime, C, "put the date at character position dateTimeAtPositionNo"},
    {"isDateTimeAtBeforeText", K::Flag, "0", N, DateTime, C, "put the date before an occurrence of dateTimeAtBeforeText"},
    {"isDateTimeAtAfterText", K::Flag, "0", N, DateTime, C, "put the date after an occurrence of dateTimeAtAfterText"},
    {"dateTimeAtPositionNo", K::Text, "1", S, DateTime, C, "character position of the date, from 1"},
    {"dateTimeAtPositionDirection", K::Integer, "0", S, DateTime, C, "where the position is counted from", kDirection},
    {"dateTimeAtBeforeText", K::Text, "", S, DateTime, C, "the text to put the date before"},
    {"dateTimeAtBeforeTextOccurrence", K::Text, "1", S, DateTime, C, "which occurrence of that text, from 1"},
    {"dateTimeAtAfterText", K::Text, "", S, DateTime, C, "the text to put the date after"},
    {"dateTimeAtAfterTextOccurrence", K::Text, "1", S, DateTime, C, "which occurrence of that text, from 1"},
    {"hasDateFormat", K::Flag, "1", S, DateTime, C, "the date text holds the date parts"},
    {"dateTimeFormatDatePart1", K::Text, "dd", S, DateTime, C, "first date part: a date pattern such as dd, MM, yyyy, or None"},
    {"dateTimeFormatDateSeperator1", K::Text, "", S, DateTime, C, "text after the first date part"},
    {"dateTimeFormatDatePart2", K::Text, "MM", S, DateTime, C, "second date part"},
    {"dateTimeFormatDateSeperator2", K::Text, "", S, DateTime, C, "text after the second date part"},
    {"dateTimeFormatDatePart3", K::Text, "yyyy", S, DateTime, C, "third date part"},
    {"hasTimeFormat", K::Flag, "1", S, DateTime, C, "the date text holds the time parts"},
    {"dateTimeFormatTimePart1", K::Text, "HH", S, DateTime, C, "first time part: a pattern such as HH, mm, ss, or None"},
    {"dateTimeFormatTimeSeperator1", K::Text, "", S, DateTime, C, "text after the first time part"},
    {"dateTimeFormatTimePart2", K::Text, "mm", S, DateTime, C, "second time part"},
    {"dateTimeFormatTimeSeperator2", K::Text, "", S, DateTime, C, "text after the second time part"},
    {"dateTimeFormatTimePart3", K::Text, "ss", S, DateTime, C, "third time part"},
    {"dateTimeSeparator", K::Text, "", S, DateTime, C, "text between the date and the time"},
    {"isDateTimeColonReplace", K::Flag, "0", S, DateTime, C, "replace every \":\" of the date text by dateTimeColonReplace"},
    {"dateTimeColonReplace", K::Text, "", S, DateTime, C, "the replacement for \":\""},
    {"dateTimePrefix", K::Text, "", S, DateTime, C, "text before the date"},
    {"dateTimeSuffix", K::Text, "", S, DateTime, C, "text after the date"},

    // General
    {"generalOptionIndex", K::Integer, "0", N, General, C, "which general change; sets the isGeneral... flags", kGeneralChanges},
    {"generalFileNameCase", K::Integer, "1", S, General, C, "letter case of the name (generalOptionIndex 0)", kCase},
    {"generalExtensionCase", K::Integer, "1", S, General, C, "letter case of the extension (generalOptionIndex 1)", kCase},
    {"isGeneralConvertFilenameCase", K::Flag, "1", N, General, C, "change the letter case of the name"},
    {"isGeneralConvertExtension", K::Flag, "0", N, General, C, "change the letter case of the extension"},
    {"isGeneralRemoveExtension", K::Flag, "0", N, General, C, "remove the extension"},
    {"isGeneralChangeExtension", K::Flag, "0", N, General, C, "replace the extension by generalChangeExtension"},
    {"isGeneralReverseFileName", K::Flag, "0", N, General, C, "reverse the name"},
    {"isGeneralRemoveSpaces", K::Flag, "0", N, General, C, "remove every blank from the name"},
    {"isGeneralSwapFromSeperator", K::Flag, "0", N, General, C, "swap the parts before and after generalSwapSeperator"},
    {"isGeneralSwapFromPostion", K::Flag, "0", N, General, C, "swap the parts before and after character generalSwapPosition"},
    {"isGeneralRemoveAfterString", K::Flag, "0", N, General, C, "cut the name after an occurrence of generalRemoveAfterString"},
    {"isGeneralRemoveFromString", K::Flag, "0", N, General, C, "cut the name from an occurrence of generalRemoveFromString on"},
    {"isGeneralConvertWindowsCompatible", K::Flag, "0", N, General, C, "replace the characters / \\ : * ? \" < > | by generalConvertWindowsCompatibleString"},
    {"isGeneralFilenameMask", K::Flag, "0", N, General, C, "pad or trim the name to generalFilenameMask"},
    {"isGeneralTransliterate", K::Flag, "0", S, General, X, "write the name with plain Latin letters (ICU Any-Latin; Latin-ASCII)"},
    {"isGeneralRepairEncoding", K::Flag, "0", S, General, X, "give back its letters to a UTF-8 name that was read as generalRepairEncodingFrom (two or three odd characters for each accented letter)"},
    {"generalRepairEncodingFrom", K::Text, "windows-1252", S, General, X, "the encoding the name was wrongly read as: an ICU converter name (generalOptionIndex 13)"},
    {"generalChangeExtension", K::Text, "", S, General, C, "the new extension, without the dot"},
    {"generalSwapSeperator", K::Text, "", S, General, C, "the separator to swap around"},
    {"generalSwapPosition", K::Text, "1", S, General, C, "the character position to swap at"},
    {"generalRemoveAfterString", K::Text, "", S, General, C, "the text after which the name is cut (the text stays)"},
    {"generalRemoveFromString", K::Text, "", S, General, C, "the text from which the name is cut (the text goes too)"},
    {"generalRemoveAfterStringOccurrence", K::Text, "1", S, General, C, "which occurrence of generalRemoveAfterString, from 1"},
    {"generalRemoveFromStringOccurrence", K::Text, "1", S, General, C, "which occurrence of generalRemoveFromString, from 1"},
    {"generalConvertWindowsCompatibleString", K::Text, "", S, General, C, "the replacement for characters other file systems forbid (empty removes them)"},
    {"generalFilenameMask", K::Text, "", S, General, C, "mask: a longer mask pads the name on the left, a shorter one keeps the name's last characters"},

    // Audio tags
    {"isID3RenamingSeperator", K::Flag, "0", N, Audio, C, "put id3RenamingSeperator between the tags"},
    {"isID3RenamingColonReplace", K::Flag, "0", N, Audio, C, "replace every \":\" of the tag values by id3RenamingColonReplace"},
    {"id3RenamingSeperator", K::Text, "", N, Audio, C, "text between the tags"},
    {"id3RenamingColonReplace", K::Text, "", N, Audio, C, "the replacement for \":\""},
    {"id3RenamingMask", K::Text, "", N, Audio, C, "the name made of tags; rebuilt from id3RenamingTagsList"},
    {"id3RenamingTagsList", K::List, "", N, Audio, C, "the tags that make the name, in order, such as <Artist>;<Title>"},
    {"id3Extensions", K::List, ".MP3; .M4A; .AAC; .M4B", N, Audio, C, "the extensions of the audio files to rename"},

    // Photo metadata
    {"isPhotoRenamingSeperator", K::Flag, "0", N, Photo, C, "put photoRenamingSeperator between the fields"},
    {"isPhotoRenamingColonReplace", K::Flag, "0", N, Photo, C, "replace every \":\" of the metadata values by photoRenamingColonReplace"},
    {"photoRenamingSeperator", K::Text, "", N, Photo, C, "text between the fields"},
    {"photoRenamingColonReplace", K::Text, "", N, Photo, C, "the replacement for \":\""},
    {"photoRenamingMask", K::Text, "", N, Photo, C, "the name made of fields; rebuilt from photoMetaDataList"},
    {"photoDatePart1", K::Text, "dd", N, Photo, C, "first part of metadata dates: a date pattern such as dd, MM, yyyy, or None"},
    {"photoDateSeperator1", K::Text, "", N, Photo, C, "text after the first date part"},
    {"photoDatePart2", K::Text, "MM", N, Photo, C, "second date part"},
    {"photoDateSeperator2", K::Text, "", N, Photo, C, "text after the second date part"},
    {"photoDatePart3", K::Text, "yyyy", N, Photo, C, "third date part"},
    {"photoTimePart1", K::Text, "HH", N, Photo, C, "first part of metadata times: a pattern such as HH, mm, ss, or None"},
    {"photoTimeSeperator1", K::Text, "", N, Photo, C, "text after the first time part"},
    {"photoTimePart2", K::Text, "mm", N, Photo, C, "second time part"},
    {"photoTimeSeperator2", K::Text, "", N, Photo, C, "text after the second time part"},
    {"photoTimePart3", K::Text, "ss", N, Photo, C, "third time part"},
    {"photoPaddingMask", K::Text, "", N, Photo, C, "width and padding of the number sequence field, such as 000"},
    {"photoMetaDataList", K::MetaDataList, "", N, Photo, C, "the metadata fields that make the name, in order, as tag codes such as <EXIF_Date>;<SEQUENCES_Number_Sequence>"},
    {"photoExtensions", K::List, ".JPG; .JPEG; .EXIF; .TIF; .TIFF", N, Photo, C, "the extensions of the photo files to rename"},
    {"photoClockShifts", K::List, "", S, Photo, X, "corrections of camera clocks, one \"camera model=+seconds\" or \"camera model=-seconds\" each, added to <EXIF_Date> and <EXIF_Time>; an empty model stands for every camera"},
    {"isPhotoResetSequenceOnEachFolder", K::Flag, "0", N, Photo, C, "start the number sequence again in each folder"},
    {"photoVideoTimesAreLocal", K::Flag, "0", S, Photo, X, "a movie header's creation time is the camera's local time, not UTC (phones write UTC)"},

    // Path components
    {"pathComponentsLevelNo", K::Integer, "1", S, Path, C, "how many enclosing folder names to take, innermost first"},
    {"pathComponentsOptionsIndex", K::Integer, "0", S, Path, C, "where to put the folder names; sets the five isPathComponentsAt... flags", kWhere},
    {"isPathComponentsAtBeginning", K::Flag, "1", N, Path, C, "put the folder names at the beginning of the name"},
    {"isPathComponentsAtEnd", K::Flag, "0", N, Path, C, "put the folder names at the end of the name"},
    {"isPathComponentsAtPosition", K::Flag, "0", N, Path, C, "put the folder names at character position pathComponentsAtPositionNo"},
    {"pathComponentsAtPositionNo", K::Text, "1", S, Path, C, "character position of the folder names, from 1"},
    {"pathComponentsAtPositionDirection", K::Integer, "0", S, Path, C, "where the position is counted from", kDirection},
    {"isPathComponentsAtBeforeText", K::Flag, "0", N, Path, C, "put the folder names before an occurrence of pathComponentsAtBeforeText"},
    {"pathComponentsAtBeforeText", K::Text, "", S, Path, C, "the text to put the folder names before"},
    {"pathComponentsAtBeforeOccurrence", K::Text, "1", S, Path, C, "which occurrence of that text, from 1"},
    {"isPathComponentsAtAfterText", K::Flag, "0", N, Path, C, "put the folder names after an occurrence of pathComponentsAtAfterText"},
    {"pathComponentsAtAfterText", K::Text, "", S, Path, C, "the text to put the folder names after"},
    {"pathComponentsAtAfterOccurrence", K::Text, "1", S, Path, C, "which occurrence of that text, from 1"},
    {"pathComponentsPrefix", K::Text, "", S, Path, C, "text before the folder names"},
    {"pathComponentsSuffix", K::Text, "", S, Path, C, "text after the folder names"},
    {"pathComponentsSeparator", K::Text, "", S, Path, C, "text between two folder names"},

};

const char* const kMethodNames[kMethodTabCount] = {
    "Sequences", "Insert/Delete", "Replace/Remove", "Prefix/Suffix", "Date & Time",
    "General",   "Audio Tags",    "Photo Metadata", "Path Components", "Rename from List"};

} // namespace

namespace SettingDescriptors {

std::span<const SettingDescriptor> all()
{
    return kSettings;
}

int indexOf(const QString& key)
{
    static const QHash<QString, int> index = [] {
        QHash<QString, int> h;
        for (int i = 0; i < int(std::size(kSettings)); ++i)
            h.insert(QString::fromLatin1(kSettings[i].key), i);
        return h;
    }();
    return index.value(key, -1);
}

bool isAvailable(const SettingDescriptor& descriptor)
{
    return !descriptor.extended || Edition::current().hasExtendedMethods;
}

const SettingDescriptor* find(const QString& key)
{
    const int i = indexOf(key);
    return i < 0 ? nullptr : &kSettings[i];
}

QString methodName(int tab)
{
    return tab >= 0 && tab < kMethodTabCount ? QString::fromLatin1(kMethodNames[tab]) : QString();
}

QList<QPair<QString, QString>> values(const QString& key)
{
    QList<QPair<QString, QString>> out;
    if (key == QLatin1String("selectedTab")) {
        for (int tab = 0; tab < kMethodTabCount; ++tab)
            out.append({QString::number(tab), methodName(tab)});
        return out;
    }
    const SettingDescriptor* descriptor = find(key);
    if (!descriptor)
        return out;
    if (descriptor->kind == SettingKind::Flag)
        return {{QStringLiteral("0"), QStringLiteral("off")}, {QStringLiteral("1"), QStringLiteral("on")}};
    // The window's copy of generalOptionIndex takes the same values.
    const QString list = QString::fromUtf8(key == QLatin1String("generalOptionsIndex") ? kGeneralChanges
                                                                                      : descriptor->values);
    for (const QString& entry : list.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        out.append({entry.left(eq), entry.mid(eq + 1)});
    }
    return out;
}

} // namespace SettingDescriptors
