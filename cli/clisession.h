#pragma once

#include "cli/clioptions.h"
#include "cli/cliuserinterface.h"
#include "pipeline/applyoutcome.h"
#include "pipeline/controllerstate.h"

#include <QString>
#include <QStringList>

// One run of quorvel-cli: the controller state, the command-line user interface and the
// steps the commands share (data folders, preferences, settings from the options, the
// list from paths, the preview and apply passes), each waiting for its background pass.
class CliSession {
public:
    explicit CliSession(const CliOptions& options);

    ControllerState state;
    CliUserInterface ui;
    const CliOptions& options;

    // Data folders and preferences (--no-chains switches shifts and swaps in one go off).
    // False with an error text when the folders cannot be created.
    bool prepareFolders(QString& error);
    // --profile, --rule, --set, --folders, --no-subfolders, in that order. Returns an exit
    // code: Done, Usage (unknown key, bad value) or Failure (unreadable profile or rule).
    int applySettingsOptions(QString& error);
    // A path made absolute against the working folder and cleaned (links not resolved).
    static QString absolutePath(const QString& path);
    // Adds the paths to the list (made absolute against the working folder), then sorts
    // it as --sort says.
    void buildList(const QStringList& paths);
    // Runs the preview (or the rule preview when a rule was given). False when it could not
    // start (empty list or an option check failed; the reason was printed).
    bool runPreview();
    // Asks for confirmation (unless --yes) and applies. False when nothing was renamed
    // because the user declined or nothing qualified. What the apply did is in lastApply.
    bool runApply();
    ApplyOutcome lastApply;

    // After runApply: prints the outcome line and the log's path on stderr and returns the
    // exit status: Done when at least one item was renamed and every other reads "No
    // Changes", NothingToRename when nothing was renamed and nothing refused, Failure when
    // any item was refused (at preview or at apply) or failed, or when there was no rename
    // log to write.
    int reportApply();
    // After the preview (or a list import): applies what it proposed and reports it, then
    // prints the list. A preview that left nothing to rename still reports its refusals.
    int applyPreviewed();
};
