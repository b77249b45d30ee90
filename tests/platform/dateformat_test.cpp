#include "platform/dateformat.h"

#include <QTimeZone>

#include <gtest/gtest.h>

#include <thread>

namespace {

const char* const kVariables[] = {"LC_ALL", "LC_TIME", "LANG", "TZ"};

// Each test sets the locale and zone variables it needs and gets the old ones back.
class DateFormatTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : kVariables)
            saved.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
        setLocale("en_US.UTF-8");
        qputenv("TZ", "UTC");
    }

    void TearDown() override
    {
        for (const Saved& s : saved) {
            if (s.wasSet)
                qputenv(s.name, s.value);
            else
                qunsetenv(s.name);
        }
    }

    static void setLocale(const char* lang)
    {
        qunsetenv("LC_ALL");
        qunsetenv("LC_TIME");
        qputenv("LANG", lang);
    }

    // Sunday 7 March 2010, 14:05:09 UTC.
    static QDateTime sample() { return QDateTime(QDate(2010, 3, 7), QTime(14, 5, 9), QTimeZone::utc()); }

private:
    struct Saved {
        const char* name;
        bool wasSet;
        QByteArray value;
    };
    std::vector<Saved> saved;
};

TEST_F(DateFormatTest, FormatsUnicodePatterns)
{
    EXPECT_EQ(DateFormat::format(sample(), "dd MM yyyy HH mm ss"), "07 03 2010 14 05 09");
    EXPECT_EQ(DateFormat::format(sample(), "ddMMyyyy HHmmss"), "07032010 140509");
    EXPECT_EQ(DateFormat::format(sample(), "hh mm ss a"), "02 05 09 PM");
    EXPECT_EQ(DateFormat::format(sample(), "yy-M-d"), "10-3-7");
    // Switching patterns back and forth on one thread must not reuse the wrong formatter.
    EXPECT_EQ(DateFormat::format(sample(), "EEE"), "Sun");
    EXPECT_EQ(DateFormat::format(sample(), "dd MM yyyy HH mm ss"), "07 03 2010 14 05 09");
    EXPECT_EQ(DateFormat::format(QDateTime(), "yyyy"), "");
}

TEST_F(DateFormatTest, LocaleComesFromLcAllThenLcTimeThenLang)
{
    EXPECT_EQ(DateFormat::format(sample(), "EEE"), "Sun");
    setLocale("fr_FR.UTF-8");
    EXPECT_EQ(DateFormat::format(sample(), "EEE"), "dim.");
    qputenv("LC_TIME", "de_DE.UTF-8");
    EXPECT_EQ(DateFormat::format(sample(), "EEE"), "So.");
    qputenv("LC_ALL", "en_US.UTF-8");
    EXPECT_EQ(DateFormat::format(sample(), "EEE"), "Sun");
    qputenv("LC_ALL", ""); // an empty variable does not count
    EXPECT_EQ(DateFormat::format(sample(), "EEE"), "So.");
    EXPECT_EQ(DateFormatter("EEE").localeId(), "de_DE");
}

TEST_F(DateFormatTest, LocaleIdIsCleanedUp)
{
    setLocale("fr_FR.UTF-8@euro");
    EXPECT_EQ(DateFormat::userLocaleId(), "fr_FR");
    setLocale("C.UTF-8");
    EXPECT_EQ(DateFormat::userLocaleId(), "en_US_POSIX");
    setLocale("POSIX");
    EXPECT_EQ(DateFormat::userLocaleId(), "en_US_POSIX");
    qunsetenv("LANG");
    EXPECT_EQ(DateFormat::userLocaleId(), "en_US_POSIX");
    EXPECT_EQ(DateFormat::format(sample(), "EEE hh a"), "Sun 02 PM");
}

TEST_F(DateFormatTest, TimeZoneFollowsTzAtEveryChange)
{
    EXPECT_EQ(DateFormat::format(sample(), "HH"), "14");
    qputenv("TZ", "Asia/Tokyo");
    EXPECT_EQ(DateFormat::format(sample(), "HH Z"), "23 +0900");
    qputenv("TZ", "America/New_York");
    EXPECT_EQ(DateFormat::format(sample(), "HH Z"), "09 -0500");
    qputenv("TZ", ":Europe/Paris");
    EXPECT_EQ(DateFormat::format(sample(), "HH"), "15");
    qputenv("TZ", "/usr/share/zoneinfo/Europe/Paris");
    const QDateTime summer(QDate(2010, 7, 7), QTime(14, 5, 9), QTimeZone::utc());
    EXPECT_EQ(DateFormat::format(summer, "HH"), "16");
    EXPECT_EQ(DateFormatter("HH").timeZoneId(), "Europe/Paris");
    // A POSIX rule that ICU cannot name falls back to the C library's offset.
    qputenv("TZ", "XYZ-3");
    EXPECT_EQ(DateFormat::format(sample(), "HH"), "17");
    qputenv("TZ", "");
    EXPECT_EQ(DateFormat::format(sample(), "HH"), "14");
}

