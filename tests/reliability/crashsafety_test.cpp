// quorvel-cli apply on 10,000 files, and import-list --apply of a 3,000-item shift, of a
// 2,000-item rotation and of a batch of swaps, killed with SIGKILL at random moments of their run; every trial is
// undone from what the killed apply left in the log folder (its "#" journal, or the final
// log when it got that far), and every file must then stand under its original name with
// its original contents. The same tree serves every trial of a scenario.
#include "clirunner.h"
#include "treestate.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <thread>

namespace {

constexpr int kFolders = 10;
constexpr int kFilesPerFolder = 1000;
constexpr int kTrials = 50;

quint32 seed()
{
    const QByteArray fromEnv = qgetenv("QUORVEL_RELIABILITY_SEED");
    return fromEnv.isEmpty() ? 20260307u : fromEnv.toUInt();
}

// Watches the log folder for the journal of an apply (a name with "#").
class JournalWatch {
public:
    explicit JournalWatch(const QString& folder)
    {
        fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (fd_ >= 0)
            inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_CREATE | IN_MOVED_TO);
    }
    ~JournalWatch()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    // Waits until a journal appears (true) or the process ends first (false).
    bool waitForJournal(pid_t pid)
    {
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 2) > 0) {
                const ssize_t n = ::read(fd_, buffer, sizeof buffer);
                for (ssize_t at = 0; at < n;) {
                    const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                    if (event->len > 0 && std::strchr(event->name, '#'))
                        return true;
                    at += ssize_t(sizeof(inotify_event) + event->len);
                }
            }
            siginfo_t info{};
            if (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid)
                return false;
        }
    }

private:
    int fd_ = -1;
};

// Watches the folders of the tree for the first item moved into a new name.
class MoveWatch {
public:
    explicit MoveWatch(const QString& root)
    {
        fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        for (int f = 0; fd_ >= 0 && f < kFolders; ++f)
            inotify_add_watch(fd_, QFile::encodeName(root + QStringLiteral("/folder %1").arg(f)).constData(),
                              IN_MOVED_TO);
    }
    ~MoveWatch()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    // Waits until an item is moved (true) or the process ends first (false).
    bool waitForFirstMove(pid_t pid)
    {
        for (;;) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 2) > 0)
                return true;
            siginfo_t info{};
            if (::waitid(P_PID, id_t(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid)
                return false;
        }
    }

private:
    int fd_ = -1;
};

QStringList applyArguments(const QString& root)
{
    return {QStringLiteral("apply"), QStringLiteral("--yes"), QStringLiteral("--format"), QStringLiteral("tsv"),
            QStringLiteral("--set"), QStringLiteral("selectedTab=3"), QStringLiteral("--set"),
            QStringLiteral("prefixSuffixPrefix=x_"), root};
}

// Every log the killed run left (final logs and journals), newest name first.
QStringList logsIn(const QString& folder)
{
    QDir dir(folder);
    QStringList names = dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
    QStringList paths;
    for (const QString& n : names)
        paths << dir.filePath(n);
    return paths;
}

struct UndoReport {
    int restored = 0;
    int elements = 0;
};

// "path<TAB>R/E restored[, log deleted]" as quorvel-cli undo prints it.
std::optional<UndoReport> parseUndoLine(const QByteArray& out)
{
    static const QRegularExpression line(QStringLiteral("\\t(\\d+)/(\\d+) restored"));
    const QRegularExpressionMatch m = line.match(QString::fromUtf8(out));
    if (!m.hasMatch())
        return std::nullopt;
    return UndoReport{m.captured(1).toInt(), m.captured(2).toInt()};
}

// kFolders folders of kFilesPerFolder files under root, each file with contents of its own.
void makeTree(const QString& root)
{
    for (int f = 0; f < kFolders; ++f) {
        const QString folder = root + QStringLiteral("/folder %1").arg(f);
        QDir().mkpath(folder);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            QFile file(folder + QStringLiteral("/file %1.txt").arg(i, 4, 10, QLatin1Char('0')));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QStringLiteral("contents of %1/%2\n").arg(f).arg(i).toUtf8());
        }
    }
}

} // namespace

