#pragma once

#include "pipeline/renamelogreader.h"

#include <QString>

#include <optional>

// Puts one item of a rename log back under its old name. Nothing that exists is ever
// replaced: an item goes back only when its old path is free and its current path exists
// (a move that refuses an existing target), or, for a change of letter case, when both
// paths name the very same file.
namespace LogRestore {

// The paths an entry names, with the names turned back from their display form ("/" on
// screen is ":" on disk). Nothing when the entry lacks an attribute, a location is not
// absolute, or a name is empty, "." or "..".
struct EntryPaths {
    QString oldPath;
    QString currentPath;
};
std::optional<EntryPaths> entryPaths(const RenameLogEntry& entry);

// Restores one entry; true when the item now stands at its old path again.
bool restoreEntry(const RenameLogEntry& entry);

} // namespace LogRestore
