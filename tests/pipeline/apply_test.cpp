// Apply on real folders: renames, folder order and listed paths, refusals, cancel,
// log failures and the journal written ahead of every move.
#include "pipeline/applydriver.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "pipeline/renamelogreader.h"
#include "platform/folderentries.h"
#include "platform/messages.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace {

struct ApplyBench {
    TempTree tree;
    ControllerState state;
    ScriptedUserInterface ui;

    ApplyBench() { state.preferences.defaultLogFolderPath = tree.folder(QStringLiteral("Logs")); }

    void add(const QString& path, const QString& newFilename)
    {
        std::optional<FileSystemItem> item = FileSystemItem::initWithPath(path);
        ASSERT_TRUE(item.has_value()) << path.toStdString();
        item->newFilename = newFilename;
        state.list.append(*item);
    }
    void useFolders() { state.settings.filesFoldersOptionChanged(1); }

    ApplyOutcome run(std::function<void()> onItem = {})
    {
        PassProgress progress(&ui);
        progress.onItem = std::move(onItem);
        ApplyOutcome outcome = ApplyDriver::applyRenames(state, state.settings, &ui, progress);
        QCoreApplication::processEvents();
        return outcome;
    }

    FileSystemItem& item(int row) { return state.list.files.at(size_t(row)); }
    bool exists(const QString& relative) const { return QFileInfo::exists(tree.at(relative)); }
};

QStringList entryLines(const RenameLogContents& log)
{
    QStringList out;
    for (const RenameLogEntry& e : log.entries)
        out << e.srclocation + QLatin1Char('|') + e.srcfilename + QStringLiteral("->") + e.tarlocation
                + QLatin1Char('|') + e.tarfilename;
    return out;
}

// The moves the log at path holds, in its order, as "source>target" file names; a log that
// does not parse cleanly to its end fails the test.
QStringList movesLoggedIn(const QString& path)
{
    const RenameLogContents log = RenameLogReader::read(path);
    EXPECT_TRUE(log.ok) << path.toStdString() << ": " << log.error.toStdString();
    QStringList moves;
    for (const RenameLogEntry& entry : log.entries)
        moves << entry.srcfilename + QLatin1Char('>') + entry.tarfilename;
    return moves;
}

// Makes a folder refuse new entries, for root as well (the immutable flag); false where
// neither that nor a permission change can do it.
bool lockFolder(const QString& path, bool lock)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        int flags = 0;
        bool done = false;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = lock ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        if (done || !lock)
            return done || ::chmod(QFile::encodeName(path).constData(), 0755) == 0;
    }
    if (::chmod(QFile::encodeName(path).constData(), lock ? 0555 : 0755) != 0)
        return false;
    if (!lock)
        return true;
    QFile probe(path + QStringLiteral("/probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        ::chmod(QFile::encodeName(path).constData(), 0755);
        return false;
    }
    return true;
}

} // namespace

