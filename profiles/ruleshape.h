#pragma once

#include <QList>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

// The shape test every reader of rule steps applies (rule files, the rules menu, opened
// documents, the remembered chain) before the steps replace the rules list: the root is
// an array of dictionaries, each with "rule" and "type" texts, and every known key holds
// a value of the property-list type its kind expects. Keys the program does not know are
// left alone.
namespace RuleShape {

// The steps of a property-list root, or nothing (with the reason) when its shape is wrong.
std::optional<QList<QVariantMap>> stepsFromPlist(const QVariant& root, QString* why = nullptr);

// The reason a single step is refused, or "" when it is usable.
QString checkStep(const QVariantMap& step);

// Every occurrence of "Rule - " removed from each step's "rule" text ("Rule - Photo" reads
// as "Photo").
void removeRulePrefix(QList<QVariantMap>& steps);

} // namespace RuleShape
