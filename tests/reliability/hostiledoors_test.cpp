// Every door through which the program reads a user-named or stored file (profiles, rule
// files from every entry, rename lists, rename logs from every entry, preferences, the
// defaults store, the command line's file arguments), given a FIFO no one writes to, an
// endless device, a folder, a link to nothing, a file that may not be read and a file past
// the reader's cap: each is refused at once, never waited on, and nothing changes.
#include "clirunner.h"
#include "session.h"
#include "treestate.h"

#include "intake/intake.h"
#include "intake/openeddocuments.h"
#include "intake/renamefromlist.h"
#include "platform/defaultsstore.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "profiles/preferences.h"
#include "profiles/profilecommands.h"
#include "profiles/rulefile.h"
#include "profiles/settingsloader.h"
#include "support/hostilepaths.h"
#include "support/temptree.h"
#include "undo/logfilelist.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kHuge = qint64(1) << 30; // past every cap, all of it a hole

// The kind of thing at a path, without following a link (0 when nothing is there).
mode_t kindAt(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & S_IFMT) : 0;
}

QString linkTarget(const QString& path)
{
    char buffer[4096];
    const ssize_t n = ::readlink(QFile::encodeName(path).constData(), buffer, sizeof buffer);
    return n < 0 ? QString() : QFile::decodeName(QByteArray(buffer, int(n)));
}

const QVariantMap kStep{{"rule", "Replace"}, {"type", "Replace"}, {"isActive", "1"}};

} // namespace

TEST(HostileDoors, ProfilesRuleFilesAndRenameListsRefuseWhatIsNotAReadableFile)
{
    TempTree tree;
    Session s(tree.folder("Logs"));
    s.set("selectedTab", "2");
    s.set("replaceRemoveThis", "kept");
    s.state.rules = {kStep};
    ASSERT_TRUE(ProfileCommands::writeProfile(s.state, tree.at("good.qvprofile")));
    ASSERT_TRUE(RuleFile::write(tree.at("good.qvrule"), s.state.rules));
    const QByteArray folder = QFile::encodeName(tree.folder("t"));
    const QByteArray list = "a.txt\tb.txt\t" + folder + "\nc.txt\td.txt\t" + folder + "\n";
    const QVariantMap settingsBefore = s.state.settings.getCurrentSettings();
    const QList<QVariantMap> rulesBefore = s.state.rules;
    const QList<HostilePath> profiles = hostilePaths(tree, "p.qvprofile", tree.read("good.qvprofile"), kHuge);
    const QList<HostilePath> rules = hostilePaths(tree, "r.qvrule", tree.read("good.qvrule"), kHuge);
    const QList<HostilePath> lists = hostilePaths(tree, "l.txt", list, kHuge);
    QList<mode_t> kindsBefore;
    for (const QList<HostilePath>* paths : {&profiles, &rules, &lists})
        for (const HostilePath& p : *paths)
            kindsBefore << kindAt(p.path);

    PermissionsApply asAnyUser;
    for (const HostilePath& p : profiles) {
        SCOPED_TRACE(std::string("profile: ") + p.what);
        SettingsLoader loader(s.state, s.ui);
        QString why;
        EXPECT_NE(loader.setCurrentSettings(p.path, &why), ProfileLoadResult::Loaded);
        EXPECT_TRUE(why.contains(p.path)) << why.toStdString();
        EXPECT_EQ(s.state.settings.getCurrentSettings(), settingsBefore);
        EXPECT_TRUE(s.state.currProfileFile.isEmpty());
    }
    for (const HostilePath& p : rules) {
        SCOPED_TRACE(std::string("rule file: ") + p.what);
        QList<QVariantMap> steps;
        QString why;
        EXPECT_EQ(RuleFile::read(p.path, steps, true, &why), RuleFile::ReadResult::Unreadable);
        EXPECT_TRUE(why.contains(p.path)) << why.toStdString();
        EXPECT_TRUE(steps.isEmpty());
        // The rules menu and the drawer (no version test), the sheet and opened documents.
        for (bool checkVersion : {false, true}) {
            s.ui.alerts.clear();
            EXPECT_FALSE(RuleFile::loadRulesFromFile(s.state, s.ui, p.path, checkVersion));
            ASSERT_EQ(s.ui.alerts.size(), 1);
            EXPECT_EQ(s.ui.alerts[0].message, msg("OPENRULEINCOMPATIBLE"));
        }
        if (OpenedDocuments::documentType(p.path) == OpenedDocuments::DocumentType::Rule) {
            OpenedDocuments documents(s.state, s.ui);
            EXPECT_EQ(documents.applicationOpenFiles({p.path}), OpenedDocuments::Reply::Failure);
        }
        EXPECT_EQ(s.state.rules, rulesBefore);
    }
    for (const HostilePath& p : lists) {
        SCOPED_TRACE(std::string("rename list: ") + p.what);
        s.state.settings.setText("renameFile", p.path);
        Intake intake(s.state, s.ui);
        s.ui.alerts.clear();
        EXPECT_FALSE(loadRenameFile(s.state, s.ui, intake));
        ASSERT_EQ(s.ui.alerts.size(), 1);
        EXPECT_EQ(s.ui.alerts[0].message, msg("UNABLETOOPENFILE"));
        EXPECT_TRUE(s.state.list.isEmpty());
    }
    QList<mode_t> kindsAfter;
    for (const QList<HostilePath>* paths : {&profiles, &rules, &lists})
        for (const HostilePath& p : *paths)
            kindsAfter << kindAt(p.path);
    EXPECT_EQ(kindsAfter, kindsBefore);
}

