#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewchecks.h"
#include "pipeline/previewdriver.h"
#include "platform/messages.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"

#include <QFile>

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

void addPaths(ControllerState& state, const QStringList& paths)
{
    for (const QString& p : paths)
        state.list.append(*FileSystemItem::initWithPath(p));
}

QStringList proposed(const ControllerState& state)
{
    QStringList out;
    for (const auto& item : state.list.files)
        out << item.newFilename;
    return out;
}

} // namespace

TEST(Preview, EmptyListShowsTheCalloutAndStartsNothing)
{
    ControllerState state;
    ScriptedUserInterface ui;
    EXPECT_FALSE(PreviewDriver(state, ui).actionPreview());
    ASSERT_EQ(ui.callouts.size(), 1);
    EXPECT_EQ(ui.callouts[0].tag, 12000);
    EXPECT_EQ(ui.callouts[0].messageKey, "NOITEMSTOPREVIEW");
    EXPECT_EQ(ui.passesStarted, 0);
    EXPECT_TRUE(ui.timeTexts.isEmpty());
    // A second try while the callout shows does not stack another one.
    PreviewDriver(state, ui).actionPreview();
    EXPECT_EQ(ui.callouts.size(), 1);
}

TEST(Preview, FailedCheckAlertsAndTouchesNothing)
{
    TempTree tree;
    ControllerState state;
    ScriptedUserInterface ui;
    addPaths(state, {tree.file("a.txt")});
    state.list.files[0].newFilename = QStringLiteral("kept");
    state.settings.setInteger("selectedTab", 1);
    state.settings.setText("insertDeleteInsert", QString());
    EXPECT_FALSE(PreviewDriver(state, ui).actionPreview());
    EXPECT_FALSE(state.isExecuting.load());
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].title, msg("INSERTINVALIDINPUT"));
    EXPECT_EQ(ui.alerts[0].message, msg("ENTERVALIDVALUE"));
    EXPECT_EQ(ui.focused, QStringList{"insertDeleteInsert"});
    EXPECT_EQ(state.list.files[0].newFilename, "kept");

    state.settings.setText("insertDeleteInsert", "x");
    state.settings.setInteger("insertDeleteInsertOptionIndex", 4);
    EXPECT_FALSE(PreviewDriver(state, ui).actionPreview());
    EXPECT_EQ(ui.alerts.last().title, msg("INSERTTEXTATAFTERTEXT"));
    EXPECT_EQ(ui.focused.last(), "740002");
}

TEST(Preview, DefaultsAreWrittenBack)
{
    Settings s;
    s.setInteger("selectedTab", 0);
    s.setText("alphaNumericIncrementBy", "0");
    EXPECT_FALSE(PreviewChecks::checkAndFillDefaults(s));
    EXPECT_EQ(s.text("alphaNumericIncrementBy"), "1");

    s.alphaNumericNumericAlphabeticChanged(1);
    s.setText("alphaNumericIncrementBy", "40");
    s.setText("alphaNumericAlphabeticStartWith", "");
    PreviewChecks::checkAndFillDefaults(s);
    EXPECT_EQ(s.text("alphaNumericIncrementBy"), "26");
    EXPECT_EQ(s.text("alphaNumericAlphabeticStartWith"), "a");

    s.setInteger("selectedTab", 5);
    s.setText("generalSwapPosition", "");
    s.generalOptionsChanged(10);
    s.setText("generalFilenameMask", "");
    const auto failure = PreviewChecks::checkAndFillDefaults(s);
    ASSERT_TRUE(failure);
    EXPECT_STREQ(failure->titleKey, "GENERALINVALIDINPUT");
    EXPECT_EQ(s.text("generalSwapPosition"), "1"); // tab 5 fills before it checks
}

