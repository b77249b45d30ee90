#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"
#include "support/temptree.h"

namespace {

const QDateTime kDate(QDate(2010, 3, 7), QTime(14, 5, 9), Qt::UTC);

struct DateTime {
    int dateOption = 2;
    QDateTime customDate = kDate;
    int options = 0;
    int position = 1;
    int direction = 0;
    QString beforeText;
    int beforeOccurrence = 1;
    QString afterText;
    int afterOccurrence = 1;
    bool hasDate = true;
    bool hasTime = true;
    QString datePart1 = "dd", dateSeperator1, datePart2 = "MM", dateSeperator2, datePart3 = "yyyy";
    QString timePart1 = "HH", timeSeperator1, timePart2 = "mm", timeSeperator2, timePart3 = "ss";
    bool colonReplace = false;
    QString colonReplacement, separator, prefix, suffix;
};

bool run(FileSystemItem& item, const DateTime& d, QString& error)
{
    return renameByDateTime(item, d.dateOption, d.customDate, d.options, d.position, d.direction, d.beforeText,
                            d.beforeOccurrence, d.afterText, d.afterOccurrence, d.hasDate, d.hasTime, d.datePart1,
                            d.dateSeperator1, d.datePart2, d.dateSeperator2, d.datePart3, d.timePart1,
                            d.timeSeperator1, d.timePart2, d.timeSeperator2, d.timePart3, d.colonReplace,
                            d.colonReplacement, d.separator, d.prefix, d.suffix, error);
}

QString dated(const QString& name, const DateTime& d)
{
    FileSystemItem item = itemNamed(name);
    QString error;
    EXPECT_TRUE(run(item, d, error)) << error.toStdString();
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
    d.hasTime = false;
    d.separator = "_";
    EXPECT_EQ(dated("b", d), "07032010b");
    d.hasTime = true;
    d.hasDate = false;
    EXPECT_EQ(dated("b", d), "140509b");
    // Neither half: a fixed pattern whose "/" is stored as ":".
    d.hasTime = false;
    EXPECT_EQ(dated("b", d), "07:03:2010 02:05:09 PMb");
    d.colonReplace = true;
    d.colonReplacement = ".";
    // Only the colons of the date text are replaced; its "/" still turns into ":".
    EXPECT_EQ(dated("b", d), "07:03:2010 02.05.09 PMb");
}

TEST(RenameByDateTimeTest, PartsSeparatorsAndColonReplacement)
{
    DateTime d;
    d.hasDate = false;
    d.timeSeperator1 = ":";
    d.timePart3 = "None";
    d.colonReplace = true;
    d.colonReplacement = "-";
    EXPECT_EQ(dated("b", d), "14-05b");
    // A "/" typed as the replacement is a ":" already: nothing changes.
    d.colonReplacement = "/";
    EXPECT_EQ(dated("b", d), "14:05b");
    // Empty parts fall back: the time half to a 12-hour clock with its marker.
    DateTime t;
    t.hasDate = false;
    t.timePart1 = t.timePart2 = t.timePart3 = "None";
    EXPECT_EQ(dated("b", t), "02 05 09 PMb");
    DateTime e;
    e.hasTime = false;
    e.datePart1 = e.datePart2 = e.datePart3 = "None";
    EXPECT_EQ(dated("b", e), "03:07:2010b");
}

TEST(RenameByDateTimeTest, Placement)
{
    DateTime d;
    d.hasTime = false;
    d.datePart1 = "yyyy";
    d.datePart2 = d.datePart3 = "None";
    d.options = 1;
    EXPECT_EQ(dated("beach.jpg", d), "beach2010.jpg");
    d.options = 2;
    d.position = 2;
    d.direction = 1;
    EXPECT_EQ(dated("beach", d), "beac2010h");
    d.position = 1;
    EXPECT_EQ(dated("beach", d), "beach2010");
    for (int position : {0, 7, -3}) {
        d.position = position;
        EXPECT_EQ(dated("beach", d), "beach") << position;
    }
    d.options = 3;
    d.beforeText = "_";
    EXPECT_EQ(dated("a_b", d), "a2010_b");
    EXPECT_EQ(dated("ab", d), "ab");
    d.options = 4;
    d.afterText = "/";
    d.afterOccurrence = 2;
    EXPECT_EQ(dated("a:b:c", d), "a:b:2010c");
    d.options = 9;
    EXPECT_EQ(dated("a:b:c", d), "a:b:c");
}

TEST(RenameByDateTimeTest, PrefixAndSuffixAreLiteral)
{
    DateTime d;
    d.hasTime = false;
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
    d.dateOption = 1;
    QString error;
    ASSERT_TRUE(run(item, d, error)) << error.toStdString();
    EXPECT_EQ(item.newFilename, "07032010140509photo.jpg");

    // Creation date: the birth time where the file system keeps one (now, for a file just
    // made), else the modification time.
    FileSystemItem created = *FileSystemItem::initWithPath(tree.at("photo.jpg"));
    d.dateOption = 0;
    d.hasTime = false;
    d.datePart1 = "yyyy";
    d.datePart2 = d.datePart3 = "None";
    ASSERT_TRUE(run(created, d, error)) << error.toStdString();
    const QString year = created.newFilename.left(4);
    EXPECT_TRUE(year == "2010" || year == QString::number(QDate::currentDate().year())) << year.toStdString();
}

TEST(RenameByDateTimeTest, NoDateIsAFailure)
{
    for (int source : {0, 1, 3, -1}) {
        FileSystemItem item = itemNamed("gone.jpg", 0, "/nonexistent-quorvel-folder");
        item.newFilename = "kept.jpg";
        DateTime d;
        d.dateOption = source;
        QString error;
        EXPECT_FALSE(run(item, d, error)) << source;
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(item.newFilename, "kept.jpg");
    }
    FileSystemItem item = itemNamed("a.jpg");
    DateTime d;
    d.customDate = QDateTime();
    QString error;
    EXPECT_FALSE(run(item, d, error));
    EXPECT_TRUE(item.newFilename.isEmpty());
}

} // namespace
