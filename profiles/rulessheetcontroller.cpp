#include "profiles/rulessheetcontroller.h"

#include "pipeline/controllerstate.h"
#include "platform/userinterface.h"
#include "profiles/rulefile.h"

RulesSheetController::RulesSheetController(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
}

void RulesSheetController::notify()
{
    if (changed)
        changed();
}

const QVariantMap* RulesSheetController::selectedRule() const
{
    return selectedRow >= 0 && selectedRow < state_.rules.size() ? &state_.rules[selectedRow] : nullptr;
}

void RulesSheetController::select(int row)
{
    const int count = int(state_.rules.size());
    selectedRow = row >= 0 && row < count ? row : -1;
    outline = selectedRow >= 0 ? Rule::rootItem(state_.rules[selectedRow]) : nullptr;
    moveUpEnabled = selectedRow > 0 && count > 1;
    moveDownEnabled = selectedRow >= 0 && count > 1 && selectedRow < count - 1;
    notify();
}

void RulesSheetController::windowDidLoad()
{
    select(state_.rules.isEmpty() ? -1 : 0);
}

void RulesSheetController::tableViewSelectionDidChange(int row)
{
    select(row);
}

void RulesSheetController::clearSelected()
{
    if (state_.isExecuting.load() || !selectedRule())
        return;
    state_.rules.removeAt(selectedRow);
    select(state_.rules.isEmpty() ? -1 : 0);
}

void RulesSheetController::moveUp()
{
    if (state_.isExecuting.load() || !selectedRule() || selectedRow == 0)
        return;
    state_.rules.swapItemsAt(selectedRow, selectedRow - 1);
    select(selectedRow - 1);
}

void RulesSheetController::moveDown()
{
    if (state_.isExecuting.load() || !selectedRule() || selectedRow >= state_.rules.size() - 1)
        return;
    state_.rules.swapItemsAt(selectedRow, selectedRow + 1);
    select(selectedRow + 1);
}

void RulesSheetController::saveRule()
{
    RuleFile::saveRule(state_, ui_);
}

void RulesSheetController::openRule()
{
    const QString path = RuleFile::openRule(state_, ui_);
    if (path.isEmpty())
        return;
    ruleFilePath = path;
    select(state_.rules.isEmpty() ? -1 : 0);
}

void RulesSheetController::preview()
{
    if (closeSheet)
        closeSheet();
    if (startPreview)
        startPreview();
}

void RulesSheetController::showHelp()
{
    ui_.openDocument(QStringLiteral("Rules.html"));
}
