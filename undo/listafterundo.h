#pragma once

#include <QList>

#include <vector>

class FileSystemItem;
struct UndoEntryOutcome;

// Brings the window's list in line with what an undo did. Each listed item follows the
// entries in the order they were undone: a restored entry moves the item at its `from`
// path (or the contents of a folder at that path) to its `to` path; an entry that was not
// restored leaves the item where it is, marked "Not Restored". Items an entry moved lose
// their proposed name; items no entry touched are left as they are.
void followUndo(std::vector<FileSystemItem>& files, const QList<UndoEntryOutcome>& entries);
