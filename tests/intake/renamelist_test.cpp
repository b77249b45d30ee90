// Rename from a list: parsing the list file, loading it, and the import that classifies
// each listed item.
#include "intaketestsupport.h"

#include "intake/renamefromlist.h"
#include "pipeline/passrunner.h"
#include "platform/messages.h"

namespace {

QByteArray line(const QString& oldName, const QString& newName, const QString& folder)
{
    return (oldName + "\t" + newName + "\t" + folder + "\n").toUtf8();
}

} // namespace

class RenameList : public IntakeTest {
protected:
    std::optional<FileRenameItem> parse(const QByteArray& data, int importType = 0)
    {
        failure.clear();
        return parseRenameList(data, importType, &failure);
    }

    // Writes the list, loads it as the user would and waits for the import.
    bool load(const QByteArray& data, int importType = 0)
    {
        const QString file = tree.file("list.txt", data);
        state.settings.setText("renameFile", file);
        importTypeChanged(state, importType);
        const bool started = loadRenameFile(state, ui, intake);
        PassRunner::waitUntilIdle(state);
        return started;
    }

    QString failure;
};

TEST_F(RenameList, FewerThanTwoLinesAreRefused)
{
    tree.file("a.txt");
    const QByteArray one = line("a.txt", "b.txt", tree.path());
    EXPECT_FALSE(parse(one));                 // a final line feed does not start a line
    EXPECT_EQ(failure, "RENAMEFROMFILEMESSAGE");
    EXPECT_FALSE(parse(one.chopped(1)));
    EXPECT_FALSE(parse(QByteArray()));
    EXPECT_FALSE(parse("\n"));
    // Two data lines are enough, and so is a header with one data line.
    EXPECT_TRUE(parse(one + one));
    EXPECT_TRUE(parse(line("Filename", "New Filename", "Location") + one));
}

TEST_F(RenameList, HeaderIsRecognisedByAnyOneColumnIgnoringCase)
{
    tree.file("a.txt");
    const QByteArray data = line("x", "y", msg("LOCATION").toUpper()) + line("a.txt", "b.txt", tree.path());
    std::optional<FileRenameItem> list = parse(data);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->paths, QStringList({tree.at("a.txt")}));
    EXPECT_EQ(list->records.value(tree.at("a.txt")), "b.txt");

    // A first line of three fields that is not a header is data.
    tree.file("c.txt");
    list = parse(line("c.txt", "d.txt", tree.path()) + line("a.txt", "b.txt", tree.path()));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->paths.size(), 2);

    // A first line without three fields spoils the whole file.
    EXPECT_FALSE(parse("just a title\n" + line("a.txt", "b.txt", tree.path()) + line("c.txt", "d.txt", tree.path())));
    EXPECT_EQ(failure, "RENAMEFROMFILEMESSAGE");
}

TEST_F(RenameList, WindowsLineEndsWork)
{
    tree.file("a.txt");
    tree.file("c.txt");
    const QByteArray data = "Filename\tNew Filename\tLocation\r\n"
        + ("a.txt\tb.txt\t" + tree.path() + "\r\n").toUtf8()
        + ("c.txt\t\t" + tree.path() + "\r").toUtf8();
    std::optional<FileRenameItem> list = parse(data);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->paths, QStringList({tree.at("a.txt"), tree.at("c.txt")}));
    EXPECT_EQ(list->records.value(tree.at("a.txt")), "b.txt");
    EXPECT_EQ(list->records.value(tree.at("c.txt")), "c.txt"); // empty new name: the current one
}

TEST_F(RenameList, TextThatIsNotUtf8IsRefused)
{
    tree.file("a.txt");
    const QByteArray good = line("a.txt", "b.txt", tree.path());
    EXPECT_FALSE(parse(good + QByteArray("caf\xe9\tx\t/tmp\n")));
    EXPECT_EQ(failure, "RENAMEFROMFILENOTTEXT");
    EXPECT_FALSE(parse(good + QByteArray("a\0b\tc\t/tmp\n", 11)));
    EXPECT_EQ(failure, "RENAMEFROMFILENOTTEXT");
    QByteArray binary;
    for (int i = 0; i < 512; ++i)
        binary.append(char((i * 37) & 0xff));
    EXPECT_FALSE(parse(binary));
    // A UTF-8 byte order mark is not part of the first field.
    EXPECT_TRUE(parse("\xef\xbb\xbf" + line("a.txt", "b.txt", tree.path()) + good));
}

