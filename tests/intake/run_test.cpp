// Intake runs on the worker thread: start and end on the main thread, the folders-scope
// clean-up, paths from outside the window and the choice dialog's result.
#include "intaketestsupport.h"

#include "pipeline/passrunner.h"
#include "platform/messages.h"

#include <fcntl.h>
#include <unistd.h>

using IntakeRun = IntakeTest;

TEST_F(IntakeRun, TenThousandFilesOnTheWorker)
{
    for (int d = 0; d < 10; ++d) {
        const QByteArray folder = QFile::encodeName(tree.folder(QStringLiteral("big/d%1").arg(d)));
        for (int f = 0; f < 1000; ++f) {
            const int fd = ::open((folder + "/f" + QByteArray::number(f) + ".txt").constData(), O_CREAT | O_WRONLY, 0644);
            ASSERT_GE(fd, 0);
            ::close(fd);
        }
    }
    setScope(true, true);
    state.isHasFilesForRenaming = true;

    bool finished = false;
    ASSERT_TRUE(intake.addFiles({tree.at("big")}, [&] { finished = true; }));
    EXPECT_TRUE(state.isExecuting.load());
    PassRunner::waitUntilIdle(state);

    EXPECT_TRUE(finished);
    EXPECT_FALSE(state.isExecuting.load());
    EXPECT_FALSE(state.isHasFilesForRenaming.load());
    EXPECT_EQ(state.list.size(), 10000);
    EXPECT_EQ(state.list.listedPathCount(), 10000);
    EXPECT_EQ(state.searchFilesCount, 10000);
    EXPECT_EQ(ui.passesStarted, 1);
    EXPECT_EQ(ui.passesEnded, 1);
    EXPECT_EQ(ui.progressMessages.first(), msg("LOADINGMESSAGE").arg(msg("FILES")));
    ASSERT_FALSE(ui.countTexts.isEmpty());
    EXPECT_EQ(ui.countTexts.last(), msgN("TOTALFILESFOUND", 10000));
    // Counts and paths are throttled, not sent once per file.
    EXPECT_LT(ui.countTexts.size(), 10000);
    EXPECT_LT(ui.progressPaths.size(), 10000);
    EXPECT_GE(ui.reloads, 1);
    ASSERT_EQ(ui.timeTexts.size(), 1);
    EXPECT_EQ(ui.timeTexts[0], state.lastActionTimeTaken);
    EXPECT_TRUE(ui.timeTexts[0].contains(msg("LOADINGTIME")));
}

TEST_F(IntakeRun, FoldersScopeWithSubfoldersKeepsOnlyTheFoldersInside)
{
    tree.folder("A/B/C");
    tree.file("A/file.txt");
    setScope(false, true);

    ASSERT_TRUE(intake.addFiles({tree.at("A") + "/"}));
    PassRunner::waitUntilIdle(state);
    EXPECT_EQ(listed(), QStringList({"A/B", "A/B/C"}));
    EXPECT_EQ(ui.progressMessages.first(), msg("LOADINGMESSAGE").arg(msg("FOLDERS")));

    // A is still remembered as listed, so dropping it again adds nothing.
    ASSERT_TRUE(intake.addFiles({tree.at("A")}));
    PassRunner::waitUntilIdle(state);
    EXPECT_EQ(listed(), QStringList({"A/B", "A/B/C"}));
    EXPECT_EQ(state.searchFilesCount, 0);
    EXPECT_FALSE(state.isExecuting.load());
    EXPECT_EQ(ui.passesEnded, 2);
}

TEST_F(IntakeRun, NothingStartsWhileAPassIsExecuting)
{
    tree.file("a.txt");
    state.isExecuting = true;
    EXPECT_FALSE(intake.addFiles({tree.at("a.txt")}));
    EXPECT_FALSE(intake.importFiles(FileRenameItem{}));
    EXPECT_EQ(intake.loadFiles({tree.at("a.txt")}), Intake::LoadFilesResult::NotStarted);
    EXPECT_FALSE(intake.PasteboardItemsControllerDidFinish(PasteboardItemsController{}));
    EXPECT_FALSE(intake.clearFilesFolders());
    EXPECT_EQ(ui.passesStarted, 0);
    state.isExecuting = false;
    EXPECT_TRUE(state.list.isEmpty());
}

TEST_F(IntakeRun, LoadFilesAsksWhenAFolderIsAmongThePaths)
{
    const QString file = tree.file("a.txt");
    const QString folder = tree.folder("dir");
    setScope(false, false);
    state.list.append(*FileSystemItem::initWithPath(folder));

    EXPECT_EQ(intake.loadFiles({file, folder}), Intake::LoadFilesResult::NeedsChoice);
    EXPECT_EQ(ui.passesStarted, 0);
    EXPECT_TRUE(state.isFolders());
    EXPECT_EQ(state.list.size(), 1);

    // Files only: a folders list is cleared and the scope becomes files.
    EXPECT_EQ(intake.loadFiles({file}), Intake::LoadFilesResult::Started);
    PassRunner::waitUntilIdle(state);
    EXPECT_TRUE(state.isFiles());
    EXPECT_FALSE(state.isFolders());
    EXPECT_EQ(listed(), QStringList({"a.txt"}));
}

TEST_F(IntakeRun, TheChoiceChangesTheScopeAndAddsTheWaitingPaths)
{
    tree.folder("top/inner/deeper");
    const QString file = tree.file("loose.txt");
    setScope(true, false);
    state.list.append(*FileSystemItem::initWithPath(file));

    PasteboardItemsController choice;
    choice.Files = {tree.at("top")};
    choice.filesFoldersOptionChanged(1);
    choice.isProcessSubfolders = true;
    ASSERT_TRUE(intake.PasteboardItemsControllerDidFinish(choice));
    PassRunner::waitUntilIdle(state);

    EXPECT_TRUE(state.isFolders());
    EXPECT_TRUE(state.settings.flag("isIncludeSubFolders"));
    // The files list was cleared by the change of scope; top itself is taken out.
    EXPECT_EQ(listed(), QStringList({"top/inner", "top/inner/deeper"}));

    // The same scope again keeps what is listed.
    tree.folder("other");
    choice.Files = {tree.at("other")};
    choice.isProcessSubfolders = false;
    ASSERT_TRUE(intake.PasteboardItemsControllerDidFinish(choice));
    PassRunner::waitUntilIdle(state);
    EXPECT_EQ(listed(), QStringList({"top/inner", "top/inner/deeper", "other"}));
}

TEST_F(IntakeRun, ChangingTheScopeEmptiesTheList)
{
    state.list.append(*FileSystemItem::initWithPath(tree.file("a.txt")));
    state.isHasFilesForRenaming = true;
    state.lastActionTimeTaken = "earlier";
    EXPECT_TRUE(intake.filesFoldersOptionChanged(1));
    EXPECT_TRUE(state.isFolders());
    EXPECT_TRUE(state.list.isEmpty());
    EXPECT_TRUE((state.list.listedPathCount() == 0));
    EXPECT_FALSE(state.isHasFilesForRenaming.load());
    EXPECT_TRUE(state.lastActionTimeTaken.isEmpty());
}
