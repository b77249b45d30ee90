#include "platform/keyedarchiver.h"

#include <gtest/gtest.h>

#include <QDebug>
#include <QPoint>
#include <QTimeZone>

namespace {

std::string show(const QVariant& value)
{
    QString text;
    QDebug(&text) << value;
    return text.toStdString();
}

ArchivedObject metaDataField(const QString& prefix, const QString& label, const QString& tagCode,
                             const QString& metadataCode)
{
    return ArchivedObject{QStringLiteral("MetaDataField"),
                          {},
                          {{"prefix", prefix}, {"label", label}, {"tagCode", tagCode}, {"metadataCode", metadataCode}}};
}

QString uid(int n)
{
    return QStringLiteral("<dict><key>CF$UID</key><integer>%1</integer></dict>").arg(n);
}

// An XML keyed archive around hand-written object texts ("$null" is put first).
QByteArray archiveXml(const QStringList& objects, const QString& top = uid(1))
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
                                 "<key>$archiver</key><string>NSKeyedArchiver</string>"
                                 "<key>$version</key><integer>100000</integer>"
                                 "<key>$top</key><dict><key>root</key>%1</dict>"
                                 "<key>$objects</key><array><string>$null</string>")
                      .arg(top);
    for (const QString& object : objects)
        xml += object;
    xml += QStringLiteral("</array></dict></plist>\n");
    return xml.toUtf8();
}

QString arrayClass()
{
    return QStringLiteral("<dict><key>$classname</key><string>NSArray</string>"
                          "<key>$classes</key><array><string>NSArray</string><string>NSObject</string></array></dict>");
}

void expectRefused(const QByteArray& data, const char* what, const char* mention = nullptr)
{
    QString error;
    EXPECT_FALSE(KeyedArchiver::unarchive(data, &error)) << what;
    EXPECT_FALSE(error.isEmpty()) << what;
    if (mention) {
        EXPECT_TRUE(error.contains(QLatin1String(mention))) << what << ": " << error.toStdString();
    }
}

