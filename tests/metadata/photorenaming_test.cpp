#include "metadata/photorenaming.h"

#include "metadata/codetables.h"

#include "metadatafixtures.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "pipeline/previewdriver.h"
#include "support/temptree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace MetadataFixtures;

namespace {

MetaDataField field(const QString& tagCode)
{
    return *MetaDataCatalogue().fieldForTagCode(tagCode);
}

PhotoTags fullTags()
{
    PhotoTags t;
    t.dateTimeOriginal = QStringLiteral("2009:03:05 10:11:12");
    t.make = QStringLiteral("Canon");
    t.model = QStringLiteral("  EOS 5D \n");
    t.userComment = QStringLiteral("Sunset at sea");
    t.keywords = {QStringLiteral("sea"), QStringLiteral("sun")};
    t.urgency = QStringLiteral("1");
    t.city = QStringLiteral("Paris");
    t.xmpMarked = QStringLiteral("True");
    t.xmpWebStatement = QStringLiteral("http://example.com/rights");
    t.xmpDateCreated = QStringLiteral("2009-03-05T10:11:12+02:00");
    return t;
}

// A preview pass of the photo tab over files the test writes.
class PhotoPreview : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.settings.setInteger("selectedTab", 7);
        setDateParts("yyyy", "-", "MM", "-", "dd");
        setTimeParts("HH", ":", "mm", ":", "ss");
    }

    QString jpeg(const QString& name, const PhotoTags& tags = fullTags())
    {
        const QString path = tree.at(name);
        EXPECT_TRUE(writeTaggedJpeg(path, tags)) << name.toStdString();
        add(path);
        return path;
    }

    void add(const QString& path) { state.list.append(*FileSystemItem::initWithPath(path)); }

    void setDateParts(const char* p1, const char* s1, const char* p2, const char* s2, const char* p3)
    {
        state.settings.setText("photoDatePart1", p1);
        state.settings.setText("photoDateSeperator1", s1);
        state.settings.setText("photoDatePart2", p2);
        state.settings.setText("photoDateSeperator2", s2);
        state.settings.setText("photoDatePart3", p3);
    }

    void setTimeParts(const char* p1, const char* s1, const char* p2, const char* s2, const char* p3)
    {
        state.settings.setText("photoTimePart1", p1);
        state.settings.setText("photoTimeSeperator1", s1);
        state.settings.setText("photoTimePart2", p2);
        state.settings.setText("photoTimeSeperator2", s2);
        state.settings.setText("photoTimePart3", p3);
    }

    // The chosen fields; the mask is rebuilt from them.
    void choose(const QStringList& tagCodes)
    {
        QList<MetaDataField> fields;
        for (const QString& code : tagCodes)
            fields << field(code);
        state.settings.setPhotoMetaDataList(fields);
        state.settings.rebuildPhotoMask();
    }

    QStringList preview()
    {
        PassProgress progress(nullptr);
        error.clear();
        PreviewDriver::preview(state, state.settings, progress, error);
        QStringList names;
        for (const FileSystemItem& item : state.list.files)
            names << item.newFilename;
        return names;
    }

    TempTree tree;
    ControllerState state;
    QString error;
};

// Photo options with this mask for JPEG files, dates as "yyyy" and times as "HH".
PhotoOptions optionsWithMask(const QString& mask)
{
    PhotoOptions o;
    o.mask = mask;
    o.date = {"yyyy", "", "None", "", "None"};
    o.time = {"HH", "", "None", "", "None"};
    o.extensions = {".JPG"};
    return o;
}

} // namespace

TEST_F(PhotoPreview, DateAndPaddedSequenceSkipOtherTypes)
{
    state.settings.setText("photoRenamingMask", "<EXIF_Date>-<SEQUENCES_Number_Sequence>");
    state.settings.setText("photoPaddingMask", "000");
    jpeg("a.jpg");
    add(tree.file("b.png", "not looked at"));
    jpeg("c.JPG");
    PhotoTags undated = fullTags();
    undated.dateTimeOriginal.clear();
    jpeg("d.jpeg", undated);

    EXPECT_EQ(preview(), (QStringList{"2009-03-05-001.jpg", "No Changes", "2009-03-05-002.JPG", "-003.jpeg"}));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_TRUE(state.isHasFilesForRenaming.load());
}

