#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <utility>

// Runs the built quorvel-cli with a private XDG home and captures what it prints.
struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
    QStringList lines() const;
};

class CliRunner {
public:
    CliRunner();
    CliResult run(const QStringList& args, const QString& workingFolder = QString()) const;
    // The same with more environment variables (name, value).
    CliResult run(const QStringList& args, const QList<std::pair<QString, QString>>& environment) const;
    QString dataFolder() const; // the Quorvel3 data folder of the private home
    QString logsFolder() const;

private:
    CliResult run(const QStringList& args, const QString& workingFolder,
                  const QList<std::pair<QString, QString>>& environment) const;
    QTemporaryDir home_;
};
