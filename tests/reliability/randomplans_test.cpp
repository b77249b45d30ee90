// Random plans on real trees: random names (letter case twins, ":" and non-ASCII, names
// that swap, cycle and collide), random scopes and random methods (general changes,
// replace, sequences, prefixes, and imported rename lists with swaps a <-> b, cycles and
// collisions), each previewed and applied through the same passes as the window. After
// every apply the moves in its log (temporary names of swaps and cycles included), replayed
// on a model of the tree, must give exactly the tree on disk without ever landing on an
// existing path, the multiset of contents is unchanged, and undo brings back the exact
// original names.
#include "session.h"
#include "treestate.h"

#include "engine/filename.h"
#include "intake/intake.h"
#include "intake/renamefromlist.h"
#include "pipeline/passrunner.h"
#include "pipeline/renamelogreader.h"
#include "support/temptree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int kPlans = 1000;

quint32 baseSeed()
{
    const QByteArray fromEnv = qgetenv("QUORVEL_RELIABILITY_SEED");
    return fromEnv.isEmpty() ? 7031u : fromEnv.toUInt();
}

const QStringList kBases = {"a", "A", "b", "B", "ab", "a-b", "b-a", "a b", "x:y", "é", "É", "日本", "ß", "SS",
                            "z1", "z10", "ab-", "-ab", "Ω"};
const QStringList kExtensions = {"", ".txt", ".TXT", ".Txt", ".b"};
const QStringList kFolders = {"d", "D", "e", "f:g", "ü", "a"};

struct Plan {
    std::mt19937 rng;
    QString description;

