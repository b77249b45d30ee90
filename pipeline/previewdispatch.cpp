#include "pipeline/previewdispatch.h"

#include "engine/filename.h"
#include "engine/findexpression.h"
#include "engine/plainlatin.h"
#include "engine/renamingmethods.h"
#include "pipeline/previewchecks.h"
#include "metadata/audiorenaming.h"
#include "metadata/photolookahead.h"
#include "metadata/photorenaming.h"
#include "platform/numbers.h"

namespace {

QString k(const char* key)
{
    return QString::fromLatin1(key);
}

// Tab 0.
struct SequenceArgs {
    bool numeric = false;
    bool alphabetic = false;
    bool increment = false;
    bool decrement = false;
    bool prefix = false;
    bool subffix = false;
    bool seperator = false;
    QString seperatorString;
    QString addingMask;
    int incrementBy = 1;
    int decrementBy = 1;
};

// Tab 1.
struct InsertDeleteArgs {
    bool insert = false;
    bool remove = false;
    QString insertText;
    int insertOptionIndex = 0;
    int atCharacterPositions = 1;
    int atPostionDirection = 0;
    QString atBeforeText;
    int atBeforeOccurrence = 1;
    QString atAfterText;
    int atAfterOccurrence = 1;
    bool deleteFromBackward = false;
    int fromCharacterPosition = 1;
    int numberOfCharacters = 1;
};

// Tab 2, after its four mode rows have been resolved.
struct ReplaceRemoveArgs {
    bool call = false;
    QString replaceThis;
    QString replaceWith;
    bool caseSensitive = false;
    bool removeCharacters = false;
    int startFromCharacter = 1;
    int startOnOccurrence = 1;
    int occurrenceCount = 1;
    int direction = 0;
    // The Find text as a regular expression, compiled once for the run.
    std::optional<QRegularExpression> expression;
};

// Tab 3.
struct PrefixSuffixArgs {
    QString prefix, suffix;
    bool isString = false, isDate = false;
    int fileDateAttribute = 0;
    bool isDatePrefix = false, isDateSuffix = false;
    QString datePart1, dateSeperator1, datePart2, dateSeperator2, datePart3;
    QString timePart1, timeSeperator1, timePart2, timeSeperator2, timePart3;
    QString datePrefix, dateSuffix;
};

// Tab 4.
struct DateTimeArgs {
    int dateOptionIndex = 0;
    QDateTime customDate;
    int optionsIndex = 0;
    int atPositionNo = 1;
    int atPositionDirection = 0;
    QString atBeforeText;
    int atBeforeTextOccurrence = 1;
    QString atAfterText;
    int atAfterTextOccurrence = 1;
    bool hasDateFormat = true, hasTimeFormat = true;
    QString datePart1, dateSeperator1, datePart2, dateSeperator2, datePart3;
    QString timePart1, timeSeperator1, timePart2, timeSeperator2, timePart3;
    bool isColonReplace = false;
    QString colonReplace, separator, prefix, suffix;
};

// Tab 5 (positions and occurrences stay texts).
struct GeneralArgs {
    int optionIndex = 0;
    int fileNameCase = 1;
    int extensionCase = 1;
    QString changeExtension, swapSeperator, swapPosition, removeAfterString, removeFromString;
    QString removeAfterStringOccurrence, removeFromStringOccurrence;
    QString convertWindowsCompatibleString, filenameMask;
    // Option 12: one transliterator for the run.
    std::unique_ptr<PlainLatinTransliterator> plainLatin;
};

// Tab 8.
struct PathComponentsArgs {
    int levelNo = 1;
    int optionsIndex = 0;
    int atPositionNo = 1;
    int atPositionDirection = 0;
    QString atBeforeText;
    int atBeforeOccurrence = 1;
    QString atAfterText;
    int atAfterOccurrence = 1;
    QString separator, prefix, suffix;
};

// Tab 6.
struct AudioArgs {
    QString mask;
    bool isSeperator = false;
    QString seperator;
    bool isColonReplace = false;
    QString colonReplace;
    QStringList tags;
    QStringList allowedExtensions;
};

// Tab 7.
struct PhotoArgs {
    QString mask;
    bool isSeperator = false;
    QString seperator;
    bool isColonReplace = false;
    QString colonReplace;
    QString datePart1, dateSeperator1, datePart2, dateSeperator2, datePart3;
    QString timePart1, timeSeperator1, timePart2, timeSeperator2, timePart3;
    QString paddingMask;
    QStringList tags;
    QStringList allowedExtensions;
};

} // namespace

