#pragma once

#include <QString>

#include <functional>

struct ControllerState;
class PassProgress;
class Settings;
class UserInterface;

// The Preview command: checks the selected tab's options, fills in defaults, then runs
// the selected renaming method over the whole list on a background thread and classifies
// every result, leaving a proposed name or a status in each item.
class PreviewDriver {
public:
    PreviewDriver(ControllerState& state, UserInterface& ui);

    // Main thread. Shows "NOITEMSTOPREVIEW" for an empty list and the check's alert for
    // unusable options; otherwise starts the pass and returns true. onFinished runs on the
    // main thread after the pass has ended.
    bool actionPreview(std::function<void()> onFinished = {});

    // The item loop, on the worker thread (also usable synchronously). Returns the result
    // of the last method call (false when none was made; true on tab 9).
    static bool preview(ControllerState& state, const Settings& settings, PassProgress& progress,
                        QString& error);

    // The end of a preview pass on the main thread: the last progress, the list reloaded,
    // isExecuting cleared, the timing message and, once, a method's error text.
    static void endPreviewPass(ControllerState& state, UserInterface& ui, PassProgress& progress,
                               const QString& error, const std::function<void()>& onFinished);

    // The Cancel command: the loop stops at the next item boundary.
    static void cancelProcess(ControllerState& state);

private:
    ControllerState& state_;
    UserInterface& ui_;
};
