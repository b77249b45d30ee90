// Renders the main window, one picture per method tab and one with the busy panel, to
// <build>/screenshots, so the layout can be looked at without a display.
#include "gui_testsupport.h"

#include "app/busypanel.h"
#include "app/dialogs/dialogwiring.h"
#include "app/dialogs/rulesdrawer.h"
#include "app/livepreviewdialog.h"
#include "app/pasteboarditemsdialog.h"
#include "profiles/rulesteps.h"
#include "support/temptree.h"
#include "testpaths.h"

#include <QDir>
#include <QImage>
#include <QPixmap>
#include <QTabWidget>

namespace {

QString shotsFolder()
{
    const QString folder = QStringLiteral(QUORVEL_BINARY_DIR) + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    return folder;
}

void saveShot(QWidget& window, const QString& name, int leastWidth = 600)
{
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    const QString path = shotsFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
    ASSERT_TRUE(picture.save(path)) << path.toStdString();
    const QImage saved(path);
    EXPECT_EQ(saved.size(), picture.size());
    EXPECT_GT(saved.width(), leastWidth);
}

} // namespace

TEST(Screenshots, MainWindowWithEveryTab)
{
    StartedWindow w;
    TempTree tree;
    QStringList paths;
    for (const char* name : {"IMG_0001.JPG", "IMG_0002.JPG", "holiday notes.txt", "song.mp3", "report 2010.pdf"})
        paths << tree.file(QString::fromLatin1(name));
    tree.file("taken.txt");
    w.controller.tableViewAcceptDrop(paths);
    waitIdle(w.controller);
    w.window().methodTabs()->setCurrentIndex(2);
    w.controller.state().settings.setText("replaceRemoveThis", "IMG");
    w.controller.state().settings.setText("replaceRemoveWith", "Photo");
    w.controller.ui().refreshSettingsView();
    w.controller.actionPreview();
    waitIdle(w.controller);

    w.window().resize(1100, 820);
    w.window().show();
    for (int tab = 0; tab < 10; ++tab) {
        w.window().methodTabs()->setCurrentIndex(tab);
        saveShot(w.window(), QStringLiteral("mainwindow_tab%1").arg(tab));
    }
    // The busy panel as a pass shows it.
    w.controller.ui().passStarted(msg("GENERATINGPREVIEWPLEASEWAIT"));
    w.controller.ui().setProgressPath(tree.at("IMG_0001.JPG"));
    saveShot(w.window(), QStringLiteral("mainwindow_busy"));
    w.controller.ui().passEnded();
    w.window().hide();
}

// The window as a person first meets it: at 1280×800 and at its smallest, with the rules
// drawer holding two steps, and the sheets that open on the window itself.
TEST(Screenshots, MainWindowSizesTheDrawerAndTheWindowsOwnSheets)
{
    StartedWindow w;
    TempTree tree;
    ModalAnswerer answers;
    QStringList paths;
    for (int i = 1; i <= 20; ++i)
        paths << tree.file(QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')));
    w.controller.tableViewAcceptDrop(paths);
    waitIdle(w.controller);
    Settings& settings = w.controller.state().settings;
    w.window().methodTabs()->setCurrentIndex(2);
    settings.setText("replaceRemoveThis", "IMG");
    settings.setText("replaceRemoveWith", "Photo");
    settings.setFlag("isReplaceRemoveAllOccurrence", true);
    w.controller.ui().refreshSettingsView();
    w.controller.actionPreview();
    waitIdle(w.controller);

    MainWindow& window = w.window();
    window.show();
    window.resize(1280, 800);
    saveShot(window, QStringLiteral("mainwindow_1280x800"));
    window.methodTabs()->setCurrentIndex(7);
    saveShot(window, QStringLiteral("mainwindow_1280x800_photo"));
    window.resize(window.minimumSizeHint());
    QApplication::processEvents();
    EXPECT_EQ(window.size(), window.minimumSizeHint());
    const QPixmap smallest = window.grab();
    EXPECT_TRUE(smallest.save(shotsFolder() + QStringLiteral("/mainwindow_minimum.png")));

    // The drawer with two steps: the replace above and an insert.
    window.resize(1280, 800);
    QString error;
    window.methodTabs()->setCurrentIndex(2);
    ASSERT_TRUE(RuleSteps::addRule(w.controller.state(), w.controller.ui(), error)) << error.toStdString();
    settings.setInteger("selectedTab", 1);
    settings.setText("insertDeleteInsert", "2024 ");
    ASSERT_TRUE(RuleSteps::addRule(w.controller.state(), w.controller.ui(), error)) << error.toStdString();
    RulesDrawer* drawer = Dialogs::rulesDrawer(w.controller);
    ASSERT_NE(drawer, nullptr);
    drawer->setOpen(true);
    drawer->resetData(true);
    w.controller.ui().refreshSettingsView();
    saveShot(window, QStringLiteral("mainwindow_rulesdrawer"));
    drawer->setOpen(false);

    // The sheets the window opens itself: the live preview options and the choice of items.
    window.actions().livePreviewOptions->trigger();
    auto* live = window.findChild<LivePreviewDialog*>();
    ASSERT_NE(live, nullptr);
    saveShot(*live, QStringLiteral("LivePreviewDialog"), 200);
    live->reject();
    w.controller.loadFiles({tree.folder("more")});
    auto* choice = window.findChild<PasteboardItemsDialog*>();
    ASSERT_NE(choice, nullptr);
    saveShot(*choice, QStringLiteral("PasteboardItemsDialog"), 200);
    choice->reject();
    window.hide();
    for (const ModalAnswerer::Seen& seen : answers.seen)
        ADD_FAILURE() << "unexpected alert: " << seen.title.toStdString() << " " << seen.message.toStdString();
}

TEST(Screenshots, EmptyListShowsTheDropHint)
{
    StartedWindow w;
    w.window().resize(1100, 820);
    w.window().show();
    EXPECT_TRUE(w.table().isDropHintVisible());
    saveShot(w.window(), QStringLiteral("mainwindow_empty"));
    w.window().hide();
}
