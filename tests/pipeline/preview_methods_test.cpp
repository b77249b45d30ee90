// Whole previews over real folders: the selected tab's method runs over every listed item
// and each result is classified against the disk.
#include "engine/filesystemitem.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "pipeline/previewdriver.h"
#include "support/temptree.h"

#include <QDateTime>
#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

class PreviewMethodsTest : public ::testing::Test {
protected:
    void add(const QString& relative)
    {
        std::optional<FileSystemItem> item = FileSystemItem::initWithPath(tree.at(relative));
        ASSERT_TRUE(item.has_value()) << relative.toStdString();
        ASSERT_TRUE(state.list.append(*item));
    }

    bool preview()
    {
        PassProgress progress(nullptr);
        error.clear();
        return PreviewDriver::preview(state, state.settings, progress, error);
    }

    // "name -> newFilename" for every item, in list order.
    QStringList results() const
    {
        QStringList out;
        for (const FileSystemItem& item : state.list.files)
            out << item.filenameWithExtension() + " -> " + item.newFilename;
        return out;
    }

    QStringList locations() const
    {
        QStringList out;
        for (const FileSystemItem& item : state.list.files)
            out << item.fileLocation().mid(tree.path().size());
        return out;
    }

    TempTree tree;
    ControllerState state;
    QString error;
};

TEST_F(PreviewMethodsTest, NumberingRestartsInEveryFolder)
{
    for (const char* path : {"b/y.txt", "a/z.txt", "b/x.txt", "a/w.txt", "c.txt"})
        tree.file(path);
    for (const char* path : {"b/y.txt", "a/z.txt", "b/x.txt", "a/w.txt", "c.txt"})
        add(path);
    Settings& s = state.settings;
    s.setInteger("selectedTab", 0);
    s.setFlag("isAlphaNumericNumeric", true);
    s.setFlag("isAlphaNumericPrefix", true);
    s.setFlag("isAlphaNumericSeperator", true);
    s.setText("alphaNumericSeperator", "_");
    s.setText("alphaNumericPaddingMask", "00");
    s.setText("alphaNumericNumericStartWith", "1");
    s.setFlag("isAlphaNumericResetSequenceOnEachFolder", true);

    EXPECT_TRUE(preview()) << error.toStdString();
    EXPECT_TRUE(error.isEmpty());
    // Left sorted by folder and by name within a folder.
    EXPECT_EQ(locations(), (QStringList{"", "/a", "/a", "/b", "/b"}));
    EXPECT_EQ(results(), (QStringList{"c.txt -> 01_c.txt", "w.txt -> 01_w.txt", "z.txt -> 02_z.txt",
                                      "x.txt -> 01_x.txt", "y.txt -> 02_y.txt"}));
    EXPECT_TRUE(state.isHasFilesForRenaming.load());

    // Without the reset the numbers run on across folders in the list's own order.
    s.setFlag("isAlphaNumericResetSequenceOnEachFolder", false);
    std::swap(state.list.files.front(), state.list.files.back());
    EXPECT_TRUE(preview());
    EXPECT_EQ(results(), (QStringList{"y.txt -> 01_y.txt", "w.txt -> 02_w.txt", "z.txt -> 03_z.txt",
                                      "x.txt -> 04_x.txt", "c.txt -> 05_c.txt"}));
}

TEST_F(PreviewMethodsTest, DatesComeFromTheFiles)
{
    tree.file("one.jpg");
    tree.file("two.jpg");
    tree.setModified("one.jpg", QDateTime(QDate(2010, 3, 7), QTime(14, 5, 9), Qt::UTC));
    tree.setModified("two.jpg", QDateTime(QDate(1999, 12, 31), QTime(23, 59, 58), Qt::UTC));
    add("one.jpg");
    add("two.jpg");
    Settings& s = state.settings;
    s.setInteger("selectedTab", 4);
    s.setInteger("dateTimeDateOptionIndex", 1);
    s.setInteger("dateTimeOptionsIndex", 1);
    s.setText("dateTimeFormatDateSeperator1", "-");
    s.setText("dateTimeFormatDateSeperator2", "-");
    s.setText("dateTimeSeparator", " at ");
    s.setText("dateTimePrefix", " ");

    EXPECT_TRUE(preview()) << error.toStdString();
    EXPECT_EQ(results(), (QStringList{"one.jpg -> one 07-03-2010 at 140509.jpg",
                                      "two.jpg -> two 31-12-1999 at 235958.jpg"}));
}

