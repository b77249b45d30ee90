// A rule step read as the settings it stands for: its type chooses the mode, the keys it
// leaves out take their defaults, and every occurrence stays in its counts.
#include "engine/methodoptions.h"
#include "profiles/rulekinds.h"

#include <gtest/gtest.h>

namespace {

QVariantMap step(const char* rule, const char* type, std::initializer_list<std::pair<const char*, const char*>> keys = {})
{
    QVariantMap s{{"rule", rule}, {"type", type}, {"isActive", "1"}};
    for (const auto& [key, value] : keys)
        s.insert(key, value);
    return s;
}

} // namespace

TEST(StepSettings, TheTypeChoosesTheMode)
{
    using Kind = SequenceOptions::Kind;
    EXPECT_EQ(SequenceOptions::from(RuleKinds::StepSettings(step("AlphaNumeric", "Numeric"))).kind, Kind::Numbers);
    EXPECT_EQ(SequenceOptions::from(RuleKinds::StepSettings(step("AlphaNumeric", "Alphabetic"))).kind, Kind::Letters);
    EXPECT_EQ(SequenceOptions::from(RuleKinds::StepSettings(step("AlphaNumeric", "other"))).kind, Kind::Letters);

    using InsertDelete = InsertDeleteOptions::Mode;
    EXPECT_EQ(InsertDeleteOptions::from(RuleKinds::StepSettings(step("InsertDelete", "Insert"))).mode, InsertDelete::Insert);
    EXPECT_EQ(InsertDeleteOptions::from(RuleKinds::StepSettings(step("InsertDelete", "Delete"))).mode, InsertDelete::Delete);

    using ReplaceRemove = ReplaceRemoveOptions::Mode;
    const struct {
        const char* type;
        ReplaceRemove mode;
    } types[] = {{"Replace", ReplaceRemove::Replace},
                 {"Remove", ReplaceRemove::Remove},
                 {"Remove Characters", ReplaceRemove::RemoveCharacters},
                 {"Bogus", ReplaceRemove::None}};
    for (const auto& t : types)
        EXPECT_EQ(ReplaceRemoveOptions::from(RuleKinds::StepSettings(step("ReplaceRemove", t.type))).mode, t.mode) << t.type;
}

TEST(StepSettings, MissingKeysTakeTheirDefaultsAndCountsStandAsStored)
{
    const PrefixSuffixOptions dated = PrefixSuffixOptions::from(RuleKinds::StepSettings(step("PrefixSuffix", "As Date")));
    EXPECT_EQ(dated.date.part1, "dd");
    EXPECT_EQ(dated.fileDate, PrefixSuffixOptions::FileDate::Created);

    // A hand-written step that sets the flag but not the counts keeps its counts.
    const ReplaceRemoveOptions replace = ReplaceRemoveOptions::from(RuleKinds::StepSettings(
        step("ReplaceRemove", "Replace",
             {{"isReplaceRemoveAllOccurrence", "1"}, {"replaceRemoveStartOnOccurrence", "2"},
              {"replaceRemoveOccuranceCount", "1"}})));
    EXPECT_EQ(replace.startOnOccurrence, 2);
    EXPECT_EQ(replace.occurrenceCount, 1);
}
