#include "engine/renamingmethods.h"
#include "engine/textplacement.h"
#include "renamingtestsupport.h"

#include <climits>

namespace {

InsertOptions insertAt(const QString& text, Placement placement)
{
    InsertOptions i;
    i.text = text;
    i.where.placement = placement;
    return i;
}

QString inserted(const QString& name, const InsertOptions& i, bool checkSafe = true)
{
    FileSystemItem item = itemNamed(name);
    const MethodResult result = renameByInsert(item, i);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    if (checkSafe)
        expectSafeName(item);
    return item.newFilename;
}

QString deleted(const QString& name, bool fromEnd, int position, int count)
{
    FileSystemItem item = itemNamed(name);
    const MethodResult result =
        renameByDelete(item, DeleteOptions{fromEnd ? CountFrom::End : CountFrom::Start, position, count});
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    expectSafeName(item);
    return item.newFilename;
}

InsertOptions atPosition(const QString& text, int position, CountFrom from = CountFrom::Start)
{
    InsertOptions i = insertAt(text, Placement::AtPosition);
    i.where.position = position;
    i.where.positionFrom = from;
    return i;
}

TEST(RenameByInsertTest, AtTheStartOrTheEnd)
{
    EXPECT_EQ(inserted("beach.jpg", insertAt("IMG_", Placement::AtBeginning)), "IMG_beach.jpg");
    EXPECT_EQ(inserted("beach.jpg", insertAt("_v2", Placement::AtEnd)), "beach_v2.jpg");
    EXPECT_EQ(inserted("beach.jpg", insertAt("a/b%1", Placement::AtEnd)), "beacha:b%1.jpg");
    // A stored index outside 0-4 leaves the name as it is.
    EXPECT_EQ(inserted("beach.jpg", insertAt("X", Placement(5))), "beach.jpg");
    EXPECT_EQ(inserted("beach.jpg", insertAt("X", Placement(-1))), "beach.jpg");
}

TEST(RenameByInsertTest, AtAPositionFromEitherEnd)
{
    EXPECT_EQ(inserted("abcdef", atPosition("XY", 3)), "abXYcdef");
    EXPECT_EQ(inserted("abcdef", atPosition("XY", 7)), "abcdefXY");
    EXPECT_EQ(inserted("abcdef", atPosition("XY", 1, CountFrom::End)), "abcdefXY");
    EXPECT_EQ(inserted("abcdef", atPosition("XY", 3, CountFrom::End)), "abcdXYef");
    EXPECT_EQ(inserted("abcdef", atPosition("XY", 7, CountFrom::End)), "XYabcdef");
    for (int position : {8, 0, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(inserted("abcdef.txt", atPosition("XY", position)), "abcdef.txt") << position;
        EXPECT_EQ(inserted("abcdef.txt", atPosition("XY", position, CountFrom::End)), "abcdef.txt") << position;
    }
    // The inserted text reads forwards from the end too, surrogate pairs included.
    EXPECT_EQ(inserted("ab.txt", atPosition("x" + kEmoji, 2, CountFrom::End)), "ax" + kEmoji + "b.txt");
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
    InsertOptions before = insertAt("-", Placement::BeforeText);
    before.where.beforeText = "_";
    before.where.beforeOccurrence = 2;
    EXPECT_EQ(inserted("a_b_c", before), "a_b-_c");
    InsertOptions after = insertAt("-", Placement::AfterText);
    after.where.afterText = "_";
    after.where.afterOccurrence = 2;
    EXPECT_EQ(inserted("a_b_c", after), "a_b_-c");
    // Exact matching, missing occurrences, occurrences below 1 and empty texts: unchanged.
    InsertOptions upper = insertAt("-", Placement::BeforeText);
    upper.where.beforeText = "B";
    EXPECT_EQ(inserted("abc", upper), "abc");
    for (int occurrence : {3, 0, -4, INT_MIN, INT_MAX}) {
        after.where.afterOccurrence = occurrence;
        EXPECT_EQ(inserted("a_b_c.txt", after), "a_b_c.txt") << occurrence;
    }
    after.where.afterOccurrence = 1;
    after.where.afterText = "";
    EXPECT_EQ(inserted("a_b_c.txt", after), "a_b_c.txt");
    // "/" in the searched text stands for ":" in the name.
    before.where.beforeText = "/";
    before.where.beforeOccurrence = 1;
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
    where.placement = Placement::AtPosition;
    where.position = 2;
    where.positionFrom = CountFrom::End;
    EXPECT_EQ(TextPlacement::place("img", "Z", where), "imZg");
    where.placement = Placement::AfterText;
    where.afterText = "-";
    EXPECT_EQ(TextPlacement::place("a-b", "Z", where), "a-Zb");
    where.placement = Placement::BeforeText;
    where.beforeText = "-";
    where.beforeOccurrence = 2;
    EXPECT_EQ(TextPlacement::place("a-b-c", "Z", where), "a-bZ-c");
    where.placement = Placement(7);
    EXPECT_EQ(TextPlacement::place("a-b", "Z", where), "a-b");
    EXPECT_EQ(TextPlacement::atPosition("", "Z", 1, CountFrom::End), "Z");
    EXPECT_EQ(TextPlacement::atPosition("", "Z", 2, CountFrom::Start), "");
}

} // namespace
