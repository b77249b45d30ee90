// Another process changes the tree between preview and apply (or at the very moment an
// item is reached): a file or folder appears at a proposed name, a listed item is
// deleted, a listed folder is renamed. Apply never replaces what appeared, never chases
// what moved, and says per item what happened; the log holds exactly the renames made.
#include "session.h"
#include "treestate.h"

#include "pipeline/passprogress.h"
#include "pipeline/renamelogreader.h"
#include "support/temptree.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Runs a shell script as a process of its own, in the folder given.
void otherProcess(const QString& folder, const QString& script)
{
    QProcess sh;
    sh.setWorkingDirectory(folder);
    sh.start(QStringLiteral("/bin/sh"), {QStringLiteral("-ec"), script});
    ASSERT_TRUE(sh.waitForFinished(30000));
    ASSERT_EQ(sh.exitCode(), 0) << sh.readAllStandardError().constData();
}

QStringList loggedTargets(const QString& log)
{
    QStringList out;
    for (const RenameLogEntry& e : RenameLogReader::read(log).entries)
        out << e.tarfilename;
    return out;
}

QString statusOf(const Session& s, const QString& nameOrPathEnd)
{
    for (const FileSystemItem& item : s.state.list.files) {
        if (item.fullPath.endsWith(QLatin1Char('/') + nameOrPathEnd))
            return item.newFilename;
    }
    return QStringLiteral("<not listed>");
}

} // namespace

TEST(Races, FilesChangedBetweenPreviewAndApply)
{
    TempTree tree;
    tree.file("t/a.txt", "A");
    tree.file("t/b.txt", "B");
    tree.file("t/c.txt", "C");
    tree.file("t/d.txt", "D");
    tree.file("t/dir/e.txt", "E");
    tree.file("t/dir/f.txt", "F");
    Session s(tree.folder("Logs"));
    s.set("selectedTab", "3");
    s.set("prefixSuffixPrefix", "new_");
    s.add({tree.at("t")});
    ASSERT_EQ(s.state.list.files.size(), 6u);
    ASSERT_TRUE(s.preview());
    ASSERT_TRUE(s.state.isHasFilesForRenaming.load());

    otherProcess(tree.at("t"), QStringLiteral("printf intruder > new_a.txt\n"
                                               "mkdir new_d.txt && printf inside > new_d.txt/kept\n"
                                               "rm b.txt\n"
                                               "mv dir dir2\n"));
    const TreeState before = TreeState::read(tree.at("t"));
    ASSERT_TRUE(s.apply());

    EXPECT_EQ(statusOf(s, "a.txt"), Status::FileAlreadyExists);
    EXPECT_EQ(statusOf(s, "d.txt"), Status::FileAlreadyExists);
    EXPECT_EQ(statusOf(s, "b.txt"), Status::FileNotFound);
    EXPECT_EQ(statusOf(s, "dir/e.txt"), Status::FileNotFound);
    EXPECT_EQ(statusOf(s, "dir/f.txt"), Status::FileNotFound);
    EXPECT_EQ(statusOf(s, "new_c.txt"), Status::RenamingOK);
    EXPECT_EQ(s.lastApply.renamedCount, 1);
    EXPECT_EQ(loggedTargets(s.lastApply.logFile), QStringList{QStringLiteral("new_c.txt")});

    // Only c moved; the intruders and the renamed folder's contents are as they were.
    TreeState expected = before;
    expected.files.insert(QStringLiteral("new_c.txt"), expected.files.take(QStringLiteral("c.txt")));
    const TreeState after = TreeState::read(tree.at("t"));
    EXPECT_EQ(after, expected) << expected.differences(after).toStdString();

    const UndoOutcome undone = s.undo();
    EXPECT_EQ(undone.restored, 1);
    EXPECT_EQ(TreeState::read(tree.at("t")), before);
}

TEST(Races, FoldersChangedBetweenPreviewAndApply)
{
    TempTree tree;
    tree.file("t/f1/x", "1");
    tree.file("t/f2/x", "2");
    tree.file("t/f3/x", "3");
    tree.file("t/f4/x", "4");
    tree.file("t/f5/x", "5");
    Session s(tree.folder("Logs"));
    s.state.settings.filesFoldersOptionChanged(1);
    s.set("isIncludeSubFolders", "0");
    s.set("selectedTab", "3");
    s.set("prefixSuffixPrefix", "new_");
    s.add({tree.at("t/f1"), tree.at("t/f2"), tree.at("t/f3"), tree.at("t/f4"), tree.at("t/f5")});
    ASSERT_EQ(s.state.list.files.size(), 5u);
    ASSERT_TRUE(s.preview());

    otherProcess(tree.at("t"), QStringLiteral("mkdir new_f1 && printf mine > new_f1/x\n"
                                               "printf mine > new_f2\n"
                                               "ln -s /nonexistent new_f3\n"
                                               "rm -r f4\n"
                                               "mv f5 moved\n"));
    const TreeState before = TreeState::read(tree.at("t"));
    ASSERT_TRUE(s.apply());

    EXPECT_EQ(statusOf(s, "f1"), Status::FolderAlreadyExists);
    EXPECT_EQ(statusOf(s, "f2"), Status::FolderAlreadyExists);
    EXPECT_EQ(statusOf(s, "f3"), Status::FolderAlreadyExists);
    EXPECT_EQ(statusOf(s, "f4"), Status::FolderNotFound);
    EXPECT_EQ(statusOf(s, "f5"), Status::FolderNotFound);
    EXPECT_EQ(s.lastApply.renamedCount, 0);
    EXPECT_EQ(TreeState::read(tree.at("t")), before);
    EXPECT_TRUE(loggedTargets(s.lastApply.logFile).isEmpty());
}

// The worst moment: the intruder appears after the item has been reached, right before
// its move (the apply has already written the item's log entry ahead of the move).
TEST(Races, TargetTakenAtTheMomentOfTheMove)
{
    TempTree tree;
    for (const char* name : {"a", "b", "c", "d"})
        tree.file(QStringLiteral("t/%1.txt").arg(QLatin1String(name)), name);
    Session s(tree.folder("Logs"));
    s.set("selectedTab", "3");
    s.set("prefixSuffixSuffix", "_2");
    s.add({tree.at("t")});
    ASSERT_TRUE(s.preview());

    // Every second item finds its target taken when the loop reaches it.
    PassProgress progress(&s.ui);
    int reached = 0;
    progress.onItem = [&] {
        const FileSystemItem& item = s.state.list.files.at(size_t(reached));
        if (reached++ % 2 == 0) {
            QFile intruder(item.fileLocation() + QLatin1Char('/') + item.newFilenameValue());
            ASSERT_TRUE(intruder.open(QIODevice::WriteOnly));
            intruder.write("intruder");
        }
    };
    const ApplyOutcome outcome = ApplyDriver::applyRenames(s.state, s.state.settings, &s.ui, progress);
    ASSERT_EQ(reached, 4);
    EXPECT_EQ(outcome.renamedCount, 2);
    const TreeState after = TreeState::read(tree.at("t"));
    int intruders = 0;
    for (const QByteArray& content : after.files)
        intruders += content == "intruder";
    EXPECT_EQ(intruders, 2);
    EXPECT_EQ(after.files.size(), 6);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(s.state.list.files[i].newFilename, i % 2 == 0 ? Status::FileAlreadyExists : Status::RenamingOK);
    // The entries written ahead of the two refused moves were taken back.
    EXPECT_EQ(RenameLogReader::read(outcome.logFile).entries.size(), 2);
}
