#include "profiles/rulesummary.h"

#include "engine/methodoptions.h"
#include "platform/messages.h"
#include "profiles/rulekinds.h"


using RuleKinds::Kind;

namespace {

QString k(const char* key)
{
    return QString::fromLatin1(key);
}

// Reads the step's values by key name.
struct Step {
    const QVariantMap& s;
    QString text(const char* key) const { return RuleKinds::text(s, k(key)); }
    int number(const char* key) const { return RuleKinds::intOf(s, k(key)); }
    bool flag(const char* key) const { return RuleKinds::flag(s, k(key)); }
};

// Where a text goes: at the beginning or end, at a position, before or after a text.
QString placement(const Step& s, const char* indexKey, const char* positionKey, const char* directionKey,
                  const char* beforeKey, const char* afterKey)
{
    switch (Placement(s.number(indexKey))) {
    case Placement::AtBeginning: return msg("SUMATBEGINNING");
    case Placement::AtEnd: return msg("SUMATEND");
    case Placement::AtPosition:
        return msg(CountFrom(s.number(directionKey)) == CountFrom::Start ? "SUMATPOSITION" : "SUMATPOSITIONFROMEND")
            .arg(s.text(positionKey));
    case Placement::BeforeText: return msg("SUMBEFORE").arg(s.text(beforeKey));
    case Placement::AfterText: return msg("SUMAFTER").arg(s.text(afterKey));
    }
    return QString();
}

// ", as a prefix", ", as a suffix", both or neither.
QString prefixOrSuffix(bool prefix, bool suffix)
{
    if (prefix && suffix)
        return msg("SUMASPREFIXANDSUFFIX");
    if (prefix)
        return msg("SUMASPREFIX");
    if (suffix)
        return msg("SUMASSUFFIX");
    return QString();
}

QString dateKind(DateTimeOptions::Source source)
{
    switch (source) {
    case DateTimeOptions::Source::Modified: return msg("SUMDATEMODIFIED");
    case DateTimeOptions::Source::Custom: return msg("SUMCUSTOMDATE");
    case DateTimeOptions::Source::Created: break;
    }
    return msg("SUMDATECREATED");
}

// One summary function per kind of step.

QString sequence(const Step& s, const QString& type)
{
    const bool numeric = type == QLatin1String("Numeric");
    QString out = msg(numeric ? "SUMNUMBERS" : "SUMLETTERS")
                      .arg(s.text(numeric ? "alphaNumericNumericStartWith" : "alphaNumericAlphabeticStartWith"));
    out += s.flag("isAlphaNumericIncrement") ? msg("SUMUPBY").arg(s.text("alphaNumericIncrementBy"))
                                             : msg("SUMDOWNBY").arg(s.text("alphaNumericDecrementBy"));
    return out + prefixOrSuffix(s.flag("isAlphaNumericPrefix"), s.flag("isAlphaNumericSufix"));
}

QString insertDelete(const Step& s, const QString& type)
{
    if (type == QLatin1String("Insert"))
        return msg("SUMINSERT").arg(s.text("insertDeleteInsert"),
                                    placement(s, "insertDeleteInsertOptionIndex", "insertDeleteAtCharacterPositions",
                                              "insertDeleteInsertAtPostionDirection", "insertDeleteInsertAtBeforeText",
                                              "insertDeleteInsertAtAfterText"));
    return msgN(s.flag("isInsertDeleteDeleteFromBackWard") ? "SUMDELETEFROMEND" : "SUMDELETE",
                s.text("insertDeleteNumberOfCharacters").toLongLong())
        .arg(s.text("insertDeleteFromCharacterPosition"));
}

QString replaceRemove(const Step& s, const QString& type)
{
    QString out;
    if (type == QLatin1String("Remove Characters"))
        return msg("SUMREMOVECHARACTERS").arg(s.text("replaceRemoveThis"))
            + (s.flag("isReplaceRemoveCaseSensitive") ? msg("SUMCASESENSITIVE") : QString());
    if (type == QLatin1String("Replace"))
        out = msg("SUMREPLACE").arg(s.text("replaceRemoveThis"), s.text("replaceRemoveWith"));
    else
        out = msg("SUMREMOVE").arg(s.text("replaceRemoveThis"));
    // Every occurrence is stored as a count of -1 (a replace step also keeps its flag).
    const bool every = s.number("replaceRemoveOccuranceCount") < 0
        || (type == QLatin1String("Replace") && s.flag("isReplaceRemoveAllOccurrence"));
    out += every ? msg("SUMEVERYOCCURRENCE")
                 : msgN("SUMOCCURRENCES", s.text("replaceRemoveOccuranceCount").toLongLong())
                       .arg(s.text("replaceRemoveStartOnOccurrence"));
    if (CountFrom(s.number("replaceRemovePositionDirection")) != CountFrom::Start)
        out += msg("SUMFROMEND");
    if (s.flag("isReplaceRemoveCaseSensitive"))
        out += msg("SUMCASESENSITIVE");
    if (s.flag("isReplaceRemoveRegularExpression"))
        out += msg("SUMREGULAREXPRESSION");
    return out;
}

QString prefixSuffix(const Step& s, const QString& type)
{
    if (type == QLatin1String("As String")) {
        const QString prefix = s.text("prefixSuffixPrefix");
        const QString suffix = s.text("prefixSuffixSuffix");
        if (!prefix.isEmpty() && !suffix.isEmpty())
            return msg("SUMPREFIXSUFFIX").arg(prefix, suffix);
        return suffix.isEmpty() ? msg("SUMPREFIX").arg(prefix) : msg("SUMSUFFIX").arg(suffix);
    }
    // The stored attribute counts from 1 (created) where the date tab counts from 0.
    const auto source = DateTimeOptions::Source(s.number("prefixSuffixFileDateAttribute") - 1);
    return msg("SUMADDDATE").arg(dateKind(source))
        + prefixOrSuffix(s.flag("isPrefixSuffixDatePrefix"), s.flag("isPrefixSuffixDateSuffix"));
}

QString dateTime(const Step& s)
{
    return msg("SUMINSERTDATE").arg(dateKind(DateTimeOptions::Source(s.number("dateTimeDateOptionIndex"))),
                                    placement(s, "dateTimeOptionsIndex", "dateTimeAtPositionNo",
                                              "dateTimeAtPositionDirection", "dateTimeAtBeforeText",
                                              "dateTimeAtAfterText"));
}

QString general(const Step& s)
{
    switch (GeneralChange(s.number("generalOptionIndex"))) {
    case GeneralChange::NameCase:
        return msg("SUMNAMECASE").arg(RuleKinds::caseName(LetterCase(s.number("generalFileNameCase"))));
    case GeneralChange::ExtensionCase:
        return msg("SUMEXTENSIONCASE").arg(RuleKinds::caseName(LetterCase(s.number("generalExtensionCase"))));
    case GeneralChange::RemoveExtension: return msg("SUMREMOVEEXTENSION");
    case GeneralChange::ChangeExtension: return msg("SUMCHANGEEXTENSION").arg(s.text("generalChangeExtension"));
    case GeneralChange::Reverse: return msg("SUMREVERSE");
    case GeneralChange::RemoveSpaces: return msg("SUMREMOVESPACES");
    case GeneralChange::SwapAroundSeparator: return msg("SUMSWAPSEPARATOR").arg(s.text("generalSwapSeperator"));
    case GeneralChange::SwapAtPosition: return msg("SUMSWAPPOSITION").arg(s.text("generalSwapPosition"));
    case GeneralChange::CutAfterText: return msg("SUMREMOVEAFTER").arg(s.text("generalRemoveAfterString"));
    case GeneralChange::CutFromText: return msg("SUMREMOVEFROM").arg(s.text("generalRemoveFromString"));
    case GeneralChange::FilenameMask: return msg("SUMPADNAME").arg(s.text("generalFilenameMask"));
    case GeneralChange::OtherFileSystems:
        return msg("SUMWINDOWSCOMPATIBLE").arg(s.text("generalConvertWindowsCompatibleString"));
    case GeneralChange::PlainLatin: return msg("SUMTRANSLITERATE");
    }
    return QString();
}

QString pathComponents(const Step& s)
{
    return msgN("SUMPATHCOMPONENTS", s.text("pathComponentsLevelNo").toLongLong())
        .arg(placement(s, "pathComponentsOptionsIndex", "pathComponentsAtPositionNo", "pathComponentsAtPositionDirection",
                       "pathComponentsAtBeforeText", "pathComponentsAtAfterText"));
}

} // namespace