TEST(Apply, FoldersGoFirstAndListedPathsFollowThem)
{
    ApplyBench b;
    b.tree.file(QStringLiteral("a/b/d/e.txt"), "e");
    b.tree.file(QStringLiteral("a/b/g.txt"), "g");
    b.tree.file(QStringLiteral("a/bc/f"), "f");
    b.useFolders();
    const QString root = b.tree.path();
    // Listed contents first: the apply orders folders before what they hold.
    b.add(b.tree.at(QStringLiteral("a/b/d/e.txt")), QStringLiteral("e2.txt"));
    b.add(b.tree.at(QStringLiteral("a/bc/f")), QStringLiteral("f2"));
    b.add(b.tree.at(QStringLiteral("a/b/g.txt")), QStringLiteral("No Changes"));
    b.add(b.tree.at(QStringLiteral("a/b/d")), QStringLiteral("d2"));
    b.add(b.tree.at(QStringLiteral("a/b")), QStringLiteral("c"));

    const ApplyOutcome outcome = b.run();
    EXPECT_EQ(outcome.renamedCount, 4);
    EXPECT_TRUE(b.exists(QStringLiteral("a/c/d2/e2.txt")));
    EXPECT_TRUE(b.exists(QStringLiteral("a/c/g.txt")));
    EXPECT_TRUE(b.exists(QStringLiteral("a/bc/f2")));
    EXPECT_FALSE(b.exists(QStringLiteral("a/b")));

    QStringList paths, statuses;
    for (const FileSystemItem& item : b.state.list.files) {
        paths << item.fullPath.mid(root.size());
        statuses << item.newFilename;
    }
    EXPECT_EQ(paths, (QStringList{"/a/c", "/a/c/d2", "/a/c/g.txt", "/a/c/d2/e2.txt", "/a/bc/f2"}));
    EXPECT_EQ(statuses, (QStringList{"Renaming (OK)", "Renaming (OK)", "No Changes", "Renaming (OK)", "Renaming (OK)"}));
    EXPECT_TRUE(b.state.list.isListed(b.tree.at(QStringLiteral("a/c/d2/e2.txt"))));
    EXPECT_FALSE(b.state.list.isListed(b.tree.at(QStringLiteral("a/b/d/e.txt"))));

    // The log names every rename in the order made, each at the path it had then.
    EXPECT_EQ(b.state.currLogFile, outcome.logFile);
    EXPECT_TRUE(outcome.logFile.endsWith(QStringLiteral("-4.xml")));
    const RenameLogContents log = RenameLogReader::read(outcome.logFile);
    ASSERT_TRUE(log.ok);
    EXPECT_EQ(log.type, QStringLiteral("FOLDERS"));
    EXPECT_EQ(entryLines(log), (QStringList{root + "/a|b->" + root + "/a|c", root + "/a/c|d->" + root + "/a/c|d2",
                                            root + "/a/c/d2|e.txt->" + root + "/a/c/d2|e2.txt",
                                            root + "/a/bc|f->" + root + "/a/bc|f2"}));
    EXPECT_EQ(b.ui.countTexts.last(), outcome.summary());
    EXPECT_TRUE(outcome.summary().startsWith(QStringLiteral("4 renamed in "))) << outcome.summary().toStdString();
}

TEST(Apply, AFolderTakingTheNameAnotherOneLeftKeepsTheirContentsApart)
{
    ApplyBench b;
    b.useFolders();
    b.tree.file(QStringLiteral("a/b/d.txt"), "old b");
    b.tree.file(QStringLiteral("a/c/sub/w.txt"), "old c");
    b.add(b.tree.at(QStringLiteral("a/c/sub/w.txt")), QStringLiteral("w2.txt"));
    b.add(b.tree.at(QStringLiteral("a/b/d.txt")), QStringLiteral("No Changes"));
    b.add(b.tree.at(QStringLiteral("a/c/sub")), QStringLiteral("sub2"));
    b.add(b.tree.at(QStringLiteral("a/c")), QStringLiteral("b"));
    b.add(b.tree.at(QStringLiteral("a/b")), QStringLiteral("z"));

    const ApplyOutcome outcome = b.run();
    EXPECT_EQ(outcome.renamedCount, 4);
    EXPECT_EQ(b.tree.read(QStringLiteral("a/z/d.txt")), "old b");
    EXPECT_EQ(b.tree.read(QStringLiteral("a/b/sub2/w2.txt")), "old c");
    QStringList paths;
    for (const FileSystemItem& item : b.state.list.files)
        paths << item.fullPath.mid(b.tree.path().size());
    EXPECT_EQ(paths, (QStringList{"/a/z", "/a/b", "/a/z/d.txt", "/a/b/sub2", "/a/b/sub2/w2.txt"}));
}

