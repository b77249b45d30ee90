#include "profiles/rulekinds.h"

#include "engine/settingsdescriptors.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "platform/numbers.h"

#include <QHash>

#include <limits>

namespace RuleKinds {

namespace {

QStringList keys(std::initializer_list<const char*> list)
{
    QStringList out;
    out.reserve(qsizetype(list.size()));
    for (const char* k : list)
        out.append(QString::fromLatin1(k));
    return out;
}

const QStringList& sequenceKeys(bool numeric)
{
    static const QStringList numericKeys = keys(
        {"isAlphaNumericIncrement", "isAlphaNumericDecrement", "isAlphaNumericPrefix", "isAlphaNumericSufix",
         "isAlphaNumericSeperator", "alphaNumericSeperator", "alphaNumericPaddingMask",
         "alphaNumericNumericStartWith", "alphaNumericIncrementBy", "alphaNumericDecrementBy",
         "isAlphaNumericResetSequenceOnEachFolder"});
    static const QStringList alphabeticKeys = keys(
        {"isAlphaNumericIncrement", "isAlphaNumericDecrement", "isAlphaNumericPrefix", "isAlphaNumericSufix",
         "isAlphaNumericSeperator", "alphaNumericSeperator", "alphaNumericPaddingMask",
         "alphaNumericAlphabeticStartWith", "alphaNumericIncrementBy", "alphaNumericDecrementBy",
         "isAlphaNumericResetSequenceOnEachFolder"});
    return numeric ? numericKeys : alphabeticKeys;
}

} // namespace

Kind kindOf(const QString& rule)
{
    static const QHash<QString, Kind> kinds = {
        {QStringLiteral("AlphaNumeric"), Kind::AlphaNumeric},
        {QStringLiteral("InsertDelete"), Kind::InsertDelete},
        {QStringLiteral("ReplaceRemove"), Kind::ReplaceRemove},
        {QStringLiteral("PrefixSuffix"), Kind::PrefixSuffix},
        {QStringLiteral("Date & Time"), Kind::DateTime},
        {QStringLiteral("General"), Kind::General},
        {QStringLiteral("ID3"), Kind::ID3},
        {QStringLiteral("Photo"), Kind::Photo},
        {QStringLiteral("PathComponents"), Kind::PathComponents},
    };
    return kinds.value(rule, Kind::Unknown);
}

std::optional<MethodTab> tabOf(Kind kind)
{
    switch (kind) {
    case Kind::AlphaNumeric: return MethodTab::Sequences;
    case Kind::InsertDelete: return MethodTab::InsertDelete;
    case Kind::ReplaceRemove: return MethodTab::ReplaceRemove;
    case Kind::PrefixSuffix: return MethodTab::PrefixSuffix;
    case Kind::DateTime: return MethodTab::DateTime;
    case Kind::General: return MethodTab::General;
    case Kind::ID3: return MethodTab::AudioTags;
    case Kind::Photo: return MethodTab::Photo;
    case Kind::PathComponents: return MethodTab::PathComponents;
    case Kind::Unknown: break;
    }
    return std::nullopt;
}

namespace {
QStringList methodKeys(Kind kind, const QString& type);
} // namespace

// Every step kind carries the list's companion and numbering options with its method's.
QStringList settingsKeys(Kind kind, const QString& type)
{
    QStringList out = methodKeys(kind, type);
    if (kind != Kind::Unknown && Edition::current().hasExtendedMethods)
        out.append({QStringLiteral("isRenameCompanions"), QStringLiteral("isNumberNamesUsedTwice"),
                    QStringLiteral("namesUsedTwiceSeparator")});
    return out;
}

namespace {
QStringList methodKeys(Kind kind, const QString& type)
{
    switch (kind) {
    case Kind::AlphaNumeric:
        return sequenceKeys(type == QLatin1String("Numeric"));
    case Kind::InsertDelete:
        if (type == QLatin1String("Insert"))
            return keys({"insertDeleteInsert", "insertDeleteInsertOptionIndex", "insertDeleteAtCharacterPositions",
                         "insertDeleteInsertAtPostionDirection", "insertDeleteInsertAtBeforeText",
                         "insertDeleteInsertAtBeforeOccurrence", "insertDeleteInsertAtAfterText",
                         "insertDeleteInsertAtAfterOccurrence"});
        return keys({"isInsertDeleteDeleteFromBackWard", "insertDeleteFromCharacterPosition",
                     "insertDeleteNumberOfCharacters"});
    case Kind::ReplaceRemove: {
        QStringList out = keys({"replaceRemoveThis", "replaceRemoveWith", "isReplaceRemoveCaseSensitive",
                                "isReplaceRemoveAllOccurrence", "replaceRemoveStartFromCharacter",
                                "replaceRemoveStartOnOccurrence", "replaceRemoveOccuranceCount",
                                "replaceRemovePositionDirection"});
        if (type != QLatin1String("Replace"))
            out.removeOne(QStringLiteral("replaceRemoveWith"));
        // Removing each of a set of characters never reads a regular expression.
        if (type != QLatin1String("Remove Characters") && Edition::current().hasExtendedMethods)
            out.append(QStringLiteral("isReplaceRemoveRegularExpression"));
        return out;
    }
    case Kind::PrefixSuffix:
        return keys({"isPrefixSuffixString", "isPrefixSuffixDate", "prefixSuffixPrefix", "prefixSuffixSuffix",
                     "isPrefixSuffixDatePrefix", "isPrefixSuffixDateSuffix", "prefixSuffixFileDateAttribute",
                     "prefixSuffixDatePart1", "prefixSuffixDateSeperator1", "prefixSuffixDatePart2",
                     "prefixSuffixDateSeperator2", "prefixSuffixDatePart3", "prefixSuffixTimePart1",
                     "prefixSuffixTimeSeperator1", "prefixSuffixTimePart2", "prefixSuffixTimeSeperator2",
                     "prefixSuffixTimePart3", "prefixSuffixDatePrefix", "prefixSuffixDateSuffix"});
    case Kind::DateTime:
        return keys({"dateTimeDateOptionIndex", "hasDateTimeCustomDate", "dateTimeCustomDate",
                     "dateTimeOptionsIndex", "dateTimeAtPositionNo", "dateTimeAtPositionDirection",
                     "dateTimeAtBeforeText", "dateTimeAtBeforeTextOccurrence", "dateTimeAtAfterText",
                     "dateTimeAtAfterTextOccurrence", "hasDateFormat", "hasTimeFormat", "dateTimeFormatDatePart1",
                     "dateTimeFormatDateSeperator1", "dateTimeFormatDatePart2", "dateTimeFormatDateSeperator2",
                     "dateTimeFormatDatePart3", "dateTimeFormatTimePart1", "dateTimeFormatTimeSeperator1",
                     "dateTimeFormatTimePart2", "dateTimeFormatTimeSeperator2", "dateTimeFormatTimePart3",
                     "isDateTimeColonReplace", "dateTimeColonReplace", "dateTimeSeparator", "dateTimePrefix",
                     "dateTimeSuffix"});
    case Kind::General: {
        QStringList out = keys({"generalOptionIndex", "generalFileNameCase", "generalExtensionCase",
                                "generalChangeExtension", "generalSwapSeperator", "generalSwapPosition",
                                "generalRemoveAfterString", "generalRemoveFromString",
                                "generalRemoveAfterStringOccurrence", "generalRemoveFromStringOccurrence",
                                "generalConvertWindowsCompatibleString", "generalFilenameMask"});
        if (Edition::current().hasExtendedMethods)
            out.append(QStringLiteral("generalRepairEncodingFrom"));
        return out;
    }
    case Kind::ID3:
        return keys({"isID3RenamingSeperator", "isID3RenamingColonReplace", "id3RenamingSeperator",
                     "id3RenamingColonReplace", "id3RenamingMask", "id3Extensions", "id3RenamingTagsList"});
    case Kind::Photo: {
        QStringList out = keys({"isPhotoRenamingSeperator", "isPhotoRenamingColonReplace", "photoRenamingSeperator",
                                "photoRenamingColonReplace", "photoRenamingMask", "photoDatePart1", "photoDateSeperator1",
                                "photoDatePart2", "photoDateSeperator2", "photoDatePart3", "photoTimePart1",
                                "photoTimeSeperator1", "photoTimePart2", "photoTimeSeperator2", "photoTimePart3",
                                "photoPaddingMask", "photoExtensions", "isPhotoResetSequenceOnEachFolder"});
        if (Edition::current().hasExtendedMethods)
            out.append({QStringLiteral("photoVideoTimesAreLocal"), QStringLiteral("photoClockShifts")});
        return out;
    }
    case Kind::PathComponents:
        return keys({"pathComponentsLevelNo", "pathComponentsOptionsIndex", "pathComponentsAtPositionNo",
                     "pathComponentsAtPositionDirection", "pathComponentsAtBeforeText",
                     "pathComponentsAtBeforeOccurrence", "pathComponentsAtAfterText",
                     "pathComponentsAtAfterOccurrence", "pathComponentsSeparator", "pathComponentsPrefix",
                     "pathComponentsSuffix"});
    case Kind::Unknown:
        break;
    }
    return {};
}
} // namespace

QString text(const QVariantMap& step, const QString& key)
{
    const QVariant v = step.value(key);
    switch (v.userType()) {
    case QMetaType::QString:
        return v.toString();
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return QString::number(v.toLongLong());
    case QMetaType::Double:
        return QString::number(qint64(v.toDouble()));
    default:
        return QString();
    }
}

int intOf(const QVariantMap& step, const QString& key)
{
    return intValueOf(step.value(key)).value_or(0);
}

bool flag(const QVariantMap& step, const QString& key)
{
    return intOf(step, key) != 0;
}

QStringList stringList(const QVariantMap& step, const QString& key)
{
    const QVariant v = step.value(key);
    if (v.userType() == QMetaType::QStringList)
        return v.toStringList();
    QStringList out;
    if (v.userType() == QMetaType::QVariantList) {
        for (const QVariant& e : v.toList())
            out.append(e.toString());
    }
    return out;
}

qint64 numericSequence(const QVariantMap& step)
{
    const QVariant v = step.value(QStringLiteral("sequence"));
    switch (v.userType()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return v.toLongLong();
    case QMetaType::QString:
        return v.toString().trimmed().isEmpty() ? -1 : intValue(v.toString());
    default:
        return -1;
    }
}

QVariantMap withDefaults(const QVariantMap& given)
{
    QVariantMap step = given;
    const Kind kind = kindOf(text(given, QStringLiteral("rule")));
    for (const QString& key : settingsKeys(kind, text(given, QStringLiteral("type")))) {
        const SettingDescriptor* descriptor = step.contains(key) ? nullptr : SettingDescriptors::find(key);
        if (!descriptor)
            continue;
        const QString value = QString::fromUtf8(descriptor->defaultValue);
        switch (descriptor->kind) {
        case SettingKind::Text:
        case SettingKind::Flag:
        case SettingKind::Integer:
            step.insert(key, value);
            break;
        case SettingKind::List:
            step.insert(key, value.split(QStringLiteral("; "), Qt::SkipEmptyParts));
            break;
        case SettingKind::Date:
        case SettingKind::MetaDataList:
            break;
        }
    }
    return step;
}

StepSettings::StepSettings(const QVariantMap& step)
    : step_(withDefaults(step))
    , kind_(kindOf(RuleKinds::text(step, QStringLiteral("rule"))))
    , type_(RuleKinds::text(step, QStringLiteral("type")))
{
}

QString StepSettings::text(const QString& key) const
{
    return RuleKinds::text(step_, key);
}

bool StepSettings::flag(const QString& key) const
{
    switch (kind_) {
    case Kind::AlphaNumeric:
        if (key == QLatin1String("isAlphaNumericNumeric"))
            return type_ == QLatin1String("Numeric");
        if (key == QLatin1String("isAlphaNumericAlphabetic"))
            return type_ != QLatin1String("Numeric");
        break;
    case Kind::InsertDelete:
        if (key == QLatin1String("isInsertDeleteInsert"))
            return type_ == QLatin1String("Insert");
        if (key == QLatin1String("isInsertDeleteDelete"))
            return type_ != QLatin1String("Insert");
        break;
    case Kind::ReplaceRemove:
        if (key == QLatin1String("isReplaceRemoveReplace"))
            return type_ == QLatin1String("Replace");
        if (key == QLatin1String("isReplaceRemoveRemove"))
            return type_ == QLatin1String("Remove");
        if (key == QLatin1String("isReplaceRemoveRemoveCharacters"))
            return type_ == QLatin1String("Remove Characters");
        if (key == QLatin1String("isReplaceRemoveAllOccurrence"))
            return false;
        break;
    default:
        break;
    }
    return RuleKinds::flag(step_, key);
}

int StepSettings::number(const QString& key) const
{
    return intOf(step_, key);
}

QDateTime StepSettings::date(const QString& key) const
{
    return step_.value(key).toDateTime();
}

QStringList StepSettings::list(const QString& key) const
{
    return stringList(step_, key);
}

QStringList StepSettings::photoTags() const
{
    return stringList(step_, QStringLiteral("photoMetaDataList"));
}

QString caseName(LetterCase value)
{
    switch (value) {
    case LetterCase::Upper: return msg("UPPERCASE");
    case LetterCase::Lower: return msg("LOWERCASE");
    case LetterCase::Capitalized: return msg("PROPERCASE");
    }
    return QString();
}

} // namespace RuleKinds
