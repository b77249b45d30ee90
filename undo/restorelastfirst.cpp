#include "undo/restorelastfirst.h"

#include "platform/renameworker.h"

#include <atomic>
#include <utility>
#include <vector>

namespace RestoreLastFirst {

namespace {

// Enough moves to keep the worker busy while the next batch is read, few enough that a
// move failing early sends little of its batch the careful way.
constexpr size_t kBatchMoves = 256;

struct Step {
    RenameLogEntry entry;
    std::optional<LogRestore::EntryPaths> paths;
    bool inBatch = false; // made by the worker as the batch's next move
};

// The moves of one batch in order, then at most one step that is made the careful way.
struct Round {
    RenameWorker::Batch batch;
    std::vector<Step> steps;
};

} // namespace

void run(RenameLogBackwards& log, std::optional<RenameLogEntry> first, qsizetype count, bool checkInodes,
         const OnRestored& onRestored)
{
    qsizetype left = count;
    const auto next = [&](RenameLogEntry& entry) {
        if (left <= 0)
            return false;
        --left;
        if (first) {
            entry = std::move(*first);
            first.reset();
            return true;
        }
        return log.previous(entry);
    };
    LogRestore::Folders folders;
    const auto movesAtOnce = [&](const QString& path) {
        const MoveLadder::Rung rung = folders.rungs.rungOfFolder(MoveLadder::folderOf(path));
        return rung == MoveLadder::Rung::Unknown || rung == MoveLadder::Rung::NoReplace;
    };
    const auto fill = [&](Round& round) {
        round.batch = RenameWorker::Batch();
        round.steps.clear();
        Step step;
        while (round.batch.size() < kBatchMoves && next(step.entry)) {
            step.paths = LogRestore::entryPaths(step.entry);
            // A journal's inode is checked before its move: not a plain move. Nor is a move
            // in a folder whose file system refuses renameat2's no-replace flag.
            step.inBatch = step.paths && !(checkInodes && step.entry.inode != 0)
                && movesAtOnce(step.paths->oldPath) && round.batch.add(step.paths->currentPath, step.paths->oldPath);
            round.steps.push_back(std::move(step));
            if (!round.steps.back().inBatch)
                break;
        }
    };
    const auto finish = [&](Round& round) {
        // The moves made are restored; from the first that was not (the disk unchanged by
        // it), the rest of the round goes the careful way, in order.
        for (size_t i = 0; i < round.steps.size(); ++i) {
            const Step& step = round.steps[i];
            if (step.inBatch && i < round.batch.made) {
                LogRestore::RestoreResult result;
                result.restored = true;
                result.from = step.paths->currentPath;
                result.to = step.paths->oldPath;
                onRestored(step.entry, result);
            } else {
                onRestored(step.entry, LogRestore::restore(step.entry, checkInodes, &folders));
            }
        }
    };

    // The rounds outlive the worker that may be making one of them.
    Round rounds[2];
    const std::atomic<bool> never{false};
    RenameWorker worker(never);
    Round* current = &rounds[0];
    Round* following = &rounds[1];
    fill(*current);
    while (!current->steps.empty()) {
        worker.start(current->batch);
        fill(*following); // read while the kernel moves
        worker.wait();
        finish(*current);
        std::swap(current, following);
    }
}

} // namespace RestoreLastFirst
