#include "engine/filelist.h"
#include "engine/filename.h"
#include "engine/filescomparison.h"
#include "engine/filesystemitem.h"
#include "engine/renamingcontract.h"
#include "support/temptree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

TEST(FileSystemItem, RefusesHiddenAndEmptyPaths)
{
    EXPECT_FALSE(FileSystemItem::initWithPath(QStringLiteral("/tmp/.DS_Store")));
    EXPECT_FALSE(FileSystemItem::initWithPath(QString()));
}

TEST(FileSystemItem, DerivesKeysFromThePath)
{
    auto item = FileSystemItem::initWithPath(QStringLiteral("/a/b/archive.tar.gz"));
    ASSERT_TRUE(item);
    EXPECT_EQ(item->objectForKey("filename"), "archive.tar");
    EXPECT_EQ(item->objectForKey("fileExtension"), "gz");
    EXPECT_EQ(item->objectForKey("filenameWithExtension"), "archive.tar.gz");
    EXPECT_EQ(item->objectForKey("fileLocation"), "/a/b");
    EXPECT_EQ(item->objectForKey("fileWithPath"), "/a/b/archive.tar.gz");
    EXPECT_TRUE(item->objectForKey("unknownKey").isNull());

    auto plain = FileSystemItem::initWithPath(QStringLiteral("/a/README"));
    EXPECT_EQ(plain->objectForKey("fileExtension"), "");
    EXPECT_EQ(plain->objectForKey("filename"), "README");
    EXPECT_EQ(plain->fileLocation(), "/a");
    auto atRoot = FileSystemItem::initWithPath(QStringLiteral("/x.txt"));
    EXPECT_EQ(atRoot->fileLocation(), "/");
}

TEST(FileSystemItem, ExtensionNeedsADotInsideTheName)
{
    // A leading or trailing dot is no extension, and base + "." + extension rebuilds the name.
    EXPECT_EQ(splitName(".bashrc").extension, "");
    EXPECT_EQ(splitName("a.").base, "a.");
    EXPECT_EQ(splitName("a.").extension, "");
    EXPECT_EQ(joinName(splitName("x.y.z").base, splitName("x.y.z").extension), "x.y.z");
    // A method starts from the same parts, whether they come from the path or from a name
    // proposed before.
    for (const char* name : {".bashrc", "a.", "x.y.z", "README", "é.txt", "a..b", ".", "tar.gz.", "a b.c d"}) {
        SCOPED_TRACE(name);
        FileSystemItem item = FileSystemItem::withKind(QStringLiteral("/d/") + QString::fromUtf8(name), 0);
        const NameParts fromPath = startingName(item);
        EXPECT_EQ(fromPath.base, splitName(QString::fromUtf8(name)).base);
        EXPECT_EQ(fromPath.extension, splitName(QString::fromUtf8(name)).extension);
        EXPECT_EQ(joinName(fromPath.base, fromPath.extension), QString::fromUtf8(name));
        item.newFilename = QString::fromUtf8(name);
        EXPECT_EQ(startingName(item).base, fromPath.base);
        EXPECT_EQ(startingName(item).extension, fromPath.extension);
    }
}

TEST(FileSystemItem, SlashAndColonForms)
{
    auto item = FileSystemItem::initWithPath(QStringLiteral("/p/x:y.txt"));
    item->setObjectForKey(QStringLiteral("a/b.txt"), QStringLiteral("newFilename"));
    EXPECT_EQ(item->newFilename, "a/b.txt");               // stored as given
    EXPECT_EQ(item->objectForKey("newFilename"), "a:b.txt"); // read in the file system's form
    // Shown as on disk: the ":" of a name stays, and a proposed "/" shows as the ":" it becomes.
    EXPECT_EQ(item->displayField("newFilename"), "a:b.txt");
    EXPECT_EQ(item->displayField("filenameWithExtension"), "x:y.txt");
    EXPECT_EQ(FileSystemItem::getDisplayFilePath("/p/x:y.txt"), "/p/x:y.txt");
    EXPECT_EQ(item->displayField("fileWithPath"), "/p/x:y.txt");

    item->setObjectForKey(QStringLiteral("other"), QStringLiteral("filename"));
    EXPECT_EQ(item->filenameWithExtension(), "x:y.txt");
}

TEST(FileSystemItem, KindsOnDisk)
{
    TempTree tree;
    tree.file("f.txt");
    tree.folder("dir");
    ASSERT_EQ(::symlink(QFile::encodeName(tree.at("dir")).constData(),
                        QFile::encodeName(tree.at("linkdir")).constData()), 0);
    ASSERT_EQ(::symlink(QFile::encodeName(tree.at("f.txt")).constData(),
                        QFile::encodeName(tree.at("linkfile")).constData()), 0);

    EXPECT_EQ(FileSystemItem::initWithPath(tree.at("f.txt"))->itemType, 0);
    EXPECT_EQ(FileSystemItem::initWithPath(tree.at("dir"))->itemType, 1);
    auto linkDir = FileSystemItem::initWithPath(tree.at("linkdir"));
    EXPECT_TRUE(linkDir->isAlias);
    EXPECT_TRUE(linkDir->isFolder);
    EXPECT_EQ(linkDir->itemType, 1);
    auto linkFile = FileSystemItem::initWithPath(tree.at("linkfile"));
    EXPECT_EQ(linkFile->itemType, 2);
    EXPECT_TRUE(linkFile->objectForKey("fileType").isNull());
    EXPECT_EQ(linkFile->fileType(), "");
    // A link higher up the path does not make an item an alias.
    tree.file("dir/inner.txt");
    auto inner = FileSystemItem::initWithPath(tree.at("linkdir/inner.txt"));
    EXPECT_FALSE(inner->isAlias);
    EXPECT_EQ(inner->itemType, 0);
}

