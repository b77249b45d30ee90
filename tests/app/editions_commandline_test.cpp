// The built programs asked for their version or usage: they answer on stdout and end,
// without a window, a data folder or a word to a running instance.
#include "app/singleinstance.h"
#include "platform/edition.h"
#include "testpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    bool finished = false;
    int exitCode = -1;
    QString out;
    QString err;
};

// A private home for the programs, with a running instance listening where they would
// hand off their paths.
class ProgramHome {
public:
    ProgramHome()
    {
        for (const char* folder : {"data", "config", "run"})
            QDir(dir_.path()).mkdir(folder);
        QFile::setPermissions(runtime(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    QString data() const { return dir_.filePath("data"); }
    QString runtime() const { return dir_.filePath("run"); }
    QString root() const { return dir_.path(); }

    // Runs a program of the build folder to its end, serving hand-offs meanwhile.
    Outcome run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_DATA_HOME", data());
        env.insert("XDG_CONFIG_HOME", dir_.filePath("config"));
        env.insert("XDG_RUNTIME_DIR", runtime());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir_.path());
        process.start(QStringLiteral(QUORVEL_BINARY_DIR "/") + program, arguments);
        Outcome outcome;
        // The event loop keeps running so that a running instance here can answer.
        outcome.finished = process.waitForStarted()
                           && QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 60000);
        if (!outcome.finished) {
            process.kill();
            process.waitForFinished();
            return outcome;
        }
        outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        outcome.out = QString::fromUtf8(process.readAllStandardOutput());
        outcome.err = QString::fromUtf8(process.readAllStandardError());
        return outcome;
    }

private:
    QTemporaryDir dir_;
};

struct Program {
    QString path;
    QString socketName;
    Edition edition;
};

const QList<Program>& programs()
{
    static const QList<Program> list = {{"app/quorvel", "quorvel.socket", Edition::quorvel()},
                                        {"app/quorvel2", "quorvel2.socket", Edition::quorvel2()}};
    return list;
}

} // namespace

TEST(EditionCommandLine, VersionAndHelpAreAnsweredWithoutAWindowOrAHandOff)
{
    for (const Program& program : programs()) {
        SCOPED_TRACE(program.path.toStdString());
        ProgramHome home;
        SingleInstance running;
        QList<SingleInstance::Request> received;
        ASSERT_EQ(running.listen([&](const SingleInstance::Request& r) { received << r; },
                                 home.runtime() + "/" + program.socketName),
                  SingleInstance::ListenResult::Listening);

        const QString version = program.edition.displayName + " " + program.edition.version + "\n";
        for (const QString& option : {QStringLiteral("--version"), QStringLiteral("-v")}) {
            const Outcome o = home.run(program.path, {option});
            ASSERT_TRUE(o.finished) << option.toStdString();
            EXPECT_EQ(o.exitCode, 0);
            EXPECT_EQ(o.out, version);
        }
        // Whatever else stands beside it.
        const Outcome mixed = home.run(program.path, {"somefile.txt", "--version"});
        ASSERT_TRUE(mixed.finished);
        EXPECT_EQ(mixed.out, version);

        const Outcome help = home.run(program.path, {"--help"});
        ASSERT_TRUE(help.finished);
        EXPECT_EQ(help.exitCode, 0);
        const QString name = QFileInfo(program.path).fileName();
        EXPECT_TRUE(help.out.startsWith("Usage: " + name + " [PATH...]\n")) << help.out.toStdString();
        EXPECT_TRUE(help.out.contains("--version"));
        // The services entry is offered only where it exists.
        EXPECT_EQ(help.out.contains("--add"), program.edition.hasServicesEntry);

        EXPECT_TRUE(received.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(home.data() + "/Tamsel")) << "the program started up";

        // After "--" it is a path like any other: handed to the running instance.
        const Outcome asPath = home.run(program.path, {"--", "--version"});
        ASSERT_TRUE(asPath.finished);
        EXPECT_EQ(asPath.exitCode, 0);
        EXPECT_EQ(asPath.out, "");
        ASSERT_EQ(received.size(), 1);
        EXPECT_EQ(received.first().paths, QStringList{home.root() + "/--version"});
    }
}

TEST(EditionCommandLine, TheCommandLineProgramNamesItsEditionAndVersion)
{
    ProgramHome home;
    const Outcome o = home.run("cli/quorvel-cli", {"--version"});
    ASSERT_TRUE(o.finished);
    EXPECT_EQ(o.exitCode, 0);
    const Edition current = Edition::quorvel();
    EXPECT_EQ(o.out, "quorvel-cli (" + current.displayName + ") " + current.version + "\n");
}
