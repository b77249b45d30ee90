// Undoing a rename log on real files: order, items that went away or whose old name was
// taken, names with colons, letter-case changes, damaged and unfinished logs.

#include "undofixture.h"

#include "pipeline/renamelogreader.h"
#include "platform/filemanager.h"
#include "platform/messages.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using TestLogs::renamed;

namespace {

const QDateTime kStart(QDate(2026, 3, 7), QTime(9, 5, 2));

QString report(int found, int restored)
{
    return msg("UNDOTOTALNOSITEMSFOUND").arg(found) + msg("UNDOTOTALNOSITEMSRENAMED").arg(restored)
        + msg("UNDOTOTALNOSITEMDOESNOTEXISTS").arg(found - restored);
}

} // namespace

class UndoRenaming : public UndoFixture {};

TEST_F(UndoRenaming, ChainIsUndoneLastRenameFirstAndTheLogDeleted)
{
    // The apply renamed a to b, then b to c: only c is left on disk.
    const QString c = tree.file(QStringLiteral("data/c.txt"), "payload");
    const QString a = tree.at(QStringLiteral("data/a.txt"));
    const QString b = tree.at(QStringLiteral("data/b.txt"));
    const QString log = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("2")),
                                        TestLogs::xml({renamed(a, b), renamed(b, c)}));
    undo.loadUserLogFiles();
    ASSERT_EQ(undo.logFiles().size(), 1);
    undo.tableViewSelectionDidChange(0);
    EXPECT_EQ(undo.currLogFilePath(), log);

    const UndoOutcome out = undo.undoRenaming();
    EXPECT_EQ(out.status, UndoOutcome::Status::Undone);
    EXPECT_EQ(out.restored, 2);
    EXPECT_EQ(tree.names(QStringLiteral("data")), QStringList{QStringLiteral("a.txt")});
    EXPECT_EQ(readText(a), QStringLiteral("payload"));

    EXPECT_TRUE(out.logDeleted);
    EXPECT_FALSE(QFileInfo::exists(log));
    EXPECT_TRUE(undo.logFiles().isEmpty());
    EXPECT_TRUE(undo.currLogFilePath().isEmpty());
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].style, AlertStyle::Informational);
    EXPECT_EQ(ui.alerts[0].message, report(2, 2));
    // Timed through the controller state.
    ASSERT_EQ(ui.timeTexts.size(), 1);
    EXPECT_EQ(ui.timeTexts[0], state.lastActionTimeTaken);
    EXPECT_GT(state.startTime, 0);
    EXPECT_GE(state.endTime, state.startTime);
    EXPECT_FALSE(undo.isUndoing());
}

