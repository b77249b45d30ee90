// Exporting the list: columns, header, full paths, lines that cannot be written, the
// refusals before the save panel, and writing the file.
#include "intaketestsupport.h"

#include "intake/exportsheetcontroller.h"
#include "intake/listexport.h"
#include "platform/messages.h"

namespace {

FileSystemItem item(const QString& path, const QString& newName)
{
    FileSystemItem i = *FileSystemItem::initWithPath(path);
    i.newFilename = newName;
    return i;
}

QString header(const QStringList& keys)
{
    QStringList names;
    for (const QString& k : keys)
        names << msg(k.toLatin1().constData());
    return names.join('\t') + '\n';
}

} // namespace

class Export : public IntakeTest {
protected:
    void SetUp() override
    {
        state.list.append(item("/music/a:b.mp3", "c:d.mp3"));
        state.list.append(item("/music/song.mp3", Status::NoChanges));
        state.list.append(item("/photos/img.jpg", ""));
    }

    QString build(const ExportOptions& options, int* skipped = nullptr)
    {
        return QString::fromUtf8(buildExport(state.list, options, skipped));
    }
};

TEST_F(Export, AllColumnsWithHeaderNamesAsOnDisk)
{
    int skipped = -1;
    EXPECT_EQ(build(ExportOptions{}, &skipped),
              header({"FILENAME", "NEWFILENAME", "LOCATION"})
                  + "a:b.mp3\tc:d.mp3\t/music\n"
                    "song.mp3\tNo Changes\t/music\n"
                    "img.jpg\t\t/photos\n");
    EXPECT_EQ(skipped, 0);
}

TEST_F(Export, ColumnChoices)
{
    ExportOptions onlyNew;
    onlyNew.isFilename = false;
    onlyNew.isLocation = false;
    EXPECT_EQ(build(onlyNew), header({"NEWFILENAME"}) + "c:d.mp3\nNo Changes\n\n");

    ExportOptions noHeader;
    noHeader.addColumnNamesInHeader = false;
    noHeader.isNewFilename = false;
    EXPECT_EQ(build(noHeader), "a:b.mp3\t/music\nsong.mp3\t/music\nimg.jpg\t/photos\n");

    ExportOptions fullPaths;
    fullPaths.isIncludeLocation = true;
    EXPECT_EQ(build(fullPaths), header({"FILENAME", "NEWFILENAME"})
                                    + "/music/a:b.mp3\t/music/c:d.mp3\n"
                                      "/music/song.mp3\t/music/No Changes\n"
                                      "/photos/img.jpg\t/photos/\n");
}

TEST_F(Export, ItemsThatWouldBreakALineAreLeftOutAndCounted)
{
    state.list.append(item("/music/tab\there.mp3", "x.mp3"));
    state.list.append(item("/odd\nfolder/fine.mp3", "new\r.mp3"));
    state.list.append(item("/odd\nfolder/kept.mp3", "k.mp3"));
    int skipped = 0;
    ExportOptions namesOnly;
    namesOnly.isLocation = false;
    const QString text = build(namesOnly, &skipped);
    EXPECT_EQ(skipped, 2);
    // The folder with a line feed is not written in this export, so its item stays.
    EXPECT_TRUE(text.endsWith("kept.mp3\tk.mp3\n"));
    EXPECT_EQ(text.count('\n'), 1 + 3 + 1);

    build(ExportOptions{}, &skipped);
    EXPECT_EQ(skipped, 3);
}

TEST_F(Export, RefusedColumnChoicesAlertBeforeAnyPanel)
{
    ExportSheetController sheet(state, ui);
    sheet.isFilename = sheet.isNewFilename = sheet.isLocation = false;
    EXPECT_FALSE(sheet.exportList());
    sheet.isLocation = true;
    sheet.isIncludeLocation = true;
    EXPECT_FALSE(sheet.exportList());

    ASSERT_EQ(ui.alerts.size(), 2);
    EXPECT_EQ(ui.alerts[0].style, AlertStyle::Critical);
    EXPECT_EQ(ui.alerts[0].title, msg("EXPORTFILESTITLE"));
    EXPECT_EQ(ui.alerts[0].message, msg("EXPORTNOCOLUMN"));
    EXPECT_EQ(ui.alerts[1].message, msg("EXPORTFILESFAILED"));
    EXPECT_TRUE(ui.panels.isEmpty());
    EXPECT_FALSE(sheet.isExporting);
}

TEST_F(Export, WritesTheChosenFileAndReports)
{
    ExportSheetController sheet(state, ui);
    QList<QPair<int, int>> progress;
    sheet.progressIndicator = [&](int value, int maximum) { progress.append({value, maximum}); };
    ui.savePanelAnswers = {tree.at("out.txt")};

    EXPECT_TRUE(sheet.exportList());
    ASSERT_EQ(ui.panels.size(), 1);
    EXPECT_EQ(ui.panels[0].title, msg("EXPORTFILELISTTITLE"));
    EXPECT_EQ(ui.panels[0].fileName, "export.txt");
    EXPECT_TRUE(ui.panels[0].canCreateDirectories);
    EXPECT_EQ(tree.read("out.txt"), buildExport(state.list, sheet.options(), nullptr));
    EXPECT_TRUE(ui.alerts.isEmpty());
    EXPECT_EQ(ui.statusMessages, QStringList{msg("EXPORTFILESEXPORTEDSUCCESS")});
    EXPECT_FALSE(sheet.isExporting);
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_TRUE(progress.contains(qMakePair(3, 3)));
    EXPECT_EQ(progress.last(), qMakePair(0, 0));

    // Cancelling the panel writes nothing and says nothing.
    EXPECT_FALSE(sheet.exportList());
    EXPECT_TRUE(ui.alerts.isEmpty());
    EXPECT_EQ(ui.statusMessages.size(), 1);
}

TEST_F(Export, FailureAndLeftOutItemsAreTold)
{
    ExportSheetController sheet(state, ui);
    EXPECT_FALSE(sheet.exportToPath(tree.at("no/such/folder/out.txt")));
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].style, AlertStyle::Critical);
    EXPECT_TRUE(ui.alerts[0].message.startsWith(msg("EXPORTFILESEXPORTEDFAILED").arg(QString()).trimmed()));
    EXPECT_FALSE(tree.names().contains("no"));

    // An existing file is replaced whole, never left half written.
    tree.file("out.txt", QByteArray(100000, 'x'));
    state.list.append(item("/music/tab\there.mp3", "x.mp3"));
    ui.alerts.clear();
    EXPECT_TRUE(sheet.exportToPath(tree.at("out.txt")));
    EXPECT_EQ(tree.read("out.txt"), buildExport(state.list, sheet.options(), nullptr));
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].style, AlertStyle::Warning);
    EXPECT_TRUE(ui.alerts[0].message.contains(msgN("EXPORTFILESSKIPPED", 1)));
}

TEST_F(Export, AnEmptyListOpensNoSheet)
{
    state.list.clear();
    EXPECT_FALSE(ExportSheetController::showExport(state, ui));
    ASSERT_EQ(ui.callouts.size(), 1);
    EXPECT_EQ(ui.callouts[0].messageKey, "NOITEMSTOEXPORT");
    EXPECT_EQ(ui.callouts[0].tag, 12000);

    state.list.append(item("/a/b.txt", ""));
    EXPECT_TRUE(ExportSheetController::showExport(state, ui));
    EXPECT_FALSE(ui.calloutShown);
}
