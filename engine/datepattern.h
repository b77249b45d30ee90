#pragma once

#include <QDateTime>
#include <QString>

// Date-format patterns composed from the user's pieces: up to three parts (Unicode
// date-pattern letters such as "dd", "MM", "yyyy", or "None" for no part) with two
// separators between them. Used by the prefix/suffix, date-and-time and photo methods.
namespace DatePattern {

// The word that stands for "no part" (a stored value, never translated).
inline const QString None = QStringLiteral("None");

struct Pieces {
    QString part1;
    QString separator1;
    QString part2;
    QString separator2;
    QString part3;

    bool operator==(const Pieces&) const = default;
};

// part1 + separator1 + part2 + separator2 + part3, each "None" part skipped; the
// separators stay even next to a skipped part and go into the pattern as they stand.
QString compose(const Pieces& pieces);

// compose(), or "MM/dd/yyyy" when that comes out empty.
QString datePattern(const Pieces& pieces);
// compose(), or "hh mm ss a" when that comes out empty.
QString timePattern(const Pieces& pieces);

// date + literal + time, the literal quoted so that its letters are not pattern letters
// (an apostrophe inside it doubled); an empty literal joins the two directly.
QString joinWithLiteral(const QString& datePattern, const QString& literal, const QString& timePattern);

// The date formatted with the pattern in the user's locale and time zone (through the
// per-thread cached formatter). Throws std::runtime_error for an invalid date or a
// pattern the formatter refuses, so that a renaming method reports it instead of
// silently leaving the date out.
QString formatDate(const QDateTime& date, const QString& pattern);

// The same for a wall-clock value read from a file (DateFormat::parseWallClock): formatted
// as written, in the user's locale but without the user's zone.
QString formatWallClock(const QDateTime& wallClock, const QString& pattern);

} // namespace DatePattern
