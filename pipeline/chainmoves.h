#pragma once

#include "pipeline/batchplan.h"

#include <vector>

struct MoveContext;

// Renames the items of a chain (end first) or a cycle (through a temporary name) in one
// go. Either every item of the unit takes its new name, or the moves made are taken back
// at once (journaled, like every move) and the unit is refused. Returns the items renamed.
int renameTogether(std::vector<FileSystemItem>& files, const MoveUnit& unit, MoveContext& ctx);
