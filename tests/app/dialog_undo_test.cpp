// The undo sheet driven as the user drives it: a real rename log written by the log
// journal, selected in the table and undone; sorting by a header; a log of another
// version opened from the panel.
#include "dialog_fixture.h"

#include "app/dialogs/undodialog.h"
#include "pipeline/renamelog.h"
#include "platform/messages.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTimer>

namespace {

class UndoDialogTest : public DialogTest {
protected:
    // Renames each pair on disk and records it in a log, as an apply does; returns the log.
    QString applyAndLog(const QList<QPair<QString, QString>>& renames, const QDateTime& start)
    {
        RenameLogJournal journal;
        EXPECT_TRUE(journal.createLogFile(QDir(state.preferences.defaultLogFolderPath).filePath(getNewLogFileName(start)),
                                          QStringLiteral("FILES")));
        for (const auto& [from, to] : renames) {
            EXPECT_EQ(journal.addLogEntry(tree.at(from), tree.at(to)), RenameLogJournal::EntryResult::Added);
            EXPECT_TRUE(QFile::rename(tree.at(from), tree.at(to)));
        }
        const QString log = journal.saveLog();
        EXPECT_FALSE(log.isEmpty());
        return log;
    }

    UndoDialog* openDialog()
    {
        auto* dialog = new UndoDialog(state, ui, &window);
        dialog->open();
        return dialog;
    }

    static QString labelText(QWidget* dialog, const char* name)
    {
        auto* label = dialog->findChild<QLabel*>(QString::fromLatin1(name));
        return label ? label->text() : QStringLiteral("<no label>");
    }
};

TEST_F(UndoDialogTest, SelectingALogAndPressingUndoPutsTheFilesBackAndDeletesTheLog)
{
    tree.file(QStringLiteral("photos/a.txt"), "A");
    tree.file(QStringLiteral("photos/b.txt"), "B");
    const QString log = applyAndLog({{QStringLiteral("photos/a.txt"), QStringLiteral("photos/x.txt")},
                                     {QStringLiteral("photos/b.txt"), QStringLiteral("photos/y.txt")}},
                                    QDateTime::currentDateTime());
    ASSERT_EQ(tree.names(QStringLiteral("photos")), (QStringList{"x.txt", "y.txt"}));

    QPointer<UndoDialog> dialog = openDialog();
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    QTableView* table = dialog->table();
    ASSERT_EQ(table->model()->rowCount(), 1);
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), QFileInfo(log).fileName());
    EXPECT_EQ(table->model()->index(0, 2).data().toString(), QStringLiteral("2"));
    EXPECT_EQ(labelText(dialog, "logTotalNosOfFiles"), msgN("TOTALLOGFILES", 1));
    EXPECT_FALSE(dialog->findChild<QProgressBar*>()->isVisible());

    clickRow(table, 0);
    EXPECT_EQ(dialog->controller().currLogFilePath(), log);
    EXPECT_EQ(labelText(dialog, "totalFilesInLog"), msgN("TOTALNOSRENAMEDITEMSFOUND", 2));

    // Undo asks first, with the count, as Rename does; declining changes nothing.
    ui.alertAnswers = {QStringLiteral("CANCEL")};
    click(button(dialog, msg("Undo")));
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().message, msgN("UNDOCONFIRMMESSAGE", 2));
    EXPECT_EQ(ui.alerts.first().buttons, (QStringList{"Undo", "CANCEL"}));
    EXPECT_EQ(tree.names(QStringLiteral("photos")), (QStringList{"x.txt", "y.txt"}));
    ui.alerts.clear();

    click(button(dialog, msg("Undo")));
    EXPECT_EQ(tree.names(QStringLiteral("photos")), (QStringList{"a.txt", "b.txt"}));
    EXPECT_EQ(tree.read(QStringLiteral("photos/a.txt")), QByteArray("A"));
    EXPECT_FALSE(QFile::exists(log));
    EXPECT_EQ(table->model()->rowCount(), 0);
    ASSERT_EQ(ui.alerts.size(), 2);
    ui.alerts.removeFirst(); // the confirmation
    EXPECT_EQ(ui.alerts.first().title, msg("UNDOFILESFOLDERSTITLE"));
    EXPECT_EQ(ui.alerts.first().message, msg("UNDOTOTALNOSITEMSFOUND").arg(2) + msg("UNDOTOTALNOSITEMSRENAMED").arg(2)
                                             + msg("UNDOTOTALNOSITEMDOESNOTEXISTS").arg(0));
    EXPECT_EQ(ui.timeTexts.size(), 1);
    EXPECT_FALSE(dialog->findChild<QProgressBar*>()->isVisible());

    // Close finishes the sheet, which then goes away.
    int finished = -1;
    dialog->didFinish = [&finished](int result) { finished = result; };
    click(button(dialog, msg("Close")));
    EXPECT_EQ(finished, int(QDialog::Rejected));
    settle();
    EXPECT_TRUE(dialog.isNull());
}