TEST_F(PhotoPreview, AllValuesEmptyKeepsTheOldName)
{
    state.settings.setText("photoRenamingMask", "<EXIF_Date><EXIF_Device_Make><IPTC_Keywords>");
    jpeg("plain.jpg", PhotoTags());
    EXPECT_EQ(preview(), QStringList{"No Changes"});
    EXPECT_TRUE(error.isEmpty());
}

TEST_F(PhotoPreview, SeparatorModeSkipsEmptyValuesAndTrimsTheModel)
{
    state.settings.setText("photoRenamingSeperator", "_");
    state.settings.setFlag("isPhotoRenamingSeperator", true);
    // A date separator typed as "/" is stored as ":" and then turned into "-".
    setDateParts("yyyy", "/", "MM", "/", "dd");
    state.settings.setFlag("isPhotoRenamingColonReplace", true);
    state.settings.setText("photoRenamingColonReplace", "-");
    choose({"<EXIF_Date>", "<EXIF_Device_Make>", "<EXIF_Device_Model>", "<EXIF_Dimensions>"});
    PhotoTags noMake = fullTags();
    noMake.make.clear();
    jpeg("x.jpg", noMake);
    EXPECT_EQ(preview(), QStringList{"2009-03-05_EOS 5D_16x12.jpg"});
}

// Each value is read only when the name uses it: every EXIF token alone, in both modes,
// still finds its value, and an IPTC value that holds an EXIF token gets that token filled.
TEST_F(PhotoPreview, EachExifTokenAloneFindsItsValue)
{
    PhotoTags tags = fullTags();
    tags.headline = QStringLiteral("<EXIF_Device_Make>");
    jpeg("a.jpg", tags);
    const struct {
        const char* token;
        const char* name;
    } cases[] = {
        {"<EXIF_Date>", "2009-03-05.jpg"},        {"<EXIF_Time>", "10:11:12.jpg"},
        {"<EXIF_Device_Make>", "Canon.jpg"},     {"<EXIF_Device_Model>", "EOS 5D.jpg"},
        {"<EXIF_Dimensions>", "16x12.jpg"},      {"<EXIF_Comments>", "Sunset at sea.jpg"},
        {"<IPTC_Origin_Headline>", "Canon.jpg"},
    };
    for (const auto& c : cases) {
        state.settings.setFlag("isPhotoRenamingSeperator", false);
        state.settings.setText("photoRenamingMask", c.token);
        EXPECT_EQ(preview(), QStringList{c.name}) << "mask " << c.token;
        state.settings.setFlag("isPhotoRenamingSeperator", true);
        state.settings.setText("photoRenamingSeperator", "_");
        choose({QString::fromLatin1(c.token), "<EXIF_Device_Model>"});
        const QString both = QString::fromLatin1(c.name).chopped(4) + "_EOS 5D.jpg";
        // In separator mode an IPTC value is not a mask: its token text stays as it is.
        const QString expected = QLatin1String(c.token) == "<IPTC_Origin_Headline>" ? "<EXIF_Device_Make>_EOS 5D.jpg" : both;
        EXPECT_EQ(preview(), QStringList{expected}) << "separator " << c.token;
    }
}

TEST_F(PhotoPreview, IptcAndXmpValuesInMaskMode)
{
    state.settings.setText("photoRenamingMask",
                           "<IPTC_Keywords> <IPTC_Description_Urgency> <IPTC_Origin_City> "
                           "<IPTC_Description_Copyright_Status> <IPTC_Origin_Date_Created> <EXIF_Comments>");
    // Exiv2 writes these XMP properties in the compact (attribute) form.
    jpeg("a.jpg");
    PhotoTags other;
    other.keywords = {QStringLiteral("snow")};
    other.urgency = QStringLiteral("9");
    jpeg("b.jpg", other);
    EXPECT_EQ(preview(), (QStringList{"sea,sun High Paris Copyrighted 2009-03-05 Sunset at sea.jpg",
                                      "snow 9  Unknown  .jpg"}));
}