namespace RuleSummary {

QString methodName(const QVariantMap& step)
{
    static const char* const kTabTitles[] = {"TABSEQUENCE", "TABINSERTDELETE", "TABREPLACEREMOVE",
                                             "TABPREFIXSUFFIX", "TABDATETIME", "TABGENERAL",
                                             "TABAUDIO", "TABPHOTO", "TABPATHCOMPONENTS"};
    const QString stored = RuleKinds::text(step, k("rule"));
    const std::optional<MethodTab> tab = RuleKinds::tabOf(RuleKinds::kindOf(stored));
    return tab ? msg(kTabTitles[int(*tab)]) : stored;
}

QString summary(const QVariantMap& step)
{
    const Step s{step};
    const QString type = s.text("type");
    switch (RuleKinds::kindOf(s.text("rule"))) {
    case Kind::AlphaNumeric: return sequence(s, type);
    case Kind::InsertDelete: return insertDelete(s, type);
    case Kind::ReplaceRemove: return replaceRemove(s, type);
    case Kind::PrefixSuffix: return prefixSuffix(s, type);
    case Kind::DateTime: return dateTime(s);
    case Kind::General: return general(s);
    case Kind::ID3: return msg("SUMAUDIO").arg(s.text("id3RenamingMask"));
    case Kind::Photo: return msg("SUMPHOTO").arg(s.text("photoRenamingMask"));
    case Kind::PathComponents: return pathComponents(s);
    case Kind::Unknown: break;
    }
    return QString();
}

} // namespace RuleSummary