TEST(Preview, ClassifiesImportedNamesOnTheWorker)
{
    TempTree tree;
    ControllerState state;
    ScriptedUserInterface ui;
    const QString a = tree.file("a.txt");
    const QString b = tree.file("b.txt");
    const QString c = tree.file("c.txt");
    const QString d = tree.file("d.txt");
    const QString gone = tree.file("gone.txt");
    tree.file("taken.txt");
    addPaths(state, {a, b, c, d, gone});
    QFile::remove(gone);
    state.settings.setInteger("selectedTab", 9);
    state.list.files[0].newFilename = QStringLiteral("renamed.txt");
    state.list.files[1].newFilename = QStringLiteral("taken.txt");
    state.list.files[2].newFilename = QString(); // no imported name
    state.list.files[3].newFilename = QStringLiteral("x/y.txt");

    ASSERT_TRUE(PreviewDriver(state, ui).actionPreview());
    EXPECT_TRUE(state.isExecuting.load());
    PassRunner::waitUntilIdle(state);

    EXPECT_FALSE(state.isExecuting.load());
    EXPECT_EQ(proposed(state), (QStringList{"renamed.txt", "File Already Exists", "No Changes",
                                            "x/y.txt", "File Not Found"}));
    EXPECT_TRUE(state.isHasFilesForRenaming.load());
    EXPECT_EQ(ui.passesStarted, 1);
    EXPECT_EQ(ui.passesEnded, 1);
    EXPECT_GE(ui.reloads, 1);
    ASSERT_EQ(ui.timeTexts.size(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Preview in [0-9]+\\.[0-9] s$")).match(ui.timeTexts[0]).hasMatch())
        << ui.timeTexts[0].toStdString();
    EXPECT_FALSE(ui.progressPaths.isEmpty());
}

TEST(Preview, LetterCaseChangesAreDecidedByIdentity)
{
    TempTree tree;
    ControllerState state;
    const QString lower = tree.file("photo.jpg", "one");
    const QString upper = tree.file("PHOTO.JPG", "two"); // a different file on this file system
    const QString solo = tree.file("Solo.txt");
    addPaths(state, {lower, solo});
    state.settings.setInteger("selectedTab", 9);
    state.list.files[0].newFilename = QStringLiteral("PHOTO.JPG");
    state.list.files[1].newFilename = QStringLiteral("SOLO.txt");
    PassProgress progress(nullptr);
    QString error;
    PreviewDriver::preview(state, state.settings, progress, error);
    EXPECT_EQ(state.list.files[0].newFilename, "File Already Exists");
    EXPECT_EQ(state.list.files[1].newFilename, "SOLO.txt");
    EXPECT_TRUE(state.isHasFilesForRenaming.load());
    Q_UNUSED(upper);
}

TEST(Preview, UnusableNamesSayWhyOnceAndAStatusTextIsNoName)
{
    TempTree tree;
    ControllerState state;
    addPaths(state, {tree.file("a"), tree.file("b"), tree.file("c")});
    state.settings.setInteger("selectedTab", 9);
    state.list.files[0].newFilename = QStringLiteral("..");
    state.list.files[1].newFilename = QString(300, QChar('n'));
    state.list.files[2].newFilename = QStringLiteral("Name Too Long");
    PassProgress progress(nullptr);
    QString error;
    PreviewDriver::preview(state, state.settings, progress, error);
    EXPECT_EQ(proposed(state), (QStringList{"Name Not Allowed Here", "Name Too Long", "No Changes"}));
    EXPECT_FALSE(state.isHasFilesForRenaming.load());
    // The first refusal is named, the others counted.
    EXPECT_EQ(state.namesNote, msgN("NAMESREFUSEDMORE", 1).arg(msg("NAMEISNOFILENAME").arg("\"..\"")));
}

TEST(Preview, CancelStopsAtTheNextItem)
{
    TempTree tree;
    ControllerState state;
    for (int i = 0; i < 6; ++i)
        addPaths(state, {tree.file(QStringLiteral("f%1.txt").arg(i))});
    for (auto& item : state.list.files)
        item.newFilename = QStringLiteral("earlier");
    state.settings.setInteger("selectedTab", 3); // a tab whose method leaves names empty here
    PassProgress progress(nullptr);
    int reached = 0;
    progress.onItem = [&] {
        if (++reached == 3)
            PreviewDriver::cancelProcess(state);
    };
    QString error;
    PreviewDriver::preview(state, state.settings, progress, error);
    EXPECT_EQ(reached, 3);
    const QStringList names = proposed(state);
    EXPECT_NE(names[2], "earlier");
    EXPECT_EQ(names.mid(3), (QStringList{"earlier", "earlier", "earlier"}));
}

TEST(Preview, VanishedItemsAreReportedByKind)
{
    TempTree tree;
    ControllerState state;
    const QString dir = tree.folder("dir");
    addPaths(state, {dir});
    ::rmdir(QFile::encodeName(dir).constData());
    PassProgress progress(nullptr);
    QString error;
    EXPECT_FALSE(PreviewDriver::preview(state, state.settings, progress, error));
    EXPECT_EQ(state.list.files[0].newFilename, "Folder Not Found");
}
