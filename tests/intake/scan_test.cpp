// The scan that turns dropped paths into list items: scopes, hidden names, links,
// duplicates, cancellation, unreadable folders and paths that cannot be named.
#include "intaketestsupport.h"

#include "intake/intakepath.h"
#include "pipeline/passprogress.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using Scan = IntakeTest;

TEST_F(Scan, FilesScopeWithSubfoldersTakesFilesDepthFirstInNaturalOrder)
{
    // Made in an order the file system will not list back as the natural one.
    for (const char* name : {"drop/file10.txt", "drop/Zeta.txt", "drop/file2.txt", "drop/sub10/y.txt",
                             "drop/.hidden", "drop/file1.txt", "drop/sub2/b.txt", "drop/sub2/a.txt",
                             "drop/sub2/.also-hidden"})
        tree.file(name);
    setScope(true, true);
    const QStringList natural = {"drop/file1.txt", "drop/file2.txt", "drop/file10.txt", "drop/sub2/a.txt",
                                 "drop/sub2/b.txt", "drop/sub10/y.txt", "drop/Zeta.txt"};
    ASSERT_NE(readdirOrder("drop"), QStringList({"file1.txt", "file2.txt", "file10.txt", "sub2", "sub10", "Zeta.txt"}))
        << "the file system lists in natural order already: the test would prove nothing";

    EXPECT_TRUE(intake.addFilesToList({tree.at("drop")}));

    // Each folder's items at the place where the folder was met, every folder in natural order.
    EXPECT_EQ(listed(), natural);
    EXPECT_EQ(state.searchFilesCount, 7);
    EXPECT_EQ(state.list.listedPathCount(), 7);
    ASSERT_FALSE(ui.countTexts.isEmpty());
    EXPECT_EQ(ui.countTexts.last(), msgN("TOTALFILESFOUND", 7));
    EXPECT_EQ(newNames(), QStringList(7, QString()));
}

TEST_F(Scan, FilesScopeWithoutSubfoldersTakesTheFilesAtTheTopOfAFolder)
{
    tree.file("drop/b10.txt");
    tree.file("drop/b2.txt");
    tree.file("drop/sub/deeper.txt");
    tree.folder("drop/empty");
    const QString file = tree.file("loose.txt");
    setScope(true, false);

    PassProgress progress(nullptr);
    int skipped = 0;
    const IntakeScope scope = IntakeScope::fromSettings(state.settings);
    EXPECT_TRUE(Intake::addFilesToList(state, scope, {tree.at("drop"), file}, progress, &skipped));
    EXPECT_EQ(listed(), QStringList({"drop/b2.txt", "drop/b10.txt", "loose.txt"}));
    EXPECT_EQ(skipped, 3); // drop itself, then sub and empty passed over

    // A folder with nothing at its top adds nothing, and the run tells its caller.
    state.list.clear();
    state.searchFilesCount = 0;
    skipped = 0;
    EXPECT_FALSE(Intake::addFilesToList(state, scope, {tree.at("drop/empty")}, progress, &skipped));
    EXPECT_TRUE(state.list.isEmpty());
    EXPECT_EQ(skipped, 1);
    EXPECT_TRUE(ui.alerts.isEmpty());
}

TEST_F(Scan, FoldersScopeWithoutSubfoldersTakesEachFolderOnce)
{
    const QString folder = tree.folder("A");
    tree.folder("A/B");
    const QString file = tree.file("f.txt");
    setScope(false, false);

    EXPECT_FALSE(intake.addFilesToList({file}));
    EXPECT_TRUE(state.list.isEmpty());
    EXPECT_TRUE(intake.addFilesToList({folder}));
    EXPECT_TRUE(intake.addFilesToList({folder})); // the run so far has accepted A
    EXPECT_EQ(listed(), QStringList({"A"}));
    EXPECT_EQ(ui.countTexts.last(), msgN("TOTALFOLDERSFOUND", 1));
}

TEST_F(Scan, FoldersScopeWithSubfoldersFollowsEveryFolderWithItsSubfolders)
{
    tree.folder("A/B/C");
    tree.folder("A/D");
    tree.file("A/file.txt");
    tree.folder("A/.hiddenfolder/E");
    setScope(false, true);

    EXPECT_TRUE(intake.addFilesToList({tree.at("A")}));
    EXPECT_EQ(listed(), QStringList({"A", "A/B", "A/B/C", "A/D"}));
    for (const FileSystemItem& item : state.list.files)
        EXPECT_EQ(item.itemType, 1);
}

