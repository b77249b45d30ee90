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
        if (d && d->extended) {
            const QString byDefault = QString::fromLatin1(d->defaultValue);
            const bool atDefault = d->kind == SettingKind::List
                ? s.list(key) == byDefault.split(QStringLiteral("; "), Qt::SkipEmptyParts)
                : stepValue(s, key) == QVariant(byDefault);
            if (atDefault)
                continue;
        }
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

// A step being built from the settings of the selected tab.
struct StepBuilder {
    Settings& s;
    RuleBuild out;

    // A normalisation of a value the window shows.
    void fix(const char* key, const char* value)
    {
        if (s.text(k(key)) != k(value)) {
            s.setText(k(key), k(value));
            out.correctedSettings = true;
        }
    }
    // The tab's checks, run as a preview runs them.
    bool failed()
    {
        out.failure = PreviewChecks::check(s);
        return out.failure.has_value();
    }
    void make(const char* rule, const char* type) { out.step = makeStep(s, rule, k(type)); }
};

// Step sizes of at least 1 (at most 26 for letters) and a start letter.
void buildSequenceStep(StepBuilder& b)
{
    Settings& s = b.s;
    for (const char* key : {"alphaNumericIncrementBy", "alphaNumericDecrementBy"}) {
        if (intValue(s.text(k(key))) < 1)
            b.fix(key, "1");
    }
    if (s.text(k("alphaNumericAlphabeticStartWith")).isEmpty())
        b.fix("alphaNumericAlphabeticStartWith", "a");
    if (s.flag(k("isAlphaNumericNumeric"))) {
        b.make("AlphaNumeric", "Numeric");
        b.out.step->insert(k("sequence"), qlonglong(-1));
    } else if (s.flag(k("isAlphaNumericAlphabetic"))) {
        for (const char* key : {"alphaNumericIncrementBy", "alphaNumericDecrementBy"}) {
            if (intValue(s.text(k(key))) > 26)
                b.fix(key, "26");
        }
        b.make("AlphaNumeric", "Alphabetic");
        b.out.step->insert(k("sequence"), QString());
    }
}

void buildInsertDeleteStep(StepBuilder& b)
{
    if (b.failed())
        return;
    if (b.s.flag(k("isInsertDeleteInsert")))
        b.make("InsertDelete", "Insert");
    else if (b.s.flag(k("isInsertDeleteDelete")))
        b.make("InsertDelete", "Delete");
}

// Every occurrence (a replace or remove with it, a remove characters step) is stored as
// start occurrence "1" and count "-1".
void buildReplaceRemoveStep(StepBuilder& b)
{
    if (b.failed())
        return;
    const Settings& s = b.s;
    const bool all = s.flag(k("isReplaceRemoveAllOccurrence"));
    const bool removeCharacters = s.flag(k("isReplaceRemoveRemoveCharacters"));
    const bool remove = s.flag(k("isReplaceRemoveRemove"));
    bool everyOccurrence = false;
    if (s.flag(k("isReplaceRemoveReplace"))) {
        b.make("ReplaceRemove", "Replace");
        everyOccurrence = all;
    } else if (remove && !all && !removeCharacters) {
        b.make("ReplaceRemove", "Remove");
    } else if (removeCharacters) {
        b.make("ReplaceRemove", "Remove Characters");
        everyOccurrence = true;
    } else if (remove) {
        b.make("ReplaceRemove", "Remove");
        everyOccurrence = true;
    }
    if (b.out.step && everyOccurrence) {
        b.out.step->insert(k("replaceRemoveStartOnOccurrence"), k("1"));
        b.out.step->insert(k("replaceRemoveOccuranceCount"), k("-1"));
    }
}

// An empty position or occurrence counts as absent, so "1" (as a preview fills it).
void buildGeneralStep(StepBuilder& b)
{
    for (const char* key : {"generalSwapPosition", "generalRemoveAfterStringOccurrence",
                            "generalRemoveFromStringOccurrence"}) {
        if (b.s.text(k(key)).isEmpty())
            b.fix(key, "1");
    }
    if (!b.failed())
        b.make("General", "General");
}

// A photo step keeps its fields twice: as tag codes and archived.
void buildPhotoStep(StepBuilder& b)
{
    if (b.failed())
        return;
    b.make("Photo", "Photo");
    QVariantList tags;
    for (const QString& tag : b.s.photoTags())
        tags.append(tag);
    b.out.step->insert(k("photoMetaDataList"), tags);
    b.out.step->insert(k("MetaDataList"), MetaDataField::archiveList(b.s.photoMetaDataList()));
}

// A step of a kind whose only condition is the tab's checks.
void buildCheckedStep(StepBuilder& b, const char* rule, const char* type)
{
    if (!b.failed())
        b.make(rule, type);
}

} // namespace

RuleBuild buildRule(Settings& s)
{
    StepBuilder b{s, {}};
    switch (MethodTab(s.integer(k("selectedTab")))) {
    case MethodTab::Sequences:
        buildSequenceStep(b);
        break;
    case MethodTab::InsertDelete:
        buildInsertDeleteStep(b);
        break;
    case MethodTab::ReplaceRemove:
        buildReplaceRemoveStep(b);
        break;
    case MethodTab::PrefixSuffix:
        b.make("PrefixSuffix", s.flag(k("isPrefixSuffixString")) ? "As String" : "As Date");
        break;
    case MethodTab::DateTime:
        buildCheckedStep(b, "Date & Time", "DateTime");
        break;
    case MethodTab::General:
        buildGeneralStep(b);
        break;
    case MethodTab::AudioTags:
        buildCheckedStep(b, "ID3", "ID3Tag");
        break;
    case MethodTab::Photo:
        buildPhotoStep(b);
        break;
    case MethodTab::PathComponents:
        buildCheckedStep(b, "PathComponents", "Path Components");
        break;
    case MethodTab::RenameFromList:
        break; // renaming from a list cannot become a step
    }
    return b.out;
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
        s.alphaNumericIncrementDecrementChanged(s.flag(k("isAlphaNumericIncrement")) ? UpOrDown::Up : UpOrDown::Down);
        s.alphaNumericNumericAlphabeticChanged(type == QLatin1String("Numeric") ? NumbersOrLetters::Numbers
                                                                               : NumbersOrLetters::Letters);
        break;
    case Kind::InsertDelete:
        if (type == QLatin1String("Insert")) {
            s.insertDeleteChanged(InsertOrDelete::Insert);
            s.insertOptionsChanged();
        } else {
            s.insertDeleteChanged(InsertOrDelete::Delete);
        }
        break;
    case Kind::ReplaceRemove:
        s.replaceRemoveChanged(type == QLatin1String("Replace") ? ReplaceOrRemove::Replace
                               : type == QLatin1String("Remove") ? ReplaceOrRemove::Remove
                                                                 : ReplaceOrRemove::RemoveCharacters);
        break;
    case Kind::PrefixSuffix:
        s.prefixSuffixChanged(type == QLatin1String("As String") ? TextsOrDate::Texts : TextsOrDate::Date);
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
    s.setInteger(k("selectedTab"), int(*RuleKinds::tabOf(kind)));
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
