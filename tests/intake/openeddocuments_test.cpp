// Documents opened with the program: the delayed load that keeps only the last request,
// rule files and profile files with their questions and refusals, the services entry.
#include "intake/openeddocuments.h"

#include "intaketestsupport.h"
#include "pipeline/passrunner.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "profiles/profilecommands.h"
#include "profiles/rulefile.h"
#include "engine/stringutilities.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

namespace {

// A delayed call the test fires itself.
class ManualDelayedCall : public DelayedCall {
public:
    std::function<void()> pending;
    int delay = -1;
    int scheduled = 0;

    void schedule(int milliseconds, std::function<void()> fn) override
    {
        delay = milliseconds;
        pending = std::move(fn);
        ++scheduled;
    }
    void cancel() override { pending = nullptr; }
    void fire()
    {
        auto fn = std::move(pending);
        pending = nullptr;
        if (fn)
            fn();
    }
};

// The scripted window, also recording rule reloads.
class DocumentsUserInterface : public ScriptedUserInterface {
public:
    QList<bool> ruleReloads;
    void reloadRules(bool selectTopRow) override { ruleReloads.append(selectTopRow); }
};

QVariantMap replaceStep(const QString& name, const QString& find)
{
    return {{"rule", name}, {"type", "Replace"}, {"isActive", "1"}, {"replaceRemoveThis", find}};
}

const QByteArray kOtherVersionRule = R"(<?xml version="1.0" encoding="UTF-8"?>
<plist appversion="2.6.0" version="1.0">
<array>
	<dict><key>rule</key><string>Replace</string><key>type</key><string>Replace</string></dict>
</array>
</plist>
)";

class OpenedDocumentsTest : public IntakeTest {
protected:
    DocumentsUserInterface docsUi;
    ManualDelayedCall* timer = nullptr;
    std::unique_ptr<OpenedDocuments> docs;
    int raised = 0;
    int drawerOpened = 0;
    QList<QStringList> choices;

    void SetUp() override
    {
        auto manual = std::make_unique<ManualDelayedCall>();
        timer = manual.get();
        docs = std::make_unique<OpenedDocuments>(state, docsUi, std::move(manual));
        docs->bringToFront = [this] { ++raised; };
        docs->openRulesDrawer = [this] { ++drawerOpened; };
        docs->showChoice = [this](const QStringList& paths) { choices.append(paths); };
    }

    void fireAndWait()
    {
        timer->fire();
        PassRunner::waitUntilIdle(state);
    }

    QString ruleFile(const QString& name, const QList<QVariantMap>& steps)
    {
        const QString path = tree.at(name);
        EXPECT_TRUE(RuleFile::write(path, steps));
        return path;
    }
};

TEST_F(OpenedDocumentsTest, TwoRequestsWithinTheDelayLoadOnlyTheSecond)
{
    const QString a = tree.file("a.txt");
    const QString b = tree.file("b.txt");
    const QString c = tree.file("c.txt");

    EXPECT_EQ(docs->applicationOpenFiles({a}), OpenedDocuments::Reply::Success);
    EXPECT_EQ(timer->delay, OpenedDocuments::kLoadDelay);
    EXPECT_TRUE(docs->hasPendingLoad());
    docs->applicationOpenFile(b);
    EXPECT_EQ(docs->applicationOpenFiles({b, c}), OpenedDocuments::Reply::Success);
    EXPECT_EQ(timer->scheduled, 3);

    fireAndWait();
    EXPECT_FALSE(docs->hasPendingLoad());
    EXPECT_EQ(listed(), (QStringList{"b.txt", "c.txt"}));
    EXPECT_TRUE(state.isFiles());
}