TEST_F(PhotoPreview, ColonReplacementInMaskAndSeparatorModes)
{
    PhotoTags tags = fullTags();
    tags.headline = QStringLiteral("Note: tide");
    state.settings.setFlag("isPhotoRenamingColonReplace", true);
    state.settings.setText("photoRenamingColonReplace", "");
    choose({"<EXIF_Time>", "<IPTC_Origin_Headline>"});
    state.settings.setText("photoRenamingMask", "<EXIF_Time> <IPTC_Origin_Headline>");
    jpeg("a.jpg", tags);
    // Mask mode with an empty replacement: EXIF values lose their colons, IPTC values keep them.
    EXPECT_EQ(preview(), QStringList{"101112 Note: tide.jpg"});

    // Separator mode: both lose them.
    state.settings.setText("photoRenamingSeperator", "_");
    state.settings.setFlag("isPhotoRenamingSeperator", true);
    EXPECT_EQ(preview(), QStringList{"101112_Note tide.jpg"});

    // Mask mode with a replacement text: it replaces the colons of IPTC values too.
    state.settings.setFlag("isPhotoRenamingSeperator", false);
    state.settings.setText("photoRenamingColonReplace", "-");
    state.settings.setText("photoRenamingMask", "<EXIF_Time> <IPTC_Origin_Headline>");
    EXPECT_EQ(preview(), QStringList{"10-11-12 Note- tide.jpg"});
}

TEST_F(PhotoPreview, FilenameTokenAndPerFolderSequence)
{
    state.settings.setText("photoRenamingMask", "<FILEINFO_Filename>_<SEQUENCES_Number_Sequence>");
    state.settings.setText("photoPaddingMask", "ab");
    state.settings.setFlag("isPhotoResetSequenceOnEachFolder", true);
    tree.folder("one");
    tree.folder("two");
    jpeg("one/p.jpg", PhotoTags());
    jpeg("one/q.jpg", PhotoTags());
    jpeg("two/r.jpg", PhotoTags());
    EXPECT_EQ(preview(), (QStringList{"p_a1.jpg", "q_a2.jpg", "r_a1.jpg"}));
}

TEST_F(PhotoPreview, DamagedFilesKeepTheirNameAndThePassGoesOn)
{
    state.settings.setText("photoRenamingMask", "<EXIF_Date><IPTC_Keywords><IPTC_Description_Copyright_Status>");
    const QString good = tree.at("good.jpg");
    ASSERT_TRUE(writeTaggedJpeg(good, fullTags()));
    const QByteArray bytes = readBytes(good);
    add(tree.file("cut.jpg", bytes.left(40)));        // ends inside the EXIF segment
    add(tree.file("text.jpg", "this is not an image\n"));
    add(tree.file("empty.jpg"));
    // A date that is too short to be one is no date, not a failure of the pass.
    PhotoTags shortDate;
    shortDate.dateTimeOriginal = QStringLiteral("2009");
    jpeg("short.jpg", shortDate);
    add(good);
    EXPECT_EQ(preview(), (QStringList{"No Changes", "No Changes", "No Changes", "No Changes",
                                      "2009-03-05sea,sunCopyrighted.jpg"}));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST_F(PhotoPreview, JpegCutInsideTheImageDataStillGivesItsMetadata)
{
    state.settings.setText("photoRenamingMask", "<EXIF_Date> <IPTC_Keywords>");
    const QString good = tree.at("good.jpg");
    ASSERT_TRUE(writeTaggedJpeg(good, fullTags()));
    const QByteArray bytes = readBytes(good);
    add(tree.file("cut.jpg", bytes.left(bytes.size() - 20)));
    EXPECT_EQ(preview(), QStringList{"2009-03-05 sea,sun.jpg"});
}

TEST_F(PhotoPreview, UnreadableFileKeepsItsName)
{
    state.settings.setText("photoRenamingMask", "<EXIF_Date><IPTC_Keywords>");
    const QString path = jpeg("locked.jpg");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0), 0);
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read a mode-000 file";
    EXPECT_EQ(preview(), QStringList{"No Changes"});
    EXPECT_TRUE(error.isEmpty());
}

