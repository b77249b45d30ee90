#pragma once

#include <QString>

// The text shown for a rule step's stored kind ("rule") or variant ("type"), in the
// user's language. The stored values stay as they are in files and in the steps.
namespace RuleNames {

// An unknown value is shown as it is stored.
QString shown(const QString& stored);

} // namespace RuleNames