// The arguments of the selected tab's method, read once per run from the settings snapshot.
struct PreviewDispatch::Args {
    Settings s;
    int tab = 0;

    SequenceArgs sequence;
    InsertDeleteArgs insertDelete;
    ReplaceRemoveArgs replaceRemove;
    PrefixSuffixArgs prefixSuffix;
    DateTimeArgs dateTime;
    GeneralArgs general;
    PathComponentsArgs pathComponents;
    AudioArgs audio;
    PhotoArgs photo;
    // The photo method's working state, one per run (tab 7 only).
    std::optional<PhotoRenaming> photoRenaming;
    // The photos' properties read ahead of their naming (tab 7, between readAhead and
    // stopReadingAhead).
    std::unique_ptr<PhotoLookAhead> photoLookAhead;

    // Sequence counters and their start values.
    qint64 numericStart = 0;
    QString alphabeticStart;
    qint64 numericCounter = 0;
    QString alphabeticCounter;
    qint64 photoCounter = 1;

    void read();
};

void PreviewDispatch::Args::read()
{
    const auto text = [this](const char* key) { return s.text(k(key)); };
    const auto flag = [this](const char* key) { return s.flag(k(key)); };
    const auto integer = [this](const char* key) { return s.integer(k(key)); };
    const auto intOf = [this](const char* key) { return intValue(s.text(k(key))); };
    // An empty position or occurrence of the general tab counts as absent: "1".
    const auto orOne = [this](const char* key) {
        const QString value = s.text(k(key));
        return value.isEmpty() ? QStringLiteral("1") : value;
    };

    switch (tab) {
    case 0: {
        SequenceArgs& a = sequence;
        a.numeric = flag("isAlphaNumericNumeric");
        a.alphabetic = flag("isAlphaNumericAlphabetic");
        a.increment = flag("isAlphaNumericIncrement");
        a.decrement = flag("isAlphaNumericDecrement");
        a.prefix = flag("isAlphaNumericPrefix");
        a.subffix = flag("isAlphaNumericSufix");
        a.seperator = flag("isAlphaNumericSeperator");
        a.seperatorString = text("alphaNumericSeperator");
        a.addingMask = text("alphaNumericPaddingMask");
        a.incrementBy = intOf("alphaNumericIncrementBy");
        a.decrementBy = intOf("alphaNumericDecrementBy");
        break;
    }
    case 1: {
        InsertDeleteArgs& a = insertDelete;
        a.insert = flag("isInsertDeleteInsert");
        a.remove = flag("isInsertDeleteDelete");
        a.insertText = text("insertDeleteInsert");
        a.insertOptionIndex = integer("insertDeleteInsertOptionIndex");
        a.atCharacterPositions = intOf("insertDeleteAtCharacterPositions");
        a.atPostionDirection = integer("insertDeleteInsertAtPostionDirection");
        a.atBeforeText = text("insertDeleteInsertAtBeforeText");
        a.atBeforeOccurrence = intOf("insertDeleteInsertAtBeforeOccurrence");
        a.atAfterText = text("insertDeleteInsertAtAfterText");
        a.atAfterOccurrence = intOf("insertDeleteInsertAtAfterOccurrence");
        a.deleteFromBackward = flag("isInsertDeleteDeleteFromBackWard");
        a.fromCharacterPosition = intOf("insertDeleteFromCharacterPosition");
        a.numberOfCharacters = intOf("insertDeleteNumberOfCharacters");
        break;
    }
    case 2: {
        ReplaceRemoveArgs& a = replaceRemove;
        const bool replace = flag("isReplaceRemoveReplace");
        const bool remove = flag("isReplaceRemoveRemove");
        const bool removeCharacters = flag("isReplaceRemoveRemoveCharacters");
        const bool allOccurrences = flag("isReplaceRemoveAllOccurrence");
        a.call = replace || remove || removeCharacters;
        a.replaceThis = text("replaceRemoveThis");
        a.caseSensitive = flag("isReplaceRemoveCaseSensitive");
        a.startFromCharacter = intOf("replaceRemoveStartFromCharacter");
        a.direction = integer("replaceRemovePositionDirection");
        bool everyOccurrence = allOccurrences;
        if (replace) {
            a.replaceWith = text("replaceRemoveWith");
            a.removeCharacters = false;
        } else {
            a.replaceWith = QString();
            a.removeCharacters = removeCharacters;
            everyOccurrence = allOccurrences || removeCharacters;
        }
        a.startOnOccurrence = everyOccurrence ? 1 : intOf("replaceRemoveStartOnOccurrence");
        a.occurrenceCount = everyOccurrence ? -1 : intOf("replaceRemoveOccuranceCount");
        if (PreviewChecks::usesRegularExpression(s))
            a.expression = FindExpression::compile(a.replaceThis, a.caseSensitive);
        break;
    }
    case 3: {
        PrefixSuffixArgs& a = prefixSuffix;
        a.prefix = text("prefixSuffixPrefix");
        a.suffix = text("prefixSuffixSuffix");
        a.isString = flag("isPrefixSuffixString");
        a.isDate = flag("isPrefixSuffixDate");
        a.fileDateAttribute = integer("prefixSuffixFileDateAttribute");
        a.isDatePrefix = flag("isPrefixSuffixDatePrefix");
        a.isDateSuffix = flag("isPrefixSuffixDateSuffix");
        a.datePart1 = text("prefixSuffixDatePart1");
        a.dateSeperator1 = text("prefixSuffixDateSeperator1");
        a.datePart2 = text("prefixSuffixDatePart2");
        a.dateSeperator2 = text("prefixSuffixDateSeperator2");
        a.datePart3 = text("prefixSuffixDatePart3");
        a.timePart1 = text("prefixSuffixTimePart1");
        a.timeSeperator1 = text("prefixSuffixTimeSeperator1");
        a.timePart2 = text("prefixSuffixTimePart2");
        a.timeSeperator2 = text("prefixSuffixTimeSeperator2");
        a.timePart3 = text("prefixSuffixTimePart3");
        a.datePrefix = text("prefixSuffixDatePrefix");
        a.dateSuffix = text("prefixSuffixDateSuffix");
        break;
    }
    case 4: {
        DateTimeArgs& a = dateTime;
        a.dateOptionIndex = integer("dateTimeDateOptionIndex");
        a.customDate = s.date(k("dateTimeCustomDate"));
        a.optionsIndex = integer("dateTimeOptionsIndex");
        a.atPositionNo = intOf("dateTimeAtPositionNo");
        a.atPositionDirection = integer("dateTimeAtPositionDirection");
        a.atBeforeText = text("dateTimeAtBeforeText");
        a.atBeforeTextOccurrence = intOf("dateTimeAtBeforeTextOccurrence");
        a.atAfterText = text("dateTimeAtAfterText");
        a.atAfterTextOccurrence = intOf("dateTimeAtAfterTextOccurrence");
        a.hasDateFormat = flag("hasDateFormat");
        a.hasTimeFormat = flag("hasTimeFormat");
        a.datePart1 = text("dateTimeFormatDatePart1");
        a.dateSeperator1 = text("dateTimeFormatDateSeperator1");
        a.datePart2 = text("dateTimeFormatDatePart2");
        a.dateSeperator2 = text("dateTimeFormatDateSeperator2");
        a.datePart3 = text("dateTimeFormatDatePart3");
        a.timePart1 = text("dateTimeFormatTimePart1");
        a.timeSeperator1 = text("dateTimeFormatTimeSeperator1");
        a.timePart2 = text("dateTimeFormatTimePart2");
        a.timeSeperator2 = text("dateTimeFormatTimeSeperator2");
        a.timePart3 = text("dateTimeFormatTimePart3");
        a.isColonReplace = flag("isDateTimeColonReplace");
        a.colonReplace = text("dateTimeColonReplace");
        a.separator = text("dateTimeSeparator");
        a.prefix = text("dateTimePrefix");
        a.suffix = text("dateTimeSuffix");
        break;
    }
    case 5: {
        GeneralArgs& a = general;
        a.optionIndex = integer("generalOptionIndex");
        a.fileNameCase = integer("generalFileNameCase");
        a.extensionCase = integer("generalExtensionCase");
        a.changeExtension = text("generalChangeExtension");
        a.swapSeperator = text("generalSwapSeperator");
        a.swapPosition = orOne("generalSwapPosition");
        a.removeAfterString = text("generalRemoveAfterString");
        a.removeFromString = text("generalRemoveFromString");
        a.removeAfterStringOccurrence = orOne("generalRemoveAfterStringOccurrence");
        a.removeFromStringOccurrence = orOne("generalRemoveFromStringOccurrence");
        a.convertWindowsCompatibleString = text("generalConvertWindowsCompatibleString");
        a.filenameMask = text("generalFilenameMask");
        if (a.optionIndex == 12)
            a.plainLatin = std::make_unique<PlainLatinTransliterator>();
        break;
    }
    case 6: {
        AudioArgs& a = audio;
        a.mask = text("id3RenamingMask");
        a.isSeperator = flag("isID3RenamingSeperator");
        a.seperator = text("id3RenamingSeperator");
        a.isColonReplace = flag("isID3RenamingColonReplace");
        a.colonReplace = text("id3RenamingColonReplace");
        a.tags = s.list(k("id3RenamingTagsList"));
        a.allowedExtensions = s.list(k("id3Extensions"));
        break;
    }
    case 7: {
        PhotoArgs& a = photo;
        a.mask = text("photoRenamingMask");
        a.isSeperator = flag("isPhotoRenamingSeperator");
        a.seperator = text("photoRenamingSeperator");
        a.isColonReplace = flag("isPhotoRenamingColonReplace");
        a.colonReplace = text("photoRenamingColonReplace");
        a.datePart1 = text("photoDatePart1");
        a.dateSeperator1 = text("photoDateSeperator1");
        a.datePart2 = text("photoDatePart2");
        a.dateSeperator2 = text("photoDateSeperator2");
        a.datePart3 = text("photoDatePart3");
        a.timePart1 = text("photoTimePart1");
        a.timeSeperator1 = text("photoTimeSeperator1");
        a.timePart2 = text("photoTimePart2");
        a.timeSeperator2 = text("photoTimeSeperator2");
        a.timePart3 = text("photoTimePart3");
        a.paddingMask = text("photoPaddingMask");
        a.tags = MetaDataField::getTagsList(s.photoMetaDataList());
        a.allowedExtensions = s.list(k("photoExtensions"));
        photoRenaming.emplace();
        break;
    }
    case 8: {
        PathComponentsArgs& a = pathComponents;
        a.levelNo = integer("pathComponentsLevelNo");
        a.optionsIndex = integer("pathComponentsOptionsIndex");
        a.atPositionNo = intOf("pathComponentsAtPositionNo");
        a.atPositionDirection = integer("pathComponentsAtPositionDirection");
        a.atBeforeText = text("pathComponentsAtBeforeText");
        a.atBeforeOccurrence = intOf("pathComponentsAtBeforeOccurrence");
        a.atAfterText = text("pathComponentsAtAfterText");
        a.atAfterOccurrence = intOf("pathComponentsAtAfterOccurrence");
        a.separator = text("pathComponentsSeparator");
        a.prefix = text("pathComponentsPrefix");
        a.suffix = text("pathComponentsSuffix");
        break;
    }
    default:
        break;
    }
}

