// The rules drawer, sheet and menu: a two-step rule built in the drawer and previewed, the
// check box switching a step off, the controls while a pass runs, the sheet's outline and
// Preview, a rule file that cannot be written, and the rules menu.
#include "dialog_fixture.h"

#include "app/dialogs/listtablemodel.h"
#include "app/dialogs/rulesdrawer.h"
#include "app/dialogs/rulesmenu.h"
#include "app/dialogs/rulessheet.h"
#include "engine/filesystemitem.h"
#include "pipeline/passrunner.h"
#include "platform/messages.h"
#include "profiles/rulefile.h"
#include "profiles/rulepreview.h"

#include <QFile>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTreeView>

namespace {

class RulesDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        drawer = new RulesDrawer(state, ui, &window);
        window.addDockWidget(Qt::RightDockWidgetArea, drawer);
        drawer->setOpen(true);
        QCoreApplication::processEvents();
    }

    void addFile(const QString& name) { state.list.append(*FileSystemItem::initWithPath(tree.file(name))); }

    // The window shows the replace tab: every "a" by "b".
    void showReplaceAll()
    {
        state.settings.setInteger(QStringLiteral("selectedTab"), 2);
        state.settings.replaceRemoveChanged(0);
        state.settings.setText(QStringLiteral("replaceRemoveThis"), QStringLiteral("a"));
        state.settings.setText(QStringLiteral("replaceRemoveWith"), QStringLiteral("b"));
        state.settings.setFlag(QStringLiteral("isReplaceRemoveAllOccurrence"), true);
    }
    // The window shows the insert tab: "a" at the beginning.
    void showInsertAtBeginning()
    {
        state.settings.setInteger(QStringLiteral("selectedTab"), 1);
        state.settings.insertDeleteChanged(0);
        state.settings.setText(QStringLiteral("insertDeleteInsert"), QStringLiteral("a"));
    }
    void buildTwoSteps()
    {
        showReplaceAll();
        click(button(drawer, msg("Add")));
        showInsertAtBeginning();
        click(button(drawer, msg("Add")));
    }

    QStringList previewRule()
    {
        EXPECT_TRUE(RulePreview(state, ui).actionPreviewRule());
        PassRunner::waitUntilIdle(state);
        QStringList names;
        for (const FileSystemItem& item : state.list.files)
            names.append(item.newFilename);
        return names;
    }

    bool enabled(const char* name) const
    {
        auto* b = drawer->findChild<QPushButton*>(QString::fromLatin1(name));
        return b && b->isEnabled();
    }

    // Clicks the check box of a row's "isActive" cell.
    void clickCheckBox(QTableView* view, int row)
    {
        const QModelIndex index = view->model()->index(row, 0);
        QStyleOptionViewItem option;
        option.initFrom(view);
        option.rect = view->visualRect(index);
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        const QRect box = view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
    }

    QPointer<RulesDrawer> drawer;
};

