// What survives between launches: the last profile, the settings at quit and the rules.
#include "profilestesthelpers.h"

#include "platform/defaultsstore.h"
#include "platform/edition.h"
#include "profiles/launchstate.h"
#include "profiles/profilecommands.h"
#include "profiles/rulesteps.h"
#include "profiles/settingsloader.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

namespace {

void clearStore()
{
    DefaultsStore store;
    for (const char* key : {"LASTPROFILE", "LASTRULE", "DEFAULTS"})
        store.remove(key);
    store.synchronize();
}

QList<QVariantMap> someRules()
{
    Settings s;
    s.setText("alphaNumericNumericStartWith", "3");
    QVariantMap numeric = *RuleSteps::buildRule(s).step;
    s.setInteger("selectedTab", 4);
    s.setDate("dateTimeCustomDate", QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC));
    QVariantMap date = *RuleSteps::buildRule(s).step;
    date.insert("isActive", "0");
    return {numeric, date};
}

} // namespace

TEST(LaunchState, QuitAndLaunchRestoreSettingsRulesAndProfile)
{
    clearStore();
    TempTree tree;
    {
        ControllerState state;
        state.settings.setInteger("selectedTab", 3);
        state.settings.setText("prefixSuffixPrefix", "at quit");
        state.rules = someRules();
        ASSERT_TRUE(LaunchState::storeAtTermination(state));
    }
    {
        ControllerState state;
        RecordingUserInterface ui;
        SettingsLoader loader(state, ui);
        LaunchState::restoreAtLaunch(state, loader);
        EXPECT_EQ(state.selectedTab(), 3);
        EXPECT_EQ(state.settings.text("prefixSuffixPrefix"), "at quit");
        EXPECT_EQ(state.rules, someRules());
        EXPECT_EQ(state.rules[0].value("sequence").toLongLong(), -1);
        EXPECT_TRUE(state.currProfileFile.isEmpty());
        EXPECT_FALSE(ui.titles.isEmpty());

        // A profile that is current at quit wins over the settings at the next launch.
        state.settings.setText("prefixSuffixPrefix", "in profile");
        const QString profile = tree.at("p.qvprofile");
        ASSERT_TRUE(ProfileCommands::writeProfile(state, profile));
        state.currProfileFile = profile;
        state.settings.setText("prefixSuffixPrefix", "at second quit");
        ASSERT_TRUE(LaunchState::storeAtTermination(state));
    }
    {
        ControllerState state;
        RecordingUserInterface ui;
        SettingsLoader loader(state, ui);
        LaunchState::restoreAtLaunch(state, loader);
        EXPECT_EQ(state.currProfileFile, tree.at("p.qvprofile"));
        EXPECT_EQ(state.settings.text("prefixSuffixPrefix"), "in profile");
        EXPECT_TRUE(ui.titles.last().startsWith("p.qvprofile"));

        // Quitting without a current profile leaves the stored one in place.
        state.currProfileFile.clear();
        ASSERT_TRUE(LaunchState::storeAtTermination(state));
        EXPECT_EQ(DefaultsStore().value("LASTPROFILE").toString(), tree.at("p.qvprofile"));
    }
}

TEST(LaunchState, LastProfileThatDoesNotLoadIsForgotten)
{
    clearStore();
    TempTree tree;
    ControllerState quitting;
    quitting.settings.setInteger("selectedTab", 6);
    quitting.currProfileFile = tree.file("broken.qvprofile", "garbage");
    ASSERT_TRUE(LaunchState::storeAtTermination(quitting));

    ControllerState state;
    RecordingUserInterface ui;
    SettingsLoader loader(state, ui);
    LaunchState::restoreAtLaunch(state, loader);
    EXPECT_TRUE(state.currProfileFile.isEmpty());
    EXPECT_EQ(DefaultsStore().value("LASTPROFILE").toString(), "");
    EXPECT_EQ(state.selectedTab(), 6); // "DEFAULTS" applied instead
}

TEST(LaunchState, StoredRulesThatCannotBeReadAreDropped)
{
    const QList<QByteArray> bad = {
        "not an archive",
        LaunchState::archiveRules({{{"rule", "General"}}}), // a step without "type"
    };
    for (const QByteArray& value : bad) {
        clearStore();
        {
            DefaultsStore store;
            store.setValue("LASTRULE", value);
            store.synchronize();
        }
        ControllerState state;
        state.rules = someRules();
        LaunchState::restoreRules(state);
        EXPECT_TRUE(state.rules.isEmpty());
        EXPECT_FALSE(DefaultsStore().contains("LASTRULE"));
    }
    // Stored steps named the old way read as their kind.
    QVariantMap old = someRules()[0];
    old.insert("rule", "Rule - AlphaNumeric");
    const std::optional<QList<QVariantMap>> read = LaunchState::unarchiveRules(LaunchState::archiveRules({old}));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->at(0).value("rule"), "AlphaNumeric");
}

TEST(LaunchState, EarlierEditionKeepsNothing)
{
    clearStore();
    Edition::select(Edition::Kind::Quorvel2);
    ControllerState state;
    state.settings.setInteger("selectedTab", 2);
    state.currProfileFile = "/somewhere.qvprofile";
    state.rules = someRules();
    EXPECT_TRUE(LaunchState::storeAtTermination(state));
    const bool anything = DefaultsStore().contains("DEFAULTS") || DefaultsStore().contains("LASTRULE")
        || DefaultsStore().contains("LASTPROFILE");
    ControllerState next;
    RecordingUserInterface ui;
    SettingsLoader loader(next, ui);
    LaunchState::restoreAtLaunch(next, loader);
    Edition::select(Edition::Kind::Quorvel);
    EXPECT_FALSE(anything);
    EXPECT_EQ(next.selectedTab(), 0);
    EXPECT_TRUE(next.rules.isEmpty());
    EXPECT_TRUE(next.currProfileFile.isEmpty());
}
