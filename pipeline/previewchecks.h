#pragma once

#include <QString>

#include <optional>

class Settings;

// A failed check of the selected tab's options: the alert's title and message keys, the
// control that gets the focus ("" for none) and the text setting that live preview
// clears instead of alerting ("" for none: an invalid regular expression stays as typed).
// messageText, when set, is the message itself (with details the key's text cannot hold).
struct PreviewCheckFailure {
    const char* titleKey;
    const char* messageKey;
    QString focusControl;
    QString offendingKey;
    QString messageText = QString();

    // The message a person reads.
    QString message() const;
};

namespace PreviewChecks {

// Whether the replace/remove options read the Find text as a regular expression: the
// flag is set and the mode is replace or remove (removing each of a set of characters
// never is).
bool usesRegularExpression(const Settings& settings);

// The failure of replace/remove options whose Find text is read as a regular expression
// that does not compile; nullopt otherwise (also on other tabs).
std::optional<PreviewCheckFailure> regularExpressionFailure(const Settings& settings);

// The checks of the selected tab (in their order); nullopt when the options are usable.
std::optional<PreviewCheckFailure> check(const Settings& settings);

// Fills in the defaults of the selected tab: step sizes of sequences, the alphabetic
// start, and the "1" of the general tab's position and occurrences when left empty.
void fillDefaults(Settings& settings);

// Both in the order the preview uses them (tab 5 fills its defaults first). Returns the
// failure, after filling what the order fills before it.
std::optional<PreviewCheckFailure> checkAndFillDefaults(Settings& settings);

} // namespace PreviewChecks
