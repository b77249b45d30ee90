// Rule steps: building them from the settings (checks and normalisations), loading them
// back into the settings, and the drawer's handling of the list.
#include "profilestesthelpers.h"

#include "engine/metadatafield.h"
#include "platform/messages.h"
#include "profiles/rule.h"
#include "profiles/rulescontroller.h"
#include "profiles/rulesteps.h"

#include <gtest/gtest.h>

TEST(RuleSteps, SequenceStepsAreNormalised)
{
    ControllerState state;
    RecordingUserInterface ui;
    state.settings.setText("alphaNumericIncrementBy", "0");
    state.settings.setText("alphaNumericNumericStartWith", "7");
    QString error;
    std::optional<QVariantMap> step = RuleSteps::getRule(state, ui, error);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->value("rule"), "AlphaNumeric");
    EXPECT_EQ(step->value("type"), "Numeric");
    EXPECT_EQ(step->value("isActive"), "1");
    EXPECT_EQ(step->value("alphaNumericIncrementBy"), "1");
    EXPECT_EQ(step->value("alphaNumericNumericStartWith"), "7");
    EXPECT_EQ(step->value("isAlphaNumericIncrement"), "1");
    EXPECT_EQ(step->value("sequence").userType(), QMetaType::LongLong);
    EXPECT_EQ(step->value("sequence").toLongLong(), -1);
    EXPECT_FALSE(step->contains("alphaNumericAlphabeticStartWith"));
    EXPECT_FALSE(step->contains("isAlphaNumericNumeric")); // the type says it
    // The window shows the corrected value.
    EXPECT_EQ(state.settings.text("alphaNumericIncrementBy"), "1");
    EXPECT_GE(ui.settingsRefreshes, 1);

    state.settings.alphaNumericNumericAlphabeticChanged(1);
    state.settings.setText("alphaNumericIncrementBy", "30");
    state.settings.setText("alphaNumericAlphabeticStartWith", "");
    step = RuleSteps::getRule(state, ui, error);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->value("type"), "Alphabetic");
    EXPECT_EQ(step->value("alphaNumericIncrementBy"), "26");
    EXPECT_EQ(step->value("alphaNumericAlphabeticStartWith"), "a");
    EXPECT_EQ(step->value("sequence"), QString());
    EXPECT_EQ(state.settings.text("alphaNumericIncrementBy"), "26");
    EXPECT_TRUE(error.isEmpty());
}

TEST(RuleSteps, ReplaceAndRemoveStepsWithEveryOccurrence)
{
    Settings s;
    s.setInteger("selectedTab", 2);
    s.setText("replaceRemoveThis", "a");
    s.setText("replaceRemoveWith", "b");
    s.setFlag("isReplaceRemoveAllOccurrence", true);
    s.setText("replaceRemoveStartOnOccurrence", "3");
    s.setText("replaceRemoveOccuranceCount", "2");
    RuleBuild built = RuleSteps::buildRule(s);
    ASSERT_TRUE(built.step);
    EXPECT_EQ(built.step->value("type"), "Replace");
    EXPECT_EQ(built.step->value("replaceRemoveWith"), "b");
    EXPECT_EQ(built.step->value("replaceRemoveStartOnOccurrence"), "1");
    EXPECT_EQ(built.step->value("replaceRemoveOccuranceCount"), "-1");
    EXPECT_EQ(s.text("replaceRemoveOccuranceCount"), "2"); // the settings keep theirs

    s.replaceRemoveChanged(1);
    s.setFlag("isReplaceRemoveAllOccurrence", false);
    built = RuleSteps::buildRule(s);
    EXPECT_EQ(built.step->value("type"), "Remove");
    EXPECT_FALSE(built.step->contains("replaceRemoveWith"));
    EXPECT_EQ(built.step->value("replaceRemoveOccuranceCount"), "2");

    s.replaceRemoveChanged(2);
    built = RuleSteps::buildRule(s);
    EXPECT_EQ(built.step->value("type"), "Remove Characters");
    EXPECT_EQ(built.step->value("replaceRemoveStartOnOccurrence"), "1");
    EXPECT_EQ(built.step->value("replaceRemoveOccuranceCount"), "-1");
}

