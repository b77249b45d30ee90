// The settings keys beyond the classic ones (regular expressions in replace/remove,
// transliteration in the general method, movie times in the photo method): written only when they differ from their
// defaults, read back by profiles and rule steps, run by the rule preview, and unknown to
// the earlier edition.
#include "profilestesthelpers.h"

#include "engine/settingsdescriptors.h"
#include "pipeline/passrunner.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "platform/plist.h"
#include "profiles/profilecommands.h"
#include "profiles/rule.h"
#include "profiles/rulefile.h"
#include "profiles/rulepreview.h"
#include "profiles/rulesteps.h"
#include "profiles/settingsloader.h"
#include "support/temptree.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QString kRegex = QStringLiteral("isReplaceRemoveRegularExpression");
const QString kTransliterate = QStringLiteral("isGeneralTransliterate");

// The classic key set: every key of the table but the extended ones, renameFile aside
// (written only when set), plus appVersion.
QSet<QString> classicDictionaryKeys()
{
    QSet<QString> keys{QStringLiteral("appVersion")};
    for (const SettingDescriptor& d : SettingDescriptors::all()) {
        if (!d.extended && QLatin1String(d.key) != QLatin1String("renameFile"))
            keys.insert(QString::fromLatin1(d.key));
    }
    return keys;
}

QSet<QString> keysOf(const QVariantMap& map)
{
    const QStringList keys = map.keys();
    return QSet<QString>(keys.begin(), keys.end());
}

// While it lives the earlier edition runs.
struct EarlierEdition {
    EarlierEdition() { Edition::select(Edition::Kind::Quorvel2); }
    ~EarlierEdition() { Edition::select(Edition::Kind::Quorvel); }
};

QVariantMap regexReplaceStep(const QString& find, const QString& with)
{
    Settings s;
    s.setInteger("selectedTab", 2);
    s.setText("replaceRemoveThis", find);
    s.setText("replaceRemoveWith", with);
    s.setFlag("isReplaceRemoveAllOccurrence", true);
    s.setFlag(kRegex, true);
    return *RuleSteps::buildRule(s).step;
}

} // namespace

TEST(ExtendedKeys, TheTableHoldsItsKeysBeyondTheClassicOnes)
{
    QStringList extended;
    int classic = 0;
    for (const SettingDescriptor& d : SettingDescriptors::all()) {
        if (d.extended) {
            extended << QString::fromLatin1(d.key);
            EXPECT_TRUE(d.signalsChange) << d.key; // a change of either counts as a change
        } else {
            ++classic;
        }
    }
    EXPECT_EQ(classic, 172);
    EXPECT_EQ(extended, (QStringList{"isRenameCompanions", "isNumberNamesUsedTwice", "namesUsedTwiceSeparator", kRegex,
                                     kTransliterate, "isGeneralRepairEncoding", "generalRepairEncodingFrom",
                                     "photoClockShifts", "photoVideoTimesAreLocal"}));
    EXPECT_EQ(classicDictionaryKeys().size(), 172); // 171 keys and appVersion
}

TEST(ExtendedKeys, TheDictionaryHoldsThemOnlyAwayFromTheirDefaults)
{
    Settings s;
    EXPECT_EQ(keysOf(s.getCurrentSettings()), classicDictionaryKeys());

    s.setFlag(kRegex, true);
    QVariantMap dict = s.getCurrentSettings();
    EXPECT_EQ(dict.value(kRegex), "1");
    EXPECT_EQ(dict.size(), 173);

    s.setFlag(kRegex, false);
    s.generalOptionsChanged(12);
    dict = s.getCurrentSettings();
    EXPECT_FALSE(dict.contains(kRegex));
    EXPECT_EQ(dict.value(kTransliterate), "1");
    EXPECT_EQ(dict.value("generalOptionIndex"), "12");

    // Option 12 sets the thirteenth flag and clears the other twelve; another option clears it.
    EXPECT_FALSE(s.flag("isGeneralConvertFilenameCase"));
    EXPECT_FALSE(s.flag("isGeneralConvertWindowsCompatible"));
    s.generalOptionsChanged(11);
    EXPECT_FALSE(s.flag(kTransliterate));
    EXPECT_TRUE(s.flag("isGeneralConvertWindowsCompatible"));
    EXPECT_EQ(keysOf(s.getCurrentSettings()), classicDictionaryKeys());
}

TEST(ExtendedKeys, AWholeDictionaryWithoutThemSetsThemBackToTheirDefaults)
{
    Settings used;
    used.setFlag(kRegex, true);
    used.generalOptionsChanged(12);
    const Settings plain;

    Settings s = used.snapshot();
    ASSERT_TRUE(s.setSettings(plain.getCurrentSettings()));
    EXPECT_FALSE(s.flag(kRegex));
    EXPECT_FALSE(s.flag(kTransliterate));
    EXPECT_TRUE(s.flag("isGeneralConvertFilenameCase"));

    ASSERT_TRUE(s.setSettings(used.getCurrentSettings()));
    EXPECT_TRUE(s.flag(kRegex));
    EXPECT_TRUE(s.flag(kTransliterate));

    // A partial dictionary (no appVersion) changes only what it holds.
    ASSERT_TRUE(s.setSettings({{"selectedTab", "2"}}));
    EXPECT_TRUE(s.flag(kRegex));
}

