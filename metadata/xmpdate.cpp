#include "metadata/xmpdate.h"

#include "platform/dateformat.h"

#include <QRegularExpression>

std::optional<XmpDate> parseXmpDate(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral(
        "^(\\d{4}-\\d{2}-\\d{2})(?:T(\\d{2}:\\d{2})(?::(\\d{2})(?:[.,]\\d+)?)?(?:Z|[+-]\\d{2}(?::?\\d{2})?)?)?$"));
    const QRegularExpressionMatch match = shape.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    XmpDate date;
    date.hasTime = match.hasCaptured(2);
    const QString seconds = match.hasCaptured(3) ? match.captured(3) : QStringLiteral("00");
    const std::optional<QDateTime> parsed = date.hasTime
        ? DateFormat::parseWallClock(match.captured(1) + QLatin1Char(' ') + match.captured(2) + QLatin1Char(':') + seconds,
                                     QStringLiteral("yyyy-MM-dd HH:mm:ss"))
        : DateFormat::parseWallClock(match.captured(1), QStringLiteral("yyyy-MM-dd"));
    if (!parsed)
        return std::nullopt;
    date.wallClock = *parsed;
    return date;
}