TEST_F(OpenedDocumentsTest, TheRealTimerKeepsOnlyTheLastRequest)
{
    OpenedDocuments real(state, docsUi);
    const QString a = tree.file("a.txt");
    const QString b = tree.file("b.txt");
    int finished = 0;
    real.onLoadFinished = [&] { ++finished; };

    EXPECT_EQ(real.applicationOpenFiles({a}), OpenedDocuments::Reply::Success);
    EXPECT_EQ(real.applicationOpenFiles({b}), OpenedDocuments::Reply::Success);
    QDeadlineTimer deadline(30000);
    while (finished == 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    // Any stray first load would have fired before the second.
    QCoreApplication::processEvents();
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(listed(), QStringList{"b.txt"});
}

TEST_F(OpenedDocumentsTest, APendingLoadDiesWithItsOwner)
{
    bool ran = false;
    {
        TimerDelayedCall call;
        call.schedule(0, [&] { ran = true; });
    }
    TimerDelayedCall call;
    call.schedule(0, [&] { ran = true; });
    call.cancel();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

TEST_F(OpenedDocumentsTest, RefusedOrDroppedWhileAPassRuns)
{
    const QString a = tree.file("a.txt");
    state.isExecuting = true;
    EXPECT_EQ(docs->applicationOpenFiles({a}), OpenedDocuments::Reply::Cancel);
    docs->applicationOpenFile(a);
    EXPECT_EQ(timer->scheduled, 0);
    state.isExecuting = false;

    // A pass that starts before the delay ends drops the load.
    EXPECT_EQ(docs->applicationOpenFiles({a}), OpenedDocuments::Reply::Success);
    state.isExecuting = true;
    timer->fire();
    state.isExecuting = false;
    EXPECT_TRUE(state.list.files.empty());
    EXPECT_EQ(docsUi.passesStarted, 0);
}

TEST_F(OpenedDocumentsTest, FoldersScopeIgnoresOrdinaryDocumentsAndAnEmptyListFails)
{
    setScope(false, false);
    EXPECT_EQ(docs->applicationOpenFiles({tree.file("a.txt")}), OpenedDocuments::Reply::Cancel);
    EXPECT_EQ(timer->scheduled, 0);
    EXPECT_TRUE(docsUi.alerts.isEmpty());

    setScope(true, false);
    EXPECT_EQ(docs->applicationOpenFiles({}), OpenedDocuments::Reply::Failure);
    EXPECT_EQ(timer->scheduled, 0);
}

TEST_F(OpenedDocumentsTest, AFolderAmongThePathsAsksFilesOrFolders)
{
    const QStringList paths{tree.file("a.txt"), tree.folder("sub")};
    docs->applicationOpenFiles(paths);
    fireAndWait();
    ASSERT_EQ(choices.size(), 1);
    EXPECT_EQ(choices.first(), paths);
    EXPECT_TRUE(state.list.files.empty());
}

TEST_F(OpenedDocumentsTest, PathsThatVanishBeforeTheLoadAndThousandsOfPaths)
{
    QStringList paths;
    for (int i = 0; i < 3000; ++i)
        paths << tree.file(QStringLiteral("many/f%1.txt").arg(i));
    const QString gone = tree.file("gone.txt");
    paths << gone;
    EXPECT_EQ(docs->applicationOpenFiles(paths), OpenedDocuments::Reply::Success);
    ASSERT_TRUE(QFile::remove(gone));
    QFile::remove(paths.at(7));

    fireAndWait();
    EXPECT_FALSE(state.isExecuting.load());
    // The intake lists what it is given; the preview reports the vanished ones.
    EXPECT_EQ(state.list.files.size(), size_t(3001));
    EXPECT_EQ(state.list.files.back().fullPath, gone);
}

TEST_F(OpenedDocumentsTest, RuleFileWithAnotherFileInOneRequestIsAnOrdinaryFile)
{
    const QString rule = ruleFile("r.qvrule", {replaceStep("Replace", "x")});
    const QString other = tree.file("a.txt");
    EXPECT_EQ(docs->applicationOpenFiles({rule, other}), OpenedDocuments::Reply::Success);
    fireAndWait();
    EXPECT_EQ(listed(), (QStringList{"r.qvrule", "a.txt"}));
    EXPECT_TRUE(state.rules.isEmpty());
    EXPECT_TRUE(docsUi.alerts.isEmpty());
}

TEST_F(OpenedDocumentsTest, RuleFileReplacesEmptyRulesWithoutAsking)
{
    const QString rule = ruleFile("Mine.QvRule", {replaceStep("Rule - Replace", "a"), replaceStep("Replace", "b")});
    EXPECT_EQ(OpenedDocuments::documentType(rule), OpenedDocuments::DocumentType::Rule);

    EXPECT_EQ(docs->applicationOpenFiles({rule}), OpenedDocuments::Reply::Success);
    EXPECT_TRUE(docsUi.alerts.isEmpty());
    ASSERT_EQ(state.rules.size(), 2);
    EXPECT_EQ(state.rules[0].value("rule").toString(), "Replace");
    EXPECT_EQ(state.rules[0].value("replaceRemoveThis").toString(), "a");
    EXPECT_EQ(state.rules[1].value("replaceRemoveThis").toString(), "b");
    EXPECT_EQ(docsUi.ruleReloads, QList<bool>{true});
    EXPECT_EQ(raised, 1);
    EXPECT_EQ(drawerOpened, 1);
    EXPECT_EQ(timer->scheduled, 0);
}

TEST_F(OpenedDocumentsTest, RuleFileAsksWhenRulesExist)
{
    const QList<QVariantMap> before{replaceStep("Replace", "old")};
    state.rules = before;
    const QString rule = ruleFile("new.qvrule", {replaceStep("Replace", "new")});

    docsUi.alertAnswers = {"NO"};
    EXPECT_EQ(docs->applicationOpenFiles({rule}), OpenedDocuments::Reply::Cancel);
    ASSERT_EQ(docsUi.alerts.size(), 1);
    EXPECT_EQ(docsUi.alerts[0].message, msg("RULEALREADYEXISTS").arg("new.qvrule"));
    EXPECT_EQ(docsUi.alerts[0].buttons, (QStringList{"YES", "NO"}));
    EXPECT_TRUE(docsUi.alerts[0].title.startsWith(Edition::current().displayName));
    EXPECT_EQ(state.rules, before);
    EXPECT_TRUE(docsUi.ruleReloads.isEmpty());

    docsUi.alertAnswers = {"YES"};
    docs->applicationOpenFile(rule);
    ASSERT_EQ(state.rules.size(), 1);
    EXPECT_EQ(state.rules[0].value("replaceRemoveThis").toString(), "new");
}

TEST_F(OpenedDocumentsTest, RuleFilesOfAnotherVersionOrShapeAreRefused)
{
    const QList<QVariantMap> before{replaceStep("Replace", "keep")};
    state.rules = before;

    const QString old = tree.file("old.qvrule", kOtherVersionRule);
    EXPECT_EQ(docs->applicationOpenFiles({old}), OpenedDocuments::Reply::Failure);
    ASSERT_EQ(docsUi.alerts.size(), 1);
    EXPECT_EQ(docsUi.alerts[0].style, AlertStyle::Critical);
    EXPECT_EQ(docsUi.alerts[0].message, msg("RULEINCOMPATIBLE"));
    EXPECT_EQ(state.rules, before);

    // Right version, wrong shape: refused before any question.
    QByteArray badShape = kOtherVersionRule;
    badShape.replace("2.6.0", StringUtilities::appVersion().toUtf8());
    badShape.replace("<key>type</key><string>Replace</string>", "<key>type</key><integer>3</integer>");
    const QString bad = tree.file("bad.qvrule", badShape);
    docs->applicationOpenFile(bad);
    ASSERT_EQ(docsUi.alerts.size(), 2);
    EXPECT_EQ(docsUi.alerts[1].message, msg("OPENRULEINCOMPATIBLE"));
    EXPECT_EQ(state.rules, before);
    EXPECT_EQ(raised, 0);
}

class OpenedProfileTest : public OpenedDocumentsTest {
protected:
    QString current;
    QString incoming;

    void SetUp() override
    {
        OpenedDocumentsTest::SetUp();
        state.settings.setText("replaceRemoveThis", "incoming");
        incoming = tree.at("incoming.qvprofile");
        ASSERT_TRUE(ProfileCommands::writeProfile(state, incoming));
        state.settings.setText("replaceRemoveThis", "current");
        current = tree.at("current.qvprofile");
        ASSERT_TRUE(ProfileCommands::writeProfile(state, current));
        state.currProfileFile = current;
        // Unsaved changes to the current profile.
        state.settings.setText("replaceRemoveThis", "edited");
    }
};

TEST_F(OpenedProfileTest, AnsweringNoChangesNothing)
{
    state.preferences.automaticSaveCurrProfile = true;
    const QByteArray currentBytes = tree.read("current.qvprofile");
    docsUi.alertAnswers = {"NO"};
    EXPECT_EQ(docs->applicationOpenFiles({incoming}), OpenedDocuments::Reply::Cancel);
    ASSERT_EQ(docsUi.alerts.size(), 1);
    EXPECT_EQ(docsUi.alerts[0].message, msg("PROFILELOADMESSAGE").arg("incoming.qvprofile"));
    EXPECT_EQ(docsUi.alerts[0].title, Edition::current().displayName + msg("PROFILESETTINGSFILETITLE"));
    EXPECT_EQ(state.currProfileFile, current);
    EXPECT_EQ(state.settings.text("replaceRemoveThis"), "edited");
    EXPECT_EQ(tree.read("current.qvprofile"), currentBytes);
    EXPECT_EQ(raised, 0);
}

TEST_F(OpenedProfileTest, AnsweringYesSavesTheCurrentProfileFirstWhenAskedTo)
{
    state.preferences.automaticSaveCurrProfile = true;
    docsUi.alertAnswers = {"YES"};
    EXPECT_EQ(docs->applicationOpenFiles({incoming}), OpenedDocuments::Reply::Success);
    EXPECT_EQ(state.currProfileFile, incoming);
    EXPECT_EQ(state.settings.text("replaceRemoveThis"), "incoming");
    EXPECT_TRUE(tree.read("current.qvprofile").contains("edited"));
    EXPECT_EQ(raised, 1);
}

TEST_F(OpenedProfileTest, WithoutAutomaticSaveTheCurrentFileStaysAsItWas)
{
    const QByteArray currentBytes = tree.read("current.qvprofile");
    docsUi.alertAnswers = {"YES"};
    docs->applicationOpenFile(incoming);
    EXPECT_EQ(state.currProfileFile, incoming);
    EXPECT_EQ(tree.read("current.qvprofile"), currentBytes);
}

TEST_F(OpenedProfileTest, AFailedAutomaticSaveKeepsTheCurrentProfile)
{
    state.preferences.automaticSaveCurrProfile = true;
    state.currProfileFile = tree.at("missing-folder/current.qvprofile");
    docsUi.alertAnswers = {"YES"};
    EXPECT_EQ(docs->applicationOpenFiles({incoming}), OpenedDocuments::Reply::Failure);
    EXPECT_EQ(state.currProfileFile, tree.at("missing-folder/current.qvprofile"));
    EXPECT_EQ(state.settings.text("replaceRemoveThis"), "edited");
    ASSERT_EQ(docsUi.alerts.size(), 2);
    EXPECT_EQ(docsUi.alerts[1].message, msg("PROFILESAVEDFAILED"));
}

TEST_F(OpenedProfileTest, WithoutACurrentProfileItLoadsAtOnce)
{
    state.currProfileFile.clear();
    EXPECT_EQ(docs->applicationOpenFiles({incoming}), OpenedDocuments::Reply::Success);
    EXPECT_TRUE(docsUi.alerts.isEmpty());
    EXPECT_EQ(state.currProfileFile, incoming);
    EXPECT_EQ(state.settings.text("replaceRemoveThis"), "incoming");
}

TEST_F(OpenedDocumentsTest, TheServicesEntryLoadsAtOnceWhereTheEditionHasIt)
{
    const QString a = tree.file("a.txt");
    EXPECT_TRUE(docs->loadItems({a}));
    PassRunner::waitUntilIdle(state);
    EXPECT_EQ(listed(), QStringList{"a.txt"});
    EXPECT_EQ(timer->scheduled, 0);

    Edition::select(Edition::Kind::Quorvel2);
    const bool started = docs->loadItems({tree.file("b.txt")});
    Edition::select(Edition::Kind::Quorvel);
    EXPECT_FALSE(started);
    PassRunner::waitUntilIdle(state);
    EXPECT_EQ(listed(), QStringList{"a.txt"});
}

} // namespace