    explicit Plan(quint32 seed)
        : rng(seed)
    {
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T>
    const T& pick(const QList<T>& list) { return list.at(below(int(list.size()))); }
    void note(const QString& text) { description += text + QLatin1Char(' '); }
};

// A small tree: up to two folders (one possibly inside the other) and 2 to 7 files with
// distinct contents, names drawn so that they meet and collide.
void makeTree(Plan& plan, const QString& root)
{
    QStringList folders = {QString()};
    const int subfolders = plan.below(3);
    for (int i = 0; i < subfolders; ++i) {
        const QString parent = plan.pick(folders);
        const QString folder = parent.isEmpty() ? plan.pick(kFolders) : parent + QLatin1Char('/') + plan.pick(kFolders);
        if (!folders.contains(folder))
            folders << folder;
    }
    for (const QString& f : folders)
        QDir().mkpath(root + QLatin1Char('/') + f);
    const int files = 2 + plan.below(6);
    for (int i = 0; i < files; ++i) {
        const QString folder = plan.pick(folders);
        const QString name = plan.pick(kBases) + plan.pick(kExtensions);
        const QString path = root + QLatin1Char('/') + (folder.isEmpty() ? name : folder + QLatin1Char('/') + name);
        QFile file(path);
        if (file.exists() || QFileInfo(path).isDir())
            continue;
        if (file.open(QIODevice::WriteOnly))
            file.write(QStringLiteral("content %1 of %2").arg(i).arg(path).toUtf8());
    }
}

// Settings of a random text method; false for the list import (done separately).
bool chooseMethod(Plan& plan, Session& s)
{
    switch (plan.below(5)) {
    case 0: {
        const int option = plan.pick(QList<int>{0, 0, 1, 2, 3, 4, 5, 6, 6, 7, 11});
        s.set("selectedTab", "5");
        s.set("generalOptionIndex", QString::number(option));
        s.set("generalFileNameCase", QString::number(plan.below(4)));
        s.set("generalExtensionCase", QString::number(plan.below(4)));
        s.set("generalChangeExtension", plan.pick(QStringList{"txt", "TXT", "b", ""}));
        s.set("generalSwapSeperator", plan.pick(QStringList{"-", " ", "b", "/"}));
        s.set("generalSwapPosition", QString::number(1 + plan.below(3)));
        plan.note(QStringLiteral("general option %1").arg(option));
        return true;
    }
    case 1: {
        const QString from = plan.pick(QStringList{"a", "b", "A", "-", "/", "é", "ab", "1"});
        const QString to = plan.pick(QStringList{"b", "a", "", "x", "/", "E", "B", "0"});
        s.set("selectedTab", "2");
        s.set("removeReplaceIndex", "0");
        s.set("replaceRemoveThis", from);
        s.set("replaceRemoveWith", to);
        s.set("isReplaceRemoveCaseSensitive", plan.chance(50) ? "1" : "0");
        s.set("isReplaceRemoveAllOccurrence", plan.chance(50) ? "1" : "0");
        plan.note(QStringLiteral("replace \"%1\" by \"%2\"").arg(from, to));
        return true;
    }
    case 2:
        s.set("selectedTab", "0");
        s.set("isAlphaNumericPrefix", plan.chance(50) ? "1" : "0");
        s.set("isAlphaNumericSufix", plan.chance(50) ? "1" : "0");
        s.set("alphaNumericNumericStartWith", QString::number(plan.below(3)));
        s.set("isAlphaNumericResetSequenceOnEachFolder", plan.chance(50) ? "1" : "0");
        plan.note(QStringLiteral("sequence"));
        return true;
    case 3: {
        const QString prefix = plan.pick(QStringList{"a", "b", "", "A", "é"});
        const QString suffix = plan.pick(QStringList{"", "-b", "a", ":x"});
        s.set("selectedTab", "3");
        s.set("prefixSuffixPrefix", prefix);
        s.set("prefixSuffixSuffix", suffix);
        plan.note(QStringLiteral("prefix \"%1\" suffix \"%2\"").arg(prefix, suffix));
        return true;
    }
    default:
        return false;
    }
}

// A rename list over the listed items: new names from the same pool, plus swaps (two
// items take each other's names), cycles of three and collisions (two items, one name).
QByteArray makeList(Plan& plan, const ControllerState& state)
{
    const std::vector<FileSystemItem>& items = state.list.files;
    QHash<int, QString> newNames;
    for (int i = 0; i < int(items.size()); ++i) {
        if (plan.chance(60))
            newNames.insert(i, plan.pick(kBases) + plan.pick(kExtensions));
    }
    const int n = int(items.size());
    if (n >= 2) {
        const int a = plan.below(n), b = plan.below(n);
        newNames.insert(a, items[size_t(b)].filenameWithExtension());
        newNames.insert(b, items[size_t(a)].filenameWithExtension());
        plan.note(QStringLiteral("swap %1<->%2").arg(a).arg(b));
        const int c = plan.below(n), d = plan.below(n);
        newNames.insert(c, newNames.value(d, items[size_t(d)].filenameWithExtension()));
        plan.note(QStringLiteral("collide %1,%2").arg(c).arg(d));
    }
    if (n >= 3) {
        const int a = plan.below(n), b = plan.below(n), c = plan.below(n);
        newNames.insert(a, items[size_t(b)].filenameWithExtension());
        newNames.insert(b, items[size_t(c)].filenameWithExtension());
        newNames.insert(c, items[size_t(a)].filenameWithExtension());
        plan.note(QStringLiteral("cycle %1>%2>%3").arg(a).arg(b).arg(c));
    }
    QByteArray text = plan.chance(50) ? QByteArray("Filename\tNew Filename\tLocation\n") : QByteArray();
    QList<int> order;
    for (int i = 0; i < n; ++i)
        order << i;
    std::shuffle(order.begin(), order.end(), plan.rng);
    for (int i : order) {
        const FileSystemItem& item = items[size_t(i)];
        // Names in display form, as an exported list holds them: ":" on disk is "/" here.
        QString newName = newNames.value(i);
        newName.replace(QLatin1Char(':'), QLatin1Char('/'));
        text += (item.displayField(QStringLiteral("filenameWithExtension")) + QLatin1Char('\t') + newName
                 + QLatin1Char('\t') + item.fileLocation() + QLatin1Char('\n'))
                    .toUtf8();
    }
    // A line of the list is enough (the header makes two).
    if (order.size() == 1 && !text.startsWith("Filename"))
        text += text;
    return text;
}

// Replays the log's renames on the original tree's paths: every rename must start from a
// path that is there and land on one that is not (nothing overwritten); a folder carries
// everything inside it along.
QString replay(const TreeState& original, const QString& root, const RenameLogContents& log, TreeState& model)
{
    model = original;
    QStringList folders = model.folders;
    for (const RenameLogEntry& entry : log.entries) {
        auto relative = [&](const QString& location, QString name) {
            name.replace(QLatin1Char('/'), QLatin1Char(':'));
            const QString full = location + QLatin1Char('/') + name;
            return full.mid(root.size() + 1);
        };
        const QString from = relative(entry.srclocation, entry.srcfilename);
        const QString to = relative(entry.tarlocation, entry.tarfilename);
        const bool toTaken = model.files.contains(to) || model.links.contains(to) || folders.contains(to);
        if (toTaken)
            return QStringLiteral("%1 -> %2 lands on an existing path").arg(from, to);
        if (model.files.contains(from)) {
            model.files.insert(to, model.files.take(from));
        } else if (model.links.contains(from)) {
            model.links.insert(to, model.links.take(from));
        } else if (folders.contains(from)) {
            const QString prefix = from + QLatin1Char('/');
            for (QString& f : folders) {
                if (f == from)
                    f = to;
                else if (f.startsWith(prefix))
                    f = to + f.mid(from.size());
            }
            QMap<QString, QByteArray> files;
            for (auto it = model.files.cbegin(); it != model.files.cend(); ++it)
                files.insert(it.key().startsWith(prefix) ? to + it.key().mid(from.size()) : it.key(), it.value());
            model.files = files;
        } else {
            return QStringLiteral("%1 -> %2 starts from a path that is not there").arg(from, to);
        }
    }
    folders.sort();
    model.folders = folders;
    return QString();
}

} // namespace

