#include "engine/findexpression.h"
#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"

namespace {

struct RegexCase {
    const char* what;
    QString name;
    QString find;
    QString with;
    QString expected;
    bool caseSensitive = false;
    int startFromCharacter = 1;
    int startOnOccurrence = 1;
    int occurrenceCount = -1;
    int direction = 0;
};

// The options that replace the matches of find by with.
ReplaceRemoveOptions expressionOptions(const QString& find, const QString& with, bool caseSensitive = false)
{
    ReplaceRemoveOptions o;
    o.find = find;
    o.replacement = with;
    o.caseSensitive = caseSensitive;
    o.isRegularExpression = true;
    o.expression = FindExpression::compile(find, caseSensitive);
    return o;
}

QString renamed(const RegexCase& c)
{
    FileSystemItem item = itemNamed(c.name);
    ReplaceRemoveOptions o = expressionOptions(c.find, c.with, c.caseSensitive);
    o.startFromCharacter = c.startFromCharacter;
    o.startOnOccurrence = c.startOnOccurrence;
    o.occurrenceCount = c.occurrenceCount;
    o.countFrom = CountFrom(c.direction);
    EXPECT_TRUE(o.expression.isValid()) << c.what;
    const MethodResult result = renameByRegularExpression(item, o);
    EXPECT_TRUE(result.ok()) << c.what << ": " << result.error.toStdString();
    expectSafeName(item);
    return item.newFilename;
}

RegexCase every(const char* what, const char* name, const char* find, const char* with, const char* expected)
{
    return RegexCase{what, QString::fromUtf8(name), QString::fromUtf8(find), QString::fromUtf8(with),
                     QString::fromUtf8(expected)};
}

RegexCase picked(const char* what, const char* name, const char* find, const char* with, const char* expected,
                 int occurrence, int count, int direction = 0, int start = 1)
{
    RegexCase c = every(what, name, find, with, expected);
    c.startOnOccurrence = occurrence;
    c.occurrenceCount = count;
    c.direction = direction;
    c.startFromCharacter = start;
    return c;
}

} // namespace

TEST(RenameByRegularExpressionTest, TheThreeExamplesOfTheFeature)
{
    EXPECT_EQ(renamed(every("groups", "IMG_1234_beach.jpg", R"(^IMG_(\d+)_(\w+)$)", R"(\2-\1)", "beach-1234.jpg")),
              "beach-1234.jpg");
    EXPECT_EQ(renamed(every("every number", "a1b22c333.txt", R"(\d+)", "#", "a#b#c#.txt")), "a#b#c#.txt");
    EXPECT_EQ(renamed(every("remove brackets", "song (live) [2019].mp3", R"(\s*[\(\[][^\)\]]*[\)\]])", "",
                            "song.mp3")),
              "song.mp3");
}

TEST(RenameByRegularExpressionTest, ReplacementGroupsAndEscapes)
{
    const RegexCase cases[] = {
        every("dollar groups", "IMG_1234_beach.jpg", R"(^IMG_(\d+)_(\w+)$)", "$2-$1", "beach-1234.jpg"),
        every("whole match", "abc.txt", "b", R"([\0$0])", "a[bb]c.txt"),
        every("backslash and dollar", "abc", "b", R"(\\$$)", R"(a\$c)"),
        every("a group the expression lacks is empty", "abc", "b", R"(<\5$7>)", "a<>c"),
        every("other escapes stand for themselves", "abc", "b", R"($x\n\)", R"(a$x\n\c)"),
        every("one digit names a group", "abc", "(b)", "$12", "ab2c"),
        every("a slash in the replacement", "ab", "b", "/", "a:"),
        every("a slash in the expression reads a colon", "a:b", "a/b", "c", "c"),
    };
    for (const RegexCase& c : cases)
        EXPECT_EQ(renamed(c), c.expected) << c.what;
}

TEST(RenameByRegularExpressionTest, TheNameWithoutExtensionIsMatchedAndAnchorsReferToIt)
{
    const RegexCase cases[] = {
        every("^ puts a prefix", "name.txt", "^", "x_", "x_name.txt"),
        every("$ is the end of the base", "name.txt", "$", "_end", "name_end.txt"),
        every("the extension is never matched", "a_txt.txt", "txt$", "", "a_.txt"),
        every("a dot inside the base", "a.b.c", R"(\.)", "_", "a_b.c"),
        every("a name without extension", ".bashrc", R"(^\.)", "", "bashrc"),
        every("a whole-name anchor", "2019-05-01 trip.jpg", R"(^(\d{4})-(\d\d)-(\d\d) (.*)$)", R"(\4 \3.\2.\1)",
              "trip 01.05.2019.jpg"),
    };
    for (const RegexCase& c : cases)
        EXPECT_EQ(renamed(c), c.expected) << c.what;
}

