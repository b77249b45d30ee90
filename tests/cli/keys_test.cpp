// `quorvel-cli keys` and the warning for --set keys of another method than the one that runs.
#include "clirunner.h"
#include "engine/settingsdescriptors.h"
#include "pipeline/controllerstate.h"
#include "profiles/rulefile.h"
#include "profiles/rulesteps.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

namespace {

QStringList fieldsOf(const QStringList& lines, const QString& key)
{
    for (const QString& line : lines) {
        if (line.startsWith(key + QLatin1Char('\t')))
            return line.split(QLatin1Char('\t'));
    }
    return {};
}

} // namespace

TEST(CliKeys, ListsEveryKeyWithKindDefaultTabAndMeaning)
{
    CliRunner cli;
    const CliResult tsv = cli.run({"keys", "--format", "tsv"});
    ASSERT_EQ(tsv.exitCode, 0) << tsv.err.toStdString();
    const QStringList lines = tsv.lines();
    ASSERT_EQ(lines.size(), qsizetype(SettingDescriptors::all().size()));
    for (const QString& line : lines)
        EXPECT_EQ(line.count(QLatin1Char('\t')), 6) << line.toStdString();

    // key, kind, default, tab, method, values, meaning
    EXPECT_EQ(fieldsOf(lines, "replaceRemoveThis"),
              (QStringList{"replaceRemoveThis", "text", "", "2", "Replace/Remove", "", "the text to find"}));
    const QStringList selected = fieldsOf(lines, "selectedTab");
    ASSERT_EQ(selected.size(), 7);
    EXPECT_EQ(selected.mid(0, 5), (QStringList{"selectedTab", "integer", "0", "-", ""}));
    EXPECT_TRUE(selected.at(5).startsWith("0=Sequences;1=Insert/Delete;2=Replace/Remove;"));
    EXPECT_EQ(fieldsOf(lines, "isReplaceRemoveCaseSensitive").mid(1, 5),
              (QStringList{"flag", "0", "2", "Replace/Remove", "0=off;1=on"}));
    EXPECT_EQ(fieldsOf(lines, "id3Extensions").mid(1, 2), (QStringList{"list", ".MP3; .M4A; .AAC; .M4B"}));
    EXPECT_EQ(fieldsOf(lines, "dateTimeCustomDate").mid(1, 2), (QStringList{"date", "now"}));
    EXPECT_TRUE(fieldsOf(lines, "insertDeleteInsertOptionIndex").at(5).contains("2=at a character position"));

    // --tab keeps the keys of one method, or of none.
    const CliResult replace = cli.run({"keys", "--tab", "2", "--format", "tsv"});
    ASSERT_EQ(replace.exitCode, 0);
    EXPECT_EQ(replace.lines().size(), 13); // the classic twelve and the regular expression flag
    for (const QString& line : replace.lines())
        EXPECT_EQ(line.section('\t', 3, 3), "2") << line.toStdString();
    const CliResult scope = cli.run({"keys", "--tab", "none", "--format", "tsv"});
    QStringList scopeKeys;
    for (const QString& line : scope.lines())
        scopeKeys << line.section('\t', 0, 0);
    EXPECT_EQ(scopeKeys, (QStringList{"selectedTab", "isFiles", "isFolders", "isIncludeSubFolders", "isRenameCompanions",
                                      "isNumberNamesUsedTwice", "namesUsedTwiceSeparator", "fileFolderIndex"}));

    // json: the same rows, the tab and method null for keys of no method.
    const CliResult json = cli.run({"keys", "--format", "json"});
    ASSERT_EQ(json.exitCode, 0);
    const QJsonArray rows = QJsonDocument::fromJson(json.out.toUtf8()).array();
    ASSERT_EQ(rows.size(), lines.size());
    EXPECT_EQ(rows.at(0).toObject().value("key").toString(), "selectedTab");
    EXPECT_TRUE(rows.at(0).toObject().value("tab").isNull());
    EXPECT_EQ(rows.at(0).toObject().value("values").toArray().at(9).toObject().value("meaning").toString(),
              "Rename from List");
    for (const QJsonValue& row : rows) {
        if (row.toObject().value("key") == "replaceRemoveWith") {
            EXPECT_EQ(row.toObject().value("tab").toInt(-1), 2);
            EXPECT_EQ(row.toObject().value("kind").toString(), "text");
            EXPECT_FALSE(row.toObject().value("meaning").toString().isEmpty());
        }
    }

    const CliResult table = cli.run({"keys", "--format", "table", "--tab", "5"});
    ASSERT_EQ(table.exitCode, 0);
    EXPECT_TRUE(table.out.startsWith("Key "));
    EXPECT_TRUE(table.out.contains("4 reverse the name"));

    EXPECT_EQ(cli.run({"keys", "--tab", "10"}).exitCode, 2);
    EXPECT_EQ(cli.run({"keys", "--tab", "two"}).exitCode, 2);
    EXPECT_EQ(cli.run({"keys", "extra"}).exitCode, 2);
}

