#include "clirunner.h"
#include "platform/imagemetadata.h"
#include "support/mediafixtures.h"
#include "support/temptree.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

// Exiv2 0.27 declares its smart pointers as std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace {

const QStringList kReplaceBlanks = {"--set", "selectedTab=2", "--set", "replaceRemoveThis= ",
                                    "--set", "replaceRemoveWith=_", "--set",
                                    "isReplaceRemoveAllOccurrence=1"};

} // namespace

TEST(Cli, PreviewPrintsOneTsvLinePerItemAndTouchesNothing)
{
    TempTree tree;
    tree.file("a b.txt");
    tree.file("sub/c d.txt");
    tree.file("plain.txt");
    tree.file(".hidden file");
    CliRunner cli;
    const CliResult r = cli.run(QStringList{"preview", "--format", "tsv"} + kReplaceBlanks + QStringList{tree.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QStringList lines = r.lines();
    lines.sort();
    EXPECT_EQ(lines, (QStringList{tree.at("a b.txt") + "\ta_b.txt", tree.at("plain.txt") + "\tNo Changes",
                                  tree.at("sub/c d.txt") + "\tc_d.txt"}));
    EXPECT_EQ(tree.names(), (QStringList{".hidden file", "a b.txt", "plain.txt", "sub"}));
    EXPECT_FALSE(QDir(cli.logsFolder()).exists() && !QDir(cli.logsFolder()).entryList(QDir::Files).isEmpty());
}

TEST(Cli, ApplyRenamesWritesALogAndUndoRestores)
{
    TempTree tree;
    tree.file("a b.txt", "one");
    tree.file("taken c.txt", "two");
    tree.file("taken_c.txt", "three");
    CliRunner cli;
    const CliResult applied = cli.run(QStringList{"apply", "--yes", "--format", "json"} + kReplaceBlanks + QStringList{tree.path()});
    ASSERT_EQ(applied.exitCode, 3) << applied.err.toStdString(); // "taken c.txt" was refused
    EXPECT_TRUE(applied.out.contains("\"newFilename\": \"Renaming (OK)\""));
    EXPECT_TRUE(applied.out.contains("\"newFilename\": \"File Already Exists\""));
    EXPECT_EQ(tree.names(), (QStringList{"a_b.txt", "taken c.txt", "taken_c.txt"}));
    EXPECT_EQ(tree.read("taken_c.txt"), "three"); // never replaced

    // The log's path is printed on stderr and the log is listed.
    const QStringList logs = QDir(cli.logsFolder()).entryList({"*.xml"}, QDir::Files);
    ASSERT_EQ(logs.size(), 1);
    EXPECT_TRUE(logs.first().endsWith("-1.xml"));
    EXPECT_TRUE(applied.err.contains(logs.first()));
    const CliResult listed = cli.run({"logs", "--format", "tsv"});
    EXPECT_EQ(listed.exitCode, 0);
    EXPECT_TRUE(listed.out.contains(logs.first()));

    const CliResult undone = cli.run({"undo", "--yes"});
    ASSERT_EQ(undone.exitCode, 0) << undone.err.toStdString();
    EXPECT_TRUE(undone.out.contains("1/1 restored"));
    EXPECT_EQ(tree.names(), (QStringList{"a b.txt", "taken c.txt", "taken_c.txt"}));
    EXPECT_EQ(cli.run({"logs"}).exitCode, 1); // nothing left to undo
}

TEST(Cli, ApplyWithoutYesAndWithoutATerminalRenamesNothing)
{
    TempTree tree;
    tree.file("a b.txt");
    CliRunner cli;
    const CliResult r = cli.run(QStringList{"apply"} + kReplaceBlanks + QStringList{tree.path()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(tree.names(), QStringList{"a b.txt"});
}

TEST(Cli, SpeaksTheLanguageTheEnvironmentNamesFirst)
{
    // The question before an apply, unanswered without a terminal, comes in the user's
    // language: LANGUAGE first, then LC_ALL, LC_MESSAGES and LANG, as Qt reads them; the C
    // locale and languages without a table get English.
    struct Case {
        QList<std::pair<QString, QString>> environment;
        const char* title;
    };
    const Case cases[] = {
        {{{"LANG", "fr_FR.UTF-8"}}, "Renommer"},
        {{{"LANG", "Fr-fr"}}, "Renommer"},
        {{{"LANGUAGE", "de"}, {"LANG", "C.UTF-8"}}, "Umbenennen"},
        {{{"LC_ALL", "es_ES.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, "Cambiar nombre"},
        {{{"LC_MESSAGES", "de_DE.UTF-8@euro"}, {"LANG", "fr_FR.UTF-8"}}, "Umbenennen"},
        {{{"LC_ALL", "C.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, "Rename"},
        {{{"LANG", "POSIX"}}, "Rename"},
        {{{"LANGUAGE", "pt-BR:fr"}, {"LANG", "fr_FR.UTF-8"}}, "Rename"},
        {{{"LANGUAGE", "french:es"}, {"LANG", "de_DE.UTF-8"}}, "Cambiar nombre"},
    };
    TempTree tree;
    tree.file("a b.txt");
    CliRunner cli;
    for (const Case& c : cases) {
        QStringList shown;
        for (const auto& [name, value] : c.environment)
            shown << name + "=" + value;
        SCOPED_TRACE(shown.join(' ').toStdString());
        const CliResult r = cli.run(QStringList{"apply"} + kReplaceBlanks + QStringList{tree.path()}, c.environment);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("note: %1: ").arg(QString::fromUtf8(c.title)))) << r.err.toStdString();
    }
    EXPECT_EQ(tree.names(), QStringList{"a b.txt"});
}

TEST(Cli, ExitStatusesAndMessages)
{
    TempTree tree;
    tree.file("x.txt");
    CliRunner cli;
    const CliResult unknownKey = cli.run({"preview", "--set", "noSuchKey=1", tree.path()});
    EXPECT_EQ(unknownKey.exitCode, 2);
    EXPECT_TRUE(unknownKey.err.contains("noSuchKey"));
    EXPECT_EQ(cli.run({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(cli.run({"preview", "--format", "xml", tree.path()}).exitCode, 2);
    EXPECT_EQ(cli.run({"preview", "--set", "dateTimeCustomDate=yesterday", tree.path()}).exitCode, 2);
    // Nothing would change: exit 1.
    EXPECT_EQ(cli.run(QStringList{"preview"} + kReplaceBlanks + QStringList{tree.path()}).exitCode, 1);
    // An option check that fails (empty search text) is reported, not run.
    const CliResult check = cli.run({"preview", "--set", "selectedTab=2", tree.path()});
    EXPECT_EQ(check.exitCode, 2);
    EXPECT_FALSE(check.err.isEmpty());
    const CliResult help = cli.run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("import-list"));
    EXPECT_TRUE(cli.run({"--version"}).out.contains("3."));
}

TEST(Cli, IndexKeysRunTheirModeSelectors)
{
    TempTree tree;
    tree.file("abc.txt");
    CliRunner cli;
    // generalOptionIndex=4 selects "reverse" through its selector.
    const CliResult r = cli.run({"preview", "--format", "tsv", "--set", "selectedTab=5", "--set",
                                 "generalOptionIndex=4", tree.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), QStringList{tree.at("abc.txt") + "\tcba.txt"});
}

TEST(Cli, SettingsAndSaveProfileRoundTrip)
{
    TempTree tree;
    tree.file("a.txt");
    CliRunner cli;
    const QString profile = tree.at("upper.qvprofile");
    ASSERT_EQ(cli.run({"save-profile", profile, "--set", "selectedTab=5", "--set", "generalOptionIndex=0",
                       "--set", "generalFileNameCase=1"}).exitCode, 0);
    const CliResult settings = cli.run({"settings", "--profile", profile});
    ASSERT_EQ(settings.exitCode, 0) << settings.err.toStdString();
    EXPECT_TRUE(settings.out.startsWith("<?xml"));
    EXPECT_TRUE(settings.out.contains("<key>generalFileNameCase</key>"));

    const CliResult r = cli.run({"preview", "--format", "tsv", "--profile", profile, tree.at("a.txt")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), QStringList{tree.at("a.txt") + "\tA.txt"});
    EXPECT_EQ(cli.run({"preview", "--profile", tree.at("missing.qvprofile"), tree.path()}).exitCode, 3);
}

TEST(Cli, ExportThenImportListAndApply)
{
    TempTree tree;
    tree.file("one two.txt", "1");
    tree.file("three.txt", "3");
    CliRunner cli;
    const QString list = tree.at("out/list.txt");
    QDir().mkpath(tree.at("out"));
    const CliResult exported = cli.run(QStringList{"export", "--output", list} + kReplaceBlanks + QStringList{tree.at("one two.txt"), tree.at("three.txt")});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    const QByteArray text = tree.read("out/list.txt");
    EXPECT_TRUE(text.startsWith("Filename\tNew Filename\tLocation\n"));
    EXPECT_TRUE(text.contains("one two.txt\tone_two.txt\t" + tree.path().toUtf8() + "\n"));

    const CliResult printed = cli.run({"import-list", list, "--format", "tsv"});
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    EXPECT_EQ(tree.names(), (QStringList{"one two.txt", "out", "three.txt"}));

    const CliResult applied = cli.run({"import-list", list, "--apply", "--yes", "--format", "tsv"});
    ASSERT_EQ(applied.exitCode, 0) << applied.err.toStdString();
    EXPECT_EQ(tree.names(), (QStringList{"one_two.txt", "out", "three.txt"}));
    EXPECT_EQ(tree.read("one_two.txt"), "1");

    // Only a header: the list is refused.
    tree.file("bad.txt", "Filename\tNew Filename\tLocation\n");
    EXPECT_EQ(cli.run({"import-list", tree.at("bad.txt")}).exitCode, 3);
    EXPECT_EQ(cli.run({"export", "--output", list, "--columns", "location", "--include-location", tree.path()}).exitCode, 2);
}

// An empty argument where a path belongs (an unset shell variable) is a usage error before
// anything is listed: it must never stand for the working folder.
TEST(Cli, AnEmptyPathIsAUsageErrorInEveryCommand)
{
    TempTree tree;
    tree.file("a b.txt");
    tree.file("sub/c d.txt");
    const QString list = tree.file("list.txt", "a b.txt\ta_b.txt\t" + tree.path().toUtf8() + "\n");
    CliRunner cli;
    const auto join = [](QStringList a, const QStringList& b, const QStringList& c) { return a << b << c; };
    const QList<QStringList> commands = {
        join({"apply", "--yes"}, kReplaceBlanks, {""}),
        join({"apply", "--yes"}, kReplaceBlanks, {tree.at("sub"), ""}),
        join({"preview"}, kReplaceBlanks, {""}),
        join({"preview", "--profile", ""}, kReplaceBlanks, {tree.path()}),
        {"apply", "--yes", "--rule", "", tree.path()},
        join({"export", "--output", ""}, kReplaceBlanks, {tree.path()}),
        join({"export", "--output", tree.at("out.txt")}, kReplaceBlanks, {""}),
        {"import-list", "", "--apply", "--yes"},
        {"undo", "--yes", ""},
        {"save-profile", ""},
        {"settings", "--profile="},
    };
    for (const QStringList& args : commands) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliResult r = cli.run(args, tree.path());
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains("empty path")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
        EXPECT_EQ(tree.names(), (QStringList{"a b.txt", "list.txt", "sub"}));
        EXPECT_EQ(tree.names("sub"), QStringList{"c d.txt"});
    }
    EXPECT_FALSE(QDir(cli.logsFolder()).exists() && !QDir(cli.logsFolder()).entryList(QDir::Files).isEmpty());
}

// Folders are walked depth first with each folder's items in natural order, and the names a
// person reads (table, json) show a ":" as it is on disk; tsv keeps the stored form.
TEST(Cli, NaturalOrderAndNamesShownAsOnDisk)
{
    TempTree tree;
    for (const char* name : {"file10.txt", "sub/b.txt", "file2.txt", "a:b.txt", "file1.txt"})
        tree.file(name);
    CliRunner cli;
    const QStringList colonToDash = {"--set", "selectedTab=2", "--set", "replaceRemoveThis=file",
                                     "--set", "replaceRemoveWith=x:y", "--set", "isReplaceRemoveAllOccurrence=1"};
    const CliResult tsv = cli.run(QStringList{"preview", "--format", "tsv"} + colonToDash + QStringList{tree.path()});
    ASSERT_EQ(tsv.exitCode, 0) << tsv.err.toStdString();
    EXPECT_EQ(tsv.lines(), (QStringList{tree.at("a:b.txt") + "\tNo Changes", tree.at("file1.txt") + "\tx:y1.txt",
                                        tree.at("file2.txt") + "\tx:y2.txt", tree.at("file10.txt") + "\tx:y10.txt",
                                        tree.at("sub/b.txt") + "\tNo Changes"}));

    const CliResult table = cli.run(QStringList{"preview", "--format", "table"} + colonToDash + QStringList{tree.path()});
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    EXPECT_TRUE(table.out.contains("a:b.txt")) << table.out.toStdString();
    EXPECT_TRUE(table.out.contains("x:y10.txt")) << table.out.toStdString();
    EXPECT_FALSE(table.out.contains("a/b.txt") || table.out.contains("x/y")) << table.out.toStdString();

    const CliResult json = cli.run(QStringList{"preview", "--format", "json"} + colonToDash + QStringList{tree.path()});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    EXPECT_TRUE(json.out.contains("\"newFilename\": \"x:y2.txt\"")) << json.out.toStdString();
    EXPECT_TRUE(json.out.contains("a:b.txt"));
    EXPECT_FALSE(json.out.contains("x/y"));
}

TEST(Cli, ShiftsSwapsAndNamesUsedTwiceFromAListWithTheOutcomeLine)
{
    TempTree tree;
    const QString d = tree.folder("d");
    for (const char* name : {"n1", "n2", "n3", "a", "b", "x_1.txt", "x-1.txt"})
        tree.file(QStringLiteral("d/") + name, name);
    QByteArray list = "Filename\tNew Filename\tLocation\n";
    for (const auto& [from, to] : QList<QPair<QString, QString>>{{"n1", "n2"}, {"n2", "n3"}, {"n3", "n4"}, {"a", "b"},
                                                                 {"b", "a"}, {"x_1.txt", "x1.txt"}, {"x-1.txt", "x1.txt"}})
        list += (from + "\t" + to + "\t" + d + "\n").toUtf8();
    const QString listFile = tree.file("list.txt", list);
    CliRunner cli;

    const CliResult shown = cli.run({"import-list", listFile, "--format", "tsv"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.lines().contains(d + "/n1\tn2"));
    EXPECT_TRUE(shown.lines().contains(d + "/b\ta"));
    EXPECT_TRUE(shown.lines().contains(d + "/x-1.txt\tFile Name Used Twice"));

    // The item the preview marked is refused like one refused at its move.
    const CliResult applied = cli.run({"import-list", listFile, "--apply", "--yes", "--format", "json"});
    ASSERT_EQ(applied.exitCode, 3) << applied.err.toStdString();
    EXPECT_TRUE(applied.err.startsWith("6 renamed, 1 refused (File Name Used Twice: 1) in ")) << applied.err.toStdString();
    EXPECT_TRUE(applied.out.contains("\"status\": \"File Name Used Twice\""));
    EXPECT_EQ(applied.out.count("\"status\": \"Renaming (OK)\""), 6);
    EXPECT_EQ(tree.names("d"), (QStringList{"a", "b", "n2", "n3", "n4", "x-1.txt", "x1.txt"}));
    EXPECT_EQ(tree.read("d/a"), "b");
    EXPECT_EQ(tree.read("d/n4"), "n3");
    const QStringList logs = QDir(cli.logsFolder()).entryList({"*.xml"}, QDir::Files);
    ASSERT_EQ(logs.size(), 1);
    EXPECT_TRUE(logs.first().endsWith("-6.xml")) << logs.first().toStdString();

    const CliResult undone = cli.run({"undo", "--yes"});
    ASSERT_EQ(undone.exitCode, 0) << undone.err.toStdString();
    // Six items, as the log's name says (the swap's move through its temporary name is not one).
    EXPECT_TRUE(undone.out.contains("6/6 restored")) << undone.out.toStdString();
    EXPECT_EQ(tree.read("d/n1"), "n1");
    EXPECT_EQ(tree.read("d/a"), "a");

    // Item by item: the shift and the swap are refused by the preview, the rest is done.
    const CliResult itemByItem = cli.run({"import-list", listFile, "--apply", "--yes", "--no-chains", "--format", "tsv"});
    ASSERT_EQ(itemByItem.exitCode, 3) << itemByItem.err.toStdString();
    EXPECT_TRUE(itemByItem.lines().contains(d + "/n1\tFile Already Exists"));
    EXPECT_TRUE(itemByItem.lines().contains(d + "/n4\tRenaming (OK)")); // n3, now n4
    EXPECT_TRUE(cli.run({"--help"}).out.contains("--no-chains"));
}

TEST(Cli, ApplyExitsWithThreeWhenAProposedItemIsRefusedOrThereIsNoLog)
{
    TempTree tree;
    const QString d = tree.folder("d");
    tree.file("d/a.txt", "a");
    tree.file("d/k.txt", "k");
    // Two hard links that differ in letter case: the preview finds the target to be the
    // item itself, the rename then changes nothing and is refused.
    ASSERT_EQ(::link(QFile::encodeName(tree.at("d/a.txt")).constData(), QFile::encodeName(tree.at("d/A.txt")).constData()), 0);
    const QString listFile = tree.file("list.txt", ("a.txt\tA.txt\t" + d + "\nk.txt\tk2.txt\t" + d + "\n").toUtf8());
    CliRunner cli;
    const CliResult refused = cli.run({"import-list", listFile, "--apply", "--yes", "--format", "tsv"});
    EXPECT_EQ(refused.exitCode, 3) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.startsWith("1 renamed, 1 refused (No Changes: 1) in ")) << refused.err.toStdString();
    EXPECT_TRUE(tree.names("d").contains("k2.txt"));

    // The rename log cannot be created: --yes does not answer the question, nothing is
    // renamed and the run fails.
    QFile prefs(cli.dataFolder() + "/preferences.plist");
    ASSERT_TRUE(prefs.open(QIODevice::WriteOnly | QIODevice::Truncate));
    prefs.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                "<key>defaultLogFolderPath</key><string>/proc/no-such-folder</string></dict></plist>\n");
    prefs.close();
    tree.file("d/m.txt", "m");
    const QString second = tree.file("list2.txt", ("m.txt\tm2.txt\t" + d + "\n" + "m.txt\tm2.txt\t" + d + "\n").toUtf8());
    const CliResult noLog = cli.run({"import-list", second, "--apply", "--yes"});
    EXPECT_EQ(noLog.exitCode, 3) << noLog.err.toStdString();
    EXPECT_TRUE(noLog.err.contains(QStringLiteral("rename log could not be created")));
    EXPECT_TRUE(tree.names("d").contains("m.txt"));
}

TEST(Cli, ApplyExitStatusCountsEveryItemMeantToBeRenamed)
{
    struct Case {
        const char* list; // "from>to" pairs
        int exitCode;
        const char* outcome;
    };
    const Case cases[] = {
        {"b1.txt>c1.txt b2.txt>c2.txt", 0, "2 renamed in "},
        {"b1.txt>c1.txt b2.txt>b2.txt", 0, "1 renamed in "}, // the other reads "No Changes"
        {"b1.txt>b1.txt", 1, ""},
        {"b1.txt>b3.txt b2.txt>c2.txt", 3, "1 renamed, 1 refused (File Already Exists: 1) in "},
        {"b1.txt>b3.txt", 3, "0 renamed, 1 refused (File Already Exists: 1) in "},
        {"b1.txt>c.txt b2.txt>c.txt", 3, "1 renamed, 1 refused (File Name Used Twice: 1) in "},
    };
    for (const Case& c : cases) {
        TempTree tree;
        const QString d = tree.folder("d");
        for (const char* name : {"b1.txt", "b2.txt", "b3.txt"})
            tree.file(QStringLiteral("d/") + name, name);
        QByteArray list = "Filename\tNew Filename\tLocation\n";
        for (const QString& pair : QString::fromLatin1(c.list).split(' '))
            list += (pair.section('>', 0, 0) + "\t" + pair.section('>', 1) + "\t" + d + "\n").toUtf8();
        const QString listFile = tree.file("list.txt", list);
        const CliResult r = CliRunner().run({"import-list", listFile, "--apply", "--yes", "--format", "tsv"});
        EXPECT_EQ(r.exitCode, c.exitCode) << c.list << "\n" << r.err.toStdString();
        const QString outcome = QString::fromLatin1(c.outcome);
        EXPECT_TRUE(outcome.isEmpty() ? r.err.isEmpty() : r.err.startsWith(outcome)) << c.list << "\n" << r.err.toStdString();
    }
    // apply: b1.txt -> b3.txt with b3.txt taken, a1.txt -> a3.txt renamed.
    TempTree tree;
    tree.file("a1.txt");
    tree.file("b1.txt");
    tree.file("b3.txt");
    const CliResult r = CliRunner().run({"apply", "--yes", "--set", "selectedTab=2", "--set", "replaceRemoveThis=1",
                                         "--set", "replaceRemoveWith=3", tree.at("a1.txt"), tree.at("b1.txt")});
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("1 renamed, 1 refused (File Already Exists: 1) in ")) << r.err.toStdString();
    EXPECT_EQ(tree.names(), (QStringList{"a3.txt", "b1.txt", "b3.txt"}));
}

TEST(Cli, RegularExpressionsAndTransliterationThroughSet)
{
    TempTree tree;
    tree.file("IMG_1234_beach.jpg");
    tree.file("Привет.txt");
    CliRunner cli;
    const CliResult regex = cli.run({"preview", "--format", "tsv", "--set", "selectedTab=2", "--set",
                                     R"(replaceRemoveThis=^IMG_(\d+)_(\w+)$)", "--set", R"(replaceRemoveWith=\2-\1)",
                                     "--set", "isReplaceRemoveRegularExpression=1", tree.at("IMG_1234_beach.jpg")});
    ASSERT_EQ(regex.exitCode, 0) << regex.err.toStdString();
    EXPECT_EQ(regex.lines(), QStringList{tree.at("IMG_1234_beach.jpg") + "\tbeach-1234.jpg"});

    const CliResult latin = cli.run({"preview", "--format", "tsv", "--set", "selectedTab=5", "--set",
                                     "generalOptionIndex=12", tree.at("Привет.txt")});
    ASSERT_EQ(latin.exitCode, 0) << latin.err.toStdString();
    EXPECT_EQ(latin.lines(), QStringList{tree.at("Привет.txt") + "\tPrivet.txt"});

    // An invalid expression is refused with its position, and nothing is renamed.
    const CliResult invalid = cli.run({"apply", "--yes", "--set", "selectedTab=2", "--set", "replaceRemoveThis=a(b",
                                       "--set", "isReplaceRemoveRegularExpression=1", tree.path()});
    EXPECT_EQ(invalid.exitCode, 2);
    EXPECT_TRUE(invalid.err.contains("position 3")) << invalid.err.toStdString();
    EXPECT_EQ(tree.names(), (QStringList{"IMG_1234_beach.jpg", "Привет.txt"}));

    // The settings dictionary holds the new keys only when they are used.
    const CliResult plain = cli.run({"settings"});
    ASSERT_EQ(plain.exitCode, 0);
    EXPECT_FALSE(plain.out.contains("isReplaceRemoveRegularExpression"));
    EXPECT_FALSE(plain.out.contains("isGeneralTransliterate"));
    const CliResult used = cli.run({"settings", "--set", "generalOptionIndex=12"});
    EXPECT_TRUE(used.out.contains("<key>isGeneralTransliterate</key>"));

    // A name read in the wrong encoding gets its letters back; a converter ICU does not
    // know is refused before anything is listed.
    tree.file("cafÃ©.txt");
    const CliResult repaired = cli.run({"preview", "--format", "tsv", "--set", "selectedTab=5", "--set",
                                        "generalOptionIndex=13", tree.at("cafÃ©.txt")});
    EXPECT_EQ(repaired.lines(), QStringList{tree.at("cafÃ©.txt") + "\tcafé.txt"}) << repaired.err.toStdString();
    const CliResult unknown = cli.run({"preview", "--set", "selectedTab=5", "--set", "generalOptionIndex=13", "--set",
                                       "generalRepairEncodingFrom=klingon", tree.path()});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("\"klingon\"")) << unknown.err.toStdString();
}

// What a folder's drive cannot hold reads "Name Too Long" (json and tsv, the stored
// English text), a name that is not UTF-8 is left out by name, and the outcome counts both.
TEST(Cli, NamesADriveCannotHoldOrThatAreNotUtf8AreRefusedAndNamed)
{
    TempTree tree;
    const QString d = tree.folder("d");
    tree.file("d/good.txt", "good");
    tree.file("d/" + QString(251, QLatin1Char('a')) + ".txt", "long");
    const QByteArray latin1Name = QFile::encodeName(d + "/caf").append("\xe9.txt");
    const int raw = ::creat(latin1Name.constData(), 0644);
    ASSERT_GE(raw, 0);
    ::close(raw);
    CliRunner cli;
    const QStringList prefix = {"--set", "selectedTab=3", "--set", "prefixSuffixPrefix=new_", d};
    const CliResult preview = cli.run(QStringList{"preview", "--format", "json"} + prefix);
    EXPECT_EQ(preview.out.count("\"status\": \"Name Too Long\""), 1) << preview.out.toStdString();
    const QString leftOut = "note: \"" + d + "/caf\\xE9.txt\" cannot be renamed safely yet: its name is not UTF-8";
    EXPECT_TRUE(preview.err.contains(leftOut)) << preview.err.toStdString();
    EXPECT_TRUE(preview.err.contains(": the name is 259 bytes long; this drive takes at most 255")) << preview.err.toStdString();

    const CliResult applied = cli.run(QStringList{"apply", "--yes", "--format", "tsv"} + prefix);
    EXPECT_EQ(applied.exitCode, 3);
    EXPECT_TRUE(applied.err.contains("1 renamed, 2 refused (Name Too Long: 1, Name Not UTF-8: 1) in "))
        << applied.err.toStdString();
    EXPECT_TRUE(tree.names("d").contains("new_good.txt"));
    EXPECT_EQ(::unlink(latin1Name.constData()), 0); // untouched (and not a name the tree can remove)
}

// A photo renaming from the shell reads the capture date through Exiv2, without a word on
// stderr.
TEST(Cli, APhotoRenamingReadsTheCaptureDate)
{
    TempTree tree;
    ASSERT_TRUE(MediaFixtures::writeJpeg(tree.at("photo.jpg")));
    {
        ImageMetadata::initializeExiv2();
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(tree.at("photo.jpg")).toStdString());
        image->readMetadata();
        image->exifData()["Exif.Photo.DateTimeOriginal"] = "2021:07:04 10:20:30";
        image->writeMetadata();
    }
    CliRunner cli;
    const CliResult photo = cli.run(QStringList{"preview", "--format", "json", "--set", "selectedTab=7", "--set",
                                                "photoMetaDataList=<EXIF_Date>", tree.at("photo.jpg")});
    ASSERT_EQ(photo.exitCode, 0) << photo.err.toStdString();
    EXPECT_TRUE(photo.err.isEmpty()) << photo.err.toStdString();
    const QJsonArray items = QJsonDocument::fromJson(photo.out.toUtf8()).array();
    ASSERT_EQ(items.size(), 1);
    EXPECT_TRUE(items.at(0)["newFilename"].toString().contains(QStringLiteral("2021"))) << photo.out.toStdString();
    // The json says where the date came from.
    EXPECT_EQ(items.at(0)["dateSource"].toString(), QStringLiteral("EXIF"));
}

// Files of formats the photo method reads but whose extension the photo list lacks are told
// once on stderr, with the setting that adds them; a file of another format is not.
TEST(Cli, APhotoPreviewTellsWhichReadableFormatsItSkipped)
{
    TempTree tree;
    for (const char* name : {"a.jpg", "b.png", "c.PNG", "d.txt"})
        ASSERT_TRUE(MediaFixtures::writeJpeg(tree.at(name)));
    CliRunner cli;
    const QStringList photo{"preview", "--format", "tsv", "--set", "selectedTab=7",
                            "--set", "photoMetaDataList=<FILEINFO_Filename>;<SEQUENCES_Number_Sequence>"};
    const CliResult skipped = cli.run(photo + QStringList{tree.path()});
    ASSERT_EQ(skipped.exitCode, 0) << skipped.err.toStdString();
    EXPECT_EQ(skipped.err, "quorvel-cli: 2 files skipped: .PNG is not in the photo extensions "
                           "(--set \"photoExtensions=.JPG;.JPEG;.EXIF;.TIF;.TIFF;.PNG\" adds them)\n");
    const CliResult added =
        cli.run(photo + QStringList{"--set", "photoExtensions=.JPG;.PNG", tree.path()});
    EXPECT_TRUE(added.err.isEmpty()) << added.err.toStdString();
    EXPECT_EQ(added.out.count("No Changes"), 1) << added.out.toStdString();
}
