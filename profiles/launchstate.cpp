#include "profiles/launchstate.h"

#include "pipeline/controllerstate.h"
#include "platform/defaultsstore.h"
#include "platform/edition.h"
#include "platform/keyedarchiver.h"
#include "profiles/ruleshape.h"
#include "profiles/settingsloader.h"

#include <QDebug>

namespace LaunchState {

namespace {

const QString kLastProfile = QStringLiteral("LASTPROFILE");
const QString kLastRule = QStringLiteral("LASTRULE");
const QString kDefaults = QStringLiteral("DEFAULTS");

bool keepsState()
{
    return Edition::current().keepsStateBetweenLaunches;
}

} // namespace

QByteArray archiveRules(const QList<QVariantMap>& rules, QString* error)
{
    QVariantList list;
    list.reserve(rules.size());
    for (const QVariantMap& step : rules)
        list.append(step);
    return KeyedArchiver::archive(list, error);
}

std::optional<QList<QVariantMap>> unarchiveRules(const QByteArray& data, QString* why)
{
    const std::optional<QVariant> root = KeyedArchiver::unarchive(data, why);
    if (!root)
        return std::nullopt;
    std::optional<QList<QVariantMap>> steps = RuleShape::stepsFromPlist(*root, why);
    if (steps)
        RuleShape::removeRulePrefix(*steps);
    return steps;
}

void restoreRules(ControllerState& state)
{
    if (!keepsState())
        return;
    DefaultsStore store;
    if (!store.contains(kLastRule)) {
        state.rules.clear();
        return;
    }
    const QVariant stored = store.value(kLastRule);
    QString why = QStringLiteral("not data");
    std::optional<QList<QVariantMap>> steps;
    if (stored.userType() == QMetaType::QByteArray)
        steps = unarchiveRules(stored.toByteArray(), &why);
    if (!steps) {
        // A stored chain that cannot be read is dropped without a message.
        qWarning().noquote() << QStringLiteral("Error in restoreRules : %1").arg(why);
        state.rules.clear();
        store.remove(kLastRule);
        store.synchronize();
        return;
    }
    state.rules = *steps;
}

bool restoreDefaults(SettingsLoader& loader)
{
    if (!keepsState())
        return false;
    DefaultsStore store;
    if (!store.contains(kDefaults))
        return false;
    const QVariant stored = store.value(kDefaults);
    if (stored.userType() != QMetaType::QVariantMap)
        return false;
    return loader.applySettings(stored.toMap());
}

void restoreAtLaunch(ControllerState& state, SettingsLoader& loader)
{
    if (keepsState()) {
        DefaultsStore store;
        state.currProfileFile = store.value(kLastProfile).toString();
        restoreRules(state);
        bool loaded = false;
        if (!state.currProfileFile.isEmpty()) {
            const QString path = state.currProfileFile;
            loaded = loader.setCurrentSettings(path) == ProfileLoadResult::Loaded;
            if (!loaded) {
                // The last profile is gone or unusable: forget it rather than keep
                // offering a file that does not load.
                state.currProfileFile.clear();
                rememberLastProfile(QString());
            }
        }
        if (!loaded)
            restoreDefaults(loader);
    }
    loader.updateWindowTitle();
}

bool storeAtTermination(const ControllerState& state)
{
    if (!keepsState())
        return true;
    DefaultsStore store;
    store.setValue(kDefaults, state.settings.getCurrentSettings());
    if (!state.currProfileFile.isEmpty())
        store.setValue(kLastProfile, state.currProfileFile);
    QString why;
    const QByteArray rules = archiveRules(state.rules, &why);
    if (rules.isEmpty())
        qWarning().noquote() << QStringLiteral("Error in storeRules : %1").arg(why);
    else
        store.setValue(kLastRule, rules);
    return store.synchronize();
}

void rememberLastProfile(const QString& path)
{
    if (!keepsState())
        return;
    DefaultsStore store;
    store.setValue(kLastProfile, path);
    store.synchronize();
}

} // namespace LaunchState