TEST(RuleSteps, FailedChecksAndTheListTabAddNothing)
{
    ControllerState state;
    RecordingUserInterface ui;
    state.settings.setInteger("selectedTab", 9);
    EXPECT_FALSE(RuleSteps::addToRule(state, ui));
    EXPECT_TRUE(state.rules.isEmpty());
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].title, msg("UNABLETOADDRULE"));

    // A failed check shows its own alert and focus, and addRule reports it as handled.
    state.settings.setInteger("selectedTab", 1);
    state.settings.setText("insertDeleteInsert", "");
    QString error;
    EXPECT_TRUE(RuleSteps::addRule(state, ui, error));
    EXPECT_TRUE(state.rules.isEmpty());
    EXPECT_EQ(error, msg("ENTERVALIDVALUE"));
    EXPECT_EQ(ui.alerts.last().title, msg("INSERTINVALIDINPUT"));
    EXPECT_EQ(ui.focused.last(), "insertDeleteInsert");

    state.settings.setInteger("selectedTab", 8);
    state.settings.setInteger("pathComponentsOptionsIndex", 4);
    ui.alerts.clear();
    EXPECT_FALSE(RuleSteps::addToRule(state, ui));
    EXPECT_EQ(ui.alerts.size(), 1); // the check's alert only
    EXPECT_EQ(ui.alerts[0].title, msg("PATHTEXTATAFTERTEXT"));
    EXPECT_EQ(ui.focused.last(), "940002");

    state.settings.setText("pathComponentsAtAfterText", "x");
    EXPECT_TRUE(RuleSteps::addToRule(state, ui));
    ASSERT_EQ(state.rules.size(), 1);
    EXPECT_EQ(state.rules[0].value("type"), "Path Components");
    EXPECT_EQ(state.rules[0].value("pathComponentsOptionsIndex"), "4");
}

