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

// "TRUE", "FALSE", "START" and "END" are the display tree's fixed markers of a chosen
// option and a direction, shown as they are in every language (like "None" and the date
// pattern letters).
QString yesNo(bool value)
{
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
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

// The label and value of every shown option of a step, in order.
class RowBuilder {
public:
    explicit RowBuilder(const QVariantMap& step)
        : s(step)
    {
    }

    QList<QPair<QString, QString>> rows;

    // Labels are msg() texts, looked up where each row is written.
    void add(const QString& label, const QString& value) { rows.append({label, value}); }
    void addText(const QString& label, const char* key) { add(label, RuleKinds::text(s, k(key))); }
    void addFlag(const QString& label, const char* key) { add(label, yesNo(RuleKinds::flag(s, k(key)))); }

    // Where a text goes (insert, date and time, path components), by the option index.
    void addWhere(const char* indexKey, const char* positionKey, const char* directionKey, const char* beforeKey,
                  const char* beforeOccurrenceKey, const char* afterKey, const char* afterOccurrenceKey)
    {
        switch (Placement(RuleKinds::intOf(s, k(indexKey)))) {
        case Placement::AtBeginning:
            add(msg("Insert At Beginning"), QStringLiteral("TRUE"));
            break;
        case Placement::AtEnd:
            add(msg("Insert At End"), QStringLiteral("TRUE"));
            break;
        case Placement::AtPosition:
            add(msg("Insert At Position"), QStringLiteral("TRUE"));
            addText(msg("At Character Positions"), positionKey);
            add(msg("Insert From"), CountFrom(RuleKinds::intOf(s, k(directionKey))) == CountFrom::Start
                                        ? QStringLiteral("START")
                                        : QStringLiteral("END"));
            break;
        case Placement::BeforeText:
            add(msg("Insert At Before Text"), QStringLiteral("TRUE"));
            addText(msg("Text To Search"), beforeKey);
            addText(msg("On Occurrence"), beforeOccurrenceKey);
            break;
        case Placement::AfterText:
            add(msg("Insert At After Text"), QStringLiteral("TRUE"));
            addText(msg("Text To Search"), afterKey);
            addText(msg("On Occurrence"), afterOccurrenceKey);
            break;
        }
    }

    const QVariantMap& s;
};

void alphaNumericRows(RowBuilder& r, const QString& type)
{
    const QVariantMap& s = r.s;
    r.addText(msg("Start With"), type == QLatin1String("Numeric") ? "alphaNumericNumericStartWith"
                                                                   : "alphaNumericAlphabeticStartWith");
    if (RuleKinds::flag(s, k("isAlphaNumericIncrement")))
        r.addText(msg("Increment by"), "alphaNumericIncrementBy");
    else
        r.addText(msg("Decrement by"), "alphaNumericDecrementBy");
    r.addFlag(msg("Add as Prefix"), "isAlphaNumericPrefix");
    r.addFlag(msg("Add as Suffix"), "isAlphaNumericSufix");
    if (RuleKinds::flag(s, k("isAlphaNumericSeperator")))
        r.addText(msg("Separator"), "alphaNumericSeperator");
    r.addText(msg("Padding Mask"), "alphaNumericPaddingMask");
    r.addFlag(msg("Reset Sequence On Each Folder"), "isAlphaNumericResetSequenceOnEachFolder");
}

void insertDeleteRows(RowBuilder& r, const QString& type)
{
    if (type == QLatin1String("Insert")) {
        r.addText(msg("Insert"), "insertDeleteInsert");
        r.addWhere("insertDeleteInsertOptionIndex", "insertDeleteAtCharacterPositions",
                   "insertDeleteInsertAtPostionDirection", "insertDeleteInsertAtBeforeText",
                   "insertDeleteInsertAtBeforeOccurrence", "insertDeleteInsertAtAfterText",
                   "insertDeleteInsertAtAfterOccurrence");
        return;
    }
    r.addFlag(msg("Delete From Backward"), "isInsertDeleteDeleteFromBackWard");
    r.addText(msg("From Character Position"), "insertDeleteFromCharacterPosition");
    r.addText(msg("Number of Characters"), "insertDeleteNumberOfCharacters");
}

void replaceRemoveRows(RowBuilder& r, const QString& type)
{
    const QVariantMap& s = r.s;
    const bool removeCharacters = type == QLatin1String("Remove Characters");
    r.addText(msg("THIS"), "replaceRemoveThis");
    if (type == QLatin1String("Replace"))
        r.addText(msg("WITH"), "replaceRemoveWith");
    r.addFlag(msg("Case Sensitive"), "isReplaceRemoveCaseSensitive");
    if (!removeCharacters && RuleKinds::flag(s, k("isReplaceRemoveRegularExpression")))
        r.add(msg("Regular Expression"), QStringLiteral("TRUE"));
    r.add(msg("Start From"), CountFrom(RuleKinds::intOf(s, k("replaceRemovePositionDirection"))) == CountFrom::Start
                            ? msg("Beginning of the filename")
                            : msg("End of the filename"));
    if (!removeCharacters)
        r.addFlag(msg("All Occurrence"), "isReplaceRemoveAllOccurrence");
    r.addText(msg("Start From Character"), "replaceRemoveStartFromCharacter");
    if (!RuleKinds::flag(s, k("isReplaceRemoveAllOccurrence")) && !removeCharacters) {
        r.addText(msg("Start On Occurrence"), "replaceRemoveStartOnOccurrence");
        r.addText(msg("Occurrence Count"), "replaceRemoveOccuranceCount");
    }
}

void prefixSuffixRows(RowBuilder& r, const QString& type)
{
    const QVariantMap& s = r.s;
    if (type == QLatin1String("As String")) {
        r.addText(msg("PREFIX"), "prefixSuffixPrefix");
        r.addText(msg("SUFFIX"), "prefixSuffixSuffix");
        return;
    }
    using FileDate = PrefixSuffixOptions::FileDate;
    const auto fileDate = FileDate(RuleKinds::intOf(s, k("prefixSuffixFileDateAttribute")));
    r.add(msg("File Date Attributes"), fileDate == FileDate::Created    ? msg("Date Created")
                                       : fileDate == FileDate::Modified ? msg("Date Modified")
                                                                        : QString());
    r.addFlag(msg("Add as Prefix"), "isPrefixSuffixDatePrefix");
    r.addFlag(msg("Add as Suffix"), "isPrefixSuffixDateSuffix");
    r.add(msg("DateAndTime Format"), dateFormatOf(s, "prefixSuffixDatePart", "prefixSuffixDateSeperator")
                                    + QLatin1Char(' ')
                                    + timeFormatOf(s, "prefixSuffixTimePart", "prefixSuffixTimeSeperator"));
    r.addText(msg("PREFIX"), "prefixSuffixDatePrefix");
    r.addText(msg("SUFFIX"), "prefixSuffixDateSuffix");
}

void dateTimeRows(RowBuilder& r)
{
    const QVariantMap& s = r.s;
    using Source = DateTimeOptions::Source;
    const auto source = Source(RuleKinds::intOf(s, k("dateTimeDateOptionIndex")));
    r.add(msg("Date Source"), source == Source::Created    ? msg("Date Created")
                              : source == Source::Modified ? msg("Date Modified")
                              : source == Source::Custom   ? msg("Custom Date")
                                                           : QString());
    if (source == Source::Custom)
        r.add(msg("DATE"), DateFormat::format(s.value(k("dateTimeCustomDate")).toDateTime(),
                                         QStringLiteral("dd/MM/yyyy hh:mm:ss a")));
    r.addWhere("dateTimeOptionsIndex", "dateTimeAtPositionNo", "dateTimeAtPositionDirection", "dateTimeAtBeforeText",
               "dateTimeAtBeforeTextOccurrence", "dateTimeAtAfterText", "dateTimeAtAfterTextOccurrence");
    if (RuleKinds::flag(s, k("hasDateFormat")))
        r.add(msg("Date Format"), dateFormatOf(s, "dateTimeFormatDatePart", "dateTimeFormatDateSeperator"));
    if (RuleKinds::flag(s, k("hasTimeFormat")))
        r.add(msg("Time Format"), timeFormatOf(s, "dateTimeFormatTimePart", "dateTimeFormatTimeSeperator"));
    r.addText(msg("Separator"), "dateTimeSeparator");
    r.addText(msg("Replace colon[:] with character(s)"), "dateTimeColonReplace");
    r.addText(msg("PREFIX"), "dateTimePrefix");
    r.addText(msg("SUFFIX"), "dateTimeSuffix");
}

void generalRows(RowBuilder& r)
{
    const QVariantMap& s = r.s;
    switch (GeneralChange(RuleKinds::intOf(s, k("generalOptionIndex")))) {
    case GeneralChange::NameCase:
        r.add(msg("Convert Filename to"),
              RuleKinds::caseName(LetterCase(RuleKinds::intOf(s, k("generalFileNameCase")))));
        break;
    case GeneralChange::ExtensionCase:
        r.add(msg("Convert Extension to"),
              RuleKinds::caseName(LetterCase(RuleKinds::intOf(s, k("generalExtensionCase")))));
        break;
    case GeneralChange::RemoveExtension:
        r.add(msg("Remove Extension"), QStringLiteral("TRUE"));
        break;
    case GeneralChange::ChangeExtension:
        r.addText(msg("Add/Change Extension"), "generalChangeExtension");
        break;
    case GeneralChange::Reverse:
        r.add(msg("Reverse Filename"), QStringLiteral("TRUE"));
        break;
    case GeneralChange::RemoveSpaces:
        r.add(msg("Remove Spaces"), QStringLiteral("TRUE"));
        break;
    case GeneralChange::SwapAroundSeparator:
        r.addText(msg("Swap Filename by separator"), "generalSwapSeperator");
        break;
    case GeneralChange::SwapAtPosition:
        r.addText(msg("Swap Filename by position"), "generalSwapPosition");
        break;
    case GeneralChange::CutAfterText:
        r.addText(msg("Remove All Characters After"), "generalRemoveAfterString");
        r.addText(msg("On Occurrence"), "generalRemoveAfterStringOccurrence");
        break;
    case GeneralChange::CutFromText:
        r.addText(msg("Remove All Characters From"), "generalRemoveFromString");
        r.addText(msg("On Occurrence"), "generalRemoveFromStringOccurrence");
        break;
    case GeneralChange::FilenameMask:
        r.addText(msg("Filename Padding Mask"), "generalFilenameMask");
        break;
    case GeneralChange::OtherFileSystems:
        r.add(msg("Convert Filename To Windows Compatible"), QStringLiteral("TRUE"));
        r.addText(msg("Replace With"), "generalConvertWindowsCompatibleString");
        break;
    case GeneralChange::PlainLatin:
        r.add(msg("Transliterate to plain Latin"), QStringLiteral("TRUE"));
        break;
    }
}

void id3Rows(RowBuilder& r)
{
    r.addText(msg("Renaming Mask"), "id3RenamingMask");
    if (RuleKinds::flag(r.s, k("isID3RenamingColonReplace")))
        r.addText(msg("Replace colon[:] with character(s)"), "id3RenamingColonReplace");
    r.add(msg("Allowed Extensions"), RuleKinds::stringList(r.s, k("id3Extensions")).join(QStringLiteral("; ")));
}

void photoRows(RowBuilder& r)
{
    const QVariantMap& s = r.s;
    r.addText(msg("Renaming Mask"), "photoRenamingMask");
    r.add(msg("Date Format"), dateFormatOf(s, "photoDatePart", "photoDateSeperator"));
    r.add(msg("Time Format"), timeFormatOf(s, "photoTimePart", "photoTimeSeperator"));
    if (!RuleKinds::text(s, k("photoPaddingMask")).isEmpty())
        r.addText(msg("Sequence Padding Mask"), "photoPaddingMask");
    r.addFlag(msg("Reset Sequence On Each Folder"), "isPhotoResetSequenceOnEachFolder");
    if (RuleKinds::flag(s, k("isPhotoRenamingColonReplace")))
        r.addText(msg("Replace colon[:] with character(s)"), "photoRenamingColonReplace");
    r.add(msg("Allowed Extensions"), RuleKinds::stringList(s, k("photoExtensions")).join(QStringLiteral("; ")));
    if (RuleKinds::flag(s, k("photoVideoTimesAreLocal")))
        r.add(msg("Video Times Are Local"), QStringLiteral("TRUE"));
}

void pathComponentsRows(RowBuilder& r)
{
    r.addText(msg("Parent folders level"), "pathComponentsLevelNo");
    r.addWhere("pathComponentsOptionsIndex", "pathComponentsAtPositionNo", "pathComponentsAtPositionDirection",
               "pathComponentsAtBeforeText", "pathComponentsAtBeforeOccurrence", "pathComponentsAtAfterText",
               "pathComponentsAtAfterOccurrence");
    r.addText(msg("PREFIX"), "pathComponentsPrefix");
    r.addText(msg("SUFFIX"), "pathComponentsSuffix");
    r.addText(msg("Separator"), "pathComponentsSeparator");
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
