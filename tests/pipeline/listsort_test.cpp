// The list sorted by name, capture time, modification time or size, and the numbers a
// preview gives in that order: straight through, or restarting in each folder, where the
// grouping by folder keeps the chosen order (the order given and a name sort: by name).
#include "pipeline/controllerstate.h"
#include "pipeline/listsort.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewdriver.h"
#include "platform/imagemetadata.h"
#include "support/mediafixtures.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace {

void photo(TempTree& tree, const QString& name, const char* taken, const char* model, int size)
{
    const QString path = tree.at(name);
    ASSERT_TRUE(MediaFixtures::writeJpeg(path));
    ImageMetadata::initializeExiv2();
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    image->exifData()["Exif.Photo.DateTimeOriginal"] = taken;
    image->exifData()["Exif.Image.Model"] = model;
    image->writeMetadata();
    // Sizes by content: bytes after the image's end, which readers pass over.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    ASSERT_LT(file.size(), size);
    file.write(QByteArray(size - int(file.size()), '\0'));
}

QDateTime day(int n)
{
    return QDateTime(QDate(2021, 5, 1 + n), QTime(12, 0), Qt::UTC);
}

struct Row {
    bool folders;
    const char* sort; // "" for the order given
    bool perFolder;
    QStringList names;
};

} // namespace

TEST(ListSort, NumbersFollowTheOrderAndStayInItInEachFolder)
{
    TempTree tree;
    tree.folder("a");
    tree.folder("b");
    // Camera "Slow" ran two hours fast: q.jpg was taken at 10:00, before p.jpg.
    photo(tree, "a/p.jpg", "2020:01:01 11:00:00", "Fast", 4000);
    photo(tree, "a/q.jpg", "2020:01:01 12:00:00", "Slow", 1000);
    tree.file("a/r.txt", QByteArray(2500, 'r'));
    photo(tree, "b/s.jpg", "2020:01:01 10:30:00", "Fast", 3000);
    photo(tree, "b/t.jpg", "2020:01:01 09:00:00", "Fast", 2000);
    for (const auto& [name, n] : {std::pair{"a/r.txt", 0}, {"a/q.jpg", 1}, {"b/t.jpg", 2}, {"a/p.jpg", 3}, {"b/s.jpg", 4}})
        tree.setModified(name, day(n));
    for (const char* folder : {"x/f2", "x/f1", "y/f3"})
        tree.folder(folder);
    for (const auto& [name, n] : {std::pair{"x/f2", 0}, {"x/f1", 2}, {"y/f3", 1}})
        tree.setModified(name, day(n));

    const QList<Row> rows = {
        {false, "", false, {"01_s", "02_r", "03_q", "04_t", "05_p"}},
        {false, "", true, {"01_p", "02_q", "03_r", "01_s", "02_t"}},
        {false, "name", false, {"01_p", "02_q", "03_r", "04_s", "05_t"}},
        {false, "name,desc", true, {"01_p", "02_q", "03_r", "01_s", "02_t"}},
        {false, "taken", false, {"01_t", "02_q", "03_s", "04_p", "05_r"}},
        {false, "taken", true, {"01_q", "02_p", "03_r", "01_t", "02_s"}},
        {false, "taken,desc", false, {"01_p", "02_s", "03_q", "04_t", "05_r"}},
        {false, "taken,desc", true, {"01_p", "02_q", "03_r", "01_s", "02_t"}},
        {false, "modified", false, {"01_r", "02_q", "03_t", "04_p", "05_s"}},
        {false, "modified", true, {"01_r", "02_q", "03_p", "01_t", "02_s"}},
        {false, "size,desc", false, {"01_p", "02_s", "03_r", "04_t", "05_q"}},
        {false, "size", true, {"01_q", "02_r", "03_p", "01_t", "02_s"}},
        {true, "", true, {"01_f1", "02_f2", "01_f3"}},
        {true, "modified", false, {"01_f2", "02_f3", "03_f1"}},
        {true, "modified", true, {"01_f2", "02_f1", "01_f3"}},
        {true, "taken", true, {"01_f1", "02_f2", "01_f3"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(row.folders ? "folders" : "files", row.sort,
                                                    row.perFolder ? "per folder" : "straight").toStdString());
        ControllerState state;
        ScriptedUserInterface ui;
        Settings& s = state.settings;
        if (row.folders)
            s.filesFoldersOptionChanged(FilesOrFolders::Folders);
        s.setList("photoClockShifts", {"Slow=-7200"});
        s.setInteger("selectedTab", 0);
        s.setFlag("isAlphaNumericPrefix", true);
        s.setFlag("isAlphaNumericSeperator", true);
        s.setText("alphaNumericSeperator", "_");
        s.setText("alphaNumericPaddingMask", "00");
        s.setText("alphaNumericNumericStartWith", "1");
        s.setFlag("isAlphaNumericResetSequenceOnEachFolder", row.perFolder);
        const QStringList given = row.folders ? QStringList{"x/f2", "y/f3", "x/f1"}
                                              : QStringList{"b/s.jpg", "a/r.txt", "a/q.jpg", "b/t.jpg", "a/p.jpg"};
        for (const QString& path : given)
            state.list.append(*FileSystemItem::initWithPath(tree.at(path)));

        if (const std::optional<ListSort> sort = ListSort::parse(QString::fromLatin1(row.sort))) {
            ASSERT_TRUE(ListSorting::start(state, ui, *sort));
            PassRunner::waitUntilIdle(state);
            // The files were read once, on the pass thread; sorting again reads nothing.
            EXPECT_EQ(ui.passesStarted, sort->readsFiles() ? 1 : 0);
            ASSERT_TRUE(ListSorting::start(state, ui, *sort));
            EXPECT_EQ(ui.passesStarted, sort->readsFiles() ? 1 : 0);
        }
        PassProgress progress(nullptr);
        QString error;
        ASSERT_TRUE(PreviewDriver::preview(state, state.settings, progress, error)) << error.toStdString();
        QStringList names;
        for (const FileSystemItem& item : state.list.files)
            names << item.newFilename.section(QLatin1Char('.'), 0, 0);
        EXPECT_EQ(names.join(' ').toStdString(), row.names.join(' ').toStdString());
    }
}

TEST(ListSort, CancelStopsTheReadingAndTextsAreChecked)
{
    TempTree tree;
    std::vector<FileSystemItem> items{*FileSystemItem::initWithPath(tree.file("a.jpg"))};
    PassProgress progress(nullptr);
    std::atomic<bool> cancel{true};
    EXPECT_FALSE(ListSorting::readFacts(items, {ListSort::By::Taken, false}, cancel, progress));
    EXPECT_FALSE(items[0].facts.statRead);
    cancel = false;
    EXPECT_TRUE(ListSorting::readFacts(items, {ListSort::By::Taken, false}, cancel, progress));
    EXPECT_TRUE(items[0].facts.statRead);
    EXPECT_EQ(items[0].facts.capture, ItemFacts::Capture::None);

    EXPECT_EQ(ListSort::parse("taken, DESC"), (ListSort{ListSort::By::Taken, true}));
    EXPECT_FALSE(ListSort::parse("date"));
    EXPECT_FALSE(ListSort::parse("size,up"));
}
