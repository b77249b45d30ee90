#include "engine/rangeerror.h"
#include "engine/stringutilities.h"
#include "platform/edition.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

namespace {

using SU = StringUtilities;

// Collects the warnings logged while it lives.
class LogCapture {
public:
    LogCapture() { previous = qInstallMessageHandler(&LogCapture::handler); }
    ~LogCapture() { qInstallMessageHandler(previous); }
    static QStringList lines;

private:
    static void handler(QtMsgType, const QMessageLogContext&, const QString& message) { lines << message; }
    QtMessageHandler previous;
};
QStringList LogCapture::lines;

// "a", U+1F600 (two units), "b".
const QString kWithEmoji = QStringLiteral("a\U0001F600b");

TEST(StringUtilitiesTest, InstrStringSearchesFromStart)
{
    EXPECT_EQ(SU::instrString(u"abcabc", u"BC", 3, false), 5);
    EXPECT_EQ(SU::instrString(u"abcabc", u"BC", 3, true), 0);
    EXPECT_EQ(SU::instrString(u"abcabc", u"bc", 3, true), 5);
    EXPECT_EQ(SU::instrString(u"abcabc", u"bc", 1, true), 2);
    EXPECT_EQ(SU::instrString(u"abcabc", u"bc", 7, false), 0);
    EXPECT_EQ(SU::instrString(u"", u"x", 1, false), 0);
    EXPECT_EQ(SU::instrString(u"\u00C9COLE", u"\u00E9", 1, false), 1);
    EXPECT_EQ(SU::instrString(kWithEmoji, u"b", 1, true), 4);
}

TEST(StringUtilitiesTest, CaseInsensitiveSearchAgreesWithCaseFolding)
{
    // ASCII texts take a search of their own; everything else Qt's folded search. Both must
    // find what the folded search finds.
    const QList<QPair<QString, QString>> cases{
        {"report_draft.txt", "DRAFT"}, {"aaab", "aab"}, {"AaAaB", "aab"}, {"abc", "abcd"},
        {"x", "X"}, {"[Draft]", "]"}, {"draftdraft", "tD"}, {"caf\u00c9-draft", "\u00e9"},
        {"Kelvin \u212a", "k"}, {"plain", "\u00df"}, {"Stra\u00dfe", "STRA"}, {"", "a"}};
    for (const auto& [text, find] : cases) {
        const qsizetype expected = QStringView(text).indexOf(find, 0, Qt::CaseInsensitive);
        EXPECT_EQ(SU::instrString(text, find, 1, false), expected + 1) << text.toStdString() << " / " << find.toStdString();
    }
}

TEST(StringUtilitiesTest, InstrStringRejectsStartOutsideText)
{
    EXPECT_THROW(SU::instrString(u"abc", u"a", 0, true), RangeError);
    EXPECT_THROW(SU::instrString(u"abc", u"a", -4, true), RangeError);
    EXPECT_THROW(SU::instrString(u"abc", u"a", 5, true), RangeError);
    EXPECT_THROW(SU::instrString(u"abc", u"", 5, true), RangeError);
    try {
        SU::instrString(u"abc", u"a", 9, true);
        FAIL() << "no RangeError";
    } catch (const RangeError& e) {
        EXPECT_TRUE(e.reason().contains("instrString")) << e.reason().toStdString();
    }
}

TEST(StringUtilitiesTest, FindLocationCountsNonOverlappingOccurrences)
{
    EXPECT_EQ(SU::findLocationInString(u"a.b.c.d", u".", 3, true), 6);
    EXPECT_EQ(SU::findLocationInString(u"a.b.c.d", u".", 4, true), 0);
    EXPECT_EQ(SU::findLocationInString(u"a.b.c.d", u".", 2, true), 4);
    EXPECT_EQ(SU::findLocationInString(u"aaaa", u"aa", 2, true), 3);
    EXPECT_EQ(SU::findLocationInString(u"aaaa", u"aa", 3, true), 0);
    EXPECT_EQ(SU::findLocationInString(u"xAxa", u"a", 2, false), 4);
    EXPECT_EQ(SU::findLocationInString(u"xAxa", u"a", 2, true), 0);
    EXPECT_EQ(SU::findLocationInString(u"", u".", 2, true), 0);
}

TEST(StringUtilitiesTest, LeftAndMidNeverFail)
{
    EXPECT_EQ(SU::leftString("abc", 9), "abc");
    EXPECT_EQ(SU::leftString("abc", 2), "ab");
    EXPECT_EQ(SU::leftString("abc", 0), "");
    EXPECT_EQ(SU::leftString("abc", -1), "abc");
    EXPECT_EQ(SU::midString("abc", 3, 5), "c");
    EXPECT_EQ(SU::midString("abc", 4, 1), "");
    EXPECT_EQ(SU::midString("abc", 0, 2), "");
    EXPECT_EQ(SU::midString("abc", -2, 2), "");
    EXPECT_EQ(SU::midString("abc", 2, -1), "");
    EXPECT_EQ(SU::midString("abc", 1, 2), "ab");
    // Units, not characters: half of a surrogate pair is a unit of its own.
    EXPECT_EQ(SU::leftString(kWithEmoji, 2), kWithEmoji.left(2));
    EXPECT_EQ(SU::midString(kWithEmoji, 2, 2), QStringLiteral("\U0001F600"));
    EXPECT_EQ(SU::midString(kWithEmoji, 3, 1), QString(QChar(0xDE00)));
}

TEST(StringUtilitiesTest, ReplaceStringCountsAndStart)
{
    EXPECT_EQ(SU::replaceString("a/b/c", u"/", u":", 1, -1, false), "a:b:c");
    EXPECT_EQ(SU::replaceString("a/b/c", u"/", u":", 1, 1, false), "a:b/c");
    EXPECT_EQ(SU::replaceString("a/b/c", u"/", u":", 3, -1, false), "b:c");
    EXPECT_EQ(SU::replaceString("a/b/c", u"/", u":", 1, 0, false), "a/b/c");
    EXPECT_EQ(SU::replaceString("a/b/c", u"/", u":", 3, 0, false), "b/c");
    EXPECT_EQ(SU::replaceString("aaaa", u"aa", u"a", 1, -1, true), "aa");
    EXPECT_EQ(SU::replaceString("aaa", u"a", u"", 1, -1, true), "");
    EXPECT_EQ(SU::replaceString("Hello World", u"O", u"0", 1, -1, false), "Hell0 W0rld");
    EXPECT_EQ(SU::replaceString("Hello World", u"O", u"0", 1, -1, true), "Hello World");
    EXPECT_EQ(SU::replaceString(kWithEmoji, QStringLiteral("\U0001F600"), u"-", 1, -1, true), "a-b");
    // Past the end there is nothing left; before the start there is no text at all.
    EXPECT_EQ(SU::replaceString("abc", u"a", u"x", 4, -1, true), "");
    EXPECT_EQ(SU::replaceString("abc", u"a", u"x", 10, -1, true), "");
    EXPECT_THROW(SU::replaceString("abc", u"a", u"x", 0, -1, true), RangeError);
}

TEST(StringUtilitiesTest, RemoveStringCutsAtOccurrence)
{
    EXPECT_EQ(SU::removeString("a-b-c-d", u"-", u"x", 1, 2, true), "a-b-");
    EXPECT_EQ(SU::removeString("a-b-c-d", u"-", u"", 1, 2, true), "a-b");
    EXPECT_EQ(SU::removeString("abc", u"a", u"", 1, 1, true), "bc");
    EXPECT_EQ(SU::removeString("abc", u"a", u"x", 1, 1, true), "a");
    EXPECT_EQ(SU::removeString("a-b", u"-", u"", 1, 3, true), "a-b");
    EXPECT_EQ(SU::removeString("a-b", u"-", u"", 1, 0, true), "a-b");
    EXPECT_EQ(SU::removeString("a-b", u"-", u"", 1, -1, true), "a-b");
    EXPECT_EQ(SU::removeString("aXbxc", u"x", u"", 1, 2, false), "aXb");
    EXPECT_EQ(SU::removeString("aXbxc", u"x", u"", 1, 2, true), "aXbxc");
    EXPECT_THROW(SU::removeString("abc", u"a", u"", 0, 1, true), RangeError);
}

TEST(StringUtilitiesTest, InsertStringAtExactOccurrence)
{
    EXPECT_EQ(SU::insertString("x-y-z", u"-", u"+", 2, true, false), "x-y+-z");
    EXPECT_EQ(SU::insertString("x-y-z", u"-", u"+", 2, false, false), "x-y-+z");
    EXPECT_EQ(SU::insertString("x-y-z", u"-", u"+", 3, true, false), "x-y-z");
    EXPECT_EQ(SU::insertString("x-y-z", u"-", u"+", 0, true, false), "x-y-z");
    EXPECT_EQ(SU::insertString("a_b", u"_", u"T", 1, true, true), "aT_b");
    EXPECT_EQ(SU::insertString("abab", u"ab", u"|", 2, false, false), "abab|");
    // The case flag is ignored: matching is always exact.
    EXPECT_EQ(SU::insertString("abc", u"B", u"+", 1, true, false), "abc");
    EXPECT_EQ(SU::insertString("", u"-", u"+", 1, true, false), "");
}

TEST(StringUtilitiesTest, EmptyNeedleIsNeverFound)
{
    EXPECT_EQ(SU::instrString(u"abc", u"", 1, true), 0);
    EXPECT_EQ(SU::instrString(u"abc", u"", 4, false), 0);
    EXPECT_EQ(SU::findLocationInString(u"abc", u"", 2, true), 0);
    EXPECT_EQ(SU::replaceString("abc", u"", u"x", 1, -1, true), "abc");
    EXPECT_EQ(SU::replaceString("abc", u"", u"x", 2, 5, false), "bc");
    EXPECT_EQ(SU::removeString("abc", u"", u"", 1, 1, true), "abc");
    EXPECT_EQ(SU::insertString("abc", u"", u"x", 1, true, true), "abc");
    EXPECT_EQ(SU::swapStringBySeparator("abc", u""), "abc");
}

TEST(StringUtilitiesTest, ReverseAndSwaps)
{
    EXPECT_EQ(SU::reverseString(u"abc"), "cba");
    EXPECT_EQ(SU::reverseString(u""), "");
    const QString reversed = SU::reverseString(kWithEmoji);
    ASSERT_EQ(reversed.size(), 4);
    EXPECT_EQ(reversed.at(0), QLatin1Char('b'));
    EXPECT_EQ(reversed.at(1).unicode(), 0xDE00); // unit by unit
    EXPECT_EQ(reversed.at(2).unicode(), 0xD83D);
    EXPECT_EQ(SU::reverseString(reversed), kWithEmoji);

    EXPECT_EQ(SU::swapStringBySeparator("Summer, Beach", u", "), "Beach, Summer");
    EXPECT_EQ(SU::swapStringBySeparator("first-last", u"-"), "last-first");
    EXPECT_EQ(SU::swapStringBySeparator("oneANDtwo", u"and"), "twoANDone");
    EXPECT_EQ(SU::swapStringBySeparator("Summer Beach", u", "), "Summer Beach");
    EXPECT_EQ(SU::swapStringBySeparator("a-b-c", u"-"), "b-c-a");

    EXPECT_EQ(SU::swapStringByPosition("abcdef", 3), "defcab");
    EXPECT_EQ(SU::swapStringByPosition("abcdef", 1), "bcdefa");
    EXPECT_EQ(SU::swapStringByPosition("abcdef", 6), "fabcde");
    EXPECT_EQ(SU::swapStringByPosition("abcdef", 7), "abcdef");
    EXPECT_EQ(SU::swapStringByPosition("abcdef", 0), "abcdef");
    EXPECT_EQ(SU::swapStringByPosition("", 1), "");
    EXPECT_THROW(SU::swapStringByPosition("abcdef", -1), RangeError);
}

TEST(StringUtilitiesTest, AlphabeticRangeIsLowerCaseAsciiOnly)
{
    EXPECT_TRUE(SU::isAlphabeticNumericInRange(u""));
    EXPECT_TRUE(SU::isAlphabeticNumericInRange(u"azbyc"));
    EXPECT_FALSE(SU::isAlphabeticNumericInRange(u"abC"));
    EXPECT_FALSE(SU::isAlphabeticNumericInRange(u"a1"));
    EXPECT_FALSE(SU::isAlphabeticNumericInRange(u"\u00E9"));
    EXPECT_FALSE(SU::isAlphabeticNumericInRange(u"{"));
}

// Runs with the given zone and locale and puts the old values back.
class ZoneScope {
public:
    ZoneScope(const char* tz, const char* lcAll)
        : hadTz(qEnvironmentVariableIsSet("TZ")), oldTz(qgetenv("TZ")),
          hadLc(qEnvironmentVariableIsSet("LC_ALL")), oldLc(qgetenv("LC_ALL"))
    {
        qputenv("TZ", tz);
        qputenv("LC_ALL", lcAll);
    }
    ~ZoneScope()
    {
        if (hadTz)
            qputenv("TZ", oldTz);
        else
            qunsetenv("TZ");
        if (hadLc)
            qputenv("LC_ALL", oldLc);
        else
            qunsetenv("LC_ALL");
    }

private:
    bool hadTz;
    QByteArray oldTz;
    bool hadLc;
    QByteArray oldLc;
};

TEST(StringUtilitiesTest, ExifDateBecomesStandardDescription)
{
    {
        ZoneScope zone("Europe/Berlin", "de_DE.UTF-8");
        EXPECT_EQ(SU::stringToFormattedDate("2010:03:07 14:05:09"), "2010-03-07 13:05:09 +0000");
    }
    {
        ZoneScope zone("UTC", "th_TH.UTF-8"); // a Buddhist-calendar locale reads the same digits
        EXPECT_EQ(SU::stringToFormattedDate("2010:03:07 14:05:09"), "2010-03-07 14:05:09 +0000");
        EXPECT_EQ(SU::stringToFormattedDate("0000:00:00 00:00:00"), std::nullopt);
        EXPECT_EQ(SU::stringToFormattedDate(""), std::nullopt);
        EXPECT_EQ(SU::stringToFormattedDate("2010:02:30 10:00:00"), std::nullopt);
        EXPECT_EQ(SU::stringToFormattedDate("2010:03:07"), std::nullopt);
        EXPECT_EQ(SU::stringToFormattedDate("not a date at all"), std::nullopt);
        // Only the date part has its colons turned into dashes.
        EXPECT_EQ(SU::stringToFormattedDate("2010:03:07 14-05-09"), std::nullopt);
        EXPECT_THROW(SU::stringToFormattedDate("2010:03"), RangeError);
    }
}

TEST(StringUtilitiesTest, DateFromStringReadsZoneOffsetWithColon)
{
    ZoneScope zone("Asia/Tokyo", "fr_FR.UTF-8");
    const auto date = SU::dateFromString("2010-03-07T14:05:09+02:00");
    ASSERT_TRUE(date);
    EXPECT_EQ(*date, QDateTime(QDate(2010, 3, 7), QTime(12, 5, 9), QTimeZone::utc()));
    const auto west = SU::dateFromString("2010-03-07T14:05:09-05:30");
    ASSERT_TRUE(west);
    EXPECT_EQ(*west, QDateTime(QDate(2010, 3, 7), QTime(19, 35, 9), QTimeZone::utc()));
    EXPECT_EQ(SU::dateFromString("2010-03-07T14:05:09"), std::nullopt);
    EXPECT_EQ(SU::dateFromString("yesterday"), std::nullopt);
    EXPECT_EQ(SU::dateFromString(""), std::nullopt);
}

TEST(StringUtilitiesTest, VersionMatchComparesMajorParts)
{
    ASSERT_EQ(SU::appVersion(), Edition::current().version);
    ASSERT_TRUE(SU::appVersion().startsWith("3."));
    EXPECT_TRUE(SU::isFileVersionMatch(QStringLiteral("3.0")));
    EXPECT_TRUE(SU::isFileVersionMatch(QStringLiteral("3.2")));
    EXPECT_TRUE(SU::isFileVersionMatch(QStringLiteral("3")));
    EXPECT_FALSE(SU::isFileVersionMatch(QStringLiteral("2.1")));
    EXPECT_FALSE(SU::isFileVersionMatch(QStringLiteral("30.1")));
    EXPECT_FALSE(SU::isFileVersionMatch(QStringLiteral("")));
    EXPECT_FALSE(SU::isFileVersionMatch(std::nullopt));

    Edition::select(Edition::Kind::Quorvel2);
    EXPECT_TRUE(SU::isFileVersionMatch(QStringLiteral("2.1")));
    EXPECT_FALSE(SU::isFileVersionMatch(QStringLiteral("3.0")));
    Edition::select(Edition::Kind::Quorvel);
}

class AppVersionInPlistTest : public ::testing::Test {
protected:
    QString write(const QString& name, const QByteArray& contents)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(AppVersionInPlistTest, ReadsRootAttribute)
{
    const QString rule = write("a.qvrule",
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
        "<plist version=\"1.0\" appversion=\"3.1.0\"><array/></plist>\n");
    EXPECT_EQ(SU::appVersionInPlist(rule), "3.1.0");
    // Only the root start tag matters: a log cut off mid-write still tells its version.
    const QString cut = write("cut.xml", "<log appversion=\"2.6.0\"><file name=\"x\" newname");
    EXPECT_EQ(SU::appVersionInPlist(cut), "2.6.0");
    const QString none = write("none.xml", "<log><file/></log>");
    EXPECT_EQ(SU::appVersionInPlist(none), std::nullopt);
}

TEST_F(AppVersionInPlistTest, LogsAndReturnsNothingOnFailure)
{
    LogCapture capture;
    LogCapture::lines.clear();
    EXPECT_EQ(SU::appVersionInPlist(write("bad.xml", "this is not xml")), std::nullopt);
    EXPECT_EQ(SU::appVersionInPlist(write("empty.xml", "")), std::nullopt);
    EXPECT_EQ(SU::appVersionInPlist(dir.filePath("missing.xml")), std::nullopt);
    ASSERT_EQ(LogCapture::lines.size(), 3);
    for (const QString& line : LogCapture::lines)
        EXPECT_TRUE(line.startsWith("Error in appVersionInPlist : ")) << line.toStdString();

    LogCapture::lines.clear();
    EXPECT_EQ(SU::appVersionInPlist(QString()), std::nullopt);
    ASSERT_EQ(LogCapture::lines.size(), 1);
    EXPECT_EQ(LogCapture::lines.first(), "Error in appVersionInPlist : Can't create an URL from file .");
}

} // namespace
