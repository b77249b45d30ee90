// quorvel-cli apply --companions on 1,000 groups (CR2, JPG and xmp), killed with SIGKILL
// at random moments of its renaming: every kill leaves every file's contents in the tree,
// and the undo of what the killed apply left in the log folder brings every group back
// whole under its original names.
#include "clirunner.h"
#include "treestate.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace {

constexpr int kGroups = 1000;
constexpr int kTrials = 12;

QStringList applyArguments(const QString& root)
{
    return {QStringLiteral("apply"), QStringLiteral("--yes"), QStringLiteral("--companions"), QStringLiteral("--format"),
            QStringLiteral("tsv"), QStringLiteral("--set"), QStringLiteral("selectedTab=3"), QStringLiteral("--set"),
            QStringLiteral("prefixSuffixPrefix=x_"), root};
}

// Each group's members stand under one stem: the names of the tree by stem, per kind.
bool everyGroupWhole(const TreeState& tree)
{
    QHash<QString, int> members;
    for (auto it = tree.files.begin(); it != tree.files.end(); ++it)
        ++members[it.key().section(u'.', 0, 0)];
    for (const int count : members) {
        if (count != 3)
            return false;
    }
    return members.size() == kGroups;
}

} // namespace

TEST(CrashSafety, ACompanionApplyKilledAtRandomMomentsIsUndoneWithEveryGroupWhole)
{
    ASSERT_FALSE(CliRunner::program().isEmpty()) << "build quorvel-cli first (it is run as its own process)";
    QTemporaryDir treeDir;
    const QString root = treeDir.path() + QStringLiteral("/tree");
    QDir().mkpath(root);
    for (int g = 0; g < kGroups; ++g) {
        for (const char* extension : {".CR2", ".JPG", ".xmp"}) {
            QFile file(root + QStringLiteral("/IMG_%1").arg(g, 4, 10, QLatin1Char('0')) + QLatin1String(extension));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(file.fileName().toUtf8());
        }
    }
    const TreeState original = TreeState::read(root);
    CliRunner cli;

    // A first run to the end, timed, over which the kill moments are then spread.
    QElapsedTimer clock;
    clock.start();
    const CliRunner::Result done = cli.run(applyArguments(root));
    const qint64 runMs = clock.elapsed();
    ASSERT_EQ(done.exitCode, 0) << done.err.constData();
    const TreeState renamed = TreeState::read(root);
    ASSERT_TRUE(renamed.files.contains(QStringLiteral("x_IMG_0000.xmp")));
    ASSERT_TRUE(everyGroupWhole(renamed));

    std::mt19937 rng(20260912u);
    int midApply = 0;
    for (int trial = 0; trial <= kTrials; ++trial) {
        // Each trial undoes the last one's renaming (the first, the timed run's).
        for (const QString& log : QDir(cli.logFolder()).entryList(QDir::Files, QDir::Name | QDir::Reversed)) {
            cli.run({QStringLiteral("undo"), QStringLiteral("--yes"), cli.logFolder() + QLatin1Char('/') + log});
            QFile::remove(cli.logFolder() + QLatin1Char('/') + log);
        }
        for (const QString& hidden : QDir(cli.logFolder()).entryList(QDir::Hidden | QDir::Files))
            QFile::remove(cli.logFolder() + QLatin1Char('/') + hidden);
        const TreeState now = TreeState::read(root);
        ASSERT_EQ(now, original) << "trial " << trial << ": " << original.differences(now).toStdString();
        if (trial == kTrials)
            break;

        const pid_t pid = cli.start(applyArguments(root));
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<qint64>(runMs * 400, runMs * 1000)(rng)));
        ::kill(pid, SIGKILL);
        cli.wait(pid);
        const TreeState killed = TreeState::read(root);
        ASSERT_EQ(killed.contentMultiset(), original.contentMultiset()) << "trial " << trial << ": a file was lost";
        midApply += killed.files.contains(QStringLiteral("x_IMG_0000.CR2")) && !killed.files.contains(QStringLiteral("x_IMG_0999.CR2")) ? 1 : 0;
    }
    std::printf("[ crash    ] %d trials, %d killed while renaming; a whole run took %lld ms\n", kTrials, midApply, runMs);
}
