#include "engine/settingsdescriptors.h"

#include "platform/edition.h"

#include <QHash>

namespace {

using K = SettingKind;
constexpr bool S = true;  // raises the settings-changed signal
constexpr bool N = false;
constexpr bool Extended = true; // beyond the classic 172 keys

const SettingDescriptor kSettings[] = {
    // Scope and selection
    {"selectedTab", K::Integer, "0", N, -1},
    {"isFiles", K::Flag, "1", N, -1},
    {"isFolders", K::Flag, "0", N, -1},
    {"isIncludeSubFolders", K::Flag, "1", N, -1},
    {"fileFolderIndex", K::Integer, "0", N, -1},
    {"renameFile", K::Text, "", N, 9},
    {"alphaNumericIncrementDecrementIndex", K::Integer, "0", N, 0},
    {"alphaNumericNumericAlphabeticIndex", K::Integer, "0", N, 0},
    {"insertDeleteIndex", K::Integer, "0", N, 1},
    {"removeReplaceIndex", K::Integer, "0", N, 2},
    {"prefixSuffixIndex", K::Integer, "0", N, 3},
    {"generalOptionsIndex", K::Integer, "0", N, 5},

    // Alphabetic / numeric sequence
    {"isAlphaNumericIncrement", K::Flag, "1", N, 0},
    {"isAlphaNumericDecrement", K::Flag, "0", N, 0},
    {"isAlphaNumericNumeric", K::Flag, "1", N, 0},
    {"isAlphaNumericAlphabetic", K::Flag, "0", N, 0},
    {"isAlphaNumericPrefix", K::Flag, "0", S, 0},
    {"isAlphaNumericSufix", K::Flag, "0", S, 0},
    {"isAlphaNumericSeperator", K::Flag, "0", S, 0},
    {"alphaNumericSeperator", K::Text, "", S, 0},
    {"alphaNumericPaddingMask", K::Text, "", S, 0},
    {"alphaNumericNumericStartWith", K::Text, "0", S, 0},
    {"alphaNumericAlphabeticStartWith", K::Text, "a", S, 0},
    {"alphaNumericIncrementBy", K::Text, "1", S, 0},
    {"alphaNumericDecrementBy", K::Text, "1", S, 0},
    {"isAlphaNumericResetSequenceOnEachFolder", K::Flag, "0", S, 0},

    // Insert / delete
    {"isInsertDeleteInsert", K::Flag, "1", N, 1},
    {"insertDeleteInsert", K::Text, "", S, 1},
    {"insertDeleteInsertOptionIndex", K::Integer, "0", N, 1},
    {"isInsertDeleteInsertAtBeginning", K::Flag, "1", N, 1},
    {"isInsertDeleteInsertAtEnd", K::Flag, "0", N, 1},
    {"isInsertDeleteInsertAtPosition", K::Flag, "0", N, 1},
    {"insertDeleteAtCharacterPositions", K::Text, "1", S, 1},
    {"insertDeleteInsertAtPostionDirection", K::Integer, "0", S, 1},
    {"isInsertDeleteInsertAtBeforeText", K::Flag, "0", N, 1},
    {"insertDeleteInsertAtBeforeText", K::Text, "", S, 1},
    {"insertDeleteInsertAtBeforeOccurrence", K::Text, "1", S, 1},
    {"isInsertDeleteInsertAtAfterText", K::Flag, "0", N, 1},
    {"insertDeleteInsertAtAfterText", K::Text, "", S, 1},
    {"insertDeleteInsertAtAfterOccurrence", K::Text, "1", S, 1},
    {"isInsertDeleteDelete", K::Flag, "0", N, 1},
    {"isInsertDeleteDeleteFromBackWard", K::Flag, "0", S, 1},
    {"insertDeleteFromCharacterPosition", K::Text, "1", S, 1},
    {"insertDeleteNumberOfCharacters", K::Text, "1", S, 1},

    // Replace / remove
    {"isReplaceRemoveReplace", K::Flag, "1", N, 2},
    {"isReplaceRemoveRemove", K::Flag, "0", N, 2},
    {"isReplaceRemoveRemoveCharacters", K::Flag, "0", N, 2},
    {"replaceRemoveThis", K::Text, "", S, 2},
    {"replaceRemoveWith", K::Text, "", S, 2},
    {"isReplaceRemoveCaseSensitive", K::Flag, "0", S, 2},
    {"isReplaceRemoveAllOccurrence", K::Flag, "0", S, 2},
    {"replaceRemovePositionDirection", K::Integer, "0", S, 2},
    {"replaceRemoveStartFromCharacter", K::Text, "1", S, 2},
    {"replaceRemoveStartOnOccurrence", K::Text, "1", S, 2},
    {"replaceRemoveOccuranceCount", K::Text, "1", S, 2},
    {"isReplaceRemoveRegularExpression", K::Flag, "0", S, 2, Extended},

    // Prefix / suffix
    {"isPrefixSuffixString", K::Flag, "1", N, 3},
    {"isPrefixSuffixDate", K::Flag, "0", N, 3},
    {"prefixSuffixPrefix", K::Text, "", N, 3},
    {"prefixSuffixSuffix", K::Text, "", N, 3},
    {"isPrefixSuffixDatePrefix", K::Flag, "0", N, 3},
    {"isPrefixSuffixDateSuffix", K::Flag, "0", N, 3},
    {"prefixSuffixFileDateAttribute", K::Integer, "1", N, 3},
    {"prefixSuffixDatePart1", K::Text, "dd", N, 3},
    {"prefixSuffixDateSeperator1", K::Text, "", N, 3},
    {"prefixSuffixDatePart2", K::Text, "MM", N, 3},
    {"prefixSuffixDateSeperator2", K::Text, "", N, 3},
    {"prefixSuffixDatePart3", K::Text, "yyyy", N, 3},
    {"prefixSuffixTimePart1", K::Text, "HH", N, 3},
    {"prefixSuffixTimeSeperator1", K::Text, "", N, 3},
    {"prefixSuffixTimePart2", K::Text, "mm", N, 3},
    {"prefixSuffixTimeSeperator2", K::Text, "", N, 3},
    {"prefixSuffixTimePart3", K::Text, "ss", N, 3},
    {"prefixSuffixDatePrefix", K::Text, "", N, 3},
    {"prefixSuffixDateSuffix", K::Text, "", N, 3},

    // Date and time
    {"dateTimeDateOptionIndex", K::Integer, "0", N, 4},
    {"hasDateTimeCustomDate", K::Flag, "0", N, 4},
    {"dateTimeCustomDate", K::Date, "", S, 4},
    {"dateTimeOptionsIndex", K::Integer, "0", N, 4},
    {"isDateTimeAtBeginning", K::Flag, "1", N, 4},
    {"isDateTimeAtEnd", K::Flag, "0", N, 4},
    {"isDateTimeAtPosition", K::Flag, "0", N, 4},
    {"isDateTimeAtBeforeText", K::Flag, "0", N, 4},
    {"isDateTimeAtAfterText", K::Flag, "0", N, 4},
    {"dateTimeAtPositionNo", K::Text, "1", S, 4},
    {"dateTimeAtPositionDirection", K::Integer, "0", S, 4},
    {"dateTimeAtBeforeText", K::Text, "", S, 4},
    {"dateTimeAtBeforeTextOccurrence", K::Text, "1", S, 4},
    {"dateTimeAtAfterText", K::Text, "", S, 4},
    {"dateTimeAtAfterTextOccurrence", K::Text, "1", S, 4},
    {"hasDateFormat", K::Flag, "1", S, 4},
    {"dateTimeFormatDatePart1", K::Text, "dd", S, 4},
    {"dateTimeFormatDateSeperator1", K::Text, "", S, 4},
    {"dateTimeFormatDatePart2", K::Text, "MM", S, 4},
    {"dateTimeFormatDateSeperator2", K::Text, "", S, 4},
    {"dateTimeFormatDatePart3", K::Text, "yyyy", S, 4},
    {"hasTimeFormat", K::Flag, "1", S, 4},
    {"dateTimeFormatTimePart1", K::Text, "HH", S, 4},
    {"dateTimeFormatTimeSeperator1", K::Text, "", S, 4},
    {"dateTimeFormatTimePart2", K::Text, "mm", S, 4},
    {"dateTimeFormatTimeSeperator2", K::Text, "", S, 4},
    {"dateTimeFormatTimePart3", K::Text, "ss", S, 4},
    {"dateTimeSeparator", K::Text, "", S, 4},
    {"isDateTimeColonReplace", K::Flag, "0", S, 4},
    {"dateTimeColonReplace", K::Text, "", S, 4},
    {"dateTimePrefix", K::Text, "", S, 4},
    {"dateTimeSuffix", K::Text, "", S, 4},

    // General
    {"generalOptionIndex", K::Integer, "0", N, 5},
    {"generalFileNameCase", K::Integer, "1", S, 5},
    {"generalExtensionCase", K::Integer, "1", S, 5},
    {"isGeneralConvertFilenameCase", K::Flag, "1", N, 5},
    {"isGeneralConvertExtension", K::Flag, "0", N, 5},
    {"isGeneralRemoveExtension", K::Flag, "0", N, 5},
    {"isGeneralChangeExtension", K::Flag, "0", N, 5},
    {"isGeneralReverseFileName", K::Flag, "0", N, 5},
    {"isGeneralRemoveSpaces", K::Flag, "0", N, 5},
    {"isGeneralSwapFromSeperator", K::Flag, "0", N, 5},
    {"isGeneralSwapFromPostion", K::Flag, "0", N, 5},
    {"isGeneralRemoveAfterString", K::Flag, "0", N, 5},
    {"isGeneralRemoveFromString", K::Flag, "0", N, 5},
    {"isGeneralConvertWindowsCompatible", K::Flag, "0", N, 5},
    {"isGeneralFilenameMask", K::Flag, "0", N, 5},
    {"isGeneralTransliterate", K::Flag, "0", S, 5, Extended},
    {"generalChangeExtension", K::Text, "", S, 5},
    {"generalSwapSeperator", K::Text, "", S, 5},
    {"generalSwapPosition", K::Text, "1", S, 5},
    {"generalRemoveAfterString", K::Text, "", S, 5},
    {"generalRemoveFromString", K::Text, "", S, 5},
    {"generalRemoveAfterStringOccurrence", K::Text, "1", S, 5},
    {"generalRemoveFromStringOccurrence", K::Text, "1", S, 5},
    {"generalConvertWindowsCompatibleString", K::Text, "", S, 5},
    {"generalFilenameMask", K::Text, "", S, 5},

    // Audio tags
    {"isID3RenamingSeperator", K::Flag, "0", N, 6},
    {"isID3RenamingColonReplace", K::Flag, "0", N, 6},
    {"id3RenamingSeperator", K::Text, "", N, 6},
    {"id3RenamingColonReplace", K::Text, "", N, 6},
    {"id3RenamingMask", K::Text, "", N, 6},
    {"id3RenamingTagsList", K::List, "", N, 6},
    {"id3Extensions", K::List, ".MP3; .M4A; .AAC; .M4B", N, 6},

    // Photo metadata
    {"isPhotoRenamingSeperator", K::Flag, "0", N, 7},
    {"isPhotoRenamingColonReplace", K::Flag, "0", N, 7},
    {"photoRenamingSeperator", K::Text, "", N, 7},
    {"photoRenamingColonReplace", K::Text, "", N, 7},
    {"photoRenamingMask", K::Text, "", N, 7},
    {"photoDatePart1", K::Text, "dd", N, 7},
    {"photoDateSeperator1", K::Text, "", N, 7},
    {"photoDatePart2", K::Text, "MM", N, 7},
    {"photoDateSeperator2", K::Text, "", N, 7},
    {"photoDatePart3", K::Text, "yyyy", N, 7},
    {"photoTimePart1", K::Text, "HH", N, 7},
    {"photoTimeSeperator1", K::Text, "", N, 7},
    {"photoTimePart2", K::Text, "mm", N, 7},
    {"photoTimeSeperator2", K::Text, "", N, 7},
    {"photoTimePart3", K::Text, "ss", N, 7},
    {"photoPaddingMask", K::Text, "", N, 7},
    {"photoMetaDataList", K::MetaDataList, "", N, 7},
    {"photoExtensions", K::List, ".JPG; .JPEG; .EXIF; .TIF; .TIFF", N, 7},
    {"isPhotoResetSequenceOnEachFolder", K::Flag, "0", N, 7},

    // Path components
    {"pathComponentsLevelNo", K::Integer, "1", S, 8},
    {"pathComponentsOptionsIndex", K::Integer, "0", S, 8},
    {"isPathComponentsAtBeginning", K::Flag, "1", N, 8},
    {"isPathComponentsAtEnd", K::Flag, "0", N, 8},
    {"isPathComponentsAtPosition", K::Flag, "0", N, 8},
    {"pathComponentsAtPositionNo", K::Text, "1", S, 8},
    {"pathComponentsAtPositionDirection", K::Integer, "0", S, 8},
    {"isPathComponentsAtBeforeText", K::Flag, "0", N, 8},
    {"pathComponentsAtBeforeText", K::Text, "", S, 8},
    {"pathComponentsAtBeforeOccurrence", K::Text, "1", S, 8},
    {"isPathComponentsAtAfterText", K::Flag, "0", N, 8},
    {"pathComponentsAtAfterText", K::Text, "", S, 8},
    {"pathComponentsAtAfterOccurrence", K::Text, "1", S, 8},
    {"pathComponentsPrefix", K::Text, "", S, 8},
    {"pathComponentsSuffix", K::Text, "", S, 8},
    {"pathComponentsSeparator", K::Text, "", S, 8},
};

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

} // namespace SettingDescriptors
