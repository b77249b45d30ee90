// Start-up and termination: the last settings, profile and rule chain come back; a
// failed start-up is told; SIGTERM quits as Quit does.
#include "gui_testsupport.h"

#include "app/settingsbinder.h"
#include "engine/settings.h"
#include "platform/defaultsstore.h"
#include "platform/edition.h"
#include "profiles/profilecommands.h"
#include "profiles/rulesteps.h"
#include "support/temptree.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QSignalSpy>
#include <QTabWidget>

#include <csignal>

namespace {

QList<QVariantMap> twoSteps()
{
    Settings s;
    s.setText("alphaNumericNumericStartWith", "4");
    QVariantMap numeric = *RuleSteps::buildRule(s).step;
    s.setInteger("selectedTab", 2);
    s.setText("replaceRemoveThis", "old");
    s.setText("replaceRemoveWith", "new");
    QVariantMap replace = *RuleSteps::buildRule(s).step;
    return {numeric, replace};
}

} // namespace

TEST(Lifecycle, QuitAndStartAgainRestoreSettingsAndRules)
{
    FreshHome home;
    {
        QuorvelAppController c;
        ASSERT_TRUE(c.startUp());
        EXPECT_EQ(c.state().selectedTab(), 0);
        EXPECT_TRUE(c.state().rules.isEmpty());
        EXPECT_TRUE(c.window()->windowTitle().contains(msg("DEFAULT")));
        EXPECT_EQ(c.mainWindow().flagView()->property("image").toString(), "English_Flag");

        c.mainWindow().methodTabs()->setCurrentIndex(3);
        auto* prefix = qobject_cast<QLineEdit*>(c.mainWindow().binder().controlFor("prefixSuffixPrefix"));
        QTest::keyClicks(prefix, "kept ");
        c.state().rules = twoSteps();
        c.mainWindow().actions().quit->trigger();
        EXPECT_TRUE(c.hasTerminated());
    }
    {
        QuorvelAppController c;
        QSignalSpy rulesShown(&c, &QuorvelAppController::rulesReloaded);
        ASSERT_TRUE(c.startUp());
        EXPECT_EQ(c.state().selectedTab(), 3);
        EXPECT_EQ(c.mainWindow().methodTabs()->currentIndex(), 3);
        EXPECT_EQ(c.state().settings.text("prefixSuffixPrefix"), "kept ");
        EXPECT_EQ(qobject_cast<QLineEdit*>(c.mainWindow().binder().controlFor("prefixSuffixPrefix"))->text(), "kept ");
        ASSERT_EQ(c.state().rules.size(), 2);
        EXPECT_EQ(c.state().rules[1].value("replaceRemoveThis").toString(), "old");
        EXPECT_FALSE(rulesShown.isEmpty());
    }
}

TEST(Lifecycle, TheLastProfileWinsOverTheStoredSettings)
{
    FreshHome home;
    TempTree tree;
    const QString profile = tree.at("mine.qvprofile");
    {
        QuorvelAppController c;
        ASSERT_TRUE(c.startUp());
        c.state().settings.setInteger("selectedTab", 5);
        c.state().settings.setText("generalChangeExtension", "from profile");
        ASSERT_TRUE(ProfileCommands::writeProfile(c.state(), profile));
        c.state().currProfileFile = profile;
        c.state().settings.setText("generalChangeExtension", "unsaved");
        c.quit();
    }
    {
        QuorvelAppController c;
        ASSERT_TRUE(c.startUp());
        EXPECT_EQ(c.state().currProfileFile, profile);
        EXPECT_EQ(c.state().settings.text("generalChangeExtension"), "from profile");
        EXPECT_EQ(c.window()->windowTitle(), "mine \u2014 Quorvel");
        // Quitting without a current profile keeps the stored one.
        c.state().currProfileFile.clear();
        c.quit();
    }
    DefaultsStore store;
    EXPECT_EQ(store.value("LASTPROFILE").toString(), profile);
}

TEST(Lifecycle, TheCurrentProfileIsSavedAtQuitWhenWanted)
{
    FreshHome home;
    TempTree tree;
    const QString profile = tree.at("auto.qvprofile");
    QuorvelAppController c;
    ASSERT_TRUE(c.startUp());
    ASSERT_TRUE(ProfileCommands::writeProfile(c.state(), profile));
    c.state().currProfileFile = profile;
    c.state().preferences.automaticSaveCurrProfile = true;
    c.state().settings.setText("dateTimePrefix", "saved at quit");
    c.quit();
    QFile file(profile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("saved at quit"));
}

