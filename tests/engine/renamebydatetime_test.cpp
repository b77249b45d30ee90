#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"
#include "support/temptree.h"

namespace {

const QDateTime kDate(QDate(2010, 3, 7), QTime(14, 5, 9), Qt::UTC);

using Source = DateTimeOptions::Source;

// The custom date at the beginning, in the default parts.
struct DateTime : DateTimeOptions {
    DateTime()
    {
        source = Source::Custom;
        customDate = kDate;
        date = {"dd", "", "MM", "", "yyyy"};
        time = {"HH", "", "mm", "", "ss"};
    }
};

QString dated(const QString& name, const DateTimeOptions& d)
{
    FileSystemItem item = itemNamed(name);
    const MethodResult result = renameByDateTime(item, d);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    expectSafeName(item);
    return item.newFilename;
}

TEST(RenameByDateTimeTest, DefaultPartsAndTheSeparatorBetweenHalves)
{
    DateTime d;
    EXPECT_EQ(dated("beach", d), "07032010140509beach");
    d.separator = "_";
    EXPECT_EQ(dated("beach.jpg", d), "07032010_140509beach.jpg");
    // Letters and apostrophes of the separator are taken literally.
    d.separator = "at";
    EXPECT_EQ(dated("beach", d), "07032010at140509beach");
    d.separator = "o'clock";
    EXPECT_EQ(dated("beach", d), "07032010o'clock140509beach");
    d.separator = "/";
    EXPECT_EQ(dated("beach", d), "07032010:140509beach");
}

TEST(RenameByDateTimeTest, HalvesOnAndOff)
{
    DateTime d;
    d.withTime = false;
    d.separator = "_";
    EXPECT_EQ(dated("b", d), "07032010b");
    d.withTime = true;
    d.withDate = false;
    EXPECT_EQ(dated("b", d), "140509b");
    // Neither half: a fixed pattern whose "/" is stored as ":".
    d.withTime = false;
    EXPECT_EQ(dated("b", d), "07:03:2010 02:05:09 PMb");
    d.replacesColons = true;
    d.colonReplacement = ".";
    // Only the colons of the date text are replaced; its "/" still turns into ":".
    EXPECT_EQ(dated("b", d), "07:03:2010 02.05.09 PMb");
}

TEST(RenameByDateTimeTest, PartsSeparatorsAndColonReplacement)
{
    DateTime d;
    d.withDate = false;
    d.time.separator1 = ":";
    d.time.part3 = "None";
    d.replacesColons = true;
    d.colonReplacement = "-";
    EXPECT_EQ(dated("b", d), "14-05b");
    // A "/" typed as the replacement is a ":" already: nothing changes.
    d.colonReplacement = "/";
    EXPECT_EQ(dated("b", d), "14:05b");
    // Empty parts fall back: the time half to a 12-hour clock with its marker.
    DateTime t;
    t.withDate = false;
    t.time = {"None", "", "None", "", "None"};
    EXPECT_EQ(dated("b", t), "02 05 09 PMb");
    DateTime e;
    e.withTime = false;
    e.date = {"None", "", "None", "", "None"};
    EXPECT_EQ(dated("b", e), "03:07:2010b");
}

TEST(RenameByDateTimeTest, Placement)
{
    DateTime d;
    d.withTime = false;
    d.date = {"yyyy", "", "None", "", "None"};
    d.where.placement = Placement::AtEnd;
    EXPECT_EQ(dated("beach.jpg", d), "beach2010.jpg");
    d.where.placement = Placement::AtPosition;
    d.where.position = 2;
    d.where.positionFrom = CountFrom::End;
    EXPECT_EQ(dated("beach", d), "beac2010h");
    d.where.position = 1;
    EXPECT_EQ(dated("beach", d), "beach2010");
    for (int position : {0, 7, -3}) {
        d.where.position = position;
        EXPECT_EQ(dated("beach", d), "beach") << position;
    }
    d.where.placement = Placement::BeforeText;
    d.where.beforeText = "_";
    EXPECT_EQ(dated("a_b", d), "a2010_b");
    EXPECT_EQ(dated("ab", d), "ab");
    d.where.placement = Placement::AfterText;
    d.where.afterText = "/";
    d.where.afterOccurrence = 2;
    EXPECT_EQ(dated("a:b:c", d), "a:b:2010c");
    d.where.placement = Placement(9);
    EXPECT_EQ(dated("a:b:c", d), "a:b:c");
}

TEST(RenameByDateTimeTest, PrefixAndSuffixAreLiteral)
{
    DateTime d;
    d.withTime = false;
    d.prefix = "%1 (";
    d.suffix = ") %%/";
    EXPECT_EQ(dated("x", d), "%1 (07032010) %%:x");
}

TEST(RenameByDateTimeTest, FileDates)
{
    TempTree tree;
    tree.file("photo.jpg", "x");
    tree.setModified("photo.jpg", kDate);
    FileSystemItem item = *FileSystemItem::initWithPath(tree.at("photo.jpg"));
    DateTime d;
    d.source = Source::Modified;
    ASSERT_TRUE(renameByDateTime(item, d).ok());
    EXPECT_EQ(item.newFilename, "07032010140509photo.jpg");

    // Creation date: the birth time where the file system keeps one (now, for a file just
    // made), else the modification time.
    FileSystemItem created = *FileSystemItem::initWithPath(tree.at("photo.jpg"));
    d.source = Source::Created;
    d.withTime = false;
    d.date = {"yyyy", "", "None", "", "None"};
    ASSERT_TRUE(renameByDateTime(created, d).ok());
    const QString year = created.newFilename.left(4);
    EXPECT_TRUE(year == "2010" || year == QString::number(QDate::currentDate().year())) << year.toStdString();
}

TEST(RenameByDateTimeTest, NoDateIsAFailure)
{
    for (int source : {0, 1, 3, -1}) {
        FileSystemItem item = itemNamed("gone.jpg", 0, "/nonexistent-quorvel-folder");
        item.newFilename = "kept.jpg";
        DateTime d;
        d.source = Source(source);
        EXPECT_FALSE(renameByDateTime(item, d).ok()) << source;
        EXPECT_EQ(item.newFilename, "kept.jpg");
    }
    FileSystemItem item = itemNamed("a.jpg");
    DateTime d;
    d.customDate = QDateTime();
    EXPECT_FALSE(renameByDateTime(item, d).ok());
    EXPECT_TRUE(item.newFilename.isEmpty());
}

} // namespace
