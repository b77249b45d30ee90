#pragma once

#include "engine/filesystemitem.h"

// Classifies an item's proposed name against the disk, as preview, rule preview and list
// import do: "No Changes" when the name is unchanged or cannot be a file name, "File/
// Folder Already Exists" when another item holds the target (decided by identity: the
// target is free when absent or when it is the item's own inode, as for a change of
// letter case on a file system that ignores case). Returns true when the item would be
// renamed.
bool classifyProposedName(FileSystemItem& item);

// Nothing of any kind exists at the path (links are not followed).
bool isFileExistsOnDisk(const QString& path);
