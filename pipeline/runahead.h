#pragma once

#include "pipeline/renamelog.h"
#include "platform/renameworker.h"

#include <atomic>
#include <cstddef>
#include <vector>

// Moves made ahead: a batch of moves is announced to the journal and handed to the rename
// worker; while the kernel makes them, the next batch is planned and announced; then the
// results of the first are taken in order. What is recorded does not change: every move is
// announced before it is made, the moves are made in journal order, and the first move
// that fails ends the run, leaving that move and everything announced after it to the
// caller's move-by-move path (which takes the announcements in order).
namespace RunAhead {

// A batch covers positions [begin, end) of what the caller walks (units of a list, steps
// of a chain); a position may have no move (moveOf -1).
struct Batch {
    size_t begin = 0;
    size_t end = 0;
    std::vector<qint32> moveOf; // per position: its move in moves, or -1
    std::vector<RenameLogJournal::AnnouncedMove> moves;
    RenameWorker::Batch native;

    // Adds the move of the next position (none when move is null). False (nothing added)
    // when its paths cannot go to the kernel as they are.
    bool add(const RenameLogJournal::AnnouncedMove* move);
};

// The most moves in one batch, and in one write of the journal.
constexpr size_t kBatchMoves = 512;

// Fewer moves than this are made one by one: a batch ahead would not pay for itself.
constexpr size_t kMinimumMoves = 64;

// Announces the batch's moves; a batch whose move the journal cannot hold ends before it.
void announce(Batch& batch, RenameLogJournal& log);

// The position of the batch's first move not made by the worker (its end when all were).
size_t firstNotMade(const Batch& batch);

// Runs batches from position `from` while every move is made: plan(position) returns the
// announced batch starting there (empty when none can start there), take(batch) takes its
// results and returns the position where it stopped (the batch's end when every move was
// made). Returns the position where the caller's own path takes over (a move refused for
// want of RENAME_NOREPLACE goes there too, and MoveLadder learns the folder's rung).
template <typename Plan, typename Take>
size_t run(size_t from, size_t end, Plan&& plan, Take&& take, RenameWorker& worker, const std::atomic<bool>& cancel)
{
    Batch current = plan(from);
    if (current.end == current.begin)
        return from;
    struct WaitForWorker {
        RenameWorker& worker;
        ~WaitForWorker() { worker.wait(); } // never unwinds past a batch in the kernel's hands
    } waitForWorker{worker};
    worker.start(current.native);
    while (true) {
        Batch next;
        const bool more = current.end < end && !cancel.load();
        if (more)
            next = plan(current.end);
        worker.wait();
        const size_t stopped = take(current);
        if (stopped < current.end)
            return stopped;
        if (!more || next.end == next.begin)
            return current.end;
        current = std::move(next);
        worker.start(current.native);
    }
}

} // namespace RunAhead
