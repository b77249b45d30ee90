#pragma once

#include <QString>

#include <functional>

struct ControllerState;
class PassProgress;
class Settings;
class UserInterface;

// What an apply did.
struct ApplyOutcome {
    int renamedCount = 0;
    // The rename log on disk: the final log, or the journal kept when the final log could
    // not be written; empty when no log file holds the renames.
    QString logFile;
    // The final log could not be written and the journal (logFile) was kept; the window
    // says so with "LOGSAVEFAILED".
    bool logSaveFailed = false;
    // The user chose "ABORT" when the log could not be created.
    bool aborted = false;
};

// The Apply command: renames on disk every item that holds a proposed name, folders
// before their contents, keeping listed paths inside renamed folders valid, and records
// every rename in a rename log written ahead of the move.
class ApplyDriver {
public:
    ApplyDriver(ControllerState& state, UserInterface& ui);

    // Main thread. Does nothing (false) while a pass runs or when the last preview left
    // nothing to rename; otherwise asks "ITEMRENAMINGTITLE"/"ITEMRENAMINGMESSAGE" and, on
    // "YES", starts the pass. onFinished runs on the main thread after the pass has ended, with what the apply did.
    bool actionApply(std::function<void(const ApplyOutcome&)> onFinished = {});

    // Main thread: starts the pass without asking (false while another pass runs).
    bool doApply(std::function<void(const ApplyOutcome&)> onFinished = {});

    // The item loop, on the worker thread (also usable synchronously on the main thread).
    // uiForQuestions answers the "LOGCREATEFAILED" question on the main thread while the
    // loop waits; without one the apply is aborted when the log cannot be created.
    // The log goes to state.preferences.defaultLogFolderPath. Records the log path in
    // state.currLogFile.
    static ApplyOutcome applyRenames(ControllerState& state, const Settings& settings,
                                     UserInterface* uiForQuestions, PassProgress& progress);

private:
    static ApplyOutcome applyRenamesTo(ControllerState& state, const Settings& settings, const QString& logFolder,
                                       UserInterface* uiForQuestions, PassProgress& progress);

    ControllerState& state_;
    UserInterface& ui_;
};
