#pragma once

#include "pipeline/applyoutcome.h"

#include <QString>

#include <functional>

struct ControllerState;
class PassProgress;
class Settings;
class UserInterface;

// The Apply command: renames on disk every item that holds a proposed name, folders
// before their contents, keeping listed paths inside renamed folders valid, and records
// every move in a rename log written ahead of the move. Items whose targets other items of
// the batch hold are renamed in one go (when the batch rules allow it): a chain from its
// end, a cycle through one temporary name in the same folder; a move that fails inside a
// chain takes the chain's moves back at once. Cancel acts between chains.
class ApplyDriver {
public:
    ApplyDriver(ControllerState& state, UserInterface& ui);

    // Main thread. Does nothing (false) while a pass runs or when the last preview left
    // nothing to rename; otherwise asks "ITEMRENAMINGTITLE" with applyConfirmation() and, on
    // "YES", starts the pass. onFinished runs on the main thread after the pass has ended, with what the apply did.
    bool actionApply(std::function<void(const ApplyOutcome&)> onFinished = {});

    // Main thread: when the options hold what Preview would now refuse (an invalid regular
    // expression typed after the preview), says so as Preview would and returns true.
    bool refusesOptionsPreviewWouldRefuse();

    // Main thread: starts the pass without asking (false while another pass runs).
    bool doApply(std::function<void(const ApplyOutcome&)> onFinished = {});

    // The item loop, on the worker thread (also usable synchronously on the main thread).
    // uiForQuestions answers the "LOGCREATEFAILED" question (default "ABORT") on the main
    // thread while the loop waits; without one the apply is aborted when the log cannot be
    // created.
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
