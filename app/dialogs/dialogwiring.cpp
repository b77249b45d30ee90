#include "app/dialogs/dialogwiring.h"

#include "app/dialogs/exportdialog.h"
#include "app/dialogs/helpwindow.h"
#include "app/dialogs/preferencesdialog.h"
#include "app/dialogs/profilesdialog.h"
#include "app/dialogs/rulesdrawer.h"
#include "app/dialogs/rulesmenu.h"
#include "app/dialogs/rulessheet.h"
#include "app/dialogs/undodialog.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "app/quorvelappcontroller.h"
#include "intake/exportsheetcontroller.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "profiles/rulefile.h"
#include "profiles/rulesteps.h"
#include "undo/undosheetcontroller.h"

#include <QAction>
#include <QMenu>

namespace Dialogs {

RulesDrawer* rulesDrawer(QuorvelAppController& controller)
{
    return qobject_cast<RulesDrawer*>(controller.rulesDrawer.data());
}

void showUndo(QuorvelAppController& controller)
{
    if (controller.state().isExecuting.load())
        return;
    auto* sheet = new UndoDialog(controller.state(), controller.ui(), controller.window());
    // Undo renamed items on disk that may be listed: the list shows them as they are now.
    sheet->didFinish = [&controller](int) { controller.reloadTable(); };
    sheet->open();
}

void undoLastRename(QuorvelAppController& controller)
{
    if (controller.state().isExecuting.load())
        return;
    UndoSheetController undo(controller.state(), controller.ui());
    undo.loadUserLogFiles();
    if (undo.logFiles().isEmpty()) {
        controller.ui().alert(AlertStyle::Informational, msg("UNDOLASTRENAME"), msg("UNDOLASTRENAMENOLOG"));
        return;
    }
    const LogFileEntry newest = undo.logFiles().first(); // listed newest first
    const QString answer =
        controller.ui().alert(AlertStyle::Warning, msgN("UNDOLASTRENAMECONFIRM", newest.filesCount),
                              msg("UNDOLASTRENAMEDETAIL").arg(newest.logFileName), {QStringLiteral("Undo"), QStringLiteral("CANCEL")});
    if (answer != QLatin1String("Undo"))
        return;
    undo.undoLogFile(newest.logFilePath);
    // The undone items may be listed: the list shows them as they are now.
    controller.reloadTable();
}

void showProfiles(QuorvelAppController& controller)
{
    if (controller.state().isExecuting.load())
        return;
    auto* sheet = new ProfilesDialog(controller.state(), controller.ui(), controller.profileCommands(),
                                     controller.settingsLoader(), controller.window());
    sheet->open();
}

void showRulesSheet(QuorvelAppController& controller)
{
    if (controller.state().isExecuting.load())
        return;
    auto* sheet = new RulesSheet(controller.state(), controller.ui(), controller.window());
    // The sheet edits the steps the drawer shows; closing it loads no step into the window.
    sheet->didFinish = [&controller, before = controller.state().rules](int) {
        if (RulesDrawer* drawer = rulesDrawer(controller))
            drawer->controller().rulesReplaced();
        if (controller.state().rules != before)
            controller.rulesEdited();
    };
    sheet->open();
}

void showPreferences(QuorvelAppController& controller)
{
    if (controller.state().isExecuting.load())
        return;
    (new PreferencesDialog(controller.state(), controller.ui(), controller.window()))->open();
}

void showExport(QuorvelAppController& controller)
{
    if (!ExportSheetController::showExport(controller.state(), controller.ui()))
        return;
    (new ExportDialog(controller.state(), controller.ui(), controller.window()))->open();
}

} // namespace Dialogs

namespace {

QAction* addCommand(QMenu* menu, QAction* before, const QString& text, const char* name, std::function<void()> run)
{
    auto* action = new QAction(text, menu);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, menu, [run = std::move(run)] { run(); });
    menu->insertAction(before, action);
    return action;
}

