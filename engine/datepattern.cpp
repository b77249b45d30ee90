#include "engine/datepattern.h"

#include "platform/dateformat.h"

#include <stdexcept>

namespace DatePattern {

namespace {

void appendPart(QString& pattern, const QString& part)
{
    if (part != None)
        pattern += part;
}

} // namespace

QString compose(const Pieces& pieces)
{
    QString pattern;
    appendPart(pattern, pieces.part1);
    pattern += pieces.separator1;
    appendPart(pattern, pieces.part2);
    pattern += pieces.separator2;
    appendPart(pattern, pieces.part3);
    return pattern;
}

QString datePattern(const Pieces& pieces)
{
    QString pattern = compose(pieces);
    return pattern.isEmpty() ? QStringLiteral("MM/dd/yyyy") : pattern;
}

QString timePattern(const Pieces& pieces)
{
    QString pattern = compose(pieces);
    return pattern.isEmpty() ? QStringLiteral("hh mm ss a") : pattern;
}

QString joinWithLiteral(const QString& datePattern, const QString& literal, const QString& timePattern)
{
    return datePattern + DateFormat::quotedLiteral(literal) + timePattern;
}

namespace {

QString checkedFormat(const QDateTime& date, const QString& pattern, bool wallClock)
{
    if (!date.isValid())
        throw std::runtime_error("no date to format");
    QString text = wallClock ? DateFormat::formatWallClock(date, pattern) : DateFormat::format(date, pattern);
    // A usable non-empty pattern never formats to nothing.
    if (text.isEmpty() && !pattern.isEmpty())
        throw std::runtime_error(QStringLiteral("invalid date format \"%1\"").arg(pattern).toStdString());
    return text;
}

} // namespace

QString formatDate(const QDateTime& date, const QString& pattern)
{
    return checkedFormat(date, pattern, false);
}

QString formatWallClock(const QDateTime& wallClock, const QString& pattern)
{
    return checkedFormat(wallClock, pattern, true);
}

} // namespace DatePattern
