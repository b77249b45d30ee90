#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"
#include "support/temptree.h"

#include <QDateTime>

namespace {

using PrefixSuffix = PrefixSuffixOptions;

// The modification date before the name, in the default parts.
PrefixSuffix dateMode()
{
    PrefixSuffix p;
    p.mode = PrefixSuffix::Mode::Date;
    p.fileDate = PrefixSuffix::FileDate::Modified;
    p.dateBeforeName = true;
    p.date = {"dd", "", "MM", "", "yyyy"};
    p.time = {"HH", "", "mm", "", "ss"};
    return p;
}

class RenameByPrefixSuffixTest : public ::testing::Test {
protected:
    // beach.jpg, last modified 7 March 2010 14:05:09 (the tests run in UTC).
    void SetUp() override
    {
        tree.file("beach.jpg", "x");
        tree.setModified("beach.jpg", QDateTime(QDate(2010, 3, 7), QTime(14, 5, 9), Qt::UTC));
    }

    QString renamed(const PrefixSuffix& p)
    {
        FileSystemItem item = *FileSystemItem::initWithPath(tree.at("beach.jpg"));
        const MethodResult result = renameByPrefixSuffix(item, p);
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
        expectSafeName(item);
        return item.newFilename;
    }

    TempTree tree;
};

TEST_F(RenameByPrefixSuffixTest, FixedTexts)
{
    PrefixSuffix p;
    p.prefix = "IMG_";
    p.suffix = "_v2";
    EXPECT_EQ(renamed(p), "IMG_beach_v2.jpg");
    p.prefix = "a/b";
    p.suffix = "%1%";
    EXPECT_EQ(renamed(p), "a:bbeach%1%.jpg");
    EXPECT_EQ(renamed(PrefixSuffix{}), "beach.jpg");
}

TEST_F(RenameByPrefixSuffixTest, FileDateBeforeOrAfterTheName)
{
    PrefixSuffix p = dateMode();
    p.dateSuffix = "_";
    EXPECT_EQ(renamed(p), "07032010 140509_beach.jpg");

    p.dateAfterName = true;
    p.datePrefix = "[";
    p.dateSuffix = "]";
    EXPECT_EQ(renamed(p), "[07032010 140509]beach[07032010 140509].jpg");

    p.dateBeforeName = false;
    p.dateAfterName = false;
    EXPECT_EQ(renamed(p), "beach.jpg");
}

TEST_F(RenameByPrefixSuffixTest, PatternFallbacks)
{
    // No date part at all: "MM/dd/yyyy", whose "/" is stored as ":".
    PrefixSuffix p = dateMode();
    p.date = {"None", "", "None", "", "None"};
    EXPECT_EQ(renamed(p), "03:07:2010 140509beach.jpg");
    // Separators stay even next to a skipped part.
    p.date = {"yyyy", "-", "None", "/", "None"};
    EXPECT_EQ(renamed(p), "2010-: 140509beach.jpg");

    PrefixSuffix t = dateMode();
    t.time = {"None", "", "None", "", "None"};
    EXPECT_EQ(renamed(t), "07032010 02 05 09 PMbeach.jpg");
}

TEST_F(RenameByPrefixSuffixTest, UnreadableFileUsesTheCurrentDate)
{
    PrefixSuffix p = dateMode();
    p.date = {"yyyy", "", "None", "", "None"};
    FileSystemItem item = itemNamed("gone.jpg", 0, tree.at("missing"));
    ASSERT_TRUE(renameByPrefixSuffix(item, p).ok());
    EXPECT_TRUE(item.newFilename.startsWith(QString::number(QDate::currentDate().year())))
        << item.newFilename.toStdString();
}

TEST_F(RenameByPrefixSuffixTest, UnusablePatternIsReported)
{
    // "t" is no pattern letter: the formatter refuses the pattern and the name stays.
    PrefixSuffix p = dateMode();
    p.date.separator1 = "at";
    FileSystemItem item = *FileSystemItem::initWithPath(tree.at("beach.jpg"));
    const MethodResult result = renameByPrefixSuffix(item, p);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains("at")) << result.error.toStdString();
    EXPECT_TRUE(item.newFilename.isEmpty());
}

} // namespace
