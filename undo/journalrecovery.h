#pragma once

#include "pipeline/renamelogreader.h"

#include <optional>

// Where the moves made end in the journal of an interrupted apply. Moves are made in
// journal order, so those made form a prefix; the entries after it were announced and never
// made. Walking back from the journal's end, an entry is taken as made when its item still
// holds the inode it records; an entry without an inode (a file system whose inode numbers
// cannot be trusted) when its exact old name is absent from its folder's listing and its
// exact new name present. An entry whose placeholder was made is not made while that
// placeholder stands empty beside its source: the placeholder is removed, and so is the
// placeholder of the move that was in flight (the first not made), journaled or not yet.
namespace JournalRecovery {

struct Tail {
    std::optional<RenameLogEntry> lastMade; // the last entry made; none when no move was made
    qsizetype movesNotMade = 0;             // entries after it
    qsizetype itemsNotMade = 0;             // of those, moves of items (not of temporary names)
    int placeholdersRemoved = 0;
};

// Reads the journal back (log.previous) up to its last entry made.
Tail findLastMade(RenameLogBackwards& log);

} // namespace JournalRecovery
