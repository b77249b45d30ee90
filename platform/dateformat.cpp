#include "platform/dateformat.h"

#include <QDebug>

#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/numsys.h>
#include <unicode/parsepos.h>
#include <unicode/simpletz.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

icu::UnicodeString toUnicode(const QString& text)
{
    return icu::UnicodeString(reinterpret_cast<const UChar*>(text.utf16()), int32_t(text.size()));
}

QString fromUnicode(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// The first of LC_ALL, LC_TIME, LANG that is set and not empty ("" when none is).
const char* localeVariable()
{
    for (const char* name : {"LC_ALL", "LC_TIME", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return value;
    }
    return "";
}

QByteArray localeIdFrom(const char* variable)
{
    QByteArray id(variable);
    const qsizetype at = id.indexOf('@');
    if (at >= 0)
        id.truncate(at);
    const qsizetype dot = id.indexOf('.');
    if (dot >= 0)
        id.truncate(dot);
    if (id.isEmpty() || id == "C" || id == "POSIX")
        return QByteArrayLiteral("en_US_POSIX");
    return id;
}

bool isUnknown(const icu::TimeZone* zone)
{
    return !zone || *zone == icu::TimeZone::getUnknown();
}

// A fixed-offset zone with the C library's current offset: the last resort for a TZ
// value that ICU does not know (a POSIX rule such as "CET-1CEST").
icu::TimeZone* zoneFromCLibrary()
{
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    if (!localtime_r(&now, &local))
        return nullptr;
    return new icu::SimpleTimeZone(int32_t(local.tm_gmtoff) * 1000, icu::UnicodeString(u"Local"));
}

// The user's time zone, built fresh each time: ICU's own default zone is decided once
// per process and would ignore a later change of TZ.
icu::TimeZone* createUserTimeZone()
{
    if (const char* tz = std::getenv("TZ")) {
        QByteArray id(tz);
        if (id.startsWith(':'))
            id.remove(0, 1);
        const qsizetype zoneinfo = id.indexOf("zoneinfo/");
        if (id.startsWith('/') && zoneinfo >= 0)
            id.remove(0, zoneinfo + 9);
        if (id.isEmpty())
            id = "UTC"; // an empty TZ means UTC to the C library too
        icu::TimeZone* zone = icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(id.constData()));
        if (!isUnknown(zone))
            return zone;
        delete zone;
        if (icu::TimeZone* fixed = zoneFromCLibrary())
            return fixed;
    }
    icu::TimeZone* zone = icu::TimeZone::detectHostTimeZone();
    if (!isUnknown(zone))
        return zone;
    delete zone;
    return icu::TimeZone::createTimeZone(icu::UnicodeString(u"UTC"));
}

icu::TimeZone* createTimeZone(const QString& id)
{
    if (id.isEmpty())
        return createUserTimeZone();
    icu::TimeZone* zone = icu::TimeZone::createTimeZone(toUnicode(id));
    if (isUnknown(zone))
        qWarning().noquote() << QStringLiteral("DateFormatter : unknown time zone %1, using UTC").arg(id);
    return zone;
}

void logStatus(const char* what, UErrorCode status, const QString& pattern)
{
    qWarning().noquote() << QStringLiteral("DateFormatter : %1 failed (%2) for pattern \"%3\"")
                                .arg(QLatin1String(what), QLatin1String(u_errorName(status)), pattern);
}

} // namespace