TEST_F(UndoRenaming, GoneItemsAndTakenNamesAreCountedAndNothingIsReplaced)
{
    // x went to x2 (still there); y went to y2 (deleted since); z went to z2 and a new
    // file took the name z afterwards.
    const QString x = tree.at(QStringLiteral("data/x")), x2 = tree.file(QStringLiteral("data/x2"), "x");
    const QString y = tree.at(QStringLiteral("data/y")), y2 = tree.at(QStringLiteral("data/y2"));
    const QString z = tree.file(QStringLiteral("data/z"), "newcomer");
    const QString z2 = tree.file(QStringLiteral("data/z2"), "renamed z");
    TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("3")),
                    TestLogs::xml({renamed(x, x2), renamed(y, y2), renamed(z, z2)}));
    undo.loadUserLogFiles();
    undo.tableViewSelectionDidChange(0);

    const UndoOutcome out = undo.undoRenaming();
    EXPECT_EQ(out.elements, 3);
    EXPECT_EQ(out.restored, 1);
    EXPECT_EQ(readText(x), QStringLiteral("x"));
    EXPECT_EQ(readText(z), QStringLiteral("newcomer"));
    EXPECT_EQ(readText(z2), QStringLiteral("renamed z"));
    EXPECT_FALSE(QFileInfo::exists(y));
    ASSERT_EQ(ui.alerts.size(), 1);
    // Each item left behind is named, with the reason.
    EXPECT_EQ(ui.alerts[0].message,
              report(3, 1) + "\n" + msg("UNDONOTRESTOREDITEM").arg(z2, z, msg("UNDOREASONTAKEN")) + "\n"
                  + msg("UNDONOTRESTOREDITEM").arg(y2, y, msg("UNDOREASONGONE")) + "\n" + msg("UNDOLOGKEPT").arg(1));
    // The moves left behind, in the order undone.
    ASSERT_EQ(out.notRestored.size(), 2);
    EXPECT_EQ(out.notRestored[0].from, z2);
    EXPECT_EQ(out.notRestored[0].to, z);
    EXPECT_EQ(out.notRestored[1].from, y2);
    EXPECT_EQ(out.movesRestored, 1);
    // The log stays with the one entry that can still be undone (z2, once z is free);
    // the item that is gone is no longer on record.
    EXPECT_FALSE(out.logDeleted);
    EXPECT_EQ(out.keptEntries, 1);
    const RenameLogContents kept = RenameLogReader::read(out.logFilePath);
    ASSERT_TRUE(kept.ok);
    ASSERT_EQ(kept.entries.size(), 1);
    EXPECT_EQ(kept.entries[0].tarfilename, QStringLiteral("z2"));
    ASSERT_TRUE(QFile::remove(z));
    ui.alerts.clear();
    const UndoOutcome again = undo.undoLogFile(out.logFilePath);
    EXPECT_EQ(again.restored, 1);
    EXPECT_TRUE(again.logDeleted);
    EXPECT_EQ(readText(z), QStringLiteral("renamed z"));
}

TEST_F(UndoRenaming, AnItemOnAnotherFileSystemIsLeftAndItsEntryKept)
{
    // A log whose two folders lie on different file systems (a hand-edited log, a
    // remount): nothing is copied across, the entry stays on record and is named.
    QTemporaryDir other(QStringLiteral("/dev/shm/quorvel-undo-XXXXXX"));
    struct stat here {}, there {};
    if (!other.isValid() || ::stat(QFile::encodeName(data).constData(), &here) != 0
        || ::stat(QFile::encodeName(other.path()).constData(), &there) != 0 || here.st_dev == there.st_dev)
        GTEST_SKIP() << "no second file system beside the temporary folder";
    const QString moved = other.path() + QStringLiteral("/far.txt");
    {
        QFile f(moved);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("far");
    }
    const QString old = tree.at(QStringLiteral("data/near.txt"));
    const QString x = tree.at(QStringLiteral("data/x")), x2 = tree.file(QStringLiteral("data/x2"), "x");
    const QString log = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("2")),
                                        TestLogs::xml({renamed(old, moved), renamed(x, x2)}));

    const UndoOutcome out = undo.undoLogFile(log);
    EXPECT_EQ(out.elements, 2);
    EXPECT_EQ(out.restored, 1);
    EXPECT_EQ(readText(moved), QStringLiteral("far"));
    EXPECT_FALSE(QFileInfo::exists(old));
    EXPECT_EQ(readText(x), QStringLiteral("x"));
    EXPECT_FALSE(out.logDeleted);
    EXPECT_EQ(out.keptEntries, 1);
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_TRUE(ui.alerts[0].message.contains(msg("UNDONOTRESTOREDITEM").arg(moved, old, msg("UNDOREASONOTHERFILESYSTEM"))))
        << ui.alerts[0].message.toStdString();
    const RenameLogContents kept = RenameLogReader::read(log);
    ASSERT_TRUE(kept.ok);
    ASSERT_EQ(kept.entries.size(), 1);
    EXPECT_EQ(kept.entries[0].tarlocation, other.path());
}

