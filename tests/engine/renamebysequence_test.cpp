#include "engine/renamingmethods.h"
#include "engine/stringutilities.h"
#include "renamingtestsupport.h"

#include <QStringList>

#include <climits>

namespace {

struct Sequence {
    bool increment = true;
    bool decrement = false;
    bool prefix = false;
    bool subffix = false;
    bool seperator = false;
    QString seperatorString;
    QString mask;
    int incrementBy = 1;
    int decrementBy = 1;
};

// Names the items in order with one running numeric counter.
QStringList numbered(const QStringList& names, const Sequence& q, qint64& counter)
{
    QStringList out;
    QString error;
    for (const QString& name : names) {
        FileSystemItem item = itemNamed(name);
        EXPECT_TRUE(renameByNumeric(item, q.increment, q.decrement, q.prefix, q.subffix, q.seperator,
                                    q.seperatorString, q.mask, counter, q.incrementBy, q.decrementBy, error))
            << error.toStdString();
        expectSafeName(item);
        out << item.newFilename;
    }
    return out;
}

QStringList lettered(const QStringList& names, const Sequence& q, QString& counter)
{
    QStringList out;
    QString error;
    for (const QString& name : names) {
        FileSystemItem item = itemNamed(name);
        EXPECT_TRUE(renameByAlphabetic(item, q.increment, q.decrement, q.prefix, q.subffix, q.seperator,
                                       q.seperatorString, q.mask, counter, q.incrementBy, q.decrementBy, error))
            << error.toStdString();
        expectSafeName(item);
        out << item.newFilename;
    }
    return out;
}

TEST(RenameByNumericTest, PrefixWithMaskAndSeparator)
{
    Sequence q;
    q.prefix = true;
    q.seperator = true;
    q.seperatorString = "_";
    q.mask = "000";
    qint64 counter = 1;
    EXPECT_EQ(numbered({"a.txt", "b.txt"}, q, counter), (QStringList{"001_a.txt", "002_b.txt"}));
    EXPECT_EQ(counter, 3);

    // Without the flag the separator text is not used; a "/" in it or the mask becomes ":".
    q.seperator = false;
    q.subffix = true;
    q.prefix = false;
    q.mask = "0/00";
    counter = 7;
    EXPECT_EQ(numbered({"a.txt"}, q, counter), (QStringList{"a0:07.txt"}));
}

TEST(RenameByNumericTest, ReplacesTheBaseAndCutsToTheMask)
{
    Sequence q;
    q.mask = "000";
    qint64 counter = 1;
    EXPECT_EQ(numbered({"x.jpg"}, q, counter), (QStringList{"001.jpg"}));
    q.mask = "00";
    counter = 123;
    EXPECT_EQ(numbered({"x.jpg"}, q, counter), (QStringList{"12.jpg"}));
}

TEST(RenameByNumericTest, StepsStayWithinRange)
{
    Sequence q;
    q.decrement = true;
    q.decrementBy = 5;
    q.subffix = true;
    qint64 counter = 2;
    EXPECT_EQ(numbered({"a", "b", "c"}, q, counter), (QStringList{"a2", "b0", "c0"}));
    EXPECT_EQ(counter, 0);

    // Steps below 1 count as 1; a negative start is taken as 0.
    Sequence up;
    up.incrementBy = -4;
    up.subffix = true;
    counter = -9;
    EXPECT_EQ(numbered({"a", "b"}, up, counter), (QStringList{"a0", "b1"}));

    // The counter never leaves 0 .. 2^31-1, whatever it starts from.
    up.incrementBy = INT_MAX;
    counter = 2147483000;
    EXPECT_EQ(numbered({"a", "b"}, up, counter), (QStringList{"a2147483000", "b2147483647"}));
    counter = LLONG_MAX;
    EXPECT_EQ(numbered({"a"}, up, counter), (QStringList{"a2147483647"}));
    EXPECT_EQ(counter, 2147483647);

    // With neither direction the counter stands still.
    Sequence still;
    still.increment = false;
    counter = 4;
    EXPECT_EQ(numbered({"x", "y"}, still, counter), (QStringList{"4", "4"}));
}

TEST(RenameByNumericTest, CounterIsHandedBackAfterAFailure)
{
    Sequence q;
    qint64 counter = 5;
    QString error = "an earlier item failed";
    FileSystemItem item = itemNamed("a.txt");
    EXPECT_FALSE(renameByNumeric(item, true, false, false, false, false, "", "", counter, 1, 1, error));
    EXPECT_EQ(counter, 6);
}

TEST(RenameByAlphabeticTest, CountsLikeLetters)
{
    Sequence q;
    q.subffix = true;
    QString counter = "y";
    EXPECT_EQ(lettered({"p", "p", "p", "p"}, q, counter), (QStringList{"py", "pz", "paa", "pab"}));
    EXPECT_EQ(counter, "ac");

    q.incrementBy = 30; // taken as 26
    counter = "a";
    EXPECT_EQ(lettered({"", "", "", ""}, q, counter), (QStringList{"a", "az", "bz", "cz"}));

    Sequence down;
    down.increment = false;
    down.decrement = true;
    down.prefix = true;
    down.seperator = true;
    down.seperatorString = "-";
    counter = "ab";
    EXPECT_EQ(lettered({"x.txt", "x.txt", "x.txt"}, down, counter),
              (QStringList{"ab-x.txt", "aa-x.txt", "z-x.txt"}));
}

TEST(RenameByAlphabeticTest, StartValuesOutsideTheLetters)
{
    Sequence q;
    q.subffix = true;
    QString counter = "A";
    EXPECT_EQ(lettered({"n", "n"}, q, counter), (QStringList{"nA", "na"}));
    counter = "";
    EXPECT_EQ(lettered({"n", "n"}, q, counter), (QStringList{"na", "nb"}));

    // A start that would take far too many steps to walk into the letters is clamped:
    // the pass goes on with a letters-only counter.
    Sequence down;
    down.increment = false;
    down.decrement = true;
    down.subffix = true;
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
    q.subffix = true;
    q.mask = "aa";
    QString counter = "zy";
    EXPECT_EQ(lettered({"n", "n", "n", "n"}, q, counter), (QStringList{"nzy", "nzz", "naa", "nab"}));
    q.mask = "---";
    counter = "b";
    EXPECT_EQ(lettered({"n"}, q, counter), (QStringList{"n--b"}));
}

} // namespace
