// The one move an apply makes itself: the outcome each kind of target gives on every rung
// of the ladder, and that nothing is ever replaced.
#include "pipeline/itemmove.h"
#include "support/temptree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(ItemMove, EachTargetGivesItsOutcomeAndNothingIsReplaced)
{
    const struct {
        const char* what;
        const char* target;     // below the tree; the item is "a", holding "item"
        const char* linkOfItem; // a hard link of the item made first under this name, or null
        const char* otherFile;  // another file made first under this name, or null
        bool itemGone;
        MoveOutcome expected;
    } cases[] = {
        {"free target", "b", nullptr, nullptr, false, MoveOutcome::Moved},
        {"another file", "b", nullptr, "b", false, MoveOutcome::Taken},
        {"the item under another name", "b", "b", nullptr, false, MoveOutcome::SameFile},
        {"two links that differ in case", "A", "A", nullptr, false, MoveOutcome::SameFile},
        {"the item is gone", "b", nullptr, nullptr, true, MoveOutcome::Missing},
        {"the target's folder is absent", "none/b", nullptr, nullptr, false, MoveOutcome::Failed},
    };
    for (const auto& c : cases) {
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

// The local disk answering as another drive does, through MoveLadder's system calls: the
// errno of renameat2 with flags, of linkat and of the plain renameat (0: left as it is).
struct Refusals {
    int renameFlags, link, rename;
};
Refusals gRefusals{};

int refuse(int error)
{
    errno = error;
    return -1;
}

const MoveLadder::SystemCalls kRefusingDrive = {
    [](int a, const char* b, int c, const char* d, unsigned flags) {
        return flags && gRefusals.renameFlags ? refuse(gRefusals.renameFlags) : MoveLadder::realCalls().renameat2(a, b, c, d, flags);
    },
    [](int a, const char* b, int c, const char* d, int flags) {
        return gRefusals.link ? refuse(gRefusals.link) : MoveLadder::realCalls().linkat(a, b, c, d, flags);
    },
    [](int a, const char* b, int flags) { return MoveLadder::realCalls().unlinkat(a, b, flags); },
    [](int a, const char* b, int c, const char* d) {
        return gRefusals.rename ? refuse(gRefusals.rename) : MoveLadder::realCalls().renameat(a, b, c, d);
    },
    [](int a, const char* b, int flags, mode_t mode) { return MoveLadder::realCalls().openat(a, b, flags, mode); },
    [](int a, const char* b, mode_t mode) { return MoveLadder::realCalls().mkdirat(a, b, mode); },
};

} // namespace

// Each drive's answers lead to its rung, remembered for the folder; a file and a folder move,
// a taken target is refused with nothing replaced, and a placeholder that cannot be recorded
// or a rename(2) refused leaves the item where it was with no placeholder behind.
TEST(ItemMove, EachDriveFindsItsRungAndNeverReplaces)
{
    const struct {
        const char* what;
        Refusals refusals;
        MoveLadder::Rung learnt; // the folder's rung after its first move
        bool reserved;           // the file's move went onto a placeholder
    } cases[] = {
        {"local disk", {}, MoveLadder::Rung::NoReplace, false},
        {"no rename flags", {EINVAL, 0, 0}, MoveLadder::Rung::LinkUnlink, false},
        {"flags not supported, too many links", {EOPNOTSUPP, EMLINK, 0}, MoveLadder::Rung::LinkUnlink, true},
        {"FAT: no flags, no hard links", {EINVAL, EPERM, 0}, MoveLadder::Rung::Reserved, true},
        {"no flags, links not supported", {ENOSYS, EOPNOTSUPP, 0}, MoveLadder::Rung::Reserved, true},
    };
    MoveLadder::setCallsForTesting(&kRefusingDrive);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        gRefusals = c.refusals;
        TempTree tree;
        const QString a = tree.file("a", "item");
        const QString folder = tree.folder("f");
        tree.file("f/inside", "in");
        tree.file("taken", "other");
        MoveLadder::FolderRungs rungs;
        int placeholders = 0;
        const auto count = [&] { return ++placeholders, true; };
        const auto move = [&](const QString& from, const char* to, MoveLadder::Kind kind, const auto& onPlaceholder,
                              int* error = nullptr) {
            return int(moveOnDisk(rungs, from, tree.at(to), kind, onPlaceholder, error));
        };

        EXPECT_EQ(move(a, "b", MoveLadder::Kind::File, count), int(MoveOutcome::Moved));
        EXPECT_EQ(int(rungs.rungOfFolder(tree.path())), int(c.learnt));
        EXPECT_EQ(move(folder, "g", MoveLadder::Kind::Folder, count), int(MoveOutcome::Moved));
        EXPECT_EQ(move(tree.at("b"), "taken", MoveLadder::Kind::File, count), int(MoveOutcome::Taken));
        EXPECT_EQ(tree.names(), QStringList({"b", "g", "taken"}));
        EXPECT_EQ(tree.read("b") + tree.read("g/inside") + tree.read("taken"), "iteminother");
        // A folder takes a placeholder below renameat2 (folders have no hard links).
        EXPECT_EQ(placeholders, (c.reserved ? 1 : 0) + (c.learnt == MoveLadder::Rung::NoReplace ? 0 : 1));
        EXPECT_EQ(rungs.usedReserved(), placeholders > 0);
        if (c.learnt != MoveLadder::Rung::Reserved)
            continue;
        int error = 0;
        EXPECT_EQ(move(tree.at("b"), "c", MoveLadder::Kind::File, [] { return false; }, &error), int(MoveOutcome::Failed));
        EXPECT_EQ(error, EIO);
        gRefusals.rename = EACCES;
        EXPECT_EQ(move(tree.at("b"), "c", MoveLadder::Kind::File, count, &error), int(MoveOutcome::Failed));
        EXPECT_EQ(error, EACCES);
        EXPECT_EQ(tree.names(), QStringList({"b", "g", "taken"}));
    }
    MoveLadder::setCallsForTesting(nullptr);
}
