#include "engine/renamingmethods.h"
#include "engine/stringutilities.h"
#include "renamingtestsupport.h"

#include <QStringList>

#include <climits>
#include <type_traits>

namespace {

using Sequence = SequenceOptions;
using Where = SequenceOptions::Where;
using Counting = SequenceOptions::Counting;

// Names the items in order with one running counter.
template <typename Counter>
QStringList named(const QStringList& names, const Sequence& q, Counter& counter)
{
    QStringList out;
    for (const QString& name : names) {
        FileSystemItem item = itemNamed(name);
        MethodResult result;
        if constexpr (std::is_same_v<Counter, qint64>)
            result = renameByNumeric(item, q, counter);
        else
            result = renameByAlphabetic(item, q, counter);
        EXPECT_TRUE(result.ok()) << result.error.toStdString();
        expectSafeName(item);
        out << item.newFilename;
    }
    return out;
}

QStringList numbered(const QStringList& names, const Sequence& q, qint64& counter)
{
    return named(names, q, counter);
}

QStringList lettered(const QStringList& names, const Sequence& q, QString& counter)
{
    return named(names, q, counter);
}

TEST(RenameByNumericTest, PrefixWithMaskAndSeparator)
{
    Sequence q;
    q.where = Where::BeforeName;
    q.separator = "_";
    q.paddingMask = "000";
    qint64 counter = 1;
    EXPECT_EQ(numbered({"a.txt", "b.txt"}, q, counter), (QStringList{"001_a.txt", "002_b.txt"}));
    EXPECT_EQ(counter, 3);

    // Around the name; a "/" in the separator or the mask becomes ":".
    q.where = Where::AroundName;
    q.separator = "/";
    counter = 4;
    EXPECT_EQ(numbered({"a.txt"}, q, counter), (QStringList{"004:a:004.txt"}));
    q.separator = "";
    q.where = Where::AfterName;
    q.paddingMask = "0/00";
    counter = 7;
    EXPECT_EQ(numbered({"a.txt"}, q, counter), (QStringList{"a0:07.txt"}));
}

TEST(RenameByNumericTest, ReplacesTheBaseAndCutsToTheMask)
{
    Sequence q;
    q.paddingMask = "000";
    qint64 counter = 1;
    EXPECT_EQ(numbered({"x.jpg"}, q, counter), (QStringList{"001.jpg"}));
    q.paddingMask = "00";
    counter = 123;
    EXPECT_EQ(numbered({"x.jpg"}, q, counter), (QStringList{"12.jpg"}));
}

TEST(RenameByNumericTest, StepsStayWithinRange)
{
    Sequence q;
    q.counting = Counting::Down;
    q.stepBy = 5;
    q.where = Where::AfterName;
    qint64 counter = 2;
    EXPECT_EQ(numbered({"a", "b", "c"}, q, counter), (QStringList{"a2", "b0", "c0"}));
    EXPECT_EQ(counter, 0);

    // Steps below 1 count as 1; a negative start is taken as 0.
    Sequence up;
    up.stepBy = -4;
    up.where = Where::AfterName;
    counter = -9;
    EXPECT_EQ(numbered({"a", "b"}, up, counter), (QStringList{"a0", "b1"}));

    // The counter never leaves 0 .. 2^31-1, whatever it starts from.
    up.stepBy = INT_MAX;
    counter = 2147483000;
    EXPECT_EQ(numbered({"a", "b"}, up, counter), (QStringList{"a2147483000", "b2147483647"}));
    counter = LLONG_MAX;
    EXPECT_EQ(numbered({"a"}, up, counter), (QStringList{"a2147483647"}));
    EXPECT_EQ(counter, 2147483647);

    // With neither direction the counter stands still.
    Sequence still;
    still.counting = Counting::Still;
    counter = 4;
    EXPECT_EQ(numbered({"x", "y"}, still, counter), (QStringList{"4", "4"}));
}

TEST(RenameByNumericTest, CounterStepsInAPassThatHasFailed)
{
    qint64 counter = 5;
    QString passError = "an earlier item failed";
    FileSystemItem item = itemNamed("a.txt");
    EXPECT_FALSE(shareWithPass(renameByNumeric(item, Sequence{}, counter), passError));
    EXPECT_EQ(counter, 6);
}

TEST(RenameByAlphabeticTest, CountsLikeLetters)
{
    Sequence q;
    q.where = Where::AfterName;
    QString counter = "y";
    EXPECT_EQ(lettered({"p", "p", "p", "p"}, q, counter), (QStringList{"py", "pz", "paa", "pab"}));
    EXPECT_EQ(counter, "ac");

    q.stepBy = 30; // taken as 26
    counter = "a";
    EXPECT_EQ(lettered({"", "", "", ""}, q, counter), (QStringList{"a", "az", "bz", "cz"}));

    Sequence down;
    down.counting = Counting::Down;
    down.where = Where::BeforeName;
    down.separator = "-";
    counter = "ab";
    EXPECT_EQ(lettered({"x.txt", "x.txt", "x.txt"}, down, counter),
              (QStringList{"ab-x.txt", "aa-x.txt", "z-x.txt"}));
}

TEST(RenameByAlphabeticTest, StartValuesOutsideTheLetters)
{
    Sequence q;
    q.where = Where::AfterName;
    QString counter = "A";
    EXPECT_EQ(lettered({"n", "n"}, q, counter), (QStringList{"nA", "na"}));
    counter = "";
    EXPECT_EQ(lettered({"n", "n"}, q, counter), (QStringList{"na", "nb"}));

    // A start that would take far too many steps to walk into the letters is clamped:
    // the pass goes on with a letters-only counter.
    Sequence down;
    down.counting = Counting::Down;
    down.where = Where::AfterName;
    counter = "a\u65E5\u672C\u8A9Ea";
    const QStringList names = lettered({"n", "n"}, down, counter);
    EXPECT_EQ(names.at(0), "na\u65E5\u672C\u8A9Ea");
    EXPECT_TRUE(StringUtilities::isAlphabeticNumericInRange(counter)) << counter.toStdString();
    EXPECT_FALSE(counter.isEmpty());

    counter = "!!!!!";
    lettered({"n"}, q, counter);
    EXPECT_TRUE(StringUtilities::isAlphabeticNumericInRange(counter)) << counter.toStdString();

    // Non-letters in the start text stay what they are in the first name; "/" becomes ":".
    counter = "a/b";
    EXPECT_EQ(lettered({"n"}, q, counter).at(0), "na:b");
}

TEST(RenameByAlphabeticTest, MaskCutsTheCounterItself)
{
    Sequence q;
    q.where = Where::AfterName;
    q.paddingMask = "aa";
    QString counter = "zy";
    EXPECT_EQ(lettered({"n", "n", "n", "n"}, q, counter), (QStringList{"nzy", "nzz", "naa", "nab"}));
    q.paddingMask = "---";
    counter = "b";
    EXPECT_EQ(lettered({"n"}, q, counter), (QStringList{"n--b"}));
}

} // namespace