namespace {

// One piece of a pattern made only of numeric fields: a literal text, or a field letter
// with its count.
struct NumericPiece {
    QString literal;
    char16_t field = 0;
    int width = 0;
};

// The pieces of a pattern that holds only fields ICU writes as plain numbers (y, yy, yyyy,
// M, MM, d, dd, H, HH, m, mm, s, ss) and literal text; nullopt for any other pattern.
std::optional<std::vector<NumericPiece>> numericPieces(const QString& pattern)
{
    std::vector<NumericPiece> pieces;
    const auto addLiteral = [&](QChar c) {
        if (pieces.empty() || pieces.back().field)
            pieces.emplace_back();
        pieces.back().literal += c;
    };
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern.at(i);
        if (c == u'\'') {
            if (i + 1 < pattern.size() && pattern.at(i + 1) == u'\'') { // '' is one apostrophe
                addLiteral(c);
                i += 2;
                continue;
            }
            qsizetype j = i + 1;
            for (;; ++j) {
                if (j >= pattern.size())
                    return std::nullopt; // not closed: left to ICU
                if (pattern.at(j) != u'\'')
                    addLiteral(pattern.at(j));
                else if (j + 1 < pattern.size() && pattern.at(j + 1) == u'\'')
                    addLiteral(pattern.at(j++));
                else
                    break;
            }
            i = j + 1;
            continue;
        }
        if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')) {
            qsizetype j = i;
            while (j < pattern.size() && pattern.at(j) == c)
                ++j;
            const int width = int(j - i);
            const char16_t field = c.unicode();
            const bool numeric = field == u'y' ? (width == 1 || width == 2 || width == 4)
                                               : (field == u'M' || field == u'd' || field == u'H' || field == u'm'
                                                  || field == u's')
                    && width <= 2;
            if (!numeric)
                return std::nullopt;
            pieces.push_back({QString(), field, width});
            i = j;
            continue;
        }
        addLiteral(c);
        ++i;
    }
    return pieces;
}

QString renderNumeric(const std::vector<NumericPiece>& pieces, const QDate& date, const QTime& time)
{
    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    QString text;
    text.reserve(32);
    for (const NumericPiece& piece : pieces) {
        if (!piece.field) {
            text += piece.literal;
            continue;
        }
        int value = 0;
        switch (piece.field) {
        case u'y': value = piece.width == 2 ? year % 100 : year; break;
        case u'M': value = month; break;
        case u'd': value = day; break;
        case u'H': value = time.hour(); break;
        case u'm': value = time.minute(); break;
        default: value = time.second(); break;
        }
        // The digits from the last, then the zeros the width asks for in front of them.
        char16_t digits[12];
        int count = 0;
        do {
            digits[count++] = char16_t(u'0' + value % 10);
            value /= 10;
        } while (value > 0);
        for (int zeros = piece.width - count; zeros > 0; --zeros)
            text += QLatin1Char('0');
        while (count > 0)
            text += QChar(digits[--count]);
    }
    return text;
}

// The years the numeric rendering covers: four digits, and Gregorian in ICU too (its
// calendar is Julian before 1582).
bool inNumericRange(const QDate& date)
{
    return date.year() >= 1600 && date.year() <= 9999;
}

} // namespace

struct DateFormatter::Impl {
    QString pattern;
    QString localeId;
    std::unique_ptr<icu::SimpleDateFormat> format;
    // Reused for every format() call so that formatting does not clone a calendar per date.
    std::unique_ptr<icu::Calendar> work;
    // For a wall-clock formatter whose pattern is only numbers, in a Gregorian locale that
    // writes ASCII digits: the dates written without ICU (a photo pass formats two per
    // image, and ICU's formatting costs more than reading the image's metadata).
    std::optional<std::vector<NumericPiece>> numeric;

    void build(const icu::Locale& locale, icu::TimeZone* adoptedZone, bool gregorian);
    void allowNumericRendering(const icu::Locale& locale);
    QString icuFormat(const QDateTime& date) const;
};