TEST_F(RulesDialogTest, ATwoStepRuleBuiltInTheDrawerIsPreviewedInOrder)
{
    addFile(QStringLiteral("a.txt"));
    ASSERT_TRUE(drawer->isOpen());
    EXPECT_TRUE(enabled("addButton"));
    EXPECT_FALSE(enabled("saveRuleButton"));
    EXPECT_FALSE(enabled("clearAllButton"));

    showReplaceAll();
    click(button(drawer, msg("Add")));
    ASSERT_EQ(state.rules.size(), 1);
    EXPECT_TRUE(enabled("clearButton"));
    EXPECT_TRUE(enabled("updateRuleButton"));
    EXPECT_FALSE(enabled("moveUp"));
    EXPECT_FALSE(enabled("moveDown"));

    showInsertAtBeginning();
    click(button(drawer, msg("Add")));
    ASSERT_EQ(state.rules.size(), 2);
    QTableView* table = drawer->table();
    ASSERT_EQ(table->model()->rowCount(), 2);
    EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 1);
    EXPECT_TRUE(enabled("moveUp"));
    EXPECT_FALSE(enabled("moveDown"));
    EXPECT_TRUE(enabled("saveRuleButton"));
    // The method by its tab's name and what the step does, never the stored names.
    EXPECT_EQ(table->model()->index(0, 1).data().toString(), msg("TABREPLACEREMOVE"));
    EXPECT_EQ(table->model()->index(0, 2).data().toString(), QStringLiteral("Replace 'a' with 'b', every occurrence"));
    EXPECT_EQ(table->model()->index(1, 1).data().toString(), msg("TABINSERTDELETE"));
    EXPECT_EQ(table->model()->index(1, 2).data().toString(), QStringLiteral("Insert 'a' at the beginning"));
    EXPECT_EQ(table->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));

    EXPECT_TRUE(drawer->controller().routesPreviewToRules());
    EXPECT_EQ(previewRule(), QStringList{QStringLiteral("ab.txt")});

    // Switching the replace step off: only the insert runs.
    clickCheckBox(table, 0);
    EXPECT_EQ(state.rules.at(0).value(QStringLiteral("isActive")).toString(), QStringLiteral("0"));
    EXPECT_EQ(table->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    EXPECT_EQ(previewRule(), QStringList{QStringLiteral("aa.txt")});

    // The other order: insert first, then replace every "a".
    clickCheckBox(table, 0);
    clickRow(table, 1, 1);
    click(button(drawer, msg("ACTIONMOVEUP")));
    EXPECT_EQ(state.rules.at(0).value(QStringLiteral("type")).toString(), QStringLiteral("Insert"));
    EXPECT_EQ(previewRule(), QStringList{QStringLiteral("bb.txt")});
}

