#include "clirunner.h"
#include "testpaths.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

CliRunner::CliRunner()
{
    QDir().mkpath(logFolder());
    QDir().mkpath(home_.path() + QStringLiteral("/config"));
    QDir().mkpath(home_.path() + QStringLiteral("/run"));
    outPath_ = QFile::encodeName(home_.path() + QStringLiteral("/stdout.txt"));
    errPath_ = QFile::encodeName(home_.path() + QStringLiteral("/stderr.txt"));
}

QString CliRunner::program()
{
    const QString path = QStringLiteral(QUORVEL_BINARY_DIR "/cli/quorvel-cli");
    return QFile::exists(path) ? path : QString();
}

QString CliRunner::logFolder() const
{
    return home_.path() + QStringLiteral("/data/Tamsel/Quorvel3/Logs");
}

pid_t CliRunner::start(const QStringList& arguments)
{
    const QByteArray exe = QFile::encodeName(program());
    std::vector<QByteArray> argStore{exe};
    for (const QString& a : arguments)
        argStore.push_back(a.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& a : argStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const QByteArray root = QFile::encodeName(home_.path());
    const std::vector<QByteArray> own = {"XDG_DATA_HOME=" + root + "/data", "XDG_CONFIG_HOME=" + root + "/config",
                                         "XDG_RUNTIME_DIR=" + root + "/run", "LANG=en_US.UTF-8", "LC_ALL=",
                                         "TZ=UTC"};
    std::vector<QByteArray> envStore(own);
    for (char** e = environ; *e; ++e) {
        const QByteArray entry(*e);
        const QByteArray name = entry.left(entry.indexOf('=') + 1);
        bool replaced = false;
        for (const QByteArray& o : own)
            replaced = replaced || o.startsWith(name);
        if (!replaced)
            envStore.push_back(entry);
    }
    std::vector<char*> envp;
    for (QByteArray& e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath_.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath_.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // The program starts with the signal dispositions of a terminal's foreground command,
    // whatever this test was started from (a background job ignores SIGINT, and would pass
    // that on).
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (const int signal : {SIGINT, SIGQUIT, SIGTERM})
        sigaddset(&defaults, signal);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, exe.constData(), &actions, &attributes, argv.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

CliRunner::Result CliRunner::wait(pid_t pid)
{
    Result result;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
    QFile out(QFile::decodeName(outPath_)), err(QFile::decodeName(errPath_));
    if (out.open(QIODevice::ReadOnly))
        result.out = out.readAll();
    if (err.open(QIODevice::ReadOnly))
        result.err = err.readAll();
    return result;
}

CliRunner::Result CliRunner::run(const QStringList& arguments)
{
    const pid_t pid = start(arguments);
    if (pid < 0) {
        Result failed;
        failed.err = "the program could not be started";
        return failed;
    }
    return wait(pid);
}