void DateFormatter::Impl::allowNumericRendering(const icu::Locale& locale)
{
    if (!format || std::strcmp(format->getCalendar()->getType(), "gregorian") != 0)
        return;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::NumberingSystem> digits(icu::NumberingSystem::createInstance(locale, status));
    if (U_FAILURE(status) || !digits || digits->isAlgorithmic() || std::strcmp(digits->getName(), "latn") != 0)
        return;
    std::optional<std::vector<NumericPiece>> pieces = numericPieces(pattern);
    if (!pieces)
        return;
    // ICU has the last word: dates with one and two digits in every field must come out
    // the same both ways.
    for (const QDateTime& probe : {QDateTime(QDate(2009, 1, 5), QTime(3, 4, 5), Qt::UTC),
                                   QDateTime(QDate(1999, 12, 31), QTime(23, 59, 59), Qt::UTC),
                                   QDateTime(QDate(2010, 10, 10), QTime(0, 0, 0), Qt::UTC)}) {
        if (renderNumeric(*pieces, probe.date(), probe.time()) != icuFormat(probe))
            return;
    }
    numeric = std::move(pieces);
}

QString DateFormatter::Impl::icuFormat(const QDateTime& date) const
{
    UErrorCode status = U_ZERO_ERROR;
    work->setTime(UDate(date.toMSecsSinceEpoch()), status);
    icu::UnicodeString text;
    format->format(*work, text, nullptr, status);
    if (U_FAILURE(status)) {
        logStatus("format", status, pattern);
        return QString();
    }
    return fromUnicode(text);
}

void DateFormatter::Impl::build(const icu::Locale& locale, icu::TimeZone* adoptedZone, bool gregorian)
{
    std::unique_ptr<icu::TimeZone> zone(adoptedZone);
    if (!zone) {
        logStatus("time zone", U_MEMORY_ALLOCATION_ERROR, pattern);
        return;
    }
    UErrorCode status = U_ZERO_ERROR;
    auto sdf = std::make_unique<icu::SimpleDateFormat>(toUnicode(pattern), locale, status);
    if (U_FAILURE(status)) {
        logStatus("SimpleDateFormat", status, pattern);
        return;
    }
    if (gregorian) {
        auto calendar = std::make_unique<icu::GregorianCalendar>(*zone, locale, status);
        if (U_FAILURE(status)) {
            logStatus("GregorianCalendar", status, pattern);
            return;
        }
        sdf->adoptCalendar(calendar.release());
    }
    sdf->adoptTimeZone(zone.release());
    sdf->setLenient(false);

    std::unique_ptr<icu::Calendar> calendar(sdf->getCalendar()->clone());
    if (!calendar) {
        logStatus("Calendar::clone", U_MEMORY_ALLOCATION_ERROR, pattern);
        return;
    }
    // ICU reports an unusable pattern letter only when formatting: try it once now.
    calendar->setTime(0.0, status);
    icu::UnicodeString probe;
    sdf->format(*calendar, probe, nullptr, status);
    if (U_FAILURE(status)) {
        logStatus("format", status, pattern);
        return;
    }
    format = std::move(sdf);
    work = std::move(calendar);
    localeId = QString::fromLatin1(locale.getName());
}

DateFormatter::DateFormatter(const QString& pattern)
    : d(std::make_unique<Impl>())
{
    d->pattern = pattern;
    const QByteArray locale = DateFormat::userLocaleId();
    d->build(icu::Locale(locale.constData()), createUserTimeZone(), false);
}

DateFormatter::DateFormatter(const QString& pattern, const QByteArray& localeId, const QString& timeZoneId)
    : d(std::make_unique<Impl>())
{
    d->pattern = pattern;
    d->build(icu::Locale(localeId.constData()), createTimeZone(timeZoneId), true);
}

DateFormatter::DateFormatter(const QString& pattern, WallClock)
    : d(std::make_unique<Impl>())
{
    d->pattern = pattern;
    const QByteArray locale = DateFormat::userLocaleId();
    const icu::Locale icuLocale(locale.constData());
    d->build(icuLocale, icu::TimeZone::createTimeZone(icu::UnicodeString(u"UTC")), false);
    d->allowNumericRendering(icuLocale);
}

DateFormatter::~DateFormatter() = default;

bool DateFormatter::isValid() const
{
    return d->format != nullptr;
}

QString DateFormatter::pattern() const
{
    return d->pattern;
}

QString DateFormatter::localeId() const
{
    return d->localeId;
}

