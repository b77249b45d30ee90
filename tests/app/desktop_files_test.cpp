// The desktop integration files: validated by the desktop's own tools where they are
// installed, read back for what the file managers need, the Nautilus script run with a
// stand-in program, and an install into a temporary prefix.
#include "testpaths.h"
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kSource = QStringLiteral(QUORVEL_SOURCE_DIR "/resources/desktop/");

struct ToolRun {
    int exitCode = -1;
    QString output;
};

ToolRun run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolRun result;
    if (!process.waitForStarted() || !process.waitForFinished(120000)) {
        result.output = process.errorString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

// The key=value lines of one group of a desktop file.
QMap<QString, QString> desktopGroup(const QString& path, const QString& group)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QMap<QString, QString> keys;
    bool inGroup = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('[')))
            inGroup = line == QLatin1Char('[') + group + QLatin1Char(']');
        else if (inGroup && line.contains(QLatin1Char('=')))
            keys.insert(line.section(QLatin1Char('='), 0, 0), line.section(QLatin1Char('='), 1));
    }
    return keys;
}

TEST(DesktopFiles, DesktopEntryOpensDocumentsAndHasTheAddAction)
{
    const QString entry = kSource + "quorvel.desktop";
    const auto main = desktopGroup(entry, "Desktop Entry");
    EXPECT_EQ(main.value("Exec"), "quorvel %F");
    EXPECT_EQ(main.value("Icon"), "quorvel");
    EXPECT_EQ(main.value("MimeType"), "application/x-quorvel-rule;application/x-quorvel-profile;");
    EXPECT_TRUE(main.value("Actions").split(';').contains("add"));
    const auto add = desktopGroup(entry, "Desktop Action add");
    EXPECT_EQ(add.value("Name"), "Add to Quorvel");
    EXPECT_EQ(add.value("Exec"), "quorvel --add %F");

    const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
    if (validate.isEmpty())
        GTEST_SKIP() << "desktop-file-validate is not installed";
    const ToolRun result = run(validate, {entry});
    EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_TRUE(result.output.trimmed().isEmpty()) << result.output.toStdString();
}

TEST(DesktopFiles, MetainfoValidates)
{
    const QString appstream = QStandardPaths::findExecutable("appstreamcli");
    if (appstream.isEmpty())
        GTEST_SKIP() << "appstreamcli is not installed";
    const ToolRun result = run(appstream, {"validate", "--no-net", kSource + "com.tamsel.Quorvel.metainfo.xml"});
    EXPECT_EQ(result.exitCode, 0) << result.output.toStdString();
}