PreviewDispatch::PreviewDispatch(const Settings& settings)
    : a_(std::make_unique<Args>())
{
    a_->s = settings.snapshot();
    a_->tab = settings.integer(k("selectedTab"));
    a_->numericStart = intValue(settings.text(k("alphaNumericNumericStartWith")));
    a_->alphabeticStart = settings.text(k("alphaNumericAlphabeticStartWith"));
    a_->read();
    resetCounters();
}

PreviewDispatch::~PreviewDispatch() = default;

void PreviewDispatch::resetCounters()
{
    a_->numericCounter = a_->numericStart;
    a_->alphabeticCounter = a_->alphabeticStart;
    a_->photoCounter = 1;
}

void PreviewDispatch::readAhead(const std::vector<FileSystemItem>& items)
{
    stopReadingAhead();
    if (a_->tab != 7 || items.size() < 2)
        return;
    const PhotoArgs& q = a_->photo;
    const std::optional<unsigned> groups =
        PhotoRenaming::propertyGroupsRead(q.mask, q.isSeperator, q.seperator, q.tags);
    if (!groups || q.mask.isEmpty())
        return;
    a_->photoLookAhead = std::make_unique<PhotoLookAhead>(
        items, *groups,
        [extensions = PhotoRenaming::photoExtensions(q.allowedExtensions)](const FileSystemItem& item) {
            return PhotoRenaming::namesExtension(splitName(item.filenameWithExtension()).extension, extensions);
        });
    a_->photoRenaming->setLookAhead(a_->photoLookAhead.get());
}