TEST_F(DateFormatTest, UserCalendarFormatsButFixedFormatsStayGregorian)
{
    setLocale("th_TH.UTF-8");
    EXPECT_EQ(DateFormat::format(sample(), "yyyy"), "2553"); // Buddhist era, as the user reads it
    const auto parsed = DateFormat::parseFixedFormat("2010-03-07 14:05:09", "yyyy-MM-dd HH:mm:ss");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, sample());
}

TEST_F(DateFormatTest, ParsingIsStrictAndWhole)
{
    qputenv("TZ", "Europe/Paris");
    DateFormatter formatter("yyyy-MM-dd HH:mm:ss");
    ASSERT_TRUE(formatter.isValid());
    const auto parsed = formatter.parse("2010-03-07 15:05:09");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, sample());
    EXPECT_EQ(parsed->offsetFromUtc(), 3600);

    EXPECT_FALSE(formatter.parse("2010-02-30 10:00:00"));
    EXPECT_FALSE(formatter.parse("2010-13-01 10:00:00"));
    EXPECT_FALSE(formatter.parse("2010-03-07 25:00:00"));
    EXPECT_FALSE(formatter.parse("2010-03-07 15:05:09 trailing"));
    EXPECT_FALSE(formatter.parse("2010-03-07"));
    EXPECT_FALSE(formatter.parse(""));
    EXPECT_FALSE(formatter.parse("0000-00-00 00:00:00"));
}

// Wall-clock texts are read without ICU where their form is the usual one: the result must
// be ICU's own for every text, taken or refused, in whatever zone the user is.
TEST_F(DateFormatTest, WallClockParsingAgreesWithIcu)
{
    qputenv("TZ", "America/New_York");
    const QStringList timed = {
        "2009-01-01 00:00:00", "2009-03-08 02:30:00", "2008-02-29 23:59:59", "2009-02-29 10:00:00",
        "2000-02-29 12:00:00", "1900-02-29 12:00:00", "2009-04-31 10:00:00", "2009-13-01 10:00:00",
        "2009-00-10 10:00:00", "2009-01-00 10:00:00", "2009-01-01 24:00:00", "2009-01-01 23:60:00",
        "2009-01-01 23:59:60", "1600-01-01 00:00:00", "1582-10-10 12:00:00", "0000-00-00 00:00:00",
        "0001-01-01 00:00:00", "9999-12-31 23:59:59", "2009-1-01 10:00:00",  "2009-01-01T10:00:00",
        "2009-01-01 10:00:0",  "2009-01-01 10:00:001", "２００９-01-01 10:00:00", "2009-01-01 1a:00:00",
        "",
    };
    const QStringList dated = {"2009-01-01", "2008-02-29", "2009-02-29", "1599-12-31", "2009-1-1", "2009-01-01 "};
    for (const auto& [pattern, texts] : {std::pair{QStringLiteral("yyyy-MM-dd HH:mm:ss"), timed},
                                         std::pair{QStringLiteral("yyyy-MM-dd"), dated}}) {
        const DateFormatter icu(pattern, "en_US_POSIX", "UTC");
        for (const QString& text : texts) {
            std::optional<QDateTime> expected = icu.parse(text);
            if (expected)
                expected = expected->toUTC();
            const std::optional<QDateTime> parsed = DateFormat::parseWallClock(text, pattern);
            ASSERT_EQ(parsed.has_value(), expected.has_value()) << text.toStdString();
            if (parsed) {
                EXPECT_EQ(*parsed, *expected) << text.toStdString();
                EXPECT_EQ(parsed->timeSpec(), expected->timeSpec()) << text.toStdString();
                EXPECT_EQ(DateFormat::formatWallClock(*parsed, "yyyy-MM-dd HH:mm:ss EEE"),
                          DateFormat::formatWallClock(*expected, "yyyy-MM-dd HH:mm:ss EEE"))
                    << text.toStdString();
            }
        }
    }
}

