// The one move an apply makes itself: the outcome each kind of target gives, with and
// without emulation, and that nothing is ever replaced.
#include "pipeline/itemmove.h"
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
        for (const MoveEmulation emulation : {MoveEmulation::Allowed, MoveEmulation::Refused}) {
            SCOPED_TRACE(std::string(c.what) + (emulation == MoveEmulation::Allowed ? ", emulated" : ", not emulated"));
            TempTree tree;
            const QString source = c.itemGone ? tree.at(QStringLiteral("a")) : tree.file(QStringLiteral("a"), "item");
            if (c.linkOfItem) {
                const QByteArray link = QFile::encodeName(tree.at(c.linkOfItem));
                ASSERT_EQ(::link(QFile::encodeName(source).constData(), link.constData()), 0);
            }
            if (c.otherFile)
                tree.file(c.otherFile, "other");

            EXPECT_EQ(int(moveOnDisk(source, tree.at(c.target), emulation)), int(c.expected));
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