TEST_F(Scan, SymbolicLinksAreNeverDescended)
{
    tree.file("real/inside.txt");
    tree.folder("drop");
    ASSERT_EQ(::symlink(QFile::encodeName(tree.at("real")).constData(),
                        QFile::encodeName(tree.at("drop/link")).constData()), 0);

    setScope(true, true);
    EXPECT_TRUE(intake.addFilesToList({tree.at("drop")}));
    // The link itself is an item (it counts as a file here); its target is not walked.
    EXPECT_EQ(listed(), QStringList({"drop/link"}));
    EXPECT_TRUE(state.list.files[0].isAlias);

    state.list.clear();
    state.searchFilesCount = 0;
    setScope(false, true);
    EXPECT_FALSE(intake.addFilesToList({tree.at("drop/link")}));
    EXPECT_TRUE(state.list.isEmpty());
}

TEST_F(Scan, HiddenAndMissingPaths)
{
    const QString hidden = tree.file(".secret");
    const QString hiddenFolder = tree.folder(".cache");
    const QString missing = tree.at("gone.txt");

    setScope(true, true);
    EXPECT_TRUE(intake.addFilesToList({hidden, hiddenFolder, missing, QString()}));
    // A missing path counts as a file; preview reports it later.
    EXPECT_EQ(listed(), QStringList({"gone.txt"}));

    state.list.clear();
    state.searchFilesCount = 0;
    setScope(false, true);
    EXPECT_FALSE(intake.addFilesToList({hidden, hiddenFolder, missing}));
    EXPECT_TRUE(state.list.isEmpty());
}

TEST_F(Scan, DuplicatesAreRefusedWhateverTheSpellingOfThePath)
{
    const QString a = tree.file("drop/a.txt");
    tree.file("drop/b.txt");
    setScope(true, true);

    const QString cwd = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(tree.path()));
    EXPECT_TRUE(intake.addFilesToList({a, tree.at("drop/./a.txt"), tree.at("drop/sub/../a.txt/"), "drop/a.txt",
                                       tree.at("drop"), tree.at("drop//")}));
    QDir::setCurrent(cwd);

    EXPECT_EQ(state.list.size(), 2);
    EXPECT_EQ(state.list.files[0].fullPath, a);
    EXPECT_EQ(state.list.listedPathCount(), 2);
    EXPECT_EQ(state.searchFilesCount, 2);
}

