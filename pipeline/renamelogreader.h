#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

// One "file" element of a rename log: where an item was and where it went. The two
// locations are paths as on disk; the two names are in display form (":" shown as "/").
class CheckedFile;

struct RenameLogEntry {
    QString srclocation;
    QString tarlocation;
    QString srcfilename;
    QString tarfilename;
    bool hasAllAttributes = false; // all four attributes were present
    // The inode of the item moved (0 when the log does not say, or where the file system's
    // inode numbers cannot be trusted): after a crash, tells a move that was made from one
    // that was only announced.
    quint64 inode = 0;
    // The move goes onto a placeholder made at the target first (a drive without atomic
    // no-replace moves): Planned until the placeholder is made, then Made. After a crash an
    // empty placeholder left beside its source is removed.
    enum class Reservation : quint8 { None, Planned, Made };
    Reservation reservation = Reservation::None;
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

// Whether an entry moved an item of the batch. A swap of a and b logs three moves (a to a
// temporary name, b to a, the temporary name to b) for two items: the move from the
// temporary name finishes the journey of an item already counted.
bool isItem(const RenameLogEntry& entry);

// True while an apply holds the journal's exclusive lock (tested with a non-blocking
// lock on a descriptor of its own, released at once).
bool isLockedByRunningApply(const QString& journalPath);

} // namespace RenameLogReader

// The complete entries of a log last first, as undo takes them, without holding them all.
// The log is read through once on construction (what read() tells but the entries); a log
// in the layout the program writes is then read backwards block by block, any other is
// kept whole from that first reading.
class RenameLogBackwards {
public:
    explicit RenameLogBackwards(const QString& path);
    ~RenameLogBackwards();
    RenameLogBackwards(const RenameLogBackwards&) = delete;
    RenameLogBackwards& operator=(const RenameLogBackwards&) = delete;

    // As read() gives them, with the entries left empty.
    const RenameLogContents& contents() const { return contents_; }
    qsizetype entryCount() const { return entryCount_; }
    qsizetype itemCount() const { return itemCount_; }

    // The entry before the one given last (at first, the log's last entry); false when
    // none is left.
    bool previous(RenameLogEntry& entry);

private:
    bool readBlockBefore();

    RenameLogContents contents_;
    qsizetype entryCount_ = 0;
    qsizetype itemCount_ = 0;
    // Read backwards: the open log, and the bytes of the entries' lines not given yet that
    // have been read (from bufferStart_ in the file).
    std::unique_ptr<CheckedFile> file_;
    qint64 bodyStart_ = 0;
    qint64 bufferStart_ = 0;
    QByteArray buffer_;
    // Kept whole: the entries not given yet.
    QList<RenameLogEntry> entries_;
};
