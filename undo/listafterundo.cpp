#include "undo/listafterundo.h"

#include "engine/filesystemitem.h"

namespace {
// Where a move that was not restored parks a path while it is followed: no move starts
// from a path that begins with it, so it marks the stop, and the rest of the path says
// whether the item itself (not the contents of its folder) was left behind.
const QString kLeftBehind = QStringLiteral("\x01left behind\x01");

// A status the last preview gave that tells of a failure on the disk as it was then.
bool isStaleFailure(const QString& newFilename)
{
    return Status::isError(newFilename) && newFilename != Status::NoChanges && newFilename != Status::NotRestored;
}
} // namespace

void ListAfterUndo::add(const QString& from, const QString& to, bool restored)
{
    // A path followed with a "/" after it is moved by the move of the item itself as well
    // as by those of its folders.
    moves_.add(from, restored ? to : kLeftBehind + from);
    if (!restored)
        leftBehind_.insert(from);
}

void ListAfterUndo::apply(std::vector<FileSystemItem>& files) const
{
    const QLatin1Char slash('/');
    for (FileSystemItem& item : files) {
        QString path = moves_.resolve(item.fullPath + slash);
        path.chop(1);
        bool notRestored = false;
        if (path.startsWith(kLeftBehind)) {
            path = path.mid(kLeftBehind.size());
            // Stopped by the move of the item itself, rather than of a folder above it.
            notRestored = leftBehind_.contains(path);
        }
        if (notRestored) {
            item.fullPath = path;
            item.newFilename = Status::NotRestored;
        } else if (path != item.fullPath) {
            item.fullPath = path;
            item.newFilename.clear();
        } else if (isStaleFailure(item.newFilename)) {
            item.newFilename.clear();
        }
    }
}