TEST(CrashSafety, ApplyKilledAtRandomMomentsIsUndoneFromItsJournal)
{
    ASSERT_FALSE(CliRunner::program().isEmpty()) << "build quorvel-cli first (it is run as its own process)";
    QTemporaryDir treeDir;
    const QString root = treeDir.path() + QStringLiteral("/tree");
    ASSERT_NO_FATAL_FAILURE(makeTree(root));
    const TreeState original = TreeState::read(root);
    ASSERT_EQ(original.files.size(), kFolders * kFilesPerFolder);

    CliRunner cli;
    // A first run to the end measures how long its renaming takes (from the journal's
    // appearance to the exit), over which the kill moments are then spread.
    QElapsedTimer clock;
    qint64 startupMs = 0, applyMs = 0;
    {
        JournalWatch watch(cli.logFolder());
        clock.start();
        const pid_t pid = cli.start(applyArguments(root));
        ASSERT_GT(pid, 0);
        ASSERT_TRUE(watch.waitForJournal(pid));
        startupMs = clock.elapsed();
        const CliRunner::Result done = cli.wait(pid);
        applyMs = clock.elapsed() - startupMs;
        ASSERT_EQ(done.exitCode, 0) << done.err.constData();
        const TreeState renamed = TreeState::read(root);
        ASSERT_EQ(renamed.contentMultiset(), original.contentMultiset());
        ASSERT_TRUE(renamed.files.contains(QStringLiteral("folder 0/x_file 0000.txt")));
        const QStringList logs = logsIn(cli.logFolder());
        ASSERT_EQ(logs.size(), 1);
        ASSERT_TRUE(logs.first().contains(QStringLiteral("-10000.xml"))) << logs.first().toStdString();
        const CliRunner::Result undone = cli.run({QStringLiteral("undo"), QStringLiteral("--yes"), logs.first()});
        ASSERT_EQ(undone.exitCode, 0) << undone.err.constData();
        ASSERT_EQ(TreeState::read(root), original) << original.differences(TreeState::read(root)).toStdString();
    }

    std::mt19937 rng(seed());
    int midApply = 0, beforeJournal = 0, finished = 0, unrestoredEntries = 0, twoLogs = 0;
    // A loaded machine stretches the apply unevenly, so fewer kills may land inside it: the
    // trials go on (up to three times as many) until half of the planned number have.
    int trials = 0;
    for (; trials < kTrials || (midApply < kTrials / 2 && trials < 3 * kTrials); ++trials) {
        const int trial = trials;
        SCOPED_TRACE(QStringLiteral("trial %1 (seed %2)").arg(trial).arg(seed()).toStdString());
        JournalWatch watch(cli.logFolder());
        const pid_t pid = cli.start(applyArguments(root));
        ASSERT_GT(pid, 0);
        // One trial in ten is killed while the program starts, scans and previews; the
        // others while it renames (a little past its measured end, to catch the final log).
        qint64 delayUs;
        if (trial % 10 == 9) {
            delayUs = std::uniform_int_distribution<qint64>(0, startupMs * 1000)(rng);
        } else {
            if (!watch.waitForJournal(pid))
                FAIL() << "the apply ended without a journal: " << cli.wait(pid).err.constData();
            delayUs = std::uniform_int_distribution<qint64>(0, applyMs * 1100)(rng);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
        ::kill(pid, SIGKILL);
        const CliRunner::Result killed = cli.wait(pid);
        if (killed.signal == 0)
            ++finished;

        const QStringList logs = logsIn(cli.logFolder());
        if (logs.isEmpty())
            ++beforeJournal;
        if (logs.size() > 1)
            ++twoLogs;
        // A kill between writing the final log and removing the journal leaves both, with
        // the same entries: whichever is undone first restores them, the other finds
        // nothing left to do.
        int elements = 0, restored = 0;
        for (const QString& log : logs) {
            const CliRunner::Result undone = cli.run({QStringLiteral("undo"), QStringLiteral("--yes"), log});
            if (const std::optional<UndoReport> report = parseUndoLine(undone.out)) {
                elements = std::max(elements, report->elements);
                restored += report->restored;
            }
            // A log that was undone is deleted; anything left (a journal cut before its
            // first byte, a second copy of a log that was already undone) goes now.
            QFile::remove(log);
        }
        if (elements > 0 && elements < kFolders * kFilesPerFolder)
            ++midApply;
        // The journal is written in batches ahead of the moves; the entries announced and
        // never made are told apart by their inodes and are not undone, so every entry
        // undone had its move behind it.
        EXPECT_EQ(restored, elements);
        unrestoredEntries += elements - restored;
        // Temporary files of a final log the kill interrupted.
        for (const QString& hidden : QDir(cli.logFolder()).entryList(QDir::Hidden | QDir::Files))
            QFile::remove(cli.logFolder() + QLatin1Char('/') + hidden);

        const TreeState now = TreeState::read(root);
        ASSERT_EQ(now, original) << original.differences(now).toStdString();
    }
    std::printf("[ crash    ] %d trials: %d killed while renaming, %d before any log, %d finished; "
                "%d journal entries had no rename behind them; %d left a journal beside the final log; "
                "apply took %lld ms after %lld ms of start-up\n",
                trials, midApply, beforeJournal, finished, unrestoredEntries, twoLogs, applyMs, startupMs);
    EXPECT_GE(midApply, kTrials / 2) << "too few kills landed inside the renaming";
}

TEST(CrashSafety, CtrlCEndsTheApplyWhereverItsPassesRunAndItsJournalUndoesIt)
{
    // Without --verbose the command line runs its passes on its main thread, with --verbose
    // on a worker thread while the main thread prints the progress: Ctrl-C must end the
    // apply at once either way, and what it leaves must undo every move made.
    ASSERT_FALSE(CliRunner::program().isEmpty()) << "build quorvel-cli first (it is run as its own process)";
    QTemporaryDir treeDir;
    const QString root = treeDir.path() + QStringLiteral("/tree");
    ASSERT_NO_FATAL_FAILURE(makeTree(root));
    const TreeState original = TreeState::read(root);
    CliRunner cli;
    for (const QStringList& extra : {QStringList(), QStringList{QStringLiteral("--verbose")}}) {
        SCOPED_TRACE(extra.isEmpty() ? "without --verbose" : "with --verbose");
        MoveWatch moves(root);
        const pid_t pid = cli.start(extra + applyArguments(root));
        ASSERT_GT(pid, 0);
        if (!moves.waitForFirstMove(pid))
            FAIL() << "the apply ended before its first move was seen: " << cli.wait(pid).err.constData();
        // Stopped as its renaming begins, so that the interrupt cannot come after its end;
        // the interrupt is then taken as soon as the process runs again.
        ::kill(pid, SIGSTOP);
        ::kill(pid, SIGINT);
        ::kill(pid, SIGCONT);
        const CliRunner::Result interrupted = cli.wait(pid);
        EXPECT_EQ(interrupted.signal, SIGINT) << "exit status " << interrupted.exitCode << ": "
                                              << interrupted.err.constData();

        const QStringList logs = logsIn(cli.logFolder());
        ASSERT_EQ(logs.size(), 1);
        EXPECT_TRUE(QFileInfo(logs.first()).fileName().contains(QLatin1Char('#'))) << logs.first().toStdString();
        const CliRunner::Result undone = cli.run({QStringLiteral("undo"), QStringLiteral("--yes"), logs.first()});
        const std::optional<UndoReport> report = parseUndoLine(undone.out);
        ASSERT_TRUE(report.has_value()) << undone.out.constData() << undone.err.constData();
        EXPECT_GT(report->elements, 0) << "a move was seen, so the journal holds it";
        EXPECT_EQ(report->restored, report->elements);
        QFile::remove(logs.first());
        const TreeState now = TreeState::read(root);
        ASSERT_EQ(now, original) << original.differences(now).toStdString();
    }
}

namespace {

// Kills an import-list --apply of the list at random moments of its renaming and undoes
// what each run left; the tree must come back whole every time.
void killListApplyAtRandomMoments(const QString& root, const QByteArray& list, int trials, int expectedItems)
{
    ASSERT_FALSE(CliRunner::program().isEmpty()) << "build quorvel-cli first (it is run as its own process)";
    const TreeState original = TreeState::read(root);
    QTemporaryDir listDir;
    const QString listFile = listDir.path() + QStringLiteral("/list.txt");
    {
        QFile f(listFile);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(list);
    }
    const QStringList arguments = {QStringLiteral("import-list"), listFile, QStringLiteral("--apply"),
                                   QStringLiteral("--yes"), QStringLiteral("--format"), QStringLiteral("tsv")};
    CliRunner cli;
    QElapsedTimer clock;
    qint64 applyMs = 0;
    {
        JournalWatch watch(cli.logFolder());
        const pid_t pid = cli.start(arguments);
        ASSERT_GT(pid, 0);
        ASSERT_TRUE(watch.waitForJournal(pid));
        clock.start();
        const CliRunner::Result done = cli.wait(pid);
        applyMs = clock.elapsed();
        ASSERT_EQ(done.exitCode, 0) << done.err.constData();
        const TreeState renamed = TreeState::read(root);
        ASSERT_EQ(renamed.contentMultiset(), original.contentMultiset());
        ASSERT_NE(renamed, original);
        const QStringList logs = logsIn(cli.logFolder());
        ASSERT_EQ(logs.size(), 1);
        ASSERT_TRUE(logs.first().contains(QStringLiteral("-%1.xml").arg(expectedItems))) << logs.first().toStdString();
        const CliRunner::Result undone = cli.run({QStringLiteral("undo"), QStringLiteral("--yes"), logs.first()});
        ASSERT_EQ(undone.exitCode, 0) << undone.err.constData();
        ASSERT_EQ(TreeState::read(root), original) << original.differences(TreeState::read(root)).toStdString();
    }

    std::mt19937 rng(seed() + quint32(expectedItems));
    int midApply = 0;
    for (int trial = 0; trial < trials; ++trial) {
        SCOPED_TRACE(QStringLiteral("trial %1 (seed %2)").arg(trial).arg(seed()).toStdString());
        JournalWatch watch(cli.logFolder());
        const pid_t pid = cli.start(arguments);
        ASSERT_GT(pid, 0);
        if (!watch.waitForJournal(pid))
            FAIL() << "the apply ended without a journal: " << cli.wait(pid).err.constData();
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<qint64>(0, applyMs * 1100)(rng)));
        ::kill(pid, SIGKILL);
        cli.wait(pid);
        const QStringList logs = logsIn(cli.logFolder());
        for (const QString& log : logs) {
            const CliRunner::Result undone = cli.run({QStringLiteral("undo"), QStringLiteral("--yes"), log});
            if (const std::optional<UndoReport> report = parseUndoLine(undone.out)) {
                if (report->elements > 0)
                    ++midApply;
            }
            QFile::remove(log);
        }
        for (const QString& hidden : QDir(cli.logFolder()).entryList(QDir::Hidden | QDir::Files))
            QFile::remove(cli.logFolder() + QLatin1Char('/') + hidden);
        const TreeState now = TreeState::read(root);
        ASSERT_EQ(now, original) << original.differences(now).toStdString();
    }
    std::printf("[ crash    ] %d trials of a list of %d items: %d left moves to undo; apply took %lld ms\n", trials,
                expectedItems, midApply, applyMs);
    EXPECT_GE(midApply, trials / 2) << "too few kills landed inside the renaming";
}

