#include "metadata/capturemoment.h"

#include "metadata/photorenaming.h"
#include "metadata/xmpdate.h"
#include "platform/dateformat.h"


#include <cstdlib>
#include <memory>
#include <optional>

namespace {

const QString kWallClockPattern = QStringLiteral("yyyy-MM-dd HH:mm:ss");

QVariantMap group(const QVariantMap& properties, const QString& name)
{
    return properties.value(name).toMap();
}

// "2009:03:05 10:11:12", the EXIF form; all zeros (an unset camera clock) is no date.
std::optional<QDateTime> exifDate(const QString& text)
{
    if (text.size() < 10 || text == QLatin1String("0000:00:00 00:00:00"))
        return std::nullopt;
    QString dashed = text;
    for (qsizetype i = 0; i < 10; ++i) {
        if (dashed.at(i) == QLatin1Char(':'))
            dashed[i] = QLatin1Char('-');
    }
    return DateFormat::parseWallClock(dashed, kWallClockPattern);
}

// ISO 8601 as QuickTime keys write it: "2022-07-08T11:10:11+0200", also with "+02:00",
// "Z", no zone or fractions of a second. Its wall-clock time as written; a date alone is
// not a capture moment.
std::optional<QDateTime> quickTimeDate(const QString& text)
{
    const std::optional<XmpDate> date = parseXmpDate(text);
    if (!date || !date->hasTime)
        return std::nullopt;
    return date->wallClock;
}

// The user's wall-clock time at an instant, through ICU's default zone (TZ) like every other
// date of the program. One formatter per thread, made again when TZ changes.
QDateTime inUserZone(const QDateTime& instant)
{
    thread_local std::unique_ptr<DateFormatter> formatter;
    thread_local QByteArray zoneOfFormatter;
    const QByteArray zone = qgetenv("TZ");
    if (!formatter || zone != zoneOfFormatter) {
        formatter = std::make_unique<DateFormatter>(kWallClockPattern, QByteArrayLiteral("en_US_POSIX"), QString());
        zoneOfFormatter = zone;
    }
    return DateFormat::parseWallClock(formatter->format(instant), kWallClockPattern).value_or(QDateTime());
}

} // namespace

QDateTime movieHeaderWallClock(qint64 secondsUtc, bool videoTimesAreLocal)
{
    const QDateTime instant = QDateTime::fromSecsSinceEpoch(secondsUtc, Qt::UTC);
    return videoTimesAreLocal ? instant : inUserZone(instant);
}

CaptureMoment chooseCaptureMoment(const QVariantMap& properties, const PhotoOptions& options)
{
    CaptureMoment moment;
    moment.model = group(properties, QStringLiteral("{TIFF}")).value(QStringLiteral("Model")).toString().trimmed();
    const auto take = [&](const QDateTime& wallClock, bool hasTime, DateSource source) {
        moment.wallClock = wallClock;
        moment.hasTime = hasTime;
        moment.source = source;
        return moment;
    };

    const QString original =
        group(properties, QStringLiteral("{Exif}")).value(QStringLiteral("DateTimeOriginal")).toString();
    if (const std::optional<QDateTime> date = exifDate(original))
        return take(*date, true, DateSource::Exif);

    const QVariantMap xmp = group(properties, QStringLiteral("{XMP}"));
    for (const QString& key : {QStringLiteral("DateTimeOriginal"), QStringLiteral("CreateDate")}) {
        if (const std::optional<XmpDate> date = parseXmpDate(xmp.value(key).toString()))
            return take(date->wallClock, date->hasTime, DateSource::Xmp);
    }

    const QVariantMap movie = group(properties, QStringLiteral("{QuickTime}"));
    if (const std::optional<QDateTime> date = quickTimeDate(movie.value(QStringLiteral("CreationDate")).toString()))
        return take(*date, true, DateSource::QuickTimeKey);
    // Seconds since 1970 UTC; the reader leaves out a zero or earlier time.
    const QVariant header = movie.value(QStringLiteral("MovieHeaderTime"));
    if (header.isValid()) {
        const QDateTime wallClock = movieHeaderWallClock(header.toLongLong(), options.videoTimesAreLocal);
        if (wallClock.isValid())
            return take(wallClock, true, DateSource::MovieHeader);
    }
    return moment;
}
