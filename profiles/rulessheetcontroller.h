#pragma once

#include "profiles/rule.h"

#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>

struct ControllerState;
class UserInterface;

// The logic of the rules sheet, without widgets: a table of the same rules list as the
// drawer, an outline of the selected step's display tree, and a Preview button. Selecting
// a row here does not load the step into the window. Main thread only.
class RulesSheetController {
public:
    RulesSheetController(ControllerState& state, UserInterface& ui);

    int selectedRow = -1;
    bool moveUpEnabled = false;
    bool moveDownEnabled = false;
    QString ruleFilePath;         // the path of the rule file last opened here
    std::unique_ptr<Rule> outline; // the selected step's display tree (none without a selection)

    std::function<void()> changed;      // after every change of the fields above
    std::function<void()> closeSheet;   // the sheet closes
    std::function<void()> startPreview; // the rule preview is to start (the window delays it)

    const QVariantMap* selectedRule() const;

    // The sheet's window loaded: the first row selected when there is one.
    void windowDidLoad();
    // Selecting a row (-1: none) shows its display tree.
    void tableViewSelectionDidChange(int row);
    // Removes the selected step; the first row is selected when steps remain.
    void clearSelected();
    void moveUp();
    void moveDown();
    void saveRule();
    // As the drawer's, with the opened file's path shown in ruleFilePath.
    void openRule();
    // Closes the sheet and asks for the rule preview.
    void preview();
    void showHelp();

private:
    void select(int row);
    void notify();

    ControllerState& state_;
    UserInterface& ui_;
};