QString DateFormatter::timeZoneId() const
{
    if (!d->format)
        return QString();
    icu::UnicodeString id;
    d->format->getTimeZone().getID(id);
    return fromUnicode(id);
}

QString DateFormatter::format(const QDateTime& date) const
{
    if (!d->format || !date.isValid())
        return QString();
    if (d->numeric) {
        // The formatter's zone is UTC.
        const QDateTime utc = date.toUTC();
        if (inNumericRange(utc.date()))
            return renderNumeric(*d->numeric, utc.date(), utc.time());
    }
    return d->icuFormat(date);
}

std::optional<QDateTime> DateFormatter::parse(const QString& text) const
{
    if (!d->format || text.isEmpty())
        return std::nullopt;
    std::unique_ptr<icu::Calendar> calendar(d->format->getCalendar()->clone());
    if (!calendar)
        return std::nullopt;
    calendar->clear();
    const icu::UnicodeString source = toUnicode(text);
    icu::ParsePosition position(0);
    d->format->parse(source, *calendar, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != source.length())
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const UDate time = calendar->getTime(status);
    const int32_t zoneOffset = calendar->get(UCAL_ZONE_OFFSET, status);
    const int32_t dstOffset = calendar->get(UCAL_DST_OFFSET, status);
    if (U_FAILURE(status))
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround(time)), Qt::OffsetFromUTC,
                                          (zoneOffset + dstOffset) / 1000);
}

namespace DateFormat {

namespace {

// The environment a cached formatter was built for, compared without allocating.
struct CachedFormatter {
    QString pattern;
    std::string localeSource;
    std::string zoneSource;
    bool zoneSet = false;
    std::unique_ptr<DateFormatter> formatter;

    bool matches(const QString& wanted, const char* locale, const char* zone) const
    {
        return formatter && pattern == wanted
            && (!locale || localeSource == locale)
            && zoneSet == (zone != nullptr) && (!zone || zoneSource == zone);
    }