// The renames run on the worker: the window's event loop goes on meanwhile (a timer fires
// before Undo returns), the sheet shows it is busy, takes no other command, and Close waits.
TEST_F(UndoDialogTest, TheWindowStaysAliveWhileALogIsUndone)
{
    QList<QPair<QString, QString>> renames;
    for (int i = 0; i < 200; ++i) {
        const QString n = QString::number(i);
        tree.file(QStringLiteral("many/") + n + QStringLiteral(".txt"), n.toUtf8());
        renames.append({QStringLiteral("many/") + n + QStringLiteral(".txt"), QStringLiteral("many/r") + n + QStringLiteral(".txt")});
    }
    applyAndLog(renames, QDateTime::currentDateTime());

    QPointer<UndoDialog> dialog = openDialog();
    clickRow(dialog->table(), 0);
    QPushButton* undo = button(dialog, msg("Undo"));
    bool ranDuringUndo = false;
    bool busy = false;
    bool commandsOff = false;
    bool stayedOpen = false;
    QTimer::singleShot(0, dialog, [&] {
        ranDuringUndo = true;
        busy = dialog->controller().isUndoing() && dialog->findChild<QProgressBar*>()->isVisible();
        commandsOff = !undo->isEnabled() && !button(dialog, msg("Close"))->isEnabled() && !dialog->table()->isEnabled();
        dialog->reject();
        stayedOpen = dialog->isVisible();
    });
    click(undo);
    EXPECT_TRUE(ranDuringUndo);
    EXPECT_TRUE(busy);
    EXPECT_TRUE(commandsOff);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(tree.names(QStringLiteral("many")).size(), 200);
    EXPECT_TRUE(tree.names(QStringLiteral("many")).contains(QStringLiteral("199.txt")));
    EXPECT_FALSE(state.isExecuting);
    // Afterwards the sheet takes commands again; the undone log is gone, so Undo waits
    // for another one.
    EXPECT_TRUE(button(dialog, msg("Close"))->isEnabled());
    EXPECT_TRUE(dialog->table()->isEnabled());
    EXPECT_FALSE(undo->isEnabled());
}

TEST_F(UndoDialogTest, TheNewestLogIsCurrentAtOnceAndUndoIsOfferedOnlyWithALogAndAHeaderClickSorts)
{
    tree.file(QStringLiteral("f/1.txt"));
    tree.file(QStringLiteral("f/2.txt"));
    tree.file(QStringLiteral("f/3.txt"));
    const QDateTime start = QDateTime::currentDateTime().addSecs(-100);
    applyAndLog({{QStringLiteral("f/1.txt"), QStringLiteral("f/one.txt")}}, start);
    applyAndLog({{QStringLiteral("f/2.txt"), QStringLiteral("f/two.txt")},
                 {QStringLiteral("f/3.txt"), QStringLiteral("f/three.txt")}},
                start.addSecs(10));

    QPointer<UndoDialog> dialog = openDialog();
    QTableView* table = dialog->table();
    ASSERT_EQ(table->model()->rowCount(), 2);

    // The newest log is selected and current; the footer counts its row.
    EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 0);
    EXPECT_EQ(table->model()->index(0, 2).data().toString(), QStringLiteral("2"));
    EXPECT_EQ(labelText(dialog, "totalFilesInLog"), msgN("TOTALNOSRENAMEDITEMSFOUND", 2));
    EXPECT_FALSE(dialog->controller().currLogFilePath().isEmpty());
    for (const char* name : {"undoButton", "viewButton", "deleteButton"})
        EXPECT_TRUE(dialog->findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled()) << name;
    // The date a person reads is in the locale's form, not the stored one.
    const QString shownDate = table->model()->index(0, 1).data().toString();
    EXPECT_FALSE(shownDate.isEmpty());
    EXPECT_NE(shownDate, dialog->controller().logFiles().first().dateCreated);

    // Without a current log nothing that acts on one is offered, and nothing asks for a
    // selection.
    dialog->controller().tableViewSelectionDidChange(-1);
    EXPECT_TRUE(dialog->controller().currLogFilePath().isEmpty());
    EXPECT_EQ(labelText(dialog, "totalFilesInLog"), msgN("TOTALNOSRENAMEDITEMSFOUND", 0));
    for (const char* name : {"undoButton", "viewButton", "deleteButton"})
        EXPECT_FALSE(dialog->findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled()) << name;
    click(button(dialog, msg("Undo")));
    EXPECT_TRUE(ui.alerts.isEmpty());
    EXPECT_EQ(tree.names(QStringLiteral("f")), (QStringList{"one.txt", "three.txt", "two.txt"}));
    clickRow(table, 1);
    EXPECT_EQ(labelText(dialog, "totalFilesInLog"), msgN("TOTALNOSRENAMEDITEMSFOUND", 1));
    EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("undoButton"))->isEnabled());

    // The renamed-items column: ascending on the first click, descending on the second.
    QHeaderView* header = table->horizontalHeader();
    const QPoint countHeader(header->sectionViewportPosition(2) + header->sectionSize(2) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, countHeader);
    const auto counts = [table] {
        return QStringList{table->model()->index(0, 2).data().toString(), table->model()->index(1, 2).data().toString()};
    };
    const QStringList first = counts();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, countHeader);
    const QStringList second = counts();
    EXPECT_NE(first, second);
    EXPECT_TRUE((first == QStringList{"1", "2"} && second == QStringList{"2", "1"})
                || (first == QStringList{"2", "1"} && second == QStringList{"1", "2"}));
}