TEST(Apply, FilesKeepTheListOrderAndColonsShowAsSlashes)
{
    ApplyBench b;
    b.state.preferences.defaultLogFolderPath = b.tree.folder(QStringLiteral("lo#gs"));
    b.add(b.tree.file(QStringLiteral("z.txt")), QStringLiteral("z2.txt"));
    b.add(b.tree.file(QStringLiteral("a:b.txt")), QStringLiteral("c/d.txt"));
    const ApplyOutcome outcome = b.run();
    EXPECT_EQ(outcome.renamedCount, 2);
    EXPECT_TRUE(b.exists(QStringLiteral("c:d.txt")));
    EXPECT_EQ(b.item(0).fullPath, b.tree.at(QStringLiteral("z2.txt")));
    // Only the file name's "#" becomes the count.
    EXPECT_EQ(QFileInfo(outcome.logFile).path(), b.tree.at(QStringLiteral("lo#gs")));
    EXPECT_TRUE(QFileInfo(outcome.logFile).fileName().endsWith(QStringLiteral("-2.xml")));
    const RenameLogContents log = RenameLogReader::read(outcome.logFile);
    ASSERT_EQ(log.entries.size(), 2);
    EXPECT_EQ(log.type, QStringLiteral("FILES"));
    EXPECT_EQ(log.entries.at(0).srcfilename, QStringLiteral("z.txt"));
    EXPECT_EQ(log.entries.at(1).srcfilename, QStringLiteral("a/b.txt"));
    EXPECT_EQ(log.entries.at(1).tarfilename, QStringLiteral("c/d.txt"));
    EXPECT_EQ(b.ui.countTexts.last(), outcome.summary());
    EXPECT_TRUE(b.ui.countTexts.contains(msgN("TOTALFILESRENAMED", 1)));
}

TEST(Apply, TakenNamesAreNeverReplaced)
{
    ApplyBench b;
    b.add(b.tree.file(QStringLiteral("x.txt"), "x"), QStringLiteral("y.txt"));
    b.tree.file(QStringLiteral("y.txt"), "other");
    b.add(b.tree.folder(QStringLiteral("dir1")), QStringLiteral("dir2"));
    b.tree.file(QStringLiteral("dir2"), "a file, not a folder");
    // Two items proposed to one name: the first wins.
    b.add(b.tree.file(QStringLiteral("a.txt"), "A"), QStringLiteral("same.txt"));
    b.add(b.tree.file(QStringLiteral("b.txt"), "B"), QStringLiteral("same.txt"));
    // A change of letter case only, where both spellings are different files.
    b.add(b.tree.file(QStringLiteral("photo.JPG"), "upper"), QStringLiteral("photo.jpg"));
    b.tree.file(QStringLiteral("photo.jpg"), "lower");

    const ApplyOutcome outcome = b.run();
    EXPECT_EQ(outcome.renamedCount, 1);
    EXPECT_EQ(b.item(0).newFilename, QStringLiteral("File Already Exists"));
    EXPECT_EQ(b.item(1).newFilename, QStringLiteral("Folder Already Exists"));
    EXPECT_EQ(b.item(2).newFilename, QStringLiteral("Renaming (OK)"));
    EXPECT_EQ(b.item(3).newFilename, QStringLiteral("File Already Exists"));
    EXPECT_EQ(b.item(4).newFilename, QStringLiteral("File Already Exists"));
    EXPECT_EQ(b.item(3).fullPath, b.tree.at(QStringLiteral("b.txt")));
    EXPECT_EQ(b.tree.read(QStringLiteral("x.txt")), "x");
    EXPECT_EQ(b.tree.read(QStringLiteral("y.txt")), "other");
    EXPECT_EQ(b.tree.read(QStringLiteral("dir2")), "a file, not a folder");
    EXPECT_EQ(b.tree.read(QStringLiteral("same.txt")), "A");
    EXPECT_EQ(b.tree.read(QStringLiteral("b.txt")), "B");
    EXPECT_EQ(b.tree.read(QStringLiteral("photo.JPG")), "upper");
    EXPECT_EQ(b.tree.read(QStringLiteral("photo.jpg")), "lower");
    // Refused moves leave nothing in the log.
    const RenameLogContents log = RenameLogReader::read(outcome.logFile);
    ASSERT_TRUE(log.ok);
    ASSERT_EQ(log.entries.size(), 1);
    EXPECT_EQ(log.entries.at(0).tarfilename, QStringLiteral("same.txt"));
}

