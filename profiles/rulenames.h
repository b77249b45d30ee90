#pragma once

#include <QString>

// The text shown for a rule step's stored variant ("type"), in the window's words and the
// user's language ("Numeric" shows as "Numbers"). The stored values stay as they are in
// files and in the steps.
namespace RuleNames {

// An unknown value is shown as it is stored.
QString shown(const QString& stored);

} // namespace RuleNames
