#include "profiles/ruleshape.h"

#include "engine/metadatafield.h"
#include "engine/settingsdescriptors.h"

namespace RuleShape {

namespace {

bool isNumber(const QVariant& v)
{
    switch (v.userType()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

bool isText(const QVariant& v)
{
    return v.userType() == QMetaType::QString;
}

bool isTextList(const QVariant& v)
{
    if (v.userType() == QMetaType::QStringList)
        return true;
    if (v.userType() != QMetaType::QVariantList)
        return false;
    for (const QVariant& e : v.toList()) {
        if (!isText(e))
            return false;
    }
    return true;
}

// "" when the value suits the key, else what is wrong with it.
QString checkValue(const QString& key, const QVariant& v)
{
    if (key == QLatin1String("isActive"))
        return isText(v) || isNumber(v) ? QString() : QStringLiteral("is not a flag");
    if (key == QLatin1String("sequence"))
        return isText(v) || isNumber(v) ? QString() : QStringLiteral("is not a counter");
    if (key == QLatin1String("MetaDataList")) {
        if (v.userType() != QMetaType::QByteArray)
            return QStringLiteral("is not data");
        QString why;
        if (!MetaDataField::unarchiveList(v.toByteArray(), &why))
            return QStringLiteral("is not an archive of metadata fields (%1)").arg(why);
        return QString();
    }
    if (key == QLatin1String("photoMetaDataList"))
        return isTextList(v) ? QString() : QStringLiteral("is not a list of tags");

    const SettingDescriptor* d = SettingDescriptors::find(key);
    if (!d)
        return QString(); // not ours: ignored
    if (!SettingDescriptors::isAvailable(*d))
        return QStringLiteral("is a settings key this edition does not know");
    switch (d->kind) {
    case SettingKind::Text:
        return isText(v) || isNumber(v) ? QString() : QStringLiteral("is not a text");
    case SettingKind::Flag:
    case SettingKind::Integer:
        return isText(v) || isNumber(v) ? QString() : QStringLiteral("is not a number");
    case SettingKind::Date:
        return v.userType() == QMetaType::QDateTime ? QString() : QStringLiteral("is not a date");
    case SettingKind::List:
    case SettingKind::MetaDataList:
        return isTextList(v) ? QString() : QStringLiteral("is not a list of texts");
    }
    return QString();
}

} // namespace

QString checkStep(const QVariantMap& step)
{
    if (!isText(step.value(QStringLiteral("rule"))))
        return QStringLiteral("a step has no \"rule\" text");
    if (!isText(step.value(QStringLiteral("type"))))
        return QStringLiteral("a step has no \"type\" text");
    for (auto it = step.cbegin(); it != step.cend(); ++it) {
        const QString wrong = checkValue(it.key(), it.value());
        if (!wrong.isEmpty())
            return QStringLiteral("the value of \"%1\" %2").arg(it.key(), wrong);
    }
    return QString();
}

std::optional<QList<QVariantMap>> stepsFromPlist(const QVariant& root, QString* why)
{
    auto fail = [why](const QString& reason) -> std::optional<QList<QVariantMap>> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (root.userType() != QMetaType::QVariantList)
        return fail(QStringLiteral("the root is not an array"));
    QList<QVariantMap> steps;
    for (const QVariant& entry : root.toList()) {
        if (entry.userType() != QMetaType::QVariantMap)
            return fail(QStringLiteral("a step is not a dictionary"));
        const QVariantMap step = entry.toMap();
        const QString wrong = checkStep(step);
        if (!wrong.isEmpty())
            return fail(wrong);
        steps.append(step);
    }
    return steps;
}

void removeRulePrefix(QList<QVariantMap>& steps)
{
    const QString key = QStringLiteral("rule");
    for (QVariantMap& step : steps) {
        QString rule = step.value(key).toString();
        rule.remove(QStringLiteral("Rule - "), Qt::CaseSensitive);
        step.insert(key, rule);
    }
}

} // namespace RuleShape