void PreviewDispatch::stopReadingAhead()
{
    if (a_->photoRenaming)
        a_->photoRenaming->setLookAhead(nullptr);
    a_->photoLookAhead.reset();
}

bool PreviewDispatch::resetsPerFolder() const
{
    return (a_->tab == 0 && a_->s.flag(k("isAlphaNumericResetSequenceOnEachFolder")))
        || (a_->tab == 7 && a_->s.flag(k("isPhotoResetSequenceOnEachFolder")));
}

std::optional<bool> PreviewDispatch::call(FileSystemItem& item, QString& error)
{
    Args& a = *a_;
    switch (a.tab) {
    case 0: {
        const SequenceArgs& q = a.sequence;
        if (q.numeric)
            return renameByNumeric(item, q.increment, q.decrement, q.prefix, q.subffix, q.seperator,
                                   q.seperatorString, q.addingMask, a.numericCounter, q.incrementBy,
                                   q.decrementBy, error);
        if (q.alphabetic)
            return renameByAlphabetic(item, q.increment, q.decrement, q.prefix, q.subffix, q.seperator,
                                      q.seperatorString, q.addingMask, a.alphabeticCounter, q.incrementBy,
                                      q.decrementBy, error);
        return std::nullopt;
    }
    case 1: {
        const InsertDeleteArgs& q = a.insertDelete;
        if (q.insert)
            return renameByInsert(item, q.insertText, q.insertOptionIndex, q.atCharacterPositions,
                                  q.atPostionDirection, q.atBeforeText, q.atBeforeOccurrence, q.atAfterText,
                                  q.atAfterOccurrence, error);
        if (q.remove)
            return renameByDelete(item, q.deleteFromBackward, q.fromCharacterPosition, q.numberOfCharacters,
                                  error);
        return std::nullopt;
    }
    case 2: {
        const ReplaceRemoveArgs& q = a.replaceRemove;
        if (!q.call)
            return std::nullopt;
        if (q.expression)
            return renameByRegularExpression(item, *q.expression, q.replaceWith, q.startFromCharacter,
                                             q.startOnOccurrence, q.occurrenceCount, q.direction, error);
        return renameByReplaceRemove(item, q.replaceThis, q.replaceWith, q.caseSensitive, q.removeCharacters,
                                     q.startFromCharacter, q.startOnOccurrence, q.occurrenceCount, q.direction,
                                     error);
    }
    case 3: {
        const PrefixSuffixArgs& q = a.prefixSuffix;
        return renameByPrefixSuffix(item, q.prefix, q.suffix, q.isString, q.isDate, q.fileDateAttribute,
                                    q.isDatePrefix, q.isDateSuffix, q.datePart1, q.dateSeperator1, q.datePart2,
                                    q.dateSeperator2, q.datePart3, q.timePart1, q.timeSeperator1, q.timePart2,
                                    q.timeSeperator2, q.timePart3, q.datePrefix, q.dateSuffix, error);
    }
    case 4: {
        const DateTimeArgs& q = a.dateTime;
        return renameByDateTime(item, q.dateOptionIndex, q.customDate, q.optionsIndex, q.atPositionNo,
                                q.atPositionDirection, q.atBeforeText, q.atBeforeTextOccurrence, q.atAfterText,
                                q.atAfterTextOccurrence, q.hasDateFormat, q.hasTimeFormat, q.datePart1,
                                q.dateSeperator1, q.datePart2, q.dateSeperator2, q.datePart3, q.timePart1,
                                q.timeSeperator1, q.timePart2, q.timeSeperator2, q.timePart3, q.isColonReplace,
                                q.colonReplace, q.separator, q.prefix, q.suffix, error);
    }
    case 5: {
        const GeneralArgs& q = a.general;
        return renameByGeneral(item, q.optionIndex, q.fileNameCase, q.extensionCase, q.changeExtension,
                               q.swapSeperator, q.swapPosition, q.removeAfterString, q.removeFromString,
                               q.removeAfterStringOccurrence, q.removeFromStringOccurrence,
                               q.convertWindowsCompatibleString, q.filenameMask, error, q.plainLatin.get());
    }
    case 6: {
        const AudioArgs& q = a.audio;
        return renameByID3Tags(item, q.mask, q.isSeperator, q.seperator, q.isColonReplace, q.colonReplace, q.tags,
                               q.allowedExtensions, error);
    }
    case 7: {
        const PhotoArgs& q = a.photo;
        return a.photoRenaming->renameByPhotoEXIFTags(
            item, q.mask, q.isSeperator, q.seperator, q.isColonReplace, q.colonReplace, q.datePart1,
            q.dateSeperator1, q.datePart2, q.dateSeperator2, q.datePart3, q.timePart1, q.timeSeperator1,
            q.timePart2, q.timeSeperator2, q.timePart3, q.paddingMask, q.tags, q.allowedExtensions,
            a.photoCounter, error);
    }
    case 8: {
        const PathComponentsArgs& q = a.pathComponents;
        return renameByPathComponents(item, q.levelNo, q.optionsIndex, q.atPositionNo, q.atPositionDirection,
                                      q.atBeforeText, q.atBeforeOccurrence, q.atAfterText, q.atAfterOccurrence,
                                      q.separator, q.prefix, q.suffix, error);
    }
    case 9:
        return true; // the items already hold the names of the imported list
    default:
        return std::nullopt;
    }
}