TEST(KeyedArchiver, EveryKindOfValueRoundTrips)
{
    const QVariantList tree{
        QStringLiteral("text"),
        qlonglong(-7),
        2.75,
        true,
        QDateTime(QDate(2023, 11, 5), QTime(18, 30, 15, 456), QTimeZone::utc()),
        QByteArray("\x00\x01\xfe", 3),
        QVariant(),
        QVariantMap{{"rule", QStringLiteral("General")}, {"sequence", qlonglong(3)}, {"list", QVariantList{}}},
        QVariant::fromValue(metaDataField(" - ", QStringLiteral("Camera model"), QStringLiteral("{TIFF}"), QStringLiteral("Model"))),
        QVariantList{QStringLiteral("text"), QVariantList{QStringLiteral("inner")}},
    };
    QString error;
    const QByteArray bytes = KeyedArchiver::archive(tree, &error);
    ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
    EXPECT_TRUE(bytes.startsWith("bplist00"));

    const std::optional<QVariant> back = KeyedArchiver::unarchive(bytes, &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_TRUE(*back == QVariant(tree)) << show(*back);
    const ArchivedObject field = back->toList().at(8).value<ArchivedObject>();
    EXPECT_EQ(field.classChain, (QStringList{"MetaDataField", "NSObject"}));
}

TEST(KeyedArchiver, WritesTheDocumentedLayout)
{
    const QDateTime date(QDate(2001, 1, 1), QTime(0, 0, 10, 500), QTimeZone::utc());
    const QVariantList list{
        QVariant::fromValue(metaDataField("", "a", "b", "c")),
        QVariant::fromValue(metaDataField("", "d", "e", "f")),
        QVariant::fromValue(ArchivedObject{"Custom", {"Custom", "Base", "NSObject"}, {{"x", "y"}}}),
        date,
    };
    const std::optional<QVariant> plist = Plist::read(KeyedArchiver::archive(list));
    ASSERT_TRUE(plist);
    const QVariantMap top = plist->toMap();
    EXPECT_EQ(top["$version"].toLongLong(), 100000);
    EXPECT_EQ(top["$archiver"].toString(), "NSKeyedArchiver");
    EXPECT_EQ(top["$top"].toMap()["root"].value<PlistUid>().value, 1u);

    const QVariantList objects = top["$objects"].toList();
    ASSERT_GT(objects.size(), 2);
    EXPECT_EQ(objects[0].toString(), "$null");
    const auto object = [&](const QVariant& ref) { return objects.at(qsizetype(ref.value<PlistUid>().value)).toMap(); };

    const QVariantMap root = objects[1].toMap();
    EXPECT_EQ(root["NS.objects"].toList().size(), 4);
    EXPECT_EQ(object(root["$class"])["$classname"].toString(), "NSArray");
    EXPECT_EQ(object(root["$class"])["$classes"].toStringList(), (QStringList{"NSArray", "NSObject"}));

    const QVariantList members = root["NS.objects"].toList();
    const QVariantMap first = object(members[0]);
    for (const char* key : {"prefix", "label", "tagCode", "metadataCode"})
        EXPECT_EQ(first[key].metaType(), QMetaType::fromType<PlistUid>()) << key;
    EXPECT_EQ(objects.at(qsizetype(first["label"].value<PlistUid>().value)).toString(), "a");
    // One class object serves both fields.
    EXPECT_TRUE(first["$class"] == object(members[1])["$class"]);
    EXPECT_EQ(object(first["$class"])["$classes"].toStringList(), (QStringList{"MetaDataField", "NSObject"}));
    EXPECT_EQ(object(object(members[2])["$class"])["$classes"].toStringList(),
              (QStringList{"Custom", "Base", "NSObject"}));

    const QVariantMap dateObject = object(members[3]);
    EXPECT_DOUBLE_EQ(dateObject["NS.time"].toDouble(), 10.5);
    EXPECT_EQ(object(dateObject["$class"])["$classname"].toString(), "NSDate");
}

TEST(KeyedArchiver, ReadsAHandWrittenListOfMetaDataFields)
{
    // Both fields share one prefix string; the list's class is the mutable variant.
    const QByteArray xml = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<dict>
	<key>$archiver</key>
	<string>NSKeyedArchiver</string>
	<key>$objects</key>
	<array>
		<string>$null</string>
		<dict>
			<key>$class</key>
			<dict><key>CF$UID</key><integer>12</integer></dict>
			<key>NS.objects</key>
			<array>
				<dict><key>CF$UID</key><integer>2</integer></dict>
				<dict><key>CF$UID</key><integer>8</integer></dict>
			</array>
		</dict>
		<dict>
			<key>$class</key>
			<dict><key>CF$UID</key><integer>7</integer></dict>
			<key>label</key>
			<dict><key>CF$UID</key><integer>4</integer></dict>
			<key>metadataCode</key>
			<dict><key>CF$UID</key><integer>6</integer></dict>
			<key>prefix</key>
			<dict><key>CF$UID</key><integer>3</integer></dict>
			<key>tagCode</key>
			<dict><key>CF$UID</key><integer>5</integer></dict>
		</dict>
		<string> - </string>
		<string>Camera model</string>
		<string>{TIFF}</string>
		<string>Model</string>
		<dict>
			<key>$classes</key>
			<array>
				<string>MetaDataField</string>
				<string>NSObject</string>
			</array>
			<key>$classname</key>
			<string>MetaDataField</string>
		</dict>
		<dict>
			<key>$class</key>
			<dict><key>CF$UID</key><integer>7</integer></dict>
			<key>label</key>
			<dict><key>CF$UID</key><integer>9</integer></dict>
			<key>metadataCode</key>
			<dict><key>CF$UID</key><integer>11</integer></dict>
			<key>prefix</key>
			<dict><key>CF$UID</key><integer>3</integer></dict>
			<key>tagCode</key>
			<dict><key>CF$UID</key><integer>10</integer></dict>
		</dict>
		<string>Date taken</string>
		<string>{Exif}</string>
		<string>DateTimeOriginal</string>
		<dict>
			<key>$classes</key>
			<array>
				<string>NSMutableArray</string>
				<string>NSArray</string>
				<string>NSObject</string>
			</array>
			<key>$classname</key>
			<string>NSMutableArray</string>
		</dict>
	</array>
	<key>$top</key>
	<dict>
		<key>root</key>
		<dict><key>CF$UID</key><integer>1</integer></dict>
	</dict>
	<key>$version</key>
	<integer>100000</integer>
</dict>
</plist>
)";
    QString error;
    const std::optional<QVariant> value = KeyedArchiver::unarchive(xml, &error);
    ASSERT_TRUE(value) << error.toStdString();
    const QVariantList fields = value->toList();
    ASSERT_EQ(fields.size(), 2);
    ASSERT_EQ(fields[0].metaType(), QMetaType::fromType<ArchivedObject>());
    const ArchivedObject first = fields[0].value<ArchivedObject>();
    const ArchivedObject second = fields[1].value<ArchivedObject>();
    EXPECT_EQ(first.className, "MetaDataField");
    EXPECT_EQ(first.classChain, (QStringList{"MetaDataField", "NSObject"}));
    EXPECT_TRUE(first == metaDataField(" - ", "Camera model", "{TIFF}", "Model")) << show(fields[0]);
    EXPECT_TRUE(second == metaDataField(" - ", "Date taken", "{Exif}", "DateTimeOriginal")) << show(fields[1]);
}

