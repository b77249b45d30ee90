// The block-wise scans give what a plain loop over the units gives, for every length around
// the block size and every position of the unit that ends a scan.
#include "platform/utf16scan.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

// Units on both sides of each bound the passes scan for.
const char16_t kUnits[] = {u'a', u'/', u'.', u':', u'<', u'>', u'&', u'"', 0x1F, 0x20, 0x7F, 0x80,
                           0xE9, 0xD7FF, 0xD800, 0xDC00, 0xFFFF};

qsizetype plainLastIndexOf(QStringView text, char16_t unit)
{
    for (qsizetype i = text.size() - 1; i >= 0; --i) {
        if (text[i].unicode() == unit)
            return i;
    }
    return -1;
}

qsizetype plainXmlSpan(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20 || c >= 0x80 || c == u'<' || c == u'>' || c == u'&' || c == u'"')
            return i;
    }
    return text.size();
}

qsizetype plainNameSpan(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20 || c >= 0xD800 || c == u'/')
            return i;
    }
    return text.size();
}

} // namespace

TEST(Utf16Scan, AgreesWithAPlainLoopAtEveryLengthAndPosition)
{
    for (qsizetype length = 0; length <= 40; ++length) {
        for (qsizetype at = 0; at <= length; ++at) {
            for (const char16_t unit : kUnits) {
                // Plain letters with one unit placed at `at` (or none when at == length),
                // and a second copy of it further on to tell first from last.
                QString text(length, QLatin1Char('b'));
                if (at < length)
                    text[at] = QChar(unit);
                if (at + 3 < length)
                    text[at + 3] = QChar(unit);
                const QStringView view(text);
                SCOPED_TRACE(testing::Message() << "length " << length << " at " << at << " unit " << int(unit));
                EXPECT_EQ(Utf16Scan::lastIndexOf(view, unit), plainLastIndexOf(view, unit));
                EXPECT_EQ((Utf16Scan::spanWithin<u'<', u'>', u'&', u'"'>(view, 0x20, 0x80)), plainXmlSpan(view));
                EXPECT_EQ(Utf16Scan::spanWithin<u'/'>(view, 0x20, 0xD800), plainNameSpan(view));
            }
        }
    }
}

TEST(Utf16Scan, ConvertsBetweenBytesAndUnitsAtEveryLength)
{
    for (qsizetype length = 0; length <= 40; ++length) {
        QString text;
        for (qsizetype i = 0; i < length; ++i)
            text += QChar(char16_t(0x20 + (i * 7) % 0xDF));
        const std::string latin1 = text.toLatin1().toStdString();

        std::string narrowed(size_t(length) + 1, '#');
        Utf16Scan::narrowInto(narrowed.data(), text);
        EXPECT_EQ(narrowed.substr(0, size_t(length)), latin1) << "length " << length;
        EXPECT_EQ(narrowed.back(), '#') << "wrote past the end at length " << length;

        QString widened(length + 1, QLatin1Char('#'));
        Utf16Scan::widenInto(widened.data(), latin1.data(), length);
        EXPECT_EQ(widened.left(length), text) << "length " << length;
        EXPECT_EQ(widened.back(), QLatin1Char('#')) << "wrote past the end at length " << length;

        // The first byte of 0x80 or above ends the ASCII span, wherever it stands.
        for (qsizetype at = 0; at <= length; ++at) {
            std::string bytes(size_t(length), 'a');
            if (at < length)
                bytes[size_t(at)] = char(0xC3);
            if (at + 5 < length)
                bytes[size_t(at + 5)] = char(0x80);
            EXPECT_EQ(Utf16Scan::asciiSpan(bytes.data(), length), at) << "length " << length;
        }
    }
}
