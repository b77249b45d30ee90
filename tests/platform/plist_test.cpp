#include "platform/plist.h"
#include "platform/plistlimits.h"

#include <gtest/gtest.h>

#include <QDebug>
#include <QFile>
#include <QPoint>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimeZone>

#include <limits>

namespace {

std::string show(const QVariant& value)
{
    QString text;
    QDebug(&text) << value;
    return text.toStdString();
}

QDateTime utc(int y, int mo, int d, int h, int mi, int s, int ms = 0)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), QTimeZone::utc());
}

QByteArray allBytes()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char(i));
    return bytes;
}

// One value of every kind the property-list model knows, nested.
QVariantMap everyType()
{
    return QVariantMap{
        {"text", QStringLiteral("Grüße & <tags> \"quoted\" 日本 \t\n")},
        {"empty text", QString()},
        {"zero", qlonglong(0)},
        {"negative", qlonglong(-42)},
        {"smallest", std::numeric_limits<qlonglong>::min()},
        {"largest", std::numeric_limits<qlonglong>::max()},
        {"unsigned largest", QVariant::fromValue(std::numeric_limits<qulonglong>::max())},
        {"real", 0.1},
        {"huge real", -1.5e300},
        {"yes", true},
        {"no", false},
        {"bytes", allBytes()},
        {"no bytes", QByteArray()},
        {"date", utc(2024, 5, 6, 7, 8, 9)},
        {"old date", utc(1999, 12, 31, 23, 59, 58)},
        {"list", QVariantList{QStringLiteral("a"), qlonglong(1), QVariantList{true}, QVariantMap{}}},
        {"empty list", QVariantList{}},
        {"nested", QVariantMap{{"inner", QVariantMap{{"deep", QStringLiteral("value")}}}}},
        {"uid", QVariant::fromValue(PlistUid{7})},
    };
}

class PlistFormats : public ::testing::TestWithParam<Plist::Format> {};

TEST_P(PlistFormats, EveryTypeRoundTrips)
{
    QString error;
    const QVariantMap value = everyType();
    const QByteArray bytes = Plist::write(value, GetParam(), &error);
    ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
    EXPECT_EQ(bytes.startsWith("bplist00"), GetParam() == Plist::Format::Binary);

    const std::optional<QVariant> back = Plist::read(bytes, &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_TRUE(*back == QVariant(value)) << show(*back);

    // The numeric kinds survive exactly, not just as equal numbers.
    const QVariantMap map = back->toMap();
    EXPECT_EQ(map["negative"].metaType().id(), QMetaType::LongLong);
    EXPECT_EQ(map["unsigned largest"].metaType().id(), QMetaType::ULongLong);
    EXPECT_EQ(map["unsigned largest"].toULongLong(), std::numeric_limits<qulonglong>::max());
    EXPECT_EQ(map["smallest"].toLongLong(), std::numeric_limits<qlonglong>::min());
    EXPECT_EQ(map["real"].metaType().id(), QMetaType::Double);
    EXPECT_EQ(map["yes"].metaType().id(), QMetaType::Bool);
    EXPECT_EQ(map["uid"].value<PlistUid>().value, 7u);
}

TEST_P(PlistFormats, ScalarRootsAndPlainIntegersRoundTrip)
{
    for (const QVariant& value : {QVariant(QStringLiteral("only text")), QVariant(5), QVariant(2.5), QVariant(false)}) {
        const std::optional<QVariant> back = Plist::read(Plist::write(value, GetParam()));
        ASSERT_TRUE(back) << show(value);
        EXPECT_TRUE(*back == value) << show(*back);
    }
}

INSTANTIATE_TEST_SUITE_P(BothForms, PlistFormats, ::testing::Values(Plist::Format::Xml, Plist::Format::Binary));

TEST(PlistDates, BinaryKeepsMillisecondsOnBothSidesOf2001)
{
    const QList<QDateTime> dates{
        utc(2024, 5, 6, 7, 8, 9, 123), utc(2001, 1, 1, 0, 0, 0, 1),     utc(2000, 12, 31, 23, 59, 59, 500),
        utc(1999, 12, 31, 23, 58, 1, 250), utc(1970, 1, 1, 0, 0, 0, 999),
    };
    for (const QDateTime& date : dates) {
        const std::optional<QVariant> back = Plist::read(Plist::write(date, Plist::Format::Binary));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->toDateTime(), date) << date.toString(Qt::ISODateWithMs).toStdString() << " read as "
                                            << back->toDateTime().toString(Qt::ISODateWithMs).toStdString();
        EXPECT_EQ(back->toDateTime().timeSpec(), Qt::UTC);
    }
}

