#include "app/dialogs/rulessheet.h"

#include "app/dialogs/dialogwidgets.h"
#include "app/dialogs/listtablemodel.h"
#include "app/dialogs/rulestable.h"
#include "platform/messages.h"
#include "profiles/rulepreview.h"

#include <QApplication>
#include <QBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QTreeView>

using namespace DialogWidgets;

namespace {

// One outline row per node: the "options" column shows the label, the other the value.
void addNode(QStandardItem* parent, const Rule& node)
{
    auto* option = new QStandardItem(node.objectValueForColumn(QStringLiteral("options")));
    auto* value = new QStandardItem(node.objectValueForColumn(QStringLiteral("value")));
    option->setEditable(false);
    value->setEditable(false);
    for (int i = 0; i < node.numberOfChildren(); ++i)
        addNode(option, *node.childAtIndex(i));
    parent->appendRow({option, value});
}

} // namespace

RulesSheet::RulesSheet(ControllerState& state, UserInterface& ui, QWidget* parent)
    : Sheet(parent)
    , controller_(state, ui)
{
    setObjectName(QStringLiteral("RuleSheet"));
    setWindowTitle(msg("RULESETTINGSFILETITLE"));
    startRulePreview = [&state, &ui] { RulePreview(state, ui).actionPreviewRule(); };

    model_ = RulesTable::makeModel(state, this);
    table_ = RulesTable::makeView(model_, this);
    onRowSelected(table_, [this](int row) { controller_.tableViewSelectionDidChange(row); });

    outlineModel_ = new QStandardItemModel(0, 2, this);
    outlineModel_->setHorizontalHeaderLabels({msg("Option"), msg("Value")});
    outlineView_ = new QTreeView(this);
    outlineView_->setObjectName(QStringLiteral("outlineView"));
    outlineView_->setModel(outlineModel_);
    outlineView_->setSelectionMode(QAbstractItemView::NoSelection);
    outlineView_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    outlineView_->header()->setStretchLastSection(true);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(table_);
    split->addWidget(outlineView_);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);

    ruleFilePath_ = new QLineEdit(this);
    ruleFilePath_->setObjectName(QStringLiteral("ruleFilePath"));
    ruleFilePath_->setReadOnly(true);

    moveUp_ = makeButton(this, msg("ACTIONMOVEUP"), [this] { controller_.moveUp(); });
    moveUp_->setObjectName(QStringLiteral("moveUp"));
    moveDown_ = makeButton(this, msg("ACTIONMOVEDOWN"), [this] { controller_.moveDown(); });
    moveDown_->setObjectName(QStringLiteral("moveDown"));
    QPushButton* clear = makeButton(this, msg("Clear"), [this] { controller_.clearSelected(); });
    clear->setObjectName(QStringLiteral("clearButton"));
    QPushButton* open = makeButton(this, msg("Open..."), [this] { controller_.openRule(); });
    open->setObjectName(QStringLiteral("openRuleButton"));
    QPushButton* save = makeButton(this, msg("Save..."), [this] { controller_.saveRule(); });
    save->setObjectName(QStringLiteral("saveRuleButton"));
    QPushButton* preview = makeButton(this, msg("ACTIONPREVIEW"), [this] { controller_.preview(); });
    preview->setObjectName(QStringLiteral("previewButton"));

    auto* edit = new QHBoxLayout;
    edit->addWidget(clear);
    edit->addWidget(moveUp_);
    edit->addWidget(moveDown_);
    edit->addStretch();
    edit->addWidget(open);
    edit->addWidget(save);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton(this, msg("Help"), [this] { controller_.showHelp(); }));
    buttons->addStretch();
    buttons->addWidget(makeButton(this, msg("Close"), [this] { reject(); }));
    buttons->addWidget(preview);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split, 1);
    layout->addLayout(edit);
    layout->addWidget(ruleFilePath_);
    layout->addLayout(buttons);
    resize(760, 440);

    controller_.changed = [this] { refresh(); };
    controller_.closeSheet = [this] { accept(); };
    controller_.startPreview = [this] {
        // The sheet is gone by then: the delay lives with the window (or the application).
        QObject* context = parentWidget() ? static_cast<QObject*>(parentWidget()) : qApp;
        QTimer::singleShot(previewDelayMs, context, [start = startRulePreview] {
            if (start)
                start();
        });
    };
    controller_.windowDidLoad();
    refresh();
}

void RulesSheet::refresh()
{
    model_->reload();
    selectRowQuietly(table_, controller_.selectedRow);
    moveUp_->setEnabled(controller_.moveUpEnabled);
    moveDown_->setEnabled(controller_.moveDownEnabled);
    ruleFilePath_->setText(controller_.ruleFilePath);

    outlineModel_->removeRows(0, outlineModel_->rowCount());
    if (controller_.outline)
        addNode(outlineModel_->invisibleRootItem(), *controller_.outline);
    outlineView_->expandAll();
}
