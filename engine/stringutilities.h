#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

// The text toolkit every renaming method is built on. Positions are 1-based, lengths and
// positions count UTF-16 code units (a character outside the Basic Multilingual Plane
// counts as two), 0 means "not found" and an occurrence count of -1 means "all".
// Case-sensitive compares code units exactly; otherwise Qt::CaseInsensitive (simple
// folding, so a match always has the needle's length). An empty needle is never found.
// Arguments outside the documented ranges throw RangeError (engine/rangeerror.h).
class StringUtilities {
public:
    // Position of the first match at or after start, or 0. start must lie in
    // 1 .. length + 1 (length + 1 searches nothing).
    static qsizetype instrString(QStringView text, QStringView find, qsizetype start, bool caseSensitive);

    // Position of the startOnOccurrence-th non-overlapping match, or 0 when there are fewer.
    static qsizetype findLocationInString(QStringView text, QStringView find, qsizetype startOnOccurrence,
                                          bool caseSensitive);

    // The first length units; the whole text when length is negative or beyond the end.
    static QString leftString(const QString& text, qsizetype length);

    // Up to length units from start; "" when start is outside the text.
    static QString midString(const QString& text, qsizetype start, qsizetype length);

    // The text from start on (the head before start is not part of the result) with up to
    // count matches replaced, left to right; count -1 replaces all, 0 none. Replacements are
    // never searched again. start must be >= 1.
    static QString replaceString(const QString& text, QStringView find, QStringView replace, qsizetype start,
                                 qsizetype count, bool caseSensitive);

    // The text (from start on) cut at the count-th match: a non-empty replace keeps the match
    // itself, an empty one drops it too. Cutting at a match that starts the text keeps what
    // follows it. Fewer than count matches, or count < 1, return the text unchanged.
    static QString removeString(const QString& text, QStringView find, QStringView replace, qsizetype start,
                                qsizetype count, bool caseSensitive);

    // The text with insert placed before (or after) the onOccurence-th exact match of find.
    // Matching is always exact: caseSensitive is accepted and ignored. Fewer matches, an
    // occurrence below 1 or an empty find leave the text unchanged.
    static QString insertString(const QString& text, QStringView find, QStringView insert, qsizetype onOccurence,
                                bool before, bool caseSensitive);

    // The code units in reverse order (a surrogate pair is reversed unit by unit).
    static QString reverseString(QStringView text);

    // The parts after and before the first (case-insensitive) match of separator swapped,
    // the separator kept as it stands in the text: "first-last" at "-" gives "last-first".
    static QString swapStringBySeparator(const QString& text, QStringView separator);

    // The parts after and before the unit at position swapped around it: "abcdef" at 3 gives
    // "defcab". 0 or a position beyond the end returns the text; a negative one throws.
    static QString swapStringByPosition(const QString& text, qsizetype position);

    // True when every unit is in "a".."z" (the empty text too).
    static bool isAlphabeticNumericInRange(QStringView text);

    // An EXIF date ("2010:03:07 14:05:09", read in the user's time zone) as its standard
    // textual description ("2010-03-07 13:05:09 +0000"); nothing for the empty or all-zero
    // date or a text that does not parse. Throws RangeError for a non-empty text shorter
    // than ten units.
    static std::optional<QString> stringToFormattedDate(const QString& text);

    // An ISO 8601 timestamp whose zone offset has a colon ("2010-03-07T14:05:09+02:00"),
    // or nothing when it does not parse.
    static std::optional<QDateTime> dateFromString(const QString& text);

    // The program's version ("3.0.0", or "2.x.y" for the earlier edition).
    static QString appVersion();

    // The "appversion" attribute of the XML file's root element, or nothing (absent
    // attribute, unreadable or malformed file).
    static std::optional<QString> appVersionInPlist(const QString& path);

    // True when the first "."-separated part of version equals the program's (missing
    // counts as ""): "3.0" and "3.2" match, "2.1" and "3.0" do not.
    static bool isFileVersionMatch(const std::optional<QString>& version);
};
