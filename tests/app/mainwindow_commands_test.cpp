// Preview, Apply, Cancel and the list commands through the window, on real files.
#include "gui_testsupport.h"

#include "app/busypanel.h"
#include "app/dialogs/dialogwiring.h"
#include "app/dialogs/rulesdrawer.h"
#include "app/settingsbinder.h"
#include "engine/filesystemitem.h"
#include "engine/settings.h"
#include "platform/defaultsstore.h"
#include "profiles/rulesteps.h"
#include "support/temptree.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

namespace {

QList<QUrl> urlsOf(const QStringList& paths)
{
    QList<QUrl> urls;
    for (const QString& p : paths)
        urls << QUrl::fromLocalFile(p);
    return urls;
}

// A drop as the window system delivers it: enter, move, drop on the list's viewport.
bool dropOnList(FileTableView& table, QMimeData* data)
{
    QWidget* viewport = table.viewport();
    const QPoint at = viewport->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    if (!enter.isAccepted())
        return false;
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    return drop.isAccepted();
}

void typeInto(MainWindow& window, const char* key, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(window.binder().controlFor(QString::fromLatin1(key)));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

class Commands : public ::testing::Test {
protected:
    StartedWindow w;
    TempTree tree;
    ModalAnswerer answers;

    void addThree()
    {
        w.controller.tableViewAcceptDrop({tree.file("photo1.txt"), tree.file("photo2.txt"), tree.file("photo10.txt")});
        waitIdle(w.controller);
    }
    void replaceTab(const QString& find, const QString& with)
    {
        w.window().methodTabs()->setCurrentIndex(2);
        typeInto(w.window(), "replaceRemoveThis", find);
        typeInto(w.window(), "replaceRemoveWith", with);
    }
};

} // namespace

TEST_F(Commands, PreviewThenApplyRenameOnDiskAndShowTheOutcome)
{
    addThree();
    ASSERT_EQ(w.model().rowCount(), 3);
    EXPECT_EQ(w.window().countLabel()->text(), msgN("TOTALFILESSELECTED", 3));
    EXPECT_FALSE(w.window().actions().apply->isEnabled());

    replaceTab("photo", "holiday");
    w.window().actions().preview->trigger();
    EXPECT_TRUE(w.window().isBusyPanelShown());
    EXPECT_EQ(w.model().rowCount(), 0); // the pass owns the list
    EXPECT_FALSE(w.window().methodTabs()->isEnabled());
    // A second Preview while the first runs is refused.
    EXPECT_FALSE(w.window().actions().preview->isEnabled());
    w.controller.actionPreview();
    waitIdle(w.controller);

    EXPECT_FALSE(w.window().isBusyPanelShown());
    EXPECT_TRUE(w.window().methodTabs()->isEnabled());
    EXPECT_EQ(w.shown(0, "newFilename"), "holiday1.txt");
    EXPECT_EQ(w.shown(2, "newFilename"), "holiday10.txt");
    EXPECT_TRUE(w.window().actions().apply->isEnabled());
    EXPECT_TRUE(w.window().timeLabel()->text().contains(msg("PREVIEWTIME")));

    answers.answers = {"YES"};
    w.window().actions().apply->trigger();
    waitIdle(w.controller);
    ASSERT_EQ(answers.seen.size(), 1);
    EXPECT_EQ(answers.seen[0].title, msg("ITEMRENAMINGTITLE"));
    EXPECT_EQ(answers.seen[0].buttons, QStringList({"YES", "NO"}));
    // The question says how many items the names shown will rename.
    EXPECT_EQ(answers.seen[0].message, msgN("ITEMRENAMINGCOUNTMESSAGE", 3));
    EXPECT_EQ(tree.names(), QStringList({"holiday1.txt", "holiday10.txt", "holiday2.txt"}));
    EXPECT_EQ(w.shown(0, "newFilename"), msg("STATUSRENAMINGOK"));
    EXPECT_EQ(w.shown(0, "filenameWithExtension"), "holiday1.txt");
    const QModelIndex name = w.model().index(0, FileTableModel::columnOf("newFilename"));
    EXPECT_EQ(w.model().data(name, Qt::ForegroundRole).value<QColor>(), QColor(0x1c, 0x5f, 0xd6));
    EXPECT_FALSE(w.window().actions().apply->isEnabled());
    // The rename log of the three renames.
    const QStringList logs = QDir(w.controller.state().preferences.defaultLogFolderPath).entryList({"*.xml"});
    ASSERT_EQ(logs.size(), 1);
    EXPECT_TRUE(logs[0].endsWith("-3.xml")) << logs[0].toStdString();
    // The outcome line: items renamed and the time it took.
    EXPECT_TRUE(w.window().timeLabel()->text().startsWith(QStringLiteral("3 renamed in ")))
        << w.window().timeLabel()->text().toStdString();
}

TEST_F(Commands, ANameTakenAfterThePreviewEndsInAnAlertWithTheOutcome)
{
    addThree();
    replaceTab("photo", "holiday");
    w.controller.actionPreview();
    waitIdle(w.controller);
    tree.file("holiday10.txt", "came after the preview");
    answers.answers = {"YES", "OK"};
    w.controller.actionApply();
    waitIdle(w.controller);

    const QString outcome = w.window().timeLabel()->text();
    EXPECT_TRUE(outcome.startsWith(QStringLiteral("2 renamed, 1 refused (File Already Exists: 1) in ")))
        << outcome.toStdString();
    ASSERT_EQ(answers.seen.size(), 2);
    EXPECT_EQ(answers.seen[1].title, msg("ITEMRENAMINGTITLE"));
    EXPECT_EQ(answers.seen[1].message, outcome);
    EXPECT_EQ(tree.read("holiday10.txt"), "came after the preview");
}

TEST_F(Commands, DecliningTheApplyRenamesNothing)
{
    addThree();
    replaceTab("photo", "x");
    w.controller.actionPreview();
    waitIdle(w.controller);
    answers.answers = {"NO"};
    w.controller.actionApply();
    waitIdle(w.controller);
    EXPECT_EQ(tree.names(), QStringList({"photo1.txt", "photo10.txt", "photo2.txt"}));
    EXPECT_TRUE(w.window().actions().apply->isEnabled());
}

TEST_F(Commands, ErrorsAreRedAndCheckFailuresAlertAndFocus)
{
    tree.file("holiday2.txt");
    addThree();
    replaceTab("photo", "holiday");
    w.controller.actionPreview();
    waitIdle(w.controller);
    EXPECT_EQ(w.shown(1, "newFilename"), Status::FileAlreadyExists);
    const QModelIndex taken = w.model().index(1, FileTableModel::columnOf("newFilename"));
    EXPECT_EQ(w.model().data(taken, Qt::ForegroundRole).value<QColor>(), QColor(0xcc, 0x1f, 0x1a));
    EXPECT_FALSE(w.model().data(w.model().index(1, 0), Qt::DecorationRole).value<QIcon>().isNull());

    // An empty find text: the check's alert, the focus in the field, no pass.
    typeInto(w.window(), "replaceRemoveThis", "");
    QTest::keyClick(qobject_cast<QLineEdit*>(w.window().binder().controlFor("replaceRemoveThis")), Qt::Key_Backspace);
    w.table().setFocus();
    w.controller.actionPreview();
    ASSERT_EQ(answers.seen.size(), 1);
    EXPECT_EQ(answers.seen[0].title, msg("REPLACEREMOVEINVALIDINPUT"));
    EXPECT_FALSE(w.controller.state().isExecuting.load());
    EXPECT_EQ(w.window().focusWidget(), w.window().binder().controlFor("replaceRemoveThis"));
}

TEST_F(Commands, PreviewOfAnEmptyListShowsTheCallout)
{
    w.controller.actionPreview();
    EXPECT_EQ(w.controller.ui().lastCalloutKey(), "NOITEMSTOPREVIEW");
    EXPECT_EQ(w.controller.ui().lastCalloutTag(), 12000);
    EXPECT_FALSE(w.controller.state().isExecuting.load());
}

TEST_F(Commands, RemoveMoveAndSortKeepTheSelection)
{
    addThree();
    w.controller.RemoveFiles();
    EXPECT_EQ(w.controller.ui().lastCalloutKey(), "NOITEMSTOREMOVE");
    EXPECT_EQ(w.model().rowCount(), 3);

    // Column sorting compares numbers by value.
    w.model().sort(FileTableModel::columnOf("filenameWithExtension"), Qt::AscendingOrder);
    EXPECT_EQ(w.shown(1, "filenameWithExtension"), "photo2.txt");
    EXPECT_EQ(w.shown(2, "filenameWithExtension"), "photo10.txt");

    // Ctrl+Up / Ctrl+Down with the list focused; the moved row stays selected.
    w.window().show();
    w.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w.window()));
    w.table().setFocus();
    w.table().selectRows({0});
    EXPECT_FALSE(w.window().actions().moveUp->isEnabled());
    QTest::keyClick(&w.table(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(w.shown(1, "filenameWithExtension"), "photo1.txt");
    EXPECT_EQ(w.table().selectedRows(), QList<int>({1}));
    EXPECT_EQ(w.table().horizontalHeader()->sortIndicatorSection(), -1);
    QTest::keyClick(&w.table(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(w.shown(0, "filenameWithExtension"), "photo1.txt");
    EXPECT_EQ(w.table().selectedRows(), QList<int>({0}));

    // Delete removes the selection; the path can be added again afterwards.
    w.table().selectRows({0, 2});
    QTest::keyClick(&w.table(), Qt::Key_Delete);
    ASSERT_EQ(w.model().rowCount(), 1);
    EXPECT_EQ(w.shown(0, "filenameWithExtension"), "photo2.txt");
    EXPECT_EQ(w.window().countLabel()->text(), msgN("TOTALFILESSELECTED", 1));
    w.controller.tableViewAcceptDrop({tree.at("photo1.txt")});
    waitIdle(w.controller);
    EXPECT_EQ(w.model().rowCount(), 2);

    w.controller.clearFilesFolders();
    EXPECT_EQ(w.model().rowCount(), 0);
    EXPECT_TRUE(w.table().isDropHintVisible());
}

TEST_F(Commands, DroppedFileUrlsAreAddedAndOtherDropsRefused)
{
    tree.file("dropped/a.txt");
    tree.file("dropped/sub/b.txt");
    tree.file("dropped/.hidden");
    EXPECT_TRUE(w.table().isDropHintVisible());

    QMimeData text;
    text.setText(tree.at("dropped/a.txt"));
    EXPECT_FALSE(dropOnList(w.table(), &text));
    QMimeData remote;
    remote.setUrls({QUrl("https://example.org/a.txt")});
    dropOnList(w.table(), &remote);
    waitIdle(w.controller);
    EXPECT_EQ(w.model().rowCount(), 0);

    QMimeData files;
    files.setUrls(urlsOf({tree.at("dropped")}));
    EXPECT_TRUE(dropOnList(w.table(), &files));
    waitIdle(w.controller);
    ASSERT_EQ(w.model().rowCount(), 2);
    QStringList names = {w.shown(0, "filenameWithExtension"), w.shown(1, "filenameWithExtension")};
    names.sort();
    EXPECT_EQ(names, QStringList({"a.txt", "b.txt"}));
    EXPECT_FALSE(w.table().isDropHintVisible());
    EXPECT_TRUE(w.window().timeLabel()->text().contains(msgN("TOTALFILESFOUND", 2)));
}

TEST_F(Commands, ClosingTheWindowDuringAnApplyFinishesItsLogFirst)
{
    QStringList paths;
    for (int i = 0; i < 400; ++i)
        paths << tree.file(QStringLiteral("f%1.txt").arg(i));
    w.controller.tableViewAcceptDrop(paths);
    waitIdle(w.controller);
    replaceTab("f", "g");
    w.controller.actionPreview();
    waitIdle(w.controller);
    answers.answers = {"YES"};
    w.controller.actionApply();
    ASSERT_TRUE(w.controller.state().isExecuting.load());
    w.window().close();

    EXPECT_FALSE(w.controller.state().isExecuting.load());
    EXPECT_TRUE(w.controller.hasTerminated());
    // Whatever was renamed before the cancel is in the final log, and no journal is left.
    int renamed = 0;
    for (const QString& name : tree.names())
        renamed += name.startsWith('g');
    const QDir logs(w.controller.state().preferences.defaultLogFolderPath);
    const QStringList finals = logs.entryList({"*.xml"});
    ASSERT_EQ(finals.size(), 1);
    EXPECT_FALSE(finals[0].contains('#'));
    EXPECT_TRUE(finals[0].endsWith(QStringLiteral("-%1.xml").arg(renamed))) << finals[0].toStdString();
    DefaultsStore store;
    EXPECT_TRUE(store.contains("DEFAULTS"));
}

TEST_F(Commands, CancelStopsAPreviewAndTheListComesBack)
{
    QStringList paths;
    for (int i = 0; i < 300; ++i)
        paths << tree.file(QStringLiteral("c%1.txt").arg(i));
    w.controller.tableViewAcceptDrop(paths);
    waitIdle(w.controller);
    replaceTab("c", "d");
    w.controller.actionPreview();
    EXPECT_TRUE(w.window().actions().cancel->isEnabled());
    w.window().busyPanel()->cancelButton()->click();
    waitIdle(w.controller);
    EXPECT_FALSE(w.window().actions().cancel->isEnabled());
    EXPECT_EQ(w.model().rowCount(), 300);
    EXPECT_TRUE(w.window().actions().preview->isEnabled());
}

TEST_F(Commands, WithTheRulesDrawerOpenPreviewRunsTheRuleChain)
{
    addThree();
    // Two steps: "photo" becomes "pic", then a prefix.
    Settings step;
    step.setInteger("selectedTab", 2);
    step.setText("replaceRemoveThis", "photo");
    step.setText("replaceRemoveWith", "pic");
    QVariantMap replace = *RuleSteps::buildRule(step).step;
    step.setInteger("selectedTab", 3);
    step.setText("prefixSuffixPrefix", "2024 ");
    QVariantMap prefix = *RuleSteps::buildRule(step).step;
    w.controller.state().rules = {replace, prefix};
    w.window().methodTabs()->setCurrentIndex(1); // the tab's own options do not count

    w.window().show();
    RulesDrawer* drawer = Dialogs::rulesDrawer(w.controller);
    ASSERT_NE(drawer, nullptr);
    drawer->setOpen(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return drawer->isVisible(); }));
    w.window().actions().preview->trigger();
    // The rule preview starts a moment later.
    EXPECT_FALSE(w.controller.state().isExecuting.load());
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.shown(0, "newFilename") == "2024 pic1.txt"; }));
    waitIdle(w.controller);
    EXPECT_EQ(w.shown(2, "newFilename"), "2024 pic10.txt");
    EXPECT_TRUE(w.window().actions().apply->isEnabled());

    // Closed again: Preview runs the selected tab (an empty insert text is refused).
    drawer->setOpen(false);
    answers.answers = {"OK"};
    w.controller.actionPreview();
    ASSERT_EQ(answers.seen.size(), 1);
    EXPECT_EQ(answers.seen[0].title, msg("INSERTINVALIDINPUT"));
    w.window().hide();
}