    void remember(const QString& wanted, const char* locale, const char* zone)
    {
        pattern = wanted;
        localeSource = locale ? locale : "";
        zoneSet = zone != nullptr;
        zoneSource = zone ? zone : "";
    }
};

// A few formatters per thread, each with the environment it was built for: a pass that
// alternates patterns (a photo's date and its time, the EXIF and XMP date forms) builds
// each one once instead of once per call. The oldest entry gives way to a new pattern.
class FormatterCache {
public:
    template <typename Make>
    DateFormatter& get(const QString& pattern, const char* locale, const char* zone, Make make)
    {
        for (CachedFormatter& entry : entries_) {
            if (entry.matches(pattern, locale, zone))
                return *entry.formatter;
        }
        CachedFormatter& entry = entries_[next_];
        next_ = (next_ + 1) % kSize;
        entry.formatter = make();
        entry.remember(pattern, locale, zone);
        return *entry.formatter;
    }

private:
    static constexpr int kSize = 4;
    CachedFormatter entries_[kSize];
    int next_ = 0;
};

const QString& standardPattern()
{
    static const QString pattern = QStringLiteral("yyyy-MM-dd HH:mm:ss Z");
    return pattern;
}

DateFormatter& standardFormatter()
{
    thread_local DateFormatter formatter(standardPattern(), QByteArrayLiteral("en_US_POSIX"),
                                         QStringLiteral("UTC"));
    return formatter;
}

} // namespace

QString format(const QDateTime& date, const QString& pattern)
{
    thread_local FormatterCache cache;
    return cache.get(pattern, localeVariable(), std::getenv("TZ"), [&] { return std::make_unique<DateFormatter>(pattern); })
        .format(date);
}

std::optional<QDateTime> parseFixedFormat(const QString& text, const QString& pattern)
{
    thread_local FormatterCache cache;
    return cache
        .get(pattern, nullptr, std::getenv("TZ"),
             [&] { return std::make_unique<DateFormatter>(pattern, QByteArrayLiteral("en_US_POSIX"), QString()); })
        .parse(text);
}

namespace {

// The value of `count` ASCII digits at `at`, or -1.
int asciiNumber(const QString& text, qsizetype at, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t c = text.at(at + i).unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// The common wall-clock texts read from files, "yyyy-MM-dd HH:mm:ss" and "yyyy-MM-dd" in
// ASCII digits with every field in range, read without ICU (whose parse costs tens of
// thousands of instructions per photo). Anything else is left to ICU, and so are years
// before 1600 (ICU's calendar is Julian before 1582); for the texts taken here ICU gives
// the same date.
std::optional<QDateTime> parseCommonWallClock(const QString& text, const QString& pattern)
{
    const bool withTime = pattern == QLatin1String("yyyy-MM-dd HH:mm:ss");
    if (!withTime && pattern != QLatin1String("yyyy-MM-dd"))
        return std::nullopt;
    if (text.size() != (withTime ? 19 : 10) || text.at(4) != u'-' || text.at(7) != u'-')
        return std::nullopt;
    const int year = asciiNumber(text, 0, 4), month = asciiNumber(text, 5, 2), day = asciiNumber(text, 8, 2);
    if (year < 1600 || !QDate::isValid(year, month, day))
        return std::nullopt;
    int hour = 0, minute = 0, second = 0;
    if (withTime) {
        if (text.at(10) != u' ' || text.at(13) != u':' || text.at(16) != u':')
            return std::nullopt;
        hour = asciiNumber(text, 11, 2);
        minute = asciiNumber(text, 14, 2);
        second = asciiNumber(text, 17, 2);
        if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
            return std::nullopt;
    }
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

} // namespace

std::optional<QDateTime> parseWallClock(const QString& text, const QString& pattern)
{
    if (std::optional<QDateTime> common = parseCommonWallClock(text, pattern))
        return common;
    thread_local FormatterCache cache;
    std::optional<QDateTime> date =
        cache
            .get(pattern, nullptr, nullptr,
                 [&] {
                     return std::make_unique<DateFormatter>(pattern, QByteArrayLiteral("en_US_POSIX"),
                                                            QStringLiteral("UTC"));
                 })
            .parse(text);
    if (date)
        date = date->toUTC();
    return date;
}

QString formatWallClock(const QDateTime& wallClock, const QString& pattern)
{
    thread_local FormatterCache cache;
    return cache
        .get(pattern, localeVariable(), nullptr,
             [&] { return std::make_unique<DateFormatter>(pattern, DateFormatter::WallClock{}); })
        .format(wallClock);
}

QString standardDescription(const QDateTime& date)
{
    return standardFormatter().format(date);
}

std::optional<QDateTime> parseStandardDescription(const QString& text)
{
    return standardFormatter().parse(text);
}

QString quotedLiteral(const QString& text)
{
    if (text.isEmpty())
        return QString();
    QString quoted;
    quoted.reserve(text.size() + 2);
    quoted += QLatin1Char('\'');
    for (const QChar c : text) {
        quoted += c;
        if (c == QLatin1Char('\''))
            quoted += QLatin1Char('\'');
    }
    quoted += QLatin1Char('\'');
    return quoted;
}

QByteArray userLocaleId()
{
    return localeIdFrom(localeVariable());
}

QString localeDateTime(const QDateTime& date)
{
    // The locale's own pattern, then the cached formatter of format() (calendar and zone
    // of the user).
    const std::unique_ptr<icu::DateFormat> style(icu::DateFormat::createDateTimeInstance(
        icu::DateFormat::kMedium, icu::DateFormat::kShort, icu::Locale(userLocaleId().constData())));
    const auto* simple = dynamic_cast<const icu::SimpleDateFormat*>(style.get());
    if (!simple)
        return standardDescription(date);
    icu::UnicodeString pattern;
    simple->toPattern(pattern);
    const QString text = format(date, QString(reinterpret_cast<const QChar*>(pattern.getBuffer()), pattern.length()));
    return text.isEmpty() ? standardDescription(date) : text;
}

} // namespace DateFormat
