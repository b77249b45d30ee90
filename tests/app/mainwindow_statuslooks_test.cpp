// How the window tells things: a status that is a failure in red with the error badge,
// "No Changes" quietly in the secondary text colour, confirmations in the status bar, and
// alerts wide enough for a sentence.
#include "gui_testsupport.h"

#include "app/fileicons.h"
#include "engine/filesystemitem.h"
#include "engine/settings.h"

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QStatusBar>
#include <QTabWidget>

namespace {

class StatusLooks : public ::testing::Test {
protected:
    StartedWindow w;
    TempTree tree;
};

} // namespace

TEST_F(StatusLooks, NoChangesIsQuietAndFailuresAreRedWithTheBadge)
{
    tree.file("holiday2.txt");
    w.controller.tableViewAcceptDrop({tree.file("photo1.txt"), tree.file("photo2.txt"), tree.file("other.txt")});
    waitIdle(w.controller);
    w.window().methodTabs()->setCurrentIndex(2);
    Settings& s = w.controller.state().settings;
    s.setText("replaceRemoveThis", "photo");
    s.setText("replaceRemoveWith", "holiday");
    w.controller.actionPreview();
    waitIdle(w.controller);

    int noChanges = -1, taken = -1, proposed = -1;
    for (int row = 0; row < w.model().rowCount(); ++row) {
        const QString shown = w.controller.state().list.files[size_t(row)].newFilename;
        if (shown == Status::NoChanges)
            noChanges = row;
        else if (shown == Status::FileAlreadyExists)
            taken = row;
        else
            proposed = row;
    }
    ASSERT_GE(noChanges, 0);
    ASSERT_GE(taken, 0);
    ASSERT_GE(proposed, 0);
    const auto colour = [&](int row) {
        return w.model().data(w.model().index(row, FileTableModel::columnOf("newFilename")), Qt::ForegroundRole);
    };
    const auto icon = [&](int row) {
        return w.model().data(w.model().index(row, 0), Qt::DecorationRole).value<QIcon>().pixmap(32).toImage();
    };
    EXPECT_EQ(colour(taken).value<QColor>(), QColor(0xcc, 0x1f, 0x1a));
    EXPECT_EQ(colour(noChanges).value<QColor>(), QGuiApplication::palette().color(QPalette::PlaceholderText));
    EXPECT_FALSE(colour(proposed).isValid());
    // The same kind of file: the badge is the only difference its icon could have.
    EXPECT_NE(icon(taken), icon(proposed));
    EXPECT_EQ(icon(noChanges), icon(proposed));

    for (const QString& failure : {Status::FileAlreadyExists, Status::FolderAlreadyExists, Status::FileNotFound,
                                   Status::FolderNotFound})
        EXPECT_TRUE(FileIcons::isFailure(failure)) << failure.toStdString();
    for (const QString& quiet : {Status::NoChanges, Status::RenamingOK, QStringLiteral("name.txt"), QString()})
        EXPECT_FALSE(FileIcons::isFailure(quiet)) << quiet.toStdString();
}

TEST_F(StatusLooks, ConfirmationsGoToTheStatusBarAndAlertsAreWide)
{
    w.controller.ui().showStatusMessage(msg("PREFERENCESSAVEDMESSAGE"));
    EXPECT_EQ(w.window().statusBar()->currentMessage(), msg("PREFERENCESSAVEDMESSAGE"));

    ModalAnswerer answers;
    int width = 0;
    QTimer::singleShot(0, &w.window(), [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            for (QMessageBox* box : top->findChildren<QMessageBox*>()) {
                if (box->isVisible())
                    width = box->width();
            }
        }
    });
    w.controller.ui().alert(AlertStyle::Warning, msg("ITEMRENAMINGTITLE"), msg("LOGCREATEFAILED"));
    ASSERT_EQ(answers.seen.size(), 1);
    EXPECT_GE(width, 440);
}
