#include "undo/listafterundo.h"

#include "engine/filesystemitem.h"
#include "pipeline/movedfolders.h"
#include "undo/undosheetcontroller.h"

#include <QSet>

namespace {
// Where an entry that was not restored parks a path while it is followed: no entry moves
// a path that begins with it, so it marks the stop, and the rest of the path says
// whether the item itself (not the contents of its folder) was left behind.
const QString kLeftBehind = QStringLiteral("\x01left behind\x01");
} // namespace

void followUndo(std::vector<FileSystemItem>& files, const QList<UndoEntryOutcome>& entries)
{
    if (entries.isEmpty())
        return;
    // Every entry as a folder move in the order undone; a path followed with a "/" after
    // it is moved by the entry for the item itself as well as by those of its folders.
    MovedFolders moves;
    QSet<QString> leftBehind;
    for (const UndoEntryOutcome& entry : entries) {
        moves.add(entry.from, entry.restored ? entry.to : kLeftBehind + entry.from);
        if (!entry.restored)
            leftBehind.insert(entry.from);
    }

    const QLatin1Char slash('/');
    for (FileSystemItem& item : files) {
        QString path = moves.resolve(item.fullPath + slash);
        path.chop(1);
        bool notRestored = false;
        if (path.startsWith(kLeftBehind)) {
            path = path.mid(kLeftBehind.size());
            // Stopped by the entry of the item itself, rather than of a folder above it.
            notRestored = leftBehind.contains(path);
        }
        if (notRestored) {
            item.fullPath = path;
            item.newFilename = Status::NotRestored;
        } else if (path != item.fullPath) {
            item.fullPath = path;
            item.newFilename.clear();
        }
    }
}