TEST_F(UndoRenaming, NamesWithColonsOnDiskAreFoundFromTheirSlashForm)
{
    const QString folder = tree.folder(QStringLiteral("data/in:dir"));
    const QString now = tree.file(QStringLiteral("data/in:dir/b:c.txt"), "colon");
    const QString before = folder + QStringLiteral("/a:b.txt");
    const TestLogs::Item item = renamed(before, now);
    ASSERT_EQ(item.srcfilename, QStringLiteral("a/b.txt"));
    ASSERT_EQ(item.srclocation, folder); // locations keep their colons
    const QString log = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("1")), TestLogs::xml({item}));

    const UndoOutcome out = undo.undoLogFile(log);
    EXPECT_EQ(out.restored, 1);
    EXPECT_EQ(readText(before), QStringLiteral("colon"));
    EXPECT_FALSE(QFileInfo::exists(now));
}

TEST_F(UndoRenaming, LetterCaseUndoNeverTouchesAnotherFile)
{
    // On this case-sensitive file system photo.jpg and Photo.jpg are two files: the log says
    // photo.jpg became Photo.jpg, but a different photo.jpg exists now. Nothing may move.
    const QString lower = tree.file(QStringLiteral("data/photo.jpg"), "other");
    const QString upper = tree.file(QStringLiteral("data/Photo.jpg"), "renamed");
    // Two hard links that differ in case are one file: rename() between them would do
    // nothing, and that must not count as restored either.
    const QString link1 = tree.file(QStringLiteral("data/song.mp3"), "song");
    const QString link2 = tree.at(QStringLiteral("data/Song.mp3"));
    ASSERT_EQ(::link(QFile::encodeName(link1).constData(), QFile::encodeName(link2).constData()), 0);

    const QString log = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("2")),
                                        TestLogs::xml({renamed(lower, upper), renamed(link1, link2)}));
    const UndoOutcome out = undo.undoLogFile(log);
    EXPECT_EQ(out.elements, 2);
    EXPECT_EQ(out.restored, 0);
    EXPECT_EQ(readText(lower), QStringLiteral("other"));
    EXPECT_EQ(readText(upper), QStringLiteral("renamed"));
    EXPECT_EQ(readText(link1), QStringLiteral("song"));
    EXPECT_EQ(readText(link2), QStringLiteral("song"));
}

TEST_F(UndoRenaming, ElementsIntoVanishedFoldersFailAloneAndTheRestIsRestored)
{
    // One item was moved out of a folder that no longer exists, another was renamed inside
    // a folder that has gone with it; a third is fine.
    const QString away = tree.file(QStringLiteral("data/kept/moved.txt"), "moved");
    const QString gone = tree.at(QStringLiteral("data/gone"));
    const QString ok2 = tree.file(QStringLiteral("data/ok2.txt"), "ok");
    const QString log = TestLogs::write(
        logs, TestLogs::name(kStart, QStringLiteral("3")),
        TestLogs::xml({renamed(gone + QStringLiteral("/moved.txt"), away),
                       renamed(gone + QStringLiteral("/f"), gone + QStringLiteral("/g")),
                       renamed(tree.at(QStringLiteral("data/ok.txt")), ok2)}));

    const UndoOutcome out = undo.undoLogFile(log);
    EXPECT_EQ(out.elements, 3);
    EXPECT_EQ(out.restored, 1);
    EXPECT_EQ(readText(away), QStringLiteral("moved"));
    EXPECT_FALSE(QFileInfo::exists(gone));
    EXPECT_EQ(readText(tree.at(QStringLiteral("data/ok.txt"))), QStringLiteral("ok"));
}

