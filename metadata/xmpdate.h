#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// A date as XMP and QuickTime keys write it (ISO 8601): "YYYY-MM-DDThh:mm:ss" with optional
// fractions of a second and an optional zone ("Z", "+hh:mm", "+hhmm" or "+hh"),
// "YYYY-MM-DDThh:mm" with the same optional zone, or "YYYY-MM-DD" alone. The value is kept as written: a wall-clock date (see
// DateFormat::parseWallClock) whose fields are the written ones; a zone offset is not
// applied and fractions are dropped.
struct XmpDate {
    QDateTime wallClock;
    bool hasTime = false; // false for a date alone: it has no time to show
};

std::optional<XmpDate> parseXmpDate(const QString& text);
