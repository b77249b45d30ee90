#include "profiles/rulescontroller.h"

#include "engine/methodtab.h"
#include "pipeline/controllerstate.h"
#include "platform/numbers.h"
#include "platform/userinterface.h"
#include "profiles/rulefile.h"
#include "profiles/rulesteps.h"

#include <array>
#include <utility>

namespace {

const QString kRule = QStringLiteral("rule");
const QString kIsActive = QStringLiteral("isActive");

// The drawer's controls, under the names their saved states are kept by.
template <typename Controller>
auto controls(Controller& c)
{
    return std::to_array<std::pair<const char*, bool*>>({
        {"ruleTableView", &c.ruleTableViewEnabled},
        {"addButton", &c.addButtonEnabled},
        {"clearButton", &c.clearButtonEnabled},
        {"clearAllButton", &c.clearAllButtonEnabled},
        {"openRuleButton", &c.openRuleButtonEnabled},
        {"saveRuleButton", &c.saveRuleButtonEnabled},
        {"updateRuleButton", &c.updateRuleButtonEnabled},
        {"moveUp", &c.moveUpEnabled},
        {"moveDown", &c.moveDownEnabled},
    });
}

} // namespace

RulesController::RulesController(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
    updateControlStates();
}

void RulesController::notify()
{
    if (changed)
        changed();
}

void RulesController::edited()
{
    if (chainEdited)
        chainEdited();
}

const QVariantMap* RulesController::selectedRule() const
{
    return selectedRow >= 0 && selectedRow < state_.rules.size() ? &state_.rules[selectedRow] : nullptr;
}

void RulesController::updateControlStates()
{
    if (isExecuting)
        return; // every control stays disabled until the pass ends
    const int count = int(state_.rules.size());
    const bool selected = selectedRow >= 0 && selectedRow < count;
    ruleTableViewEnabled = true;
    openRuleButtonEnabled = true;
    addButtonEnabled = MethodTab(state_.selectedTab()) != MethodTab::RenameFromList;
    saveRuleButtonEnabled = count > 0;
    clearAllButtonEnabled = count > 0;
    clearButtonEnabled = selected;
    updateRuleButtonEnabled = selected;
    moveUpEnabled = selected && count > 1 && selectedRow > 0;
    moveDownEnabled = selected && count > 1 && selectedRow < count - 1;
}

void RulesController::select(int row)
{
    selectedRow = row >= 0 && row < state_.rules.size() ? row : -1;
    updateControlStates();
    if (selectedRow >= 0 && isOpen && RuleSteps::setRule(state_, ui_, state_.rules[selectedRow]))
        tabChanged(state_.selectedTab());
    notify();
}

void RulesController::tableViewSelectionDidChange(int row)
{
    select(row);
}

void RulesController::resetData(bool selectTopRow)
{
    selectedRow = -1;
    updateControlStates();
    if (state_.rules.isEmpty()) {
        notify();
        return;
    }
    select(selectTopRow ? 0 : int(state_.rules.size()) - 1);
}

void RulesController::rulesReplaced()
{
    selectedRow = -1;
    updateControlStates();
    notify();
}

void RulesController::methodTabChanged(int tab)
{
    selectedRow = -1;
    updateControlStates();
    tabChanged(tab);
}

void RulesController::addToRule()
{
    if (RuleSteps::addToRule(state_, ui_)) {
        edited();
        resetData(false);
    }
}

void RulesController::updateRule()
{
    if (state_.isExecuting.load() || !selectedRule())
        return;
    QString error;
    const std::optional<QVariantMap> step = RuleSteps::getCurrentRule(state_, ui_, error);
    if (!step || step->value(kRule) != selectedRule()->value(kRule))
        return;
    state_.rules[selectedRow] = *step;
    edited();
    notify();
}

void RulesController::clearSelected()
{
    if (state_.isExecuting.load() || !selectedRule())
        return;
    const int removed = selectedRow;
    state_.rules.removeAt(removed);
    edited();
    selectedRow = -1;
    updateControlStates();
    if (state_.rules.isEmpty()) {
        notify();
        return;
    }
    select(removed > 0 ? removed - 1 : 0);
}

void RulesController::clearAll()
{
    if (state_.isExecuting.load())
        return;
    state_.rules.clear();
    edited();
    selectedRow = -1;
    updateControlStates();
    notify();
}

void RulesController::moveUp()
{
    if (state_.isExecuting.load() || !selectedRule() || selectedRow == 0)
        return;
    state_.rules.swapItemsAt(selectedRow, selectedRow - 1);
    edited();
    select(selectedRow - 1);
}

void RulesController::moveDown()
{
    if (state_.isExecuting.load() || !selectedRule() || selectedRow >= state_.rules.size() - 1)
        return;
    state_.rules.swapItemsAt(selectedRow, selectedRow + 1);
    edited();
    select(selectedRow + 1);
}

void RulesController::saveRule()
{
    RuleFile::saveRule(state_, ui_);
}

void RulesController::openRule()
{
    if (!RuleFile::openRule(state_, ui_).isEmpty()) {
        edited();
        resetData(true);
    }
}

void RulesController::ruleMenuItemClick(const QString& path)
{
    if (state_.isExecuting.load())
        return;
    if (!RuleFile::loadRulesFromFile(state_, ui_, path, false))
        return;
    isOpen = true;
    edited();
    resetData(true);
}

void RulesController::tabChanged(int tab)
{
    if (!isExecuting)
        addButtonEnabled = MethodTab(tab) != MethodTab::RenameFromList;
    notify();
}

void RulesController::profileLoaded(int tab)
{
    selectedRow = -1;
    updateControlStates();
    tabChanged(tab);
}

void RulesController::setObjectValue(int row, const QString& column, const QVariant& value)
{
    if (state_.isExecuting.load() || row < 0 || row >= state_.rules.size() || column.isEmpty())
        return;
    if (column == kIsActive) {
        const bool on = value.userType() == QMetaType::QString ? intValue(value.toString()) != 0 : value.toBool();
        state_.rules[row].insert(kIsActive, on ? QStringLiteral("1") : QStringLiteral("0"));
    } else {
        state_.rules[row].insert(column, value);
    }
    edited();
    notify();
}

bool RulesController::routesPreviewToRules() const
{
    return isOpen && !state_.rules.isEmpty();
}

void RulesController::setIsExecuting(bool executing)
{
    if (executing == isExecuting)
        return;
    if (executing) {
        ControlStatus.clear();
        for (auto& [name, enabled] : controls(*this)) {
            ControlStatus.insert(QString::fromLatin1(name), *enabled ? QStringLiteral("1") : QStringLiteral("0"));
            *enabled = false;
        }
        isExecuting = true;
    } else {
        isExecuting = false;
        for (auto& [name, enabled] : controls(*this))
            *enabled = ControlStatus.value(QString::fromLatin1(name)).toString() == QLatin1String("1");
    }
    notify();
}

void RulesController::showHelp()
{
    ui_.openDocument(QStringLiteral("Rules.html"));
}
