#pragma once

#include "pipeline/renamelogreader.h"
#include "platform/foldercase.h"
#include "platform/moveladder.h"

#include <QString>

#include <optional>

// Puts one item of a rename log back under its old name. Nothing that exists is ever
// replaced: an item goes back only when its old path is free and its current path exists
// (a move through MoveLadder, which refuses an existing target), or, for a change of letter
// case in a folder that folds case, when the folder lists the current spelling and not the
// old one (the item itself: it goes back through a temporary name).
namespace LogRestore {

// The paths an entry names, with the names turned back from their display form ("/" on
// screen is ":" on disk). Nothing when the entry lacks an attribute, a location is not
// absolute, or a name is empty, "." or "..".
struct EntryPaths {
    QString oldPath;
    QString currentPath;
};
std::optional<EntryPaths> entryPaths(const RenameLogEntry& entry);

// What restoring one entry did.
struct RestoreResult {
    bool restored = false;
    QString from;         // where the entry says the item is (its new name)
    QString to;           // the old name it goes back to
    // Something still stands at `from`: the entry may yet be undone later, so a log that
    // keeps the entries not restored keeps this one.
    bool isStillThere = false;
    QString reason;       // why it was not restored, in the reader's language
};
// What the restores of one undo learn about the folders they move in.
struct Folders {
    MoveLadder::FolderRungs rungs;
    FolderCase::Cache folds;
};

// With checkInode, an entry that records an inode is undone only while its current path
// still holds that inode (the journal of an interrupted apply, whose entries may have
// been announced and never made). folders: kept from entry to entry (null: asked afresh).
RestoreResult restore(const RenameLogEntry& entry, bool checkInode = false, Folders* folders = nullptr);

} // namespace LogRestore