TEST(PlistDates, XmlKeepsWholeSecondsFlooredAndOtherZonesMeanTheSameInstant)
{
    const QDateTime before2001 = utc(1999, 12, 31, 23, 58, 1, 750);
    std::optional<QVariant> back = Plist::read(Plist::write(before2001, Plist::Format::Xml));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->toDateTime(), utc(1999, 12, 31, 23, 58, 1));

    const QDateTime eastern(QDate(2024, 3, 1), QTime(12, 0, 5), QTimeZone(2 * 3600));
    back = Plist::read(Plist::write(eastern, Plist::Format::Xml));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->toDateTime(), utc(2024, 3, 1, 10, 0, 5));
}

TEST(PlistDates, YearsOutsideInt32SecondsKeepTheirPrecision)
{
    // libplist 2.2 builds dates from int32 seconds since 2001 (1933..2069); the binary form
    // still keeps milliseconds beyond that, the XML form whole seconds as everywhere.
    for (const auto format : {Plist::Format::Xml, Plist::Format::Binary}) {
        for (const QDateTime& date : {utc(1769, 12, 27, 15, 39, 11, 938), utc(1900, 2, 3, 4, 5, 6),
                                      utc(2100, 7, 8, 9, 10, 11, 5), utc(9999, 12, 31, 23, 59, 59, 999)}) {
            const std::optional<QVariant> back = Plist::read(Plist::write(date, format));
            ASSERT_TRUE(back);
            const QDateTime expected = format == Plist::Format::Binary ? date : date.addMSecs(-date.time().msec());
            EXPECT_EQ(back->toDateTime(), expected) << back->toDateTime().toString(Qt::ISODateWithMs).toStdString();
        }
    }
}

TEST(PlistFiles, DictionaryOfDataBlobsSurvivesAnXmlFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("blobs.plist");
    const QVariantMap blobs{
        {"photoMetaDataList", QByteArray("bplist00\x00\x01\xff", 11)},
        {"id3Extensions", allBytes().repeated(3)},
        {"empty", QByteArray()},
    };
    QString error;
    ASSERT_TRUE(Plist::writeFile(path, blobs, Plist::Format::Xml, &error)) << error.toStdString();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("<?xml"));
    EXPECT_TRUE(text.contains("<data>"));

    const std::optional<QVariant> back = Plist::readFile(path, &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_TRUE(*back == QVariant(blobs));
}

