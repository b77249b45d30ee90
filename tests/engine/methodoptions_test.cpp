// The options read from the settings record: the exclusive flags of a tab folded into one
// choice, and the texts that count as numbers.
#include "engine/methodoptions.h"
#include "engine/settings.h"

#include <climits>

#include <gtest/gtest.h>

namespace {

// A record with these keys set from their dictionary texts.
Settings with(std::initializer_list<std::pair<const char*, const char*>> keys)
{
    Settings s;
    for (const auto& [key, value] : keys)
        EXPECT_TRUE(s.setDictionaryValue(QString::fromLatin1(key), QString::fromUtf8(value))) << key;
    return s;
}

} // namespace

TEST(MethodOptions, SequenceChoicesFoldTheirFlags)
{
    using O = SequenceOptions;
    const struct {
        Settings settings;
        O::Kind kind;
        O::Counting counting;
        O::Where where;
        const char* separator;
        int stepBy;
    } cases[] = {
        {with({}), O::Kind::Numbers, O::Counting::Up, O::Where::InsteadOfName, "", 1},
        {with({{"isAlphaNumericDecrement", "1"}, {"alphaNumericDecrementBy", "4"}, {"isAlphaNumericPrefix", "1"},
               {"isAlphaNumericSufix", "1"}, {"alphaNumericSeperator", "_"}}),
         O::Kind::Numbers, O::Counting::Down, O::Where::AroundName, "", 4},
        {with({{"isAlphaNumericNumeric", "0"}, {"isAlphaNumericAlphabetic", "1"}, {"isAlphaNumericIncrement", "0"},
               {"isAlphaNumericSufix", "1"}, {"isAlphaNumericSeperator", "1"}, {"alphaNumericSeperator", "_"}}),
         O::Kind::Letters, O::Counting::Still, O::Where::AfterName, "_", 1},
        {with({{"isAlphaNumericNumeric", "0"}, {"isAlphaNumericPrefix", "1"}, {"alphaNumericIncrementBy", "x"}}),
         O::Kind::None, O::Counting::Up, O::Where::BeforeName, "", 0},
    };
    for (const auto& c : cases) {
        const O o = O::from(c.settings);
        EXPECT_EQ(o.kind, c.kind);
        EXPECT_EQ(o.counting, c.counting);
        EXPECT_EQ(o.where, c.where);
        EXPECT_EQ(o.separator, c.separator);
        EXPECT_EQ(o.stepBy, c.stepBy);
    }
}

TEST(MethodOptions, ReplaceRemoveModesAndEveryOccurrence)
{
    using Mode = ReplaceRemoveOptions::Mode;
    const struct {
        Settings settings;
        Mode mode;
        const char* replacement;
        int startOnOccurrence, occurrenceCount;
        bool isRegularExpression;
    } cases[] = {
        {with({{"replaceRemoveWith", "x"}, {"replaceRemoveStartOnOccurrence", "2"},
               {"replaceRemoveOccuranceCount", "3"}}),
         Mode::Replace, "x", 2, 3, false},
        {with({{"replaceRemoveWith", "x"}, {"isReplaceRemoveAllOccurrence", "1"},
               {"replaceRemoveStartOnOccurrence", "2"}, {"isReplaceRemoveRegularExpression", "1"}}),
         Mode::Replace, "x", 1, -1, true},
        // Replace wins over remove characters, and then no regular expression is read.
        {with({{"isReplaceRemoveRemoveCharacters", "1"}, {"isReplaceRemoveRegularExpression", "1"},
               {"replaceRemoveStartOnOccurrence", "2"}}),
         Mode::Replace, "", 2, 1, false},
        {with({{"isReplaceRemoveReplace", "0"}, {"isReplaceRemoveRemove", "1"}, {"replaceRemoveWith", "x"},
               {"isReplaceRemoveRegularExpression", "1"}}),
         Mode::Remove, "", 1, 1, true},
        {with({{"isReplaceRemoveReplace", "0"}, {"isReplaceRemoveRemove", "1"}, {"isReplaceRemoveRemoveCharacters", "1"},
               {"replaceRemoveStartOnOccurrence", "2"}, {"isReplaceRemoveRegularExpression", "1"}}),
         Mode::RemoveCharacters, "", 1, -1, false},
        {with({{"isReplaceRemoveReplace", "0"}}), Mode::None, "", 1, 1, false},
    };
    for (const auto& c : cases) {
        const ReplaceRemoveOptions o = ReplaceRemoveOptions::from(c.settings);
        EXPECT_EQ(o.mode, c.mode);
        EXPECT_EQ(o.replacement, c.replacement);
        EXPECT_EQ(o.startOnOccurrence, c.startOnOccurrence);
        EXPECT_EQ(o.occurrenceCount, c.occurrenceCount);
        EXPECT_EQ(o.isRegularExpression, c.isRegularExpression);
    }
}

TEST(MethodOptions, GeneralPositionsAreNumbersAndEmptyOnesCountAsOne)
{
    const struct {
        const char* text;
        int number;
    } cases[] = {{"", 1}, {"3", 3}, {"x", 0}, {" -2", -2}, {"99999999999999", INT_MAX}};
    for (const auto& c : cases) {
        const GeneralOptions o = GeneralOptions::from(with({{"generalSwapPosition", c.text},
                                                            {"generalRemoveAfterStringOccurrence", c.text},
                                                            {"generalRemoveFromStringOccurrence", c.text}}));
        EXPECT_EQ(o.swapPosition, c.number) << c.text;
        EXPECT_EQ(o.cutAfterOccurrence, c.number) << c.text;
        EXPECT_EQ(o.cutFromOccurrence, c.number) << c.text;
    }
}
