#pragma once

#include "profiles/rulescontroller.h"

#include <QDockWidget>

struct ControllerState;
class ListTableModel;
class QPushButton;
class QTableView;
class UserInterface;

// The rules drawer: a dock beside the main window with the table of rule steps (the
// "isActive" check box switches a step on or off) and the add, update, clear, clear all,
// move up, move down, open, save and help buttons, enabled as RulesController says.
// "Open" means shown: only then does selecting a step load it into the window.
class RulesDrawer : public QDockWidget {
    Q_OBJECT
public:
    RulesDrawer(ControllerState& state, UserInterface& ui, QWidget* parent);
    ~RulesDrawer() override;

    RulesController& controller() { return controller_; }
    QTableView* table() const { return table_; }

    // Shows or hides the drawer.
    void setOpen(bool open);
    bool isOpen() const { return controller_.isOpen; }

    // Told by the window whenever a pass starts or ends.
    void setIsExecuting(bool executing);
    // The rules changed as a whole (opened, restored): reload and select the top or last row.
    void resetData(bool selectTopRow);
    // A rules menu item: its file replaces the rules and the drawer opens.
    void ruleMenuItemClick(const QString& path);

private:
    void refresh();
    void followVisibility();

    ControllerState& state_;
    RulesController controller_;
    ListTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* addButton_ = nullptr;
    QPushButton* updateRuleButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* clearAllButton_ = nullptr;
    QPushButton* moveUp_ = nullptr;
    QPushButton* moveDown_ = nullptr;
    QPushButton* openRuleButton_ = nullptr;
    QPushButton* saveRuleButton_ = nullptr;
};
