#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"

#include <climits>

namespace {

using Mode = ReplaceRemoveOptions::Mode;

// The options of a replacement (case-sensitive, every occurrence unless changed).
struct Replace : ReplaceRemoveOptions {
    Replace(const QString& findText, const QString& with, bool isCaseSensitive = true, Mode how = Mode::Replace,
            int startFrom = 1)
    {
        find = findText;
        replacement = with;
        caseSensitive = isCaseSensitive;
        mode = how;
        startFromCharacter = startFrom;
    }
};

// The proposed name for name under the options (the method must succeed).
QString replaced(const QString& name, const ReplaceRemoveOptions& r)
{
    FileSystemItem item = itemNamed(name);
    const MethodResult result = renameByReplaceRemove(item, r);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    expectSafeName(item);
    return item.newFilename;
}

TEST(RenameByReplaceRemoveTest, ReplacesFromAChosenOccurrence)
{
    Replace r{"_", "-"};
    r.startOnOccurrence = 2;
    r.occurrenceCount = 1;
    EXPECT_EQ(replaced("a_b_c_d.txt", r), "a_b-c_d.txt");
    r.occurrenceCount = -1;
    EXPECT_EQ(replaced("a_b_c_d.txt", r), "a_b-c-d.txt");
    r.occurrenceCount = 0;
    EXPECT_EQ(replaced("a_b_c_d.txt", r), "a_b_c_d.txt");
    // Occurrences beyond the last one, or a count that is neither -1 nor positive: unchanged.
    r.occurrenceCount = -5;
    EXPECT_EQ(replaced("a_b_c_d.txt", r), "a_b_c_d.txt");
    r.occurrenceCount = 1;
    r.startOnOccurrence = 4;
    EXPECT_EQ(replaced("a_b_c_d.txt", r), "a_b_c_d.txt");
    r.startOnOccurrence = INT_MAX;
    EXPECT_EQ(replaced("a_b_c_d.txt", r), "a_b_c_d.txt");
    // Replacements are not searched again.
    EXPECT_EQ(replaced("aaaa", Replace{"aa", "a"}), "aa");
}

TEST(RenameByReplaceRemoveTest, CountsFromTheEndWithDirectionOne)
{
    Replace r{"_", "-"};
    r.startOnOccurrence = 2;
    r.occurrenceCount = 1;
    r.countFrom = CountFrom::End;
    EXPECT_EQ(replaced("a_b_c_d.txt", r), "a_b-c_d.txt");
    // Search text and replacement read forwards in the name.
    Replace ab{"ab", "XY"};
    ab.occurrenceCount = 1;
    ab.countFrom = CountFrom::End;
    EXPECT_EQ(replaced("ab_ab", ab), "ab_XY");
    // A start position counts from the end too.
    Replace tail{"a", "b"};
    tail.startFromCharacter = 3;
    tail.countFrom = CountFrom::End;
    EXPECT_EQ(replaced("aaaa", tail), "bbaa");
}

TEST(RenameByReplaceRemoveTest, StartPositionKeepsTheHeadUntouched)
{
    Replace r{"o", ""};
    r.caseSensitive = false;
    r.startFromCharacter = 6;
    EXPECT_EQ(replaced("Hello World", r), "Hello Wrld");
    r.startFromCharacter = 1;
    EXPECT_EQ(replaced("Hello World", r), "Hell Wrld");
    // Equal to the length, beyond it, or below 2: the whole base is worked on.
    Replace a{"a", "b"};
    for (int start : {4, 5, 1000, 0, -7, INT_MIN, INT_MAX})
        EXPECT_EQ(replaced("aaaa.a", Replace{a.find, a.replacement, true, Mode::Replace, start}), "bbbb.a") << start;
    EXPECT_EQ(replaced("aaaa.a", Replace{a.find, a.replacement, true, Mode::Replace, 3}), "aabb.a");
}

TEST(RenameByReplaceRemoveTest, CaseSensitivityAndTheExtension)
{
    EXPECT_EQ(replaced("ABab.txt", Replace{"a", "-", true}), "AB-b.txt");
    EXPECT_EQ(replaced("ABab.txt", Replace{"a", "-", false}), "-B-b.txt");
    // The extension is neither searched nor changed.
    EXPECT_EQ(replaced("txt.txt", Replace{"txt", "X"}), "X.txt");
    // An empty search text matches nothing.
    EXPECT_EQ(replaced("abc.txt", Replace{"", "X"}), "abc.txt");
    Replace empty{"", "X"};
    empty.startOnOccurrence = 3;
    EXPECT_EQ(replaced("abc.txt", empty), "abc.txt");
}

TEST(RenameByReplaceRemoveTest, RemovesASetOfCharacters)
{
    Replace r{"lo", "", false, Mode::RemoveCharacters};
    for (int occurrence : {1, 3, -2}) {
        r.startOnOccurrence = occurrence;
        EXPECT_EQ(replaced("Hello World", r), "He Wrd");
    }
    // A character outside the Basic Multilingual Plane goes as a whole: U+1F600 and U+1F601
    // share their first surrogate, and only the one asked for is removed.
    const QString grin = QStringLiteral("\U0001F601");
    Replace emoji{kEmoji, "", true, Mode::RemoveCharacters};
    EXPECT_EQ(replaced("a" + kEmoji + "b" + grin + ".txt", emoji), "ab" + grin + ".txt");
    emoji.countFrom = CountFrom::End;
    EXPECT_EQ(replaced(kEmoji + "x" + grin + kEmoji, emoji), "x" + grin);
}

TEST(RenameByReplaceRemoveTest, SlashesAreColonsInTheName)
{
    // The name holds ":" where the user sees "/"; what the user types is read the same way.
    EXPECT_EQ(replaced("a:b.txt", Replace{"/", "-"}), "a-b.txt");
    EXPECT_EQ(replaced("a-b.txt", Replace{"-", "/"}), "a:b.txt");
    EXPECT_EQ(replaced("a-b.txt", Replace{"-", "100%"}), "a100%b.txt");
}

TEST(RenameByReplaceRemoveTest, ContinuesFromAnEarlierProposedName)
{
    FileSystemItem item = itemNamed("abc.jpg");
    item.newFilename = "x.txt";
    ASSERT_TRUE(renameByReplaceRemove(item, Replace{"x", "y"}).ok());
    EXPECT_EQ(item.newFilename, "y.txt");
    // An earlier name holding "/" is read with ":" in its place.
    item.newFilename = "a/b.txt";
    ASSERT_TRUE(renameByReplaceRemove(item, Replace{":", "-"}).ok());
    EXPECT_EQ(item.newFilename, "a-b.txt");
}

} // namespace
