#pragma once

#include <QString>
#include <QtGlobal>

// Putting a text T into a base name B: at its start or end, at a character position
// counted from either end, or before / after the N-th exact occurrence of a text. Shared
// by the insert, date-and-time and path-component methods. Positions are 1-based UTF-16
// units; anything out of range leaves B unchanged.
namespace TextPlacement {

// T placed so that it begins at position P counted from the start, or (direction 1) so
// that exactly P - 1 units of B follow it. P = length + 1 appends (from the start) or
// prepends (from the end); P < 1 or P > length + 1 leaves B unchanged.
QString atPosition(const QString& base, const QString& text, qint64 position, int direction);

// T before (or after) the occurrence-th exact, non-overlapping match of find. Fewer
// matches, an occurrence below 1 or an empty find leave B unchanged.
QString atOccurrence(const QString& base, const QString& find, const QString& text,
                     qint64 occurrence, bool before);

// The placement options shared by the three methods: 0 beginning, 1 end, 2 position,
// 3 before the beforeOccurrence-th beforeText, 4 after the afterOccurrence-th afterText;
// any other index leaves B unchanged.
struct Options {
    int optionIndex = 0;
    qint64 position = 1;
    int direction = 0;
    QString beforeText;
    qint64 beforeOccurrence = 1;
    QString afterText;
    qint64 afterOccurrence = 1;
};
QString place(const QString& base, const QString& text, const Options& options);

} // namespace TextPlacement
