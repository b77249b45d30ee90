#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

#include <functional>

struct ControllerState;
class PassProgress;
class UserInterface;

// The rule preview: every active step of the rules list, in order, transforms each item's
// name as the previous steps left it; the final name is classified as a preview does.
// Sequence steps keep their own counters in "sequence"; the photo steps share one counter.
class RulePreview {
public:
    RulePreview(ControllerState& state, UserInterface& ui);

    // Main thread. An empty list shows the callout "NOITEMSTOPREVIEW"; a step that fails
    // the checks of its method shows that check's alert; otherwise the counters are reset
    // and the pass starts on the worker (doPreviewRule). Returns true when it started;
    // onFinished runs on the main thread after the pass has ended (its final counters
    // written back into the rules).
    bool actionPreviewRule(std::function<void()> onFinished = {});

    // The item loop over a copy of the rules, on the worker thread (also usable
    // synchronously). Reads nothing from the settings record. Returns the result of the
    // last method call (false when none was made) with the run's error text.
    static bool previewRule(ControllerState& state, QList<QVariantMap>& rules, PassProgress& progress,
                            QString& error);

    // The live preview over the chain, main thread: every proposed name cleared, then the
    // names the active steps give (no disk test, no classification) for the first limit
    // items (0: all). The rules' own counters are left as they are; nothing is left to
    // rename until a full preview runs.
    static bool quickPreviewRule(ControllerState& state, QList<QVariantMap> rules, int limit, QString& error);

    // Every sequence step's counter back to "not started": -1 for a numeric step, "" for
    // an alphabetic one.
    static void resetSequences(QList<QVariantMap>& rules);

private:
    ControllerState& state_;
    UserInterface& ui_;
};