TEST(RenameByRegularExpressionTest, OccurrenceCountAndDirectionPickAmongTheMatches)
{
    const RegexCase cases[] = {
        picked("the first", "a1b22c333", R"(\d+)", "#", "a#b22c333", 1, 1),
        picked("the second", "a1b22c333", R"(\d+)", "#", "a1b#c333", 2, 1),
        picked("from the second on", "a1b22c333", R"(\d+)", "#", "a1b#c#", 2, -1),
        picked("two from the first", "a1b22c333", R"(\d+)", "#", "a#b#c333", 1, 2),
        picked("the last", "a1b22c333", R"(\d+)", "#", "a1b22c#", 1, 1, 1),
        picked("two from the second last", "a1b22c333", R"(\d+)", "#", "a#b#c333", 2, 2, 1),
        picked("every one from the end", "a1b22c333", R"(\d+)", "#", "a#b#c#", 1, -1, 1),
        picked("an occurrence below 1 is the first", "a1b22c333", R"(\d+)", "#", "a#b22c333", 0, 1),
        picked("beyond the last match", "a1b22c333", R"(\d+)", "#", "a1b22c333", 4, 1),
        picked("count 0", "a1b22c333", R"(\d+)", "#", "a1b22c333", 1, 0),
        picked("a negative count other than -1", "a1b22c333", R"(\d+)", "#", "a1b22c333", 1, -3),
        // Matches are found forwards even from the end: "aaa" holds one match of "aa".
        picked("forward matches counted from the end", "aaa", "aa", "X", "Xa", 1, 1, 1),
    };
    for (const RegexCase& c : cases)
        EXPECT_EQ(renamed(c), c.expected) << c.what;
}

TEST(RenameByRegularExpressionTest, StartPositionCountsInTheChosenDirection)
{
    const RegexCase cases[] = {
        picked("from the 4th character", "a1b2c3", R"(\d)", "#", "a1b#c#", 1, -1, 0, 4),
        picked("occurrences count from the start position", "a1b2c3", R"(\d)", "#", "a1b2c#", 2, 1, 0, 4),
        picked("an anchor still means the start of the name", "aaa", "^a", "x", "aaa", 1, -1, 0, 2),
        picked("the last 2 characters out of reach", "a1b2c3", R"(\d)", "#", "a#b#c3", 1, -1, 1, 3),
        picked("the last match within reach", "a1b2c3", R"(\d)", "#", "a1b#c3", 1, 1, 1, 3),
        picked("a match running into the protected end is left", "abcd", "cd", "X", "abcd", 1, -1, 1, 2),
        picked("a start equal to the length is no start", "a1b2", R"(\d)", "#", "a#b#", 1, -1, 0, 4),
        picked("a start beyond the length is no start", "a1b2", R"(\d)", "#", "a#b#", 1, -1, 0, 9),
    };
    for (const RegexCase& c : cases)
        EXPECT_EQ(renamed(c), c.expected) << c.what;
}

TEST(RenameByRegularExpressionTest, EmptyMatchesCount)
{
    const RegexCase cases[] = {
        every("between every character", "ab.txt", "x*", "-", "-a-b-.txt"),
        picked("the last empty match", "ab", "x*", "-", "ab-", 1, 1, 1),
        picked("the second empty match", "ab", "x*", "-", "a-b", 2, 1),
        every("a word boundary", "one two", R"(\b)", "|", "|one| |two|"),
    };
    for (const RegexCase& c : cases)
        EXPECT_EQ(renamed(c), c.expected) << c.what;
}

TEST(RenameByRegularExpressionTest, CaseAndUnicode)
{
    RegexCase sensitive = every("case sensitive", "Photo PHOTO photo", "photo", "x", "Photo PHOTO x");
    sensitive.caseSensitive = true;
    const RegexCase cases[] = {
        every("case-insensitive unless asked", "Photo PHOTO photo", "photo", "x", "x x x"),
        sensitive,
        every("case-insensitive beyond ASCII", "ÉTÉ été", "été", "x", "x x"),
        every("\\w takes accented letters", "Café au lait", R"(\w+)", R"([\0])", "[Café] [au] [lait]"),
        every("\\d takes other digits", "x٣y", R"(\d)", "#", "x#y"),
        every("a character outside the BMP is one", "a\U0001F600b", ".", "x", "xxx"),
    };
    for (const RegexCase& c : cases)
        EXPECT_EQ(renamed(c), c.expected) << c.what;
}

TEST(RenameByRegularExpressionTest, AnInvalidExpressionSaysWhereAndRenamesNothing)
{
    struct Invalid {
        const char* find;
        int position;
    };
    for (const Invalid& c : {Invalid{"a(b", 3}, Invalid{"ab[", 3}, Invalid{"x**", 2}, Invalid{"(?<n>a)(?<n>b)", 12}}) {
        const QString find = QString::fromLatin1(c.find);
        const ReplaceRemoveOptions options = expressionOptions(find, QStringLiteral("x"));
        const QRegularExpression& expression = options.expression;
        ASSERT_FALSE(expression.isValid()) << c.find;
        EXPECT_EQ(expression.patternErrorOffset(), c.position) << c.find;
        const QString text = FindExpression::errorText(find, false);
        EXPECT_TRUE(text.contains(QString::number(c.position))) << text.toStdString();
        EXPECT_TRUE(text.contains(expression.errorString())) << text.toStdString();

        FileSystemItem item = itemNamed(QStringLiteral("ab.txt"));
        const MethodResult result = renameByRegularExpression(item, options);
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(item.newFilename.isEmpty());
    }
    EXPECT_TRUE(FindExpression::errorText(QStringLiteral(R"(^IMG_(\d+)$)"), true).isEmpty());
}

TEST(RenameByRegularExpressionTest, ContinuesFromAnEarlierProposedName)
{
    FileSystemItem item = itemNamed(QStringLiteral("a1b2.jpg"));
    item.newFilename = QStringLiteral("x9y9.png");
    ASSERT_TRUE(renameByRegularExpression(item, expressionOptions(QStringLiteral(R"(\d)"), QStringLiteral("_"))).ok());
    EXPECT_EQ(item.newFilename, "x_y_.png");
}
