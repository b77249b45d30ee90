#pragma once

// The options of the text renaming methods as typed values, one struct per method tab.
// Each is filled in one place, its from(), from a settings view (the settings record, or a
// rule step read as the settings it stands for), once per pass: integers are parsed from
// their texts and the exclusive choices of a tab are folded into one enum, so the methods
// never see the stored flags. The enums keep the integers the index keys store.
//
// Naming: identifiers are plain English (separator, suffix). The stored keys keep their
// historical spellings ("alphaNumericSeperator", "isAlphaNumericSufix") as strings only:
// in the descriptor table, the from() functions, the widgets' object names, rule steps,
// the command line's --set and test fixtures.

#include "engine/datepattern.h"
#include "engine/textplacement.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QString>

#include <memory>

class EncodingRepair;
class PlainLatinTransliterator;
class SettingsReader;

// Tab 0: a decimal or letter counter put into each name, stepped after each item.
struct SequenceOptions {
    // Numbers when "isAlphaNumericNumeric" is set, else letters when "isAlphaNumericAlphabetic" is.
    enum class Kind { None, Numbers, Letters };
    // Down when "isAlphaNumericDecrement" is set (it wins), else up when "isAlphaNumericIncrement" is.
    enum class Counting { Still, Up, Down };
    // The prefix and suffix flags: the counter replaces the name when neither is set.
    enum class Where { InsteadOfName, BeforeName, AfterName, AroundName };

    Kind kind = Kind::Numbers;
    Counting counting = Counting::Up;
    Where where = Where::InsteadOfName;
    QString separator; // between counter and name; empty without the separator flag
    QString paddingMask;
    int stepBy = 1; // the step of the chosen direction, as typed
    qint64 numericStart = 0;
    QString alphabeticStart = QStringLiteral("a");
    bool restartsInEachFolder = false;

    static SequenceOptions from(const SettingsReader& settings);
};

struct InsertOptions {
    QString text;
    TextPlacement::Options where;
};

struct DeleteOptions {
    CountFrom countFrom = CountFrom::Start;
    int position = 1;
    int count = 1;
};

// Tab 1: insert (when "isInsertDeleteInsert" is set) or delete (when "isInsertDeleteDelete" is).
struct InsertDeleteOptions {
    enum class Mode { None, Insert, Delete };

    Mode mode = Mode::Insert;
    InsertOptions insert;
    DeleteOptions deletion;

    static InsertDeleteOptions from(const SettingsReader& settings);
};

// Tab 2: replace or remove occurrences of a text or of a regular expression's matches, or
// remove a set of characters.
struct ReplaceRemoveOptions {
    // The first mode flag set of replace, remove characters, remove.
    enum class Mode { None, Replace, Remove, RemoveCharacters };

    Mode mode = Mode::Replace;
    QString find;
    QString replacement; // empty unless replacing
    bool caseSensitive = false;
    int startFromCharacter = 1;
    int startOnOccurrence = 1;
    int occurrenceCount = -1; // -1: every occurrence from the start one on
    CountFrom countFrom = CountFrom::Start;
    // The find text read as a regular expression (replace and remove only), compiled once
    // for the pass.
    bool isRegularExpression = false;
    QRegularExpression expression;

    static ReplaceRemoveOptions from(const SettingsReader& settings);
};

// Tab 3: fixed texts around the name, or a date before and/or after it.
struct PrefixSuffixOptions {
    // Texts when "isPrefixSuffixString" is set; the date flag is its opposite.
    enum class Mode { Texts, Date };
    // "prefixSuffixFileDateAttribute": any other value, or an unreadable item, is now.
    enum class FileDate { Now = 0, Created = 1, Modified = 2 };

    Mode mode = Mode::Texts;
    QString prefix;
    QString suffix;
    FileDate fileDate = FileDate::Created;
    bool dateBeforeName = false;
    bool dateAfterName = false;
    DatePattern::Pieces date;
    DatePattern::Pieces time;
    QString datePrefix;
    QString dateSuffix;

    static PrefixSuffixOptions from(const SettingsReader& settings);
};

// Tab 4: a date of the item, or a chosen one, put into the name.
struct DateTimeOptions {
    // "dateTimeDateOptionIndex": any other value has no date, and the method fails.
    enum class Source { Created = 0, Modified = 1, Custom = 2 };

    Source source = Source::Created;
    QDateTime customDate;
    TextPlacement::Options where;
    bool withDate = true;
    bool withTime = true;
    DatePattern::Pieces date;
    DatePattern::Pieces time;
    bool replacesColons = false;
    QString colonReplacement;
    QString separator; // between date and time
    QString prefix;
    QString suffix;

    static DateTimeOptions from(const SettingsReader& settings);
};

// The general changes, as "generalOptionIndex" stores them; any other value leaves the name.
enum class GeneralChange {
    NameCase = 0,
    ExtensionCase = 1,
    RemoveExtension = 2,
    ChangeExtension = 3,
    Reverse = 4,
    RemoveSpaces = 5,
    SwapAroundSeparator = 6,
    SwapAtPosition = 7,
    CutAfterText = 8,
    CutFromText = 9,
    FilenameMask = 10,
    OtherFileSystems = 11,
    PlainLatin = 12,
    RepairEncoding = 13,
};

// "generalFileNameCase" and "generalExtensionCase"; any other value leaves the case.
enum class LetterCase { Upper = 1, Lower = 2, Capitalized = 3 };

// Tab 5.
struct GeneralOptions {
    GeneralChange change = GeneralChange::NameCase;
    LetterCase nameCase = LetterCase::Upper;
    LetterCase extensionCase = LetterCase::Upper;
    QString newExtension;
    QString swapSeparator;
    int swapPosition = 1; // an empty position or occurrence counts as 1
    QString cutAfterText;
    int cutAfterOccurrence = 1;
    QString cutFromText;
    int cutFromOccurrence = 1;
    QString compatibleReplacement;
    QString filenameMask;
    // Plain Latin: one transliterator for the pass; without one a call makes its own.
    std::shared_ptr<const PlainLatinTransliterator> plainLatin;
    // The encoding a mis-decoded name was read as (an ICU converter name), and the pass's
    // converter for it; without one a call makes its own.
    QString repairEncodingFrom = QStringLiteral("windows-1252");
    std::shared_ptr<const EncodingRepair> encodingRepair;

    static GeneralOptions from(const SettingsReader& settings);
};

// Tab 8: the names of the enclosing folders put into the name.
struct PathComponentsOptions {
    int levels = 1;
    TextPlacement::Options where;
    QString separator; // between two folder names
    QString prefix;
    QString suffix;

    static PathComponentsOptions from(const SettingsReader& settings);
};
