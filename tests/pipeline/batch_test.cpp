// A batch judged as a whole: names used twice, shifts, swaps and cycles renamed in one
// go (and undone), chains refused whole, failures inside a chain taken back at once, and
// the outcome line.
#include "pipeline/applydriver.h"
#include "pipeline/batchplan.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "pipeline/renamelogreader.h"
#include "pipeline/renamelogwriter.h"
#include "platform/foldercase.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"
#include "undo/undosheetcontroller.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

struct Batch {
    TempTree tree;
    ControllerState state;
    ScriptedUserInterface ui;

    Batch() { state.preferences.defaultLogFolderPath = tree.folder(QStringLiteral("Logs")); }

    // A file (or, with a trailing "/", a folder) of the tree, listed with a new name.
    void add(const QString& relative, const QString& newFilename)
    {
        QString path;
        if (relative.endsWith(QLatin1Char('/'))) {
            path = tree.folder(relative.chopped(1));
        } else {
            path = QFileInfo::exists(tree.at(relative)) ? tree.at(relative)
                                                        : tree.file(relative, relative.toUtf8());
        }
        std::optional<FileSystemItem> item = FileSystemItem::initWithPath(path);
        ASSERT_TRUE(item.has_value()) << path.toStdString();
        item->newFilename = newFilename;
        state.list.append(*item);
    }
    bool classify() { return classifyBatch(state.list.files, BatchRules::forState(state)); }
    ApplyOutcome apply()
    {
        PassProgress progress(&ui);
        ApplyOutcome outcome = ApplyDriver::applyRenames(state, state.settings, &ui, progress);
        QCoreApplication::processEvents();
        return outcome;
    }
    UndoOutcome undo(const QString& log)
    {
        UndoSheetController undo(state, ui);
        return undo.undoLogFile(log);
    }
    QStringList statuses() const
    {
        QStringList out;
        for (const FileSystemItem& item : state.list.files)
            out << item.newFilename;
        return out;
    }
    // Every file of a folder of the tree with its contents, "name=contents".
    QStringList contents(const QString& folder = QStringLiteral("d")) const
    {
        QStringList out;
        for (const QString& name : tree.names(folder))
            out << name + QLatin1Char('=') + QString::fromUtf8(tree.read(folder + QLatin1Char('/') + name));
        return out;
    }
};

class FoldingFolders {
public:
    explicit FoldingFolders(bool folds)
    {
        FolderCase::setDetectorForTesting([folds](const QString&) { return folds; });
    }
    ~FoldingFolders() { FolderCase::setDetectorForTesting({}); }
};

} // namespace