TEST(HostileDoors, LogsThatAreNotReadableFilesAreNeitherUndoneViewedListedNorDeleted)
{
    TempTree tree;
    tree.file("t/now.txt", "x");
    const QByteArray t = QFile::encodeName(tree.at("t"));
    const QByteArray log = "<?xml version=\"1.0\"?><files appversion=\"3.0.0\" type=\"FILES\"><file srclocation=\""
        + t + "\" tarlocation=\"" + t + "\" srcfilename=\"was.txt\" tarfilename=\"now.txt\"/></files>";
    const QString good = tree.file("Logs/Log 07-03-2026 09-05-02-1.xml", log);
    QList<HostilePath> logs = hostilePaths(tree, "Logs/Log 08-03-2026 09-05-02-1.xml", log);
    logs += hostilePaths(tree, "Logs/Log 09-03-2026 09-05-02-#.xml", log);
    const TreeState original = TreeState::read(tree.at("t"));
    QList<mode_t> kindsBefore;
    for (const HostilePath& p : logs)
        kindsBefore << kindAt(p.path);

    PermissionsApply asAnyUser;
    Session s(tree.at("Logs"));
    for (const HostilePath& p : logs) {
        SCOPED_TRACE(p.what + (" " + p.path.toStdString()));
        const UndoOutcome outcome = s.undo(p.path);
        EXPECT_NE(outcome.status, UndoOutcome::Status::Undone);
        EXPECT_EQ(outcome.restored, 0);
        UndoSheetController sheet(s.state, s.ui);
        sheet.openLogFileAtPath(p.path);
        EXPECT_EQ(sheet.totalFilesCanBeUndoFromLog(), 0);
        sheet.viewLogFileContent();
        EXPECT_TRUE(s.ui.openedDocuments.isEmpty());
    }
    const QList<LogFileEntry> listed = LogFileList::listLogFiles(tree.at("Logs"));
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed[0].logFilePath, good);
    EXPECT_EQ(TreeState::read(tree.at("t")), original);
    QList<mode_t> kindsAfter;
    for (const HostilePath& p : logs)
        kindsAfter << kindAt(p.path);
    EXPECT_EQ(kindsAfter, kindsBefore);
    EXPECT_EQ(tree.read("Logs/Log 07-03-2026 09-05-02-1.xml"), log);
}

TEST(HostileDoors, PreferencesAndTheDefaultsStoreLeaveWhatIsNotAFileAlone)
{
    QString error;
    ASSERT_TRUE(createApplicationFolders(error)) << error.toStdString();
    TempTree tree;
    const QString preferences = PreferencesFile::preferencesFilePath();
    const QString store = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/'
        + Edition::current().organization + '/' + Edition::current().defaultsApplication + ".ini";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(store).path()));
    const QByteArray prefs = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>defaultLogFolderPath</key>"
                             "<string>/elsewhere</string></dict></plist>";
    const QList<HostilePath> targets = hostilePaths(tree, "target", prefs, kHuge);

    PermissionsApply asAnyUser;
    for (const HostilePath& p : targets) {
        SCOPED_TRACE(p.what);
        const mode_t kind = kindAt(p.path);
        for (const QString& link : {preferences, store}) {
            QFile::remove(link);
            ASSERT_EQ(::symlink(QFile::encodeName(p.path).constData(), QFile::encodeName(link).constData()), 0);
        }
        Preferences loaded = PreferencesFile::defaultPreferences();
        loadPreferences(loaded);
        EXPECT_EQ(loaded.defaultLogFolderPath, PreferencesFile::defaultPreferences().defaultLogFolderPath);

        DefaultsStore defaults;
        EXPECT_FALSE(defaults.contains("LASTRULE"));
        defaults.setValue("LASTRULE", QByteArray("x"));
        EXPECT_EQ(defaults.value("LASTRULE"), QByteArray("x"));
        EXPECT_FALSE(defaults.synchronize());

        // What is not a file stays as it was; a regular file that cannot be read as
        // preferences is replaced by the current values.
        EXPECT_EQ(linkTarget(store), p.path);
        if (kind != S_IFREG) {
            EXPECT_EQ(linkTarget(preferences), p.path);
            EXPECT_EQ(kindAt(p.path), kind);
        }
    }
    QFile::remove(preferences);
    QFile::remove(store);
}

// The command line's file arguments lead through the same doors. (The unreadable file is
// left out here: the program runs as its own process, with root's permissions when the
// tests do; the reader's refusal of it is shown above.)
TEST(HostileDoors, TheCommandLineRefusesThemWithTheirNames)
{
    if (CliRunner::program().isEmpty())
        GTEST_SKIP() << "quorvel-cli is not built";
    TempTree tree;
    tree.file("t/a b.txt");
    CliRunner cli;
    const TreeState before = TreeState::read(tree.at("t"));
    QList<HostilePath> paths = hostilePaths(tree, "x.qvrule", QByteArray(), kHuge);
    paths.removeIf([](const HostilePath& p) { return QByteArray(p.what) == "an unreadable file"; });
    for (const HostilePath& p : paths) {
        for (const QStringList& args : {QStringList{"preview", "--rule", p.path, tree.at("t")},
                                        QStringList{"apply", "--yes", "--profile", p.path, tree.at("t")},
                                        QStringList{"undo", "--yes", p.path},
                                        QStringList{"import-list", p.path, "--apply", "--yes"}}) {
            SCOPED_TRACE(args.join(' ').toStdString());
            const CliRunner::Result r = cli.run(args);
            EXPECT_EQ(r.exitCode, 3);
            EXPECT_TRUE(QString::fromUtf8(r.err).contains(p.path)) << r.err.toStdString();
        }
    }
    EXPECT_EQ(TreeState::read(tree.at("t")), before);
}