TEST(RuleSteps, LoadingAStepBackDerivesTheModesAndDefaultsMissingKeys)
{
    Settings source;
    source.setInteger("selectedTab", 7);
    source.setFlag("isPhotoRenamingSeperator", true);
    source.setText("photoRenamingSeperator", "+");
    source.setPhotoMetaDataList({MetaDataField::initWithLabelAndTagCode("EXIF", "Date", "<EXIF_Date>", "Date"),
                                 MetaDataField::initWithLabelAndTagCode("EXIF", "Time", "<EXIF_Time>", "Time")});
    source.rebuildPhotoMask();
    source.setList("photoExtensions", {".JPG"});
    // A list key beyond the classic ones goes into the step only when it is not empty.
    EXPECT_FALSE(RuleSteps::buildRule(source).step->contains("photoClockShifts"));
    source.setList("photoClockShifts", {"EOS 5D=+3600"});
    const QVariantMap photo = *RuleSteps::buildRule(source).step;
    EXPECT_EQ(photo.value("photoClockShifts").toList(), QVariantList{"EOS 5D=+3600"});
    EXPECT_EQ(photo.value("photoMetaDataList").toList(), (QVariantList{"<EXIF_Date>", "<EXIF_Time>"}));
    EXPECT_EQ(photo.value("photoExtensions").toList(), QVariantList{".JPG"});
    EXPECT_EQ(photo.value("MetaDataList").userType(), QMetaType::QByteArray);

    ControllerState state;
    RecordingUserInterface ui;
    state.settings.setText("renameFile", "/x/list.txt");
    state.settings.setText("photoRenamingMask", "stale");
    ASSERT_TRUE(RuleSteps::setRule(state, ui, photo));
    EXPECT_EQ(state.selectedTab(), 7);
    EXPECT_EQ(state.settings.photoMetaDataList(), source.photoMetaDataList());
    EXPECT_EQ(state.settings.text("photoRenamingMask"), "<EXIF_Date>+<EXIF_Time>");
    EXPECT_EQ(state.settings.list("photoExtensions"), QStringList{".JPG"});
    EXPECT_EQ(state.settings.list("photoClockShifts"), QStringList{"EOS 5D=+3600"});
    EXPECT_FALSE(state.settings.hasRenameFile());
    EXPECT_FALSE(state.isProfileLoading);

    // A general step: the twelve flags follow its option index.
    state.settings.setInteger("selectedTab", 5);
    state.settings.generalOptionsChanged(6);
    state.settings.setText("generalSwapSeperator", "-");
    const QVariantMap general = *RuleSteps::buildRule(state.settings).step;
    state.settings.generalOptionsChanged(0);
    ASSERT_TRUE(RuleSteps::setRule(state, ui, general));
    EXPECT_TRUE(state.settings.flag("isGeneralSwapFromSeperator"));
    EXPECT_FALSE(state.settings.flag("isGeneralConvertFilenameCase"));
    EXPECT_EQ(state.selectedTab(), 5);

    // An insert step written by hand: the keys it lacks take their defaults, "where"
    // flags come from the index, and the step's own keys are never settings.
    state.settings.setText("insertDeleteAtCharacterPositions", "5");
    state.settings.insertDeleteChanged(1);
    const QVariantMap insert = {{"rule", "InsertDelete"}, {"type", "Insert"}, {"isActive", "1"},
                                {"insertDeleteInsert", "x"}, {"insertDeleteInsertOptionIndex", qlonglong(1)},
                                {"sequence", "9"}};
    ASSERT_TRUE(RuleSteps::setRule(state, ui, insert));
    EXPECT_TRUE(state.settings.flag("isInsertDeleteInsert"));
    EXPECT_TRUE(state.settings.flag("isInsertDeleteInsertAtEnd"));
    EXPECT_FALSE(state.settings.flag("isInsertDeleteInsertAtBeginning"));
    EXPECT_EQ(state.settings.text("insertDeleteAtCharacterPositions"), "1");
    EXPECT_EQ(state.selectedTab(), 1);

    // An unknown kind changes nothing.
    EXPECT_FALSE(RuleSteps::setRule(state, ui, {{"rule", "Teleport"}, {"type", "x"}}));
    EXPECT_EQ(state.selectedTab(), 1);
}

TEST(Rule, DisplayTreeOfAReplaceStep)
{
    const QVariantMap step = {{"rule", "ReplaceRemove"}, {"type", "Replace"}, {"replaceRemoveThis", "a"},
                              {"replaceRemoveWith", "b"}, {"isReplaceRemoveCaseSensitive", "0"},
                              {"isReplaceRemoveAllOccurrence", "1"}, {"replaceRemovePositionDirection", "1"},
                              {"replaceRemoveStartFromCharacter", "2"}};
    std::unique_ptr<Rule> root = Rule::rootItem(step);
    EXPECT_EQ(root->option, "Replace");
    EXPECT_EQ(root->rule, step);
    ASSERT_EQ(root->numberOfChildren(), 5);
    QStringList labels, values;
    for (int i = 0; i < root->numberOfChildren(); ++i) {
        labels << root->childAtIndex(i)->objectValueForColumn("options");
        values << root->childAtIndex(i)->objectValueForColumn("value");
    }
    EXPECT_EQ(labels, (QStringList{"Find", "Replace with", "Match case", "Start at character", "Every occurrence"}));
    EXPECT_EQ(values, (QStringList{"'a'", "'b'", "no", "2 from the end", "yes"}));
    EXPECT_EQ(root->childAtIndex(5), nullptr);
    EXPECT_EQ(root->childAtIndex(0)->numberOfChildren(), 0);

    const QVariantMap date = {{"rule", "PrefixSuffix"}, {"type", "As Date"}, {"prefixSuffixFileDateAttribute", "2"},
                              {"prefixSuffixDatePart1", "dd"}, {"prefixSuffixDateSeperator1", "-"},
                              {"prefixSuffixDatePart2", "None"}, {"prefixSuffixDateSeperator2", "/"},
                              {"prefixSuffixDatePart3", "yyyy"}, {"prefixSuffixTimePart1", "None"},
                              {"prefixSuffixTimePart2", "None"}, {"prefixSuffixTimePart3", "None"}};
    root = Rule::rootItem(date);
    ASSERT_EQ(root->numberOfChildren(), 7);
    EXPECT_EQ(root->childAtIndex(0)->value, "Date modified");
    EXPECT_EQ(root->childAtIndex(3)->option, "Date");
    EXPECT_EQ(root->childAtIndex(3)->value, "dd-yyyy");
    EXPECT_EQ(root->childAtIndex(6)->value, "(empty)");
}

