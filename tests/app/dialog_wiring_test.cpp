// The dialogs attached to the real window: the menu commands open their sheets (none while
// a pass runs), the rules drawer docks closed and follows the controller's signals, the
// help viewer is the help window, and the earlier edition gets no drawer.
#include "app/dialogs/dialogwiring.h"
#include "app/dialogs/exportdialog.h"
#include "app/dialogs/helpwindow.h"
#include "app/dialogs/preferencesdialog.h"
#include "app/dialogs/profilesdialog.h"
#include "app/dialogs/rulesdrawer.h"
#include "app/dialogs/rulessheet.h"
#include "app/dialogs/undodialog.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "app/quorvelappcontroller.h"
#include "platform/edition.h"
#include "testpaths.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A data and configuration home of the test's own.
class PrivateHome {
public:
    PrivateHome()
    {
        saved_[0] = qgetenv("XDG_DATA_HOME");
        saved_[1] = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_DATA_HOME", (dir_.path() + QStringLiteral("/data")).toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (dir_.path() + QStringLiteral("/config")).toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.path() + QStringLiteral("/config"));
    }
    ~PrivateHome()
    {
        qputenv("XDG_DATA_HOME", saved_[0]);
        qputenv("XDG_CONFIG_HOME", saved_[1]);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromLocal8Bit(saved_[1]));
    }

private:
    QTemporaryDir dir_;
    QByteArray saved_[2];
};

// Selects an edition for the test's lifetime.
class EditionScope {
public:
    explicit EditionScope(Edition::Kind kind) { Edition::select(kind); }
    ~EditionScope() { Edition::select(Edition::Kind::Quorvel); }
};

QAction* command(QMainWindow& window, const char* name)
{
    auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

// The sheets of a kind that are open on the window now.
template <typename SheetType>
int openSheets(QMainWindow& window)
{
    int open = 0;
    for (SheetType* sheet : window.findChildren<SheetType*>())
        open += sheet->isVisible() ? 1 : 0;
    return open;
}

void closeSheets(QMainWindow& window)
{
    for (Sheet* sheet : window.findChildren<Sheet*>())
        sheet->reject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(DialogWiring, MenuCommandsOpenTheirSheetsAndTheDrawerFollowsTheController)
{
    PrivateHome home;
    QuorvelAppController controller;
    ASSERT_TRUE(controller.startUp());
    attachDialogs(controller); // the controller attached them already: nothing changes
    MainWindow& window = controller.mainWindow();
    window.show();
    EXPECT_EQ(window.findChildren<RulesDrawer*>().size(), 1);
    EXPECT_EQ(window.fileMenu()->findChildren<QAction*>(QStringLiteral("showProfiles")).size(), 1);

    RulesDrawer* drawer = Dialogs::rulesDrawer(controller);
    ASSERT_NE(drawer, nullptr);
    EXPECT_EQ(window.dockWidgetArea(drawer), Qt::RightDockWidgetArea);
    EXPECT_FALSE(drawer->isOpen());
    command(window, "toggleRulesDrawer")->trigger();
    EXPECT_TRUE(drawer->isOpen());
    // The window with the drawer beside it, to look at.
    window.resize(1200, 760);
    QCoreApplication::processEvents();
    QDir().mkpath(QStringLiteral(QUORVEL_BINARY_DIR "/screenshots"));
    EXPECT_TRUE(window.grab().save(QStringLiteral(QUORVEL_BINARY_DIR "/screenshots/MainWindowWithRulesDrawer.png")));

    emit controller.executingChanged(true);
    EXPECT_FALSE(drawer->table()->isEnabled());
    emit controller.executingChanged(false);
    EXPECT_TRUE(drawer->table()->isEnabled());

    command(window, "actionUndo")->trigger();
    EXPECT_EQ(openSheets<UndoDialog>(window), 1);
    closeSheets(window);
    command(window, "showProfiles")->trigger();
    EXPECT_EQ(openSheets<ProfilesDialog>(window), 1);
    closeSheets(window);
    command(window, "showPreferences")->trigger();
    EXPECT_EQ(openSheets<PreferencesDialog>(window), 1);
    closeSheets(window);
    command(window, "actionRules")->trigger();
    EXPECT_EQ(openSheets<RulesSheet>(window), 1);
    closeSheets(window);

    // Export with an empty list: the callout, no sheet.
    command(window, "showExport")->trigger();
    EXPECT_EQ(openSheets<ExportDialog>(window), 0);
    EXPECT_EQ(controller.ui().lastCalloutKey(), QStringLiteral("NOITEMSTOEXPORT"));

    // While a pass runs no sheet opens.
    controller.state().isExecuting = true;
    command(window, "actionUndo")->trigger();
    command(window, "showProfiles")->trigger();
    EXPECT_EQ(openSheets<UndoDialog>(window) + openSheets<ProfilesDialog>(window), 0);
    controller.state().isExecuting = false;

    // The saved rules menu lists the rules folder; the tab's help shows in the help window.
    auto* saved = window.findChild<QMenu*>(QStringLiteral("savedRulesMenu"));
    ASSERT_NE(saved, nullptr);
    emit saved->aboutToShow();
    EXPECT_TRUE(saved->actions().isEmpty());
    controller.state().settings.setInteger(QStringLiteral("selectedTab"), 2);
    controller.showTabHelp();
    EXPECT_TRUE(HelpWindow::instance()->isVisible());
    EXPECT_EQ(HelpWindow::instance()->currentPage(), QStringLiteral("Replace-Remove.html"));
    HelpWindow::instance()->hide();
}

TEST(DialogWiring, TheEarlierEditionManagesRulesInTheSheetOnly)
{
    EditionScope edition(Edition::Kind::Quorvel2);
    PrivateHome home;
    QuorvelAppController controller;
    ASSERT_TRUE(controller.startUp());
    attachDialogs(controller);
    MainWindow& window = controller.mainWindow();
    EXPECT_EQ(Dialogs::rulesDrawer(controller), nullptr);
    EXPECT_EQ(window.findChild<QAction*>(QStringLiteral("toggleRulesDrawer")), nullptr);

    Settings& settings = controller.state().settings;
    settings.setInteger(QStringLiteral("selectedTab"), 2);
    settings.setText(QStringLiteral("replaceRemoveThis"), QStringLiteral("x"));
    command(window, "addToRule")->trigger();
    EXPECT_EQ(controller.state().rules.size(), 1);
}

} // namespace
