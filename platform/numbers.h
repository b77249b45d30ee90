#pragma once

#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <optional>

// The integer value of a text, used everywhere a text setting is read as a number:
// leading white space skipped, an optional sign, then ASCII digits up to the first
// non-digit. No digits gives 0; values beyond 32 bits saturate.
// "-1" -> -1, " 12" -> 12, "1abc" -> 1, "" and "abc" -> 0.
int intValue(const QString& text);

// The integer value of a stored value: a text by intValue, a property-list integer, real
// or boolean by its value (saturating at the 32-bit limits). nullopt for anything else.
std::optional<int> intValueOf(const QVariant& value);

// Sequence arithmetic runs in 64 bits and is clamped to [0, 2^31-1].
qint64 clampSequence(qint64 value);
