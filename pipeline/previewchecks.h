#pragma once

#include <QString>

#include <optional>

class Settings;

// A failed check of the selected tab's options: the alert's title and message keys, the
// control that gets the focus ("" for none) and the text setting that live preview
// clears instead of alerting.
struct PreviewCheckFailure {
    const char* titleKey;
    const char* messageKey;
    QString focusControl;
    QString offendingKey;
};

namespace PreviewChecks {

// The checks of the selected tab (in their order); nullopt when the options are usable.
std::optional<PreviewCheckFailure> check(const Settings& settings);

// Fills in the defaults of the selected tab: step sizes of sequences, the alphabetic
// start, and the "1" of the general tab's position and occurrences when left empty.
void fillDefaults(Settings& settings);

// Both in the order the preview uses them (tab 5 fills its defaults first). Returns the
// failure, after filling what the order fills before it.
std::optional<PreviewCheckFailure> checkAndFillDefaults(Settings& settings);

} // namespace PreviewChecks