TEST(PlistFiles, FailedWriteLeavesTheOldFileAndReportsWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("keep.plist");
    ASSERT_TRUE(Plist::writeFile(path, QVariantMap{{"a", QStringLiteral("old")}}, Plist::Format::Xml));

    QString error;
    EXPECT_FALSE(Plist::writeFile(path, QVariantMap{{"a", QVariant::fromValue(QPoint(1, 2))}}, Plist::Format::Xml, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(Plist::readFile(path) == QVariant(QVariantMap{{"a", QStringLiteral("old")}}));

    error.clear();
    EXPECT_FALSE(Plist::writeFile(dir.filePath("missing/dir/x.plist"), QVariantMap{}, Plist::Format::Xml, &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(Plist::readFile(dir.filePath("absent.plist"), &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(PlistWrite, RefusesValuesWithoutAPropertyListForm)
{
    QVariantList tooDeep;
    for (int i = 0; i < Plist::kMaxNesting; ++i)
        tooDeep = QVariantList{QVariant(tooDeep)};
    const QList<QVariant> refused{
        QVariant(),
        QVariant::fromValue(QPoint(1, 2)),
        QVariant(QString::fromUtf8("cut\0here", 8)),
        QVariantMap{{QString::fromUtf8("key\0", 4), 1}},
        QVariant(tooDeep),
    };
    for (const QVariant& value : refused) {
        QString error;
        EXPECT_TRUE(Plist::write(value, Plist::Format::Binary, &error).isEmpty()) << show(value);
        EXPECT_FALSE(error.isEmpty()) << show(value);
    }
    // One level less is fine.
    EXPECT_FALSE(Plist::write(tooDeep.first(), Plist::Format::Binary).isEmpty());
}

// ---- hostile input ------------------------------------------------------------------------------

void appendBigEndian(QByteArray& out, quint64 value, int width)
{
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xff));
}

// Lays encoded objects out as a binary property list (4-byte offsets and references).
QByteArray binaryPlist(const QList<QByteArray>& objects, quint64 root = 0)
{
    QByteArray out("bplist00");
    QList<quint64> offsets;
    for (const QByteArray& object : objects) {
        offsets.append(quint64(out.size()));
        out += object;
    }
    const quint64 table = quint64(out.size());
    for (quint64 offset : offsets)
        appendBigEndian(out, offset, 4);
    out += QByteArray(6, '\0');
    out += char(4);
    out += char(4);
    appendBigEndian(out, quint64(objects.size()), 8);
    appendBigEndian(out, root, 8);
    appendBigEndian(out, table, 8);
    return out;
}

QByteArray arrayObject(const QList<quint64>& refs)
{
    QByteArray object(1, char(0xA0 | refs.size()));
    for (quint64 ref : refs)
        appendBigEndian(object, ref, 4);
    return object;
}

// A chain of arrays `levels` deep around the text "x".
QByteArray binaryChain(int levels)
{
    QList<QByteArray> objects;
    for (int i = 0; i < levels; ++i)
        objects.append(arrayObject({quint64(i + 1)}));
    objects.append(QByteArray("\x51x", 2));
    return binaryPlist(objects);
}

QByteArray xmlChain(int levels, const QByteArray& between = {})
{
    return "<plist version=\"1.0\">" + QByteArray("<array>").repeated(levels) + between + "<string>x</string>"
        + QByteArray("</array>").repeated(levels) + "</plist>";
}

void expectRefused(const QByteArray& data, const char* what)
{
    QString error;
    EXPECT_FALSE(Plist::read(data, &error)) << what;
    EXPECT_FALSE(error.isEmpty()) << what;
}

TEST(PlistRead, RefusesGarbageTruncationAndJunk)
{
    expectRefused({}, "empty");
    expectRefused("<plist>", "short");
    expectRefused("hello world, this is not a property list", "prose");
    expectRefused("bplist00", "bare magic");
    expectRefused("bplist00" + QByteArray(64, '\xff'), "binary junk");
    expectRefused("<plist><dict><string>a</string></dict></plist>", "value without key");
    expectRefused("<plist><integer>1</string></plist>", "mismatched tags");

    QRandomGenerator random(20240506);
    for (int i = 0; i < 300; ++i) {
        QByteArray junk(int(random.bounded(1, 400)), '\0');
        random.fillRange(reinterpret_cast<quint32*>(junk.data()), junk.size() / 4);
        if (i % 2)
            junk.replace(0, 8, "bplist00");
        Plist::read(junk); // must return, whatever it decides
    }

    const QByteArray binary = Plist::write(everyType(), Plist::Format::Binary);
    for (qsizetype length = 0; length < binary.size(); ++length)
        expectRefused(binary.left(length), "truncated binary");

    const QByteArray xml = Plist::write(everyType(), Plist::Format::Xml);
    const qsizetype rootEnd = xml.lastIndexOf("</dict>");
    for (qsizetype length = 0; length < rootEnd; ++length)
        expectRefused(xml.left(length), "truncated XML");

    // Damage anywhere in a binary list: refused or read, never a crash.
    for (qsizetype at = 0; at < binary.size(); ++at) {
        for (const char poison : {'\x00', '\x0f', '\x7f', '\xaf', '\xdf', '\xff'}) {
            QByteArray damaged = binary;
            damaged[at] = poison;
            Plist::read(damaged);
        }
    }
}

TEST(PlistRead, NestingIsLimitedTo512Levels)
{
    EXPECT_TRUE(Plist::read(xmlChain(Plist::kMaxNesting)));
    EXPECT_TRUE(Plist::read(binaryChain(Plist::kMaxNesting)));
    expectRefused(xmlChain(Plist::kMaxNesting + 1), "XML one level too deep");
    expectRefused(binaryChain(Plist::kMaxNesting + 1), "binary one level too deep");

    // Far deeper input would overflow libplist's own recursion; it is refused before parsing.
    expectRefused(xmlChain(200000), "very deep XML");
    expectRefused("<plist>" + QByteArray("<array>").repeated(1000000), "very deep unterminated XML");
    expectRefused(binaryChain(200000), "very deep binary");

}

TEST(PlistRead, DepthScanIsNotFooledByClosingTagsLibplistSkips)
{
    // Each document nests 600 arrays; the pre-parse scan must see that although "</array>"
    // texts sit where libplist's reader skips them.
    const QByteArray closers = QByteArray("</array>").repeated(700);
    const QList<QByteArray> hiding{
        "<!-- " + closers + " -->",
        "<string><![CDATA[" + closers + "]]></string>",
        "<string>a<!--" + closers + "-->b</string>",
        "<?note \"?>" + closers + "\" ?>",
        "<!DOCTYPE plist [ " + closers + " ]>",
        "<array note=\"" + closers + "\"/>",
    };
    for (const QByteArray& hidden : hiding) {
        const QByteArray document = xmlChain(300, hidden + QByteArray("<array>").repeated(300))
                                        .replace("<string>x</string>", "<string>x</string>" + QByteArray("</array>").repeated(300));
        QString error;
        EXPECT_FALSE(Plist::safeToParse(document, &error)) << hidden.left(40).constData();
        EXPECT_TRUE(error.contains("deeper")) << error.toStdString();
        expectRefused(document, hidden.left(40).constData());
    }
    // The same constructs in a shallow document are read normally.
    const QByteArray shallow = "<?xml version=\"1.0\"?><!DOCTYPE plist [ <!ENTITY x \"y\"> ]><plist><!-- c -->"
                               "<array note=\"a\"><string><![CDATA[</array>]]></string><?pi \"?>\" ?></array></plist>";
    EXPECT_TRUE(Plist::safeToParse(shallow));
    const std::optional<QVariant> value = Plist::read(shallow);
    ASSERT_TRUE(value);
    EXPECT_TRUE(*value == QVariant(QVariantList{QStringLiteral("</array>")})) << show(*value);
}

TEST(PlistRead, BinarySharedReferencesExpandButLoopsAndBlowUpsAreRefused)
{
    // Two references to one object read as two equal values.
    const std::optional<QVariant> shared = Plist::read(binaryPlist({arrayObject({1, 1}), QByteArray("\x51x", 2)}));
    ASSERT_TRUE(shared);
    EXPECT_TRUE(*shared == QVariant(QVariantList{QStringLiteral("x"), QStringLiteral("x")}));

    expectRefused(binaryPlist({arrayObject({0})}), "array containing itself");
    expectRefused(binaryPlist({arrayObject({1}), arrayObject({0})}), "two arrays containing each other");
    expectRefused(binaryPlist({arrayObject({5})}), "reference past the last object");

    // libplist 2.2 would abort on a UTF-16 dictionary key holding a NUL character.
    expectRefused(binaryPlist({QByteArray("\xd1\x00\x00\x00\x01\x00\x00\x00\x02", 9),
                               QByteArray("\x63\x00" "a" "\x00\x00\x00" "b", 7), QByteArray("\x51x", 2)}),
                  "NUL in a binary dictionary key");
    const std::optional<QVariant> keyed = Plist::read(binaryPlist(
        {QByteArray("\xd1\x00\x00\x00\x01\x00\x00\x00\x02", 9), QByteArray("\x53" "abc", 4), QByteArray("\x51x", 2)}));
    ASSERT_TRUE(keyed);
    EXPECT_TRUE(*keyed == QVariant(QVariantMap{{"abc", QStringLiteral("x")}}));

    // 40 levels of [x, x] would expand to 2^40 values.
    QList<QByteArray> doubling;
    for (int i = 0; i < 40; ++i)
        doubling.append(arrayObject({quint64(i + 1), quint64(i + 1)}));
    doubling.append(QByteArray("\x51x", 2));
    expectRefused(binaryPlist(doubling), "exponential expansion");
}

TEST(PlistRead, XmlUidDictionariesBecomeUids)
{
    const QByteArray xml = "<plist><dict><key>root</key><dict><key>CF$UID</key><integer>3</integer></dict>"
                           "<key>plain</key><dict><key>CF$UID</key><string>3</string></dict></dict></plist>";
    const std::optional<QVariant> value = Plist::read(xml);
    ASSERT_TRUE(value);
    const QVariantMap map = value->toMap();
    EXPECT_EQ(map["root"].value<PlistUid>().value, 3u);
    EXPECT_EQ(map["plain"].metaType().id(), QMetaType::QVariantMap);
}

} // namespace
