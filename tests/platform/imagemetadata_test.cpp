#include "platform/imagemetadata.h"

#include "support/mediafixtures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <sys/stat.h>

// Exiv2 0.27 declares its smart pointers as std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

using namespace MediaFixtures;

namespace {

void addIim(Exiv2::IptcData& iptc, const char* key, const std::string& text)
{
    Exiv2::StringValue value(text);
    iptc.add(Exiv2::IptcKey(key), &value);
}

void addXmpStruct(Exiv2::XmpData& xmp, const char* key)
{
    Exiv2::XmpTextValue value;
    value.setXmpStruct();
    xmp.add(Exiv2::XmpKey(key), &value);
}

struct Metadata {
    Exiv2::ExifData exif;
    Exiv2::IptcData iptc;
    Exiv2::XmpData xmp;
};

// Writes the metadata into the image at path with Exiv2.
void writeMetadata(const QString& path, const Metadata& metadata)
{
    ImageMetadata::initializeExiv2();
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    image->setExifData(metadata.exif);
    image->setIptcData(metadata.iptc);
    image->setXmpData(metadata.xmp);
    image->writeMetadata();
}

QVariantMap sub(const QVariantMap& map, const char* key)
{
    return map.value(QString::fromLatin1(key)).toMap();
}

class ImageMetadataTest : public ::testing::Test {
protected:
    QString file(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(ImageMetadataTest, JpegGivesExifTiffIptcAndPixelSize)
{
    const QString path = file("photo.jpg");
    ASSERT_TRUE(writeJpeg(path));
    Metadata m;
    m.exif["Exif.Image.Make"] = "Canon";
    m.exif["Exif.Image.Model"] = "EOS 5D";
    m.exif["Exif.Photo.DateTimeOriginal"] = "2009:03:05 10:11:12";
    m.exif["Exif.Photo.UserComment"] = "charset=Ascii Sunset at sea";
    m.exif["Exif.Photo.PixelXDimension"] = uint32_t(640);
    m.exif["Exif.Photo.PixelYDimension"] = uint32_t(480);
    addIim(m.iptc, "Iptc.Application2.ObjectName", "Harbour");
    addIim(m.iptc, "Iptc.Application2.Keywords", "sea");
    addIim(m.iptc, "Iptc.Application2.Keywords", "sun");
    addIim(m.iptc, "Iptc.Application2.City", "Marseille");
    addIim(m.iptc, "Iptc.Application2.Urgency", "1");
    addIim(m.iptc, "Iptc.Application2.Byline", "Ann");
    addIim(m.iptc, "Iptc.Application2.Byline", "Bob");
    // XMP duplicates of IIM datasets lose; keys the IIM data lacks come from XMP.
    m.xmp["Xmp.dc.subject"] = "xmp-keyword";
    m.xmp["Xmp.photoshop.City"] = "Paris";
    m.xmp["Xmp.dc.title"] = "lang=x-default Xmp title";
    m.xmp["Xmp.photoshop.State"] = "Provence";
    addXmpStruct(m.xmp, "Xmp.iptc.CreatorContactInfo");
    m.xmp["Xmp.iptc.CreatorContactInfo/Iptc4xmpCore:CiAdrCity"] = "Lyon";
    m.xmp["Xmp.iptc.CreatorContactInfo/Iptc4xmpCore:CiEmailWork"] = "ann@example.org";
    writeMetadata(path, m);

    const QVariantMap p = ImageMetadata::readProperties(path);
    // The size of the picture itself, not the Exif claim.
    EXPECT_EQ(p.value("PixelWidth").toLongLong(), 8);
    EXPECT_EQ(p.value("PixelHeight").toLongLong(), 6);

    const QVariantMap exif = sub(p, "{Exif}");
    EXPECT_EQ(exif.value("DateTimeOriginal").toString(), "2009:03:05 10:11:12");
    EXPECT_EQ(exif.value("UserComment").toString(), "Sunset at sea");
    EXPECT_EQ(exif.value("PixelXDimension").toLongLong(), 640);
    EXPECT_EQ(exif.value("PixelYDimension").toLongLong(), 480);
    EXPECT_EQ(exif.size(), 4);

    const QVariantMap tiff = sub(p, "{TIFF}");
    EXPECT_EQ(tiff.value("Make").toString(), "Canon");
    EXPECT_EQ(tiff.value("Model").toString(), "EOS 5D");

    const QVariantMap iptc = sub(p, "{IPTC}");
    EXPECT_EQ(iptc.value("ObjectName").typeId(), QMetaType::QString);
    EXPECT_EQ(iptc.value("ObjectName").toString(), "Harbour");
    EXPECT_EQ(iptc.value("Keywords").typeId(), QMetaType::QStringList);
    EXPECT_EQ(iptc.value("Keywords").toStringList(), QStringList({"sea", "sun"}));
    EXPECT_EQ(iptc.value("Byline").toStringList(), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(iptc.value("City").toString(), "Marseille");
    EXPECT_EQ(iptc.value("Urgency").toString(), "1");
    EXPECT_EQ(iptc.value("Province/State").toString(), "Provence");
    const QVariant contact = iptc.value("CreatorContactInfo");
    EXPECT_EQ(contact.typeId(), QMetaType::QVariantMap);
    EXPECT_EQ(contact.toMap(), QVariantMap({{"CiAdrCity", "Lyon"}, {"CiEmailWork", "ann@example.org"}}));
    // Nothing else, and no empty placeholders.
    EXPECT_EQ(iptc.keys(), QStringList({"Byline", "City", "CreatorContactInfo", "Keywords",
                                        "ObjectName", "Province/State", "Urgency"}));
}

// The make, model and capture date are read from an ASCII value's bytes directly; every
// text must still be the one Exiv2's own toString gives: up to the first NUL, UTF-8 when
// valid and Latin-1 otherwise, and a value of another type in Exiv2's own words.
TEST_F(ImageMetadataTest, ExifTextsAreTheOnesExiv2Writes)
{
    struct Case {
        const char* what;
        std::string make;    // written as an ASCII value
        std::string model;   // written as an ASCII value, or as undefined bytes when undefinedModel
        bool undefinedModel;
        QString expectedMake, expectedModel;
    };
    const Case cases[] = {
        {"plain", "Canon", "EOS 5D", false, "Canon", "EOS 5D"},
        {"a NUL inside ends the text", std::string("Nikon\0hidden", 12), std::string("D7\0\0", 4), false, "Nikon", "D7"},
        {"UTF-8 and Latin-1", "Caf\xc3\xa9", "Caf\xe9", false, QString::fromUtf8("Caf\xc3\xa9"), QString::fromUtf8("Caf\xc3\xa9")},
        {"another type", "Ricoh", "65 66 67", true, "Ricoh", "65 66 67"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = file(QStringLiteral("photo.jpg"));
        QFile::remove(path);
        ASSERT_TRUE(writeJpeg(path));
        Metadata m;
        Exiv2::AsciiValue make;
        make.read(c.make);
        m.exif.add(Exiv2::ExifKey("Exif.Image.Make"), &make);
        if (c.undefinedModel) {
            Exiv2::DataValue model(Exiv2::undefined);
            model.read(c.model);
            m.exif.add(Exiv2::ExifKey("Exif.Image.Model"), &model);
        } else {
            Exiv2::AsciiValue model;
            model.read(c.model);
            m.exif.add(Exiv2::ExifKey("Exif.Image.Model"), &model);
        }
        m.exif["Exif.Photo.DateTimeOriginal"] = "2009:03:05 10:11:12";
        writeMetadata(path, m);

        const QVariantMap p =
            ImageMetadata::readProperties(path, ImageMetadata::Device | ImageMetadata::CaptureDate);
        EXPECT_EQ(sub(p, "{TIFF}").value("Make").toString(), c.expectedMake);
        EXPECT_EQ(sub(p, "{TIFF}").value("Model").toString(), c.expectedModel);
        EXPECT_EQ(sub(p, "{Exif}").value("DateTimeOriginal").toString(), "2009:03:05 10:11:12");
    }
}

TEST_F(ImageMetadataTest, XmpAloneFillsTheIptcDictionary)
{
    const QString path = file("xmp.jpg");
    ASSERT_TRUE(writeJpeg(path));
    Metadata m;
    m.xmp["Xmp.dc.title"] = "lang=de-DE Hafen";
    m.xmp["Xmp.dc.title"] = "lang=x-default Harbour";
    m.xmp["Xmp.dc.description"] = "lang=fr-FR Port du soir"; // no default alternative
    m.xmp["Xmp.dc.creator"] = "Ann";
    m.xmp["Xmp.dc.creator"] = "Bob";
    m.xmp["Xmp.dc.subject"] = "sea";
    m.xmp["Xmp.dc.subject"] = "sun";
    m.xmp["Xmp.photoshop.SupplementalCategories"] = "travel";
    m.xmp["Xmp.photoshop.Urgency"] = "3";
    m.xmp["Xmp.photoshop.City"] = "Paris";
    m.xmp["Xmp.iptc.Location"] = "Quai";
    m.xmp["Xmp.iptc.CountryCode"] = "FRA";
    m.xmp["Xmp.xmpRights.UsageTerms"] = "lang=x-default Ask first";
    m.xmp["Xmp.iptc.Scene"] = "011900";
    m.xmp["Xmp.iptc.Scene"] = "012000";
    m.xmp["Xmp.iptc.SubjectCode"] = "04000000";
    m.xmp["Xmp.iptc.IntellectualGenre"] = "Feature";
    addXmpStruct(m.xmp, "Xmp.iptc.CreatorContactInfo");
    const char* const contact[][2] = {
        {"CiAdrExtadr", "1 Rue"}, {"CiAdrCity", "Lyon"},      {"CiAdrRegion", "Rhone"},
        {"CiAdrPcode", "69001"},  {"CiAdrCtry", "France"},    {"CiTelWork", "+33 1"},
        {"CiEmailWork", "a@b.c"}, {"CiUrlWork", "https://b.c"}};
    for (const auto& [name, value] : contact)
        m.xmp[std::string("Xmp.iptc.CreatorContactInfo/Iptc4xmpCore:") + name] = value;
    writeMetadata(path, m);

    const QVariantMap p = ImageMetadata::readProperties(path);
    EXPECT_FALSE(p.contains("{Exif}"));
    EXPECT_FALSE(p.contains("{TIFF}"));
    const QVariantMap iptc = sub(p, "{IPTC}");
    EXPECT_EQ(iptc.value("ObjectName").toString(), "Harbour");
    EXPECT_EQ(iptc.value("Caption/Abstract").toString(), "Port du soir");
    EXPECT_EQ(iptc.value("Byline").toStringList(), QStringList({"Ann", "Bob"}));
    EXPECT_EQ(iptc.value("Keywords").toStringList(), QStringList({"sea", "sun"}));
    EXPECT_EQ(iptc.value("SupplementalCategory").toStringList(), QStringList({"travel"}));
    EXPECT_EQ(iptc.value("Urgency").toString(), "3");
    EXPECT_EQ(iptc.value("City").toString(), "Paris");
    EXPECT_EQ(iptc.value("SubLocation").toString(), "Quai");
    EXPECT_EQ(iptc.value("Country/PrimaryLocationCode").toString(), "FRA");
    EXPECT_EQ(iptc.value("UsageTerms").toString(), "Ask first");
    EXPECT_EQ(iptc.value("Scene").toStringList(), QStringList({"011900", "012000"}));
    EXPECT_EQ(iptc.value("SubjectReference").toStringList(), QStringList({"04000000"}));
    EXPECT_EQ(iptc.value("ObjectAttributeReference").toString(), "Feature");
    const QVariantMap info = iptc.value("CreatorContactInfo").toMap();
    EXPECT_EQ(info.size(), 8);
    for (const auto& [name, value] : contact)
        EXPECT_EQ(info.value(name).toString(), QString::fromUtf8(value)) << name;
}

TEST_F(ImageMetadataTest, IimTextsInEitherEncodingAndEveryOtherDataset)
{
    const QString path = file("iim.jpg");
    ASSERT_TRUE(writeJpeg(path));
    Metadata m;
    addIim(m.iptc, "Iptc.Application2.City", "Z\xc3\xbcrich");          // UTF-8
    addIim(m.iptc, "Iptc.Application2.CountryName", "Schweiz \xfc");     // Latin-1
    const char* const texts[][2] = {
        {"Iptc.Application2.BylineTitle", "Photographer"},
        {"Iptc.Application2.Caption", "Lake"},
        {"Iptc.Application2.Writer", "Eve"},
        {"Iptc.Application2.Copyright", "(c) Ann"},
        {"Iptc.Application2.SubLocation", "Quai"},
        {"Iptc.Application2.ProvinceState", "ZH"},
        {"Iptc.Application2.CountryCode", "CHE"},
        {"Iptc.Application2.Credit", "Agency"},
        {"Iptc.Application2.Source", "Archive"},
        {"Iptc.Application2.Headline", "Calm"},
        {"Iptc.Application2.SpecialInstructions", "None"},
        {"Iptc.Application2.TransmissionReference", "T-1"},
        {"Iptc.Application2.ObjectAttribute", "001:Current"},
    };
    for (const auto& [key, text] : texts)
        addIim(m.iptc, key, text);
    addIim(m.iptc, "Iptc.Application2.SuppCategory", "a");
    addIim(m.iptc, "Iptc.Application2.SuppCategory", "b");
    addIim(m.iptc, "Iptc.Application2.SuppCategory", "c");
    addIim(m.iptc, "Iptc.Application2.Subject", "IPTC:04000000");
    addIim(m.iptc, "Iptc.Application2.Subject", "IPTC:15000000");
    m.iptc["Iptc.Application2.TimeCreated"] = "10:11:12+01:00";
    writeMetadata(path, m);

    const QVariantMap iptc = sub(ImageMetadata::readProperties(path), "{IPTC}");
    EXPECT_EQ(iptc.value("City").toString(), QString::fromUtf8("Z\u00fcrich"));
    EXPECT_EQ(iptc.value("Country/PrimaryLocationName").toString(), QString::fromUtf8("Schweiz \u00fc"));
    const char* const keys[] = {"BylineTitle", "Caption/Abstract", "Writer/Editor", "CopyrightNotice",
                                "SubLocation", "Province/State", "Country/PrimaryLocationCode",
                                "Credit", "Source", "Headline", "SpecialInstructions",
                                "OriginalTransmissionReference", "ObjectAttributeReference"};
    for (size_t i = 0; i < std::size(keys); ++i)
        EXPECT_EQ(iptc.value(keys[i]).toString(), QString::fromUtf8(texts[i][1])) << keys[i];
    EXPECT_EQ(iptc.value("SupplementalCategory").toStringList(), QStringList({"a", "b", "c"}));
    EXPECT_EQ(iptc.value("SubjectReference").toStringList(),
              QStringList({"IPTC:04000000", "IPTC:15000000"}));
    EXPECT_EQ(iptc.value("TimeCreated").toString(), "10:11:12+01:00");
}

TEST_F(ImageMetadataTest, TiffAndImagesWithoutMetadata)
{
    const QString tiff = file("scan.tif");
    ASSERT_TRUE(writeTiff(tiff));
    const QVariantMap bare = ImageMetadata::readProperties(tiff);
    EXPECT_EQ(bare, QVariantMap({{"PixelWidth", 3}, {"PixelHeight", 2}}));

    Metadata m;
    // Keep the image's own IFD0 tags: Exiv2 rewrites the whole directory.
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(tiff).toStdString());
    image->readMetadata();
    m.exif = image->exifData();
    image.reset();
    m.exif["Exif.Image.Make"] = "Nikon";
    m.exif["Exif.Image.Model"] = "D70";
    m.exif["Exif.Photo.DateTimeOriginal"] = "2010:01:02 03:04:05";
    m.exif["Exif.Photo.UserComment"] = "charset=Unicode Gr\xc3\xbc\xc3\x9f\x65"; // stored as UCS-2
    writeMetadata(tiff, m);
    const QVariantMap p = ImageMetadata::readProperties(tiff);
    EXPECT_EQ(p.value("PixelWidth").toLongLong(), 3);
    EXPECT_EQ(p.value("PixelHeight").toLongLong(), 2);
    EXPECT_EQ(sub(p, "{TIFF}"), QVariantMap({{"Make", "Nikon"}, {"Model", "D70"}}));
    EXPECT_EQ(sub(p, "{Exif}"), QVariantMap({{"DateTimeOriginal", "2010:01:02 03:04:05"},
                                             {"UserComment", QString::fromUtf8("Gr\u00fc\u00dfe")}}));
    EXPECT_FALSE(p.contains("{IPTC}"));

    const QString jpeg = file("plain.jpg");
    ASSERT_TRUE(writeJpeg(jpeg));
    EXPECT_EQ(ImageMetadata::readProperties(jpeg), QVariantMap({{"PixelWidth", 8}, {"PixelHeight", 6}}));
}

TEST_F(ImageMetadataTest, UnreadableFilesGiveNothingAndStayOffTheTerminal)
{
    // A tagged JPEG cut inside its Exif segment.
    const QString whole = file("whole.jpg");
    ASSERT_TRUE(writeJpeg(whole));
    Metadata m;
    m.exif["Exif.Image.Make"] = "Canon";
    m.exif["Exif.Photo.UserComment"] = "charset=Ascii " + std::string(200, 'x');
    writeMetadata(whole, m);
    QFile source(whole);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    const QByteArray bytes = source.readAll();
    const qsizetype exifStart = bytes.indexOf("Exif");
    ASSERT_GT(exifStart, 0);
    ASSERT_TRUE(writeBytes(file("truncated.jpg"), bytes.left(exifStart + 60)));
    ASSERT_TRUE(writeBytes(file("text.jpg"), "This is not a picture.\n"));
    ASSERT_TRUE(writeBytes(file("empty.jpg"), {}));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(file("pipe.jpg")).constData(), 0600), 0);

    // The Make entry of IFD0 points far outside the Exif data.
    QByteArray damaged = bytes;
    const qsizetype tiff = exifStart + 6;
    const bool little = damaged.mid(tiff, 2) == "II";
    auto read16 = [&](qsizetype at) {
        const auto b = [&](qsizetype i) { return quint32(quint8(damaged[at + i])); };
        return little ? b(0) | b(1) << 8 : b(0) << 8 | b(1);
    };
    auto read32 = [&](qsizetype at) {
        return little ? read16(at) | read16(at + 2) << 16 : read16(at) << 16 | read16(at + 2);
    };
    const qsizetype ifd0 = tiff + read32(tiff + 4);
    qsizetype makeEntry = -1;
    for (quint32 i = 0; i < read16(ifd0); ++i)
        if (read16(ifd0 + 2 + 12 * i) == 0x010F)
            makeEntry = ifd0 + 2 + 12 * i;
    ASSERT_GT(makeEntry, 0);
    damaged.replace(makeEntry + 8, 4, QByteArray(4, char(0x7F)));
    ASSERT_TRUE(writeBytes(file("damaged.jpg"), damaged));

    LogCapture log;
    StderrCapture err;
    const QVariantMap fromDamaged = ImageMetadata::readProperties(file("damaged.jpg"));
    EXPECT_FALSE(sub(fromDamaged, "{TIFF}").contains("Make"));
    EXPECT_TRUE(log.contains("Exiv2 : ")); // Exiv2's warning reached our log
    for (const char* name : {"truncated.jpg", "text.jpg", "empty.jpg", "missing.jpg", "folder.jpg",
                             "pipe.jpg"})
        EXPECT_EQ(ImageMetadata::readProperties(file(name)), QVariantMap()) << name;
    EXPECT_EQ(err.finish().toStdString(), "");
    EXPECT_TRUE(log.contains("Error in ImageMetadata::readProperties : "));
}

TEST(MappedFileTest, ReadsTheWholeFileIncludingBinaryData)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("photo.jpg");
    ASSERT_TRUE(writeJpeg(path));
    // An XMP packet in element form, as the copyright status search expects it.
    const std::string packet =
        "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
        "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
        "<rdf:Description rdf:about=\"\" xmlns:xmpRights=\"http://ns.adobe.com/xap/1.0/rights/\">"
        "<xmpRights:Marked>True</xmpRights:Marked></rdf:Description></rdf:RDF></x:xmpmeta>"
        "<?xpacket end=\"w\"?>";
    {
        ImageMetadata::initializeExiv2();
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        image->setXmpPacket(packet);
        image->writeXmpFromPacket(true);
        image->writeMetadata();
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray expected = file.readAll();

    const ImageMetadata::MappedFile mapped(path);
    EXPECT_TRUE(mapped.isOpen());
    EXPECT_EQ(mapped.bytes(), expected);
    EXPECT_TRUE(mapped.bytes().contains("<xmpRights:Marked>True</xmpRights:Marked>"));
    EXPECT_EQ(ImageMetadata::readWholeFileMapped(path), expected);

    ASSERT_TRUE(writeBytes(dir.filePath("empty"), {}));
    const ImageMetadata::MappedFile empty(dir.filePath("empty"));
    EXPECT_TRUE(empty.isOpen());
    EXPECT_TRUE(empty.bytes().isEmpty());
    const ImageMetadata::MappedFile missing(dir.filePath("missing"));
    EXPECT_FALSE(missing.isOpen());
    EXPECT_TRUE(ImageMetadata::readWholeFileMapped(dir.filePath("missing")).isEmpty());
    EXPECT_TRUE(ImageMetadata::readWholeFileMapped(dir.path()).isEmpty());
}

#pragma GCC diagnostic pop
