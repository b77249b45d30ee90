// Companion files renamed with their item (groups named once from their lead, judged and
// moved whole) and names used twice numbered: the names on disk after the apply, and after
// the undo of its log.
#include "pipeline/applydriver.h"
#include "pipeline/applyoutcome.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "pipeline/previewdriver.h"
#include "platform/foldercase.h"
#include "platform/messages.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"
#include "undo/undosheetcontroller.h"

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

namespace {

// Every file of the folder as "name=content"; each file's content is its first name.
QStringList namesWithContents(const TempTree& tree)
{
    QStringList out;
    for (const QString& name : QDir(tree.path()).entryList(QDir::Files, QDir::Name))
        out << name + QLatin1Char('=') + QString::fromUtf8(tree.read(name));
    return out;
}

// Companions renamed with the method of a tab and its text settings, logs kept in logs.
void renameCompanions(ControllerState& state, const TempTree& logs, int tab,
                      std::initializer_list<std::pair<const char*, const char*>> texts)
{
    state.preferences.defaultLogFolderPath = logs.path();
    state.settings.setInteger(QStringLiteral("selectedTab"), tab);
    for (const auto& [key, value] : texts)
        state.settings.setText(QString::fromLatin1(key), QString::fromLatin1(value));
    state.settings.setFlag(QStringLiteral("isRenameCompanions"), true);
}

} // namespace

