// Names looked up in bulk give the answers single lookups give, whether the folder was
// listed or asked one name at a time.
#include "platform/folderentries.h"
#include "support/temptree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

ino_t lstatInode(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

} // namespace

TEST(FolderEntries, AnswersAsLookupsDoInListedAndUnlistedFolders)
{
    TempTree tree;
    // "many": 300 files, a subfolder, a dangling link and names with spaces and accents,
    // asked about often enough to be listed. "big": 3,000 files of which one is asked.
    QStringList many;
    for (int i = 0; i < 300; ++i)
        many << tree.file(QStringLiteral("many/f%1 é.txt").arg(i));
    many << tree.folder(QStringLiteral("many/sub"));
    const QString link = tree.at(QStringLiteral("many/dangling"));
    ASSERT_EQ(::symlink("/nonexistent/target", QFile::encodeName(link).constData()), 0);
    many << link;
    for (int i = 0; i < 3000; ++i)
        tree.file(QStringLiteral("big/b%1").arg(i));

    FolderEntries entries;
    for (const QString& path : many) {
        EXPECT_EQ(entries.inodeAt(path), lstatInode(path)) << path.toStdString();
        const QString absent = path + QStringLiteral(".absent");
        EXPECT_EQ(entries.inodeAt(absent), ino_t(0)) << absent.toStdString();
    }
    EXPECT_EQ(entries.listingsRead(), 1);

    const QString one = tree.at(QStringLiteral("big/b17"));
    EXPECT_EQ(entries.inodeAt(one), lstatInode(one));
    EXPECT_FALSE(entries.exists(tree.at(QStringLiteral("big/nothing"))));
    EXPECT_FALSE(entries.exists(tree.at(QStringLiteral("nowhere/x"))));
    EXPECT_EQ(entries.listingsRead(), 1); // the big folder is not listed for two names
}
