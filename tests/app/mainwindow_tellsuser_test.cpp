// What the window tells before and after it acts: which of the rule chain and the tab names
// the list, the refusals a rename will meet, a profile whose settings were changed, and a
// "/" written as ":".
#include "gui_testsupport.h"

#include "app/rulebar.h"
#include "app/settingsbinder.h"
#include "engine/filesystemitem.h"
#include "engine/settings.h"
#include "profiles/profilecommands.h"

#include <QDockWidget>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>

namespace {

class TellsUser : public ::testing::Test {
protected:
    StartedWindow w;
    TempTree tree;
    ModalAnswerer answers;

    QAction* command(const char* name) { return w.window().findChild<QAction*>(QString::fromLatin1(name)); }
    void list(const QStringList& paths) { w.controller.tableViewAcceptDrop(paths), waitIdle(w.controller); }
    void replaceAll(const QString& find, const QString& with)
    {
        w.window().methodTabs()->setCurrentIndex(2);
        Settings& s = w.controller.state().settings;
        s.setText("replaceRemoveThis", find);
        s.setText("replaceRemoveWith", with);
        s.setFlag("isReplaceRemoveAllOccurrence", true);
    }
    void preview()
    {
        w.controller.actionPreview();
        waitIdle(w.controller);
        QTest::qWait(600); // the drawer's Preview starts a moment later
        waitIdle(w.controller);
    }
};

} // namespace

TEST_F(TellsUser, TheBarSaysWhenTheRuleNamesTheListAndTheTabCanTakeOver)
{
    list({tree.file("a1.txt"), tree.file("a2.txt")});
    QDockWidget* drawer = w.controller.rulesDrawer;

    // Steps added with the drawer closed are told, with the count, where they are seen.
    replaceAll("a", "b");
    command("addToRule")->trigger();
    replaceAll("1", "one");
    command("addToRule")->trigger();
    EXPECT_EQ(w.window().statusBar()->currentMessage(), msgN("RULESTEPADDED", 2));
    EXPECT_EQ(command("toggleRulesDrawer")->text(), msgN("RULESDRAWERSTEPS", 2));
    RuleBar* bar = w.window().ruleBar();
    EXPECT_TRUE(bar->isHidden()); // the tab still names the list

    command("toggleRulesDrawer")->trigger();
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->text()->text(), msgN("RULEBARTEXT", 2));
    w.window().methodTabs()->setCurrentIndex(5);
    preview();
    EXPECT_EQ(w.shown(0, "newFilename"), "bone.txt"); // the chain ran, not the General tab
    EXPECT_TRUE(w.window().actions().apply->isEnabled());

    // The rule's names stay Rename's with the drawer closed, and the bar with them.
    command("toggleRulesDrawer")->trigger();
    EXPECT_FALSE(bar->isHidden());
    bar->showRuleButton()->click();
    EXPECT_FALSE(drawer->isHidden());

    // The tab takes over: the steps stay, the rule's names are withdrawn.
    bar->useTabButton()->click();
    EXPECT_TRUE(drawer->isHidden());
    EXPECT_EQ(w.controller.state().rules.size(), 2);
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(w.shown(0, "newFilename"), "");
    EXPECT_FALSE(w.window().actions().apply->isEnabled());
}

TEST_F(TellsUser, TheQuestionAndTheOutcomeCountRefusalsMetAtPreview)
{
    list({tree.file("p1.txt"), tree.file("p11.txt"), tree.file("q.txt"), tree.file("r1.txt")});
    tree.file("r.txt");
    replaceAll("1", "");
    preview();
    // p1 keeps "p.txt", p11 wants it too; r1's "r.txt" is taken; q has nothing to change.
    answers.answers = {"YES"};
    w.window().actions().apply->trigger();
    waitIdle(w.controller);
    ASSERT_EQ(answers.seen.size(), 1);
    EXPECT_EQ(answers.seen[0].message, "Rename 1 of 3 items? 2 are refused (File Name Used Twice: 1, File Already Exists: 1).");
    EXPECT_TRUE(w.window().timeLabel()->text().startsWith(
        "1 renamed, 2 refused (File Name Used Twice: 1, File Already Exists: 1) in "))
        << w.window().timeLabel()->text().toStdString();
    EXPECT_EQ(w.shown(0, "newFilename"), msg("STATUSRENAMINGOK")); // "Renamed"; stored as before
    EXPECT_EQ(w.controller.state().list.files[0].newFilename, Status::RenamingOK);
}

TEST_F(TellsUser, ASlashWrittenAsAColonIsToldOncePerPreview)
{
    list({tree.file("rain.txt")});
    replaceAll("rain", "rain / shine");
    preview();
    EXPECT_EQ(w.shown(0, "newFilename"), "rain : shine.txt");
    EXPECT_EQ(w.window().statusBar()->currentMessage(), msg("SLASHWRITTENASCOLON"));
    w.window().statusBar()->clearMessage();
    replaceAll("rain", "sun");
    preview();
    EXPECT_EQ(w.window().statusBar()->currentMessage(), "");
}

TEST(ChangedProfile, TheTitleMarksItAndQuittingOffersToSave)
{
    for (const QString& answer : {QStringLiteral("CANCEL"), QStringLiteral("DONTSAVE"), QStringLiteral("Save")}) {
        StartedWindow w;
        TempTree tree;
        ModalAnswerer answers;
        const QString path = tree.at("Portraits.qvprofile");
        w.window().methodTabs()->setCurrentIndex(3);
        ASSERT_TRUE(ProfileCommands::writeProfile(w.controller.state(), path));
        ASSERT_EQ(w.controller.settingsLoader().setCurrentSettings(path), ProfileLoadResult::Loaded);
        EXPECT_EQ(w.window().windowTitle(), "Portraits \u2014 Quorvel");

        auto* prefix = qobject_cast<QLineEdit*>(w.window().binder().controlFor("prefixSuffixPrefix"));
        QTest::keyClicks(prefix, "x");
        EXPECT_EQ(w.window().windowTitle(), "Portraits (changed) \u2014 Quorvel");
        QTest::keyClick(prefix, Qt::Key_Backspace); // the profile's value again
        EXPECT_EQ(w.window().windowTitle(), "Portraits \u2014 Quorvel");
        QTest::keyClicks(prefix, "new");

        answers.answers = {answer};
        w.window().actions().quit->trigger();
        ASSERT_EQ(answers.seen.size(), 1) << answer.toStdString();
        EXPECT_EQ(answers.seen[0].title, "Save the changes to Portraits?");
        EXPECT_EQ(answers.seen[0].buttons, QStringList({"Save", "DONTSAVE", "CANCEL"}));
        // Cancel keeps the program open; a signal then quits without asking.
        EXPECT_EQ(w.controller.hasTerminated(), answer != "CANCEL");
        w.controller.quit(false);
        EXPECT_EQ(answers.seen.size(), 1);
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(saved.readAll().contains("<string>new</string>"), answer == "Save") << answer.toStdString();
    }
}
