#pragma once

#include "engine/filesystemitem.h"
#include "pipeline/renamelog.h"
#include "pipeline/runahead.h"

#include <QString>

#include <atomic>
#include <optional>

class MovedFolders;
class PassProgress;
class RenameWorker;

// What an apply carries from move to move.
struct MoveContext {
    RenameLogJournal& log;
    MovedFolders* movedFolders; // null when no listed item lies inside a renamed folder
    PassProgress& progress;
    int moves = 0;
    // Makes moves ahead (null while that is off: no journal, folders moving, a file system
    // without RENAME_NOREPLACE, or a short batch).
    RenameWorker* worker = nullptr;
    const std::atomic<bool>* cancel = nullptr;
};

// How one move of an item ended.
enum class MoveOutcome {
    Moved,        // the item is at the target
    CaseChanged,  // a change of letter case, made with the plain rename
    SameFile,     // the target is the item itself and its name was not changed
    Taken,        // another item holds the target
    Unrecordable, // the paths cannot be recorded in the log: nothing was tried
    Unsupported,  // the file system refuses the only way of moving allowed
    Missing,      // the source is gone
    Failed,       // any other refusal
};

// Whether a move may be emulated where the file system refuses RENAME_NOREPLACE. An item
// renamed on its own may (link and unlink, or a rename of a folder whose target is absent);
// a move of a chain or a cycle may not, and ends Unsupported.
enum class MoveEmulation { Allowed, Refused };

inline bool isMade(MoveOutcome outcome)
{
    return outcome == MoveOutcome::Moved || outcome == MoveOutcome::CaseChanged;
}

// One move on disk, never replacing anything: every move of an apply but those made ahead
// by the rename worker (the first move the worker does not make comes here).
// Whether the target is taken is decided by identity: a target that is the source's own
// inode under another spelling of the same name is a change of letter case on a file
// system that ignores case, made with the plain rename.
MoveOutcome moveOnDisk(const QString& source, const QString& target, MoveEmulation emulation);

// One move of an item: recorded in the log ahead of it, taken back from the log when it is
// not made, and counted when made (a folder's move also goes into the moved folders).
// Throws when the log can no longer be extended, which ends the apply: nothing is moved
// without a record.
MoveOutcome moveJournaled(MoveContext& ctx, const FileSystemItem& item, const QString& source,
                          const QString& target, MoveEmulation emulation);

// Takes a move the worker made: its entry, announced ahead, is taken, and the move counted.
void takeMadeMove(MoveContext& ctx, const FileSystemItem& item, const RenameLogJournal::AnnouncedMove& move);

// The move renameItem would make for the item, if any: the target of a usable new name
// that differs from the current one.
std::optional<RenameLogJournal::AnnouncedMove> plannedMove(const FileSystemItem& item);

// Renames one item on its own, setting its status; returns true when it was renamed.
bool renameItem(FileSystemItem& item, MoveContext& ctx);

// The statuses of an item whose target is taken, and of an item that is gone.
const QString& alreadyExists(const FileSystemItem& item);
const QString& notFound(const FileSystemItem& item);

// Runs moves ahead through the context's worker (see RunAhead::run); turns it off for good
// when the file system refuses RENAME_NOREPLACE.
template <typename Plan, typename Take>
size_t runAhead(MoveContext& ctx, size_t from, size_t end, Plan&& plan, Take&& take)
{
    bool usable = true;
    const size_t stopped = RunAhead::run(from, end, plan, take, *ctx.worker, usable, *ctx.cancel);
    if (!usable)
        ctx.worker = nullptr;
    return stopped;
}