QByteArray listLine(const QString& name, const QString& newName, const QString& folder)
{
    return (name + QLatin1Char('\t') + newName + QLatin1Char('\t') + folder + QLatin1Char('\n')).toUtf8();
}

// Files 1 to count named by name(i) in root, each with contents of its own, and the rename
// list that gives file i the name of file next(i).
QByteArray numberedFilesAndList(const QString& root, int count, const std::function<QString(int)>& name,
                                const std::function<int(int)>& next)
{
    QDir().mkpath(root);
    QByteArray list = "Filename\tNew Filename\tLocation\n";
    for (int i = 1; i <= count; ++i) {
        QFile file(root + QLatin1Char('/') + name(i));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << file.fileName().toStdString();
        file.write(QStringLiteral("contents of %1\n").arg(i).toUtf8());
        list += listLine(name(i), name(next(i)), root);
    }
    return list;
}

} // namespace

TEST(CrashSafety, AShiftKilledAtRandomMomentsIsUndoneFromItsJournal)
{
    constexpr int kItems = 3000;
    QTemporaryDir treeDir;
    const QString root = treeDir.path() + QStringLiteral("/tree");
    auto name = [](int i) { return QStringLiteral("file%1").arg(i, 6, 10, QLatin1Char('0')); };
    const QByteArray list = numberedFilesAndList(root, kItems, name, [](int i) { return i + 1; });
    killListApplyAtRandomMoments(root, list, 15, kItems);
}