TEST(RandomPlans, NothingLostNothingOverwrittenAndUndoRestoresEveryName)
{
    int applied = 0, renamedItems = 0, refusedItems = 0, refusedPreviews = 0, listPlans = 0, noWork = 0;
    for (int p = 0; p < kPlans; ++p) {
        const quint32 seed = baseSeed() + quint32(p);
        Plan plan(seed);
        TempTree tree;
        const QString root = tree.at("t");
        QDir().mkpath(root);
        makeTree(plan, root);
        const TreeState original = TreeState::read(root);

        Session s(tree.folder("Logs"));
        const bool folders = plan.chance(30);
        if (folders)
            s.state.settings.filesFoldersOptionChanged(1);
        s.set("isIncludeSubFolders", plan.chance(60) ? "1" : "0");
        plan.note(folders ? QStringLiteral("folders") : QStringLiteral("files"));

        // What the user adds: the items at the top of the tree (the tree's own folder stays).
        QStringList top;
        for (const QString& name : QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
            top << root + QLatin1Char('/') + name;

        bool started = false;
        if (chooseMethod(plan, s)) {
            s.add(top);
            if (s.state.list.isEmpty()) {
                ++noWork;
                continue;
            }
            started = s.preview();
        } else {
            // Rename from a list: the list names the items a scan finds.
            s.add(top);
            if (s.state.list.isEmpty()) {
                ++noWork;
                continue;
            }
            ++listPlans;
            const QByteArray list = makeList(plan, s.state);
            plan.note(QStringLiteral("list:\n") + QString::fromUtf8(list));
            const QString listFile = tree.file("list.txt", list);
            s.set("selectedTab", "9");
            importTypeChanged(s.state, folders ? 1 : 0);
            s.state.settings.setText("renameFile", listFile);
            Intake intake(s.state, s.ui);
            started = loadRenameFile(s.state, s.ui, intake);
            PassRunner::waitUntilIdle(s.state);
        }
        SCOPED_TRACE(QStringLiteral("plan %1 (seed %2): %3").arg(p).arg(seed).arg(plan.description).toStdString());
        if (!started) {
            ++refusedPreviews;
            EXPECT_EQ(TreeState::read(root), original);
            continue;
        }
        if (!s.state.isHasFilesForRenaming.load()) {
            ++noWork;
            EXPECT_EQ(TreeState::read(root), original);
            continue;
        }
        ASSERT_TRUE(s.apply());
        ++applied;
        const TreeState after = TreeState::read(root);
        ASSERT_EQ(after.contentMultiset(), original.contentMultiset()) << original.differences(after).toStdString();

        const RenameLogContents log = RenameLogReader::read(s.lastApply.logFile);
        ASSERT_TRUE(log.ok) << log.error.toStdString();
        // The log holds moves: a swap or a cycle adds one through its temporary name.
        ASSERT_EQ(int(log.entries.size()), s.lastApply.moveCount);
        ASSERT_GE(s.lastApply.moveCount, s.lastApply.renamedCount);
        TreeState model;
        const QString why = replay(original, root, log, model);
        ASSERT_TRUE(why.isEmpty()) << why.toStdString();
        ASSERT_EQ(model, after) << model.differences(after).toStdString();

        int ok = 0;
        for (const FileSystemItem& item : s.state.list.files) {
            if (item.newFilename == Status::RenamingOK) {
                ++ok;
                EXPECT_TRUE(QFileInfo::exists(item.fullPath) || QFileInfo(item.fullPath).isSymLink())
                    << item.fullPath.toStdString();
            } else {
                ++refusedItems;
            }
        }
        EXPECT_EQ(ok, s.lastApply.renamedCount);
        renamedItems += ok;

        const UndoOutcome undone = s.undo();
        EXPECT_EQ(undone.status, UndoOutcome::Status::Undone);
        EXPECT_EQ(undone.restored, undone.elements);
        const TreeState restored = TreeState::read(root);
        ASSERT_EQ(restored, original) << original.differences(restored).toStdString();
    }
    std::printf("[ plans    ] %d plans (%d rename lists): %d applied, %d items renamed, %d refused by apply or "
                "preview classification, %d previews refused by their checks, %d with nothing to rename\n",
                kPlans, listPlans, applied, renamedItems, refusedItems, refusedPreviews, noWork);
    EXPECT_GE(applied, kPlans / 2);
}
