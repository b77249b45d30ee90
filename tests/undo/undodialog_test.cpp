// The undo dialog's logic without widgets: which logs are listed and in what order, the
// selection and status texts, opening, viewing and deleting a log.

#include "undofixture.h"

#include "platform/dateformat.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "undo/logfilelist.h"

#include <QFileInfo>
#include <QRegularExpression>

using TestLogs::renamed;

namespace {

QDateTime at(int day, int month, int year, int hour = 10)
{
    return QDateTime(QDate(year, month, day), QTime(hour, 0, 0));
}

QStringList names(const QList<LogFileEntry>& entries)
{
    QStringList out;
    for (const LogFileEntry& e : entries)
        out.append(e.logFileName);
    return out;
}

} // namespace

class UndoDialog : public UndoFixture {
protected:
    // A clean log with `count` entries (the files need not exist for listing).
    QString log(const QString& fileName, int count, const QString& appversion = QString())
    {
        QList<TestLogs::Item> items;
        for (int i = 0; i < count; ++i)
            items.append(renamed(data + QStringLiteral("/o%1").arg(i), data + QStringLiteral("/n%1").arg(i)));
        return TestLogs::write(logs, fileName, TestLogs::xml(items, appversion));
    }
};

TEST_F(UndoDialog, ListsOnlyLogsOfThisMajorVersionWhoseNamesSplitIntoSixParts)
{
    const QString otherMajor = QString::number(Edition::current().majorVersion() + 1) + QStringLiteral(".0.0");
    log(QStringLiteral("Log 07-03-2026 09-05-02-12.xml"), 1);
    log(QStringLiteral("Log 07-03-2026 09-05-02-12 (2).xml"), 1);
    log(QStringLiteral("Log 07-03-2026 09-05-04-3.XML"), 1);
    log(QStringLiteral("Log 07-03-2026 09-05-05-7.xml"), 1, otherMajor);
    log(QStringLiteral("Log 07-03-2026 09-05-06-1.txt"), 1);
    log(QStringLiteral("Log 07-03-2026 09-05-07-1"), 1);
    log(QStringLiteral("Log 07-03-2026 09-05-1.xml"), 1);
    log(QStringLiteral("Log 07-03-2026 09-05-08-1-x.xml"), 1);
    TestLogs::write(logs, QStringLiteral("Log 07-03-2026 09-05-09-1.xml"), "<files type=\"FILES\"/>");
    tree.folder(QStringLiteral("Logs/Log 07-03-2026 09-05-10-1.xml"));

    undo.loadUserLogFiles();
    QStringList listed = names(undo.logFiles());
    listed.sort();
    EXPECT_EQ(listed, (QStringList{QStringLiteral("Log 07-03-2026 09-05-02-12 (2).xml"),
                                   QStringLiteral("Log 07-03-2026 09-05-02-12.xml"),
                                   QStringLiteral("Log 07-03-2026 09-05-04-3.XML")}));
    for (const LogFileEntry& e : undo.logFiles()) {
        EXPECT_EQ(e.filesCount, e.logFileName.contains(QLatin1String("-12")) ? 12 : 3);
        EXPECT_EQ(e.logFilePath, logs + QLatin1Char('/') + e.logFileName);
    }
    EXPECT_EQ(undo.logTotalNosOfFiles(), msgN("TOTALLOGFILES", 3));
    EXPECT_EQ(undo.totalFilesInLog(), msgN("TOTALNOSRENAMEDITEMSFOUND", 0));
    EXPECT_GT(changes, 0);
}

TEST_F(UndoDialog, NewestFirstWithTheDateInItsFixedForm)
{
    // Written in the order the applies ran; by name alone 31-01 would sort after 01-02.
    log(TestLogs::name(at(15, 2, 2025), QStringLiteral("1")), 1);
    log(TestLogs::name(at(31, 1, 2026), QStringLiteral("2")), 2);
    log(TestLogs::name(at(1, 2, 2026), QStringLiteral("3")), 3);
    undo.loadUserLogFiles();
    ASSERT_EQ(undo.logFiles().size(), 3);
    EXPECT_EQ(undo.logFiles()[0].filesCount, 3);
    EXPECT_EQ(undo.logFiles()[1].filesCount, 2);
    EXPECT_EQ(undo.logFiles()[2].filesCount, 1);

    const QRegularExpression form(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d [+-]\\d{4}$"));
    for (const LogFileEntry& e : undo.logFiles()) {
        EXPECT_TRUE(form.match(e.dateCreated).hasMatch()) << e.dateCreated.toStdString();
        const auto back = DateFormat::parseStandardDescription(e.dateCreated);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->toSecsSinceEpoch(), e.sortTime.toSecsSinceEpoch());
    }

    // Column sorts, and the selected log stays selected through them.
    undo.tableViewSelectionDidChange(0);
    const QString selected = undo.currLogFilePath();
    undo.sortByColumn(QStringLiteral("filesCount"), true);
    EXPECT_EQ(undo.logFiles()[0].filesCount, 1);
    EXPECT_EQ(undo.logFiles()[2].filesCount, 3);
    EXPECT_EQ(undo.selectedRow(), 2);
    undo.sortByColumn(QStringLiteral("dateCreated"), true);
    EXPECT_EQ(undo.logFiles()[0].filesCount, 1);
    EXPECT_EQ(undo.logFiles()[2].filesCount, 3);
    undo.sortByColumn(QStringLiteral("logFileName"), true);
    EXPECT_EQ(names(undo.logFiles()).first(), TestLogs::name(at(1, 2, 2026), QStringLiteral("3")));
    EXPECT_EQ(undo.logFiles()[undo.selectedRow()].logFilePath, selected);
    EXPECT_EQ(undo.currLogFilePath(), selected);
}