TEST(CrashSafety, ALongRotationKilledAtRandomMomentsIsUndoneFromItsJournal)
{
    // One cycle of 2,000 items: its moves, parked name included, are journaled over several
    // batches, so kills land inside a batch and between batches of the same cycle.
    constexpr int kItems = 2000;
    QTemporaryDir treeDir;
    const QString root = treeDir.path() + QStringLiteral("/tree");
    auto name = [](int i) { return QStringLiteral("r%1.dat").arg(i, 5, 10, QLatin1Char('0')); };
    const QByteArray list = numberedFilesAndList(root, kItems, name, [](int i) { return i % kItems + 1; });
    killListApplyAtRandomMoments(root, list, 12, kItems);
}

TEST(CrashSafety, SwapsKilledAtRandomMomentsAreUndoneFromTheirJournal)
{
    constexpr int kPairs = 1000;
    QTemporaryDir treeDir;
    const QString root = treeDir.path() + QStringLiteral("/tree");
    QByteArray list = "Filename\tNew Filename\tLocation\n";
    for (int f = 0; f < 4; ++f) {
        const QString folder = root + QStringLiteral("/folder %1").arg(f);
        QDir().mkpath(folder);
        for (int i = 0; i < kPairs / 4; ++i) {
            const QString a = QStringLiteral("a%1.txt").arg(i), b = QStringLiteral("b%1.txt").arg(i);
            for (const QString& n : {a, b}) {
                QFile file(folder + QLatin1Char('/') + n);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(QStringLiteral("contents of %1/%2\n").arg(f).arg(n).toUtf8());
            }
            list += listLine(a, b, folder);
            list += listLine(b, a, folder);
        }
    }
    killListApplyAtRandomMoments(root, list, 15, 2 * kPairs);
}
