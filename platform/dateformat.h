#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>

// Dates in the user's locale and time zone through ICU, with Unicode date patterns
// ("dd", "MM", "yyyy", "EEE", "a", ...). The locale comes from LC_ALL, LC_TIME or LANG
// (in that order), the time zone from TZ / the system default. Formatting is strict
// (lenient parsing off) and every ICU status is checked.
// A DateFormatter belongs to one thread at a time.
class DateFormatter {
public:
    // The user's locale (with its own calendar) and time zone.
    explicit DateFormatter(const QString& pattern);
    // A fixed locale id ("en_US_POSIX") with the Gregorian calendar, in the time zone
    // timeZoneId ("UTC", "Europe/Paris"); an empty timeZoneId means the user's zone.
    DateFormatter(const QString& pattern, const QByteArray& localeId, const QString& timeZoneId);
    // The user's locale (with its own calendar) in UTC, for wall-clock values.
    struct WallClock {};
    DateFormatter(const QString& pattern, WallClock);
    ~DateFormatter();
    DateFormatter(const DateFormatter&) = delete;
    DateFormatter& operator=(const DateFormatter&) = delete;

    bool isValid() const;
    QString pattern() const;
    QString localeId() const;   // the ICU locale in use ("fr_FR", "en_US_POSIX")
    QString timeZoneId() const; // the ICU zone in use ("Europe/Paris", "UTC")
    QString format(const QDateTime& date) const;          // "" when invalid
    // The whole text must match the pattern. The date keeps the offset that the text
    // named (pattern letter "Z") or else the formatter zone's offset at that instant.
    std::optional<QDateTime> parse(const QString& text) const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

namespace DateFormat {

// Formats with per-thread cached formatters: a new ICU formatter is built only for a
// pattern not among the last few used on this thread (or when the locale or TZ changed).
QString format(const QDateTime& date, const QString& pattern);

// Parses a fixed machine format (EXIF, ISO 8601) in the user's time zone, but with the
// en_US_POSIX locale and the Gregorian calendar so that neither the user's language nor
// a non-Gregorian calendar (Buddhist, Japanese) changes how the digits are read.
// Per-thread cached like format().
std::optional<QDateTime> parseFixedFormat(const QString& text, const QString& pattern);

// Wall-clock values: date texts that name no zone (EXIF, IPTC, XMP dates as written). They
// are held as UTC dates whose fields are the written ones, parsed (en_US_POSIX, Gregorian)
// and formatted (the user's locale) in UTC, so no zone transition of the user's zone can
// move or refuse them: "2009:03:29 02:30:00" stays 02:30 where that hour was skipped.
std::optional<QDateTime> parseWallClock(const QString& text, const QString& pattern);
QString formatWallClock(const QDateTime& wallClock, const QString& pattern);

// The fixed "standard textual description" of a date: pattern "yyyy-MM-dd HH:mm:ss Z",
// locale en_US_POSIX, Gregorian calendar, UTC (for example "2010-03-07 13:05:09 +0000").
QString standardDescription(const QDateTime& date);
std::optional<QDateTime> parseStandardDescription(const QString& text);

// A date and time as the user's locale writes them (its medium date and short time), in
// the user's time zone: what a person reads in a table or an alert.
QString localeDateTime(const QDateTime& date);

// A literal text for a pattern: enclosed in single quotes, an apostrophe inside doubled
// ("o'clock" -> "'o''clock'"). Empty text gives "".
QString quotedLiteral(const QString& text);

// The ICU locale id taken from LC_ALL, LC_TIME or LANG: encoding and "@" modifier removed,
// "C", "POSIX" or nothing -> "en_US_POSIX".
QByteArray userLocaleId();

} // namespace DateFormat
