#include "clirunner.h"
#include "testpaths.h"

#include <QProcess>
#include <QProcessEnvironment>

QStringList CliResult::lines() const
{
    return out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

CliRunner::CliRunner() = default;

QString CliRunner::dataFolder() const
{
    return home_.path() + QStringLiteral("/data/Tamsel/Quorvel3");
}

QString CliRunner::logsFolder() const
{
    return dataFolder() + QStringLiteral("/Logs");
}

CliResult CliRunner::run(const QStringList& args, const QString& workingFolder) const
{
    return run(args, workingFolder, {});
}

CliResult CliRunner::run(const QStringList& args, const QList<std::pair<QString, QString>>& environment) const
{
    return run(args, QString(), environment);
}

CliResult CliRunner::run(const QStringList& args, const QString& workingFolder,
                         const QList<std::pair<QString, QString>>& environment) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // English unless the test names the language itself.
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("en_US.UTF-8"));
    for (const auto& [name, value] : environment)
        env.insert(name, value);
    env.insert(QStringLiteral("XDG_DATA_HOME"), home_.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.path() + QStringLiteral("/config"));
    process.setProcessEnvironment(env);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(QStringLiteral(QUORVEL_BINARY_DIR "/cli/quorvel-cli"), args);
    process.waitForFinished(120000);
    CliResult r;
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}
