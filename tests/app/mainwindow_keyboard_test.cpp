// The window driven from the keyboard: Tab walks the controls and leaves the list, the
// shortcuts reach their commands, Escape closes every sheet and the help window, and every
// title names the program once as the window system shows it.
#include "gui_testsupport.h"

#include "app/dialogs/helpwindow.h"
#include "app/dialogs/preferencesdialog.h"
#include "app/dialogs/sheet.h"
#include "engine/settings.h"
#include "platform/edition.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>

namespace {

// The title the window system shows: Qt appends " — " and the application's display name
// unless the title already ends with it.
QString shownTitle(const QWidget& window)
{
    const QString name = Edition::current().displayName;
    const QString title = window.windowTitle();
    return title.endsWith(name) ? title : title + QStringLiteral(" \u2014 ") + name;
}

void pressKeys(const QKeySequence& keys)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    const QKeyCombination combination = keys[0];
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
}

class Keyboard : public ::testing::Test {
protected:
    StartedWindow w;
    TempTree tree;

    void SetUp() override
    {
        ASSERT_TRUE(w.started);
        QGuiApplication::setApplicationDisplayName(Edition::current().displayName);
        w.window().show();
        QApplication::setActiveWindow(&w.window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window()));
    }
    void TearDown() override
    {
        HelpWindow::instance()->hide();
        for (Sheet* sheet : w.window().findChildren<Sheet*>())
            sheet->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace

TEST_F(Keyboard, TabLeavesTheListAndWalksTheWindowsControlsInOrder)
{
    w.controller.tableViewAcceptDrop({tree.file("a1.txt"), tree.file("a2.txt"), tree.file("a3.txt")});
    waitIdle(w.controller);
    ASSERT_EQ(w.model().rowCount(), 3);

    w.table().setFocus(Qt::TabFocusReason);
    ASSERT_EQ(QApplication::focusWidget(), &w.table());
    pressKeys(QKeySequence(Qt::Key_Tab));
    EXPECT_NE(QApplication::focusWidget(), &w.table()) << "Tab walked inside the list";

    // One round of Tab from the list comes back to it, passing the method tabs, the
    // Preview and Rename buttons and the scope choice, in that order.
    QList<QWidget*> walk;
    w.table().setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 80; ++i) {
        pressKeys(QKeySequence(Qt::Key_Tab));
        QWidget* now = QApplication::focusWidget();
        if (now == &w.table())
            break;
        walk << now;
    }
    ASSERT_EQ(QApplication::focusWidget(), &w.table()) << "one round of Tab did not come back to the list";
    auto position = [&](QWidget* control) { return walk.indexOf(control); };
    const int tabBar = position(w.window().methodTabs()->tabBar());
    const int preview = position(w.window().findChild<QPushButton*>(QStringLiteral("previewButton")));
    const int apply = position(w.window().findChild<QPushButton*>(QStringLiteral("applyButton")));
    const int scope = position(w.window().control(QStringLiteral("fileFolderIndex")));
    ASSERT_GE(tabBar, 0);
    ASSERT_GE(preview, 0);
    ASSERT_GE(scope, 0);
    EXPECT_LT(tabBar, preview);
    EXPECT_LT(preview, scope);
    // Rename is reachable once there is something to rename; it follows Preview.
    if (apply >= 0) {
        EXPECT_LT(preview, apply);
    }
    // The controls of the shown method lie between the tab bar and the buttons.
    QWidget* replaceThis = w.window().control(QStringLiteral("replaceRemoveThis"));
    w.window().methodTabs()->setCurrentIndex(2);
    w.table().setFocus(Qt::TabFocusReason);
    bool reached = false;
    for (int i = 0; i < 80 && !reached; ++i) {
        pressKeys(QKeySequence(Qt::Key_Tab));
        reached = QApplication::focusWidget() == replaceThis;
    }
    EXPECT_TRUE(reached) << "Tab never reached the Replace field";
}