// Wall-clock dates whose pattern is only numbers are written without ICU where the locale
// writes ASCII digits with the Gregorian calendar: every text must be ICU's own, in every
// locale, and a locale with other digits or another calendar keeps them.
TEST_F(DateFormatTest, WallClockFormattingAgreesWithIcu)
{
    const QStringList patterns = {"yyyy-MM-dd", "HH-mm-ss", "y.M.d H:m:s", "yy/MM/dd", "'at' HH'h'mm",
                                  "HH 'o''clock'", "yyyy''MM", "dd MMM yyyy", "hh mm ss a", "EEE d", "yyyyy",
                                  "'open"};
    const QList<QDateTime> dates = {QDateTime(QDate(2009, 3, 5), QTime(7, 8, 9), Qt::UTC),
                                    QDateTime(QDate(1600, 1, 1), QTime(0, 0, 0), Qt::UTC),
                                    QDateTime(QDate(1599, 12, 31), QTime(23, 59, 59), Qt::UTC),
                                    QDateTime(QDate(9999, 12, 31), QTime(12, 30, 0), Qt::UTC),
                                    QDateTime(QDate(2000, 10, 20), QTime(20, 0, 0), Qt::UTC)};
    for (const char* lang : {"en_US.UTF-8", "fr_FR.UTF-8", "de_DE.UTF-8", "hi_IN.UTF-8", "ar_EG.UTF-8", "C"}) {
        setLocale(lang);
        for (const QString& pattern : patterns) {
            // Every one of these locales has the Gregorian calendar by default.
            const DateFormatter icu(pattern, DateFormat::userLocaleId(), "UTC");
            for (const QDateTime& date : dates)
                EXPECT_EQ(DateFormat::formatWallClock(date, pattern), icu.format(date))
                    << lang << " " << pattern.toStdString() << " " << date.toString(Qt::ISODate).toStdString();
        }
    }
    setLocale("ar_EG.UTF-8");
    EXPECT_NE(DateFormat::formatWallClock(dates.first(), "yyyy"), "2009"); // Arabic-Indic digits
    setLocale("th_TH.UTF-8");
    EXPECT_EQ(DateFormat::formatWallClock(dates.first(), "yyyy"), "2552"); // Buddhist era
}

TEST_F(DateFormatTest, UnusablePatternIsInvalid)
{
    DateFormatter formatter("yyyy jjj");
    EXPECT_FALSE(formatter.isValid());
    EXPECT_EQ(formatter.format(sample()), "");
    EXPECT_FALSE(formatter.parse("2010"));
    EXPECT_EQ(DateFormat::format(sample(), "yyyy jjj"), "");
}

TEST_F(DateFormatTest, QuotedLiteralsKeepLettersAndApostrophes)
{
    EXPECT_EQ(DateFormat::quotedLiteral("at"), "'at'");
    EXPECT_EQ(DateFormat::quotedLiteral("o'clock"), "'o''clock'");
    EXPECT_EQ(DateFormat::quotedLiteral(""), "");
    const QString pattern = "ddMMyyyy" + DateFormat::quotedLiteral("at o'clock") + "HHmmss";
    EXPECT_EQ(DateFormat::format(sample(), pattern), "07032010at o'clock140509");
}

TEST_F(DateFormatTest, StandardDescriptionIgnoresUserLocaleAndZone)
{
    setLocale("ar_EG.UTF-8"); // would write Arabic-Indic digits
    qputenv("TZ", "Asia/Tokyo");
    EXPECT_EQ(DateFormat::standardDescription(sample()), "2010-03-07 14:05:09 +0000");
    EXPECT_EQ(DateFormat::standardDescription(QDateTime()), "");

    const auto back = DateFormat::parseStandardDescription(DateFormat::standardDescription(sample()));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, sample());

    const auto offset = DateFormat::parseStandardDescription("2010-03-07 15:05:09 +0100");
    ASSERT_TRUE(offset);
    EXPECT_EQ(*offset, sample());
    EXPECT_EQ(offset->offsetFromUtc(), 3600);

    EXPECT_FALSE(DateFormat::parseStandardDescription("2010-03-07 15:05:09"));
    EXPECT_FALSE(DateFormat::parseStandardDescription("yesterday"));
}

TEST_F(DateFormatTest, EachThreadHasItsOwnFormatter)
{
    QString other;
    std::thread worker([&] { other = DateFormat::format(sample(), "EEE dd"); });
    const QString here = DateFormat::format(sample(), "yyyy");
    worker.join();
    EXPECT_EQ(other, "Sun 07");
    EXPECT_EQ(here, "2010");
}

} // namespace