TEST(DesktopFiles, MimeTypesDeclareBothExtensions)
{
    QFile file(kSource + "quorvel-mime.xml");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QDomDocument document;
    ASSERT_TRUE(document.setContent(&file, true));
    QMap<QString, QString> globs;
    const QDomNodeList types = document.documentElement().elementsByTagName("mime-type");
    for (int i = 0; i < types.size(); ++i) {
        const QDomElement type = types.at(i).toElement();
        globs.insert(type.attribute("type"), type.firstChildElement("glob").attribute("pattern"));
    }
    EXPECT_EQ(globs.value("application/x-quorvel-rule"), "*.qvrule");
    EXPECT_EQ(globs.value("application/x-quorvel-profile"), "*.qvprofile");
    EXPECT_EQ(globs.size(), 2);

    // The desktop's own compiler accepts the file and makes both types of it.
    const QString update = QStandardPaths::findExecutable("update-mime-database");
    if (update.isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    QTemporaryDir mime;
    ASSERT_TRUE(QDir(mime.path()).mkpath("packages"));
    ASSERT_TRUE(QFile::copy(kSource + "quorvel-mime.xml", mime.filePath("packages/quorvel.xml")));
    const ToolRun result = run(update, {mime.path()});
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
    EXPECT_TRUE(QFile::exists(mime.filePath("application/x-quorvel-rule.xml")));
    EXPECT_TRUE(QFile::exists(mime.filePath("application/x-quorvel-profile.xml")));
}

TEST(DesktopFiles, DolphinServiceMenuAddsTheSelection)
{
    const QString menu = kSource + "quorvel-servicemenu.desktop";
    const auto main = desktopGroup(menu, "Desktop Entry");
    EXPECT_EQ(main.value("Type"), "Service");
    EXPECT_TRUE(main.value("MimeType").split(';').contains("all/all"));
    const QString action = main.value("Actions").section(';', 0, 0);
    ASSERT_FALSE(action.isEmpty());
    const auto entry = desktopGroup(menu, "Desktop Action " + action);
    EXPECT_EQ(entry.value("Name"), "Rename with Quorvel");
    EXPECT_EQ(entry.value("Exec"), "quorvel --add %F");
}

// The Nautilus script with a stand-in "quorvel" first on PATH that writes its arguments,
// each ended by a NUL byte.
class NautilusScript : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString output;
    QString folder;

    void SetUp() override
    {
        if (QStandardPaths::findExecutable("bash").isEmpty())
            GTEST_SKIP() << "bash is not installed";
        output = dir.filePath("arguments");
        folder = dir.filePath("files");
        QDir(dir.path()).mkpath("bin");
        QDir(dir.path()).mkpath("files");
        QFile stand(dir.filePath("bin/quorvel"));
        ASSERT_TRUE(stand.open(QIODevice::WriteOnly));
        stand.write("#!/bin/bash\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$OUTPUT\"\n");
        stand.close();
        stand.setPermissions(stand.permissions() | QFileDevice::ExeOwner);
    }

    QString touch(const QString& name)
    {
        const QString path = folder + '/' + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    QStringList runScript(const QStringList& arguments, const QString& selection)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", dir.filePath("bin") + ':' + env.value("PATH"));
        env.insert("OUTPUT", output);
        env.insert("NAUTILUS_SCRIPT_SELECTED_FILE_PATHS", selection);
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(folder);
        process.start("bash", QStringList{kSource + "nautilus-rename-with-quorvel.sh"} + arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        QFile file(output);
        if (!file.open(QIODevice::ReadOnly))
            return {"<not run>"};
        QStringList args = QString::fromUtf8(file.readAll()).split(QChar(0));
        args.removeLast();
        return args;
    }
};

TEST_F(NautilusScript, ArgumentsPassWholeEvenWithLineFeeds)
{
    touch("two\nlines");
    touch("-dash");
    EXPECT_EQ(runScript({"two\nlines", "-dash"}, ""), (QStringList{"--add", "--", "two\nlines", "-dash"}));
}

TEST_F(NautilusScript, TheSelectionVariableKeepsNamesWithLineFeeds)
{
    const QString a = touch("plain");
    const QString b = touch("name\nwith\nfeeds");
    const QString c = touch(" spaced ");
    const QString gone = folder + "/gone";
    const QString selection = a + '\n' + b + '\n' + gone + '\n' + c + '\n';
    EXPECT_EQ(runScript({}, selection), (QStringList{"--add", "--", a, b, gone, c}));

    // Nothing selected: the program is not started.
    QFile::remove(output);
    EXPECT_EQ(runScript({}, ""), QStringList{"<not run>"});
}

TEST(DesktopFiles, InstallPutsEveryFileWhereDesktopsFindIt)
{
    const QString cmake = QStandardPaths::findExecutable("cmake");
    if (cmake.isEmpty())
        GTEST_SKIP() << "cmake is not on PATH";
    QTemporaryDir prefix;
    const ToolRun result = run(cmake, {"--install", QUORVEL_BINARY_DIR, "--prefix", prefix.path(), "--component", "desktop"});
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();

    const QDir share(prefix.filePath("share"));
    const QStringList expected{
        "applications/quorvel.desktop",
        "mime/packages/quorvel.xml",
        "metainfo/com.tamsel.Quorvel.metainfo.xml",
        "icons/hicolor/16x16/apps/quorvel.png",
        "icons/hicolor/32x32/apps/quorvel.png",
        "icons/hicolor/48x48/apps/quorvel.png",
        "icons/hicolor/64x64/apps/quorvel.png",
        "icons/hicolor/128x128/apps/quorvel.png",
        "icons/hicolor/256x256/apps/quorvel.png",
        "icons/hicolor/scalable/apps/quorvel.svg",
        "kio/servicemenus/quorvel-servicemenu.desktop",
        "quorvel/nautilus-rename-with-quorvel.sh",
    };
    for (const QString& file : expected)
        EXPECT_TRUE(QFileInfo(share.filePath(file)).isFile()) << file.toStdString();
    EXPECT_TRUE(QFileInfo(share.filePath("quorvel/nautilus-rename-with-quorvel.sh")).isExecutable());
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        EXPECT_TRUE(QFile::exists(share.filePath("mime/application/x-quorvel-rule.xml")));
    }

    // The programs, when this build has made all three.
    const QStringList programs{"app/quorvel", "app/quorvel2", "cli/quorvel-cli"};
    for (const QString& program : programs) {
        if (!QFileInfo(QStringLiteral(QUORVEL_BINARY_DIR "/") + program).isExecutable())
            return;
    }
    const ToolRun binaries = run(cmake, {"--install", QUORVEL_BINARY_DIR, "--prefix", prefix.path(), "--component", "programs"});
    ASSERT_EQ(binaries.exitCode, 0) << binaries.output.toStdString();
    for (const char* program : {"quorvel", "quorvel2", "quorvel-cli"})
        EXPECT_TRUE(QFileInfo(prefix.filePath("bin/") + program).isExecutable()) << program;
}

} // namespace
