#pragma once

#include <QString>

struct ControllerState;
class ListTableModel;
class QObject;
class QTableView;
class QWidget;

// The table of rule steps shared by the rules drawer and the rules sheet: one row per
// step of state.rules with the columns "isActive" (a check box), "rule" (the method, by
// its tab's name) and "type" (one line of what the step does).
namespace RulesTable {

// The model; the check box is read-only until the owner sets the model's setChecked.
ListTableModel* makeModel(ControllerState& state, QObject* parent);
QTableView* makeView(ListTableModel* model, QWidget* parent);

} // namespace RulesTable
