#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"
#include "support/temptree.h"

#include <QDateTime>

namespace {

struct PrefixSuffix {
    QString prefix;
    QString suffix;
    bool isString = true;
    int fileDateAttribute = 2;
    bool isDatePrefix = true;
    bool isDateSuffix = false;
    QString datePart1 = "dd", dateSeperator1, datePart2 = "MM", dateSeperator2, datePart3 = "yyyy";
    QString timePart1 = "HH", timeSeperator1, timePart2 = "mm", timeSeperator2, timePart3 = "ss";
    QString datePrefix;
    QString dateSuffix;
};

bool run(FileSystemItem& item, const PrefixSuffix& p, QString& error)
{
    return renameByPrefixSuffix(item, p.prefix, p.suffix, p.isString, !p.isString, p.fileDateAttribute,
                                p.isDatePrefix, p.isDateSuffix, p.datePart1, p.dateSeperator1, p.datePart2,
                                p.dateSeperator2, p.datePart3, p.timePart1, p.timeSeperator1, p.timePart2,
                                p.timeSeperator2, p.timePart3, p.datePrefix, p.dateSuffix, error);
}

PrefixSuffix dateMode()
{
    PrefixSuffix p;
    p.isString = false;
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
        QString error;
        EXPECT_TRUE(run(item, p, error)) << error.toStdString();
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

    p.isDateSuffix = true;
    p.datePrefix = "[";
    p.dateSuffix = "]";
    EXPECT_EQ(renamed(p), "[07032010 140509]beach[07032010 140509].jpg");

    p.isDatePrefix = false;
    p.isDateSuffix = false;
    EXPECT_EQ(renamed(p), "beach.jpg");
}

TEST_F(RenameByPrefixSuffixTest, PatternFallbacks)
{
    // No date part at all: "MM/dd/yyyy", whose "/" is stored as ":".
    PrefixSuffix p = dateMode();
    p.datePart1 = p.datePart2 = p.datePart3 = "None";
    EXPECT_EQ(renamed(p), "03:07:2010 140509beach.jpg");
    // Separators stay even next to a skipped part.
    p.datePart1 = "yyyy";
    p.dateSeperator1 = "-";
    p.dateSeperator2 = "/";
    EXPECT_EQ(renamed(p), "2010-: 140509beach.jpg");

    PrefixSuffix t = dateMode();
    t.timePart1 = t.timePart2 = t.timePart3 = "None";
    EXPECT_EQ(renamed(t), "07032010 02 05 09 PMbeach.jpg");
}

TEST_F(RenameByPrefixSuffixTest, UnreadableFileUsesTheCurrentDate)
{
    PrefixSuffix p = dateMode();
    p.datePart1 = "yyyy";
    p.datePart2 = p.datePart3 = "None";
    FileSystemItem item = itemNamed("gone.jpg", 0, tree.at("missing"));
    QString error;
    ASSERT_TRUE(run(item, p, error)) << error.toStdString();
    EXPECT_TRUE(item.newFilename.startsWith(QString::number(QDate::currentDate().year())))
        << item.newFilename.toStdString();
}

TEST_F(RenameByPrefixSuffixTest, UnusablePatternIsReported)
{
    // "t" is no pattern letter: the formatter refuses the pattern and the name stays.
    PrefixSuffix p = dateMode();
    p.dateSeperator1 = "at";
    FileSystemItem item = *FileSystemItem::initWithPath(tree.at("beach.jpg"));
    QString error;
    EXPECT_FALSE(run(item, p, error));
    EXPECT_TRUE(error.contains("at")) << error.toStdString();
    EXPECT_TRUE(item.newFilename.isEmpty());
}

} // namespace
