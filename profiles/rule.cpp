#include "profiles/rule.h"

#include "engine/methodoptions.h"
#include "platform/dateformat.h"
#include "platform/messages.h"
#include "profiles/rulekinds.h"
#include "profiles/rulenames.h"

#include <QDateTime>

using RuleKinds::Kind;

namespace {

QString k(const char* key)
{
    return QString::fromLatin1(key);
}

// A label of the window as the tree shows it: its words without the colon (and the blank
// before it, in French) that lead to its field, starting with a capital ("from position:"
// reads "From position").
QString label(QString text)
{
    while (!text.isEmpty() && (text.back().isSpace() || text.back() == QLatin1Char(':')))
        text.chop(1);
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// Values as a person reads them: a ticked option is "yes", a text is quoted, an empty
// field says so.
QString yesNo(bool value)
{
    return msg(value ? "OPTIONYES" : "OPTIONNO");
}

QString quoted(const QString& text)
{
    return text.isEmpty() ? msg("OPTIONEMPTY") : msg("OPTIONQUOTED").arg(text);
}

QString numberOrEmpty(const QString& text)
{
    return text.isEmpty() ? msg("OPTIONEMPTY") : text;
}

// The window's words for where a position is counted from.
QString countedFrom(int direction)
{
    return msg(CountFrom(direction) == CountFrom::Start ? "FROMTHESTART" : "FROMTHEEND");
}

// A date or time format from its three parts: a "None" part is left out, and each part
// that stays brings the separator that follows it.
QString formatOf(const QVariantMap& step, const QString& p1, const QString& s1, const QString& p2,
                 const QString& s2, const QString& p3, const QString& whenEmpty)
{
    const QString none = QStringLiteral("None");
    QString out;
    if (RuleKinds::text(step, p1) != none)
        out += RuleKinds::text(step, p1) + RuleKinds::text(step, s1);
    if (RuleKinds::text(step, p2) != none)
        out += RuleKinds::text(step, p2) + RuleKinds::text(step, s2);
    if (RuleKinds::text(step, p3) != none)
        out += RuleKinds::text(step, p3);
    return out.isEmpty() ? whenEmpty : out;
}

QString dateFormatOf(const QVariantMap& step, const char* prefix, const char* sepPrefix)
{
    const QString p = k(prefix);
    const QString s = k(sepPrefix);
    return formatOf(step, p + k("1"), s + k("1"), p + k("2"), s + k("2"), p + k("3"), QStringLiteral("MM/dd/yyyy"));
}

QString timeFormatOf(const QVariantMap& step, const char* prefix, const char* sepPrefix)
{
    const QString p = k(prefix);
    const QString s = k(sepPrefix);
    return formatOf(step, p + k("1"), s + k("1"), p + k("2"), s + k("2"), p + k("3"), QStringLiteral("hh mm ss a"));
}

// The label and value of every shown option of a step, in order. Labels are the words of
// the window's own controls for the same settings (their message keys), so the tree, the
// window and the help pages name an option alike in every language.
class RowBuilder {
public:
    explicit RowBuilder(const QVariantMap& step)
        : s(step)
    {
    }

    QList<QPair<QString, QString>> rows;

    // Each takes the window's label of the option (its msg() text).
    void add(const QString& windowLabel, const QString& value) { rows.append({label(windowLabel), value}); }
    void addText(const QString& windowLabel, const char* key) { add(windowLabel, quoted(RuleKinds::text(s, k(key)))); }
    void addNumber(const QString& windowLabel, const char* key)
    {
        add(windowLabel, numberOrEmpty(RuleKinds::text(s, k(key))));
    }
    void addFlag(const QString& windowLabel, const char* key) { add(windowLabel, yesNo(RuleKinds::flag(s, k(key)))); }
    // A check box with a text field: the text when ticked, "no" otherwise.
    void addTextWhen(const QString& windowLabel, const char* flagKey, const char* key)
    {
        add(windowLabel, RuleKinds::flag(s, k(flagKey)) ? quoted(RuleKinds::text(s, k(key))) : yesNo(false));
    }

    // Where a text goes (insert, date and time, folder names), by the option index, as the
    // window's choice reads with its field: "At position 3 from the end", "Before the text
    // '_'" and its occurrence.
    void addWhere(const char* indexKey, const char* positionKey, const char* directionKey, const char* beforeKey,
                  const char* beforeOccurrenceKey, const char* afterKey, const char* afterOccurrenceKey)
    {
        const QString where = msg("PLACEMENT");
        switch (Placement(RuleKinds::intOf(s, k(indexKey)))) {
        case Placement::AtBeginning:
            add(where, label(msg("ATBEGINNING")));
            break;
        case Placement::AtEnd:
            add(where, label(msg("ATEND")));
            break;
        case Placement::AtPosition:
            add(where, label(msg("ATPOSITION")) + QLatin1Char(' ') + numberOrEmpty(RuleKinds::text(s, k(positionKey)))
                           + QLatin1Char(' ') + countedFrom(RuleKinds::intOf(s, k(directionKey))));
            break;
        case Placement::BeforeText:
            add(where, label(msg("BEFORETEXT")) + QLatin1Char(' ') + quoted(RuleKinds::text(s, k(beforeKey))));
            addNumber(msg("OCCURRENCE"), beforeOccurrenceKey);
            break;
        case Placement::AfterText:
            add(where, label(msg("AFTERTEXT")) + QLatin1Char(' ') + quoted(RuleKinds::text(s, k(afterKey))));
            addNumber(msg("OCCURRENCE"), afterOccurrenceKey);
            break;
        }
    }

    const QVariantMap& s;
};

void alphaNumericRows(RowBuilder& r, const QString& type)
{
    const QVariantMap& s = r.s;
    if (type == QLatin1String("Numeric"))
        r.addNumber(msg("SEQUENCENUMERICSTART"), "alphaNumericNumericStartWith");
    else
        r.addText(msg("SEQUENCEALPHABETICSTART"), "alphaNumericAlphabeticStartWith");
    if (RuleKinds::flag(s, k("isAlphaNumericIncrement")))
        r.addNumber(msg("SEQUENCEINCREMENTBY"), "alphaNumericIncrementBy");
    else
        r.addNumber(msg("SEQUENCEDECREMENTBY"), "alphaNumericDecrementBy");
    r.addFlag(msg("SEQUENCEASPREFIX"), "isAlphaNumericPrefix");
    r.addFlag(msg("SEQUENCEASSUFFIX"), "isAlphaNumericSufix");
    if (RuleKinds::flag(s, k("isAlphaNumericSeperator")))
        r.addText(msg("SEQUENCESEPARATOR"), "alphaNumericSeperator");
    r.addText(msg("SEQUENCEPADDINGMASK"), "alphaNumericPaddingMask");
    r.addFlag(msg("SEQUENCERESETEACHFOLDER"), "isAlphaNumericResetSequenceOnEachFolder");
}

void insertDeleteRows(RowBuilder& r, const QString& type)
{
    if (type == QLatin1String("Insert")) {
        r.addText(msg("INSERTDELETEINSERT"), "insertDeleteInsert");
        r.addWhere("insertDeleteInsertOptionIndex", "insertDeleteAtCharacterPositions",
                   "insertDeleteInsertAtPostionDirection", "insertDeleteInsertAtBeforeText",
                   "insertDeleteInsertAtBeforeOccurrence", "insertDeleteInsertAtAfterText",
                   "insertDeleteInsertAtAfterOccurrence");
        return;
    }
    r.addFlag(msg("DELETEFROMEND"), "isInsertDeleteDeleteFromBackWard");
    r.addNumber(msg("DELETEFROMPOSITION"), "insertDeleteFromCharacterPosition");
    r.addNumber(msg("DELETECOUNT"), "insertDeleteNumberOfCharacters");
}

void replaceRemoveRows(RowBuilder& r, const QString& type)
{
    const QVariantMap& s = r.s;
    const bool removeCharacters = type == QLatin1String("Remove Characters");
    r.addText(msg("REPLACEFIND"), "replaceRemoveThis");
    if (type == QLatin1String("Replace"))
        r.addText(msg("REPLACEWITH"), "replaceRemoveWith");
    r.addFlag(msg("CASESENSITIVE"), "isReplaceRemoveCaseSensitive");
    if (!removeCharacters && RuleKinds::flag(s, k("isReplaceRemoveRegularExpression")))
        r.add(msg("REGULAREXPRESSION"), yesNo(true));
    // The window's start field with the direction beside it: "1 from the end".
    r.add(msg("STARTFROMCHARACTER"), numberOrEmpty(RuleKinds::text(s, k("replaceRemoveStartFromCharacter")))
                                           + QLatin1Char(' ')
                                           + countedFrom(RuleKinds::intOf(s, k("replaceRemovePositionDirection"))));
    if (!removeCharacters)
        r.addFlag(msg("ALLOCCURRENCES"), "isReplaceRemoveAllOccurrence");
    if (!RuleKinds::flag(s, k("isReplaceRemoveAllOccurrence")) && !removeCharacters) {
        r.addNumber(msg("STARTONOCCURRENCE"), "replaceRemoveStartOnOccurrence");
        r.addNumber(msg("OCCURRENCECOUNT"), "replaceRemoveOccuranceCount");
    }
}

QString fileDateName(PrefixSuffixOptions::FileDate fileDate)
{
    using FileDate = PrefixSuffixOptions::FileDate;
    switch (fileDate) {
    case FileDate::Created: return label(msg("DATECREATED"));
    case FileDate::Modified: return label(msg("DATEMODIFIED"));
    case FileDate::Now: break;
    }
    // Any other value takes the moment of the preview.
    return msg("OPTIONNOW");
}

void prefixSuffixRows(RowBuilder& r, const QString& type)
{
    const QVariantMap& s = r.s;
    if (type == QLatin1String("As String")) {
        r.addText(msg("PREFIX"), "prefixSuffixPrefix");
        r.addText(msg("SUFFIX"), "prefixSuffixSuffix");
        return;
    }
    r.add(msg("FILEDATE"),
          fileDateName(PrefixSuffixOptions::FileDate(RuleKinds::intOf(s, k("prefixSuffixFileDateAttribute")))));
    r.addFlag(msg("ASPREFIX"), "isPrefixSuffixDatePrefix");
    r.addFlag(msg("ASSUFFIX"), "isPrefixSuffixDateSuffix");
    r.add(msg("DATEPARTS"), dateFormatOf(s, "prefixSuffixDatePart", "prefixSuffixDateSeperator"));
    r.add(msg("TIMEPARTS"), timeFormatOf(s, "prefixSuffixTimePart", "prefixSuffixTimeSeperator"));
    r.addText(msg("TEXTBEFOREDATE"), "prefixSuffixDatePrefix");
    r.addText(msg("TEXTAFTERDATE"), "prefixSuffixDateSuffix");
}

void dateTimeRows(RowBuilder& r)
{
    const QVariantMap& s = r.s;
    using Source = DateTimeOptions::Source;
    const auto source = Source(RuleKinds::intOf(s, k("dateTimeDateOptionIndex")));
    r.add(msg("DATESOURCE"), source == Source::Created    ? label(msg("DATECREATED"))
                               : source == Source::Modified ? label(msg("DATEMODIFIED"))
                               : source == Source::Custom   ? label(msg("DATECUSTOM"))
                                                            : RuleKinds::text(s, k("dateTimeDateOptionIndex")));
    if (source == Source::Custom) {
        const QDateTime custom = s.value(k("dateTimeCustomDate")).toDateTime();
        r.add(msg("DATECUSTOM"), custom.isValid()
                                     ? DateFormat::format(custom, QStringLiteral("dd/MM/yyyy hh:mm:ss a"))
                                     : msg("OPTIONEMPTY"));
    }
    r.addWhere("dateTimeOptionsIndex", "dateTimeAtPositionNo", "dateTimeAtPositionDirection", "dateTimeAtBeforeText",
               "dateTimeAtBeforeTextOccurrence", "dateTimeAtAfterText", "dateTimeAtAfterTextOccurrence");
    if (RuleKinds::flag(s, k("hasDateFormat")))
        r.add(msg("DATEPARTS"), dateFormatOf(s, "dateTimeFormatDatePart", "dateTimeFormatDateSeperator"));
    if (RuleKinds::flag(s, k("hasTimeFormat")))
        r.add(msg("TIMEPARTS"), timeFormatOf(s, "dateTimeFormatTimePart", "dateTimeFormatTimeSeperator"));
    r.addText(msg("DATETIMESEPARATOR"), "dateTimeSeparator");
    r.addTextWhen(msg("REPLACECOLONWITH"), "isDateTimeColonReplace", "dateTimeColonReplace");
    r.addText(msg("TEXTBEFOREDATE"), "dateTimePrefix");
    r.addText(msg("TEXTAFTERDATE"), "dateTimeSuffix");
}

void generalRows(RowBuilder& r)
{
    const QVariantMap& s = r.s;
    switch (GeneralChange(RuleKinds::intOf(s, k("generalOptionIndex")))) {
    case GeneralChange::NameCase:
        r.add(msg("CONVERTFILENAMECASE"),
              RuleKinds::caseName(LetterCase(RuleKinds::intOf(s, k("generalFileNameCase")))));
        break;
    case GeneralChange::ExtensionCase:
        r.add(msg("CONVERTEXTENSIONCASE"),
              RuleKinds::caseName(LetterCase(RuleKinds::intOf(s, k("generalExtensionCase")))));
        break;
    case GeneralChange::RemoveExtension: r.add(msg("REMOVEEXTENSION"), yesNo(true)); break;
    case GeneralChange::ChangeExtension: r.addText(msg("CHANGEEXTENSION"), "generalChangeExtension"); break;
    case GeneralChange::Reverse: r.add(msg("REVERSEFILENAME"), yesNo(true)); break;
    case GeneralChange::RemoveSpaces: r.add(msg("REMOVESPACES"), yesNo(true)); break;
    case GeneralChange::SwapAroundSeparator: r.addText(msg("SWAPFROMSEPARATOR"), "generalSwapSeperator"); break;
    case GeneralChange::SwapAtPosition: r.addNumber(msg("SWAPFROMPOSITION"), "generalSwapPosition"); break;
    case GeneralChange::CutAfterText:
        r.addText(msg("REMOVEAFTERTEXT"), "generalRemoveAfterString");
        r.addNumber(msg("OCCURRENCE"), "generalRemoveAfterStringOccurrence");
        break;
    case GeneralChange::CutFromText:
        r.addText(msg("REMOVEFROMTEXT"), "generalRemoveFromString");
        r.addNumber(msg("OCCURRENCE"), "generalRemoveFromStringOccurrence");
        break;
    case GeneralChange::FilenameMask: r.addText(msg("FILENAMEMASK"), "generalFilenameMask"); break;
    case GeneralChange::OtherFileSystems:
        // Empty removes the characters: "(empty)" says what the field holds.
        r.addText(msg("WINDOWSCOMPATIBLE"), "generalConvertWindowsCompatibleString");
        break;
    case GeneralChange::PlainLatin: r.add(msg("TRANSLITERATE"), yesNo(true)); break;
    case GeneralChange::RepairEncoding: r.addText(msg("REPAIRENCODING"), "generalRepairEncodingFrom"); break;
    }
}

QString extensionsOf(const QVariantMap& s, const char* key)
{
    const QStringList list = RuleKinds::stringList(s, k(key));
    return list.isEmpty() ? msg("OPTIONEMPTY") : list.join(QStringLiteral("; "));
}

void id3Rows(RowBuilder& r)
{
    r.addText(msg("MASK"), "id3RenamingMask");
    if (RuleKinds::flag(r.s, k("isID3RenamingColonReplace")))
        r.addText(msg("REPLACECOLONWITH"), "id3RenamingColonReplace");
    r.add(msg("AUDIOEXTENSIONS"), extensionsOf(r.s, "id3Extensions"));
}

void photoRows(RowBuilder& r)
{
    const QVariantMap& s = r.s;
    r.addText(msg("MASK"), "photoRenamingMask");
    r.add(msg("DATEPARTS"), dateFormatOf(s, "photoDatePart", "photoDateSeperator"));
    r.add(msg("TIMEPARTS"), timeFormatOf(s, "photoTimePart", "photoTimeSeperator"));
    if (!RuleKinds::text(s, k("photoPaddingMask")).isEmpty())
        r.addText(msg("SEQUENCEPADDINGMASK"), "photoPaddingMask");
    r.addFlag(msg("SEQUENCERESETEACHFOLDER"), "isPhotoResetSequenceOnEachFolder");
    if (RuleKinds::flag(s, k("isPhotoRenamingColonReplace")))
        r.addText(msg("REPLACECOLONWITH"), "photoRenamingColonReplace");
    r.add(msg("PHOTOEXTENSIONS"), extensionsOf(s, "photoExtensions"));
    if (RuleKinds::flag(s, k("photoVideoTimesAreLocal")))
        r.addFlag(msg("VIDEOTIMESARELOCAL"), "photoVideoTimesAreLocal");
}

void pathComponentsRows(RowBuilder& r)
{
    r.addNumber(msg("PATHLEVEL"), "pathComponentsLevelNo");
    r.addWhere("pathComponentsOptionsIndex", "pathComponentsAtPositionNo", "pathComponentsAtPositionDirection",
               "pathComponentsAtBeforeText", "pathComponentsAtBeforeOccurrence", "pathComponentsAtAfterText",
               "pathComponentsAtAfterOccurrence");
    r.addText(msg("TEXTBEFORE"), "pathComponentsPrefix");
    r.addText(msg("TEXTAFTER"), "pathComponentsSuffix");
    r.addText(msg("PATHSEPARATOR"), "pathComponentsSeparator");
}

} // namespace

Rule::Rule(const QString& opt, const QString& val)
    : option(opt)
    , value(val)
{
}

std::unique_ptr<Rule> Rule::rootItem(const QVariantMap& step)
{
    std::unique_ptr<Rule> root(new Rule(RuleNames::shown(RuleKinds::text(step, k("type"))), QString()));
    root->rule = step;
    root->isRoot_ = true;
    return root;
}

void Rule::buildChildren() const
{
    if (built_)
        return;
    built_ = true;
    if (!isRoot_)
        return;
    RowBuilder rows(rule);
    const QString type = RuleKinds::text(rule, k("type"));
    switch (RuleKinds::kindOf(RuleKinds::text(rule, k("rule")))) {
    case Kind::AlphaNumeric: alphaNumericRows(rows, type); break;
    case Kind::InsertDelete: insertDeleteRows(rows, type); break;
    case Kind::ReplaceRemove: replaceRemoveRows(rows, type); break;
    case Kind::PrefixSuffix: prefixSuffixRows(rows, type); break;
    case Kind::DateTime: dateTimeRows(rows); break;
    case Kind::General: generalRows(rows); break;
    case Kind::ID3: id3Rows(rows); break;
    case Kind::Photo: photoRows(rows); break;
    case Kind::PathComponents: pathComponentsRows(rows); break;
    case Kind::Unknown: break;
    }
    for (const auto& [label, val] : rows.rows)
        children_.push_back(std::unique_ptr<Rule>(new Rule(label, val)));
}

int Rule::numberOfChildren() const
{
    buildChildren();
    return int(children_.size());
}

const Rule* Rule::childAtIndex(int index) const
{
    buildChildren();
    return index >= 0 && index < int(children_.size()) ? children_[size_t(index)].get() : nullptr;
}

QString Rule::objectValueForColumn(const QString& identifier) const
{
    return identifier == QLatin1String("options") ? option : value;
}
