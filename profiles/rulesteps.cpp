#include "profiles/rulesteps.h"

#include "engine/metadatafield.h"
#include "engine/settings.h"
#include "engine/settingsdescriptors.h"
#include "pipeline/controllerstate.h"
#include "platform/messages.h"
#include "platform/numbers.h"
#include "platform/userinterface.h"
#include "profiles/rulekinds.h"
#include "profiles/settingsloader.h"

#include <QDebug>

using RuleKinds::Kind;

namespace RuleSteps {

namespace {

QString k(const char* key)
{
    return QString::fromLatin1(key);
}

// A settings value as a step holds it: lists as arrays of texts, the rest in the
// dictionary form (flags and integers as decimal text, the date as a date).
QVariant stepValue(const Settings& s, const QString& key)
{
    const SettingDescriptor* d = SettingDescriptors::find(key);
    if (d && d->kind == SettingKind::List) {
        QVariantList list;
        for (const QString& e : s.list(key))
            list.append(e);
        return list;
    }
    return s.dictionaryValue(key);
}

QVariantMap makeStep(const Settings& s, const char* rule, const QString& type)
{
    QVariantMap step;
    step.insert(k("rule"), k(rule));
    step.insert(k("type"), type);
    step.insert(k("isActive"), k("1"));
    for (const QString& key : RuleKinds::settingsKeys(RuleKinds::kindOf(k(rule)), type)) {
        // A key beyond the classic ones goes in only when it is not at its default, so a
        // step that does not use it keeps the classic key set.
        const SettingDescriptor* d = SettingDescriptors::find(key);
        if (d && d->extended && stepValue(s, key) == QVariant(QString::fromLatin1(d->defaultValue)))
            continue;
        step.insert(key, stepValue(s, key));
    }
    return step;
}

void applyDefault(Settings& s, const QString& key)
{
    const SettingDescriptor* d = SettingDescriptors::find(key);
    if (!d)
        return;
    const QString text = QString::fromLatin1(d->defaultValue);
    switch (d->kind) {
    case SettingKind::Text:
        s.setText(key, text);
        break;
    case SettingKind::Flag:
        s.setFlag(key, intValue(text) != 0);
        break;
    case SettingKind::Integer:
        s.setInteger(key, intValue(text));
        break;
    case SettingKind::Date:
        s.setDate(key, QDateTime::currentDateTime());
        break;
    case SettingKind::List:
        s.setList(key, text.isEmpty() ? QStringList() : text.split(QStringLiteral("; ")));
        break;
    case SettingKind::MetaDataList:
        s.setPhotoMetaDataList({});
        break;
    }
}

} // namespace

RuleBuild buildRule(Settings& s)
{
    RuleBuild out;
    const auto fix = [&](const char* key, const char* value) {
        if (s.text(k(key)) != k(value)) {
            s.setText(k(key), k(value));
            out.correctedSettings = true;
        }
    };
    const auto failed = [&]() {
        out.failure = PreviewChecks::check(s);
        return out.failure.has_value();
    };

    switch (s.integer(k("selectedTab"))) {
    case 0: {
        for (const char* key : {"alphaNumericIncrementBy", "alphaNumericDecrementBy"}) {
            if (intValue(s.text(k(key))) < 1)
                fix(key, "1");
        }
        if (s.text(k("alphaNumericAlphabeticStartWith")).isEmpty())
            fix("alphaNumericAlphabeticStartWith", "a");
        if (s.flag(k("isAlphaNumericNumeric"))) {
            out.step = makeStep(s, "AlphaNumeric", k("Numeric"));
            out.step->insert(k("sequence"), qlonglong(-1));
        } else if (s.flag(k("isAlphaNumericAlphabetic"))) {
            for (const char* key : {"alphaNumericIncrementBy", "alphaNumericDecrementBy"}) {
                if (intValue(s.text(k(key))) > 26)
                    fix(key, "26");
            }
            out.step = makeStep(s, "AlphaNumeric", k("Alphabetic"));
            out.step->insert(k("sequence"), QString());
        }
        break;
    }
    case 1:
        if (failed())
            break;
        if (s.flag(k("isInsertDeleteInsert")))
            out.step = makeStep(s, "InsertDelete", k("Insert"));
        else if (s.flag(k("isInsertDeleteDelete")))
            out.step = makeStep(s, "InsertDelete", k("Delete"));
        break;
    case 2: {
        if (failed())
            break;
        const bool all = s.flag(k("isReplaceRemoveAllOccurrence"));
        const bool removeCharacters = s.flag(k("isReplaceRemoveRemoveCharacters"));
        const bool remove = s.flag(k("isReplaceRemoveRemove"));
        bool everyOccurrence = false;
        if (s.flag(k("isReplaceRemoveReplace"))) {
            out.step = makeStep(s, "ReplaceRemove", k("Replace"));
            everyOccurrence = all;
        } else if (remove && !all && !removeCharacters) {
            out.step = makeStep(s, "ReplaceRemove", k("Remove"));
        } else if (removeCharacters) {
            out.step = makeStep(s, "ReplaceRemove", k("Remove Characters"));
            everyOccurrence = true;
        } else if (remove) {
            out.step = makeStep(s, "ReplaceRemove", k("Remove"));
            everyOccurrence = true;
        }
        if (out.step && everyOccurrence) {
            out.step->insert(k("replaceRemoveStartOnOccurrence"), k("1"));
            out.step->insert(k("replaceRemoveOccuranceCount"), k("-1"));
        }
        break;
    }
    case 3:
        out.step = makeStep(s, "PrefixSuffix",
                            s.flag(k("isPrefixSuffixString")) ? k("As String") : k("As Date"));
        break;
    case 4:
        if (!failed())
            out.step = makeStep(s, "Date & Time", k("DateTime"));
        break;
    case 5:
        // An empty position or occurrence counts as absent, so "1" (as a preview fills it).
        for (const char* key : {"generalSwapPosition", "generalRemoveAfterStringOccurrence",
                                "generalRemoveFromStringOccurrence"}) {
            if (s.text(k(key)).isEmpty())
                fix(key, "1");
        }
        if (!failed())
            out.step = makeStep(s, "General", k("General"));
        break;
    case 6:
        if (!failed())
            out.step = makeStep(s, "ID3", k("ID3Tag"));
        break;
    case 7:
        if (failed())
            break;
        out.step = makeStep(s, "Photo", k("Photo"));
        {
            QVariantList tags;
            for (const QString& tag : MetaDataField::getTagsList(s.photoMetaDataList()))
                tags.append(tag);
            out.step->insert(k("photoMetaDataList"), tags);
            out.step->insert(k("MetaDataList"), MetaDataField::archiveList(s.photoMetaDataList()));
        }
        break;
    case 8:
        if (!failed())
            out.step = makeStep(s, "PathComponents", k("Path Components"));
        break;
    default:
        break; // tab 9 (rename from list) cannot become a step
    }
    return out;
}

std::optional<QVariantMap> getRule(ControllerState& state, UserInterface& ui, QString& error)
{
    RuleBuild built = buildRule(state.settings);
    if (built.correctedSettings)
        ui.refreshSettingsView();
    if (built.failure) {
        ui.alert(AlertStyle::Warning, msg(built.failure->titleKey), built.failure->message());
        if (!built.failure->focusControl.isEmpty())
            ui.focusControl(built.failure->focusControl);
        error = built.failure->message();
        return std::nullopt;
    }
    return built.step;
}

std::optional<QVariantMap> getCurrentRule(ControllerState& state, UserInterface& ui, QString& error)
{
    ui.endEditing();
    return getRule(state, ui, error);
}

bool addRule(ControllerState& state, UserInterface& ui, QString& error)
{
    if (state.isExecuting.load())
        return false;
    std::optional<QVariantMap> step = getRule(state, ui, error);
    if (step) {
        state.rules.append(*step);
        return true;
    }
    return !error.isEmpty();
}

bool addToRule(ControllerState& state, UserInterface& ui)
{
    if (state.isExecuting.load())
        return false;
    ui.endEditing();
    const qsizetype before = state.rules.size();
    QString error;
    if (!addRule(state, ui, error))
        ui.alert(AlertStyle::Warning, msg("UNABLETOADDRULE"), error);
    return state.rules.size() > before;
}

bool loadStep(Settings& s, const QVariantMap& step)
{
    const Kind kind = RuleKinds::kindOf(step.value(k("rule")).toString());
    const QString type = step.value(k("type")).toString();
    if (kind == Kind::Unknown)
        return false;
    if (kind == Kind::ReplaceRemove && type != QLatin1String("Replace") && type != QLatin1String("Remove")
        && type != QLatin1String("Remove Characters"))
        return false;

    QStringList keys = RuleKinds::settingsKeys(kind, type);
    // A remove characters step always counts every occurrence; the window keeps its count.
    if (kind == Kind::ReplaceRemove && type == QLatin1String("Remove Characters"))
        keys.removeOne(k("replaceRemoveOccuranceCount"));
    for (const QString& key : keys) {
        QString why;
        if (!step.contains(key) || !s.setDictionaryValue(key, step.value(key), &why)) {
            if (!why.isEmpty())
                qWarning().noquote() << QStringLiteral("Error in setRule : %1").arg(why);
            applyDefault(s, key);
        }
    }
    // "Every occurrence" is stored as a count of -1; the count field, disabled then, shows
    // its default instead of "-1".
    if (kind == Kind::ReplaceRemove && intValue(s.text(k("replaceRemoveOccuranceCount"))) < 0)
        applyDefault(s, k("replaceRemoveOccuranceCount"));

    switch (kind) {
    case Kind::AlphaNumeric:
        s.alphaNumericIncrementDecrementChanged(s.flag(k("isAlphaNumericIncrement")) ? 0 : 1);
        s.alphaNumericNumericAlphabeticChanged(type == QLatin1String("Numeric") ? 0 : 1);
        break;
    case Kind::InsertDelete:
        if (type == QLatin1String("Insert")) {
            s.insertDeleteChanged(0);
            s.insertOptionsChanged();
        } else {
            s.insertDeleteChanged(1);
        }
        break;
    case Kind::ReplaceRemove:
        s.replaceRemoveChanged(type == QLatin1String("Replace") ? 0 : type == QLatin1String("Remove") ? 1 : 2);
        break;
    case Kind::PrefixSuffix:
        s.prefixSuffixChanged(type == QLatin1String("As String") ? 0 : 1);
        break;
    case Kind::DateTime:
        s.dateTimeOptionsChanged();
        s.dateTimeDateTypeChanged();
        break;
    case Kind::General:
        s.generalOptionsChanged(s.integer(k("generalOptionIndex")));
        break;
    case Kind::ID3:
        s.resetID3Mask();
        break;
    case Kind::Photo: {
        QList<MetaDataField> fields;
        const QVariant archived = step.value(k("MetaDataList"));
        if (archived.userType() == QMetaType::QByteArray) {
            QString why;
            if (std::optional<QList<MetaDataField>> read = MetaDataField::unarchiveList(archived.toByteArray(), &why))
                fields = *read;
            else
                qWarning().noquote() << QStringLiteral("Error in setRule : %1").arg(why);
        }
        s.setPhotoMetaDataList(fields);
        s.rebuildPhotoMask();
        break;
    }
    case Kind::PathComponents:
        s.pathComponentsOptionsChanged();
        break;
    case Kind::Unknown:
        break;
    }
    s.setInteger(k("selectedTab"), RuleKinds::tabOf(kind));
    return true;
}

bool setRule(ControllerState& state, UserInterface& ui, const QVariantMap& step)
{
    if (state.isExecuting.load())
        return false;
    ProfileLoadingScope loading(state);
    const bool loaded = loadStep(state.settings, step);
    state.settings.clearRenameFile();
    ui.refreshSettingsView();
    return loaded;
}

std::optional<PreviewCheckFailure> checkStep(const QVariantMap& step)
{
    Settings scratch;
    if (!loadStep(scratch, step))
        return std::nullopt;
    // The preview runs the masks as the step stores them, not as rebuilt from its lists.
    const Kind kind = RuleKinds::kindOf(step.value(k("rule")).toString());
    if (kind == Kind::ID3)
        scratch.setText(k("id3RenamingMask"), RuleKinds::text(step, k("id3RenamingMask")));
    else if (kind == Kind::Photo)
        scratch.setText(k("photoRenamingMask"), RuleKinds::text(step, k("photoRenamingMask")));
    return PreviewChecks::check(scratch);
}

} // namespace RuleSteps