TEST_F(PhotoPreview, LongListsNameEachPhotoFromItsOwnMetadata)
{
    // Far more photos than are read ahead at once, with items the naming passes over in
    // between: files of another type, a photo gone since it was listed, a damaged photo.
    state.settings.setText("photoRenamingMask", "<EXIF_Date><EXIF_Time>");
    setTimeParts("_HH", "-", "mm", "-", "ss");
    PhotoTags tags;
    tags.dateTimeOriginal = QStringLiteral("2009:03:05 10:00:00");
    const QString model = tree.at("model.jpg");
    ASSERT_TRUE(writeTaggedJpeg(model, tags));
    const QByteArray bytes = readBytes(model);
    ASSERT_TRUE(QFile::remove(model));

    QStringList expected;
    QStringList gone;
    for (int i = 0; i < 300; ++i) {
        const QString time = QStringLiteral("%1:%2:%3")
                                 .arg(10 + i / 60, 2, 10, QLatin1Char('0'))
                                 .arg(i % 60, 2, 10, QLatin1Char('0'))
                                 .arg(i % 7, 2, 10, QLatin1Char('0'));
        QByteArray photo = bytes;
        photo.replace("2009:03:05 10:00:00", "2009:03:05 " + time.toLatin1());
        const QString name = QStringLiteral("p%1").arg(i, 3, 10, QLatin1Char('0'));
        switch (i % 10) {
        case 3:
            add(tree.file(name + ".txt", photo));
            expected << "No Changes";
            break;
        case 6:
            gone << tree.file(name + ".jpg", photo);
            add(gone.last());
            expected << Status::FileNotFound;
            break;
        case 8:
            add(tree.file(name + ".jpg", photo.left(40)));
            expected << "No Changes";
            break;
        default:
            add(tree.file(name + ".jpg", photo));
            expected << QStringLiteral("2009-03-05_%1.jpg").arg(QString(time).replace(QLatin1Char(':'), QLatin1Char('-')));
        }
    }
    for (const QString& path : gone)
        ASSERT_TRUE(QFile::remove(path));
    EXPECT_EQ(preview().join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString());
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST(PhotoRenaming, ValuesOfAnEarlierImageNeverShowThrough)
{
    TempTree tree;
    const QString tagged = tree.at("a.jpg");
    const QString plain = tree.at("b.jpg");
    ASSERT_TRUE(writeTaggedJpeg(tagged, fullTags()));
    ASSERT_TRUE(writeJpeg(plain));
    PhotoRenaming photo;
    PhotoOptions options = optionsWithMask("");
    options.separator = "_";
    options.tags = {"<EXIF_Date>", "<IPTC_Keywords>"};
    options.date = {"yyyy", "", "MM", "", "dd"};
    qint64 counter = 1;
    QString error;
    const auto rename = [&](const QString& path, const QString& mask) {
        FileSystemItem item = *FileSystemItem::initWithPath(path);
        options.mask = mask;
        shareWithPass(photo.renameByPhotoEXIFTags(item, options, counter), error);
        return item.newFilename;
    };
    EXPECT_EQ(rename(tagged, "<EXIF_Date>_<IPTC_Keywords>"), "20090305_sea,sun.jpg");
    EXPECT_EQ(photo.getTagValue("<IPTC_Keywords>"), "sea,sun");
    // A mask that reads no IPTC data (its list and mask went apart): the keywords of the
    // first image must not name the second one.
    EXPECT_EQ(rename(plain, "<EXIF_Date>"), "b.jpg");
    EXPECT_EQ(photo.getTagValue("<IPTC_Keywords>"), "");
    EXPECT_EQ(counter, 3);
    EXPECT_TRUE(error.isEmpty());
}

TEST(PhotoRenaming, MaskOfFilenameAndSequence)
{
    TempTree tree;
    const QString path = tree.at("a.jpg");
    ASSERT_TRUE(writeTaggedJpeg(path, fullTags()));
    PhotoRenaming photo;
    FileSystemItem item = *FileSystemItem::initWithPath(path);
    qint64 counter = 7;
    PhotoOptions options = optionsWithMask("<FILEINFO_Filename>-<SEQUENCES_Number_Sequence>");
    options.date = options.time = {"None", "", "None", "", "None"};
    options.paddingMask = "00";
    EXPECT_TRUE(photo.renameByPhotoEXIFTags(item, options, counter).ok());
    EXPECT_EQ(item.newFilename, "a-07.jpg");
    EXPECT_EQ(counter, 8);
}

TEST(PhotoRenaming, ChainedStepContinuesFromTheProposedName)
{
    TempTree tree;
    const QString path = tree.at("a.jpg");
    ASSERT_TRUE(writeTaggedJpeg(path, fullTags()));
    PhotoRenaming photo;
    FileSystemItem item = *FileSystemItem::initWithPath(path);
    item.newFilename = QStringLiteral("earlier.txt");
    qint64 counter = 1;
    // The proposed name's extension decides eligibility: .TXT is not an image type.
    photo.renameByPhotoEXIFTags(item, optionsWithMask("<EXIF_Date>"), counter);
    EXPECT_EQ(item.newFilename, "earlier.txt");
    EXPECT_EQ(counter, 1);
    item.newFilename = QStringLiteral("earlier.jpg");
    photo.renameByPhotoEXIFTags(item, optionsWithMask("<FILEINFO_Filename> <EXIF_Date>"), counter);
    EXPECT_EQ(item.newFilename, "earlier 2009.jpg");
}

TEST(PhotoTranslators, Urgency)
{
    EXPECT_EQ(PhotoRenaming::getUrgency("1"), "High");
    EXPECT_EQ(PhotoRenaming::getUrgency("0"), "None");
    EXPECT_EQ(PhotoRenaming::getUrgency("5"), "Normal");
    EXPECT_EQ(PhotoRenaming::getUrgency("8"), "Low");
    EXPECT_EQ(PhotoRenaming::getUrgency("9"), "9");
    EXPECT_EQ(PhotoRenaming::getUrgency("-1"), "-1");
}

TEST(PhotoTranslators, SceneAndSubjectCodesFromTheShippedTables)
{
    EXPECT_EQ(PhotoRenaming::getScene({"010100", "011900"}), "headshot,action");
    EXPECT_EQ(PhotoRenaming::getSubjectCode({"15000000"}), "sport");
    EXPECT_EQ(PhotoRenaming::getSubjectCode({"01000000", "17000000"}),
              "arts, culture and entertainment,weather");
    // An unknown code stays as it is; the codes after it are still translated.
    EXPECT_EQ(PhotoRenaming::getSubjectCode({"17000000", "99999999", "15000000"}), "weather,99999999,sport");
}

TEST(PhotoTranslators, XmpSearchedInBinaryBytes)
{
    QByteArray data(5000, '<');
    data += QByteArray::fromHex("ffd80001e9ff003c00");
    data += QByteArray("<xmprights:marked>  tRuE \n</XMPRIGHTS:MARKED>");
    data += QByteArray("<xmpRights:WebStatement>http://x.org/r?a=1</xmpRights:WebStatement>");
    data += QByteArray(3000, '\xFF');
    EXPECT_EQ(PhotoRenaming::getCopyrightStatus(data), "Copyrighted");
    EXPECT_EQ(PhotoRenaming::getCopyrightInfoURL(data), "http://x.org/r?a=1");
    EXPECT_EQ(PhotoRenaming::getCopyrightStatus("<xmpRights:Marked>False</xmpRights:Marked>"), "Public Domain");
    EXPECT_EQ(PhotoRenaming::getCopyrightStatus("<xmpRights:Marked>True"), "Unknown");
    EXPECT_EQ(PhotoRenaming::getCopyrightStatus(QByteArray(100, '\0')), "Unknown");
    EXPECT_EQ(PhotoRenaming::getCopyrightInfoURL("nothing here"), "");
    // The compact form writes simple properties as attributes.
    EXPECT_EQ(PhotoRenaming::getCopyrightStatus("<rdf:Description\n xmpRights:Marked=\"True\"/>"), "Copyrighted");
    EXPECT_EQ(PhotoRenaming::getCopyrightStatus("<x foo-xmpRights:Marked=\"True\"/>"), "Unknown");
    // The closing marker is looked for after the opening one.
    EXPECT_EQ(PhotoRenaming::getCopyrightStatus("</xmpRights:Marked><xmpRights:Marked>True</xmpRights:Marked>"),
              "Copyrighted");
}

TEST(PhotoTranslators, DateAndTimeCreated)
{
    const QByteArray xmp = xmpPacket("", "", "2009-03-05T10:11:12+02:00");
    EXPECT_EQ(PhotoRenaming::getDateCreated(xmp, "yyyy.MM.dd"), "2009.03.05");
    // The time as written: the offset is not applied.
    EXPECT_EQ(PhotoRenaming::getTimeCreated(xmp, "HH-mm"), "10-11");
    // A date without a time has no time; a text that is no date is used as it stands.
    EXPECT_EQ(PhotoRenaming::getDateCreated(xmpPacket("", "", "2009-03-05"), "yyyy"), "2009");
    EXPECT_EQ(PhotoRenaming::getTimeCreated(xmpPacket("", "", "2009-03-05"), "HH"), "");
    EXPECT_EQ(PhotoRenaming::getDateCreated(xmpPacket("", "", "spring 2009"), "yyyy"), "spring 2009");
    EXPECT_EQ(PhotoRenaming::getDateCreated("", "yyyy"), "");
}

TEST(PhotoTranslators, ElementFormPacketWrittenIntoTheImage)
{
    TempTree tree;
    PhotoTags tags;
    tags.keywords = {QStringLiteral("k")};
    tags.xmpPacket = xmpPacket("False", "https://example.org/terms", "");
    const QString path = tree.at("a.jpg");
    ASSERT_TRUE(writeTaggedJpeg(path, tags));
    PhotoRenaming photo;
    FileSystemItem item = *FileSystemItem::initWithPath(path);
    qint64 counter = 1;
    PhotoOptions options =
        optionsWithMask("<IPTC_Description_Copyright_Status> <IPTC_Description_Copyright_Info_URL>");
    options.replacesColons = true;
    photo.renameByPhotoEXIFTags(item, options, counter);
    // Colon replacement with an empty text in mask mode leaves IPTC values as they are.
    EXPECT_EQ(item.newFilename, "Public Domain https://example.org/terms.jpg");
}

TEST(PhotoRenaming, ResetMetaDataListFillsValuesAndReplacesIptcTokens)
{
    PhotoRenaming photo;
    QVariantMap contact{{"CiAdrCity", "Lyon"}};
    QVariantMap iptc{{"Keywords", QStringList{"a", "b"}},
                     {"City", "Oslo"},
                     {"CreatorContactInfo", contact},
                     {"Scene", QStringList{"011400"}},
                     {"TimeCreated", "10:11:12+02:00"}};
    QString mask = QStringLiteral("<IPTC_Contact_City>|<IPTC_Origin_City>|<IPTC_Keywords>|<IPTC_Image_Scene>|"
                                  "<IPTC_Origin_Time_Created>|<EXIF_Date>|<IPTC_Description_Copyright_Status>");
    photo.resetMetaDataList(&iptc, &mask, "<xmpRights:Marked>true</xmpRights:Marked>", "yyyy", "HH", "_");
    EXPECT_EQ(mask, "Lyon|Oslo|a,b|night scene|10_11_12+02_00|<EXIF_Date>|Copyrighted");
    EXPECT_EQ(photo.getTagValue("<IPTC_Origin_Time_Created>"), "10:11:12+02:00");
    EXPECT_EQ(photo.getTagValue("<IPTC_Contact_Country>"), "");
    EXPECT_EQ(photo.getTagValue("<no such token>"), "");

    // Without a dictionary every value is emptied and the XMP text is not consulted.
    photo.resetMetaDataList(nullptr, nullptr, "<xmpRights:Marked>true</xmpRights:Marked>", "yyyy", "HH", "");
    EXPECT_EQ(photo.getTagValue("<IPTC_Origin_City>"), "");
    EXPECT_EQ(photo.getTagValue("<IPTC_Description_Copyright_Status>"), "");
}

TEST(CodeTables, UnloadableTablesGiveNothing)
{
    TempTree tree;
    EXPECT_FALSE(CodeTables::loadTable(tree.at("missing.plist"), "getScene").has_value());
    EXPECT_FALSE(CodeTables::loadTable(tree.file("broken.plist", "<plist><dict><key>"), "getScene").has_value());
    const QByteArray array = "<?xml version=\"1.0\"?><plist version=\"1.0\"><array><string>x</string></array></plist>";
    EXPECT_FALSE(CodeTables::loadTable(tree.file("array.plist", array), "getScene").has_value());
    const QByteArray dict = "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>1</key><string>one</string>"
                            "<key>2</key><string>two</string></dict></plist>";
    const std::optional<CodeTables::Table> table = CodeTables::loadTable(tree.file("ok.plist", dict), "getScene");
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(CodeTables::translate({"2", "1"}, *table, "getScene"), "two,one");
    EXPECT_EQ(CodeTables::translate({}, *table, "getScene"), "");
}