TEST(KeyedArchiver, SharedReferencesAndWrappedFoundationObjectsAreRead)
{
    // 1: dictionary whose two values name the same array (4); 4 holds a wrapped string, wrapped
    // data and a date.
    const QString dictionaryClass = QStringLiteral(
        "<dict><key>$classname</key><string>NSMutableDictionary</string>"
        "<key>$classes</key><array><string>NSMutableDictionary</string><string>NSDictionary</string>"
        "<string>NSObject</string></array></dict>");
    const QByteArray xml = archiveXml({
        "<dict><key>NS.keys</key><array>" + uid(2) + uid(3) + "</array><key>NS.objects</key><array>" + uid(4) + uid(4)
            + "</array><key>$class</key>" + uid(5) + "</dict>",
        "<string>first</string>",
        "<string>second</string>",
        "<dict><key>NS.objects</key><array>" + uid(6) + uid(8) + uid(10) + "</array><key>$class</key>" + uid(12) + "</dict>",
        dictionaryClass,
        "<dict><key>NS.string</key><string>wrapped</string><key>$class</key>" + uid(7) + "</dict>",
        "<dict><key>$classname</key><string>NSMutableString</string></dict>",
        "<dict><key>NS.data</key><data>AAEC</data><key>$class</key>" + uid(9) + "</dict>",
        "<dict><key>$classname</key><string>NSData</string></dict>",
        "<dict><key>NS.time</key><real>-1.25</real><key>$class</key>" + uid(11) + "</dict>",
        "<dict><key>$classname</key><string>NSDate</string></dict>",
        arrayClass(),
    });
    QString error;
    const std::optional<QVariant> value = KeyedArchiver::unarchive(xml, &error);
    ASSERT_TRUE(value) << error.toStdString();
    const QVariantList inner{QStringLiteral("wrapped"), QByteArray("\x00\x01\x02", 3),
                             QDateTime(QDate(2000, 12, 31), QTime(23, 59, 58, 750), QTimeZone::utc())};
    EXPECT_TRUE(*value == QVariant(QVariantMap{{"first", inner}, {"second", inner}})) << show(*value);
}

TEST(KeyedArchiver, CyclesAreRefused)
{
    expectRefused(archiveXml({"<dict><key>NS.objects</key><array>" + uid(1) + "</array><key>$class</key>" + uid(2) + "</dict>",
                              arrayClass()}),
                  "array containing itself", "contains itself");
    expectRefused(archiveXml({"<dict><key>NS.objects</key><array>" + uid(2) + "</array><key>$class</key>" + uid(3) + "</dict>",
                              "<dict><key>inner</key>" + uid(1) + "<key>$class</key>" + uid(4) + "</dict>",
                              arrayClass(),
                              "<dict><key>$classname</key><string>Holder</string></dict>"}),
                  "array inside an object inside the array", "contains itself");
}