TEST(Apply, LetterCaseChanges)
{
    ApplyBench b;
    b.add(b.tree.file(QStringLiteral("Song.MP3"), "s"), QStringLiteral("song.mp3"));
    // Two hard links that differ only in case: the plain rename succeeds without doing
    // anything, which is no rename at all.
    const QString upper = b.tree.file(QStringLiteral("twin.JPG"), "t");
    const QString lower = b.tree.at(QStringLiteral("twin.jpg"));
    ASSERT_EQ(::link(QFile::encodeName(upper).constData(), QFile::encodeName(lower).constData()), 0);
    b.add(upper, QStringLiteral("twin.jpg"));

    const ApplyOutcome outcome = b.run();
    EXPECT_EQ(b.item(0).newFilename, QStringLiteral("Renaming (OK)"));
    EXPECT_TRUE(b.tree.names().contains(QStringLiteral("song.mp3")));
    EXPECT_FALSE(b.tree.names().contains(QStringLiteral("Song.MP3")));
    EXPECT_EQ(b.item(1).newFilename, QStringLiteral("No Changes"));
    EXPECT_EQ(b.item(1).fullPath, upper);
    EXPECT_TRUE(QFileInfo::exists(upper));
    EXPECT_TRUE(QFileInfo::exists(lower));
    EXPECT_EQ(outcome.renamedCount, 1);
    EXPECT_EQ(RenameLogReader::countEntries(outcome.logFile), 1);
}

TEST(Apply, PassesOverItemsWithoutANewName)
{
    ApplyBench b;
    const QStringList kept = {QString(), "No Changes", "File Not Found", "Renaming (OK)", "Folder Already Exists"};
    for (int i = 0; i < kept.size(); ++i)
        b.add(b.tree.file(QStringLiteral("f%1").arg(i)), kept.at(i));
    int reached = 0;
    const ApplyOutcome outcome = b.run([&] { ++reached; });
    EXPECT_EQ(reached, 0);
    EXPECT_EQ(outcome.renamedCount, 0);
    for (int i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(b.item(i).newFilename, kept.at(i));
        EXPECT_TRUE(b.exists(QStringLiteral("f%1").arg(i)));
    }
    // Nothing renamed still leaves a log, counted 0.
    EXPECT_TRUE(outcome.logFile.endsWith(QStringLiteral("-0.xml")));
    EXPECT_TRUE(RenameLogReader::read(outcome.logFile).ok);
}

TEST(Apply, CancelAfterTheSecondRenameLogsExactlyTwo)
{
    ApplyBench b;
    for (int i = 1; i <= 4; ++i)
        b.add(b.tree.file(QStringLiteral("p%1.txt").arg(i)), QStringLiteral("q%1.txt").arg(i));
    int reached = 0;
    // The Cancel command arrives while the second item is being renamed.
    const ApplyOutcome outcome = b.run([&] {
        if (++reached == 2)
            b.state.isCancelProcess = true;
    });
    EXPECT_EQ(outcome.renamedCount, 2);
    EXPECT_TRUE(QFileInfo(outcome.logFile).fileName().endsWith(QStringLiteral("-2.xml")));
    const RenameLogContents log = RenameLogReader::read(outcome.logFile);
    ASSERT_TRUE(log.ok);
    EXPECT_EQ(log.entries.size(), 2);
    EXPECT_EQ(b.item(2).newFilename, QStringLiteral("q3.txt"));
    EXPECT_TRUE(b.exists(QStringLiteral("p3.txt")));
    EXPECT_TRUE(b.exists(QStringLiteral("p4.txt")));
    EXPECT_EQ(b.tree.names(QStringLiteral("Logs")).size(), 1) << "the journal is gone";
}

