#pragma once

#include <QString>

struct CliOptions;
class CliSession;

// Runs the command named in the options; returns the exit status.
int runCliCommand(const CliOptions& options);

// The commands, one per function (exit status returned).
int previewCommand(const CliOptions& options);
int applyCommand(const CliOptions& options);
int settingsCommand(const CliOptions& options);
int saveProfileCommand(const CliOptions& options);
int logsCommand(const CliOptions& options);
int undoCommand(const CliOptions& options);
int importListCommand(const CliOptions& options);
int exportCommand(const CliOptions& options);
int keysCommand(const CliOptions& options);

// The shared start of every command: data folders, preferences and the settings options.
// Prints the reason and returns the exit status when it fails, ExitCode::Done otherwise.
int prepareSession(CliSession& session);
void printCliError(const QString& text);
