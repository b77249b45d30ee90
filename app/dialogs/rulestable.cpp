#include "app/dialogs/rulestable.h"

#include "app/dialogs/dialogwidgets.h"
#include "app/dialogs/listtablemodel.h"
#include "pipeline/controllerstate.h"
#include "platform/messages.h"
#include "platform/numbers.h"
#include "profiles/rulesummary.h"

#include <QHeaderView>
#include <QTableView>

namespace RulesTable {

ListTableModel* makeModel(ControllerState& state, QObject* parent)
{
    auto* model = new ListTableModel(
        {{QStringLiteral("isActive"), msg("Active"), true},
         {QStringLiteral("rule"), msg("RULEMETHODCOLUMN")},
         {QStringLiteral("type"), msg("RULESETTINGSCOLUMN")}},
        [&state] { return int(state.rules.size()); },
        [&state](int row, const QString& id) {
            // The method by its tab's name and what the step does, in the user's words.
            const QVariantMap& step = state.rules.at(row);
            return id == QLatin1String("rule") ? RuleSummary::methodName(step) : RuleSummary::summary(step);
        },
        parent);
    model->isChecked = [&state](int row, const QString& id) {
        // Read by value: a step may hold "1", an integer or a boolean.
        return intValueOf(state.rules.at(row).value(id)).value_or(0) != 0;
    };
    return model;
}

QTableView* makeView(ListTableModel* model, QWidget* parent)
{
    QTableView* view = DialogWidgets::makeRowTable(parent, QStringLiteral("ruleTableView"), model);
    view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    // A long summary ends in "…"; the whole line shows as its tool tip.
    view->setTextElideMode(Qt::ElideRight);
    return view;
}

} // namespace RulesTable
