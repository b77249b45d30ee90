#pragma once

class QuorvelAppController;
class RulesDrawer;

// Adds the dialogs' commands to the main window's menus (Profiles..., Export..., Undo...,
// Preferences..., the rules commands, the saved rules and the help contents), makes the
// help window the controller's help viewer and, when the edition has one, creates the
// rules drawer as a dock of the window, closed, following the controller's signals.
// Called when the window is built; a second call changes nothing.
void attachDialogs(QuorvelAppController& controller);

// The sheets, opened on the main window. None opens while a pass runs.
namespace Dialogs {

void showUndo(QuorvelAppController& controller);
// Edit > Undo Last Rename: asks to confirm the newest rename log, then undoes it as the
// undo sheet does. Says so when there is no log to undo.
void undoLastRename(QuorvelAppController& controller);
void showProfiles(QuorvelAppController& controller);
void showRulesSheet(QuorvelAppController& controller);
void showPreferences(QuorvelAppController& controller);
// After the export command's own check (an empty list shows "NOITEMSTOEXPORT").
void showExport(QuorvelAppController& controller);

// The drawer attachDialogs made (nullptr in an edition without one).
RulesDrawer* rulesDrawer(QuorvelAppController& controller);

} // namespace Dialogs
