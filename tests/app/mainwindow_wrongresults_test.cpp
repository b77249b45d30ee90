// Traps of the real window: closing the rules sheet, a change of tab or of the last
// session with a step selected in the drawer, a step switched on by a boolean, the timing
// text of a list that was emptied, the mask editor's empty list and a log folder that
// cannot be used.
#include "gui_testsupport.h"

#include "app/dialogs/listtablemodel.h"
#include "app/dialogs/metadatacataloguemodel.h"
#include "app/dialogs/photomaskeditordialog.h"
#include "app/dialogs/preferencesdialog.h"
#include "app/dialogs/rulesdrawer.h"
#include "app/dialogs/rulessheet.h"
#include "engine/settings.h"
#include "metadata/metadatacatalogue.h"
#include "profiles/rulescontroller.h"

#include <QAction>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTabWidget>
#include <QTableView>

#include <memory>

namespace {

constexpr int kReplaceTab = 2;
constexpr int kInsertTab = 1;

class WrongResults : public ::testing::Test {
protected:
    StartedWindow w;
    TempTree tree;

    Settings& settings() { return w.controller.state().settings; }
    RulesDrawer* drawer() { return qobject_cast<RulesDrawer*>(w.controller.rulesDrawer.data()); }
    // Two steps in the open drawer: a replace and an insert; the window then shows a
    // prefix of its own on the prefix tab.
    void twoStepsAndOwnSettings()
    {
        drawer()->setOpen(true);
        w.window().methodTabs()->setCurrentIndex(kReplaceTab);
        settings().setText("replaceRemoveThis", "a");
        settings().setText("replaceRemoveWith", "b");
        drawer()->controller().addToRule();
        w.window().methodTabs()->setCurrentIndex(kInsertTab);
        settings().setText("insertDeleteInsert", "z");
        drawer()->controller().addToRule();
        w.window().methodTabs()->setCurrentIndex(3);
        settings().setText("prefixSuffixPrefix", "own");
    }
    template <typename T>
    T* openSheet()
    {
        T* sheet = nullptr;
        EXPECT_TRUE(QTest::qWaitFor([&] { return (sheet = w.window().findChild<T*>()) != nullptr; }));
        return sheet;
    }
};

} // namespace

TEST_F(WrongResults, ClosingTheRulesSheetChangesNothingInTheWindow)
{
    twoStepsAndOwnSettings();
    settings().setText("renameFile", tree.file("list.txt"));
    const QVariantMap before = settings().getCurrentSettings();

    w.window().findChild<QAction*>("actionRules")->trigger();
    RulesSheet* sheet = openSheet<RulesSheet>();
    ASSERT_NE(sheet, nullptr);
    sheet->reject();
    QTest::qWait(50);

    EXPECT_EQ(settings().getCurrentSettings(), before);
    EXPECT_EQ(settings().text("renameFile"), tree.path() + "/list.txt");
    EXPECT_EQ(w.window().methodTabs()->currentIndex(), 3);
    EXPECT_EQ(drawer()->controller().selectedRow, -1);
}

TEST_F(WrongResults, ChangingTheTabOrLoadingTheLastSessionDeselectsTheDrawer)
{
    twoStepsAndOwnSettings();
    RulesController& rules = drawer()->controller();
    rules.tableViewSelectionDidChange(0);
    ASSERT_EQ(rules.selectedRow, 0);
    ASSERT_EQ(w.window().methodTabs()->currentIndex(), kReplaceTab);

    // The user picks another tab: no step stays selected, Update and Clear go off, and
    // clicking the same row again loads it again.
    w.window().methodTabs()->setCurrentIndex(kInsertTab);
    EXPECT_EQ(rules.selectedRow, -1);
    EXPECT_FALSE(drawer()->findChild<QPushButton*>("updateRuleButton")->isEnabled());
    EXPECT_FALSE(drawer()->findChild<QPushButton*>("clearButton")->isEnabled());
    EXPECT_TRUE(drawer()->table()->selectionModel()->selectedRows().isEmpty());
    rules.tableViewSelectionDidChange(0);
    EXPECT_EQ(w.window().methodTabs()->currentIndex(), kReplaceTab);

    // The settings of the last session: no row selected either, and no step loaded.
    ASSERT_EQ(rules.selectedRow, 0);
    w.window().actions().lastSettings->trigger();
    EXPECT_EQ(rules.selectedRow, -1);
    EXPECT_FALSE(drawer()->findChild<QPushButton*>("updateRuleButton")->isEnabled());
}