TEST(Apply, TheJournalIsCompleteAndLockedAtEveryItemAndRecordsEachMoveBeforeIt)
{
    ApplyBench b;
    for (int i = 1; i <= 5; ++i) {
        b.add(b.tree.file(QStringLiteral("j%1").arg(i)), QStringLiteral("k%1").arg(i));
        b.item(i - 1).inode = FolderEntries().inodeAt(b.item(i - 1).fullPath);
    }
    // The fourth target appears after the preview: that move fails.
    b.tree.file(QStringLiteral("k4"), "taken");
    int reached = 0;
    QStringList problems;
    const ApplyOutcome outcome = b.run([&] {
        const QString journal = b.state.currLogFile;
        if (!QFileInfo(journal).fileName().contains(QLatin1Char('#')))
            problems << "not a journal: " + journal;
        if (!RenameLogReader::isLockedByRunningApply(journal))
            problems << "not locked";
        // The moves are announced in one write ahead of them: the journal holds at least
        // the move about to be made, with the inode of its item.
        const RenameLogContents now = RenameLogReader::read(journal);
        const int made = reached > 3 ? reached - 1 : reached; // the fourth was refused
        if (!now.ok || now.entries.size() <= made)
            problems << QStringLiteral("at item %1: ok=%2 entries=%3").arg(reached).arg(now.ok).arg(now.entries.size());
        else if (now.entries[made].srcfilename != b.item(reached).filenameWithExtension()
                 || now.entries[made].inode != b.item(reached).inode || now.entries[made].inode == 0)
            problems << QStringLiteral("at item %1: %2 inode %3").arg(reached).arg(now.entries[made].srcfilename).arg(now.entries[made].inode);
        ++reached;
    });
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QStringLiteral("; ")).toStdString();
    EXPECT_EQ(reached, 5);
    EXPECT_EQ(outcome.renamedCount, 4);
    EXPECT_FALSE(RenameLogReader::isLockedByRunningApply(outcome.logFile));
    // The final log holds the moves made, in the order made, and not the refused one.
    EXPECT_EQ(movesLoggedIn(outcome.logFile), (QStringList{"j1>k1", "j2>k2", "j3>k3", "j5>k5"}));
    EXPECT_EQ(b.item(3).newFilename, Status::FileAlreadyExists);
}

