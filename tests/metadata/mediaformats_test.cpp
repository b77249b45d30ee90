// The formats phones and cameras write (HEIC, AVIF, CR3, MOV, MP4), named by a preview pass
// of the photo method in several time zones: each item's capture date, where it came from,
// its camera and its pixel size.
#include "pipeline/controllerstate.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewdriver.h"
#include "profiles/rulepreview.h"
#include "profiles/rulesteps.h"
#include "support/mediafixtures.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"
#include "testpaths.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

using MediaFixtures::Movie;

namespace {

struct TimeZone {
    QByteArray saved = qgetenv("TZ");
    explicit TimeZone(const char* zone) { qputenv("TZ", zone); }
    ~TimeZone() { qputenv("TZ", saved); }
};

// Seconds since 1904 (the movie header's epoch) of a UTC time on 8 July 2022.
quint64 headerTime(int hour, int minute, int second)
{
    return quint64(QDateTime(QDate(2022, 7, 8), QTime(hour, minute, second), Qt::UTC).toSecsSinceEpoch()) + 2082844800u;
}

std::function<bool(const QString&)> movie(const Movie& m)
{
    return [m](const QString& path) { return MediaFixtures::writeMovie(path, m); };
}

std::function<bool(const QString&)> fixture(const char* name)
{
    return [name](const QString& path) {
        QFile::remove(path);
        return QFile::copy(QStringLiteral(QUORVEL_SOURCE_DIR "/tests/data/") + QLatin1String(name), path);
    };
}

struct Case {
    const char* file;
    std::function<bool(const QString&)> write;
    // "<EXIF_Date>_<EXIF_Time>" in UTC, in New York, and in New York with movie times local.
    const char* utc;
    const char* newYork;
    const char* newYorkLocal;
    const char* device; // "<EXIF_Device_Make>=<EXIF_Device_Model>=<EXIF_Dimensions>"
    DateSource source;
};

} // namespace

TEST(MediaFormats, PhotosAndMoviesAreDatedFromTheirOwnMetadata)
{
    const Movie keyed{.brand = "qt  ", .headerTime = headerTime(9, 10, 11),
                      .creationDate = "2022-07-08T11:10:11+02:00", .make = "Apple", .model = "iPhone 12",
                      .width = 1920, .height = 1080};
    Movie appleOffset = keyed;
    appleOffset.creationDate = QStringLiteral("2022-07-08T11:10:11+0200"); // as Apple writes it
    appleOffset.headerTime = 0;
    const Movie headerOnly{.headerTime = headerTime(9, 10, 11), .make = "Google", .model = "Pixel 7",
                           .deviceInUserData = true, .width = 3840, .height = 2160};
    Movie wide = headerOnly;
    wide.brand = "3gp5";
    wide.wideTimes = wide.mediaDataFirst = true;

    const Case cases[] = {
        {"phone.heic", fixture("phone.heic"), "20210607_080910", "20210607_080910", "20210607_080910",
         "Maker=Phone=16x12", DateSource::Exif},
        {"phone-plainiloc.heic", fixture("phone-plainiloc.heic"), "20210607_080910", "20210607_080910",
         "20210607_080910", "Maker=Phone=16x12", DateSource::Exif},
        {"phone.avif", fixture("phone.avif"), "20210607_080910", "20210607_080910", "20210607_080910",
         "Maker=Phone=16x12", DateSource::Exif},
        {"camera.cr3",
         [](const QString& path) {
             return MediaFixtures::writeCr3(path, "Canon", "Canon EOS R5", "2020:01:02 03:04:05");
         },
         "20200102_030405", "20200102_030405", "20200102_030405", "Canon=Canon EOS R5=", DateSource::Exif},
        {"keyed.mov", movie(keyed), "20220708_111011", "20220708_111011", "20220708_111011",
         "Apple=iPhone 12=1920x1080", DateSource::QuickTimeKey},
        {"appleoffset.mov", movie(appleOffset), "20220708_111011", "20220708_111011", "20220708_111011",
         "Apple=iPhone 12=1920x1080", DateSource::QuickTimeKey},
        {"header.mp4", movie(headerOnly), "20220708_091011", "20220708_051011", "20220708_091011",
         "Google=Pixel 7=3840x2160", DateSource::MovieHeader},
        {"wide.3gp", movie(wide), "20220708_091011", "20220708_051011", "20220708_091011",
         "Google=Pixel 7=3840x2160", DateSource::MovieHeader},
        {"zero.mp4", movie(Movie{}), "_", "_", "_", "==", DateSource::None},
        {"before1970.m4v", movie(Movie{.headerTime = 100}), "_", "_", "_", "==", DateSource::None},
    };
    TempTree tree;
    for (const Case& c : cases)
        ASSERT_TRUE(c.write(tree.at(c.file))) << c.file;

    Settings settings;
    settings.setInteger("selectedTab", 7);
    settings.setText("photoRenamingMask",
                     "<FILEINFO_Filename>=<EXIF_Date>_<EXIF_Time>=<EXIF_Device_Make>=<EXIF_Device_Model>=<EXIF_Dimensions>");
    settings.setList("photoExtensions", {".HEIC", ".AVIF", ".CR3", ".MP4", ".MOV", ".M4V", ".3GP"});
    for (const char* key : {"photoDateSeperator1", "photoDateSeperator2", "photoTimeSeperator1", "photoTimeSeperator2"})
        settings.setText(key, "");
    settings.setText("photoDatePart1", "yyyy");
    settings.setText("photoDatePart2", "MM");
    settings.setText("photoDatePart3", "dd");

    // The last run goes through a rule step, which carries the movie times flag.
    struct Run {
        const char* zone;
        bool local;
        bool asRule;
        const char* Case::*expected;
    };
    for (const Run run : {Run{"UTC", false, false, &Case::utc}, Run{"America/New_York", false, false, &Case::newYork},
                          Run{"America/New_York", true, false, &Case::newYorkLocal},
                          Run{"America/New_York", true, true, &Case::newYorkLocal}}) {
        SCOPED_TRACE(std::string(run.zone) + (run.local ? ", local" : "") + (run.asRule ? ", rule" : ""));
        TimeZone zone(run.zone);
        ControllerState state;
        ScriptedUserInterface ui;
        for (const Case& c : cases)
            state.list.append(*FileSystemItem::initWithPath(tree.at(c.file)));
        settings.setFlag("photoVideoTimesAreLocal", run.local);
        state.settings = settings.snapshot();
        if (run.asRule) {
            state.rules = {*RuleSteps::buildRule(settings).step};
            ASSERT_TRUE(RulePreview(state, ui).actionPreviewRule());
        } else {
            ASSERT_TRUE(PreviewDriver(state, ui).actionPreview());
        }
        PassRunner::waitUntilIdle(state);
        for (size_t i = 0; i < std::size(cases); ++i) {
            const Case& c = cases[i];
            const FileSystemItem& item = state.list.files.at(i);
            const QString base = QString::fromLatin1(c.file).section(QLatin1Char('.'), 0, 0);
            const QString extension = QString::fromLatin1(c.file).section(QLatin1Char('.'), 1);
            EXPECT_EQ(item.newFilename.toStdString(),
                      QStringLiteral("%1=%2=%3.%4").arg(base, c.*run.expected, c.device, extension).toStdString());
            EXPECT_EQ(item.proposedDateSource(), c.source) << c.file;
        }
    }
}
