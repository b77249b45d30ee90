#include "engine/settings.h"
#include "engine/settingsdescriptors.h"
#include "engine/settingsmeanings.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QString name(const char* key)
{
    return QString::fromLatin1(key);
}

} // namespace

// The meanings are a table of their own: it must cover the descriptor table exactly, agree
// with it on the method tab, and never speak of a key the record does not have.
TEST(SettingMeanings, EveryKeyHasOneMeaningAndNoMeaningNamesAnUnknownKey)
{
    QSet<QString> described;
    for (const SettingMeaning& m : SettingMeanings::all()) {
        const QString key = name(m.key);
        EXPECT_FALSE(described.contains(key)) << "two rows for " << m.key;
        described.insert(key);
        const SettingDescriptor* d = SettingDescriptors::find(key);
        ASSERT_NE(d, nullptr) << "a meaning for the unknown key " << m.key;
        EXPECT_EQ(m.tab, d->tab) << m.key;
        EXPECT_FALSE(QString::fromUtf8(m.meaning).trimmed().isEmpty()) << m.key;
        EXPECT_FALSE(QString::fromUtf8(m.meaning).contains(QLatin1Char('\t'))) << m.key;

        // A key named inside a meaning (a camel-case word; "isGeneral..." stands for a group)
        // must exist as well.
        static const QRegularExpression word(QStringLiteral("\\b[a-z]+[A-Z][A-Za-z0-9]*\\b(?!\\.\\.\\.)"));
        for (auto it = word.globalMatch(QString::fromUtf8(m.meaning)); it.hasNext();) {
            const QString named = it.next().captured();
            EXPECT_NE(SettingDescriptors::find(named), nullptr) << m.key << " names " << named.toStdString();
        }
    }
    for (const SettingDescriptor& d : SettingDescriptors::all())
        EXPECT_TRUE(described.contains(name(d.key))) << "no meaning for " << d.key;
}

TEST(SettingMeanings, ValuesOfKeysWithFewValues)
{
    // Flags are 0 and 1, selectedTab lists the ten methods by name.
    EXPECT_EQ(SettingMeanings::values(QStringLiteral("isReplaceRemoveCaseSensitive")).size(), 2);
    const auto tabs = SettingMeanings::values(QStringLiteral("selectedTab"));
    ASSERT_EQ(tabs.size(), SettingMeanings::kTabCount);
    EXPECT_EQ(tabs.at(2), (QPair<QString, QString>{"2", "Replace/Remove"}));
    EXPECT_TRUE(SettingMeanings::values(QStringLiteral("replaceRemoveThis")).isEmpty());
    EXPECT_TRUE(SettingMeanings::values(QStringLiteral("noSuchKey")).isEmpty());

    // Every listed value of an integer key is an integer, listed once, with a meaning.
    for (const SettingDescriptor& d : SettingDescriptors::all()) {
        QSet<int> seen;
        for (const auto& [value, meaning] : SettingMeanings::values(name(d.key))) {
            bool ok = false;
            const int v = value.toInt(&ok);
            EXPECT_TRUE(ok) << d.key << " value " << value.toStdString();
            EXPECT_FALSE(seen.contains(v)) << d.key;
            seen.insert(v);
            EXPECT_FALSE(meaning.isEmpty()) << d.key;
        }
    }

    // The general changes listed are exactly those the index selects: each listed value
    // sets one general flag, a different one each time.
    const auto general = SettingMeanings::values(QStringLiteral("generalOptionIndex"));
    QSet<QString> flagsSet;
    for (const auto& [value, meaning] : general) {
        Settings s;
        s.setInteger(QStringLiteral("generalOptionIndex"), value.toInt());
        s.runModeSelectorFor(QStringLiteral("generalOptionIndex"));
        QStringList on;
        for (const SettingDescriptor& d : SettingDescriptors::all()) {
            if (d.tab == 5 && d.kind == SettingKind::Flag && s.flag(name(d.key)))
                on << name(d.key);
        }
        ASSERT_EQ(on.size(), 1) << "generalOptionIndex=" << value.toStdString() << " sets " << on.join(' ').toStdString();
        flagsSet.insert(on.first());
    }
    EXPECT_EQ(flagsSet.size(), general.size());
    EXPECT_EQ(SettingMeanings::values(QStringLiteral("generalOptionsIndex")), general);
}