TEST(ExtendedKeys, ProfilesRoundTripWithAndWithoutThem)
{
    TempTree tree;
    for (const bool useThem : {false, true}) {
        ControllerState state;
        RecordingUserInterface ui;
        SettingsLoader loader(state, ui);
        ProfileCommands commands(state, ui, loader);
        state.settings.setText("replaceRemoveThis", R"(^(\d+))");
        state.settings.setDate("dateTimeCustomDate", QDateTime(QDate(2020, 2, 29), QTime(12, 0), Qt::UTC));
        if (useThem) {
            state.settings.setFlag(kRegex, true);
            state.settings.generalOptionsChanged(12);
        }
        const QString path = tree.at(useThem ? "with.qvprofile" : "without.qvprofile");
        ASSERT_TRUE(commands.saveNewProfile(path));

        const std::optional<QVariant> written = Plist::readFile(path);
        ASSERT_TRUE(written);
        QSet<QString> expected = classicDictionaryKeys();
        if (useThem)
            expected += {kRegex, kTransliterate};
        EXPECT_EQ(keysOf(written->toMap()), expected);

        // Loaded over a record that uses both, a profile without them turns them off.
        ControllerState other;
        other.settings.setFlag(kRegex, true);
        other.settings.generalOptionsChanged(12);
        RecordingUserInterface otherUi;
        ASSERT_EQ(SettingsLoader(other, otherUi).setCurrentSettings(path), ProfileLoadResult::Loaded);
        EXPECT_EQ(other.settings.getCurrentSettings(), state.settings.getCurrentSettings());
        EXPECT_EQ(other.settings.flag(kRegex), useThem);
        EXPECT_EQ(other.settings.flag(kTransliterate), useThem);
        EXPECT_EQ(other.settings.integer("generalOptionIndex"), useThem ? 12 : 0);
    }
}

TEST(ExtendedKeys, RuleStepsCarryThemOnlyWhenUsed)
{
    Settings s;
    s.setInteger("selectedTab", 2);
    s.setText("replaceRemoveThis", "a");
    const QVariantMap plain = *RuleSteps::buildRule(s).step;
    EXPECT_FALSE(plain.contains(kRegex));
    EXPECT_EQ(plain.size(), 11); // rule, type, isActive and the eight classic keys

    const QVariantMap regex = regexReplaceStep(QStringLiteral(R"(\d+)"), QStringLiteral("#"));
    EXPECT_EQ(regex.value(kRegex), "1");
    EXPECT_EQ(regex.size(), 12);

    // A step removing each of a set of characters never reads an expression.
    s.setFlag(kRegex, true);
    s.replaceRemoveChanged(2);
    EXPECT_FALSE(RuleSteps::buildRule(s).step->contains(kRegex));

    // Loading a step back: the flag from the step, or its default when the step lacks it.
    Settings target;
    ASSERT_TRUE(RuleSteps::loadStep(target, regex));
    EXPECT_TRUE(target.flag(kRegex));
    EXPECT_EQ(target.integer("selectedTab"), 2);
    ASSERT_TRUE(RuleSteps::loadStep(target, plain));
    EXPECT_FALSE(target.flag(kRegex));

    // A general step keeps option 12 in its index; loading it derives the thirteenth flag.
    Settings general;
    general.setInteger("selectedTab", 5);
    general.generalOptionsChanged(12);
    const QVariantMap step = *RuleSteps::buildRule(general).step;
    EXPECT_EQ(step.value("generalOptionIndex"), "12");
    EXPECT_FALSE(step.contains(kTransliterate));
    ASSERT_TRUE(RuleSteps::loadStep(target, step));
    EXPECT_TRUE(target.flag(kTransliterate));
    EXPECT_FALSE(target.flag("isGeneralConvertFilenameCase"));

    // The drawer's display tree names both.
    const auto labels = [](const QVariantMap& st) {
        const std::unique_ptr<Rule> root = Rule::rootItem(st);
        QStringList out;
        for (int i = 0; i < root->numberOfChildren(); ++i)
            out << root->childAtIndex(i)->option;
        return out;
    };
    EXPECT_TRUE(labels(regex).contains(msg("REGULAREXPRESSION")));
    EXPECT_FALSE(labels(plain).contains(msg("REGULAREXPRESSION")));
    EXPECT_EQ(labels(step), QStringList{msg("TRANSLITERATE")});
}

