// Malformed and oversized documents: profiles, rule files, preferences, rename logs and
// rename lists that are truncated, not XML, of the wrong shape, nested or expanded past
// reason, or huge. Each is refused with its message and changes nothing: no setting, no
// rule, no file on disk (and an unreadable log is never deleted).
#include "session.h"
#include "treestate.h"

#include "intake/intake.h"
#include "intake/renamefromlist.h"
#include "platform/apppaths.h"
#include "platform/messages.h"
#include "profiles/preferences.h"
#include "profiles/rulefile.h"
#include "profiles/settingsloader.h"
#include "support/temptree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kPlistHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                              "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n";

QByteArray nested(int depth)
{
    return QByteArray("<array>").repeated(depth) + QByteArray("</array>").repeated(depth);
}

// Entities that would expand to gigabytes if a parser expanded them.
QByteArray entityBomb(const QByteArray& rootAttributes)
{
    QByteArray doc = "<?xml version=\"1.0\"?>\n<!DOCTYPE plist [\n<!ENTITY a0 \"aaaaaaaaaa\">\n";
    for (int i = 1; i < 10; ++i)
        doc += "<!ENTITY a" + QByteArray::number(i) + " \"" + QByteArray("&a" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    doc += "]>\n<plist" + rootAttributes + " version=\"1.0\"><dict><key>selectedTab</key><string>&a9;</string></dict></plist>\n";
    return doc;
}

// The documents every reader is given: each is wrong in its own way.
// A log whose one entry holds an entity that would expand to ten gigabytes.
QByteArray logBomb(const QByteArray& entry)
{
    QByteArray doc = "<?xml version=\"1.0\"?>\n<!DOCTYPE files [\n<!ENTITY a0 \"/aaaaaaaaa\">\n";
    for (int i = 1; i < 10; ++i)
        doc += "<!ENTITY a" + QByteArray::number(i) + " \"" + QByteArray("&a" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    QByteArray bomb = entry;
    bomb.replace("srcfilename=\"was.txt\"", "srcfilename=\"&a9;\"");
    return doc + "]>\n<files appversion=\"3.0.0\" type=\"FILES\">" + bomb + "</files>\n";
}

QList<QPair<const char*, QByteArray>> malformedPlists(const QByteArray& rootAttributes)
{
    const QByteArray open = kPlistHead + "<plist" + rootAttributes + " version=\"1.0\">";
    return {
        {"empty", QByteArray()},
        {"not XML", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
        {"truncated", open + "<dict><key>selectedTab</key><string>2</str"},
        {"unclosed", open + "<dict><key>selectedTab</key><string>2</string>"},
        {"wrong root", open + "<string>just a text</string></plist>"},
        {"wrong types", open + "<dict><key>selectedTab</key><dict/><key>isFiles</key><array/></dict></plist>"},
        {"nested 100000 deep", open + nested(100000) + "</plist>"},
        {"entity expansion", entityBomb(rootAttributes)},
        {"invalid UTF-8", open + "<dict><key>prefixSuffixPrefix</key><string>\xff\xfe\xc3</string></dict></plist>"},
        {"NUL in a key", open + "<dict><key>a" + QByteArray(1, '\0') + "b</key><string>x</string></dict></plist>"},
        {"binary, cut", QByteArray("bplist00\xd1\x01\x02", 11)},
        {"binary, self reference", QByteArray("bplist00\xa1\x00\x08\x0a\x00\x00\x00\x00\x00\x00\x01\x01\x00\x00\x00"
                                              "\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00"
                                              "\x00\x00\x00\x00\x0c", 40)},
    };
}

QString write(TempTree& tree, const QString& name, const QByteArray& data)
{
    return tree.file(name, data);
}

// A file of the given size that takes no room on disk (a hole after the head).
QString sparseFile(TempTree& tree, const QString& name, const QByteArray& head, qint64 size)
{
    const QString path = tree.file(name, head);
    EXPECT_EQ(::truncate(QFile::encodeName(path).constData(), off_t(size)), 0);
    return path;
}

} // namespace

TEST(HostileFiles, MalformedProfilesChangeNoSetting)
{
    TempTree tree;
    Session s(tree.folder("Logs"));
    s.set("selectedTab", "2");
    s.set("replaceRemoveThis", "kept");
    const QVariantMap before = s.state.settings.getCurrentSettings();
    for (const auto& [what, data] : malformedPlists(QByteArray())) {
        SCOPED_TRACE(what);
        const QString path = write(tree, QStringLiteral("bad.qvprofile"), data);
        s.ui.alerts.clear();
        SettingsLoader loader(s.state, s.ui);
        EXPECT_NE(loader.setCurrentSettings(path), ProfileLoadResult::Loaded);
        EXPECT_EQ(s.state.settings.getCurrentSettings(), before);
        EXPECT_TRUE(s.state.currProfileFile.isEmpty());
        ASSERT_EQ(s.ui.alerts.size(), 1);
        EXPECT_EQ(s.ui.alerts[0].style, AlertStyle::Critical);
    }
}

TEST(HostileFiles, MalformedRuleFilesChangeNoRule)
{
    TempTree tree;
    Session s(tree.folder("Logs"));
    s.state.rules = {QVariantMap{{"rule", "Replace"}, {"type", "Replace"}, {"isActive", "1"}}};
    const QList<QVariantMap> before = s.state.rules;
    for (const auto& [what, data] : malformedPlists(QByteArray(" appversion=\"3.0.0\""))) {
        SCOPED_TRACE(what);
        const QString path = write(tree, QStringLiteral("bad.qvrule"), data);
        for (bool checkVersion : {true, false}) {
            s.ui.alerts.clear();
            EXPECT_FALSE(RuleFile::loadRulesFromFile(s.state, s.ui, path, checkVersion));
            EXPECT_EQ(s.state.rules, before);
            ASSERT_EQ(s.ui.alerts.size(), 1);
            EXPECT_EQ(s.ui.alerts[0].message, msg("OPENRULEINCOMPATIBLE"));
        }
    }
}

TEST(HostileFiles, MalformedPreferencesKeepTheDefaultFolders)
{
    QString error;
    ASSERT_TRUE(createApplicationFolders(error)) << error.toStdString();
    const QString path = PreferencesFile::preferencesFilePath();
    for (const auto& [what, data] : malformedPlists(QByteArray())) {
        SCOPED_TRACE(what);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(data);
        file.close();
        Preferences prefs = PreferencesFile::defaultPreferences();
        loadPreferences(prefs);
        EXPECT_EQ(prefs.defaultLogFolderPath, PreferencesFile::defaultPreferences().defaultLogFolderPath);
        EXPECT_EQ(prefs.defaultRulesFolderPath, PreferencesFile::defaultPreferences().defaultRulesFolderPath);
        EXPECT_FALSE(prefs.automaticSaveCurrProfile);
    }
    QFile::remove(path);
}

TEST(HostileFiles, UnreadableLogsAreNeitherUndoneNorDeleted)
{
    TempTree tree;
    tree.file("t/now.txt", "x");
    const TreeState original = TreeState::read(tree.at("t"));
    const QByteArray entry = "<file srclocation=\"" + QFile::encodeName(tree.at("t")) +
                             "\" tarlocation=\"" + QFile::encodeName(tree.at("t")) +
                             "\" srcfilename=\"was.txt\" tarfilename=\"now.txt\"/>";
    const QList<QPair<const char*, QByteArray>> logs = {
        {"empty", QByteArray()},
        {"not XML", QByteArray("\0\1\2\3garbage", 11)},
        {"wrong root", "<?xml version=\"1.0\"?><plist appversion=\"3.0.0\">" + entry + "</plist>"},
        {"nothing before a premature end", "<?xml version=\"1.0\"?><files appversion=\"3.0.0\" type=\"FILES\"><file srcloc"},
        {"another major version", "<?xml version=\"1.0\"?><files appversion=\"2.6.0\" type=\"FILES\">" + entry + "</files>"},
        {"entity expansion", logBomb(entry)},
    };
    for (const auto& [what, data] : logs) {
        SCOPED_TRACE(what);
        const QString path = tree.file(QStringLiteral("Logs/Log 07-03-2026 09-05-02-1.xml"), data);
        Session s(tree.at("Logs"));
        const UndoOutcome outcome = s.undo(path);
        EXPECT_NE(outcome.status, UndoOutcome::Status::Undone);
        EXPECT_EQ(outcome.restored, 0);
        EXPECT_TRUE(QFile::exists(path));
        EXPECT_EQ(TreeState::read(tree.at("t")), original);
    }
}

TEST(HostileFiles, LogEntriesThatNameNoUsablePathAreSkipped)
{
    TempTree tree;
    tree.file("t/now.txt", "x");
    tree.file("t/sub/inner.txt", "y");
    const QByteArray t = QFile::encodeName(tree.at("t"));
    const QByteArray log = "<?xml version=\"1.0\"?><files appversion=\"3.0.0\" type=\"FILES\">"
        "<file srclocation=\"relative/folder\" tarlocation=\"" + t + "\" srcfilename=\"a.txt\" tarfilename=\"now.txt\"/>"
        "<file srclocation=\"" + t + "\" tarlocation=\"" + t + "\" srcfilename=\"..\" tarfilename=\"now.txt\"/>"
        "<file srclocation=\"" + t + "\" tarlocation=\"" + t + "\" srcfilename=\"\" tarfilename=\"now.txt\"/>"
        "<file srclocation=\"" + t + "\" tarlocation=\"" + t + "\" srcfilename=\"now.txt\"/>"
        "<file srclocation=\"" + t + "\" tarlocation=\"" + t + "/sub\" srcfilename=\"sub/../escape\" tarfilename=\"inner.txt\"/>"
        "</files>";
    const QString path = tree.file(QStringLiteral("Logs/Log 07-03-2026 09-05-02-5.xml"), log);
    Session s(tree.at("Logs"));
    const UndoOutcome outcome = s.undo(path);
    EXPECT_EQ(outcome.status, UndoOutcome::Status::Undone);
    EXPECT_EQ(outcome.elements, 5);
    // "sub/../escape" is a display name: its "/" are ":" on disk, so it names one file
    // "sub:..:escape" beside the others, never a path that climbs out of the folder.
    EXPECT_EQ(outcome.restored, 1);
    EXPECT_TRUE(QFile::exists(tree.at("t/sub:..:escape")));
    EXPECT_TRUE(QFile::exists(tree.at("t/now.txt")));
}

TEST(HostileFiles, MalformedRenameListsAreRefusedWithTheirMessage)
{
    TempTree tree;
    const QString a = tree.file("t/a.txt", "a");
    const QByteArray folder = QFile::encodeName(tree.at("t"));
    const QList<std::tuple<const char*, QByteArray, const char*>> lists = {
        {"empty", QByteArray(), "RENAMEFROMFILEMESSAGE"},
        {"one line", "a.txt\tb.txt\t" + folder + "\n", "RENAMEFROMFILEMESSAGE"},
        {"invalid UTF-8", "a.txt\tb\xff.txt\t" + folder + "\na.txt\tc.txt\t" + folder + "\n", "RENAMEFROMFILENOTTEXT"},
        {"NUL", "a.txt\tb.txt\t" + folder + QByteArray(1, '\0') + "\nx\ty\t" + folder + "\n", "RENAMEFROMFILENOTTEXT"},
        {"UTF-16", QByteArray("\xff\xfe" "a\0.\0t\0", 8), "RENAMEFROMFILENOTTEXT"},
        {"two fields", "a.txt\tb.txt\nc\td\n", "RENAMEFROMFILEMESSAGE"},
        {"relative folders", "a.txt\tb.txt\tt\na.txt\tb.txt\t./t\n", "RENAMEFROMFILEMESSAGE"},
        {"names that climb", "..\tb.txt\t" + folder + "\n.\tb.txt\t" + folder + "\n", "RENAMEFROMFILEMESSAGE"},
    };
    for (const auto& [what, data, key] : lists) {
        SCOPED_TRACE(what);
        QString failure;
        EXPECT_FALSE(parseRenameList(data, 0, &failure).has_value());
        EXPECT_EQ(failure, QLatin1String(key));
    }
    EXPECT_TRUE(QFile::exists(a));
}

TEST(HostileFiles, HugeFilesAreRefusedWithoutBeingReadWhole)
{
    TempTree tree;
    Session s(tree.folder("Logs"));
    const QVariantMap settingsBefore = s.state.settings.getCurrentSettings();
    constexpr qint64 kHuge = qint64(1) << 30; // 1 GiB, all of it a hole

    // A rename list larger than any list someone wrote.
    const QString list = sparseFile(tree, QStringLiteral("list.txt"), "a\tb\t/tmp\n", kHuge);
    s.state.settings.setText("renameFile", list);
    Intake intake(s.state, s.ui);
    EXPECT_FALSE(loadRenameFile(s.state, s.ui, intake));
    ASSERT_FALSE(s.ui.alerts.isEmpty());
    EXPECT_EQ(s.ui.alerts.last().message, msg("UNABLETOOPENFILE"));

    // A profile and a rule file whose start is right and whose rest is huge.
    const QString profile = sparseFile(tree, QStringLiteral("huge.qvprofile"),
                                       kPlistHead + "<plist version=\"1.0\">\n<dict>", kHuge);
    SettingsLoader loader(s.state, s.ui);
    QString why;
    EXPECT_NE(loader.setCurrentSettings(profile, &why), ProfileLoadResult::Loaded);
    EXPECT_TRUE(why.contains(QLatin1String("too large"))) << why.toStdString();
    EXPECT_EQ(s.state.settings.getCurrentSettings(), settingsBefore);

    const QString rule = sparseFile(tree, QStringLiteral("huge.qvrule"),
                                    kPlistHead + "<plist appversion=\"3.0.0\" version=\"1.0\">\n<array>", kHuge);
    QList<QVariantMap> steps;
    EXPECT_EQ(RuleFile::read(rule, steps, true, &why), RuleFile::ReadResult::Unreadable);
    EXPECT_TRUE(why.contains(QLatin1String("too large"))) << why.toStdString();
    EXPECT_TRUE(steps.isEmpty());

    // A huge log is read as a stream and refused at its first damage; it stays.
    const QString log = sparseFile(tree, QStringLiteral("Logs/Log 07-03-2026 09-05-02-1.xml"),
                                   "<?xml version=\"1.0\"?><files appversion=\"3.0.0\" type=\"FILES\">", kHuge);
    const UndoOutcome outcome = s.undo(log);
    EXPECT_NE(outcome.status, UndoOutcome::Status::Undone);
    EXPECT_TRUE(QFile::exists(log));
}

// A device that never ends and a FIFO that no one writes to, given as a profile, a rule
// file or a rename list: refused at once, never read (or waited on).
TEST(HostileFiles, DevicesAndFifosAreNotRead)
{
    TempTree tree;
    const QString fifo = tree.at("pipe.qvprofile");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    Session s(tree.folder("Logs"));
    const QVariantMap settingsBefore = s.state.settings.getCurrentSettings();
    for (const QString& path : {QStringLiteral("/dev/zero"), fifo}) {
        SCOPED_TRACE(path.toStdString());
        SettingsLoader loader(s.state, s.ui);
        QString why;
        EXPECT_NE(loader.setCurrentSettings(path, &why), ProfileLoadResult::Loaded);
        EXPECT_TRUE(why.contains(QLatin1String("not a regular file"))) << why.toStdString();
        EXPECT_EQ(s.state.settings.getCurrentSettings(), settingsBefore);

        QList<QVariantMap> steps;
        EXPECT_EQ(RuleFile::read(path, steps, false, &why), RuleFile::ReadResult::Unreadable);

        s.state.settings.setText("renameFile", path);
        Intake intake(s.state, s.ui);
        s.ui.alerts.clear();
        EXPECT_FALSE(loadRenameFile(s.state, s.ui, intake));
        ASSERT_EQ(s.ui.alerts.size(), 1);
        EXPECT_EQ(s.ui.alerts[0].message, msg("UNABLETOOPENFILE"));
    }
}