TEST(RulesDrawer, SelectionMovesAndClearing)
{
    ControllerState state;
    RecordingUserInterface ui;
    RulesController drawer(state, ui);
    drawer.isOpen = true;
    state.settings.setInteger("selectedTab", 2);
    state.settings.setText("replaceRemoveThis", "x");
    drawer.addToRule();
    state.settings.setInteger("selectedTab", 3);
    state.settings.setText("prefixSuffixPrefix", "p");
    drawer.addToRule();
    ASSERT_EQ(state.rules.size(), 2);
    EXPECT_EQ(drawer.selectedRow, 1);
    EXPECT_TRUE(drawer.moveUpEnabled);
    EXPECT_FALSE(drawer.moveDownEnabled);
    EXPECT_TRUE(drawer.saveRuleButtonEnabled);

    // Selecting a step loads it into the window (and its tab).
    drawer.tableViewSelectionDidChange(0);
    EXPECT_EQ(state.selectedTab(), 2);
    EXPECT_FALSE(drawer.moveUpEnabled);
    EXPECT_TRUE(drawer.moveDownEnabled);

    // Updating with a step of another kind changes nothing; of the same kind replaces it.
    state.settings.setInteger("selectedTab", 1);
    state.settings.setText("insertDeleteInsert", "i");
    drawer.updateRule();
    EXPECT_EQ(state.rules[0].value("rule"), "ReplaceRemove");
    state.settings.setInteger("selectedTab", 2);
    state.settings.setText("replaceRemoveThis", "y");
    drawer.updateRule();
    EXPECT_EQ(state.rules[0].value("replaceRemoveThis"), "y");

    drawer.moveDown();
    EXPECT_EQ(drawer.selectedRow, 1);
    EXPECT_EQ(state.rules[1].value("rule"), "ReplaceRemove");

    drawer.setObjectValue(0, "isActive", false);
    EXPECT_EQ(state.rules[0].value("isActive"), "0");

    // While a pass runs every control is off; afterwards each gets its state back.
    drawer.setIsExecuting(true);
    EXPECT_FALSE(drawer.addButtonEnabled || drawer.ruleTableViewEnabled || drawer.moveUpEnabled);
    EXPECT_EQ(drawer.ControlStatus.value("moveUp"), "1");
    EXPECT_EQ(drawer.ControlStatus.value("moveDown"), "0");
    drawer.setIsExecuting(false);
    EXPECT_TRUE(drawer.moveUpEnabled);
    EXPECT_FALSE(drawer.moveDownEnabled);
    EXPECT_TRUE(drawer.ruleTableViewEnabled);

    // Removing the first of several selects the new first row; the only one, nothing.
    drawer.tableViewSelectionDidChange(0);
    drawer.clearSelected();
    ASSERT_EQ(state.rules.size(), 1);
    EXPECT_EQ(drawer.selectedRow, 0);
    drawer.clearSelected();
    EXPECT_TRUE(state.rules.isEmpty());
    EXPECT_EQ(drawer.selectedRow, -1);
    EXPECT_FALSE(drawer.clearButtonEnabled);

    drawer.tabChanged(9);
    EXPECT_FALSE(drawer.addButtonEnabled);
}