TEST_F(RulesDialogTest, SelectingAStepLoadsItIntoTheWindowAndAPassDisablesTheDrawer)
{
    buildTwoSteps();
    state.settings.setInteger(QStringLiteral("selectedTab"), 5);
    clickRow(drawer->table(), 0, 1);
    EXPECT_EQ(state.selectedTab(), 2);
    EXPECT_EQ(state.settings.text(QStringLiteral("replaceRemoveWith")), QStringLiteral("b"));
    EXPECT_GT(ui.settingsRefreshes, 0);

    drawer->setIsExecuting(true);
    for (const char* name : {"addButton", "updateRuleButton", "clearButton", "clearAllButton", "moveUp", "moveDown",
                             "openRuleButton", "saveRuleButton"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_FALSE(drawer->table()->isEnabled());
    drawer->setIsExecuting(false);
    EXPECT_TRUE(drawer->table()->isEnabled());
    EXPECT_TRUE(enabled("addButton"));
    EXPECT_TRUE(enabled("clearButton"));
    EXPECT_TRUE(enabled("moveDown"));
    EXPECT_FALSE(enabled("moveUp"));

    // A closed drawer loads nothing into the window.
    drawer->setOpen(false);
    EXPECT_FALSE(drawer->isOpen());
    EXPECT_FALSE(drawer->controller().routesPreviewToRules());
    state.settings.setInteger(QStringLiteral("selectedTab"), 5);
    drawer->controller().tableViewSelectionDidChange(1);
    EXPECT_EQ(state.selectedTab(), 5);
}

TEST_F(RulesDialogTest, ARuleFileThatCannotBeWrittenIsReportedAndLeavesNothing)
{
    buildTwoSteps();
    const QString blocker = tree.file(QStringLiteral("not-a-folder"), "x");
    ui.savePanelAnswers = {blocker + QStringLiteral("/rule.qvrule")};
    click(button(drawer, msg("Save...")));
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().style, AlertStyle::Critical);
    EXPECT_EQ(ui.alerts.first().message, msg("RULESETTINGSFILEUNABLETOSAVE"));
    EXPECT_EQ(tree.read(QStringLiteral("not-a-folder")), QByteArray("x"));

    // A writable place works, and the file opens again in the drawer.
    const QString good = tree.at(QStringLiteral("Rules/chain.qvrule"));
    ui.savePanelAnswers = {good};
    click(button(drawer, msg("Save...")));
    EXPECT_EQ(ui.statusMessages.value(0), msg("RULESETTINGSFILESAVEDSUCCESS"));
    click(button(drawer, msg("Clear All")));
    EXPECT_TRUE(state.rules.isEmpty());
    EXPECT_EQ(drawer->table()->model()->rowCount(), 0);
    ui.openPanelAnswers = {{good}};
    click(button(drawer, msg("Open...")));
    ASSERT_EQ(state.rules.size(), 2);
    EXPECT_EQ(drawer->table()->selectionModel()->selectedRows().value(0).row(), 0);
}

TEST_F(RulesDialogTest, TheSheetShowsTheStepAsAnOutlineAndPreviewRunsTheRule)
{
    addFile(QStringLiteral("a.txt"));
    buildTwoSteps();
    drawer->setOpen(false);

    auto* sheet = new RulesSheet(state, ui, &window);
    QPointer<RulesSheet> guard = sheet;
    sheet->previewDelayMs = 0;
    sheet->open();
    EXPECT_EQ(sheet->table()->selectionModel()->selectedRows().value(0).row(), 0);
    QAbstractItemModel* outline = sheet->outline()->model();
    ASSERT_EQ(outline->rowCount(), 1);
    const QModelIndex root = outline->index(0, 0);
    EXPECT_EQ(root.data().toString(), QStringLiteral("Replace"));
    ASSERT_GT(outline->rowCount(root), 0);
    EXPECT_EQ(outline->index(0, 0, root).data().toString(), QStringLiteral("Find"));
    EXPECT_EQ(outline->index(0, 1, root).data().toString(), QStringLiteral("'a'"));
    EXPECT_TRUE(sheet->outline()->isExpanded(root));
    EXPECT_FALSE(sheet->findChild<QPushButton*>(QStringLiteral("moveUp"))->isEnabled());

    state.settings.setInteger(QStringLiteral("selectedTab"), 5);
    clickRow(sheet->table(), 1, 1);
    EXPECT_EQ(outline->index(0, 0).data().toString(), QStringLiteral("Insert"));
    EXPECT_EQ(state.selectedTab(), 5); // the sheet loads nothing into the window

    click(button(sheet, msg("ACTIONPREVIEW")));
    EXPECT_TRUE(sheet->isHidden());
    ASSERT_TRUE(waitFor([&] { return ui.passesStarted == 1; })) << "the rule preview did not start";
    PassRunner::waitUntilIdle(state);
    EXPECT_EQ(state.list.files.at(0).newFilename, QStringLiteral("ab.txt"));
    settle();
    EXPECT_TRUE(guard.isNull());
}

TEST_F(RulesDialogTest, TheRulesMenuIsRebuiltFromTheRulesFolderEachTimeItOpens)
{
    buildTwoSteps();
    ASSERT_TRUE(RuleFile::write(tree.at(QStringLiteral("Rules/Photos & more.qvrule")), state.rules));
    tree.file(QStringLiteral("Rules/notes.txt"), "x");
    state.rules.clear();
    drawer->resetData(true);
    drawer->setOpen(false);

    QMenu menu;
    QStringList chosen;
    RulesMenu::attach(&menu, state, [&](const QString& path) {
        chosen.append(path);
        drawer->ruleMenuItemClick(path);
    });
    emit menu.aboutToShow();
    ASSERT_EQ(menu.actions().size(), 1);
    QAction* item = menu.actions().first();
    const QString path = tree.at(QStringLiteral("Rules/Photos & more.qvrule"));
    EXPECT_EQ(item->text(), QStringLiteral("Photos && more"));
    EXPECT_EQ(item->data().toString(), path);
    EXPECT_EQ(item->toolTip(), path);

    item->trigger();
    EXPECT_EQ(chosen, QStringList{path});
    EXPECT_EQ(state.rules.size(), 2);
    EXPECT_TRUE(drawer->isOpen());
    EXPECT_FALSE(drawer->isHidden());

    // A file added later appears the next time the menu opens.
    ASSERT_TRUE(RuleFile::write(tree.at(QStringLiteral("Rules/Second.qvrule")), state.rules));
    emit menu.aboutToShow();
    EXPECT_EQ(menu.actions().size(), 2);
}

} // namespace
