#pragma once

#include <QString>
#include <QtGlobal>

// Where a text goes in a name, as the option index keys store it
// (insertDeleteInsertOptionIndex, dateTimeOptionsIndex, pathComponentsOptionsIndex). A
// stored value outside these leaves the name unchanged.
enum class Placement { AtBeginning = 0, AtEnd = 1, AtPosition = 2, BeforeText = 3, AfterText = 4 };

// Which end of the name positions and occurrences are counted from, as the direction keys
// store it; any value other than End counts from the start.
enum class CountFrom { Start = 0, End = 1 };

// Putting a text T into a base name B: at its start or end, at a character position
// counted from either end, or before / after the N-th exact occurrence of a text. Shared
// by the insert, date-and-time and path-component methods. Positions are 1-based UTF-16
// units; anything out of range leaves B unchanged.
namespace TextPlacement {

// T placed so that it begins at position P counted from the start, or (from the end) so
// that exactly P - 1 units of B follow it. P = length + 1 appends (from the start) or
// prepends (from the end); P < 1 or P > length + 1 leaves B unchanged.
QString atPosition(const QString& base, const QString& text, qint64 position, CountFrom from);

// T before (or after) the occurrence-th exact, non-overlapping match of find. Fewer
// matches, an occurrence below 1 or an empty find leave B unchanged.
QString atOccurrence(const QString& base, const QString& find, const QString& text,
                     qint64 occurrence, bool before);

// The placement options shared by the three methods: before the beforeOccurrence-th
// beforeText, after the afterOccurrence-th afterText, or at a position.
struct Options {
    Placement placement = Placement::AtBeginning;
    qint64 position = 1;
    CountFrom positionFrom = CountFrom::Start;
    QString beforeText;
    qint64 beforeOccurrence = 1;
    QString afterText;
    qint64 afterOccurrence = 1;
};
QString place(const QString& base, const QString& text, const Options& options);

// The options with every "/" of the texts to search read as ":", as a name holds it.
Options withColons(Options options);

} // namespace TextPlacement