TEST(Lifecycle, AFailedStartUpIsToldAndEndsTheProgram)
{
    FreshHome home;
    TempTree tree;
    // The data home is a file: no data folder can be made below it.
    const QString blocker = tree.file("not-a-folder");
    qputenv("XDG_DATA_HOME", blocker.toLocal8Bit());
    ModalAnswerer answers;
    QuorvelAppController c;
    EXPECT_FALSE(c.startUp());
    ASSERT_EQ(answers.seen.size(), 1);
    EXPECT_EQ(answers.seen[0].title, msg("APPLICATIONINITTITLE"));
    EXPECT_TRUE(answers.seen[0].message.startsWith(msg("APPLICATIONCREATEFOLDERFAILED")));
}

TEST(Lifecycle, SigtermQuitsLikeTheQuitCommand)
{
    FreshHome home;
    QuorvelAppController c;
    ASSERT_TRUE(c.startUp());
    c.quitOnTerminationSignals();
    c.state().settings.setText("pathComponentsPrefix", "before the signal");
    std::raise(SIGTERM);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.hasTerminated(); }));
    DefaultsStore store;
    const QVariantMap stored = store.value("DEFAULTS").toMap();
    EXPECT_EQ(stored.value("pathComponentsPrefix").toString(), "before the signal");
}

TEST(Lifecycle, SigtermWhileAnApplyWaitsForAnAnswerEndsWithoutHanging)
{
    FreshHome home;
    TempTree tree;
    QuorvelAppController c;
    ASSERT_TRUE(c.startUp());
    c.quitOnTerminationSignals();
    c.tableViewAcceptDrop({tree.file("one.txt"), tree.file("two.txt")});
    waitIdle(c);
    c.mainWindow().methodTabs()->setCurrentIndex(2);
    c.state().settings.setText("replaceRemoveThis", "o");
    c.state().settings.setText("replaceRemoveWith", "0");
    c.actionPreview();
    waitIdle(c);
    ASSERT_TRUE(c.state().isHasFilesForRenaming.load());
    // No usable log folder: the running apply asks whether to go on without a log, and
    // the signal arrives while it waits for the answer.
    c.state().preferences.defaultLogFolderPath.clear();
    QStringList asked;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QMessageBox* box : c.window()->findChildren<QMessageBox*>()) {
            const QString message = box->property("messageText").toString();
            if (box->isVisible() && !asked.contains(message)) {
                asked << message;
                if (message == msg("LOGCREATEFAILED"))
                    std::raise(SIGTERM);
                else
                    box->defaultButton()->click();
            }
        }
    });
    poll.start(10);
    c.actionApply();
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.hasTerminated(); }, 20000));
    EXPECT_FALSE(c.state().isExecuting.load());
    EXPECT_EQ(asked.size(), 2); // the confirmation, then the log question
    // Closing the question declined it: nothing was renamed without a log.
    EXPECT_EQ(tree.names(), QStringList({"one.txt", "two.txt"}));
}

TEST(Lifecycle, HelpOpensThePageOfTheTab)
{
    FreshHome home;
    QuorvelAppController c;
    ASSERT_TRUE(c.startUp());
    QStringList pages;
    c.helpViewer = [&](const QString& page) { pages << page; };
    c.mainWindow().methodTabs()->setCurrentIndex(1);
    c.mainWindow().actions().help->trigger();
    c.mainWindow().methodTabs()->setCurrentIndex(3); // prefix and suffix has its page too
    c.showTabHelp();
    c.mainWindow().methodTabs()->setCurrentIndex(9);
    c.showTabHelp();
    EXPECT_EQ(pages, QStringList({"Insert-Delete.html", "Prefix-Suffix.html", "Rename-from-list.html"}));
    EXPECT_EQ(QuorvelAppController::flagImageName("fr"), "French_Flag");
    EXPECT_EQ(QuorvelAppController::flagImageName("de"), "German_Flag");
    EXPECT_EQ(QuorvelAppController::flagImageName("es"), "Spanish_Flag");
    EXPECT_EQ(QuorvelAppController::flagImageName("pt"), "English_Flag");
}

TEST(Lifecycle, TheEarlierEditionKeepsNothingAndOffersLess)
{
    FreshHome home;
    // The edition goes back to Quorvel however the test ends (the tests share the process).
    struct BackToQuorvel {
        ~BackToQuorvel() { Edition::select(Edition::Kind::Quorvel); }
    } backToQuorvel;
    Edition::select(Edition::Kind::Quorvel2);
    {
        QuorvelAppController c;
        ASSERT_TRUE(c.startUp());
        EXPECT_FALSE(c.mainWindow().actions().livePreview->isVisible());
        EXPECT_FALSE(c.mainWindow().actions().addFromFileManager->isVisible());
        EXPECT_EQ(c.mainWindow().findChild<QWidget*>("photoExtensionEditorButton"), nullptr);
        EXPECT_TRUE(c.window()->windowTitle().endsWith("Quorvel 2"));
        c.state().settings.setText("dateTimeSuffix", "forgotten");
        c.quit();
    }
    {
        QuorvelAppController c;
        ASSERT_TRUE(c.startUp());
        EXPECT_EQ(c.state().settings.text("dateTimeSuffix"), "");
    }
}
