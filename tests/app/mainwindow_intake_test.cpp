// Items from outside the window: the file manager's copied selection and the choice
// between files and folders.
#include "gui_testsupport.h"

#include "app/clipboardselection.h"
#include "app/pasteboarditemsdialog.h"
#include "app/settingsbinder.h"
#include "engine/settings.h"
#include "support/temptree.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

TEST(ClipboardSelection, UriListsAndGnomeCopiedFilesGiveLocalPaths)
{
    QMimeData uris;
    uris.setUrls({QUrl::fromLocalFile("/tmp/a b.txt"), QUrl("https://example.org/x"), QUrl::fromLocalFile("/tmp/c")});
    EXPECT_EQ(ClipboardSelection::paths(&uris), QStringList({"/tmp/a b.txt", "/tmp/c"}));

    QMimeData gnome;
    gnome.setData("x-special/gnome-copied-files", "copy\nfile:///tmp/d%20e.txt\nsftp://host/f\nfile:///tmp/g\n");
    EXPECT_EQ(ClipboardSelection::paths(&gnome), QStringList({"/tmp/d e.txt", "/tmp/g"}));

    QMimeData text;
    text.setText("/tmp/a.txt");
    EXPECT_TRUE(ClipboardSelection::paths(&text).isEmpty());
    EXPECT_TRUE(ClipboardSelection::paths(nullptr).isEmpty());
}

TEST(FromOutside, CopiedFilesAreAddedInFilesScope)
{
    StartedWindow w;
    TempTree tree;
    w.controller.state().settings.filesFoldersOptionChanged(1);
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(tree.file("one.txt")), QUrl::fromLocalFile(tree.file("two.txt"))});
    QGuiApplication::clipboard()->setMimeData(data);
    w.window().actions().addFromFileManager->trigger();
    waitIdle(w.controller);
    EXPECT_EQ(w.model().rowCount(), 2);
    EXPECT_TRUE(w.controller.state().isFiles());
}

TEST(FromOutside, AFolderAsksFilesOrFolders)
{
    StartedWindow w;
    TempTree tree;
    tree.file("top/a.txt");
    tree.file("top/inner/b.txt");
    tree.folder("top/inner/deeper");
    w.controller.loadFiles({tree.at("top")});
    auto* dialog = w.window().findChild<PasteboardItemsDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(w.model().rowCount(), 0);
    dialog->findChild<QRadioButton*>("filesFolders_1")->click();
    dialog->findChild<QCheckBox*>("isProcessSubfolders")->click();
    dialog->findChild<QPushButton*>("applyButton")->click();
    waitIdle(w.controller);
    // Folders scope with subfolders: the folders inside the chosen one.
    ASSERT_EQ(w.model().rowCount(), 2);
    EXPECT_EQ(w.shown(0, "filenameWithExtension"), "inner");
    EXPECT_EQ(w.shown(1, "filenameWithExtension"), "deeper");
    EXPECT_TRUE(w.controller.state().isFolders());
    auto* scope = qobject_cast<QButtonGroup*>(w.window().binder().controlFor("fileFolderIndex"));
    EXPECT_EQ(scope->checkedId(), 1);
}

TEST(FromOutside, CancellingTheChoiceAddsNothing)
{
    StartedWindow w;
    TempTree tree;
    tree.file("top/a.txt");
    w.controller.loadFiles({tree.at("top")});
    auto* dialog = w.window().findChild<PasteboardItemsDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->reject();
    QApplication::processEvents();
    EXPECT_EQ(w.model().rowCount(), 0);
    EXPECT_FALSE(w.controller.state().isExecuting.load());
}

TEST(FromOutside, TheAddCommandTakesThePanelsPaths)
{
    StartedWindow w;
    TempTree tree;
    PanelOptions asked;
    w.controller.ui().openPanelHandler = [&](const PanelOptions& o) {
        asked = o;
        return QStringList{tree.file("p.txt"), tree.folder("q")};
    };
    tree.file("q/r.txt");
    w.window().actions().add->trigger();
    waitIdle(w.controller);
    EXPECT_EQ(asked.title, msg("CHOOSEFILESORFOLDERSTITLE"));
    EXPECT_TRUE(asked.canChooseFiles);
    EXPECT_TRUE(asked.canChooseDirectories); // subfolders are on by default
    EXPECT_TRUE(asked.allowsMultipleSelection);
    EXPECT_EQ(w.model().rowCount(), 2);
}