TEST_F(Keyboard, ShortcutsOpenPreferencesAndTheMethodsHelpAndEscapeClosesEverySheet)
{
    // Ctrl+, opens the preferences.
    pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    int shownPreferences = 0;
    for (PreferencesDialog* dialog : w.window().findChildren<PreferencesDialog*>())
        shownPreferences += dialog->isVisible() ? 1 : 0;
    EXPECT_EQ(shownPreferences, 1) << "Ctrl+, opened no preferences";

    // Every sheet the menus open closes on Escape, whichever control has the focus, and
    // its title names the program once.
    for (const char* name : {"showPreferences", "showProfiles", "actionUndo", "actionRules"}) {
        for (Sheet* sheet : w.window().findChildren<Sheet*>())
            sheet->reject();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        w.window().findChild<QAction*>(QString::fromLatin1(name))->trigger();
        Sheet* open = nullptr;
        for (Sheet* sheet : w.window().findChildren<Sheet*>())
            open = sheet->isVisible() ? sheet : open;
        ASSERT_NE(open, nullptr) << name;
        QApplication::setActiveWindow(open);
        EXPECT_TRUE(QTest::qWaitForWindowActive(open)) << name;
        EXPECT_EQ(shownTitle(*open).count(Edition::current().displayName), 1) << shownTitle(*open).toStdString();
        pressKeys(QKeySequence(Qt::Key_Escape));
        EXPECT_FALSE(open->isVisible()) << name << " stayed open on Escape";
    }

    // F1 opens the help page of the method shown, Prefix and Suffix included.
    QApplication::setActiveWindow(&w.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window()));
    const QStringList pages = {"Alphabetic-numerical-sequence-renaming.html", "Insert-Delete.html", "Replace-Remove.html",
                               "Prefix-Suffix.html"};
    for (int tab = 0; tab < pages.size(); ++tab) {
        w.window().methodTabs()->setCurrentIndex(tab);
        QApplication::setActiveWindow(&w.window());
        w.window().methodTabs()->tabBar()->setFocus();
        pressKeys(QKeySequence(Qt::Key_F1));
        HelpWindow* help = HelpWindow::instance();
        ASSERT_TRUE(help->isVisible()) << tab;
        EXPECT_EQ(help->currentPage(), pages[tab]);
        EXPECT_EQ(shownTitle(*help).count(Edition::current().displayName), 1) << shownTitle(*help).toStdString();
        // The help window closes with Escape, Ctrl+W and its Close button.
        QApplication::setActiveWindow(help);
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        help->browser()->setFocus();
        pressKeys(tab % 2 ? QKeySequence(Qt::Key_Escape) : QKeySequence(QKeySequence::Close));
        EXPECT_FALSE(help->isVisible()) << tab;
    }
    HelpWindow::show(QStringLiteral("index.html"));
    auto* close = HelpWindow::instance()->findChild<QPushButton*>(QStringLiteral("helpCloseButton"));
    ASSERT_NE(close, nullptr);
    close->click();
    EXPECT_FALSE(HelpWindow::instance()->isVisible());

    // The main window's title names the program once, after the profile.
    EXPECT_EQ(shownTitle(w.window()), msg("DEFAULT") + QStringLiteral(" \u2014 ") + Edition::current().displayName);
}

TEST_F(Keyboard, CtrlZAsksAndUndoesTheNewestRename)
{
    ModalAnswerer answers;
    // Nothing renamed yet: Ctrl+Z says there is nothing to undo.
    w.table().setFocus(Qt::OtherFocusReason);
    pressKeys(QKeySequence(QKeySequence::Undo));
    ASSERT_EQ(answers.seen.size(), 1);
    EXPECT_EQ(answers.seen[0].message, msg("UNDOLASTRENAMENOLOG"));

    // Two renames, each with its log; Ctrl+Z undoes the newer one only.
    Settings& settings = w.controller.state().settings;
    settings.setInteger("selectedTab", 2);
    settings.setFlag("isReplaceRemoveAllOccurrence", true);
    const auto renameAll = [&](const char* find, const char* with) {
        settings.setText("replaceRemoveThis", QString::fromLatin1(find));
        settings.setText("replaceRemoveWith", QString::fromLatin1(with));
        w.controller.actionPreview();
        waitIdle(w.controller);
        answers.answers = {"YES"};
        w.controller.actionApply();
        waitIdle(w.controller);
    };
    w.controller.tableViewAcceptDrop({tree.file("a b.txt"), tree.file("c d.txt")});
    waitIdle(w.controller);
    renameAll(" ", "_");
    ASSERT_EQ(tree.names(), QStringList({"a_b.txt", "c_d.txt"}));
    w.controller.clearFilesFolders();
    w.controller.tableViewAcceptDrop({tree.at("a_b.txt")});
    waitIdle(w.controller);
    renameAll("a", "z");
    ASSERT_EQ(tree.names(), QStringList({"c_d.txt", "z_b.txt"}));

    answers.seen.clear();
    answers.answers = {"CANCEL"};
    // The alerts of the renames took the activation: the window has it again.
    QApplication::setActiveWindow(&w.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window()));
    w.table().setFocus(Qt::OtherFocusReason);
    pressKeys(QKeySequence(QKeySequence::Undo));
    ASSERT_GE(answers.seen.size(), 1);
    EXPECT_EQ(answers.seen[0].title, msgN("UNDOLASTRENAMECONFIRM", 1));
    EXPECT_EQ(answers.seen[0].buttons, QStringList({"Undo", "CANCEL"}));
    EXPECT_EQ(tree.names(), QStringList({"c_d.txt", "z_b.txt"})); // declined: nothing changed

    answers.seen.clear();
    answers.answers = {"Undo"};
    QApplication::setActiveWindow(&w.window());
    w.table().setFocus(Qt::OtherFocusReason);
    pressKeys(QKeySequence(QKeySequence::Undo));
    waitIdle(w.controller);
    EXPECT_EQ(tree.names(), QStringList({"a_b.txt", "c_d.txt"}));

    // The next Ctrl+Z offers the older rename of two items.
    answers.seen.clear();
    answers.answers = {"Undo"};
    QApplication::setActiveWindow(&w.window());
    w.table().setFocus(Qt::OtherFocusReason);
    pressKeys(QKeySequence(QKeySequence::Undo));
    waitIdle(w.controller);
    ASSERT_GE(answers.seen.size(), 1);
    EXPECT_EQ(answers.seen[0].title, msgN("UNDOLASTRENAMECONFIRM", 2));
    EXPECT_EQ(tree.names(), QStringList({"a b.txt", "c d.txt"}));
}
