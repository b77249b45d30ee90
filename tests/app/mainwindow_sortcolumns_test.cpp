// The Date Taken, Date Modified and Size columns: hidden at first, and a click on their
// header sorts the list after reading the files on the pass thread.
#include "gui_testsupport.h"

#include "platform/imagemetadata.h"
#include "support/mediafixtures.h"

#include <QHeaderView>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

TEST(SortColumns, DateTakenSortsByTheShiftedCaptureTime)
{
    StartedWindow w;
    ASSERT_TRUE(w.started);
    TempTree tree;
    QStringList paths;
    for (const auto& [name, taken] : {std::pair{"a.jpg", "2020:01:01 11:00:00"}, {"b.jpg", "2020:01:01 10:00:00"}}) {
        paths << tree.at(QString::fromLatin1(name));
        ASSERT_TRUE(MediaFixtures::writeJpeg(paths.last()));
        ImageMetadata::initializeExiv2();
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(paths.last()).toStdString());
        image->readMetadata();
        image->exifData()["Exif.Photo.DateTimeOriginal"] = taken;
        image->exifData()["Exif.Image.Model"] = "Cam";
        image->writeMetadata();
    }
    paths << tree.file("c.txt", "text");
    w.controller.tableViewAcceptDrop(paths);
    waitIdle(w.controller);
    const int taken = FileTableModel::columnOf("dateTaken");
    for (const char* column : {"dateTaken", "dateModified", "fileSize"})
        EXPECT_TRUE(w.table().isColumnHidden(FileTableModel::columnOf(column))) << column;
    EXPECT_EQ(w.shown(0, "dateTaken"), ""); // not read yet

    w.table().sortByColumn(taken, Qt::AscendingOrder);
    waitIdle(w.controller);
    EXPECT_EQ(w.shown(0, "filenameWithExtension"), "b.jpg");
    EXPECT_EQ(w.shown(1, "filenameWithExtension"), "a.jpg");
    EXPECT_EQ(w.shown(2, "filenameWithExtension"), "c.txt");
    EXPECT_TRUE(w.shown(0, "dateTaken").endsWith("10:00:00"));
    EXPECT_EQ(w.shown(2, "dateTaken"), "");
    EXPECT_EQ(w.shown(2, "fileSize"), QLocale().formattedDataSize(4));
    EXPECT_EQ(w.table().horizontalHeader()->sortIndicatorSection(), taken);

    // A shift shows at once and counts at the next sort, without reading again.
    w.controller.state().settings.setList("photoClockShifts", {"Cam=+3600"});
    EXPECT_TRUE(w.shown(0, "dateTaken").endsWith("11:00:00"));
    w.table().sortByColumn(taken, Qt::DescendingOrder);
    waitIdle(w.controller);
    EXPECT_EQ(w.shown(0, "filenameWithExtension"), "a.jpg");
    EXPECT_EQ(w.shown(2, "filenameWithExtension"), "c.txt");
}
