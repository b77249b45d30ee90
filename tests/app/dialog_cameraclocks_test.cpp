// Camera clocks and skipped formats in the window: the Camera Clocks sheet reads the cameras
// of the list on the pass thread, a shift typed for one model moves only that camera's
// names; a preview that skips readable formats says so once in the status bar, and its
// link adds them and previews again.
#include "gui_testsupport.h"

#include "app/dialogs/cameraclocksdialog.h"
#include "platform/imagemetadata.h"
#include "support/mediafixtures.h"

#include <QTableWidget>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace {

QString photo(TempTree& tree, const char* name, const char* taken, const char* model)
{
    const QString path = tree.at(QString::fromLatin1(name));
    EXPECT_TRUE(MediaFixtures::writeJpeg(path));
    ImageMetadata::initializeExiv2();
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    image->exifData()["Exif.Photo.DateTimeOriginal"] = taken;
    image->exifData()["Exif.Image.Model"] = model;
    image->writeMetadata();
    return path;
}

void nameByTime(StartedWindow& w)
{
    w.controller.state().settings.setInteger(QStringLiteral("selectedTab"), 7);
    w.controller.state().settings.setText(QStringLiteral("photoRenamingMask"), QStringLiteral("<EXIF_Time>"));
    w.window().showSettings();
}

} // namespace

TEST(CameraClocks, AShiftTypedForOneCameraMovesOnlyItsNames)
{
    StartedWindow w;
    TempTree tree;
    w.controller.tableViewAcceptDrop({photo(tree, "a.jpg", "2021:06:07 10:00:00", "EOS 5D"),
                                      photo(tree, "b.jpg", "2021:06:07 10:30:00", "D700")});
    waitIdle(w.controller);
    nameByTime(w);
    w.table().sortByColumn(FileTableModel::columnOf("dateTaken"), Qt::AscendingOrder);
    waitIdle(w.controller);

    w.window().findChild<QPushButton*>(QStringLiteral("cameraClocksButton"))->click();
    waitIdle(w.controller);
    auto* sheet = w.window().findChild<CameraClocksDialog*>();
    ASSERT_NE(sheet, nullptr);
    QTableWidget* table = sheet->table();
    ASSERT_EQ(table->rowCount(), 3); // every camera, then D700 and EOS 5D
    EXPECT_EQ(table->item(2, 0)->text(), "EOS 5D");
    EXPECT_EQ(table->item(2, 2)->text(), "2021-06-07 10:00:00");
    table->item(2, 3)->setText("+1:00:00");
    EXPECT_EQ(table->item(2, 3)->text(), "+3600");
    EXPECT_EQ(table->item(2, 4)->text(), "2021-06-07 11:00:00");
    sheet->findChild<QPushButton*>(QStringLiteral("applyButton"))->click();
    waitIdle(w.controller);
    EXPECT_EQ(w.controller.state().settings.list("photoClockShifts"), QStringList{"EOS 5D=+3600"});
    // The list sorted by Date Taken takes the shifted order.
    EXPECT_EQ(w.shown(0, "filenameWithExtension"), "b.jpg");

    w.controller.actionPreview();
    waitIdle(w.controller);
    EXPECT_EQ(w.shown(0, "newFilename"), "103000.jpg");
    EXPECT_EQ(w.shown(1, "newFilename"), "110000.jpg");
    // The proposed name's tool tip says where its date came from.
    const QModelIndex proposed = w.model().index(1, FileTableModel::columnOf("newFilename"));
    EXPECT_TRUE(w.model().data(proposed, Qt::ToolTipRole).toString().endsWith(
        msg("DATESOURCETIP").arg(msg("DATESOURCEEXIF"))));
}

TEST(CameraClocks, SkippedFormatsAreToldOnceAndAddedFromTheNote)
{
    StartedWindow w;
    TempTree tree;
    w.controller.tableViewAcceptDrop({photo(tree, "a.jpg", "2021:06:07 10:00:00", "EOS 5D"),
                                      photo(tree, "b.png", "2021:06:07 10:30:00", "D700"), tree.file("c.txt")});
    waitIdle(w.controller);
    nameByTime(w);
    w.controller.actionPreview();
    waitIdle(w.controller);
    auto* note = w.window().findChild<QLabel*>(QStringLiteral("skippedExtensionsNote"));
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isHidden());
    EXPECT_TRUE(note->text().startsWith(msgN("PHOTOEXTENSIONSKIPPED", 1).arg(".PNG"))) << note->text().toStdString();

    emit note->linkActivated(QStringLiteral("add"));
    waitIdle(w.controller);
    EXPECT_TRUE(w.controller.state().settings.list("photoExtensions").contains(".PNG"));
    EXPECT_EQ(w.shown(1, "newFilename"), "103000.png");
    EXPECT_TRUE(note->isHidden());
}