TEST(KeyedArchiver, BrokenReferencesAndLayoutsAreRefused)
{
    const QString array = "<dict><key>NS.objects</key><array>%1</array><key>$class</key>" + uid(2) + "</dict>";
    expectRefused(archiveXml({array.arg(uid(99)), arrayClass()}), "member out of range", "out of range");
    expectRefused(archiveXml({array.arg(""), arrayClass()}, uid(40)), "root out of range", "out of range");
    expectRefused(archiveXml({array.arg("<string>inline</string>"), arrayClass()}), "member not a reference");
    expectRefused(archiveXml({"<dict><key>NS.objects</key><array/></dict>"}), "object without a class");
    expectRefused(archiveXml({"<dict><key>NS.objects</key><array/><key>$class</key>" + uid(1) + "</dict>"}),
                  "class reference to a non-class");
    expectRefused(archiveXml({"<dict><key>NS.keys</key><array>" + uid(2) + "</array><key>NS.objects</key><array/>"
                              "<key>$class</key>" + uid(3) + "</dict>",
                              "<string>k</string>", "<dict><key>$classname</key><string>NSDictionary</string></dict>"}),
                  "keys without values");
    expectRefused(archiveXml({"<dict><key>NS.keys</key><array>" + uid(2) + "</array><key>NS.objects</key><array>" + uid(2)
                              + "</array><key>$class</key>" + uid(3) + "</dict>",
                              "<integer>4</integer>", "<dict><key>$classname</key><string>NSDictionary</string></dict>"}),
                  "number as dictionary key");
    expectRefused(archiveXml({"<dict><key>NS.time</key><string>today</string><key>$class</key>" + uid(2) + "</dict>",
                              "<dict><key>$classname</key><string>NSDate</string></dict>"}),
                  "date without a number");
    expectRefused(archiveXml({"<array/>"}), "bare array in $objects");

    expectRefused(archiveXml({"<string>x</string>"}, "<integer>1</integer>"), "root not a reference");
    expectRefused(R"(<plist><dict><key>$objects</key><array><string>$null</string></array></dict></plist>)",
                  "missing $top");
    expectRefused(R"(<plist><dict><key>$top</key><dict><key>root</key><dict><key>CF$UID</key><integer>1</integer>
                  </dict></dict><key>$objects</key><string>$null</string></dict></plist>)",
                  "$objects not a list");
    expectRefused(R"(<plist><dict><key>$top</key><dict><key>root</key><dict><key>CF$UID</key><integer>1</integer>
                  </dict></dict><key>$objects</key><array><string>x</string><string>y</string></array></dict></plist>)",
                  "$objects without $null");
    expectRefused(R"(<plist><array><string>$null</string></array></plist>)", "not a dictionary");
    expectRefused("not an archive at all", "prose");
}

TEST(KeyedArchiver, NestingIsLimited)
{
    const auto chain = [](int levels) {
        QStringList objects;
        for (int i = 1; i <= levels; ++i)
            objects.append("<dict><key>NS.objects</key><array>" + uid(i + 1) + "</array><key>$class</key>"
                           + uid(levels + 2) + "</dict>");
        objects.append("<string>x</string>");
        objects.append(arrayClass());
        return archiveXml(objects);
    };
    EXPECT_TRUE(KeyedArchiver::unarchive(chain(400)));
    expectRefused(chain(600), "600 nested arrays", "deeper");

    QVariantList deep;
    for (int i = 0; i < 600; ++i)
        deep = QVariantList{QVariant(deep)};
    QString error;
    EXPECT_TRUE(KeyedArchiver::archive(deep, &error).isEmpty());
    EXPECT_TRUE(error.contains("deeper")) << error.toStdString();
}

TEST(KeyedArchiver, TruncatedArchivesAreRefused)
{
    const QByteArray bytes = KeyedArchiver::archive(
        QVariantList{QVariant::fromValue(metaDataField("a", "b", "c", "d")), QStringLiteral("tail")});
    ASSERT_FALSE(bytes.isEmpty());
    for (qsizetype length = 0; length < bytes.size(); ++length)
        expectRefused(bytes.left(length), "truncated binary archive");

    const QByteArray xml = archiveXml({"<dict><key>NS.objects</key><array>" + uid(2) + "</array><key>$class</key>" + uid(3)
                                           + "</dict>",
                                       "<string>x</string>", arrayClass()});
    ASSERT_TRUE(KeyedArchiver::unarchive(xml));
    for (qsizetype length = 0; length < xml.lastIndexOf("</dict>"); length += 7)
        expectRefused(xml.left(length), "truncated XML archive");
}

TEST(KeyedArchiver, ArchivingRefusesValuesWithoutAnArchivedForm)
{
    const QList<QVariant> refused{
        QVariant(),
        QVariant::fromValue(QPoint(1, 2)),
        QVariantList{QVariant::fromValue(PlistUid{1})},
        QVariant::fromValue(ArchivedObject{}),
        QVariant::fromValue(ArchivedObject{"Thing", {}, {{"$class", "x"}}}),
    };
    for (const QVariant& value : refused) {
        QString error;
        EXPECT_TRUE(KeyedArchiver::archive(value, &error).isEmpty()) << show(value);
        EXPECT_FALSE(error.isEmpty()) << show(value);
    }
}

} // namespace