TEST(BatchClassification, NamesUsedTwiceKeepTheFirstInListOrder)
{
    struct Case {
        const char* what;
        bool foldingFolders;
        QList<QPair<QString, QString>> items; // relative path (folder with "/"), new name
        QStringList expected;
    };
    const QList<Case> cases = {
        {"several groups of files", false,
         {{"d/x_1.txt", "x1.txt"}, {"d/y_1.txt", "y1.txt"}, {"d/x-1.txt", "x1.txt"}, {"d/y-1.txt", "y1.txt"},
          {"d/y.1.txt", "y1.txt"}, {"d/z.txt", "z2.txt"}},
         {"x1.txt", "y1.txt", "File Name Used Twice", "File Name Used Twice", "File Name Used Twice", "z2.txt"}},
        {"the same name in two folders", false, {{"d/a", "b"}, {"e/a", "b"}}, {"b", "b"}},
        {"folders", false, {{"d/f1/", "g"}, {"d/f2/", "g"}, {"d/f3/", "h"}},
         {"g", "Folder Name Used Twice", "h"}},
        {"a case-only twin in a case-sensitive folder", false, {{"d/p", "X"}, {"d/q", "x"}}, {"X", "x"}},
        {"a case-only twin in a case-folding folder", true, {{"d/p", "X"}, {"d/q", "x"}},
         {"X", "File Name Used Twice"}},
        {"an item already marked takes no name", false, {{"d/m", "No Changes"}, {"d/n", "m2"}, {"d/o", "m2"}},
         {"No Changes", "m2", "File Name Used Twice"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FoldingFolders folding(c.foldingFolders);
        Batch b;
        for (const auto& [path, name] : c.items)
            b.add(path, name);
        EXPECT_TRUE(b.classify());
        EXPECT_EQ(b.statuses(), c.expected);
        // The live preview marks the same repeats, without the disk.
        Batch live;
        for (const auto& [path, name] : c.items)
            live.add(path, name);
        markDuplicateNames(live.state.list.files, live.state.list.files.size());
        EXPECT_EQ(live.statuses(), c.expected);
    }
}

TEST(BatchClassification, ChainsCountTargetsTheBatchFreesAndRefuseBlockedChainsWhole)
{
    struct Case {
        const char* what;
        bool chains;
        QStringList outsiders; // files of d/ that are not listed
        QList<QPair<QString, QString>> items;
        QStringList expected;
    };
    const QList<Case> cases = {
        {"a shift into a free name", true, {}, {{"d/n1", "n2"}, {"d/n2", "n3"}, {"d/n3", "n4"}}, {"n2", "n3", "n4"}},
        {"a swap", true, {}, {{"d/a", "b"}, {"d/b", "a"}}, {"b", "a"}},
        {"a cycle of three", true, {}, {{"d/p", "q"}, {"d/q", "r"}, {"d/r", "p"}}, {"q", "r", "p"}},
        {"a chain blocked by an outsider", true, {"n4"}, {{"d/n1", "n2"}, {"d/n2", "n3"}, {"d/n3", "n4"}, {"d/k", "k2"}},
         {"File Already Exists", "File Already Exists", "File Already Exists", "k2"}},
        {"a holder that keeps its name", true, {}, {{"d/n1", "n2"}, {"d/n2", "No Changes"}},
         {"File Already Exists", "No Changes"}},
        {"a chain ending in a duplicate", true, {}, {{"d/s1", "s2"}, {"d/t", "s3"}, {"d/s2", "s3"}},
         {"File Already Exists", "s3", "File Name Used Twice"}},
        {"item by item", false, {}, {{"d/n1", "n2"}, {"d/n2", "n3"}, {"d/a", "b"}, {"d/b", "a"}},
         {"File Already Exists", "n3", "File Already Exists", "File Already Exists"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Batch b;
        b.state.preferences.renameChainsInOneGo = c.chains;
        for (const QString& name : c.outsiders)
            b.tree.file(QStringLiteral("d/") + name, "outsider");
        for (const auto& [path, name] : c.items)
            b.add(path, name);
        b.classify();
        EXPECT_EQ(b.statuses(), c.expected);
    }
}

TEST(BatchApply, AShiftOfAThousandFilesByOneIsRenamedAndUndone)
{
    Batch b;
    constexpr int kFiles = 1000;
    auto name = [](int i) { return QStringLiteral("file%1").arg(i, 6, 10, QLatin1Char('0')); };
    for (int i = 1; i <= kFiles; ++i)
        b.add(QStringLiteral("d/") + name(i), name(i + 1));
    ASSERT_TRUE(b.classify());
    const ApplyOutcome outcome = b.apply();
    EXPECT_EQ(outcome.renamedCount, kFiles);
    EXPECT_EQ(outcome.moveCount, kFiles);
    EXPECT_EQ(outcome.refusedCount(), 0);
    EXPECT_TRUE(outcome.isComplete());
    EXPECT_TRUE(outcome.logFile.endsWith(QStringLiteral("-1000.xml")));
    EXPECT_FALSE(QFileInfo::exists(b.tree.at(QStringLiteral("d/") + name(1))));
    for (int i = 2; i <= kFiles + 1; ++i)
        ASSERT_EQ(b.tree.read(QStringLiteral("d/") + name(i)), (QStringLiteral("d/") + name(i - 1)).toUtf8());
    for (size_t i = 0; i < b.state.list.files.size(); ++i) {
        ASSERT_EQ(b.state.list.files[i].newFilename, Status::RenamingOK);
        ASSERT_EQ(b.state.list.files[i].fullPath, b.tree.at(QStringLiteral("d/") + name(int(i) + 2)));
    }

    const UndoOutcome undone = b.undo(outcome.logFile);
    EXPECT_EQ(undone.restored, kFiles);
    EXPECT_TRUE(undone.logDeleted);
    EXPECT_FALSE(QFileInfo::exists(b.tree.at(QStringLiteral("d/") + name(kFiles + 1))));
    for (int i = 1; i <= kFiles; ++i)
        ASSERT_EQ(b.tree.read(QStringLiteral("d/") + name(i)), (QStringLiteral("d/") + name(i)).toUtf8());
}

TEST(BatchApply, SwapsAndCyclesGoThroughOneTemporaryNameAndComeBackByUndo)
{
    Batch b;
    b.add(QStringLiteral("d/a"), QStringLiteral("b"));
    b.add(QStringLiteral("d/b"), QStringLiteral("a"));
    b.add(QStringLiteral("d/p"), QStringLiteral("q"));
    b.add(QStringLiteral("d/q"), QStringLiteral("r"));
    b.add(QStringLiteral("d/r"), QStringLiteral("p"));
    ASSERT_TRUE(b.classify());
    const QStringList before = b.contents();
    const ApplyOutcome outcome = b.apply();
    EXPECT_EQ(outcome.renamedCount, 5);
    EXPECT_EQ(outcome.moveCount, 3 + 4); // a swap of two: three moves; a cycle of three: four
    EXPECT_TRUE(outcome.logFile.endsWith(QStringLiteral("-5.xml")));
    EXPECT_EQ(b.contents(), (QStringList{"a=d/b", "b=d/a", "p=d/r", "q=d/p", "r=d/q"}));
    EXPECT_EQ(QDir(b.tree.at(QStringLiteral("d"))).entryList(QDir::Hidden | QDir::Files).size(), 5)
        << "no temporary name is left";
    EXPECT_EQ(b.statuses(), QStringList(5, Status::RenamingOK));

    const RenameLogContents log = RenameLogReader::read(outcome.logFile);
    ASSERT_EQ(log.entries.size(), 7);
    EXPECT_EQ(log.entries[0].srcfilename, QStringLiteral("a"));
    EXPECT_TRUE(log.entries[0].tarfilename.startsWith(RenameLogWriter::kTemporaryNamePrefix));
    EXPECT_EQ(log.entries[2].srcfilename, log.entries[0].tarfilename);
    EXPECT_EQ(log.entries[2].tarfilename, QStringLiteral("b"));

    const UndoOutcome undone = b.undo(outcome.logFile);
    // Items, as the user renamed them; the moves through the temporary names besides.
    EXPECT_EQ(undone.restored, 5);
    EXPECT_EQ(undone.elements, 5);
    EXPECT_EQ(undone.movesRestored, 7);
    EXPECT_TRUE(undone.logDeleted);
    EXPECT_EQ(b.contents(), before);
}

TEST(BatchApply, AFolderSwapCarriesItsListedContentsThroughEveryMove)
{
    Batch b;
    b.state.settings.filesFoldersOptionChanged(1);
    b.state.settings.setFlag(QStringLiteral("isIncludeSubFolders"), true);
    b.tree.file(QStringLiteral("d/A/in/x.txt"), "from A");
    b.tree.file(QStringLiteral("d/B/in/x.txt"), "from B");
    b.add(QStringLiteral("d/A/in/"), QStringLiteral("in2"));
    b.add(QStringLiteral("d/A/"), QStringLiteral("B"));
    b.add(QStringLiteral("d/B/"), QStringLiteral("A"));
    b.add(QStringLiteral("d/B/in/"), QStringLiteral("in3"));
    ASSERT_TRUE(b.classify());
    const ApplyOutcome outcome = b.apply();
    EXPECT_EQ(outcome.renamedCount, 4);
    EXPECT_EQ(b.tree.read(QStringLiteral("d/B/in2/x.txt")), QByteArray("from A"));
    EXPECT_EQ(b.tree.read(QStringLiteral("d/A/in3/x.txt")), QByteArray("from B"));
    QStringList paths;
    for (const FileSystemItem& item : b.state.list.files)
        paths << item.fullPath.mid(b.tree.path().size());
    // Folders before their contents; each listed path is where the item now is.
    EXPECT_EQ(paths, (QStringList{"/d/B", "/d/A", "/d/B/in2", "/d/A/in3"}));
    EXPECT_EQ(b.statuses(), QStringList(4, Status::RenamingOK));

    const UndoOutcome undone = b.undo(outcome.logFile);
    EXPECT_EQ(undone.restored, undone.elements);
    EXPECT_EQ(b.tree.read(QStringLiteral("d/A/in/x.txt")), QByteArray("from A"));
    EXPECT_EQ(b.tree.read(QStringLiteral("d/B/in/x.txt")), QByteArray("from B"));
}

TEST(BatchApply, AChainBlockedAtApplyTimeMovesNothing)
{
    Batch b;
    b.add(QStringLiteral("d/n1"), QStringLiteral("n2"));
    b.add(QStringLiteral("d/n2"), QStringLiteral("n3"));
    b.add(QStringLiteral("d/k"), QStringLiteral("k2"));
    ASSERT_TRUE(b.classify());
    // Something outside the batch takes the chain's free end after the preview.
    b.tree.file(QStringLiteral("d/n3"), "outsider");
    const ApplyOutcome outcome = b.apply();
    EXPECT_EQ(outcome.renamedCount, 1);
    EXPECT_EQ(outcome.proposedCount, 3);
    EXPECT_EQ(outcome.refused, (QList<QPair<QString, int>>{{Status::FileAlreadyExists, 2}}));
    EXPECT_FALSE(outcome.isComplete());
    EXPECT_EQ(b.contents(), (QStringList{"k2=d/k", "n1=d/n1", "n2=d/n2", "n3=outsider"}));
    EXPECT_EQ(b.statuses(), (QStringList{"File Already Exists", "File Already Exists", "Renaming (OK)"}));
    EXPECT_EQ(RenameLogReader::read(outcome.logFile).entries.size(), 1);
}

TEST(BatchApply, AFailureInsideAChainTakesItsMovesBackAtOnce)
{
    Batch b;
    b.add(QStringLiteral("d/n1"), QStringLiteral("n2"));
    b.add(QStringLiteral("d/n2"), QStringLiteral("n3"));
    b.add(QStringLiteral("d/n3"), QStringLiteral("n4"));
    ASSERT_TRUE(b.classify());
    // The middle item goes away after the preview: n3 -> n4 is made, n2 -> n3 fails.
    ASSERT_TRUE(QFile::remove(b.tree.at(QStringLiteral("d/n2"))));
    const ApplyOutcome outcome = b.apply();
    EXPECT_EQ(outcome.renamedCount, 0);
    EXPECT_EQ(b.contents(), (QStringList{"n1=d/n1", "n3=d/n3"}));
    EXPECT_EQ(b.statuses(), (QStringList{"File Already Exists", "File Not Found", "File Already Exists"}));
    EXPECT_EQ(outcome.refused, (QList<QPair<QString, int>>{{Status::FileAlreadyExists, 2}, {Status::FileNotFound, 1}}));
    // The move made and its reversal are both on record, in the order made.
    const RenameLogContents log = RenameLogReader::read(outcome.logFile);
    ASSERT_EQ(log.entries.size(), 2);
    EXPECT_EQ(log.entries[0].srcfilename + QStringLiteral(">") + log.entries[0].tarfilename, QStringLiteral("n3>n4"));
    EXPECT_EQ(log.entries[1].srcfilename + QStringLiteral(">") + log.entries[1].tarfilename, QStringLiteral("n4>n3"));
    EXPECT_TRUE(outcome.logFile.endsWith(QStringLiteral("-0.xml")));
}

TEST(BatchApply, AFailureDeepInALongChainLeavesOnlyTheMovesMadeAndTheirReversalsOnRecord)
{
    // Long enough for the chain's moves to be journaled over several writes; the item that
    // vanishes lies past the first of them.
    Batch b;
    constexpr int kFiles = 1500;
    constexpr int kGone = 700; // counted from the chain's start; moves are made from its end
    auto name = [](int i) { return QStringLiteral("f%1").arg(i, 5, 10, QLatin1Char('0')); };
    for (int i = 1; i <= kFiles; ++i)
        b.add(QStringLiteral("d/") + name(i), name(i + 1));
    ASSERT_TRUE(b.classify());
    ASSERT_TRUE(QFile::remove(b.tree.at(QStringLiteral("d/") + name(kGone))));
    const ApplyOutcome outcome = b.apply();
    EXPECT_EQ(outcome.renamedCount, 0);
    const int made = kFiles - kGone; // f1500 -> f1501 ... f701 -> f702
    const RenameLogContents log = RenameLogReader::read(outcome.logFile);
    ASSERT_EQ(int(log.entries.size()), 2 * made);
    for (int k = 0; k < made; ++k) {
        const int from = kFiles - k;
        const RenameLogEntry& forward = log.entries[size_t(k)];
        const RenameLogEntry& back = log.entries[size_t(2 * made - 1 - k)];
        ASSERT_EQ(forward.srcfilename + QStringLiteral(">") + forward.tarfilename, name(from) + QStringLiteral(">") + name(from + 1));
        ASSERT_EQ(back.srcfilename + QStringLiteral(">") + back.tarfilename, name(from + 1) + QStringLiteral(">") + name(from));
    }
    for (int i = 1; i <= kFiles; ++i) {
        if (i != kGone) {
            ASSERT_EQ(b.tree.read(QStringLiteral("d/") + name(i)), (QStringLiteral("d/") + name(i)).toUtf8());
        }
    }
}

TEST(BatchApply, WithoutChainsEveryTakenTargetIsRefusedItemByItem)
{
    Batch b;
    b.state.preferences.renameChainsInOneGo = false;
    b.add(QStringLiteral("d/a"), QStringLiteral("b"));
    b.add(QStringLiteral("d/b"), QStringLiteral("c"));
    // As an older list would hand them over: proposed names without a preview's verdict.
    const ApplyOutcome outcome = b.apply();
    EXPECT_EQ(outcome.renamedCount, 1);
    EXPECT_EQ(b.statuses(), (QStringList{"File Already Exists", "Renaming (OK)"}));
    EXPECT_EQ(b.contents(), (QStringList{"a=d/a", "c=d/b"}));
}

TEST(ApplyOutcomeLine, CountsReasonsDurationAndStop)
{
    ApplyOutcome o;
    o.renamedCount = 5;
    o.proposedCount = 13;
    for (int i = 0; i < 8; ++i)
        o.addRefusal(Status::FileAlreadyExists);
    o.elapsedMs = 400;
    EXPECT_EQ(o.summary(), QStringLiteral("5 renamed, 8 refused (File Already Exists: 8) in 0.4 s"));
    o.addRefusal(Status::FileNotFound);
    EXPECT_EQ(o.summary(), QStringLiteral("5 renamed, 9 refused (File Already Exists: 8, File Not Found: 1) in 0.4 s"));
    ApplyOutcome stopped;
    stopped.renamedCount = 5;
    stopped.proposedCount = 10;
    stopped.cancelled = true;
    stopped.elapsedMs = 125000;
    EXPECT_EQ(stopped.summary(), QStringLiteral("Stopped: 5 renamed in 2 min 5 s"));
    EXPECT_FALSE(stopped.isComplete());
}

TEST(ApplyOutcomeLine, EveryTimingTextReadsAsADuration)
{
    // The window's timing texts use the same durations as the outcome line.
    ControllerState state;
    for (const auto& [seconds, expected] : std::vector<std::pair<double, QString>>{
             {0.4, QStringLiteral("Preview in 0.4 s")}, {125.2, QStringLiteral("Preview in 2 min 5 s")}}) {
        state.startTime = ControllerState::now() - seconds;
        EXPECT_EQ(state.showLastActionTimeTaken(QStringLiteral("Preview")), expected);
        EXPECT_EQ(state.lastActionTimeTaken, expected);
    }
}
