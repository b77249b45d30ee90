// Apply against the floor: renaming N files in one folder with the apply pass (rename log
// journal, identity checks, list updates) versus a bare loop of one renameat2 per file,
// measured in the same run on fresh files, alternating so that both meet the same machine
// load. Also reports the peak memory of the apply pass itself (VmHWM, reset before each
// pass through /proc/self/clear_refs).
//
//   apply_bench [N=100000] [rounds=2]
#include "pipeline/applydriver.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <linux/fs.h>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

long statusKiB(const char* field)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    }
    return -1;
}

// Resets VmHWM to the current RSS (Linux 4.0 and later).
void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::string fileName(const std::string& folder, const char* stem, int i)
{
    return folder + "/" + stem + std::to_string(i) + ".txt";
}

void makeFiles(const std::string& folder, int n)
{
    ::mkdir(folder.c_str(), 0777);
    for (int i = 0; i < n; ++i) {
        const int fd = ::open(fileName(folder, "file", i).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0)
            ::close(fd);
    }
    ::sync();
}

double plainLoop(const std::string& folder, int n)
{
    std::vector<std::string> from, to;
    from.reserve(size_t(n));
    to.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        from.push_back(fileName(folder, "file", i));
        to.push_back(fileName(folder, "renamed", i));
    }
    int failures = 0;
    const auto start = Clock::now();
    for (int i = 0; i < n; ++i) {
        if (::syscall(SYS_renameat2, AT_FDCWD, from[size_t(i)].c_str(), AT_FDCWD, to[size_t(i)].c_str(),
                      RENAME_NOREPLACE) != 0)
            ++failures;
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (failures)
        std::fprintf(stderr, "plain loop: %d renames failed\n", failures);
    return seconds;
}

struct ApplyRun {
    double seconds = 0;
    long rssBeforeKiB = 0;
    long peakKiB = 0;
    int renamed = 0;
};

ApplyRun applyPass(const std::string& folder, const QString& logFolder, int n)
{
    ControllerState state;
    state.preferences.defaultLogFolderPath = logFolder;
    state.list.files.reserve(size_t(n));
    const QString base = QFile::decodeName(folder.c_str());
    for (int i = 0; i < n; ++i) {
        FileSystemItem item = FileSystemItem::withKind(base + QStringLiteral("/file%1.txt").arg(i), 0);
        item.newFilename = QStringLiteral("renamed%1.txt").arg(i);
        state.list.files.push_back(std::move(item));
    }
    state.list.resetFilesDic();
    const Settings settings = state.settings.snapshot();
    PassProgress progress(nullptr);

    ApplyRun run;
    run.rssBeforeKiB = statusKiB("VmRSS");
    resetPeak();
    const auto start = Clock::now();
    const ApplyOutcome outcome = ApplyDriver::applyRenames(state, settings, nullptr, progress);
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    run.peakKiB = statusKiB("VmHWM");
    run.renamed = outcome.renamedCount;
    if (outcome.logFile.isEmpty())
        std::fprintf(stderr, "apply: no log was written\n");
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Messages::install(Edition::current());
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100000;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 2;

    QTemporaryDir scratch;
    const std::string root = QFile::encodeName(scratch.path()).toStdString();
    const QString logs = scratch.path() + QStringLiteral("/Logs");
    QDir().mkpath(logs);

    // Memory at a tenth of the size first (the peak is reset before each pass).
    if (n >= 10) {
        const std::string folder = root + "/small";
        makeFiles(folder, n / 10);
        const ApplyRun small = applyPass(folder, logs, n / 10);
        std::printf("apply %7d files: %.3f s, RSS before %ld KiB, peak during apply %ld KiB (+%ld KiB)\n",
                    n / 10, small.seconds, small.rssBeforeKiB, small.peakKiB, small.peakKiB - small.rssBeforeKiB);
    }

    double loopBest = 1e300, applyBest = 1e300, loopSum = 0, applySum = 0;
    for (int round = 0; round < rounds; ++round) {
        const std::string loopFolder = root + "/loop" + std::to_string(round);
        makeFiles(loopFolder, n);
        const double loop = plainLoop(loopFolder, n);

        const std::string applyFolder = root + "/apply" + std::to_string(round);
        makeFiles(applyFolder, n);
        const ApplyRun run = applyPass(applyFolder, logs, n);

        std::printf("round %d: renameat2 loop %.3f s (%.1f us/file) | apply %.3f s (%.1f us/file, %d renamed) | "
                    "ratio %.2f | RSS before %ld KiB, peak during apply %ld KiB (+%ld KiB)\n",
                    round + 1, loop, loop * 1e6 / n, run.seconds, run.seconds * 1e6 / n, run.renamed,
                    run.seconds / loop, run.rssBeforeKiB, run.peakKiB, run.peakKiB - run.rssBeforeKiB);
        std::fflush(stdout);
        loopBest = std::min(loopBest, loop);
        applyBest = std::min(applyBest, run.seconds);
        loopSum += loop;
        applySum += run.seconds;
    }
    std::printf("%d files, %d rounds: best loop %.3f s, best apply %.3f s, ratio of bests %.2f, ratio of sums %.2f\n",
                n, rounds, loopBest, applyBest, applyBest / loopBest, applySum / loopSum);
    return 0;
}
