#pragma once

#include "pipeline/renamelogreader.h"
#include "undo/logrestore.h"

#include <functional>
#include <optional>

// Restores the entries of a log last first, as LogRestore::restore would one by one, at the
// pace of an apply: the plain case (the current path is there, the old one free) is one
// renameat2(RENAME_NOREPLACE) made relative to the folder, in batches on a RenameWorker
// thread while the next batch is read from the log. Anything else (a move the batch could
// not make, an entry with unsound paths, an inode to check, a folder whose file system
// refuses the no-replace flag) goes through LogRestore::restore in its turn, on the rungs
// MoveLadder finds, and says why it was not restored.
namespace RestoreLastFirst {

// Called for each entry in the order undone, with what restoring it did.
using OnRestored = std::function<void(const RenameLogEntry& entry, const LogRestore::RestoreResult& result)>;

// Restores `count` entries: `first` (when given) and then those log.previous() gives.
// checkInodes: as for an interrupted apply's journal (LogRestore::restore).
void run(RenameLogBackwards& log, std::optional<RenameLogEntry> first, qsizetype count, bool checkInodes,
         const OnRestored& onRestored);

} // namespace RestoreLastFirst
