// Camera clocks put right: per-model shifts of the capture date and time, as the stored
// "model=±seconds" entries give them, through the photo method on real images.
#include "metadata/cameraclockscontroller.h"
#include "metadata/clockshifts.h"
#include "metadata/photorenaming.h"

#include "metadatafixtures.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

using namespace MetadataFixtures;

namespace {

struct Photo {
    const char* name, *taken, *model;
};

// Each photo written into the tree with its capture time and camera model, and its item.
std::vector<FileSystemItem> writePhotos(TempTree& tree, std::initializer_list<Photo> photos)
{
    std::vector<FileSystemItem> items;
    for (const Photo& p : photos) {
        PhotoTags tags;
        tags.dateTimeOriginal = p.taken;
        tags.model = p.model;
        EXPECT_TRUE(writeTaggedJpeg(tree.at(p.name), tags)) << p.name;
        items.push_back(*FileSystemItem::initWithPath(tree.at(p.name)));
    }
    return items;
}

} // namespace

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
    std::vector<FileSystemItem> items = writePhotos(tree, {{"a.jpg", "2021:12:31 23:30:00", "EOS 5D"}, // into a new year
                                                           {"b.jpg", "2021:03:01 00:00:30", "D700"}, // before March
                                                           {"c.jpg", "2021:06:07 08:09:10", "X100F"}}); // no shift
    PhotoTags dateOnly; // a date without a time of day is not shifted, nor is an IPTC field
    dateOnly.model = "EOS 5D";
    dateOnly.xmpCreateDate = "2021-06-07";
    dateOnly.xmpDateCreated = "2021-06-07T23:59:00";
    ASSERT_TRUE(writeTaggedJpeg(tree.at("d.jpg"), dateOnly));
    items.push_back(*FileSystemItem::initWithPath(tree.at("d.jpg")));
    const struct {
        QStringList shifts;
        QString mask;
        QStringList expected; // a, b, c, d
    } cases[] = {
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
    PhotoOptions options;
    options.date = {"yyyy", "", "MM", "", "dd"};
    options.time = {"HH", "", "mm", "", "ss"};
    options.extensions = {".JPG"};
    for (const auto& c : cases) {
        options.mask = c.mask;
        options.clockShifts = ClockShifts::fromEntries(c.shifts);
        PhotoRenaming photo;
        QStringList names;
        qint64 counter = 1;
        for (FileSystemItem item : items) {
            ASSERT_TRUE(photo.renameByPhotoEXIFTags(item, options, counter).ok());
            names.append(item.newFilename);
        }
        EXPECT_EQ(names, c.expected) << c.shifts.join(';').toStdString() << " " << c.mask.toStdString();
    }
}

TEST(ClockShifts, TheCameraTableShowsEachModelAndKeepsWhatItCannotRead)
{
    TempTree tree;
    const std::vector<FileSystemItem> items =
        writePhotos(tree, {{"a.jpg", "2021:06:07 10:00:00", "EOS 5D"}, {"b.jpg", "2021:06:07 09:00:00", "eos 5d"},
                           {"c.jpg", "2021:06:07 11:00:00", "D700"},   {"d.jpg", "2021:06:07 08:00:00", ""},
                           {"e.png", "2021:06:07 07:00:00", "D700"}}); // not a photo extension: not read
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
