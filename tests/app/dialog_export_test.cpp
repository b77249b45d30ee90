// The export sheet: the list with its new names written with and without full paths, the
// column checks made before any panel, and a file that cannot be written.
#include "dialog_fixture.h"

#include "app/dialogs/exportdialog.h"
#include "engine/filesystemitem.h"
#include "platform/messages.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

class ExportDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        for (const QString& name : {QStringLiteral("docs/a.txt"), QStringLiteral("docs/b.txt")}) {
            FileSystemItem item = *FileSystemItem::initWithPath(tree.file(name));
            item.newFilename = QStringLiteral("new-") + QFileInfo(name).fileName();
            state.list.append(item);
        }
        folder = tree.at(QStringLiteral("docs"));
    }
    ExportDialog* openDialog()
    {
        auto* dialog = new ExportDialog(state, ui, &window);
        dialog->exportDelayMs = 0;
        dialog->open();
        return dialog;
    }
    // Presses Export and waits for the sheet's report.
    void exportNow(ExportDialog* dialog)
    {
        const qsizetype reports = ui.alerts.size() + ui.statusMessages.size();
        click(button(dialog, msg("Export...")));
        ASSERT_TRUE(waitFor([&] { return ui.alerts.size() + ui.statusMessages.size() > reports; }))
            << "the export reported nothing";
    }
    static QByteArray read(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

    QString folder;
};

TEST_F(ExportDialogTest, ExportsWithAndWithoutFullPaths)
{
    QPointer<ExportDialog> dialog = openDialog();
    for (const char* name : {"isFilename", "isNewFilename", "isLocation", "addColumnNamesInHeader"})
        EXPECT_TRUE(dialog->switchNamed(QString::fromLatin1(name))->isChecked()) << name;
    EXPECT_FALSE(dialog->switchNamed(QStringLiteral("isIncludeLocation"))->isChecked());

    const QString plain = tree.at(QStringLiteral("out/plain.txt"));
    tree.folder(QStringLiteral("out"));
    ui.savePanelAnswers = {plain};
    ASSERT_NO_FATAL_FAILURE(exportNow(dialog));
    EXPECT_EQ(ui.panels.last().fileName, QStringLiteral("export.txt"));
    EXPECT_EQ(ui.statusMessages.value(0), msg("EXPORTFILESEXPORTEDSUCCESS"));
    EXPECT_EQ(read(plain), (msg("FILENAME") + "\t" + msg("NEWFILENAME") + "\t" + msg("LOCATION") + "\n"
                            + "a.txt\tnew-a.txt\t" + folder + "\n" + "b.txt\tnew-b.txt\t" + folder + "\n")
                               .toUtf8());
    EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("exportButton"))->isEnabled());
    EXPECT_EQ(dialog->progressBar()->value(), 0);

    toggle(dialog->switchNamed(QStringLiteral("isIncludeLocation")));
    toggle(dialog->switchNamed(QStringLiteral("addColumnNamesInHeader")));
    EXPECT_TRUE(dialog->controller().isIncludeLocation);
    EXPECT_FALSE(dialog->controller().addColumnNamesInHeader);
    const QString full = tree.at(QStringLiteral("out/full.txt"));
    ui.savePanelAnswers = {full};
    ASSERT_NO_FATAL_FAILURE(exportNow(dialog));
    EXPECT_EQ(read(full), (folder + "/a.txt\t" + folder + "/new-a.txt\n" + folder + "/b.txt\t" + folder
                           + "/new-b.txt\n")
                              .toUtf8());
}

// The file is built and written on the worker: the event loop goes on meanwhile (a timer
// fires before the export returns), every pass is kept out, the sheet takes no command and
// Close waits; the file is whole when the report comes.
TEST_F(ExportDialogTest, TheWindowStaysAliveWhileTheListIsWritten)
{
    QPointer<ExportDialog> dialog = openDialog();
    const QString out = tree.at(QStringLiteral("alive.txt"));
    bool ranDuringExport = false;
    bool passesKeptOut = false;
    bool commandsOff = false;
    bool stayedOpen = false;
    bool progressShown = false;
    EXPECT_FALSE(dialog->progressBar()->isVisible()); // no export runs yet
    ui.savePanelAnswers = {out};
    // Answering the save panel is the last thing before the work starts; the timer set
    // then fires inside the export's wait.
    ui.savePanelHandler = [&] {
        QTimer::singleShot(0, dialog, [&] {
            ranDuringExport = true;
            passesKeptOut = state.isExecuting.load() && dialog->controller().isExporting;
            commandsOff = !dialog->findChild<QPushButton*>(QStringLiteral("exportButton"))->isEnabled()
                          && !button(dialog, msg("Close"))->isEnabled();
            progressShown = dialog->progressBar()->isVisible()
                && dialog->findChild<QLabel*>(QStringLiteral("progressLabel"))->text() == msg("EXPORTINGLIST");
            dialog->reject();
            stayedOpen = dialog->isVisible();
        });
    };
    ASSERT_NO_FATAL_FAILURE(exportNow(dialog));
    EXPECT_TRUE(ranDuringExport);
    EXPECT_TRUE(passesKeptOut);
    EXPECT_TRUE(commandsOff);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(progressShown) << "the labelled progress bar did not show during the export";
    EXPECT_FALSE(dialog->progressBar()->isVisible()); // gone again once it is done
    EXPECT_FALSE(state.isExecuting.load());
    EXPECT_EQ(ui.statusMessages.value(0), msg("EXPORTFILESEXPORTEDSUCCESS"));
    EXPECT_TRUE(read(out).endsWith(("b.txt\tnew-b.txt\t" + folder + "\n").toUtf8()));
    EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("exportButton"))->isEnabled());
}

TEST_F(ExportDialogTest, ColumnChecksComeBeforeThePanelAndAFailedWriteIsReported)
{
    QPointer<ExportDialog> dialog = openDialog();
    for (const char* name : {"isFilename", "isNewFilename", "isLocation"})
        toggle(dialog->switchNamed(QString::fromLatin1(name)));
    ASSERT_NO_FATAL_FAILURE(exportNow(dialog));
    EXPECT_EQ(lastAlert().message, msg("EXPORTNOCOLUMN"));
    EXPECT_TRUE(ui.panels.isEmpty());

    toggle(dialog->switchNamed(QStringLiteral("isLocation")));
    toggle(dialog->switchNamed(QStringLiteral("isIncludeLocation")));
    ASSERT_NO_FATAL_FAILURE(exportNow(dialog));
    EXPECT_EQ(lastAlert().message, msg("EXPORTFILESFAILED"));
    EXPECT_TRUE(ui.panels.isEmpty());

    // A path below a file cannot be written, whoever runs the test.
    toggle(dialog->switchNamed(QStringLiteral("isFilename")));
    const QString blocker = tree.file(QStringLiteral("plain-file"), "keep");
    ui.savePanelAnswers = {blocker + QStringLiteral("/x.txt")};
    ASSERT_NO_FATAL_FAILURE(exportNow(dialog));
    EXPECT_EQ(lastAlert().style, AlertStyle::Critical);
    EXPECT_TRUE(lastAlert().message.startsWith(msg("EXPORTFILESEXPORTEDFAILED").arg(QString())));
    EXPECT_EQ(tree.read(QStringLiteral("plain-file")), QByteArray("keep"));
    EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("exportButton"))->isEnabled());

    click(button(dialog, msg("Help")));
    EXPECT_EQ(ui.openedDocuments, QStringList{QStringLiteral("Export.html")});
}

} // namespace
