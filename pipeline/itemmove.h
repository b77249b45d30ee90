#pragma once

#include "engine/filesystemitem.h"
#include "pipeline/renamelog.h"
#include "pipeline/runahead.h"
#include "platform/foldercase.h"
#include "platform/moveladder.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class MovedFolders;
class PassProgress;
class RenameWorker;

// What the moves of a pass know about a folder: whether it folds letter case, and whether
// its file system's inode numbers name a file for good (FUSE and network file systems may
// give every lookup a number of its own).
struct FolderFacts {
    bool foldsCase = false;
    bool stableInodes = true;
};

// The facts of the folders met, each asked of the disk once per pass.
class FolderFactsCache {
public:
    const FolderFacts& of(QStringView folder);

private:
    QString lastFolder_;
    FolderFacts last_;
    bool haveLast_ = false;
    QHash<QString, FolderFacts> known_;
};

// What an apply carries from move to move.
struct MoveContext {
    RenameLogJournal& log;
    MovedFolders* movedFolders; // null when no listed item lies inside a renamed folder
    PassProgress& progress;
    int moves = 0;
    // Makes moves ahead (null while that is off: no journal, folders moving, or a short
    // batch). Only moves in folders whose rung is renameat2 are handed to it.
    RenameWorker* worker = nullptr;
    const std::atomic<bool>* cancel = nullptr;
    MoveLadder::FolderRungs rungs;
    FolderFactsCache folders;
    // The system's reason for the last move that failed, and the distinct reasons of the
    // items that could not be renamed, in the order met.
    int lastError = 0;
    QStringList failureReasons;
    // Called with a folder and its rung the first time a move learns it (--verbose).
    std::function<void(const QString& folder, MoveLadder::Rung rung)> onRungLearnt;
};

// How one move of an item ended.
enum class MoveOutcome {
    Moved,        // the item is at the target
    SameFile,     // the target is the item itself under another name; nothing changed
    Taken,        // another item holds the target
    Unrecordable, // the paths cannot be recorded in the log: nothing was tried
    Missing,      // the source is gone
    Failed,       // any other refusal (the context's lastError says why)
};

inline bool isMade(MoveOutcome outcome)
{
    return outcome == MoveOutcome::Moved;
}

// One move on disk through the ladder, never replacing anything: every move of an apply
// but those made ahead by the rename worker (the first move the worker does not make comes
// here). Whether a target that exists is the item itself is decided by identity.
// onPlaceholder records a placeholder of the reserved rung; error gets the errno of a move
// that failed.
MoveOutcome moveOnDisk(MoveLadder::FolderRungs& rungs, const QString& source, const QString& target,
                       MoveLadder::Kind kind, const MoveLadder::PlaceholderMade& onPlaceholder = {},
                       int* error = nullptr);

// One move of an item: recorded in the log ahead of it, taken back from the log when it is
// not made, and counted when made (a folder's move also goes into the moved folders).
// Throws when the log can no longer be extended, which ends the apply: nothing is moved
// without a record.
MoveOutcome moveJournaled(MoveContext& ctx, const FileSystemItem& item, const QString& source,
                          const QString& target);

// Takes a move the worker made: its entry, announced ahead, is taken, and the move counted.
void takeMadeMove(MoveContext& ctx, const FileSystemItem& item, const RenameLogJournal::AnnouncedMove& move);

// The moves renameItem would make for the item, appended to out: none, one, or two for a
// change of letter case in a folder that folds case (through a hidden temporary name).
// Returns how many were appended.
int plannedMoves(MoveContext& ctx, const FileSystemItem& item, std::vector<RenameLogJournal::AnnouncedMove>& out);

// The one move of an item for the rename worker. Nothing with eligible true: the item is
// not moved. Nothing with eligible false: it moves, but not ahead (its folder's rung is
// not, or not yet, renameat2, or it goes through a temporary name).
std::optional<RenameLogJournal::AnnouncedMove> moveAhead(MoveContext& ctx, const FileSystemItem& item,
                                                         bool& eligible);

// The entry of a move as the journal records it: the inode only where it can be trusted,
// and the reserved flag where the folder's rung makes a placeholder.
RenameLogJournal::AnnouncedMove journaledMove(MoveContext& ctx, const FileSystemItem& item, const QString& source,
                                              const QString& target);

// Renames one item on its own, setting its status; returns true when it was renamed.
bool renameItem(FileSystemItem& item, MoveContext& ctx);

// The statuses of an item whose target is taken, and of an item that is gone.
const QString& alreadyExists(const FileSystemItem& item);
const QString& notFound(const FileSystemItem& item);
// The status of an item whose move was not made, by how it ended; a failure's reason is
// kept in the context for the outcome line.
const QString& statusOfMoveNotMade(MoveContext& ctx, const FileSystemItem& item, MoveOutcome outcome);

// Runs moves ahead through the context's worker (see RunAhead::run).
template <typename Plan, typename Take>
size_t runAhead(MoveContext& ctx, size_t from, size_t end, Plan&& plan, Take&& take)
{
    return RunAhead::run(from, end, plan, take, *ctx.worker, *ctx.cancel);
}