TEST_F(UndoRenaming, ElementsWithoutSoundPathsAreSkippedAndCounted)
{
    const QString victim = tree.folder(QStringLiteral("data/victim"));
    tree.file(QStringLiteral("data/victim/inside.txt"), "keep");
    const QString elsewhere = tree.folder(QStringLiteral("elsewhere"));
    const QString relative = tree.file(QStringLiteral("data/rel/now.txt"), "rel");
    const QString good = tree.file(QStringLiteral("data/good2"), "good");

    QList<TestLogs::Item> items;
    // ".." as the current name would name the folder above and move all of it.
    items.append({elsewhere, victim + QStringLiteral("/sub"), QStringLiteral("stolen"), QStringLiteral("..")});
    // "." as the old name.
    items.append({victim, victim, QStringLiteral("."), QStringLiteral("inside.txt")});
    // An empty name.
    items.append({victim, victim, QString(), QStringLiteral("inside.txt")});
    // Relative locations would be resolved against the working folder.
    items.append({QStringLiteral("rel"), QStringLiteral("rel"), QStringLiteral("before.txt"), QStringLiteral("now.txt")});
    items.append(renamed(tree.at(QStringLiteral("data/good")), good));
    QByteArray doc = TestLogs::xml(items);
    // And one element without its "tarfilename" attribute.
    doc.replace("</files>", "    <file srclocation=\"" + data.toUtf8() + "\" tarlocation=\"" + data.toUtf8()
                                + "\" srcfilename=\"x\"/>\n</files>");
    tree.folder(QStringLiteral("data/victim/sub"));
    const QString log = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("6")), doc);

    const QString cwd = QDir::currentPath();
    QDir::setCurrent(data);
    const UndoOutcome out = undo.undoLogFile(log);
    QDir::setCurrent(cwd);

    EXPECT_EQ(out.elements, 6);
    EXPECT_EQ(out.restored, 1);
    EXPECT_EQ(readText(tree.at(QStringLiteral("data/good"))), QStringLiteral("good"));
    EXPECT_EQ(readText(victim + QStringLiteral("/inside.txt")), QStringLiteral("keep"));
    EXPECT_FALSE(QFileInfo::exists(elsewhere + QStringLiteral("/stolen")));
    EXPECT_EQ(readText(relative), QStringLiteral("rel"));
    EXPECT_FALSE(QFileInfo::exists(tree.at(QStringLiteral("data/rel/before.txt"))));
    EXPECT_TRUE(out.logDeleted);
}

TEST_F(UndoRenaming, JournalOfACrashedApplyIsListedWithItsEntriesAndUndone)
{
    // The apply crashed after two renames: its journal still carries "#".
    const QString a2 = tree.file(QStringLiteral("data/a2"), "a");
    const QString b2 = tree.file(QStringLiteral("data/b2"), "b");
    const QString journal = TestLogs::write(
        logs, TestLogs::name(kStart, QStringLiteral("#")),
        TestLogs::xml({renamed(tree.at(QStringLiteral("data/a")), a2), renamed(tree.at(QStringLiteral("data/b")), b2)}));
    undo.loadUserLogFiles();
    ASSERT_EQ(undo.logFiles().size(), 1);
    EXPECT_EQ(undo.logFiles()[0].filesCount, 2);
    undo.tableViewSelectionDidChange(0);
    EXPECT_EQ(undo.totalFilesCanBeUndoFromLog(), 2);

    const UndoOutcome out = undo.undoRenaming();
    EXPECT_EQ(out.restored, 2);
    EXPECT_EQ(tree.names(QStringLiteral("data")), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    // It parsed cleanly, so it goes like any undone log.
    EXPECT_TRUE(out.logDeleted);
    EXPECT_FALSE(QFileInfo::exists(journal));
}

TEST_F(UndoRenaming, MovesAJournalAnnouncedButNeverMadeAreLeftAlone)
{
    // The apply wrote four entries ahead and was killed after two moves: c still has its
    // name, and d's target name belongs to a file that was there all along.
    auto withInode = [](TestLogs::Item item, const QString& path) {
        item.inode = FileManager::inode(path);
        return item;
    };
    const QString a2 = tree.file(QStringLiteral("data/a2"), "a"), b2 = tree.file(QStringLiteral("data/b2"), "b");
    const QString c = tree.file(QStringLiteral("data/c"), "c"), d = tree.file(QStringLiteral("data/d"), "d");
    const QString d2 = tree.file(QStringLiteral("data/d2"), "someone else");
    TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("#")),
                    TestLogs::xml({withInode(renamed(tree.at(QStringLiteral("data/a")), a2), a2),
                                   withInode(renamed(tree.at(QStringLiteral("data/b")), b2), b2),
                                   withInode(renamed(c, tree.at(QStringLiteral("data/c2"))), c),
                                   withInode(renamed(d, d2), d)}));
    undo.loadUserLogFiles();
    undo.tableViewSelectionDidChange(0);
    const UndoOutcome out = undo.undoRenaming();
    EXPECT_EQ(out.elements, 2);
    EXPECT_EQ(out.restored, 2);
    EXPECT_EQ(tree.names(QStringLiteral("data")), (QStringList{"a", "b", "c", "d", "d2"}));
    EXPECT_EQ(readText(d2), QStringLiteral("someone else"));
    EXPECT_TRUE(out.logDeleted);
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].message, report(2, 2));
}