TEST(FilesComparison, NaturalAndCaseInsensitive)
{
    EXPECT_LT(compareFiles(u"file2", u"file10"), 0);
    EXPECT_GT(compareFiles(u"file10", u"file2"), 0);
    EXPECT_LT(compareFiles(u"File1", u"file2"), 0);
    EXPECT_LT(compareFiles(u"a", u"B"), 0);
    // Equal when folded: the order is still total and stable.
    EXPECT_NE(compareFiles(u"File1", u"file1"), 0);
    EXPECT_EQ(compareFiles(u"same", u"same"), 0);
    EXPECT_NE(compareFiles(u"x01", u"x1"), 0);
}

TEST(FilesComparison, SortKeysOrderNamesAsTheComparisonDoes)
{
    // Digit runs against letters, punctuation on both sides of the digits, zeros alone and
    // leading, letter case, a name that is a prefix of another, accents and a character
    // outside the basic plane.
    const QStringList names{"file2", "file10", "file02", "file", "File1", "file1a", "file1", "file00",
                            "file0", "x/", "x:", "x9", "x09", "x", "X", "9", "09", "00", "", "é2", "É10",
                            "e2", "a\U0001F600b", "a1b2c3", "a1b02c3", "a01b2c3", "ß", "ss", "z 1", "z1"};
    auto sign = [](int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); };
    for (const QString& a : names) {
        for (const QString& b : names) {
            const int byKey = sign(naturalSortKey(a).compare(naturalSortKey(b)));
            const int expected = sign(compareFiles(a, b));
            const int got = byKey != 0 ? byKey : sign(a.compare(b));
            EXPECT_EQ(got, expected) << a.toStdString() << " vs " << b.toStdString();
        }
    }
}

namespace {
FileList listOf(int n)
{
    FileList list;
    for (int i = 0; i < n; ++i)
        list.append(*FileSystemItem::initWithPath(QStringLiteral("/d/f%1").arg(i)));
    return list;
}
QStringList names(const FileList& list)
{
    QStringList out;
    for (const auto& item : list.files)
        out << item.filenameWithExtension();
    return out;
}
} // namespace

TEST(FileList, MoveDownStopsAtTheLastRow)
{
    FileList list = listOf(6);
    EXPECT_EQ(list.moveDown({1, 3}), (QList<int>{2, 4}));
    EXPECT_EQ(names(list), (QStringList{"f0", "f2", "f1", "f4", "f3", "f5"}));

    FileList stuck = listOf(6);
    stuck.moveDown({2, 5});
    EXPECT_EQ(names(stuck), names(listOf(6)));
}

TEST(FileList, MoveUpKeepsOrder)
{
    FileList list = listOf(6);
    EXPECT_EQ(list.moveUp({2, 3}), (QList<int>{1, 2}));
    EXPECT_EQ(names(list), (QStringList{"f0", "f2", "f3", "f1", "f4", "f5"}));
}

TEST(FileList, DuplicatesAndRemoval)
{
    FileList list = listOf(3);
    EXPECT_FALSE(list.append(*FileSystemItem::initWithPath(QStringLiteral("/d/f1"))));
    list.removeRows({0, 2});
    EXPECT_EQ(names(list), QStringList{"f1"});
    EXPECT_EQ(list.listedPathCount(), 1);
    EXPECT_TRUE(list.append(*FileSystemItem::initWithPath(QStringLiteral("/d/f0"))));
}

TEST(FileList, FolderRunsSortByLocationThenName)
{
    FileList list;
    for (const char* p : {"/b/x10", "/a/z", "/b/x2", "/a/Y", "/a10/k", "/a2/k"})
        list.append(*FileSystemItem::initWithPath(QString::fromLatin1(p)));
    list.sortForFolderRuns();
    QStringList paths;
    for (const auto& item : list.files)
        paths << item.fullPath;
    EXPECT_EQ(paths, (QStringList{"/a/Y", "/a/z", "/a2/k", "/a10/k", "/b/x2", "/b/x10"}));
}

TEST(FileName, UnusableNames)
{
    EXPECT_FALSE(isUsableFileName(QStringLiteral(".")));
    EXPECT_FALSE(isUsableFileName(QStringLiteral("..")));
    EXPECT_FALSE(isUsableFileName(QString(QChar(0)) + "x"));
    EXPECT_FALSE(isUsableFileName(QString(QChar(0xD800))));
    EXPECT_FALSE(isUsableFileName(QString(256, QChar('a'))));
    EXPECT_TRUE(isUsableFileName(QString(255, QChar('a'))));
    EXPECT_FALSE(isUsableFileName(QString(128, QChar(0x00E9)))); // 256 bytes in UTF-8
    EXPECT_TRUE(isUsableFileName(QStringLiteral("a:b \U0001F600.txt")));
}