TEST(ExtendedKeys, RuleFilesRoundTripThem)
{
    TempTree tree;
    Settings general;
    general.setInteger("selectedTab", 5);
    general.generalOptionsChanged(12);
    const QList<QVariantMap> rules = {regexReplaceStep(QStringLiteral("(a)(b)"), QStringLiteral(R"(\2\1)")),
                                      *RuleSteps::buildRule(general).step};
    const QString path = tree.at("chain.qvrule");
    ASSERT_TRUE(RuleFile::write(path, rules));
    QList<QVariantMap> read;
    ASSERT_EQ(RuleFile::read(path, read), RuleFile::ReadResult::Read);
    EXPECT_EQ(read, rules);
}

TEST(ExtendedKeys, TheEarlierEditionRefusesThemAsUnknownKeys)
{
    TempTree tree;
    Settings used;
    used.setFlag(kRegex, true);
    const QVariantMap withRegex = used.getCurrentSettings();
    const QVariantMap step = regexReplaceStep(QStringLiteral("a"), QStringLiteral("b"));
    const QString rulePath = tree.at("regex.qvrule");
    {
        EarlierEdition earlier;
        RuleFile::write(rulePath, {step});

        Settings s;
        QString error;
        EXPECT_FALSE(s.setSettings(withRegex, &error));
        EXPECT_TRUE(error.contains(kRegex)) << error.toStdString();
        EXPECT_FALSE(s.setDictionaryValue(kTransliterate, "1", &error));
        EXPECT_TRUE(error.contains("has no key")) << error.toStdString();

        // Option 12 is no option there: none of the general flags is set, and no extended
        // key is ever written.
        s.generalOptionsChanged(12);
        EXPECT_FALSE(s.flag(kTransliterate));
        EXPECT_EQ(keysOf(s.getCurrentSettings()), classicDictionaryKeys());

        // A rule file with a step that holds one is refused.
        QList<QVariantMap> read;
        EXPECT_NE(RuleFile::read(rulePath, read), RuleFile::ReadResult::Read);
        // Its own steps never hold one.
        Settings replace;
        replace.setInteger("selectedTab", 2);
        replace.setText("replaceRemoveThis", "a");
        EXPECT_FALSE(RuleSteps::buildRule(replace).step->contains(kRegex));
    }
}

TEST(ExtendedKeys, ARegexStepFollowedByASequenceStep)
{
    TempTree tree;
    ControllerState state;
    RecordingUserInterface ui;
    for (const char* name : {"IMG_0007_beach.jpg", "IMG_0042_city.jpg", "notes.txt"})
        state.list.append(*FileSystemItem::initWithPath(tree.file(name)));
    Settings numeric;
    numeric.setText("alphaNumericNumericStartWith", "1");
    numeric.setFlag("isAlphaNumericSufix", true);
    numeric.setFlag("isAlphaNumericSeperator", true);
    numeric.setText("alphaNumericSeperator", "_");
    state.rules = {regexReplaceStep(QStringLiteral(R"(^IMG_(\d+)_(\w+)$)"), QStringLiteral(R"(\2-\1)")),
                   *RuleSteps::buildRule(numeric).step};
    ASSERT_TRUE(RulePreview(state, ui).actionPreviewRule());
    PassRunner::waitUntilIdle(state);
    QStringList names;
    for (const FileSystemItem& item : state.list.files)
        names << item.newFilename;
    EXPECT_EQ(names, (QStringList{"beach-0007_1.jpg", "city-0042_2.jpg", "notes_3.txt"}));
}

TEST(ExtendedKeys, ARuleWithAnInvalidExpressionStartsNothing)
{
    TempTree tree;
    ControllerState state;
    RecordingUserInterface ui;
    state.list.append(*FileSystemItem::initWithPath(tree.file("a.txt")));
    // As a rule file could hold it: a step cannot be built from such settings (below).
    QVariantMap step = regexReplaceStep(QStringLiteral("ab"), QStringLiteral("x"));
    step.insert("replaceRemoveThis", "a(b");
    state.rules = {step};
    ASSERT_FALSE(RulePreview(state, ui).actionPreviewRule());
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].title, msg("REPLACEREMOVEINVALIDINPUT"));
    EXPECT_EQ(ui.alerts[0].message, msg("INVALIDREGULAREXPRESSION").arg(3).arg(
                                        QRegularExpression(QStringLiteral("a(b")).errorString()));
    EXPECT_TRUE(state.list.files[0].newFilename.isEmpty());

    // Adding such a step is refused with the same message.
    state.settings.setInteger("selectedTab", 2);
    state.settings.setText("replaceRemoveThis", "a(b");
    state.settings.setFlag(kRegex, true);
    QString error;
    EXPECT_FALSE(RuleSteps::getRule(state, ui, error));
    EXPECT_EQ(error, ui.alerts[0].message);
}