TEST(Companions, GroupsAndNumberedNamesOnDiskAfterApplyAndUndo)
{
    struct Case {
        const char* what;
        QStringList files;  // on disk, each holding its name
        QStringList listed; // "name>new name" (an empty new name: the method proposes none)
        bool numbering;
        bool folds;
        QStringList after;  // "name=first name" on disk after the apply
        QStringList statuses = {}; // of the listed items after the preview, when checked
    };
    const Case cases[] = {
        {"raw, JPEG and xmp: the raw file leads, whatever the list's order",
         {"A.CR2", "A.JPG", "A.xmp"}, {"A.JPG>x.JPG", "A.CR2>y.CR2"}, false, false,
         {"y.CR2=A.CR2", "y.JPG=A.JPG", "y.xmp=A.xmp"}},
        {"a sidecar of the full name follows that name",
         {"A.CR2", "A.CR2.xmp", "A.JPG"}, {"A.CR2>n.CR2"}, false, false,
         {"n.CR2=A.CR2", "n.CR2.xmp=A.CR2.xmp", "n.JPG=A.JPG"}},
        {"a sidecar that is not listed follows",
         {"A.JPG", "A.xmp", "B.JPG"}, {"A.JPG>p.JPG", "B.JPG>q.JPG"}, false, false,
         {"p.JPG=A.JPG", "p.xmp=A.xmp", "q.JPG=B.JPG"}},
        {"a member the method names nothing for cannot lead, and is not moved by the next",
         {"A.CR2", "A.JPG", "A.xmp"}, {"A.CR2>", "A.JPG>q.JPG"}, false, false,
         {"A.CR2=A.CR2", "q.JPG=A.JPG", "q.xmp=A.xmp"}},
        {"a taken target refuses the group whole",
         {"A.CR2", "A.JPG", "A.xmp", "r.JPG"}, {"A.CR2>r.CR2", "A.JPG>"}, false, false,
         {"A.CR2=A.CR2", "A.JPG=A.JPG", "A.xmp=A.xmp", "r.JPG=r.JPG"},
         {"Refused With Its Group", "File Already Exists"}},
        {"two groups that swap their names move as one unit",
         {"A.CR2", "A.JPG", "B.CR2", "B.JPG"}, {"A.CR2>B.CR2", "B.CR2>A.CR2"}, false, false,
         {"A.CR2=B.CR2", "A.JPG=B.JPG", "B.CR2=A.CR2", "B.JPG=A.JPG"}},
        {"a follower's name too long for its folder refuses the group",
         {"A.JPG", "A.JPG.xmp"}, {QStringLiteral("A.JPG>") + QString(251, u'n') + QStringLiteral(".JPG")}, false, false,
         {"A.JPG=A.JPG", "A.JPG.xmp=A.JPG.xmp"}, {"Refused With Its Group"}},
        {"where the folder folds case, stems compare without case",
         {"IMG.JPG", "img.xmp"}, {"IMG.JPG>z.JPG"}, false, true, {"z.JPG=IMG.JPG", "z.xmp=img.xmp"}},
        {"burst shots: later ones are numbered",
         {"a.jpg", "b.jpg", "c.jpg"}, {"a.jpg>s.jpg", "b.jpg>s.jpg", "c.jpg>s.jpg"}, true, false,
         {"s-2.jpg=b.jpg", "s-3.jpg=c.jpg", "s.jpg=a.jpg"}},
        {"numbers taken on disk are skipped; a name held outside the batch is numbered",
         {"a.jpg", "s.jpg", "s-2.jpg"}, {"a.jpg>s.jpg"}, true, false,
         {"s-2.jpg=s-2.jpg", "s-3.jpg=a.jpg", "s.jpg=s.jpg"}},
        {"a group is numbered as one",
         {"A.CR2", "A.JPG", "B.CR2", "B.JPG", "s-2.JPG"}, {"A.CR2>s.CR2", "B.CR2>s.CR2"}, true, false,
         {"s-2.JPG=s-2.JPG", "s-3.CR2=B.CR2", "s-3.JPG=B.JPG", "s.CR2=A.CR2", "s.JPG=A.JPG"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FolderCase::setDetectorForTesting([folds = c.folds](const QString&) { return folds; });
        TempTree tree;
        TempTree logs;
        for (const QString& name : c.files)
            tree.file(name, name.toUtf8());
        const QStringList before = namesWithContents(tree);
        ControllerState state;
        state.preferences.defaultLogFolderPath = logs.path();
        state.settings.setInteger(QStringLiteral("selectedTab"), 9); // the names as listed
        state.settings.setFlag(QStringLiteral("isRenameCompanions"), true);
        state.settings.setFlag(QStringLiteral("isNumberNamesUsedTwice"), c.numbering);
        for (const QString& row : c.listed) {
            std::optional<FileSystemItem> item = FileSystemItem::initWithPath(tree.at(row.section(u'>', 0, 0)));
            ASSERT_TRUE(item.has_value());
            item->newFilename = row.section(u'>', 1);
            state.list.append(*item);
        }
        ScriptedUserInterface ui;
        PassProgress progress(&ui);
        QString error;
        PreviewDriver::preview(state, state.settings, progress, error);
        QStringList statuses;
        for (const FileSystemItem& item : state.list.files)
            statuses << item.newFilename;
        if (!c.statuses.isEmpty())
            EXPECT_EQ(statuses, c.statuses);
        const ApplyOutcome outcome = ApplyDriver::applyRenames(state, state.settings, &ui, progress);
        QCoreApplication::processEvents();
        EXPECT_EQ(namesWithContents(tree), c.after);
        if (!outcome.logFile.isEmpty())
            UndoSheetController(state, ui).undoLogFile(outcome.logFile);
        EXPECT_EQ(namesWithContents(tree), before);
        FolderCase::setDetectorForTesting({});
    }
}

TEST(Companions, TheCounterAdvancesOncePerGroupAndTheOutcomeCountsEveryFile)
{
    TempTree tree;
    TempTree logs;
    for (const char* name : {"A_1.CR2", "A_1.JPG", "A_1.xmp", "A_2.CR2", "A_2.CR2.xmp", "B_1.JPG"})
        tree.file(QString::fromLatin1(name), name);
    ControllerState state;
    renameCompanions(state, logs, 0, {{"alphaNumericNumericStartWith", "1"}, {"alphaNumericPaddingMask", "00"}});
    for (const char* name : {"A_1.JPG", "A_2.CR2", "B_1.JPG"}) // A_1.CR2 is not listed: it ranks above
        state.list.append(*FileSystemItem::initWithPath(tree.at(QString::fromLatin1(name))));
    ScriptedUserInterface ui;
    PassProgress progress(&ui);
    QString error;
    PreviewDriver::preview(state, state.settings, progress, error);
    ASSERT_EQ(state.companions.groups.size(), 2u);
    EXPECT_EQ(state.companions.unlisted.size(), 2u); // A_1.xmp, A_2.CR2.xmp
    EXPECT_EQ(applyConfirmation(state.list.files, state.companions.unlisted), msgN("ITEMRENAMINGCOUNTMESSAGE", 5));
    const ApplyOutcome outcome = ApplyDriver::applyRenames(state, state.settings, &ui, progress);
    EXPECT_EQ(outcome.renamedCount, 5);
    EXPECT_EQ(tree.names(), (QStringList{"01.JPG", "01.xmp", "02.CR2", "02.CR2.xmp", "03.JPG", "A_1.CR2"}));
}

TEST(Companions, AGroupWhoseMoveFailsAmongGroupsMovedAheadIsTakenBackWhole)
{
    // 40 groups: enough moves for the rename worker. The sidecar's target of group 20 is
    // taken after the preview: the worker makes the group's first moves and fails on that
    // one, and the group is taken back whole while every other group is renamed.
    TempTree tree;
    TempTree logs;
    QStringList before;
    for (int i = 1; i <= 40; ++i) {
        for (const char* ext : {".CR2", ".JPG", ".xmp"})
            before << QStringLiteral("IMG_%1%2").arg(i, 2, 10, QLatin1Char('0')).arg(QLatin1String(ext));
    }
    ControllerState state;
    renameCompanions(state, logs, 2, {{"replaceRemoveThis", "IMG"}, {"replaceRemoveWith", "TRIP"}});
    for (const QString& name : before)
        state.list.append(*FileSystemItem::initWithPath(tree.file(name, name.toUtf8())));
    ScriptedUserInterface ui;
    PassProgress progress(&ui);
    QString error;
    PreviewDriver::preview(state, state.settings, progress, error);
    tree.file(QStringLiteral("TRIP_20.xmp"), "taken");
    const ApplyOutcome outcome = ApplyDriver::applyRenames(state, state.settings, &ui, progress);
    EXPECT_EQ(outcome.renamedCount, 117);
    QStringList expected;
    for (const QString& name : before) {
        const bool refused = name.startsWith(QLatin1String("IMG_20."));
        expected << (refused ? name : QString(name).replace(QLatin1String("IMG"), QLatin1String("TRIP")));
    }
    expected << QStringLiteral("TRIP_20.xmp");
    expected.sort();
    EXPECT_EQ(tree.names(), expected);
    for (const FileSystemItem& item : state.list.files) {
        if (item.fullPath.endsWith(QLatin1String("IMG_20.xmp"))) {
            EXPECT_EQ(item.newFilename, Status::FileAlreadyExists);
        } else if (item.fullPath.contains(QLatin1String("IMG_20."))) {
            EXPECT_EQ(item.newFilename, Status::RefusedWithItsGroup);
        }
    }
    QCoreApplication::processEvents();
    UndoSheetController(state, ui).undoLogFile(outcome.logFile);
    expected = before;
    expected << QStringLiteral("TRIP_20.xmp");
    expected.sort();
    EXPECT_EQ(tree.names(), expected);
}
