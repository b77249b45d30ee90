#include "engine/methodtab.h"
#include "engine/settings.h"
#include "engine/settingsdescriptors.h"

#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QString name(const char* key)
{
    return QString::fromLatin1(key);
}

} // namespace

// Every key has a one-line meaning, and a key named inside a meaning (a camel-case word;
// "isGeneral..." stands for a group) exists as well.
TEST(SettingDescriptors, EveryKeyHasAMeaningThatNamesOnlyKnownKeys)
{
    for (const SettingDescriptor& d : SettingDescriptors::all()) {
        const QString meaning = QString::fromUtf8(d.meaning);
        EXPECT_FALSE(meaning.trimmed().isEmpty()) << d.key;
        EXPECT_FALSE(meaning.contains(QLatin1Char('\t'))) << d.key;
        static const QRegularExpression word(QStringLiteral("\\b[a-z]+[A-Z][A-Za-z0-9]*\\b(?!\\.\\.\\.)"));
        for (auto it = word.globalMatch(meaning); it.hasNext();) {
            const QString named = it.next().captured();
            EXPECT_NE(SettingDescriptors::find(named), nullptr) << d.key << " names " << named.toStdString();
        }
    }
}

TEST(SettingDescriptors, ValuesOfKeysWithFewValues)
{
    // Flags are 0 and 1, selectedTab lists the ten methods by name.
    EXPECT_EQ(SettingDescriptors::values(QStringLiteral("isReplaceRemoveCaseSensitive")).size(), 2);
    const auto tabs = SettingDescriptors::values(QStringLiteral("selectedTab"));
    ASSERT_EQ(tabs.size(), kMethodTabCount);
    EXPECT_EQ(tabs.at(2), (QPair<QString, QString>{"2", "Replace/Remove"}));
    EXPECT_TRUE(SettingDescriptors::values(QStringLiteral("replaceRemoveThis")).isEmpty());
    EXPECT_TRUE(SettingDescriptors::values(QStringLiteral("noSuchKey")).isEmpty());

    // Every listed value of an integer key is an integer, listed once, with a meaning.
    for (const SettingDescriptor& d : SettingDescriptors::all()) {
        QSet<int> seen;
        for (const auto& [value, meaning] : SettingDescriptors::values(name(d.key))) {
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
    const auto general = SettingDescriptors::values(QStringLiteral("generalOptionIndex"));
    QSet<QString> flagsSet;
    for (const auto& [value, meaning] : general) {
        Settings s;
        s.setInteger(QStringLiteral("generalOptionIndex"), value.toInt());
        s.runModeSelectorFor(QStringLiteral("generalOptionIndex"));
        QStringList on;
        for (const SettingDescriptor& d : SettingDescriptors::all()) {
            if (d.tab == int(MethodTab::General) && d.kind == SettingKind::Flag && s.flag(name(d.key)))
                on << name(d.key);
        }
        ASSERT_EQ(on.size(), 1) << "generalOptionIndex=" << value.toStdString() << " sets " << on.join(' ').toStdString();
        flagsSet.insert(on.first());
    }
    EXPECT_EQ(flagsSet.size(), general.size());
    EXPECT_EQ(SettingDescriptors::values(QStringLiteral("generalOptionsIndex")), general);
}