// Paths that overlap, in one drop or in several, in every order: a folder and its
// subfolder, a file and its folder, the same folder again, and a folder dropped again after
// some of its items were removed. Each file is listed once, whichever way it came first.
TEST_F(Scan, OverlappingDropsListEachItemOnce)
{
    for (const char* name : {"drop/a.txt", "drop/b.txt", "drop/sub/c.txt", "drop/sub/deeper/d.txt", "other/e.txt"})
        tree.file(name);
    const QStringList all = {"drop/a.txt", "drop/b.txt", "drop/sub/c.txt", "drop/sub/deeper/d.txt"};
    struct Case {
        const char* what;
        bool files;
        QList<QStringList> drops; // each inner list is one drop
        int removeFirstRows;      // rows removed after the first drop
        QStringList expected;     // sorted
    };
    const QList<Case> cases = {
        {"folder twice in one drop", true, {{"drop", "drop"}}, 0, all},
        {"folder, then its subfolder", true, {{"drop", "drop/sub"}}, 0, all},
        {"subfolder, then its folder", true, {{"drop/sub", "drop"}}, 0, all},
        {"file inside, then its folder", true, {{"drop/sub/c.txt", "drop/sub", "drop"}}, 0, all},
        {"folder, then a file inside", true, {{"drop", "drop/sub/deeper/d.txt"}}, 0, all},
        {"drops one after another", true, {{"drop"}, {"drop/sub"}, {"drop/a.txt"}, {"drop"}}, 0, all},
        {"a second folder after the first", true, {{"drop/sub"}, {"other", "drop/sub/deeper"}},
         0, {"drop/sub/c.txt", "drop/sub/deeper/d.txt", "other/e.txt"}},
        {"removed items come back, the rest stays once", true, {{"drop"}, {"drop"}}, 2, all},
        {"folders scope: folder and subfolder", false, {{"drop", "drop/sub"}}, 0, {"drop", "drop/sub", "drop/sub/deeper"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state.list.clear();
        state.searchFilesCount = 0;
        setScope(c.files, true);
        for (qsizetype d = 0; d < c.drops.size(); ++d) {
            QStringList paths;
            for (const QString& p : c.drops[d])
                paths << tree.at(p);
            intake.addFilesToList(paths);
            if (d == 0 && c.removeFirstRows > 0) {
                QList<int> rows;
                for (int r = 0; r < c.removeFirstRows; ++r)
                    rows << r;
                state.list.removeRows(rows);
            }
        }
        QStringList got = listed();
        got.sort();
        EXPECT_EQ(got, c.expected);
        EXPECT_EQ(state.list.listedPathCount(), c.expected.size());
    }
}

TEST_F(Scan, RenameFromListTabMarksNewItemsNoChanges)
{
    tree.file("x.txt");
    state.settings.setInteger("selectedTab", 9);
    EXPECT_TRUE(intake.addFilesToList({tree.at("x.txt")}));
    EXPECT_EQ(newNames(), QStringList({Status::NoChanges}));
}

TEST_F(Scan, CancelStopsBeforeTheNextEntryAndKeepsWhatWasAppended)
{
    for (int i = 0; i < 6; ++i)
        tree.file(QStringLiteral("drop/sub/f%1.txt").arg(i));
    tree.file("drop/z.txt");
    setScope(true, true);

    PassProgress progress(&ui);
    // Cancel while the third file is being examined: it is still taken, nothing after.
    progress.onItem = [&] {
        if (state.list.size() == 2)
            Intake::cancelProcess(state);
    };
    EXPECT_TRUE(Intake::addFilesToList(state, IntakeScope::fromSettings(state.settings), {tree.at("drop")}, progress));
    QCoreApplication::processEvents(); // the count is posted to the main thread
    EXPECT_EQ(state.list.size(), 3);
    EXPECT_EQ(state.searchFilesCount, 3);
    EXPECT_EQ(ui.countTexts.last(), msgN("TOTALFILESFOUND", 3));
}

TEST_F(Scan, AFolderThatCannotBeListedContributesNothing)
{
    tree.file("drop/a.txt");
    tree.file("drop/locked/secret.txt");
    setScope(true, true);
    ASSERT_EQ(::chmod(QFile::encodeName(tree.path()).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(tree.at("drop")).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(tree.at("drop/locked")).constData(), 0), 0);

    const IntakeScope scope = IntakeScope::fromSettings(state.settings);
    const auto scan = [&] {
        PassProgress progress(nullptr);
        Intake::addFilesToList(state, scope, {tree.at("drop")}, progress);
        return state.list.size() == 1 && state.list.files[0].fullPath == tree.at("drop/a.txt");
    };
    if (::geteuid() != 0) {
        EXPECT_TRUE(scan());
    } else {
        // Permissions do not stop root: scan as an unprivileged user in a child process.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(2);
            ::_exit(scan() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    ::chmod(QFile::encodeName(tree.at("drop/locked")).constData(), 0755);
}

TEST_F(Scan, NamesThatAreNotUtf8AreRefused)
{
    tree.file("drop/good.txt");
    const QByteArray bad = QFile::encodeName(tree.at("drop")) + "/bad\xff.txt";
    const int fd = ::open(bad.constData(), O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    // A genuine U+FFFD in a name is a real name and stays welcome.
    tree.file(QStringLiteral("drop/real\uFFFD.txt"));
    setScope(true, true);

    EXPECT_TRUE(intake.addFilesToList({tree.at("drop")}));
    QStringList names = listed();
    names.sort();
    EXPECT_EQ(names, QStringList({"drop/good.txt", QStringLiteral("drop/real\uFFFD.txt")}));

    // The same rule at the top level.
    EXPECT_FALSE(IntakePath::normalized(QFile::decodeName(bad)).has_value());
    EXPECT_FALSE(IntakePath::normalized(QStringLiteral("/tmp/a") + QChar(0xD800)).has_value());
    EXPECT_FALSE(IntakePath::normalized(QString()).has_value());
    ::unlink(bad.constData()); // QTemporaryDir cannot name it either

}

TEST_F(Scan, DeepTreesAreWalkedToTheBottom)
{
    QByteArray path = QFile::encodeName(tree.at("deep"));
    ASSERT_EQ(::mkdir(path.constData(), 0755), 0);
    const int depth = 400;
    const QByteArray cwd = QFile::encodeName(QDir::currentPath());
    ASSERT_EQ(::chdir(path.constData()), 0);
    for (int i = 0; i < depth; ++i) {
        ASSERT_EQ(::mkdir("d", 0755), 0);
        ASSERT_EQ(::chdir("d"), 0);
    }
    const int fd = ::open("leaf.txt", O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_EQ(::chdir(cwd.constData()), 0);

    setScope(true, true);
    EXPECT_TRUE(intake.addFilesToList({tree.at("deep")}));
    ASSERT_EQ(state.list.size(), 1);
    EXPECT_TRUE(state.list.files[0].fullPath.endsWith("/d/leaf.txt"));
}
