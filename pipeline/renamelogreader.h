#pragma once

#include <QList>
#include <QString>

// One "file" element of a rename log: where an item was and where it went. The two
// locations are paths as on disk; the two names are in display form (":" shown as "/").
struct RenameLogEntry {
    QString srclocation;
    QString tarlocation;
    QString srcfilename;
    QString tarfilename;
    bool hasAllAttributes = false; // all four attributes were present
    // The inode of the item moved (0 when the log does not say): after a crash, tells a
    // move that was made from one that was only announced.
    quint64 inode = 0;
};

struct RenameLogContents {
    bool ok = false;       // parsed cleanly to the end of the document
    bool readable = false; // the file could be opened and the root start tag was read
    QString appversion;    // from the root start tag
    QString type;          // "FILES" or "FOLDERS"
    // Every complete "file" element in document order, also those before a premature end
    // (the journal of an apply that was killed).
    QList<RenameLogEntry> entries;
    QString error;         // why ok is false
};

// Streaming reader of rename logs and of the "#" journals of running or interrupted applies.
namespace RenameLogReader {

RenameLogContents read(const QString& path);

// The number of complete "file" elements, without keeping them (0 when unreadable).
int countEntries(const QString& path);

// True while an apply holds the journal's exclusive lock (tested with a non-blocking
// lock on a descriptor of its own, released at once).
bool isLockedByRunningApply(const QString& journalPath);

} // namespace RenameLogReader
