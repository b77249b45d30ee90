#pragma once

#include "app/dialogs/sheet.h"
#include "profiles/rulessheetcontroller.h"

#include <functional>

struct ControllerState;
class ListTableModel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QTreeView;
class UserInterface;

// The rules sheet: the table of rule steps, the selected step's options as an outline
// (fully expanded), clear, move up, move down, open, save, Preview, Close and Help.
// Preview closes the sheet and starts the rule preview half a second later.
class RulesSheet : public Sheet {
    Q_OBJECT
public:
    RulesSheet(ControllerState& state, UserInterface& ui, QWidget* parent);

    RulesSheetController& controller() { return controller_; }
    QTableView* table() const { return table_; }
    QTreeView* outline() const { return outlineView_; }

    // Starts the rule preview; by default RulePreview::actionPreviewRule. The window may
    // route it through its own preview command.
    std::function<void()> startRulePreview;
    // The pause between closing the sheet and starting the preview.
    int previewDelayMs = 500;

private:
    void refresh();

    RulesSheetController controller_;
    ListTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QStandardItemModel* outlineModel_ = nullptr;
    QTreeView* outlineView_ = nullptr;
    QLineEdit* ruleFilePath_ = nullptr;
    QPushButton* moveUp_ = nullptr;
    QPushButton* moveDown_ = nullptr;
};
