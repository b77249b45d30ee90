#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <optional>

struct ControllerState;
class UserInterface;

// One entry of the rules menu: a rule file of the rules folder.
struct RuleMenuEntry {
    QString title;   // the file name without its extension
    QString toolTip; // the file name
    QString path;    // the full path the item opens
};

// Rule files ("qvrule"): an XML property list whose root is the array of rule steps, with
// the program's version as the "appversion" attribute of the root <plist> element.
namespace RuleFile {

// Writes the steps with the version attribute as one whole document through QSaveFile:
// an existing file is replaced only once the new one is complete, and never when any part
// of the writing fails. Errors of the version step are logged as
// "Error in addAppVersionToRuleFile : <reason>".
bool write(const QString& path, const QList<QVariantMap>& rules, QString* error = nullptr);

enum class ReadResult { Read, Incompatible, Unreadable };
// Reads a rule file: the version test on "appversion" (a missing attribute fails it) when
// checkVersion is set, then the array, shape-checked; "Rule - " is removed from each "rule".
ReadResult read(const QString& path, QList<QVariantMap>& steps, bool checkVersion = true,
                QString* error = nullptr);

// The save command of the drawer and the sheet: a save panel in the rules folder, then
// write; "RULESETTINGSFILESAVEDSUCCESS" or the critical "RULESETTINGSFILEUNABLETOSAVE".
// True when a file was written.
bool saveRule(ControllerState& state, UserInterface& ui);

// The open command: an open panel in the rules folder, then read with the version test;
// a refused file shows "OPENRULETITLE" / "OPENRULEINCOMPATIBLE" and changes nothing. The
// rules are replaced by the file's steps; returns the file's path ("" when nothing was
// opened). Refused while a pass runs.
QString openRule(ControllerState& state, UserInterface& ui);

// Replaces the rules with the file's steps (a rules menu item, an opened document).
// Without a version test for menu items; a refused file shows "OPENRULEINCOMPATIBLE".
// Ignored while a pass runs. True when the rules were replaced.
bool loadRulesFromFile(ControllerState& state, UserInterface& ui, const QString& path, bool checkVersion);

// The rules menu: the entries of the folder whose extension is "qvrule" (any case), in
// the folder listing's order. A folder that cannot be listed gives no entries.
QList<RuleMenuEntry> loadRulesMenu(const QString& folder);

// The live rules folder of the preferences (the data folder's "Rules" when unset).
QString rulesFolder(const ControllerState& state);

} // namespace RuleFile
