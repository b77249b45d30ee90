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

struct Case {
    const char* file;
    std::function<bool(const QString&)> write; // null: copied from the test data
    const char* date;    // "<EXIF_Date>_<EXIF_Time>" in UTC, or with movie times local
    const char* newYork; // the same in New York where it differs, else null
    const char* device;  // "<EXIF_Device_Make>=<EXIF_Device_Model>=<EXIF_Dimensions>"
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
        {"phone.heic", {}, "20210607_080910", nullptr, "Maker=Phone=16x12", DateSource::Exif},
        {"phone-plainiloc.heic", {}, "20210607_080910", nullptr, "Maker=Phone=16x12", DateSource::Exif},
        {"phone.avif", {}, "20210607_080910", nullptr, "Maker=Phone=16x12", DateSource::Exif},
        {"camera.cr3",
         [](const QString& path) { return MediaFixtures::writeCr3(path, "Canon", "Canon EOS R5", "2020:01:02 03:04:05"); },
         "20200102_030405", nullptr, "Canon=Canon EOS R5=", DateSource::Exif},
        {"keyed.mov", movie(keyed), "20220708_111011", nullptr, "Apple=iPhone 12=1920x1080", DateSource::QuickTimeKey},
        {"appleoffset.mov", movie(appleOffset), "20220708_111011", nullptr, "Apple=iPhone 12=1920x1080",
         DateSource::QuickTimeKey},
        {"header.mp4", movie(headerOnly), "20220708_091011", "20220708_051011", "Google=Pixel 7=3840x2160",
         DateSource::MovieHeader},
        {"wide.3gp", movie(wide), "20220708_091011", "20220708_051011", "Google=Pixel 7=3840x2160",
         DateSource::MovieHeader},
        {"zero.mp4", movie(Movie{}), "_", nullptr, "==", DateSource::None},
        {"before1970.m4v", movie(Movie{.headerTime = 100}), "_", nullptr, "==", DateSource::None},
    };
    TempTree tree;
    for (const Case& c : cases)
        ASSERT_TRUE(c.write ? c.write(tree.at(c.file))
                            : QFile::copy(QUORVEL_SOURCE_DIR "/tests/data/" + QString::fromLatin1(c.file), tree.at(c.file)))
            << c.file;

    Settings settings;
    settings.setInteger("selectedTab", 7);
    settings.setText("photoRenamingMask",
                     "<FILEINFO_Filename>=<EXIF_Date>_<EXIF_Time>=<EXIF_Device_Make>=<EXIF_Device_Model>=<EXIF_Dimensions>");
    settings.setList("photoExtensions", {".HEIC", ".AVIF", ".CR3", ".MP4", ".MOV", ".M4V", ".3GP"});
    for (const auto& [key, value] : {std::pair{"photoDateSeperator1", ""}, {"photoDateSeperator2", ""},
                                     {"photoTimeSeperator1", ""}, {"photoTimeSeperator2", ""},
                                     {"photoDatePart1", "yyyy"}, {"photoDatePart2", "MM"}, {"photoDatePart3", "dd"}})
        settings.setText(key, value);

    // The last run goes through a rule step, which carries the movie times flag.
    struct Run {
        const char* zone;
        bool local, asRule;
    };
    for (const Run run : {Run{"UTC", false, false}, Run{"America/New_York", false, false},
                          Run{"America/New_York", true, false}, Run{"America/New_York", true, true}}) {
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
            const bool inNewYork = c.newYork && !run.local && run.zone != std::string("UTC");
            const QString fields = QStringLiteral("=%1=%2.").arg(inNewYork ? c.newYork : c.date, c.device);
            EXPECT_EQ(item.newFilename.toStdString(), QString::fromLatin1(c.file).replace('.', fields).toStdString());
            EXPECT_EQ(item.proposedDateSource(), c.source) << c.file;
        }
    }
}
