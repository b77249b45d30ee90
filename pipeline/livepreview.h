#pragma once

#include <QString>
#include <QVariant>

struct ControllerState;
class DefaultsStore;

// The live preview options, kept in the defaults store under "LIVEPREVIEW",
// "LIVEPREVIEWALLFILES" and "LIVEPREVIEWFILESLIMIT".
struct LivePreviewOptions {
    bool isLivePreviewEnabled = false;
    bool isLivePreviewAllFiles = false;
    QString livePreviewFilesLimit = QStringLiteral("200");

    // At launch: reads the three values only when all three keys are in the store;
    // otherwise writes the current values there (a first launch stores off, off, "200").
    void load(DefaultsStore& store);
    // The options sheet's confirm: writes all three keys and flushes the store.
    // False when the store could not be written.
    bool store(DefaultsStore& store) const;
    // Switching live preview off from the toolbar: writes "LIVEPREVIEW" only, at once.
    bool storeEnabled(DefaultsStore& store) const;
    // The options sheet's cancel: the all-files choice back from the store (unchanged
    // when the key is missing).
    void restoreAllFiles(const DefaultsStore& store);
};

// Live preview: a light, synchronous recomputation of the proposed names on the main
// thread after a settings change. It fills only "newFilename", may stop after a limit,
// never classifies and never tests the disk for the sources, and it leaves
// isHasFilesForRenaming false until a full preview runs. The window owns the timer
// (0.4 s after the last change, 0.1 s after the options sheet is confirmed; at most one
// pending) and redraws the list when told to.
class LivePreview {
public:
    // Whether a settings change should (re)start the timer: the list is not empty, no
    // profile or rule step is being applied, live preview is on, and both the old and the
    // new value are present.
    static bool shouldSchedule(const ControllerState& state, const LivePreviewOptions& options,
                               const QVariant& oldValue, const QVariant& newValue);

    // The change notification as a whole: shouldSchedule, then the settings-changed flag
    // is reset to false whatever the outcome. Returns shouldSchedule's answer.
    static bool settingsChanged(ControllerState& state, const LivePreviewOptions& options,
                                const QVariant& oldValue, const QVariant& newValue);

    // The recomputation, main thread. Clears every proposed name (imported ones too),
    // fills the same defaults as the Preview command; a failed check clears its text
    // setting and returns true with all names empty (no alert). Otherwise runs the
    // tab's method over the list in order (re-sorted for per-folder runs as the preview
    // does), stopping after livePreviewFilesLimit items unless all files are chosen
    // (then isCancelProcess stays set). Returns the last method's result, true on tab 9.
    static bool quickPreview(ControllerState& state, const LivePreviewOptions& options,
                             QString& error);

    // The timer's action. Does nothing and returns false while a pass runs. Otherwise
    // runs quickPreview with isProfileLoading set (so defaults it writes back do not
    // schedule another run) and returns true: the list must be redrawn, since every
    // proposed name was cleared and the order may have changed. error receives the
    // failing method's message ("" when none); live preview reports nothing itself.
    static bool timerFired(ControllerState& state, const LivePreviewOptions& options,
                           QString* error = nullptr);
};