// Long batches are made ahead, on a thread of their own, while the next batch is journaled.
// Targets taken after the preview are refused wherever they fall (first, last, on each side
// of a batch boundary); every other item is renamed; the log holds exactly the moves made.
// The items lie in two folders, in runs that cross the batches; each folder holds a file of
// the same name as every item of the other, which no move may touch.
TEST(Apply, LongBatchesRefuseTakenTargetsWhereverTheyFallAndLogExactlyTheMovesMade)
{
    ApplyBench b;
    constexpr int kCount = 1200;
    // Some names lie outside ASCII: their paths reach the kernel through the name encoding.
    const auto name = [](const char* stem, int i) {
        return QString::fromUtf8(stem) + (i % 100 == 7 ? QStringLiteral("\u00e9") : QString()) + QString::number(i);
    };
    const auto folder = [](int i) { return (i / 300) % 2 ? QStringLiteral("sub/") : QString(); };
    const auto otherFolder = [&](int i) { return folder(i).isEmpty() ? QStringLiteral("sub/") : QString(); };
    for (int i = 0; i < kCount; ++i) {
        b.add(b.tree.file(folder(i) + name("f", i), QByteArray::number(i)), name("g", i));
        b.tree.file(otherFolder(i) + name("f", i), "other");
    }
    const QList<int> taken{0, 5, 511, 512, 700, 1023, 1024, 1199};
    for (int i : taken)
        b.tree.file(folder(i) + name("g", i), "taken");

    // While it runs, every move seen on disk is in the journal already (read after the disk).
    int reached = 0;
    QStringList unrecorded;
    const ApplyOutcome outcome = b.run([&] {
        if (++reached != 50 && reached != 700)
            return;
        QStringList moved;
        for (const QString& in : {QString(), QStringLiteral("sub/")}) {
            for (const QString& name : b.tree.names(in).filter(QRegularExpression(QStringLiteral("^g\\D?\\d+$"))))
                moved << in + name;
        }
        const RenameLogContents now = RenameLogReader::read(b.state.currLogFile);
        for (const RenameLogEntry& entry : now.entries)
            moved.removeOne(QDir(b.tree.at(QString())).relativeFilePath(entry.tarlocation + QLatin1Char('/') + entry.tarfilename));
        for (const QString& path : moved) {
            if (b.tree.read(path) != "taken")
                unrecorded << path;
        }
    });
    EXPECT_TRUE(unrecorded.isEmpty()) << unrecorded.join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(outcome.renamedCount, kCount - taken.size());
    QStringList problems, expected;
    for (int i = 0; i < kCount; ++i) {
        const bool refused = taken.contains(i);
        const QString now = folder(i) + name(refused ? "f" : "g", i);
        if (b.item(i).newFilename != (refused ? Status::FileAlreadyExists : Status::RenamingOK)
            || b.item(i).fullPath != b.tree.at(now) || b.tree.read(now) != QByteArray::number(i))
            problems << QString::number(i);
        if (refused && b.tree.read(folder(i) + name("g", i)) != "taken")
            problems << name("g", i) + QStringLiteral(" replaced");
        if (b.tree.read(otherFolder(i) + name("f", i)) != "other")
            problems << otherFolder(i) + name("f", i) + QStringLiteral(" moved");
        if (!refused)
            expected << name("f", i) + QLatin1Char('>') + name("g", i);
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(movesLoggedIn(outcome.logFile), expected);
}

// Cancel while moves are made ahead: the apply stops inside its batches, and the log holds
// exactly the moves made, none more, none less.
TEST(Apply, CancelDuringLongBatchesLogsExactlyTheMovesMade)
{
    ApplyBench b;
    constexpr int kCount = 1500;
    for (int i = 0; i < kCount; ++i)
        b.add(b.tree.file(QStringLiteral("c%1").arg(i)), QStringLiteral("d%1").arg(i));
    int reached = 0;
    const ApplyOutcome outcome = b.run([&] {
        if (++reached == 100)
            b.state.isCancelProcess = true;
    });
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_GE(outcome.renamedCount, 100);
    EXPECT_LT(outcome.renamedCount, kCount);
    QStringList problems, expected;
    for (int i = 0; i < kCount; ++i) {
        const bool renamed = b.item(i).newFilename == Status::RenamingOK;
        if (renamed != (i < outcome.renamedCount) || b.exists(QStringLiteral("d%1").arg(i)) != renamed
            || b.exists(QStringLiteral("c%1").arg(i)) == renamed)
            problems << QString::number(i);
        if (renamed)
            expected << QStringLiteral("c%1>d%1").arg(i);
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QStringLiteral(", ")).toStdString();
    EXPECT_EQ(movesLoggedIn(outcome.logFile), expected);
}

TEST(Apply, AbortAfterALogFailureRenamesNothing)
{
    ApplyBench b;
    b.state.preferences.defaultLogFolderPath = b.tree.file(QStringLiteral("plain")) + QStringLiteral("/Logs");
    b.add(b.tree.file(QStringLiteral("a.txt")), QStringLiteral("b.txt"));
    b.ui.alertAnswers = {QStringLiteral("ABORT")};
    const ApplyOutcome outcome = b.run();
    ASSERT_EQ(b.ui.alerts.size(), 1);
    EXPECT_EQ(b.ui.alerts[0].title, msg("ITEMRENAMINGTITLE"));
    EXPECT_EQ(b.ui.alerts[0].message, msg("LOGCREATEFAILED"));
    EXPECT_EQ(b.ui.alerts[0].buttons, (QStringList{"ABORT", "CONTINUE"}));
    EXPECT_TRUE(outcome.aborted);
    EXPECT_EQ(outcome.renamedCount, 0);
    EXPECT_TRUE(b.exists(QStringLiteral("a.txt")));
    EXPECT_EQ(b.item(0).newFilename, QStringLiteral("b.txt"));
    // The finishing steps still ran.
    EXPECT_TRUE(outcome.logFile.isEmpty());
    EXPECT_TRUE(b.state.currLogFile.isEmpty());
    EXPECT_EQ(b.ui.countTexts.last(), outcome.summary());
    EXPECT_TRUE(b.state.list.isListed(b.tree.at(QStringLiteral("a.txt"))));
}

TEST(Apply, ContinueWithoutALogStillRenames)
{
    ApplyBench b;
    b.state.preferences.defaultLogFolderPath = b.tree.file(QStringLiteral("plain")) + QStringLiteral("/Logs");
    b.add(b.tree.file(QStringLiteral("a.txt")), QStringLiteral("b.txt"));
    b.ui.alertAnswers = {QStringLiteral("CONTINUE")};
    const ApplyOutcome outcome = b.run();
    EXPECT_EQ(b.ui.alerts.size(), 1);
    EXPECT_FALSE(outcome.aborted);
    EXPECT_EQ(outcome.renamedCount, 1);
    EXPECT_TRUE(b.exists(QStringLiteral("b.txt")));
    EXPECT_TRUE(outcome.logFile.isEmpty());
    EXPECT_FALSE(outcome.logSaveFailed);
}

TEST(Apply, NoLogFolderIsALogThatCannotBeCreated)
{
    for (const QString& folder : {QString(), QStringLiteral("relative/Logs")}) {
        ApplyBench b;
        b.state.preferences.defaultLogFolderPath = folder;
        b.add(b.tree.file(QStringLiteral("a.txt")), QStringLiteral("b.txt"));
        b.ui.alertAnswers = {QStringLiteral("CONTINUE")};
        const ApplyOutcome outcome = b.run();
        ASSERT_EQ(b.ui.alerts.size(), 1) << folder.toStdString();
        EXPECT_EQ(b.ui.alerts[0].message, msg("LOGCREATEFAILED"));
        EXPECT_EQ(outcome.renamedCount, 1);
        EXPECT_TRUE(outcome.logFile.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(QStringLiteral("relative")));
    }
}

TEST(Apply, AnExceptionEndsTheLoopAndTheFinishingStepsRun)
{
    ApplyBench b;
    b.useFolders();
    b.tree.file(QStringLiteral("a/b/x.txt"));
    b.tree.file(QStringLiteral("a/b/z.txt"));
    b.add(b.tree.at(QStringLiteral("a/b/z.txt")), QStringLiteral("z2.txt"));
    b.add(b.tree.at(QStringLiteral("a/b/x.txt")), QStringLiteral("x2.txt"));
    b.add(b.tree.at(QStringLiteral("a/b")), QStringLiteral("c"));
    int reached = 0;
    const ApplyOutcome outcome = b.run([&] {
        if (++reached == 2)
            throw std::runtime_error("disk on fire");
    });
    EXPECT_EQ(outcome.renamedCount, 1);
    EXPECT_EQ(RenameLogReader::read(outcome.logFile).entries.size(), 1);
    // Both listed files follow their folder, the one the loop never reached too.
    EXPECT_EQ(b.item(1).fullPath, b.tree.at(QStringLiteral("a/c/x.txt")));
    EXPECT_EQ(b.item(2).fullPath, b.tree.at(QStringLiteral("a/c/z.txt")));
    EXPECT_EQ(b.item(2).newFilename, QStringLiteral("z2.txt"));
    EXPECT_TRUE(b.exists(QStringLiteral("a/c/x.txt")));
    EXPECT_EQ(b.ui.countTexts.last(), outcome.summary());
}

TEST(Apply, AFinalLogThatCannotBeWrittenKeepsTheJournal)
{
    ApplyBench b;
    const QString logs = b.state.preferences.defaultLogFolderPath;
    b.add(b.tree.file(QStringLiteral("m1")), QStringLiteral("n1"));
    b.add(b.tree.file(QStringLiteral("m2")), QStringLiteral("n2"));
    bool locked = false;
    int reached = 0;
    const ApplyOutcome outcome = b.run([&] {
        if (++reached == 2)
            locked = lockFolder(logs, true);
    });
    if (locked)
        lockFolder(logs, false);
    if (!locked)
        GTEST_SKIP() << "this machine cannot make a folder refuse new files";
    EXPECT_EQ(outcome.renamedCount, 2);
    EXPECT_TRUE(outcome.logSaveFailed);
    EXPECT_TRUE(QFileInfo(outcome.logFile).fileName().contains(QLatin1Char('#')));
    EXPECT_EQ(b.state.currLogFile, outcome.logFile);
    const RenameLogContents journal = RenameLogReader::read(outcome.logFile);
    EXPECT_TRUE(journal.ok);
    EXPECT_EQ(journal.entries.size(), 2);
    EXPECT_FALSE(RenameLogReader::isLockedByRunningApply(outcome.logFile));
    EXPECT_EQ(b.tree.names(QStringLiteral("Logs")), QStringList{QFileInfo(outcome.logFile).fileName()});
}

TEST(ApplyCommand, AsksRunsOnTheWorkerAndReports)
{
    ApplyBench b;
    b.add(b.tree.file(QStringLiteral("a.txt")), QStringLiteral("a2.txt"));
    b.add(b.tree.file(QStringLiteral("b.txt")), QStringLiteral("b2.txt"));
    ApplyDriver driver(b.state, b.ui);

    // Nothing previewed for renaming: the command does nothing.
    EXPECT_FALSE(driver.actionApply());
    EXPECT_TRUE(b.ui.alerts.isEmpty());

    b.state.isHasFilesForRenaming = true;
    b.ui.alertAnswers = {QStringLiteral("NO")};
    EXPECT_FALSE(driver.actionApply());
    ASSERT_EQ(b.ui.alerts.size(), 1);
    EXPECT_EQ(b.ui.alerts[0].title, msg("ITEMRENAMINGTITLE"));
    EXPECT_EQ(b.ui.alerts[0].message, msgN("ITEMRENAMINGCOUNTMESSAGE", 2));
    EXPECT_EQ(b.ui.alerts[0].buttons, (QStringList{"YES", "NO"}));
    EXPECT_TRUE(b.exists(QStringLiteral("a.txt")));

    b.state.isExecuting = true;
    EXPECT_FALSE(driver.actionApply());
    EXPECT_EQ(b.ui.alerts.size(), 1);
    b.state.isExecuting = false;

    b.state.isCancelProcess = true; // left over from an earlier pass
    b.ui.alertAnswers = {QStringLiteral("YES")};
    ApplyOutcome finished;
    ASSERT_TRUE(driver.actionApply([&](const ApplyOutcome& o) { finished = o; }));
    EXPECT_TRUE(b.state.isExecuting.load());
    EXPECT_FALSE(b.state.isHasFilesForRenaming.load());
    PassRunner::waitUntilIdle(b.state);

    EXPECT_EQ(finished.renamedCount, 2);
    EXPECT_TRUE(b.exists(QStringLiteral("a2.txt")));
    EXPECT_TRUE(b.exists(QStringLiteral("b2.txt")));
    EXPECT_EQ(b.state.currLogFile, finished.logFile);
    EXPECT_TRUE(QFileInfo::exists(finished.logFile));
    EXPECT_EQ(b.ui.progressMessages.first(), msg("RENAMINGITEMSPLEASEWAIT").arg(msg("FILES")));
    EXPECT_EQ(b.ui.passesStarted, 1);
    EXPECT_EQ(b.ui.passesEnded, 1);
    EXPECT_GE(b.ui.reloads, 1);
    ASSERT_FALSE(b.ui.timeTexts.isEmpty());
    EXPECT_EQ(b.ui.timeTexts.last(), finished.summary());
    EXPECT_EQ(b.state.lastActionTimeTaken, finished.summary());
    EXPECT_EQ(b.ui.countTexts.last(), finished.summary());
}

TEST(ApplyCommand, TheLogQuestionIsAskedOnTheMainThreadWhileTheWorkerWaits)
{
    ApplyBench b;
    b.state.preferences.defaultLogFolderPath = b.tree.file(QStringLiteral("plain")) + QStringLiteral("/Logs");
    b.add(b.tree.file(QStringLiteral("a.txt")), QStringLiteral("b.txt"));
    b.state.isHasFilesForRenaming = true;
    b.ui.alertAnswers = {QStringLiteral("YES"), QStringLiteral("CONTINUE")};
    ApplyDriver driver(b.state, b.ui);
    ASSERT_TRUE(driver.actionApply());
    PassRunner::waitUntilIdle(b.state);
    ASSERT_EQ(b.ui.alerts.size(), 2);
    EXPECT_EQ(b.ui.alerts[1].message, msg("LOGCREATEFAILED"));
    EXPECT_TRUE(b.exists(QStringLiteral("b.txt")));
}
