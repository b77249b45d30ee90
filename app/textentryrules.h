#pragma once

#include <QString>

// The rules applied to a numeric or sequence field on every keystroke, chosen by the
// control's tag:
//   300301 alphabetic start: lower case, non-letters trimmed from both ends, empty -> "a"
//   300302 numeric start: non-digits trimmed from both ends, empty -> "0"
//   300303, 300304 step sizes: non-digits trimmed from both ends, empty or 0 -> "1"
//   300305 padding mask: lower case, / \ : * ? " < > | trimmed from both ends
namespace TextEntryRules {

// Whether a tag has a rule.
bool hasRule(int tag);

// The text after the rule of the tag (unchanged for a tag without one).
QString apply(int tag, const QString& text);

} // namespace TextEntryRules
