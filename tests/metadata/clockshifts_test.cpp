// Camera clocks put right: per-model shifts of the capture date and time, as the stored
// "model=±seconds" entries give them, through the photo method on real images.
#include "metadata/cameraclockscontroller.h"
#include "metadata/clockshifts.h"
#include "metadata/photorenaming.h"

#include "metadatafixtures.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

using namespace MetadataFixtures;

TEST(ClockShifts, EntriesAreReadAsTypedAndRefusedWhenTheyAreNoShift)
{
    QStringList refused;
    const ClockShifts shifts = ClockShifts::fromEntries(
        {"EOS 5D=+3600", "d700 = -0:01:30", "=+60", "Odd=Name=5", "X100F=soon", "GR III=+3600", "gr iii=-7"},
        &refused);
    EXPECT_EQ(refused, QStringList({"X100F=soon"}));
    EXPECT_EQ(shifts.secondsFor("eos 5d"), 3600);
    EXPECT_EQ(shifts.secondsFor("D700"), -90);
    EXPECT_EQ(shifts.secondsFor("Odd=Name"), 5);
    EXPECT_EQ(shifts.secondsFor("GR III"), -7); // the later entry of a model counts
    EXPECT_EQ(shifts.secondsFor("Unlisted"), 60); // the entry for every camera
    EXPECT_EQ(shifts.toEntries(), QStringList({"EOS 5D=+3600", "d700=-90", "=+60", "Odd=Name=+5", "gr iii=-7"}));
    EXPECT_FALSE(ClockShifts::parseSeconds("+3200000000")); // beyond a century
}

TEST(ClockShifts, EachCameraIsMovedByItsOwnShiftOnly)
{
    TempTree tree;
    struct Photo {
        const char* name;
        const char* date;
        const char* model;
    };
    const Photo photos[] = {
        {"a.jpg", "2021:12:31 23:30:00", "EOS 5D"}, // across midnight into a new year
        {"b.jpg", "2021:03:01 00:00:30", "D700"},   // back across a month's end
        {"c.jpg", "2021:06:07 08:09:10", "X100F"},  // no shift of its own
    };
    for (const Photo& p : photos) {
        PhotoTags tags;
        tags.dateTimeOriginal = p.date;
        tags.model = p.model;
        ASSERT_TRUE(writeTaggedJpeg(tree.at(p.name), tags));
    }
    PhotoTags dateOnly; // a date without a time of day is not shifted
    dateOnly.xmpCreateDate = "2021-06-07";
    dateOnly.model = "EOS 5D";
    dateOnly.xmpDateCreated = "2021-06-07T23:59:00"; // an IPTC field is never shifted
    ASSERT_TRUE(writeTaggedJpeg(tree.at("d.jpg"), dateOnly));

    struct Case {
        QStringList shifts;
        QString mask;
        QStringList expected; // a, b, c, d
    };
    const Case cases[] = {
        {{"EOS 5D=+3600"}, "<EXIF_Date>_<EXIF_Time>",
         {"20220101_003000.jpg", "20210301_000030.jpg", "20210607_080910.jpg", "20210607_.jpg"}},
        {{"EOS 5D=+3600", "D700=-60"}, "<EXIF_Date>_<EXIF_Time>_<EXIF_Device_Model>",
         {"20220101_003000_EOS 5D.jpg", "20210228_235930_D700.jpg", "20210607_080910_X100F.jpg",
          "20210607__EOS 5D.jpg"}},
        {{"=-10", "EOS 5D=+3600"}, "<EXIF_Date>_<EXIF_Time>",
         {"20220101_003000.jpg", "20210301_000020.jpg", "20210607_080900.jpg", "20210607_.jpg"}},
        {{"EOS 5D=-86400"}, "<IPTC_Origin_Date_Created>_<IPTC_Origin_Time_Created>",
         {"_.jpg", "_.jpg", "_.jpg", "20210607_235900.jpg"}},
    };
    for (const Case& c : cases) {
        PhotoOptions options;
        options.mask = c.mask;
        options.date = {"yyyy", "", "MM", "", "dd"};
        options.time = {"HH", "", "mm", "", "ss"};
        options.extensions = {".JPG"};
        options.clockShifts = ClockShifts::fromEntries(c.shifts);
        PhotoRenaming photo;
        QStringList names;
        qint64 counter = 1;
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"}) {
            FileSystemItem item = *FileSystemItem::initWithPath(tree.at(name));
            ASSERT_TRUE(photo.renameByPhotoEXIFTags(item, options, counter).ok());
            names.append(item.newFilename);
        }
        EXPECT_EQ(names, c.expected) << c.shifts.join(';').toStdString() << " " << c.mask.toStdString();
    }
}

TEST(ClockShifts, TheCameraTableShowsEachModelAndKeepsWhatItCannotRead)
{
    TempTree tree;
    const struct {
        const char* name;
        const char* date;
        const char* model;
    } photos[] = {{"a.jpg", "2021:06:07 10:00:00", "EOS 5D"}, {"b.jpg", "2021:06:07 09:00:00", "eos 5d"},
                  {"c.jpg", "2021:06:07 11:00:00", "D700"},   {"d.jpg", "2021:06:07 08:00:00", ""},
                  {"e.png", "2021:06:07 07:00:00", "D700"}}; // not a photo extension: not read
    std::vector<FileSystemItem> items;
    for (const auto& p : photos) {
        PhotoTags tags;
        tags.dateTimeOriginal = p.date;
        tags.model = p.model;
        ASSERT_TRUE(writeTaggedJpeg(tree.at(p.name), tags));
        items.push_back(*FileSystemItem::initWithPath(tree.at(p.name)));
    }
    const std::atomic<bool> cancel{false};
    PhotoOptions options;
    options.extensions = {".JPG"};
    const CameraSurvey survey = CameraSurvey::survey(items, options, cancel);
    EXPECT_EQ(survey.files, 4);

    CameraClocksController table(survey, {"GR III=+60", "not a shift"});
    QStringList rows;
    for (const CameraClocksController::Row& row : table.rows())
        rows.append(QStringLiteral("%1 %2 %3").arg(row.model).arg(row.files).arg(
            row.earliest ? row.earliest->toString("HH:mm") : "-"));
    EXPECT_EQ(rows, QStringList({" 4 08:00", "D700 1 11:00", "EOS 5D 2 09:00", "GR III 0 -"}));

    EXPECT_FALSE(table.setShift(1, "an hour"));
    ASSERT_TRUE(table.setShift(1, "-3:00:00"));
    ASSERT_TRUE(table.setShift(0, "+1800"));
    EXPECT_EQ(table.earliestAfterShift(2)->toString("HH:mm"), "09:30"); // the every-camera shift
    EXPECT_EQ(table.earliestAfterShift(0)->toString("HH:mm"), "08:00"); // D700 at 08:00 once shifted
    EXPECT_EQ(table.entries(), QStringList({"GR III=+60", "D700=-10800", "=+1800", "not a shift"}));
}