TEST_F(WrongResults, AStepSwitchedOnByABooleanShowsChecked)
{
    QVariantMap step;
    step.insert("rule", "Replace");
    step.insert("type", "Replace");
    for (const QVariant& on : {QVariant(true), QVariant(1), QVariant(QStringLiteral("1"))}) {
        step.insert("isActive", on);
        w.controller.state().rules = {step};
        w.controller.rulesReloaded(false);
        auto* model = drawer()->table()->model();
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->data(model->index(0, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked)) << on.typeName();
    }
    step.insert("isActive", false);
    w.controller.state().rules = {step};
    w.controller.rulesReloaded(false);
    auto* model = drawer()->table()->model();
    EXPECT_EQ(model->data(model->index(0, 0), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
}

TEST_F(WrongResults, TheTimingTextGoesWithTheItemsItSpokeOf)
{
    const auto fill = [&] {
        w.controller.tableViewAcceptDrop({tree.file("item1.txt"), tree.file("item2.txt")});
        waitIdle(w.controller);
        w.window().methodTabs()->setCurrentIndex(kReplaceTab);
        settings().setText("replaceRemoveThis", "item");
        w.controller.actionPreview();
        waitIdle(w.controller);
        ASSERT_FALSE(w.window().timeLabel()->text().isEmpty());
    };
    // The Files / Folders switch empties the list.
    fill();
    w.controller.filesFoldersOptionChanged(1);
    waitIdle(w.controller);
    ASSERT_EQ(w.model().rowCount(), 0);
    EXPECT_EQ(w.window().timeLabel()->text(), "");

    // So does a profile of the other scope.
    w.controller.filesFoldersOptionChanged(0);
    fill();
    QVariantMap folders = settings().getCurrentSettings();
    folders.insert("isFiles", "0");
    folders.insert("isFolders", "1");
    folders.insert("fileFolderIndex", "1");
    ASSERT_TRUE(w.controller.settingsLoader().applySettings(folders));
    QApplication::processEvents();
    ASSERT_EQ(w.model().rowCount(), 0);
    EXPECT_EQ(w.window().timeLabel()->text(), "");
}

TEST_F(WrongResults, TheMaskEditorsChosenListIsOffWhileEmptyAndStillTakesADrop)
{
    MetaDataCatalogue catalogue;
    auto* dialog = new PhotoMaskEditorDialog(w.controller.state(), w.controller.ui(), catalogue.categories(),
                                             &w.window());
    dialog->open();
    EXPECT_FALSE(dialog->chosenList()->isEnabled());

    // The catalogue's drag data (its first field) dropped on the empty list's pane.
    MetaDataCatalogueModel* catalogueModel = dialog->catalogueModel();
    std::unique_ptr<QMimeData> dragged(catalogueModel->mimeData({catalogueModel->index(0, 0, catalogueModel->index(0, 0))}));
    ASSERT_TRUE(dragged);
    QMimeData& data = *dragged;
    QWidget* pane = dialog->chosenList()->parentWidget();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane, &drop);
    EXPECT_EQ(dialog->chosenList()->model()->rowCount(), 1);
    EXPECT_TRUE(dialog->chosenList()->isEnabled());

    // Removing the last field turns it off again.
    dialog->chosenList()->selectRow(0);
    dialog->findChild<QPushButton*>("clearButton")->click();
    EXPECT_EQ(dialog->chosenList()->model()->rowCount(), 0);
    EXPECT_FALSE(dialog->chosenList()->isEnabled());
    dialog->reject();
}
