#pragma once

#include "pipeline/movedfolders.h"

#include <QSet>
#include <QString>

#include <vector>

class FileSystemItem;

// Brings the window's list in line with what an undo did. The moves are given in the order
// undone; each listed item follows them: a restored move takes the item at its `from` path
// (or the contents of a folder at that path) to its `to` path; a move that was not restored
// leaves the item where it is, marked "Not Restored". Items a move touched lose their
// proposed name. Items no move touched keep theirs, but not a failure status of the last
// preview ("File Already Exists" and the like): the disk it judged has changed. "Not
// Restored" marks stay.
class ListAfterUndo {
public:
    void add(const QString& from, const QString& to, bool restored);
    void apply(std::vector<FileSystemItem>& files) const;

private:
    MovedFolders moves_;
    QSet<QString> leftBehind_;
};
