#include "engine/renamingmethods.h"
#include "engine/textplacement.h"
#include "renamingtestsupport.h"

#include <climits>

namespace {

struct Insert {
    QString text;
    int option = 0;
    int position = 1;
    int direction = 0;
    QString beforeText;
    int beforeOccurrence = 1;
    QString afterText;
    int afterOccurrence = 1;
};

QString inserted(const QString& name, const Insert& i, bool checkSafe = true)
{
    FileSystemItem item = itemNamed(name);
    QString error;
    EXPECT_TRUE(renameByInsert(item, i.text, i.option, i.position, i.direction, i.beforeText, i.beforeOccurrence,
                               i.afterText, i.afterOccurrence, error))
        << error.toStdString();
    if (checkSafe)
        expectSafeName(item);
    return item.newFilename;
}

QString deleted(const QString& name, bool backward, int position, int count)
{
    FileSystemItem item = itemNamed(name);
    QString error;
    EXPECT_TRUE(renameByDelete(item, backward, position, count, error)) << error.toStdString();
    expectSafeName(item);
    return item.newFilename;
}

Insert atPosition(const QString& text, int position, int direction = 0)
{
    Insert i{text, 2};
    i.position = position;
    i.direction = direction;
    return i;
}

TEST(RenameByInsertTest, AtTheStartOrTheEnd)
{
    EXPECT_EQ(inserted("beach.jpg", Insert{"IMG_", 0}), "IMG_beach.jpg");
    EXPECT_EQ(inserted("beach.jpg", Insert{"_v2", 1}), "beach_v2.jpg");
    EXPECT_EQ(inserted("beach.jpg", Insert{"a/b%1", 1}), "beacha:b%1.jpg");
    // An index outside 0-4 leaves the name as it is.
    EXPECT_EQ(inserted("beach.jpg", Insert{"X", 5}), "beach.jpg");
    EXPECT_EQ(inserted("beach.jpg", Insert{"X", -1}), "beach.jpg");
}

TEST(RenameByInsertTest, AtAPositionFromEitherEnd)
{
    EXPECT_EQ(inserted("abcdef", atPosition("XY", 3)), "abXYcdef");
    EXPECT_EQ(inserted("abcdef", atPosition("XY", 7)), "abcdefXY");
    EXPECT_EQ(inserted("abcdef", atPosition("XY", 1, 1)), "abcdefXY");
    EXPECT_EQ(inserted("abcdef", atPosition("XY", 3, 1)), "abcdXYef");
    EXPECT_EQ(inserted("abcdef", atPosition("XY", 7, 1)), "XYabcdef");
    for (int position : {8, 0, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(inserted("abcdef.txt", atPosition("XY", position)), "abcdef.txt") << position;
        EXPECT_EQ(inserted("abcdef.txt", atPosition("XY", position, 1)), "abcdef.txt") << position;
    }
    // The inserted text reads forwards from the end too, surrogate pairs included.
    EXPECT_EQ(inserted("ab.txt", atPosition("x" + kEmoji, 2, 1)), "ax" + kEmoji + "b.txt");
}

TEST(RenameByInsertTest, SplittingASurrogatePairIsLeftToTheNameCheck)
{
    // Positions count UTF-16 units: inserting between the two halves of a pair gives a name
    // that the preview classifies as unusable, never a crash.
    const QString name = inserted("a" + kEmoji + ".txt", atPosition("X", 3), false);
    EXPECT_EQ(name.size(), 8);
    EXPECT_FALSE(isUsableFileName(name));
}

TEST(RenameByInsertTest, BeforeOrAfterAnOccurrence)
{
    Insert before{"-", 3};
    before.beforeText = "_";
    before.beforeOccurrence = 2;
    EXPECT_EQ(inserted("a_b_c", before), "a_b-_c");
    Insert after{"-", 4};
    after.afterText = "_";
    after.afterOccurrence = 2;
    EXPECT_EQ(inserted("a_b_c", after), "a_b_-c");
    // Exact matching, missing occurrences, occurrences below 1 and empty texts: unchanged.
    Insert upper{"-", 3};
    upper.beforeText = "B";
    EXPECT_EQ(inserted("abc", upper), "abc");
    for (int occurrence : {3, 0, -4, INT_MIN, INT_MAX}) {
        after.afterOccurrence = occurrence;
        EXPECT_EQ(inserted("a_b_c.txt", after), "a_b_c.txt") << occurrence;
    }
    after.afterOccurrence = 1;
    after.afterText = "";
    EXPECT_EQ(inserted("a_b_c.txt", after), "a_b_c.txt");
    // "/" in the searched text stands for ":" in the name.
    before.beforeText = "/";
    before.beforeOccurrence = 1;
    EXPECT_EQ(inserted("a:b", before), "a-:b");
}

TEST(RenameByDeleteTest, DeletesARunFromEitherEnd)
{
    EXPECT_EQ(deleted("abcdef", false, 2, 2), "adef");
    EXPECT_EQ(deleted("abcdef", true, 2, 2), "abcf");
    EXPECT_EQ(deleted("abcdef", false, 5, 10), "abcd");
    EXPECT_EQ(deleted("abcdef", false, 9, 2), "abcdef");
    EXPECT_EQ(deleted("abcdef", false, 2, 0), "abcdef");
    EXPECT_EQ(deleted("abcdef", false, 2, -3), "abcdef");
    EXPECT_EQ(deleted("abcdef", true, 1, INT_MAX), "");
    EXPECT_EQ(deleted("abcdef", false, INT_MAX, INT_MAX), "abcdef");
    // The extension is never touched.
    EXPECT_EQ(deleted("photo.jpeg", true, 1, 3), "ph.jpeg");
    EXPECT_EQ(deleted("photo.jpeg", false, 1, 100), ".jpeg");
}

TEST(RenameByDeleteTest, PositionsBelowOneCountAsOne)
{
    for (int position : {0, -1, -100, INT_MIN}) {
        EXPECT_EQ(deleted("abcdef", false, position, 2), "cdef") << position;
        EXPECT_EQ(deleted("abcdef", true, position, 2), "abcd") << position;
    }
}

TEST(TextPlacementTest, PlacesByOption)
{
    TextPlacement::Options where;
    where.optionIndex = 2;
    where.position = 2;
    where.direction = 1;
    EXPECT_EQ(TextPlacement::place("img", "Z", where), "imZg");
    where.optionIndex = 4;
    where.afterText = "-";
    EXPECT_EQ(TextPlacement::place("a-b", "Z", where), "a-Zb");
    where.optionIndex = 3;
    where.beforeText = "-";
    where.beforeOccurrence = 2;
    EXPECT_EQ(TextPlacement::place("a-b-c", "Z", where), "a-bZ-c");
    where.optionIndex = 7;
    EXPECT_EQ(TextPlacement::place("a-b", "Z", where), "a-b");
    EXPECT_EQ(TextPlacement::atPosition("", "Z", 1, 1), "Z");
    EXPECT_EQ(TextPlacement::atPosition("", "Z", 2, 0), "");
}

} // namespace
