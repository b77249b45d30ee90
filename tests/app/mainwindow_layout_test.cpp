// The window's layout: what comes back at the next launch (size, split, column widths),
// where the list's spare width goes, and what the default and the smallest window show.
#include "gui_testsupport.h"

#include "app/dialogs/rulesdrawer.h"
#include "app/dialogs/dialogwiring.h"
#include "platform/edition.h"

#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>

namespace {

QList<int> columnWidths(MainWindow& window)
{
    QList<int> widths;
    const QHeaderView* header = window.table()->horizontalHeader();
    for (int column = 1; column < 4; ++column)
        widths << header->sectionSize(column);
    return widths;
}

// Whether a method tab's page shows a scroll bar (each page is a scroll area).
bool scrolls(QWidget* page)
{
    auto* area = qobject_cast<QScrollArea*>(page);
    return area && (area->verticalScrollBar()->isVisible() || area->horizontalScrollBar()->isVisible());
}

void settle(QWidget& window)
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    window.update();
}

} // namespace

TEST(WindowLayout, SizeSplitAndColumnWidthsComeBackAtTheNextLaunch)
{
    FreshHome home;
    QRect geometry;
    QList<int> split;
    QList<int> widths;
    {
        QuorvelAppController c;
        ASSERT_TRUE(c.startUp());
        MainWindow& window = c.mainWindow();
        window.show();
        window.resize(1111, 777);
        settle(window);
        window.splitter()->setSizes({300, 400});
        window.table()->horizontalHeader()->resizeSection(3, 150); // Location, narrowed
        window.table()->horizontalHeader()->resizeSection(1, 310);
        settle(window);
        geometry = window.geometry();
        split = window.splitter()->sizes();
        widths = columnWidths(window);
        c.quit();
    }
    {
        QuorvelAppController c;
        ASSERT_TRUE(c.startUp());
        MainWindow& window = c.mainWindow();
        EXPECT_EQ(window.size(), geometry.size());
        EXPECT_EQ(columnWidths(window), widths);
        window.show();
        settle(window);
        EXPECT_EQ(window.splitter()->sizes(), split);
        EXPECT_EQ(window.table()->horizontalHeader()->sectionSize(3), 150);
    }

    // The earlier edition starts with the default layout whatever the store holds.
    struct BackToQuorvel {
        ~BackToQuorvel() { Edition::select(Edition::Kind::Quorvel); }
    } backToQuorvel;
    Edition::select(Edition::Kind::Quorvel2);
    QuorvelAppController earlier;
    ASSERT_TRUE(earlier.startUp());
    EXPECT_NE(earlier.mainWindow().size(), geometry.size());
}

TEST(WindowLayout, TheNameColumnsShareTheSpareWidthAndLocationKeepsItsOwn)
{
    StartedWindow w;
    MainWindow& window = w.window();
    window.show();
    window.resize(1000, 760);
    settle(window);
    const QList<int> before = columnWidths(window);
    window.resize(1300, 760);
    settle(window);
    const QList<int> after = columnWidths(window);
    EXPECT_EQ(after[2], before[2]) << "Location took the spare width";
    EXPECT_GT(after[0], before[0] + 100);
    EXPECT_GT(after[1], before[1] + 100);
    EXPECT_LE(std::abs((after[0] - before[0]) - (after[1] - before[1])), 1);
    // The columns fill the list exactly: no gap, no horizontal scroll.
    const QHeaderView* header = window.table()->horizontalHeader();
    EXPECT_EQ(header->length(), window.table()->viewport()->width());
}

TEST(WindowLayout, TheDefaultWindowShowsFifteenRowsAndEveryTabWithoutScrolling)
{
    StartedWindow w;
    MainWindow& window = w.window();
    window.show();
    settle(window);
    FileTableView& table = w.table();
    const int rowHeight = table.verticalHeader()->defaultSectionSize();
    EXPECT_GE(table.viewport()->height() / rowHeight, 15) << "rows shown: " << table.viewport()->height() / rowHeight;

    // At 1280×800 every method tab fits, the photo tab included.
    window.resize(1280, 800);
    settle(window);
    QTabWidget* tabs = window.methodTabs();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        settle(window);
        EXPECT_FALSE(scrolls(tabs->widget(tab))) << "tab " << tab << " scrolls at 1280x800";
    }

    // At the smallest size the options keep room to work in and the list shows a few rows.
    window.resize(window.minimumSizeHint());
    settle(window);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        settle(window);
        auto* area = qobject_cast<QScrollArea*>(tabs->widget(tab));
        ASSERT_NE(area, nullptr);
        EXPECT_GE(area->viewport()->height(), 120) << "tab " << tab << " at the smallest size";
        EXPECT_GE(area->viewport()->width(), 400) << "tab " << tab << " at the smallest size";
    }
    EXPECT_GE(table.viewport()->height() / rowHeight, 3);
}

TEST(WindowLayout, OpeningTheRulesDrawerLeavesTheMethodTabsUnscrolled)
{
    StartedWindow w;
    MainWindow& window = w.window();
    window.resize(1280, 800);
    window.show();
    settle(window);
    RulesDrawer* drawer = Dialogs::rulesDrawer(w.controller);
    ASSERT_NE(drawer, nullptr);
    drawer->setOpen(true);
    settle(window);
    QTabWidget* tabs = window.methodTabs();
    for (int tab = 0; tab < tabs->count(); ++tab) {
        tabs->setCurrentIndex(tab);
        settle(window);
        EXPECT_FALSE(scrolls(tabs->widget(tab))) << "tab " << tab << " scrolls beside the drawer";
    }
}
