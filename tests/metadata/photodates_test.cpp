// Photo metadata as cameras and editors write it: images whose only metadata is XMP, capture
// times the user's zone skipped for daylight saving, capture dates kept only in XMP, rule
// steps that leave out the date keys, and the whole IPTC subject code table.
#include "metadata/photorenaming.h"

#include "metadatafixtures.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passrunner.h"
#include "profiles/rulefile.h"
#include "profiles/rulepreview.h"
#include "profiles/rulesteps.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"
#include "testpaths.h"

#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace MetadataFixtures;

namespace {

// The time zone for one test, the tests' own given back after it.
class TimeZone {
public:
    explicit TimeZone(const char* zone)
        : saved_(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
    }
    ~TimeZone() { qputenv("TZ", saved_); }

private:
    QByteArray saved_;
};

// The name photo renaming proposes for the image with the mask (date "yyyy-MM-dd", time
// "HH-mm-ss").
QString named(const QString& path, const QString& mask)
{
    PhotoOptions options;
    options.mask = mask;
    options.date = {"yyyy", "-", "MM", "-", "dd"};
    options.time = {"HH", "-", "mm", "-", "ss"};
    options.extensions = {".JPG"};
    PhotoRenaming photo;
    FileSystemItem item = *FileSystemItem::initWithPath(path);
    qint64 counter = 1;
    const MethodResult result = photo.renameByPhotoEXIFTags(item, options, counter);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    return item.newFilename;
}

} // namespace

// The four XMP fallbacks need no IIM data: an image whose only metadata is XMP (as many
// editors export it) still gives its copyright status, rights URL and creation date.
TEST(PhotoDates, AnImageWithOnlyXmpGivesItsXmpFallbacks)
{
    TempTree tree;
    PhotoTags tags;
    tags.xmpMarked = QStringLiteral("True");
    tags.xmpWebStatement = QStringLiteral("rights.example.org");
    tags.xmpDateCreated = QStringLiteral("2009-03-05T10:11:12+02:00");
    const QString path = tree.at("a.jpg");
    ASSERT_TRUE(writeTaggedJpeg(path, tags));
    EXPECT_EQ(named(path, "<IPTC_Description_Copyright_Status> <IPTC_Description_Copyright_Info_URL> "
                          "<IPTC_Origin_Date_Created> <IPTC_Origin_Time_Created>"),
              "Copyrighted rights.example.org 2009-03-05 10-11-12.jpg");

    // Without any XMP the values stay empty, as before.
    const QString plain = tree.at("plain.jpg");
    ASSERT_TRUE(writeTaggedJpeg(plain, PhotoTags()));
    EXPECT_EQ(named(plain, "x<IPTC_Description_Copyright_Status><IPTC_Origin_Date_Created>"), "x.jpg");
}

// Date texts in files name no zone: they come out as written in every zone, a time that the
// zone skipped for daylight saving (02:30 on 29 March 2009 in Berlin) included, and an offset
// written with the date is not applied.
TEST(PhotoDates, DatesComeOutAsWrittenInEveryZone)
{
    TempTree tree;
    PhotoTags tags;
    tags.dateTimeOriginal = QStringLiteral("2009:03:29 02:30:00");
    tags.xmpDateCreated = QStringLiteral("2009-03-29T02:30:00+05:00");
    const QString path = tree.at("gap.jpg");
    ASSERT_TRUE(writeTaggedJpeg(path, tags));
    for (const char* zone : {"Europe/Berlin", "America/Sao_Paulo", "Pacific/Kiritimati", "Asia/Kolkata", "UTC"}) {
        SCOPED_TRACE(zone);
        TimeZone in(zone);
        EXPECT_EQ(named(path, "<EXIF_Date>_<EXIF_Time>"), "2009-03-29_02-30-00.jpg");
        EXPECT_EQ(named(path, "<IPTC_Origin_Date_Created>_<IPTC_Origin_Time_Created>"), "2009-03-29_02-30-00.jpg");
    }
}

