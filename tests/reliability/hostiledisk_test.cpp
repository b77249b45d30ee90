// Hostile names and folders: names that are not UTF-8, names of 255 bytes and one byte
// more, paths past PATH_MAX, folders that refuse changes, a folder that is full and a
// file size limit. Nothing is lost or replaced; the rename log holds exactly the renames
// that happened, and undo from it restores them.
#include "foldertraps.h"
#include "session.h"
#include "treestate.h"

#include "pipeline/passprogress.h"
#include "pipeline/renamelogreader.h"
#include "platform/messages.h"
#include "profiles/profilecommands.h"
#include "support/temptree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool makeRawFile(const QByteArray& path, const QByteArray& content)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    const bool ok = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    ::close(fd);
    return ok;
}

} // namespace

TEST(HostileDisk, NamesThatAreNotUtf8StayUntouched)
{
    TempTree tree;
    tree.file("t/good.txt", "good");
    const QByteArray root = QFile::encodeName(tree.at("t"));
    ASSERT_TRUE(makeRawFile(root + "/bad\xff\xfe.txt", "latin"));
    ASSERT_TRUE(makeRawFile(root + "/half\xe6\x97.txt", "cut"));
    const TreeState before = TreeState::read(tree.at("t"));
    ASSERT_EQ(before.files.size(), 3);

    Session s(tree.folder("Logs"));
    s.set("selectedTab", "3");
    s.set("prefixSuffixPrefix", "new_");
    s.add({tree.at("t")});
    // Their names could be neither renamed nor logged faithfully: intake leaves them out,
    // names them by their bytes and counts them.
    ASSERT_EQ(s.state.list.files.size(), 1u);
    QStringList leftOut = s.state.leftOutAtIntake.paths;
    leftOut.sort();
    EXPECT_EQ(leftOut, (QStringList{tree.at("t") + R"(/bad\xFF\xFE.txt)", tree.at("t") + R"(/half\xE6\x97.txt)"}));
    EXPECT_EQ(s.state.leftOutAtIntake.count, 2);
    EXPECT_TRUE(s.state.namesNote.endsWith(R"(.txt" cannot be renamed safely yet: its name is not UTF-8 (and 1 more))"))
        << s.state.namesNote.toStdString();
    ASSERT_TRUE(s.preview());
    ASSERT_TRUE(s.apply());
    EXPECT_EQ(s.lastApply.renamedCount, 1);
    const TreeState after = TreeState::read(tree.at("t"));
    EXPECT_EQ(after.contentMultiset(), before.contentMultiset());
    EXPECT_TRUE(after.files.contains(QStringLiteral("new_good.txt")));
    s.undo();
    EXPECT_EQ(TreeState::read(tree.at("t")), before);
}

TEST(HostileDisk, NamesOf255BytesAndOneMore)
{
    TempTree tree;
    // 255 bytes each: ASCII, and 85 three-byte characters.
    const QString ascii = QString(251, QLatin1Char('a')) + QStringLiteral(".txt");
    const QString wide = QString(85, QChar(0x65E5));
    ASSERT_EQ(ascii.toUtf8().size(), 255);
    ASSERT_EQ(wide.toUtf8().size(), 255);
    tree.file("t/" + ascii, "ascii");
    tree.file("t/" + wide, "wide");
    tree.file("t/" + QString(253, QLatin1Char('b')), "short");
    const TreeState before = TreeState::read(tree.at("t"));

    {
        // One more byte does not fit: "Name Too Long", nothing renamed.
        Session s(tree.folder("Logs"));
        s.set("selectedTab", "3");
        s.set("prefixSuffixPrefix", "x");
        s.add({tree.at("t")});
        ASSERT_EQ(s.state.list.files.size(), 3u);
        ASSERT_TRUE(s.preview());
        int tooLong = 0;
        for (const QString& status : s.statuses())
            tooLong += status == Status::NameTooLong;
        EXPECT_EQ(tooLong, 2);
        ASSERT_TRUE(s.apply());
        EXPECT_EQ(s.lastApply.renamedCount, 1); // only the 253-byte name had room
        s.undo();
        EXPECT_EQ(TreeState::read(tree.at("t")), before);
    }
    {
        // A two-byte prefix fills the 253-byte name to exactly 255; a three-byte one
        // would not fit. Same-length replacements keep 255-byte names at 255.
        Session s(tree.at("Logs"));
        s.set("selectedTab", "2");
        s.set("replaceRemoveThis", "a");
        s.set("replaceRemoveWith", "c");
        s.set("isReplaceRemoveAllOccurrence", "1");
        s.add({tree.at("t")});
        ASSERT_TRUE(s.preview());
        ASSERT_TRUE(s.apply());
        EXPECT_EQ(s.lastApply.renamedCount, 1);
        EXPECT_TRUE(QFile::exists(tree.at("t/" + QString(251, QLatin1Char('c')) + ".txt")));
        const RenameLogContents log = RenameLogReader::read(s.lastApply.logFile);
        ASSERT_EQ(log.entries.size(), 1);
        EXPECT_EQ(log.entries[0].srcfilename, ascii);
        s.undo();
        EXPECT_EQ(TreeState::read(tree.at("t")), before);
    }
}

TEST(HostileDisk, PathsLongerThanPathMax)
{
    TempTree tree;
    // Folders of 200-byte names, nested (one relative step at a time) until the path of
    // the file at the bottom is far past 4096 bytes.
    QDir().mkpath(tree.at("t"));
    int fd = ::open(QFile::encodeName(tree.at("t")).constData(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    const QByteArray segment(200, 'd');
    for (int depth = 0; depth < 25; ++depth) {
        ASSERT_EQ(::mkdirat(fd, segment.constData(), 0755), 0);
        const int next = ::openat(fd, segment.constData(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        ASSERT_GE(next, 0);
        fd = next;
    }
    const int deepFile = ::openat(fd, "deep.txt", O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(deepFile, 0);
    ASSERT_EQ(::write(deepFile, "deep", 4), 4);
    ::close(deepFile);
    ::close(fd);
    tree.file("t/near.txt", "near");
    const TreeState before = TreeState::read(tree.at("t"));

    Session s(tree.folder("Logs"));
    s.set("selectedTab", "3");
    s.set("prefixSuffixPrefix", "new_");
    s.add({tree.at("t")});
    ASSERT_TRUE(s.preview());
    ASSERT_TRUE(s.apply());
    const TreeState after = TreeState::read(tree.at("t"));
    EXPECT_EQ(after.contentMultiset(), before.contentMultiset());
    s.undo();
    EXPECT_EQ(TreeState::read(tree.at("t")), before);
    EXPECT_TRUE(before.files.contains(QString::fromLatin1(segment + '/').repeated(25) + QStringLiteral("deep.txt")));
    TreeState::removeContents(tree.at("t"));
}

TEST(HostileDisk, ReadOnlyFoldersRenameNothingAndLoseNothing)
{
    TempTree tree;
    tree.file("t/locked/a.txt", "a");
    tree.file("t/locked/b.txt", "b");
    tree.file("t/open/c.txt", "c");
    const TreeState before = TreeState::read(tree.at("t"));
    Session s(tree.folder("Logs"));
    s.set("selectedTab", "3");
    s.set("prefixSuffixPrefix", "new_");
    s.add({tree.at("t")});
    ASSERT_TRUE(s.preview());
    {
        ReadOnlyFolder locked(tree.at("t/locked"));
        if (!locked.active())
            GTEST_SKIP() << "this file system lets every change through";
        ASSERT_TRUE(s.apply());
    }
    EXPECT_EQ(s.lastApply.renamedCount, 1);
    int couldNotRename = 0;
    for (const QString& status : s.statuses())
        couldNotRename += status == Status::CouldNotRename;
    EXPECT_EQ(couldNotRename, 2);
    // The outcome line says why, in the system's words.
    ASSERT_EQ(s.lastApply.failureReasons.size(), 1);
    EXPECT_TRUE(s.lastApply.summary().contains(QStringLiteral("Could Not Rename: 2 (%1)").arg(s.lastApply.failureReasons.front())))
        << s.lastApply.summary().toStdString();
    EXPECT_EQ(RenameLogReader::read(s.lastApply.logFile).entries.size(), 1);
    s.undo();
    EXPECT_EQ(TreeState::read(tree.at("t")), before);
}

TEST(HostileDisk, AReadOnlyLogFolderIsAskedAboutAndAbortRenamesNothing)
{
    TempTree tree;
    tree.file("t/a.txt", "a");
    const TreeState before = TreeState::read(tree.at("t"));
    Session s(tree.folder("Logs"));
    s.set("selectedTab", "3");
    s.set("prefixSuffixPrefix", "new_");
    s.add({tree.at("t")});
    ASSERT_TRUE(s.preview());
    s.ui.alertAnswers = {QStringLiteral("YES"), QStringLiteral("ABORT")};
    {
        ReadOnlyFolder logs(tree.at("Logs"));
        if (!logs.active())
            GTEST_SKIP() << "this file system lets every change through";
        ASSERT_TRUE(s.apply());
    }
    bool asked = false;
    for (const auto& alert : s.ui.alerts)
        asked = asked || alert.message == msg("LOGCREATEFAILED");
    EXPECT_TRUE(asked);
    EXPECT_EQ(s.lastApply.renamedCount, 0);
    EXPECT_EQ(TreeState::read(tree.at("t")), before);
}

// A full folder: the journal takes its first entries, then the disk refuses more; the
// apply stops (nothing is renamed without its record), keeps the journal when the final
// log cannot be written either, and undo from it restores every rename.
TEST(HostileDisk, AFullDiskStopsTheApplyAtItsLastRecordedRename)
{
    TempTree tree;
    SmallFileSystem disk(tree.folder("disk"), 512);
    if (!disk.mounted())
        GTEST_SKIP() << "a tmpfs can be mounted only as root";
    const QString root = tree.folder("disk/t");
    const QString logs = tree.folder("disk/Logs");
    for (int i = 0; i < 60; ++i)
        tree.file(QStringLiteral("disk/t/%1 a rather long name to fill log entries.txt").arg(i, 3, 10, QLatin1Char('0')),
                  QByteArray::number(i));
    const TreeState before = TreeState::read(root);

    Session s(logs);
    s.set("selectedTab", "3");
    s.set("prefixSuffixPrefix", "renamed ");
    s.add({root});
    ASSERT_TRUE(s.preview());
    ASSERT_TRUE(disk.fillLeaving(4096));
    ASSERT_TRUE(s.apply());

    const int renamed = s.lastApply.renamedCount;
    EXPECT_GT(renamed, 0);
    EXPECT_LT(renamed, 60);
    ASSERT_FALSE(s.lastApply.logFile.isEmpty());
    const RenameLogContents log = RenameLogReader::read(s.lastApply.logFile);
    EXPECT_TRUE(log.ok) << log.error.toStdString();
    EXPECT_EQ(int(log.entries.size()), renamed);
    EXPECT_EQ(TreeState::read(root).contentMultiset(), before.contentMultiset());

    const UndoOutcome undone = s.undo();
    EXPECT_EQ(undone.restored, renamed);
    EXPECT_EQ(TreeState::read(root), before);
}

TEST(HostileDisk, AFileSizeLimitStopsTheApplyAndKeepsProfilesWhole)
{
    TempTree tree;
    for (int i = 0; i < 40; ++i)
        tree.file(QStringLiteral("t/%1 a rather long name to fill log entries.txt").arg(i, 3, 10, QLatin1Char('0')),
                  QByteArray::number(i));
    const TreeState before = TreeState::read(tree.at("t"));
    const QString profile = tree.file("saved.qvprofile", "the profile saved before");

    Session s(tree.folder("Logs"));
    s.set("selectedTab", "3");
    s.set("prefixSuffixPrefix", "renamed ");
    s.add({tree.at("t")});
    ASSERT_TRUE(s.preview());
    QString error;
    {
        FileSizeLimit limit(3000);
        ASSERT_TRUE(s.apply());
        // A profile is far larger than the limit: the save fails and the old file stays.
        EXPECT_FALSE(ProfileCommands::writeProfile(s.state, profile, &error));
    }
    EXPECT_EQ(tree.read("saved.qvprofile"), QByteArray("the profile saved before"));

    const int renamed = s.lastApply.renamedCount;
    EXPECT_GT(renamed, 0);
    EXPECT_LT(renamed, 40);
    const RenameLogContents log = RenameLogReader::read(s.lastApply.logFile);
    EXPECT_EQ(int(log.entries.size()), renamed);
    const UndoOutcome undone = s.undo();
    EXPECT_EQ(undone.restored, renamed);
    EXPECT_EQ(TreeState::read(tree.at("t")), before);
}
