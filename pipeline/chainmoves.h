#pragma once

#include "pipeline/batchplan.h"

#include <vector>

struct MoveContext;

// Renames the items of a chain (end first) or a cycle (through a temporary name) in one
// go. Either every item of the unit takes its new name, or the moves made are taken back
// at once (journaled, like every move) and the unit is refused. Returns the items renamed.
// madeAhead: the unit's first moves, already made ahead by the rename worker and taken into
// the log, for a unit without cycles (its moves are its members' in order); the items
// still carry their paths from before them.
int renameTogether(std::vector<FileSystemItem>& files, const MoveUnit& unit, MoveContext& ctx, size_t madeAhead = 0);