// When the EXIF block has no DateTimeOriginal, XMP exif:DateTimeOriginal and then
// xmp:CreateDate are taken, in each of the forms XMP writes dates in, as written.
TEST(PhotoDates, ACaptureDateKeptOnlyInXmpIsTaken)
{
    struct Case {
        const char* exif;
        const char* xmpOriginal;
        const char* xmpCreate;
        const char* expected;
    };
    const Case cases[] = {
        {"", "2009-03-29T02:30:00.45+02:00", "2001-01-01T00:00:00", "2009-03-29_02-30-00"},
        {"", "", "2010-07-04T23:59Z", "2010-07-04_23-59-00"},
        {"", "", "2010-07-04T23:59:58-05:00", "2010-07-04_23-59-58"},
        {"", "", "2011-02-03", "2011-02-03_"},
        {"", "yesterday", "2012-12-12T12:12:12", "2012-12-12_12-12-12"},
        {"", "2012-13-40T10:00:00", "", "_"},
        {"2009:03:05 10:11:12", "2001-01-01T00:00:00", "2002-02-02T00:00:00", "2009-03-05_10-11-12"},
    };
    TempTree tree;
    TimeZone in("Europe/Berlin");
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.exif) + " | " + c.xmpOriginal + " | " + c.xmpCreate);
        PhotoTags tags;
        tags.dateTimeOriginal = QString::fromLatin1(c.exif);
        tags.xmpDateTimeOriginal = QString::fromLatin1(c.xmpOriginal);
        tags.xmpCreateDate = QString::fromLatin1(c.xmpCreate);
        const QString path = tree.at(QStringLiteral("%1.jpg").arg(++n));
        ASSERT_TRUE(writeTaggedJpeg(path, tags));
        const QString name = named(path, "<EXIF_Date>_<EXIF_Time>");
        EXPECT_EQ(name, QString::fromLatin1(c.expected) + ".jpg");
    }
}

// A photo step of a rule file that leaves out the date and time keys takes their defaults,
// as the same step built in the window does.
TEST(PhotoDates, ARuleStepWithoutTheDateKeysTakesTheirDefaults)
{
    TempTree tree;
    PhotoTags tags;
    tags.dateTimeOriginal = QStringLiteral("2009:03:05 10:11:12");
    ASSERT_TRUE(writeTaggedJpeg(tree.at("p.jpg"), tags));
    Settings settings;
    settings.setInteger("selectedTab", 7);
    settings.setText("photoRenamingMask", "X_<EXIF_Date>");
    const QVariantMap built = *RuleSteps::buildRule(settings).step;
    QVariantMap sparse = built;
    for (const QString& key : built.keys()) {
        if (key.startsWith("photoDate") || key.startsWith("photoTime"))
            sparse.remove(key);
    }
    ASSERT_LT(sparse.size(), built.size());
    ASSERT_TRUE(RuleFile::write(tree.at("sparse.qvrule"), {sparse}));
    QList<QVariantMap> read;
    ASSERT_EQ(RuleFile::read(tree.at("sparse.qvrule"), read, true), RuleFile::ReadResult::Read);

    for (const QList<QVariantMap>& rules : {QList<QVariantMap>{built}, read}) {
        ControllerState state;
        ScriptedUserInterface ui;
        state.list.append(*FileSystemItem::initWithPath(tree.at("p.jpg")));
        state.rules = rules;
        ASSERT_TRUE(RulePreview(state, ui).actionPreviewRule());
        PassRunner::waitUntilIdle(state);
        EXPECT_EQ(state.list.files.at(0).newFilename, "X_05032009.jpg");
    }
}

// Every code of the IPTC subject code list translates to its label, and a code the list
// lacks stays as it is without stopping the codes after it.
TEST(PhotoDates, EverySubjectCodeTranslates)
{
    QFile source(QStringLiteral(QUORVEL_SOURCE_DIR "/resources/codes/iptc-subject-codes.tsv"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly | QIODevice::Text));
    int codes = 0;
    QTextStream lines(&source);
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        if (line.isEmpty())
            continue;
        const QString code = line.section(QLatin1Char('\t'), 0, 0);
        const QString label = line.section(QLatin1Char('\t'), 1);
        EXPECT_EQ(PhotoRenaming::getSubjectCode({code}), label) << code.toStdString();
        ++codes;
    }
    EXPECT_EQ(codes, 1404);
    EXPECT_EQ(PhotoRenaming::getSubjectCode({"17000000", "99999999", "15000000"}), "weather,99999999,sport");
    // The scene table is still there.
    EXPECT_EQ(PhotoRenaming::getScene({"010100", "011900"}), "headshot,action");
}