TEST_F(UndoDialog, TheLogFolderIsReadLiveFromThePreferences)
{
    log(TestLogs::name(at(1, 1, 2026), QStringLiteral("1")), 1);
    undo.awakeFromNib();
    ASSERT_EQ(undo.logFiles().size(), 1);

    const QString other = tree.folder(QStringLiteral("OtherLogs"));
    TestLogs::write(other, TestLogs::name(at(2, 1, 2026), QStringLiteral("5")), TestLogs::xml({}));
    TestLogs::write(other, TestLogs::name(at(3, 1, 2026), QStringLiteral("6")), TestLogs::xml({}));
    state.preferences.defaultLogFolderPath = other;
    undo.loadUserLogFiles();
    ASSERT_EQ(undo.logFiles().size(), 2);
    EXPECT_TRUE(undo.logFiles()[0].logFilePath.startsWith(other + QLatin1Char('/')));

    undo.openLogFile(); // cancelled
    ASSERT_EQ(ui.panels.size(), 1);
    EXPECT_EQ(ui.panels[0].directory, other);
}

TEST_F(UndoDialog, SelectingARowMakesItsLogCurrent)
{
    log(TestLogs::name(at(1, 1, 2026), QStringLiteral("4")), 4);
    log(TestLogs::name(at(2, 1, 2026), QStringLiteral("9")), 9);
    undo.awakeFromNib();
    EXPECT_TRUE(undo.currLogFilePath().isEmpty());

    undo.tableViewSelectionDidChange(1);
    EXPECT_EQ(undo.currLogFilePath(), logs + QLatin1Char('/') + TestLogs::name(at(1, 1, 2026), QStringLiteral("4")));
    EXPECT_EQ(undo.totalFilesCanBeUndoFromLog(), 4);
    EXPECT_EQ(undo.totalFilesInLog(), msgN("TOTALNOSRENAMEDITEMSFOUND", 4));

    // No row selected: no log is current, so nothing is offered for undo.
    undo.tableViewSelectionDidChange(-1);
    EXPECT_EQ(undo.selectedRow(), -1);
    EXPECT_EQ(undo.totalFilesCanBeUndoFromLog(), 0);
    EXPECT_TRUE(undo.currLogFilePath().isEmpty());
    EXPECT_EQ(undo.totalFilesInLog(), msgN("TOTALNOSRENAMEDITEMSFOUND", 0));
}

TEST_F(UndoDialog, DeleteAsksAndThenReselectsTheRowAtTheSameIndex)
{
    undo.deleteLogFile();
    EXPECT_EQ(alertTexts(), QStringList{msg("UNDOFILESFOLDERSTITLE") + QLatin1Char('|')
                                        + msg("UNDOFILESFOLDERSNOLOGSELECTED")});
    ui.alerts.clear();

    const QString first = log(TestLogs::name(at(1, 1, 2026), QStringLiteral("1")), 0);
    const QString second = log(TestLogs::name(at(2, 1, 2026), QStringLiteral("2")), 0);
    const QString third = log(TestLogs::name(at(3, 1, 2026), QStringLiteral("3")), 0);
    undo.awakeFromNib();
    ASSERT_EQ(undo.logFiles().size(), 3);
    ASSERT_EQ(undo.logFiles()[1].logFilePath, second);

    undo.tableViewSelectionDidChange(1);
    ui.alertAnswers = {QStringLiteral("NO")};
    undo.deleteLogFile();
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].message, msg("UNDOFILESFOLDERSDELETECONFIRM"));
    EXPECT_EQ(ui.alerts[0].buttons, (QStringList{QStringLiteral("YES"), QStringLiteral("NO")}));
    EXPECT_TRUE(QFileInfo::exists(second));
    EXPECT_EQ(undo.logFiles().size(), 3);

    ui.alertAnswers = {QStringLiteral("YES")};
    undo.deleteLogFile();
    EXPECT_FALSE(QFileInfo::exists(second));
    ASSERT_EQ(undo.logFiles().size(), 2);
    EXPECT_EQ(undo.selectedRow(), 1);
    EXPECT_EQ(undo.currLogFilePath(), first);
    EXPECT_EQ(undo.logTotalNosOfFiles(), msgN("TOTALLOGFILES", 2));

    // Deleting the last row selects the new last row.
    undo.deleteLogFile();
    EXPECT_FALSE(QFileInfo::exists(first));
    ASSERT_EQ(undo.logFiles().size(), 1);
    EXPECT_EQ(undo.selectedRow(), 0);
    EXPECT_EQ(undo.currLogFilePath(), third);

    undo.deleteLogFile();
    EXPECT_TRUE(undo.logFiles().isEmpty());
    EXPECT_EQ(undo.selectedRow(), -1);
    EXPECT_TRUE(undo.currLogFilePath().isEmpty());
    EXPECT_TRUE(tree.names(QStringLiteral("Logs")).isEmpty());
}

