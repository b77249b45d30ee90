#pragma once

#include <QString>
#include <QVariantMap>

// What a rule step does, in the user's words and language, for the tables that list steps:
// the method by the name of its tab ("Replace/Remove") and one line of its settings
// ("Replace 'IMG' with 'Photo', every occurrence"). Stored kinds and types ("PrefixSuffix",
// "As String") never show.
namespace RuleSummary {

// The title of the method tab the step comes from; an unknown kind shows as stored.
QString methodName(const QVariantMap& step);
// One line of the step's settings; "" for an unknown kind.
QString summary(const QVariantMap& step);

} // namespace RuleSummary