TEST_F(UndoRenaming, TruncatedLogsRestoreTheirCompleteEntriesButAreKept)
{
    QList<TestLogs::Item> items;
    for (int i = 0; i < 4; ++i) {
        const QString now = tree.file(QStringLiteral("data/new%1").arg(i), QByteArray::number(i));
        items.append(renamed(tree.at(QStringLiteral("data/old%1").arg(i)), now));
    }
    // A journal cut inside its fourth element, and a final log cut inside its third, both
    // renames of the same files (the journal is undone first).
    const QString journal = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("#")),
                                            TestLogs::truncatedAfter(items, 3));
    undo.loadUserLogFiles();
    ASSERT_EQ(undo.logFiles().size(), 1);
    EXPECT_EQ(undo.logFiles()[0].filesCount, 3);
    undo.tableViewSelectionDidChange(0);

    UndoOutcome out = undo.undoRenaming();
    EXPECT_EQ(out.status, UndoOutcome::Status::Undone);
    EXPECT_EQ(out.elements, 3);
    EXPECT_EQ(out.restored, 3);
    EXPECT_EQ(readText(tree.at(QStringLiteral("data/old2"))), QStringLiteral("2"));
    EXPECT_TRUE(QFileInfo::exists(tree.at(QStringLiteral("data/new3"))));
    // Not parsed to its end: reported and kept, still listed and current.
    EXPECT_FALSE(out.logDeleted);
    EXPECT_TRUE(QFileInfo::exists(journal));
    ASSERT_EQ(ui.alerts.size(), 2);
    EXPECT_EQ(ui.alerts[0].message, report(3, 3));
    EXPECT_EQ(ui.alerts[1].message, msg("UNDOFILESFOLDERSINVALIDFILE"));
    EXPECT_EQ(undo.logFiles().size(), 1);
    EXPECT_EQ(undo.currLogFilePath(), journal);

    // A damaged final log: its name claims 4, two elements are complete.
    QFile::remove(journal);
    for (int i = 0; i < 3; ++i)
        QFile::rename(tree.at(QStringLiteral("data/old%1").arg(i)), tree.at(QStringLiteral("data/new%1").arg(i)));
    const QString finalLog = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("4")),
                                          TestLogs::truncatedAfter(items, 2));
    ui.alerts.clear();
    out = undo.undoLogFile(finalLog);
    EXPECT_EQ(out.elements, 2);
    EXPECT_EQ(out.restored, 2);
    EXPECT_EQ(tree.names(QStringLiteral("data")),
              (QStringList{QStringLiteral("new2"), QStringLiteral("new3"), QStringLiteral("old0"),
                           QStringLiteral("old1")}));
    EXPECT_FALSE(out.logDeleted);
    EXPECT_TRUE(QFileInfo::exists(finalLog));
    ASSERT_EQ(ui.alerts.size(), 2);
    EXPECT_EQ(ui.alerts[1].message, msg("UNDOFILESFOLDERSINVALIDFILE"));
}