TEST_F(PreviewMethodsTest, NameTakenInTheFolder)
{
    tree.file("a.txt");
    tree.file("b.txt");
    tree.folder("a-dir");
    tree.folder("b-dir");
    for (const char* path : {"a.txt", "b.txt", "a-dir", "b-dir"})
        add(path);
    Settings& s = state.settings;
    s.setInteger("selectedTab", 2);
    s.setFlag("isReplaceRemoveReplace", true);
    s.setText("replaceRemoveThis", "a");
    s.setText("replaceRemoveWith", "b");
    s.setFlag("isReplaceRemoveAllOccurrence", true);

    EXPECT_TRUE(preview()) << error.toStdString();
    EXPECT_EQ(results(), (QStringList{"a.txt -> File Already Exists", "b.txt -> No Changes",
                                      "a-dir -> Folder Already Exists", "b-dir -> No Changes"}));
    EXPECT_FALSE(state.isHasFilesForRenaming.load());

    // A replacement typed with "/" proposes ":" in the name, which is free.
    s.setText("replaceRemoveWith", "x/y");
    EXPECT_TRUE(preview());
    EXPECT_EQ(results().first(), "a.txt -> x:y.txt");
    EXPECT_TRUE(state.isHasFilesForRenaming.load());
}

TEST_F(PreviewMethodsTest, LetterCaseOnly)
{
    tree.file("Photo.JPG");
    add("Photo.JPG");
    Settings& s = state.settings;
    s.setInteger("selectedTab", 5);
    s.setInteger("generalOptionIndex", 1);
    s.setInteger("generalExtensionCase", 2);

    EXPECT_TRUE(preview()) << error.toStdString();
    EXPECT_EQ(results(), (QStringList{"Photo.JPG -> Photo.jpg"}));
    EXPECT_TRUE(state.isHasFilesForRenaming.load());
}

TEST_F(PreviewMethodsTest, EmptyGeneralPositionCountsAsOne)
{
    tree.file("abc.txt");
    add("abc.txt");
    Settings& s = state.settings;
    s.setInteger("selectedTab", 5);
    s.setInteger("generalOptionIndex", 7);
    s.setText("generalSwapPosition", "");
    EXPECT_TRUE(preview()) << error.toStdString();
    EXPECT_EQ(results(), (QStringList{"abc.txt -> bca.txt"}));
}

TEST_F(PreviewMethodsTest, FailureIsKeptForTheRestOfThePass)
{
    tree.file("abc.txt");
    tree.file("def.txt");
    add("abc.txt");
    add("def.txt");
    tree.file("gone.txt");
    add("gone.txt");
    QFile::remove(tree.at("gone.txt"));
    Settings& s = state.settings;
    s.setInteger("selectedTab", 5);
    s.setInteger("generalOptionIndex", 7);
    s.setText("generalSwapPosition", "-1");

    EXPECT_FALSE(preview());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(results(), (QStringList{"abc.txt -> No Changes", "def.txt -> No Changes", "gone.txt -> File Not Found"}));
}

TEST_F(PreviewMethodsTest, TabsWithoutACall)
{
    tree.file("abc.txt");
    add("abc.txt");
    Settings& s = state.settings;
    s.setInteger("selectedTab", 1);
    s.setFlag("isInsertDeleteInsert", false);
    s.setFlag("isInsertDeleteDelete", false);
    EXPECT_FALSE(preview());
    EXPECT_EQ(results(), (QStringList{"abc.txt -> No Changes"}));

    s.setFlag("isInsertDeleteDelete", true);
    s.setText("insertDeleteFromCharacterPosition", "2");
    s.setText("insertDeleteNumberOfCharacters", "1");
    EXPECT_TRUE(preview());
    EXPECT_EQ(results(), (QStringList{"abc.txt -> ac.txt"}));
}

} // namespace