TEST_F(RenameList, UnusableLinesAreSkipped)
{
    tree.file("a.txt");
    tree.file("dir/b.txt");
    const QByteArray data = line("Filename", "New Filename", "Location")
        + "a.txt\tonly two\n"
        + ("a.txt\tx\t" + tree.path() + "\textra\n").toUtf8()
        + line("a.txt", "rel.txt", "relative/folder")
        + line("a.txt", "empty.txt", "")
        + line("..", "up", tree.at("dir"))
        + line(".", "here", tree.at("dir"))
        + line("", "none", tree.at("dir"))
        + line("b.txt", "kept.txt", tree.at("dir/../dir/"));
    std::optional<FileRenameItem> list = parse(data);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->paths, QStringList({tree.at("dir/b.txt")}));

    // When no line is left the file is refused.
    EXPECT_FALSE(parse(line("Filename", "New Filename", "Location") + "a\tb\n" + line("a.txt", "x", "rel")));
    EXPECT_EQ(failure, "RENAMEFROMFILEMESSAGE");
}

TEST_F(RenameList, NamesAndPathsAreTakenAsGiven)
{
    tree.file("a.txt");
    tree.file("b.txt");
    tree.file("c.txt");
    tree.file("x:y.txt");
    const QByteArray data = line("a.txt", "2009/03/a.txt", tree.path())
        + line("b.txt", "No Changes", tree.path())            // a status text is no name
        + line("c.txt", "Name Too Long", tree.path())
        + line("a.txt", "second.txt", tree.path())             // listed twice: the first line wins
        + line("x/y.txt", "z.txt", tree.path())                // "/" in a name is the shown form of ":"
        + line("missing.txt", "new.txt", tree.path());
    std::optional<FileRenameItem> list = parse(data);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->paths, QStringList({tree.at("a.txt"), tree.at("b.txt"), tree.at("c.txt"), tree.at("x:y.txt"),
                                        tree.at("missing.txt")}));
    EXPECT_EQ(list->records.value(tree.at("a.txt")), "2009:03:a.txt");
    EXPECT_EQ(list->records.value(tree.at("b.txt")), "b.txt");
    EXPECT_EQ(list->records.value(tree.at("c.txt")), "c.txt");
    EXPECT_EQ(list->records.value(tree.at("x:y.txt")), "z.txt");
    EXPECT_EQ(list->records.value(tree.at("missing.txt")), ""); // nothing there: no new name
}

TEST_F(RenameList, ImportClassifiesEachListedItem)
{
    tree.file("same.txt");
    tree.file("photo.JPG");
    tree.file("taken.txt");
    tree.file("other.txt");
    tree.file("free.txt");
    tree.file("dot.txt");
    tree.folder("folder");
    const QByteArray data = line("Filename", "New Filename", "Location")
        + line("same.txt", "", tree.path())
        + line("photo.JPG", "photo.jpg", tree.path())
        + line("taken.txt", "other.txt", tree.path())
        + line("free.txt", "a/b.txt", tree.path())
        + line("dot.txt", ".", tree.path())
        + line("folder", "renamed", tree.path())
        + line("gone.txt", "back.txt", tree.path());
    ASSERT_TRUE(load(data, 0));

    EXPECT_EQ(listed(), QStringList({"same.txt", "photo.JPG", "taken.txt", "free.txt", "dot.txt", "gone.txt"}));
    EXPECT_EQ(newNames(), QStringList({Status::NoChanges, "photo.jpg", Status::FileAlreadyExists, "a:b.txt",
                                       Status::NameNotAllowedHere, Status::FileNotFound}));
    EXPECT_TRUE(state.isHasFilesForRenaming.load());
    EXPECT_EQ(state.list.files.back().itemType, 0);
    EXPECT_TRUE(state.isFiles());
    EXPECT_FALSE(state.isExecuting.load());
    EXPECT_EQ(ui.progressMessages.first(), msg("LOADINGMESSAGE").arg(QString()));
    EXPECT_EQ(ui.countTexts.last(), msgN("TOTALFILESFOUND", 6));
    EXPECT_EQ(ui.timeTexts.size(), 1);
}

