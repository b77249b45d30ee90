#include "app/dialogs/rulestable.h"

#include "app/dialogs/dialogwidgets.h"
#include "app/dialogs/listtablemodel.h"
#include "pipeline/controllerstate.h"
#include "platform/messages.h"
#include "platform/numbers.h"
#include "profiles/rulenames.h"

#include <QHeaderView>
#include <QTableView>

namespace RulesTable {

ListTableModel* makeModel(ControllerState& state, QObject* parent)
{
    auto* model = new ListTableModel(
        {{QStringLiteral("isActive"), msg("Active"), true},
         {QStringLiteral("rule"), msg("Rule")},
         {QStringLiteral("type"), msg("Type")}},
        [&state] { return int(state.rules.size()); },
        [&state](int row, const QString& id) {
            // Kinds and types are stored values, shown in the user's language.
            return RuleNames::shown(state.rules.at(row).value(id).toString());
        },
        parent);
    model->isChecked = [&state](int row, const QString& id) {
        return intValue(state.rules.at(row).value(id).toString()) != 0;
    };
    return model;
}

QTableView* makeView(ListTableModel* model, QWidget* parent)
{
    QTableView* view = DialogWidgets::makeRowTable(parent, QStringLiteral("ruleTableView"), model);
    view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    view->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    return view;
}

} // namespace RulesTable