TEST_F(UndoDialogTest, ALogOfAnotherVersionOpenedFromThePanelIsRefused)
{
    tree.file(QStringLiteral("g/a.txt"));
    const QString log = applyAndLog({{QStringLiteral("g/a.txt"), QStringLiteral("g/b.txt")}},
                                    QDateTime::currentDateTime());
    QString xml = QString::fromUtf8(tree.read(QDir(tree.path()).relativeFilePath(log)));
    ASSERT_TRUE(xml.contains(QStringLiteral("appversion=")));
    xml.replace(QRegularExpression(QStringLiteral("appversion=\"[^\"]*\"")), QStringLiteral("appversion=\"1.0\""));
    const QString elsewhere = tree.file(QStringLiteral("old/Log 01-01-2001 10-00-00-1.xml"), xml.toUtf8());

    QPointer<UndoDialog> dialog = openDialog();
    ui.openPanelAnswers = {{elsewhere}};
    click(button(dialog, msg("Open...")));
    ASSERT_EQ(ui.panels.size(), 1);
    EXPECT_EQ(ui.panels.first().allowedExtensions, QStringList{QStringLiteral("xml")});
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().style, AlertStyle::Critical);
    EXPECT_EQ(ui.alerts.first().message, msg("UNDOFILESFOLDERSINCOMPATIBLE"));
    // The refused file did not become current; the listed log still is.
    EXPECT_EQ(dialog->controller().currLogFilePath(), log);

    // Nothing was undone and nothing deleted.
    ui.alertAnswers = {QStringLiteral("CANCEL")};
    click(button(dialog, msg("Undo")));
    EXPECT_EQ(tree.names(QStringLiteral("g")), QStringList{QStringLiteral("b.txt")});
    EXPECT_TRUE(QFile::exists(elsewhere));
    EXPECT_TRUE(QFile::exists(log));
}

TEST_F(UndoDialogTest, ViewAndHelpGoThroughTheDesktop)
{
    // Without a log, View is not offered (and never asks for a selection).
    QPointer<UndoDialog> dialog = openDialog();
    EXPECT_FALSE(button(dialog, msg("View"))->isEnabled());
    click(button(dialog, msg("View")));
    EXPECT_TRUE(ui.alerts.isEmpty());
    EXPECT_TRUE(ui.openedDocuments.isEmpty());
    click(button(dialog, msg("Help")));
    EXPECT_EQ(ui.openedDocuments, QStringList{QStringLiteral("Undo.html")});
    dialog->reject();

    tree.file(QStringLiteral("v/a.txt"));
    const QString log = applyAndLog({{QStringLiteral("v/a.txt"), QStringLiteral("v/b.txt")}}, QDateTime::currentDateTime());
    dialog = openDialog();
    click(button(dialog, msg("View")));
    EXPECT_EQ(ui.openedDocuments.last(), log);
    EXPECT_TRUE(ui.alerts.isEmpty());
}

} // namespace