TEST_F(RenameList, CaseOnlyChangeAloneMakesApplyWorthRunning)
{
    tree.file("photo.JPG");
    tree.file("plain.txt");
    ASSERT_TRUE(load(line("photo.JPG", "photo.jpg", tree.path()) + line("plain.txt", "", tree.path())));
    EXPECT_EQ(newNames(), QStringList({"photo.jpg", Status::NoChanges}));
    EXPECT_TRUE(state.isHasFilesForRenaming.load());

    ASSERT_TRUE(load(line("photo.JPG", "photo.JPG", tree.path()) + line("plain.txt", "", tree.path())));
    EXPECT_EQ(newNames(), QStringList({Status::NoChanges, Status::NoChanges}));
    EXPECT_FALSE(state.isHasFilesForRenaming.load());
}

TEST_F(RenameList, FolderListsTakeOnlyFolders)
{
    tree.folder("albums");
    tree.file("song.mp3");
    ASSERT_TRUE(load(line("albums", "records", tree.path()) + line("song.mp3", "tune.mp3", tree.path())
                         + line("lost", "found", tree.path()),
                     1));
    EXPECT_TRUE(state.isFolders());
    EXPECT_EQ(listed(), QStringList({"albums", "lost"}));
    EXPECT_EQ(newNames(), QStringList({"records", Status::FolderNotFound}));
    EXPECT_EQ(state.list.files[1].itemType, 1);
    EXPECT_EQ(ui.countTexts.last(), msgN("TOTALFOLDERSFOUND", 2));
}

TEST_F(RenameList, AnItemLeftOutDoesNotMakeApplyWorthRunning)
{
    // A folder in a files list is dropped, and with it its would-be rename.
    tree.folder("albums");
    tree.file("a.txt");
    ASSERT_TRUE(load(line("albums", "records", tree.path()) + line("a.txt", "", tree.path())));
    EXPECT_EQ(listed(), QStringList({"a.txt"}));
    EXPECT_FALSE(state.isHasFilesForRenaming.load());
}

TEST_F(RenameList, FailuresAlertAndKeepTheList)
{
    const QString kept = tree.file("kept.txt");
    state.list.append(*FileSystemItem::initWithPath(kept));
    const auto expectFailure = [&](const char* key) {
        ASSERT_EQ(ui.alerts.size(), 1);
        EXPECT_EQ(ui.alerts[0].style, AlertStyle::Critical);
        EXPECT_EQ(ui.alerts[0].title, msg("RENAMEFROMFILETITLE"));
        EXPECT_EQ(ui.alerts[0].message, msg(key));
        EXPECT_FALSE(state.settings.hasRenameFile());
        EXPECT_EQ(listed(), QStringList({"kept.txt"}));
        EXPECT_EQ(ui.passesStarted, 0);
        ui.alerts.clear();
    };

    EXPECT_FALSE(loadRenameFile(state, ui, intake));
    expectFailure("UNABLETOOPENFILE");

    state.settings.setText("renameFile", tree.at("no-such-list.txt"));
    EXPECT_FALSE(loadRenameFile(state, ui, intake));
    expectFailure("UNABLETOOPENFILE");

    state.settings.setText("renameFile", tree.path());
    EXPECT_FALSE(loadRenameFile(state, ui, intake));
    expectFailure("UNABLETOOPENFILE");

    EXPECT_FALSE(load(QByteArray("caf\xe9\tcafe\t/tmp\nx\ty\t/tmp\n")));
    expectFailure("RENAMEFROMFILENOTTEXT");

    EXPECT_FALSE(load(line("kept.txt", "new.txt", tree.path())));
    expectFailure("RENAMEFROMFILEMESSAGE");
}

TEST_F(RenameList, BrowsingSetsOrClearsTheListFile)
{
    ui.openPanelAnswers = {{tree.at("mine.txt")}, {}};
    EXPECT_TRUE(browseRenameFile(state, ui));
    EXPECT_EQ(state.settings.text("renameFile"), tree.at("mine.txt"));
    ASSERT_EQ(ui.panels.size(), 1);
    EXPECT_EQ(ui.panels[0].title, msg("CHOOSETABDELIMITEDTEXTFILE"));
    EXPECT_FALSE(ui.panels[0].canChooseDirectories);
    EXPECT_FALSE(ui.panels[0].allowsMultipleSelection);
    EXPECT_EQ(ui.panels[0].allowedExtensions, QStringList({"txt"}));

    EXPECT_FALSE(browseRenameFile(state, ui));
    EXPECT_FALSE(state.settings.hasRenameFile());
}