RulesDrawer* makeRulesDrawer(QuorvelAppController& controller)
{
    QMainWindow* window = controller.window();
    auto* drawer = new RulesDrawer(controller.state(), controller.ui(), window);
    window->addDockWidget(Qt::RightDockWidgetArea, drawer);
    drawer->setOpen(false);
    controller.rulesDrawer = drawer;
    QObject::connect(&controller, &QuorvelAppController::executingChanged, drawer,
                     [drawer](bool executing) { drawer->setIsExecuting(executing); });
    QObject::connect(&controller, &QuorvelAppController::methodTabChanged, drawer,
                     [drawer](int tab) { drawer->controller().methodTabChanged(tab); });
    QObject::connect(&controller, &QuorvelAppController::profileLoaded, drawer,
                     [drawer](int tab) { drawer->controller().profileLoaded(tab); });
    QObject::connect(&controller, &QuorvelAppController::rulesReloaded, drawer,
                     [drawer](bool) { drawer->controller().rulesReplaced(); });
    // Every change of the chain in the drawer (steps added, updated, removed, moved,
    // switched on or off, files opened) asks for a new preview.
    drawer->controller().chainEdited = [c = &controller] { c->rulesEdited(); };
    // Opening or closing the drawer decides whether the rule or the tab names the list.
    QObject::connect(drawer, &QDockWidget::visibilityChanged, &controller.mainWindow(),
                     &MainWindow::updateCommands);
    return drawer;
}

} // namespace

void attachDialogs(QuorvelAppController& controller)
{
    MainWindow& window = controller.mainWindow();
    if (window.findChild<QAction*>(QStringLiteral("showProfiles")))
        return; // attached already
    const MainWindow::Actions& a = window.actions();
    QuorvelAppController* c = &controller;
    controller.helpViewer = [](const QString& page) { HelpWindow::show(page); };
    RulesDrawer* drawer = Edition::current().hasRulesDrawer ? makeRulesDrawer(controller) : nullptr;

    // File: the profiles sheet before the profile commands, export before Quit.
    addCommand(window.fileMenu(), a.loadProfile, msg("Profiles..."), "showProfiles",
               [c] { Dialogs::showProfiles(*c); });
    addCommand(window.fileMenu(), a.quit, msg("Export..."), "showExport", [c] { Dialogs::showExport(*c); });
    window.fileMenu()->insertSeparator(a.quit);

    // Rules: add a step, the drawer, the sheet, and the saved rules.
    QMenu* rules = window.rulesMenu();
    addCommand(rules, nullptr, msg("Add Step to Rule"), "addToRule", [c, drawer] {
        const qsizetype before = c->state().rules.size();
        if (drawer)
            drawer->controller().addToRule();
        else
            RuleSteps::addToRule(c->state(), c->ui());
        // The drawer may be closed: the step is told, with the count, where it is seen.
        if (c->state().rules.size() > before)
            c->stepAdded();
    });
    if (drawer) {
        QAction* toggle = drawer->toggleViewAction();
        toggle->setObjectName(QStringLiteral("toggleRulesDrawer"));
        rules->addAction(toggle);
        window.setRulesDrawerToggle(toggle);
        QObject::connect(toggle, &QAction::triggered, &window, &MainWindow::updateCommands);
    }
    addCommand(rules, nullptr, msg("Rules..."), "actionRules", [c] { Dialogs::showRulesSheet(*c); });
    rules->addSeparator();
    QMenu* saved = rules->addMenu(msg("Saved Rules"));
    saved->setObjectName(QStringLiteral("savedRulesMenu"));
    RulesMenu::attach(saved, controller.state(), [c, drawer](const QString& path) {
        if (drawer)
            drawer->ruleMenuItemClick(path);
        else
            RuleFile::loadRulesFromFile(c->state(), c->ui(), path, false);
    });

    // Edit: undo of the newest rename, above the list commands.
    QMenu* edit = window.editMenu();
    QAction* firstEdit = edit->actions().value(0);
    QAction* undoLast = addCommand(edit, firstEdit, msg("UNDOLASTRENAME"), "undoLastRename",
                                   [c] { Dialogs::undoLastRename(*c); });
    undoLast->setShortcut(QKeySequence::Undo);
    edit->insertSeparator(firstEdit);

    // Tools: undo and preferences.
    addCommand(window.toolsMenu(), nullptr, msg("Undo..."), "actionUndo", [c] { Dialogs::showUndo(*c); });
    QAction* preferences = addCommand(window.toolsMenu(), nullptr, msg("Preferences..."), "showPreferences",
                                      [c] { Dialogs::showPreferences(*c); });
    preferences->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    preferences->setMenuRole(QAction::PreferencesRole);

    // Help: the contents, before the tab's help.
    addCommand(window.helpMenu(), a.help, msg("Help Contents"), "showHelp",
               [] { HelpWindow::show(QStringLiteral("index.html")); });
}
