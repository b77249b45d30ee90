// The one move an apply makes itself: the outcome each kind of target gives on every rung
// of the ladder, and that nothing is ever replaced.
#include "pipeline/itemmove.h"
#include "support/refusingdrive.h"
#include "support/temptree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

struct MoveCase {
    const char* what;
    const char* target;     // below the tree; the item is "a", holding "item"
    const char* linkOfItem; // a hard link of the item made first under this name, or null
    const char* otherFile;  // another file made first under this name, or null
    bool itemGone;
    MoveOutcome expected;
};

TEST(ItemMove, EachTargetGivesItsOutcomeAndNothingIsReplaced)
{
    const MoveCase cases[] = {
        {"free target", "b", nullptr, nullptr, false, MoveOutcome::Moved},
        {"another file", "b", nullptr, "b", false, MoveOutcome::Taken},
        {"the item under another name", "b", "b", nullptr, false, MoveOutcome::SameFile},
        {"two links that differ in case", "A", "A", nullptr, false, MoveOutcome::SameFile},
        {"the item is gone", "b", nullptr, nullptr, true, MoveOutcome::Missing},
        {"the target's folder is absent", "none/b", nullptr, nullptr, false, MoveOutcome::Failed},
    };
    for (const MoveCase& c : cases) {
        for (const MoveLadder::Rung rung : {MoveLadder::Rung::NoReplace, MoveLadder::Rung::LinkUnlink,
                                            MoveLadder::Rung::Reserved}) {
            SCOPED_TRACE(std::string(c.what) + ", rung " + std::to_string(int(rung)));
            TempTree tree;
            MoveLadder::FolderRungs rungs;
            rungs.remember(MoveLadder::folderOf(tree.at(c.target)), rung);
            const QString source = c.itemGone ? tree.at(QStringLiteral("a")) : tree.file(QStringLiteral("a"), "item");
            if (c.linkOfItem) {
                const QByteArray link = QFile::encodeName(tree.at(c.linkOfItem));
                ASSERT_EQ(::link(QFile::encodeName(source).constData(), link.constData()), 0);
            }
            if (c.otherFile)
                tree.file(c.otherFile, "other");

            EXPECT_EQ(int(moveOnDisk(rungs, source, tree.at(c.target), MoveLadder::Kind::File)), int(c.expected));
            if (c.expected == MoveOutcome::Moved) {
                EXPECT_FALSE(QFile::exists(source));
                EXPECT_EQ(tree.read(c.target), "item");
            } else if (!c.itemGone) {
                EXPECT_EQ(tree.read(QStringLiteral("a")), "item");
            }
            if (c.otherFile) {
                EXPECT_EQ(tree.read(c.otherFile), "other");
            }
        }
    }
}

} // namespace

namespace {

struct DriveCase {
    const char* what;
    RefusingDrive::Errors errors;
    MoveLadder::Rung learnt; // the folder's rung after its first move
    bool reserved;           // the moves went onto a placeholder
};

} // namespace

// Each drive's answers lead to its rung, remembered for the folder; a file and a folder move,
// a taken target is refused with nothing replaced, and a placeholder that cannot be recorded
// or a rename(2) refused leaves the item where it was with no placeholder behind.
TEST(ItemMove, EachDriveFindsItsRungAndNeverReplaces)
{
    const DriveCase cases[] = {
        {"local disk", {}, MoveLadder::Rung::NoReplace, false},
        {"no rename flags", {EINVAL, 0, 0}, MoveLadder::Rung::LinkUnlink, false},
        {"flags not supported, too many links", {EOPNOTSUPP, EMLINK, 0}, MoveLadder::Rung::LinkUnlink, true},
        {"FAT: no flags, no hard links", RefusingDrive::fat(), MoveLadder::Rung::Reserved, true},
        {"no flags, links not supported", {ENOSYS, EOPNOTSUPP, 0}, MoveLadder::Rung::Reserved, true},
    };
    for (const DriveCase& c : cases) {
        SCOPED_TRACE(c.what);
        RefusingDrive drive(c.errors);
        TempTree tree;
        const QString a = tree.file("a", "item");
        const QString folder = tree.folder("f");
        tree.file("f/inside", "in");
        tree.file("taken", "other");
        MoveLadder::FolderRungs rungs;
        int placeholders = 0;
        const auto count = [&] { return ++placeholders, true; };

        EXPECT_EQ(int(moveOnDisk(rungs, a, tree.at("b"), MoveLadder::Kind::File, count)), int(MoveOutcome::Moved));
        EXPECT_EQ(int(rungs.rungOfFolder(tree.path())), int(c.learnt));
        EXPECT_EQ(int(moveOnDisk(rungs, folder, tree.at("g"), MoveLadder::Kind::Folder, count)), int(MoveOutcome::Moved));
        EXPECT_EQ(int(moveOnDisk(rungs, tree.at("b"), tree.at("taken"), MoveLadder::Kind::File, count)),
                  int(MoveOutcome::Taken));
        EXPECT_EQ(tree.names(), QStringList({"b", "g", "taken"}));
        EXPECT_EQ(tree.read("b"), "item");
        EXPECT_EQ(tree.read("g/inside"), "in");
        EXPECT_EQ(tree.read("taken"), "other");
        // A folder takes a placeholder below renameat2 (no hard links of folders).
        EXPECT_EQ(placeholders, (c.reserved ? 1 : 0) + (c.learnt == MoveLadder::Rung::NoReplace ? 0 : 1));
        EXPECT_EQ(rungs.usedReserved(), placeholders > 0);

        if (c.learnt != MoveLadder::Rung::Reserved)
            continue;
        int error = 0;
        EXPECT_EQ(int(moveOnDisk(rungs, tree.at("b"), tree.at("c"), MoveLadder::Kind::File, [] { return false; }, &error)),
                  int(MoveOutcome::Failed));
        EXPECT_EQ(error, EIO);
        RefusingDrive readOnly({c.errors.renameFlags, c.errors.link, EACCES});
        EXPECT_EQ(int(moveOnDisk(rungs, tree.at("b"), tree.at("c"), MoveLadder::Kind::File, count, &error)),
                  int(MoveOutcome::Failed));
        EXPECT_EQ(error, EACCES);
        EXPECT_EQ(tree.names(), QStringList({"b", "g", "taken"}));
    }
}
