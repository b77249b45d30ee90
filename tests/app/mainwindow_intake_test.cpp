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
    auto* subfolders = dialog->findChild<QCheckBox*>("isProcessSubfolders");
    // The box starts as the list's own: subfolders are on by default.
    EXPECT_TRUE(subfolders->isChecked());
    if (!subfolders->isChecked())
        subfolders->click();
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

TEST(FromOutside, TheChoiceRemembersIncludeSubfoldersAndSaysWhenAFolderGaveNothing)
{
    StartedWindow w;
    TempTree tree;
    tree.file("top/inner/b.txt");
    w.controller.loadFiles({tree.at("top")});
    auto* dialog = w.window().findChild<PasteboardItemsDialog*>();
    ASSERT_NE(dialog, nullptr);
    auto* subfolders = dialog->findChild<QCheckBox*>("isProcessSubfolders");
    ASSERT_TRUE(subfolders->isChecked());
    subfolders->click(); // files, without subfolders: the folder has no file at its top
    dialog->findChild<QPushButton*>("applyButton")->click();
    waitIdle(w.controller);
    EXPECT_EQ(w.model().rowCount(), 0);
    // The status bar says why nothing came and what to do.
    EXPECT_TRUE(w.window().timeLabel()->text().contains(msg("NOFILESATTOPOFFOLDER")))
        << w.window().timeLabel()->text().toStdString();

    // The next choice starts unticked, as it was left.
    w.controller.loadFiles({tree.at("top")});
    dialog = nullptr;
    for (PasteboardItemsDialog* shown : w.window().findChildren<PasteboardItemsDialog*>())
        dialog = shown->isVisible() ? shown : dialog;
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->findChild<QCheckBox*>("isProcessSubfolders")->isChecked());
    EXPECT_TRUE(dialog->findChild<QRadioButton*>("filesFolders_0")->isChecked());
    dialog->reject();

    // A folder that does give files shows the usual time, not the hint.
    tree.file("top/c.txt");
    w.controller.tableViewAcceptDrop({tree.at("top")});
    waitIdle(w.controller);
    EXPECT_EQ(w.model().rowCount(), 1);
    EXPECT_FALSE(w.window().timeLabel()->text().contains(msg("NOFILESATTOPOFFOLDER")));
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

    // Without subfolders, files and folders can still be chosen together: a folder is not
    // entered on Open but added (its top-level files).
    w.controller.state().settings.setFlag("isIncludeSubFolders", false);
    tree.file("s/t.txt");
    w.controller.ui().openPanelHandler = [&](const PanelOptions& o) {
        asked = o;
        return QStringList{tree.folder("s")};
    };
    w.window().actions().add->trigger();
    waitIdle(w.controller);
    EXPECT_TRUE(asked.canChooseFiles);
    EXPECT_TRUE(asked.canChooseDirectories);
    EXPECT_EQ(w.model().rowCount(), 3);
}
