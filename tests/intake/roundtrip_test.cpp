// An exported list, read back as a rename list, renames what the preview proposed.
#include "intaketestsupport.h"

#include "intake/listexport.h"
#include "intake/renamefromlist.h"
#include "pipeline/applydriver.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"

using RoundTrip = IntakeTest;

TEST_F(RoundTrip, ExportedListReadBackAndAppliedRenamesAsProposed)
{
    tree.file("photos/IMG_1.JPG", "1");
    tree.file("photos/b.txt", "b");
    tree.file("photos/x:y.txt", "x");
    tree.file("photos/keep.txt", "k");
    tree.file("photos/sub/c.txt", "c");
    tree.folder("logs");
    state.preferences.defaultLogFolderPath = tree.at("logs");
    setScope(true, true);
    ASSERT_TRUE(intake.addFilesToList({tree.at("photos")}));
    ASSERT_EQ(state.list.size(), 5);

    // Names as a preview leaves them: the file system's form, exported as they are on disk.
    const QHash<QString, QString> proposed{
        {"IMG_1.JPG", "IMG_1.jpg"},   // letter case only
        {"b.txt", "2009:03:b.txt"},   // typed as 2009/03, shown and exported with ":"
        {"x:y.txt", "z.txt"},
        {"keep.txt", Status::NoChanges},
        {"c.txt", "d.txt"},
    };
    QStringList originalOrder;
    for (FileSystemItem& item : state.list.files) {
        item.newFilename = proposed.value(item.filenameWithExtension());
        originalOrder << item.fullPath;
    }

    int skipped = -1;
    const QString listFile = tree.file("export.txt", buildExport(state.list, ExportOptions{}, &skipped));
    ASSERT_EQ(skipped, 0);
    EXPECT_TRUE(tree.read("export.txt").contains("2009:03:b.txt\t"));
    EXPECT_TRUE(tree.read("export.txt").contains("x:y.txt\tz.txt"));

    state.settings.setText("renameFile", listFile);
    importTypeChanged(state, 0);
    ASSERT_TRUE(loadRenameFile(state, ui, intake));
    PassRunner::waitUntilIdle(state);
    ASSERT_TRUE(ui.alerts.isEmpty());

    QStringList importedOrder;
    for (const FileSystemItem& item : state.list.files) {
        importedOrder << item.fullPath;
        EXPECT_EQ(item.newFilename, proposed.value(item.filenameWithExtension())) << item.fullPath.toStdString();
    }
    EXPECT_EQ(importedOrder, originalOrder);
    ASSERT_TRUE(state.isHasFilesForRenaming.load());

    PassProgress progress(nullptr);
    const ApplyOutcome outcome = ApplyDriver::applyRenames(state, state.settings.snapshot(), nullptr, progress);
    EXPECT_EQ(outcome.renamedCount, 4);
    EXPECT_FALSE(outcome.logFile.isEmpty());
    EXPECT_EQ(tree.names("photos"), QStringList({"2009:03:b.txt", "IMG_1.jpg", "keep.txt", "sub", "z.txt"}));
    EXPECT_EQ(tree.names("photos/sub"), QStringList({"d.txt"}));
    EXPECT_EQ(tree.read("photos/2009:03:b.txt"), "b");
    EXPECT_EQ(tree.read("photos/z.txt"), "x");
}
