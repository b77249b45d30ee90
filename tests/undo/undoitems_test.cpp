// What an undo reports and shows: items as the user renamed them (not the moves of a swap
// through its temporary name), and a list without the last preview's stale failures.

#include "undofixture.h"

#include "engine/filesystemitem.h"
#include "pipeline/renamelogwriter.h"
#include "platform/messages.h"
#include "undo/listafterundo.h"

#include <QFile>

using TestLogs::renamed;

TEST_F(UndoFixture, TheReportCountsItemsNotTheMovesThroughATemporaryName)
{
    const QString t = RenameLogWriter::kTemporaryNamePrefix + QStringLiteral("k3f9");
    const struct {
        const char* name;
        QStringList files;                          // before the apply, each holding its name
        QList<std::pair<QString, QString>> moves;   // as the apply made them
        int items;
    } cases[] = {
        {"plain", {"a", "b", "c"}, {{"a", "A"}, {"b", "B"}, {"c", "C"}}, 3},
        {"swap", {"a", "b"}, {{"a", t}, {"b", "a"}, {t, "b"}}, 2},
        {"cycle", {"a", "b", "c"}, {{"a", t}, {"c", "a"}, {"b", "c"}, {t, "b"}}, 3},
        {"shift", {"a", "b"}, {{"b", "c"}, {"a", "b"}}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString dir = tree.folder(QStringLiteral("data/") + QLatin1String(c.name));
        for (const QString& file : c.files)
            tree.file(QStringLiteral("data/%1/%2").arg(QLatin1String(c.name), file), file.toUtf8());
        QList<TestLogs::Item> log;
        for (const auto& [from, to] : c.moves) {
            ASSERT_TRUE(QFile::rename(dir + '/' + from, dir + '/' + to));
            log.append(renamed(dir + '/' + from, dir + '/' + to));
        }
        ui.alerts.clear();
        const UndoOutcome out =
            undo.undoLogFile(TestLogs::write(logs, QStringLiteral("%1.xml").arg(QLatin1String(c.name)), TestLogs::xml(log)));
        EXPECT_EQ(out.elements, c.items);
        EXPECT_EQ(out.restored, c.items);
        EXPECT_EQ(out.moves, c.moves.size());
        EXPECT_EQ(out.movesRestored, c.moves.size());
        EXPECT_TRUE(out.logDeleted);
        EXPECT_EQ(tree.names(QStringLiteral("data/") + QLatin1String(c.name)), c.files);
        for (const QString& file : c.files)
            EXPECT_EQ(readText(dir + '/' + file), file);
        ASSERT_EQ(ui.alerts.size(), 1);
        EXPECT_EQ(ui.alerts[0].message, msg("UNDOTOTALNOSITEMSFOUND").arg(c.items)
                                            + msg("UNDOTOTALNOSITEMSRENAMED").arg(c.items)
                                            + msg("UNDOTOTALNOSITEMDOESNOTEXISTS").arg(0));
    }
}

TEST(ListAfterUndo, MovedRowsFollowAndOtherRowsLoseTheLastPreviewsFailures)
{
    ListAfterUndo list;
    list.add(QStringLiteral("/d/b2"), QStringLiteral("/d/b"), true);
    list.add(QStringLiteral("/d/x2"), QStringLiteral("/d/x"), false);
    const struct {
        const char* path;
        QString before;
        const char* pathAfter;
        QString after;
    } rows[] = {
        {"/d/b2", Status::RenamingOK, "/d/b", QString()},
        {"/d/x2", Status::RenamingOK, "/d/x2", Status::NotRestored},
        {"/d/u", Status::FileAlreadyExists, "/d/u", QString()},
        {"/d/v", Status::FolderNameUsedTwice, "/d/v", QString()},
        {"/d/w", Status::NoChanges, "/d/w", Status::NoChanges},
        {"/d/n", Status::NotRestored, "/d/n", Status::NotRestored},
        {"/d/p", QStringLiteral("p-new"), "/d/p", QStringLiteral("p-new")},
    };
    std::vector<FileSystemItem> files;
    for (const auto& row : rows) {
        files.push_back(FileSystemItem::withKind(QLatin1String(row.path), 0));
        files.back().newFilename = row.before;
    }
    list.apply(files);
    for (size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(files[i].fullPath, QLatin1String(rows[i].pathAfter)) << rows[i].path;
        EXPECT_EQ(files[i].newFilename, rows[i].after) << rows[i].path;
    }
}
