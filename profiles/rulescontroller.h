#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <functional>

struct ControllerState;
class UserInterface;

// The logic of the rules drawer, without widgets: the selection in the table of rule
// steps, the enabled state of each control (booleans the drawer reads after `changed`),
// and the commands add, update, clear, clear all, move, save and open. Selecting a row
// loads its step into the window. Main thread only.
class RulesController {
public:
    RulesController(ControllerState& state, UserInterface& ui);

    // The drawer is shown; a selection only loads its step into the window then.
    bool isOpen = false;
    int selectedRow = -1;  // -1: no step selected
    bool isExecuting = false;

    // Enabled states of the drawer's controls.
    bool ruleTableViewEnabled = true;
    bool addButtonEnabled = true;
    bool clearButtonEnabled = false;
    bool clearAllButtonEnabled = false;
    bool openRuleButtonEnabled = true;
    bool saveRuleButtonEnabled = false;
    bool updateRuleButtonEnabled = false;
    bool moveUpEnabled = false;
    bool moveDownEnabled = false;
    // The states saved while a pass runs, "1" or "0" under each control's name.
    QVariantMap ControlStatus;

    std::function<void()> changed; // after every change of the rules, selection or states
    std::function<void()> chainEdited; // after every change of the steps themselves

    // The selected step, or nullptr.
    const QVariantMap* selectedRule() const;

    // Adds a step built from the window's settings and selects it (the last row).
    void addToRule();
    // Replaces the selected step by one built from the window's settings, only when both
    // are of the same kind ("rule"); otherwise nothing changes.
    void updateRule();
    // Removes the selected step and selects the row before it (row 0 when it was first).
    void clearSelected();
    // Empties the rules list.
    void clearAll();
    // Swap the selected step with its neighbour, keeping it selected.
    void moveUp();
    void moveDown();
    // Rule files (RuleFile); a file opened replaces the list and selects its first row.
    void saveRule();
    void openRule();
    // A rules menu item: the file replaces the list (no version test), the drawer opens
    // and selects its first row. Ignored while a pass runs.
    void ruleMenuItemClick(const QString& path);

    // Reload with no selection, then select row 0 (selectTopRow) or the last row.
    void resetData(bool selectTopRow);
    // The rules were replaced or edited elsewhere (the rules sheet, the last session's
    // rules): shown again with no row selected, so nothing is loaded into the window.
    void rulesReplaced();
    // The user picked another method tab: no row stays selected (the window no longer
    // shows a step), then tabChanged.
    void methodTabChanged(int tab);
    // The method tab changed: the add button is offered unless the tab is 9.
    void tabChanged(int tab);
    // A profile was loaded or reset: no row selected, then tabChanged.
    void profileLoaded(int tab);
    // The table's selection changed (-1: none). A selected step is loaded into the window.
    void tableViewSelectionDidChange(int row);
    // A cell was edited: the value is stored under the column's key (the "isActive"
    // check box stores "1" or "0").
    void setObjectValue(int row, const QString& column, const QVariant& value);
    // Whether the Preview command runs the rules: the drawer is open and holds a step.
    bool routesPreviewToRules() const;

    // A pass started (controls saved and disabled) or ended (controls restored).
    void setIsExecuting(bool executing);
    // The enabled states that follow from the list and the selection.
    void updateControlStates();

    void showHelp();

private:
    void select(int row);
    void notify();
    void edited();

    ControllerState& state_;
    UserInterface& ui_;
};