TEST_F(UndoRenaming, UnreadableLogsChangeNothingAndStay)
{
    const QString now = tree.file(QStringLiteral("data/now"), "n");
    const QString before = tree.at(QStringLiteral("data/before"));
    // Not XML at all; and a log cut before its first element ended.
    const QString garbage = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("1")), "not a log\n");
    const QString empty = TestLogs::write(logs, TestLogs::name(kStart.addSecs(1), QStringLiteral("#")),
                                          TestLogs::truncatedAfter({renamed(before, now)}, 0));

    for (const QString& log : {garbage, empty}) {
        ui.alerts.clear();
        EXPECT_TRUE(undo.openLogFileAtPath(log)) << log.toStdString();
        EXPECT_EQ(undo.currLogFilePath(), log);
        EXPECT_EQ(undo.totalFilesCanBeUndoFromLog(), 0);
        EXPECT_EQ(alertTexts(), QStringList{msg("UNDOFILESFOLDERSTITLE") + QLatin1Char('|')
                                            + msg("UNDOFILESFOLDERSINVALIDFILE")});
        const UndoOutcome out = undo.undoRenaming();
        EXPECT_EQ(out.status, UndoOutcome::Status::Invalid);
        EXPECT_EQ(ui.alerts.size(), 2);
        EXPECT_EQ(ui.alerts.last().message, msg("UNDOFILESFOLDERSINVALIDFILE"));
        EXPECT_TRUE(QFileInfo::exists(log));
        EXPECT_TRUE(QFileInfo::exists(now));
        EXPECT_FALSE(QFileInfo::exists(before));
    }
}

TEST_F(UndoRenaming, AnEmptyCleanLogIsDeletedWithoutAReport)
{
    const QString log = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("0")), TestLogs::xml({}));
    undo.loadUserLogFiles();
    ASSERT_EQ(undo.logFiles().size(), 1);
    EXPECT_EQ(undo.logFiles()[0].filesCount, 0);
    undo.tableViewSelectionDidChange(0);
    const UndoOutcome out = undo.undoRenaming();
    EXPECT_EQ(out.status, UndoOutcome::Status::Undone);
    EXPECT_TRUE(out.logDeleted);
    EXPECT_FALSE(QFileInfo::exists(log));
    EXPECT_TRUE(ui.alerts.isEmpty());
    EXPECT_TRUE(undo.logFiles().isEmpty());
}

TEST_F(UndoRenaming, TheJournalOfARunningApplyIsNeitherListedNorUndone)
{
    const QString now = tree.file(QStringLiteral("data/now"), "n");
    const QString journal = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("#")),
                                            TestLogs::xml({renamed(tree.at(QStringLiteral("data/before")), now)}));
    TestLogs::HeldLock lock(journal);
    ASSERT_TRUE(lock.isHeld());
    undo.loadUserLogFiles();
    EXPECT_TRUE(undo.logFiles().isEmpty());

    const UndoOutcome out = undo.undoLogFile(journal);
    EXPECT_EQ(out.status, UndoOutcome::Status::Invalid);
    EXPECT_TRUE(QFileInfo::exists(now));
    EXPECT_TRUE(QFileInfo::exists(journal));
}

TEST_F(UndoRenaming, ALogThatCannotBeDeletedIsReportedAfterEveryElementWasRestored)
{
    const QString p2 = tree.file(QStringLiteral("data/p2"), "p");
    const QString q2 = tree.file(QStringLiteral("data/q2"), "q");
    const QString log = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("2")),
                                        TestLogs::xml({renamed(tree.at(QStringLiteral("data/p")), p2),
                                                       renamed(tree.at(QStringLiteral("data/q")), q2)}));
    undo.loadUserLogFiles();
    undo.tableViewSelectionDidChange(0);

    UndoOutcome out;
    {
        TestLogs::UndeletableFolder guard(logs);
        if (!guard.isActive())
            GTEST_SKIP() << "this file system cannot make a folder undeletable";
        out = undo.undoRenaming();
    }
    EXPECT_EQ(out.restored, 2);
    EXPECT_EQ(tree.names(QStringLiteral("data")), (QStringList{QStringLiteral("p"), QStringLiteral("q")}));
    EXPECT_FALSE(out.logDeleted);
    EXPECT_TRUE(QFileInfo::exists(log));
    ASSERT_EQ(ui.alerts.size(), 2);
    EXPECT_EQ(ui.alerts[0].style, AlertStyle::Informational);
    EXPECT_EQ(ui.alerts[1].style, AlertStyle::Warning);
    EXPECT_EQ(ui.alerts[1].title, msg("UNDOFILESFOLDERSTITLE"));
    EXPECT_NE(ui.alerts[1].message, msg("UNDOFILESFOLDERSINVALIDFILE"));
}

