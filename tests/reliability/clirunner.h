#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <sys/types.h>

// Runs the built quorvel-cli as its own process with a private XDG home (data, config and
// runtime folders of its own, English, UTC), so a test can kill it at any moment.
class CliRunner {
public:
    CliRunner();

    // The built program, or "" when the build folder has none.
    static QString program();

    QString home() const { return home_.path(); }
    // The log folder of the private home (created before the first run).
    QString logFolder() const;

    struct Result {
        int exitCode = -1;   // -1 when killed by a signal
        int signal = 0;
        QByteArray out;
        QByteArray err;
    };
    // Starts the program with the arguments; stdout and stderr go to files of the home.
    pid_t start(const QStringList& arguments);
    // Waits for a started process and collects what it wrote.
    Result wait(pid_t pid);
    // start + wait.
    Result run(const QStringList& arguments);

private:
    QTemporaryDir home_;
    QByteArray outPath_, errPath_;
};
