#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

struct ControllerState;
class SettingsLoader;

// What the program keeps in the defaults store between launches: "LASTPROFILE" (the
// current profile's path), "LASTRULE" (the rules list as a keyed archive) and "DEFAULTS"
// (the settings dictionary). The earlier edition keeps none of them: every function here
// then reads nothing and writes nothing.
namespace LaunchState {

// Launch: currProfileFile from "LASTPROFILE", the rules from "LASTRULE", then the last
// profile loaded, or else "DEFAULTS" applied without a version test. A last profile that
// does not load is forgotten ("LASTPROFILE" cleared) and "DEFAULTS" applied instead.
// Ends with the window title.
void restoreAtLaunch(ControllerState& state, SettingsLoader& loader);

// The rules from "LASTRULE" (none when it is absent). A value that cannot be unarchived or is not a list of rule
// steps empties the rules and removes the key. "Rule - " is removed from every "rule".
void restoreRules(ControllerState& state);

// Applies "DEFAULTS" when present (no version test). False when absent or refused.
bool restoreDefaults(SettingsLoader& loader);

// Termination, after the caller has ended editing and saved a current profile when
// automaticSaveCurrProfile is set: "DEFAULTS" := the settings, "LASTPROFILE" := the
// current profile when there is one (else left as stored), "LASTRULE" := the archived
// rules; then the store is flushed. False when the store could not be written.
bool storeAtTermination(const ControllerState& state);

// "LASTPROFILE" := path (may be ""), flushed at once.
void rememberLastProfile(const QString& path);

// The rules list as the keyed archive "LASTRULE" holds, and back (shape-checked).
QByteArray archiveRules(const QList<QVariantMap>& rules, QString* error = nullptr);
std::optional<QList<QVariantMap>> unarchiveRules(const QByteArray& data, QString* why = nullptr);

} // namespace LaunchState
