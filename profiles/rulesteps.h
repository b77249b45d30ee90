#pragma once

#include "pipeline/previewchecks.h"

#include <QString>
#include <QVariantMap>

#include <optional>

struct ControllerState;
class Settings;
class UserInterface;

// What building a step from the settings gave: the step, or the failed check (its alert
// keys and the control to focus), or neither (the tab makes no step: tab 9, or no mode).
struct RuleBuild {
    std::optional<QVariantMap> step;
    std::optional<PreviewCheckFailure> failure;
    bool correctedSettings = false; // a normalisation changed a value the window shows
};

// Rule steps: built from the settings of the selected method tab, added to the rules list,
// and loaded back into the settings.
namespace RuleSteps {

// Builds a step from the settings of the selected tab, after normalising them in place:
// sequence steps get step sizes of at least 1 (at most 26 for letters) and a start letter;
// the general tab's empty position and occurrences become "1". The tab's checks run as a
// preview runs them. Flags and integers go in as decimal text, lists as arrays of texts;
// "isActive" is "1"; a numeric step's "sequence" is -1, an alphabetic step's "". A
// replace step with all occurrences, a remove step with all occurrences and a remove
// characters step store start occurrence "1" and count "-1".
RuleBuild buildRule(Settings& settings);

// buildRule with the user told: a failed check shows its alert, moves the focus and puts
// the message's text in error. Nothing (and error left "") on tab 9 or without a mode.
std::optional<QVariantMap> getRule(ControllerState& state, UserInterface& ui, QString& error);
// Commits the field being edited first.
std::optional<QVariantMap> getCurrentRule(ControllerState& state, UserInterface& ui, QString& error);

// Appends the step from getRule. True when a step was added, and also when none was but
// the user was already told why (error not empty). Refused while a pass runs.
bool addRule(ControllerState& state, UserInterface& ui, QString& error);
// Commits editing, then addRule; when that returns false, the alert "UNABLETOADDRULE"
// shows the error text. True when a step was added (the drawer selects the last row).
bool addToRule(ControllerState& state, UserInterface& ui);

// Loads a step into a settings record: its kind's keys (a key the step lacks takes its
// default; "rule", "type", "isActive", "sequence" and "MetaDataList" are never settings),
// then the mode flags derived from "type" and the index keys, the photo fields from the
// unarchived "MetaDataList", the masks rebuilt, and selectedTab. False for an unknown kind
// or type, which changes nothing.
bool loadStep(Settings& settings, const QVariantMap& step);

// The drawer's selection loaded into the window: loadStep under isProfileLoading, then the
// window shows the settings and renameFile is cleared. Refused while a pass runs.
bool setRule(ControllerState& state, UserInterface& ui, const QVariantMap& step);

// The checks of getRule run on a step as the rule preview will use it (its stored masks
// included). Nothing when the step is usable or of a kind the preview skips.
std::optional<PreviewCheckFailure> checkStep(const QVariantMap& step);

} // namespace RuleSteps
