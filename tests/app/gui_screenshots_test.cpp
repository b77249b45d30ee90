// Renders the main window, one picture per method tab and one with the busy panel, to
// <build>/screenshots, so the layout can be looked at without a display.
#include "gui_testsupport.h"

#include "app/busypanel.h"
#include "support/temptree.h"

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

void saveShot(QWidget& window, const QString& name)
{
    QApplication::processEvents();
    const QPixmap picture = window.grab();
    const QString path = shotsFolder() + QLatin1Char('/') + name + QStringLiteral(".png");
    ASSERT_TRUE(picture.save(path)) << path.toStdString();
    const QImage saved(path);
    EXPECT_EQ(saved.size(), picture.size());
    EXPECT_GT(saved.width(), 600);
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

TEST(Screenshots, EmptyListShowsTheDropHint)
{
    StartedWindow w;
    w.window().resize(1100, 820);
    w.window().show();
    EXPECT_TRUE(w.table().isDropHintVisible());
    saveShot(w.window(), QStringLiteral("mainwindow_empty"));
    w.window().hide();
}