TEST_F(UndoRenaming, RefusedWithoutALogOrDuringAPass)
{
    EXPECT_EQ(undo.undoRenaming().status, UndoOutcome::Status::NoLogSelected);
    EXPECT_EQ(alertTexts(), QStringList{msg("UNDOFILESFOLDERSTITLE") + QLatin1Char('|')
                                        + msg("UNDOFILESFOLDERSNOLOGSELECTED")});

    const QString now = tree.file(QStringLiteral("data/now"), "n");
    const QString log = TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("1")),
                                        TestLogs::xml({renamed(tree.at(QStringLiteral("data/before")), now)}));
    state.isExecuting = true;
    EXPECT_EQ(undo.undoLogFile(log).status, UndoOutcome::Status::Busy);
    EXPECT_TRUE(QFileInfo::exists(now));
    EXPECT_TRUE(QFileInfo::exists(log));
}

TEST_F(UndoRenaming, TheListShowsTheNamesTheUndoGaveBack)
{
    // The apply swapped a and b through a temporary name, renamed folder P to P2 and then
    // its listed subfolder S to S2, and renamed x to x2 (a newcomer has taken x since).
    // The list shows the items under those new names; u was not part of the batch.
    const QString a = tree.file(QStringLiteral("data/a"), "was b"), b = tree.file(QStringLiteral("data/b"), "was a");
    const QString tmp = tree.at(QStringLiteral("data/.tmp-swap"));
    const QString p = tree.at(QStringLiteral("data/P")), p2 = tree.folder(QStringLiteral("data/P2"));
    const QString s2 = tree.folder(QStringLiteral("data/P2/S2"));
    const QString x = tree.file(QStringLiteral("data/x"), "newcomer"), x2 = tree.file(QStringLiteral("data/x2"));
    const QString u = tree.file(QStringLiteral("data/u"));
    TestLogs::write(logs, TestLogs::name(kStart, QStringLiteral("5")),
                    TestLogs::xml({renamed(a, tmp), renamed(b, a), renamed(tmp, b), renamed(p, p2),
                                   renamed(p2 + QStringLiteral("/S"), s2), renamed(x, x2)}));
    for (const QString& path : {a, b, p2, s2, x2, u})
        state.list.append(*FileSystemItem::initWithPath(path));
    for (FileSystemItem& item : state.list.files)
        item.newFilename = Status::RenamingOK;
    state.list.files.back().newFilename = QStringLiteral("u-new");
    state.isHasFilesForRenaming = true;

    undo.loadUserLogFiles();
    undo.tableViewSelectionDidChange(0);
    const UndoOutcome out = undo.undoRenaming();
    EXPECT_EQ(out.restored, 5);
    EXPECT_EQ(readText(a), QStringLiteral("was a"));

    const std::vector<std::pair<QString, QString>> expected{
        {b, QString()}, {a, QString()}, {p, QString()}, {p + QStringLiteral("/S"), QString()},
        {x2, Status::NotRestored}, {u, QStringLiteral("u-new")}};
    ASSERT_EQ(state.list.files.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(state.list.files[i].fullPath, expected[i].first) << i;
        EXPECT_EQ(state.list.files[i].newFilename, expected[i].second) << i;
    }
    // Nothing is left to rename until a new preview, and the window shows the list again.
    EXPECT_FALSE(state.isHasFilesForRenaming.load());
    EXPECT_TRUE(state.list.isListed(p + QStringLiteral("/S")));
    EXPECT_GE(ui.reloads, 1);
}
