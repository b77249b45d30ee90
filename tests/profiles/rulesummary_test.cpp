// What the rule tables show for a step: the method by its tab's name and one line of its
// settings in the user's words, for steps built from the window's settings as Add builds
// them; and a step loaded back never puts "-1" in a field.
#include "profilestesthelpers.h"

#include "engine/settings.h"
#include "platform/messages.h"
#include "profiles/rulesteps.h"
#include "profiles/rulesummary.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Case {
    const char* name;
    std::function<void(Settings&)> show; // the window's settings when Add is pressed
    const char* methodKey;
    QString summary;
};

const QList<Case>& cases()
{
    static const QList<Case> all = {
        {"numeric",
         [](Settings& s) {
             s.setText("alphaNumericNumericStartWith", "5");
             s.setText("alphaNumericIncrementBy", "2");
             s.setFlag("isAlphaNumericPrefix", true);
         },
         "TABSEQUENCE", "Numbers from 5, increasing by 2, before the name"},
        {"alphabetic down",
         [](Settings& s) {
             s.alphaNumericNumericAlphabeticChanged(1);
             s.alphaNumericIncrementDecrementChanged(1);
             s.setText("alphaNumericAlphabeticStartWith", "k");
             s.setText("alphaNumericDecrementBy", "3");
             s.setFlag("isAlphaNumericPrefix", false);
             s.setFlag("isAlphaNumericSufix", true);
         },
         "TABSEQUENCE", "Letters from 'k', decreasing by 3, after the name"},
        {"insert at position from end",
         [](Settings& s) {
             s.setInteger("selectedTab", 1);
             s.insertDeleteChanged(0);
             s.setText("insertDeleteInsert", "x");
             s.setInteger("insertDeleteInsertOptionIndex", 2);
             s.insertOptionsChanged();
             s.setText("insertDeleteAtCharacterPositions", "4");
             s.setInteger("insertDeleteInsertAtPostionDirection", 1);
         },
         "TABINSERTDELETE", "Insert 'x' at position 4 from the end"},
        {"delete",
         [](Settings& s) {
             s.setInteger("selectedTab", 1);
             s.insertDeleteChanged(1);
             s.setText("insertDeleteFromCharacterPosition", "2");
             s.setText("insertDeleteNumberOfCharacters", "3");
         },
         "TABINSERTDELETE", "Delete 3 characters from position 2"},
        {"replace every occurrence",
         [](Settings& s) {
             s.setInteger("selectedTab", 2);
             s.setText("replaceRemoveThis", "IMG");
             s.setText("replaceRemoveWith", "Photo");
             s.setFlag("isReplaceRemoveAllOccurrence", true);
         },
         "TABREPLACEREMOVE", "Replace 'IMG' with 'Photo', every occurrence"},
        {"remove some occurrences",
         [](Settings& s) {
             s.setInteger("selectedTab", 2);
             s.replaceRemoveChanged(1);
             s.setText("replaceRemoveThis", "_");
             s.setFlag("isReplaceRemoveAllOccurrence", false);
             s.setText("replaceRemoveStartOnOccurrence", "2");
             s.setText("replaceRemoveOccuranceCount", "1");
             s.setFlag("isReplaceRemoveCaseSensitive", true);
         },
         "TABREPLACEREMOVE", "Remove '_', 1 occurrence from occurrence 2, match case"},
        {"prefix and suffix as text",
         [](Settings& s) {
             s.setInteger("selectedTab", 3);
             s.setText("prefixSuffixPrefix", "A-");
             s.setText("prefixSuffixSuffix", "-Z");
         },
         "TABPREFIXSUFFIX", "Add 'A-' before and '-Z' after the name"},
        {"general upper case",
         [](Settings& s) {
             s.setInteger("selectedTab", 5);
             s.generalOptionsChanged(0);
             s.setInteger("generalFileNameCase", 1);
         },
         "TABGENERAL", QString("Name in ") + msg("UPPERCASE")},
        {"general extension",
         [](Settings& s) {
             s.setInteger("selectedTab", 5);
             s.generalOptionsChanged(3);
             s.setText("generalChangeExtension", "jpg");
         },
         "TABGENERAL", "Change the extension to 'jpg'"},
    };
    return all;
}

} // namespace

TEST(RuleSummary, EachStepShowsItsMethodAndWhatItDoesInTheUsersWords)
{
    for (const Case& c : cases()) {
        Settings s;
        c.show(s);
        const RuleBuild built = RuleSteps::buildRule(s);
        ASSERT_TRUE(built.step) << c.name;
        EXPECT_EQ(RuleSummary::methodName(*built.step), msg(c.methodKey)) << c.name;
        const QString summary = RuleSummary::summary(*built.step);
        EXPECT_EQ(summary, c.summary) << c.name;
        // Never a stored name or a marker of the stored form.
        for (const char* stored : {"PrefixSuffix", "As String", "ReplaceRemove", "AlphaNumeric", "-1", "TRUE"})
            EXPECT_FALSE(summary.contains(QString::fromLatin1(stored))) << c.name << ": " << stored;
    }

    // A step of a kind this edition does not know shows its stored name and no summary.
    const QVariantMap unknown = {{"rule", "Future"}, {"type", "Thing"}};
    EXPECT_EQ(RuleSummary::methodName(unknown), "Future");
    EXPECT_TRUE(RuleSummary::summary(unknown).isEmpty());
}

TEST(RuleSummary, AStepOfEveryOccurrenceLoadsWithoutMinusOneInTheCountField)
{
    Settings s;
    s.setInteger("selectedTab", 2);
    s.replaceRemoveChanged(1);
    s.setText("replaceRemoveThis", "a");
    s.setFlag("isReplaceRemoveAllOccurrence", true);
    const RuleBuild built = RuleSteps::buildRule(s);
    ASSERT_TRUE(built.step);
    ASSERT_EQ(built.step->value("replaceRemoveOccuranceCount"), "-1"); // the stored form

    Settings window;
    window.setText("replaceRemoveOccuranceCount", "7");
    ASSERT_TRUE(RuleSteps::loadStep(window, *built.step));
    EXPECT_EQ(window.text("replaceRemoveOccuranceCount"), "1");
    // Built again from the window, the step is the same.
    const RuleBuild again = RuleSteps::buildRule(window);
    ASSERT_TRUE(again.step);
    EXPECT_EQ(again.step->value("replaceRemoveOccuranceCount"), "-1");
}
