#include "app/dialogs/rulesdrawer.h"

#include "app/dialogs/dialogwidgets.h"
#include "app/dialogs/listtablemodel.h"
#include "app/dialogs/rulestable.h"
#include "pipeline/controllerstate.h"
#include "platform/messages.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QPushButton>
#include <QTableView>

using namespace DialogWidgets;

namespace {

QPushButton* named(QPushButton* button, const char* name)
{
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

RulesDrawer::RulesDrawer(ControllerState& state, UserInterface& ui, QWidget* parent)
    : QDockWidget(msg("RULESETTINGSFILETITLE"), parent)
    , state_(state)
    , controller_(state, ui)
{
    setObjectName(QStringLiteral("rulesDrawer"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget(this);
    model_ = RulesTable::makeModel(state, this);
    model_->setChecked = [this](int row, const QString& id, bool checked) {
        controller_.setObjectValue(row, id, checked);
    };
    table_ = RulesTable::makeView(model_, body);
    onRowSelected(table_, [this](int row) { controller_.tableViewSelectionDidChange(row); });

    addButton_ = named(makeButton(body, msg("Add"), [this] { controller_.addToRule(); }), "addButton");
    updateRuleButton_ =
        named(makeButton(body, msg("Update"), [this] { controller_.updateRule(); }), "updateRuleButton");
    clearButton_ = named(makeButton(body, msg("Clear"), [this] { controller_.clearSelected(); }), "clearButton");
    clearAllButton_ = named(makeButton(body, msg("Clear All"), [this] { controller_.clearAll(); }), "clearAllButton");
    moveUp_ = named(makeButton(body, msg("ACTIONMOVEUP"), [this] { controller_.moveUp(); }), "moveUp");
    moveDown_ = named(makeButton(body, msg("ACTIONMOVEDOWN"), [this] { controller_.moveDown(); }), "moveDown");
    openRuleButton_ = named(makeButton(body, msg("Open..."), [this] { controller_.openRule(); }), "openRuleButton");
    saveRuleButton_ = named(makeButton(body, msg("Save..."), [this] { controller_.saveRule(); }), "saveRuleButton");
    QPushButton* help = makeButton(body, msg("Help"), [this] { controller_.showHelp(); });

    auto* buttons = new QGridLayout;
    buttons->addWidget(addButton_, 0, 0);
    buttons->addWidget(updateRuleButton_, 0, 1);
    buttons->addWidget(clearButton_, 1, 0);
    buttons->addWidget(clearAllButton_, 1, 1);
    buttons->addWidget(moveUp_, 2, 0);
    buttons->addWidget(moveDown_, 2, 1);
    buttons->addWidget(openRuleButton_, 3, 0);
    buttons->addWidget(saveRuleButton_, 3, 1);
    buttons->addWidget(help, 4, 0);

    auto* layout = new QVBoxLayout(body);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    setWidget(body);

    controller_.changed = [this] { refresh(); };
    connect(this, &QDockWidget::visibilityChanged, this, [this] { followVisibility(); });
    controller_.isOpen = !isHidden();
    controller_.updateControlStates();
    refresh();
}

RulesDrawer::~RulesDrawer()
{
    // Hiding while it goes must not reach the controller, which goes first.
    disconnect(this, &QDockWidget::visibilityChanged, this, nullptr);
    controller_.changed = nullptr;
    table_->setModel(nullptr);
}

void RulesDrawer::followVisibility()
{
    // Open is the drawer's own shown state, not whether the window is on screen now.
    const bool open = !isHidden();
    if (open == controller_.isOpen)
        return;
    controller_.isOpen = open;
    if (open) {
        // The rules may have changed while the drawer was closed: show them as they are
        // now. Opening loads no step into the window.
        if (controller_.selectedRow >= state_.rules.size())
            controller_.selectedRow = -1;
        controller_.updateControlStates();
        controller_.tabChanged(state_.selectedTab());
    }
}

void RulesDrawer::setOpen(bool open)
{
    setVisible(open);
    followVisibility();
}

void RulesDrawer::setIsExecuting(bool executing)
{
    controller_.setIsExecuting(executing);
}

void RulesDrawer::resetData(bool selectTopRow)
{
    controller_.resetData(selectTopRow);
}

void RulesDrawer::ruleMenuItemClick(const QString& path)
{
    controller_.ruleMenuItemClick(path);
    if (controller_.isOpen && isHidden()) {
        setVisible(true);
        if (QWidget* window = parentWidget() ? parentWidget()->window() : nullptr) {
            window->raise();
            window->activateWindow();
        }
    }
}

void RulesDrawer::refresh()
{
    model_->reload();
    selectRowQuietly(table_, controller_.selectedRow);
    table_->setEnabled(controller_.ruleTableViewEnabled);
    addButton_->setEnabled(controller_.addButtonEnabled);
    updateRuleButton_->setEnabled(controller_.updateRuleButtonEnabled);
    clearButton_->setEnabled(controller_.clearButtonEnabled);
    clearAllButton_->setEnabled(controller_.clearAllButtonEnabled);
    moveUp_->setEnabled(controller_.moveUpEnabled);
    moveDown_->setEnabled(controller_.moveDownEnabled);
    openRuleButton_->setEnabled(controller_.openRuleButtonEnabled);
    saveRuleButton_->setEnabled(controller_.saveRuleButtonEnabled);
}
