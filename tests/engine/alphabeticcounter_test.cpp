#include "engine/alphabeticcounter.h"
#include "engine/stringutilities.h"

#include <gtest/gtest.h>

namespace {

struct Step {
    const char* counter;
    int by;
    const char* expected;
};

TEST(AlphabeticCounterTest, NextCountsLikeBijectiveLetters)
{
    const Step steps[] = {
        {"a", 1, "b"},   {"z", 1, "aa"},  {"az", 1, "ba"},  {"zz", 1, "aaa"}, {"a", 3, "d"},
        {"y", 3, "ac"},  {"z", 3, "ac"},   {"abc", 26, "acz"}, {"y", 1, "z"},   {"py", 1, "pz"},
        {"pz", 1, "qa"}, {"a", 26, "az"},  {"az", 26, "bz"},  {"bz", 26, "cz"}, {"zzz", 1, "aaaa"},
    };
    for (const Step& s : steps)
        EXPECT_EQ(nextAlphabeticNumber(s.counter, s.by), s.expected) << s.counter << " + " << s.by;
}

TEST(AlphabeticCounterTest, PreviousBorrowsAndDropsLeadingLetter)
{
    const Step steps[] = {
        {"b", 1, "a"},  {"a", 1, "z"},   {"aa", 1, "z"}, {"ba", 1, "az"}, {"aaa", 1, "zz"},
        {"c", 2, "a"},  {"b", 3, "x"},   {"ab", 2, "y"}, {"z", 26, "a"},  {"abc", 1, "abb"},
    };
    for (const Step& s : steps)
        EXPECT_EQ(previousAlphabeticNumber(s.counter, s.by), s.expected) << s.counter << " - " << s.by;
}

TEST(AlphabeticCounterTest, NonLettersAreSteppedByCode)
{
    // Below "a": stepped upwards code by code until the caller sees letters only.
    EXPECT_EQ(nextAlphabeticNumber("A", 1), "B");
    EXPECT_EQ(nextAlphabeticNumber("`", 1), "a");
    // Above "z" (here a CJK unit): treated as past the end, so it wraps and carries.
    EXPECT_EQ(nextAlphabeticNumber(QStringLiteral("a\u65E5"), 1), "ba");
    EXPECT_EQ(nextAlphabeticNumber(QStringLiteral("\u65E5a"), 1), "aab");
    EXPECT_EQ(previousAlphabeticNumber("A", 1), "z");
    EXPECT_EQ(previousAlphabeticNumber("{", 1), "z");

    // Walking "A" upwards reaches the letters, as the sequence method does.
    QString counter = "A";
    int steps = 0;
    while (!StringUtilities::isAlphabeticNumericInRange(counter) && steps < 100) {
        counter = nextAlphabeticNumber(counter, 1);
        ++steps;
    }
    EXPECT_EQ(counter, "a");
    EXPECT_EQ(steps, 32);
}

TEST(AlphabeticCounterTest, EmptyCounterIsLeftAlone)
{
    EXPECT_EQ(nextAlphabeticNumber("", 1), "");
    EXPECT_EQ(previousAlphabeticNumber("", 1), "");
}

} // namespace