TEST_F(UndoDialog, OpeningALogChecksItsVersionAndItsEntries)
{
    const QString listed = log(TestLogs::name(at(1, 1, 2026), QStringLiteral("1")), 1);
    undo.awakeFromNib();
    undo.tableViewSelectionDidChange(0);

    // Cancelled: nothing changes.
    undo.openLogFile();
    ASSERT_EQ(ui.panels.size(), 1);
    const PanelOptions& p = ui.panels[0];
    EXPECT_EQ(p.title, msg("SELECTLOGFILETITLE").arg(Edition::current().displayName));
    EXPECT_EQ(p.directory, logs);
    EXPECT_TRUE(p.canChooseFiles);
    EXPECT_FALSE(p.canChooseDirectories);
    EXPECT_FALSE(p.allowsMultipleSelection);
    EXPECT_EQ(p.allowedExtensions, QStringList{QStringLiteral("xml")});
    EXPECT_EQ(undo.currLogFilePath(), listed);

    const QString elsewhere = tree.folder(QStringLiteral("elsewhere"));
    const QString foreign = TestLogs::write(elsewhere, QStringLiteral("old.xml"), TestLogs::xml({}, QStringLiteral("1.9")));
    const QString two = TestLogs::write(elsewhere, QStringLiteral("two.xml"),
                                        TestLogs::xml({renamed(data + "/a", data + "/b"), renamed(data + "/c", data + "/d")}));
    const QString none = TestLogs::write(elsewhere, QStringLiteral("none.xml"), TestLogs::xml({}));

    ui.openPanelAnswers = {{foreign}, {two}, {none}};
    undo.openLogFile();
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].style, AlertStyle::Critical);
    EXPECT_EQ(ui.alerts[0].message, msg("UNDOFILESFOLDERSINCOMPATIBLE"));
    EXPECT_EQ(undo.currLogFilePath(), listed);

    undo.openLogFile();
    EXPECT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(undo.currLogFilePath(), two);
    EXPECT_EQ(undo.selectedRow(), -1);
    EXPECT_EQ(undo.totalFilesCanBeUndoFromLog(), 2);
    EXPECT_EQ(undo.totalFilesInLog(), msgN("TOTALNOSRENAMEDITEMSFOUND", 2));
    EXPECT_FALSE(undo.isUndoing());

    undo.openLogFile();
    ASSERT_EQ(ui.alerts.size(), 2);
    EXPECT_EQ(ui.alerts[1].message, msg("UNDOFILESFOLDERSINVALIDFILE"));
    EXPECT_EQ(undo.currLogFilePath(), none);
}

TEST_F(UndoDialog, ViewingNeedsACurrentLog)
{
    undo.viewLogFileContent();
    EXPECT_EQ(alertTexts(), QStringList{msg("VIEWLOGFILETITLE") + QLatin1Char('|') + msg("VIEWLOGFILETITLEMESSAGE")});
    EXPECT_TRUE(ui.openedDocuments.isEmpty());

    const QString path = log(TestLogs::name(at(1, 1, 2026), QStringLiteral("1")), 1);
    undo.awakeFromNib();
    undo.tableViewSelectionDidChange(0);
    undo.viewLogFileContent();
    EXPECT_EQ(ui.openedDocuments, QStringList{path});
}

TEST(LogFileName, SplitsIntoSixPartsAndReadsCountAndTime)
{
    auto n = LogFileList::parseLogFileName(QStringLiteral("Log 07-03-2026 09-05-02-12 (2).xml"));
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(n->count, 12);
    EXPECT_FALSE(n->isJournal);
    ASSERT_TRUE(n->startTime.has_value());
    EXPECT_EQ(n->startTime->toMSecsSinceEpoch(), QDateTime(QDate(2026, 3, 7), QTime(9, 5, 2)).toMSecsSinceEpoch());

    for (const char* journal : {"Log 07-03-2026 09-05-02-#.xml", "Log 07-03-2026 09-05-02-# (2).xml"}) {
        n = LogFileList::parseLogFileName(QString::fromLatin1(journal));
        ASSERT_TRUE(n.has_value()) << journal;
        EXPECT_TRUE(n->isJournal);
        EXPECT_EQ(n->count, 0);
    }

    EXPECT_FALSE(LogFileList::parseLogFileName(QStringLiteral(".xml")));
    EXPECT_FALSE(LogFileList::parseLogFileName(QStringLiteral("Log 07-03-2026 09-05-02-12.xml.bak")));
}