TEST(CliKeys, SetOfAnotherMethodsKeyWarnsAndTheRunGoesOn)
{
    TempTree tree;
    tree.file("a b.txt");
    CliRunner cli;
    const QStringList replaceBlanks = {"--set", "replaceRemoveThis= ", "--set", "replaceRemoveWith=_",
                                       "--set", "isReplaceRemoveAllOccurrence=1"};

    // Replace/Remove keys while the sequence method runs: one warning per key, the run goes on.
    QStringList args = QStringList{"preview", "--format", "tsv", "--set", "selectedTab=0", "--set",
                                   "alphaNumericNumericStartWith=1"} + replaceBlanks;
    args << "--set" << "replaceRemoveThis=x" << "--set" << "isIncludeSubFolders=1" << tree.path();
    const CliResult warned = cli.run(args);
    EXPECT_EQ(warned.exitCode, 0) << warned.err.toStdString();
    EXPECT_EQ(warned.lines(), QStringList{tree.at("a b.txt") + "\t1.txt"});
    EXPECT_EQ(warned.err.count("warning:"), 3) << warned.err.toStdString();
    EXPECT_EQ(warned.err.count("replaceRemoveThis belongs to the Replace/Remove method (selectedTab=2) but selectedTab is 0 (Sequences)"), 1)
        << warned.err.toStdString();
    EXPECT_FALSE(warned.err.contains("isIncludeSubFolders")); // a key of no method

    // The final selectedTab counts, wherever it stands among the options.
    const CliResult chosenLast = cli.run(QStringList{"preview", "--format", "tsv"} + replaceBlanks
                                         + QStringList{"--set", "selectedTab=2", tree.path()});
    EXPECT_EQ(chosenLast.exitCode, 0);
    EXPECT_EQ(chosenLast.lines(), QStringList{tree.at("a b.txt") + "\ta_b.txt"});
    EXPECT_FALSE(chosenLast.err.contains("warning")) << chosenLast.err.toStdString();

    // Commands that keep every key do not warn.
    EXPECT_FALSE(cli.run(QStringList{"settings"} + replaceBlanks).err.contains("warning"));
    const CliResult saved = cli.run(QStringList{"save-profile", tree.at("p.qvprofile")} + replaceBlanks);
    EXPECT_EQ(saved.exitCode, 0);
    EXPECT_FALSE(saved.err.contains("warning"));

    // With a rule the steps carry their own methods: no warning.
    ControllerState state;
    ScriptedUserInterface ui;
    state.settings.setInteger("selectedTab", 5);
    state.settings.generalOptionsChanged(4);
    QString error;
    const std::optional<QVariantMap> step = RuleSteps::getRule(state, ui, error);
    ASSERT_TRUE(step) << error.toStdString();
    ASSERT_TRUE(RuleFile::write(tree.at("reverse.qvrule"), {*step}, &error)) << error.toStdString();
    const CliResult ruled = cli.run(QStringList{"preview", "--format", "tsv", "--rule", tree.at("reverse.qvrule")}
                                    + replaceBlanks + QStringList{tree.at("a b.txt")});
    EXPECT_EQ(ruled.exitCode, 0) << ruled.err.toStdString();
    EXPECT_EQ(ruled.lines(), QStringList{tree.at("a b.txt") + "\tb a.txt"});
    EXPECT_FALSE(ruled.err.contains("warning")) << ruled.err.toStdString();
}
