#pragma once

#include "pipeline/renamelogwriter.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

// The file name of the log of an apply starting at the given time (local time):
// "Log dd-MM-yyyy HH-mm-ss-#.xml". The "#" stands for the rename count until the end.
QString getNewLogFileName(const QDateTime& start = QDateTime::currentDateTime());

// The log name with its "#" replaced by the count, and " (copy)" before ".xml" for a
// copy of 2 or more (two applies in the same second with the same count).
QString logFileNameWithCount(const QString& nameWithHash, const QString& count, int copy = 1);

// Removes a log file; logs "Error in deleteLogFile : <reason>" and returns false on failure.
bool deleteLogFile(const QString& path);

// The rename log of one apply, written ahead of the renames. While the apply runs, the
// log lives in a journal named with "#": each rename is added before the item is moved
// and taken back when the move fails, and the file is a complete XML document after
// every change, so an apply that is killed leaves every rename it made readable. The
// journal holds an exclusive flock for its whole life. At the end saveLog makes the
// journal durable and renames it, atomically and never replacing a file, to the final
// name with the count: a kill leaves either the journal or the final log.
//
// Memory stays flat: entries are written through to the journal and the final log is
// copied from it. Only when the journal could not be created (the user chose to go on
// without a log file) are the entries kept in memory.
class RenameLogJournal {
public:
    RenameLogJournal();
    ~RenameLogJournal(); // releases the lock; the journal file stays unless saved
    RenameLogJournal(const RenameLogJournal&) = delete;
    RenameLogJournal& operator=(const RenameLogJournal&) = delete;

    // Starts the document (root "files" with "appversion", then "type") and writes it to
    // path, whose file name holds the "#". When that name is taken, " (2)", " (3)" ... is
    // tried. Returns false, logging "Error in createLogFile : Could not write document out",
    // when no journal could be written; the document still gathers entries in memory.
    bool createLogFile(const QString& path, const QString& renamingType);
    // Starts the document in memory only, for an apply that has no log folder.
    void beginWithoutJournal(const QString& renamingType);

    enum class EntryResult {
        Added,
        Unrepresentable, // a path holds a character XML 1.0 cannot carry; nothing added
        WriteFailed,     // the journal could not be extended; nothing added
    };
    // Appends one "file" element for a rename from sourceFile to targetFile (full paths),
    // with the inode of the item moved when known (not 0). When the move is the one
    // announced next, its entry is already written and nothing is written now; another
    // move withdraws the announcements first.
    // reserved: the move may go onto a placeholder made first (reserved="0" in the entry).
    EntryResult addLogEntry(const QString& sourceFile, const QString& targetFile, quint64 inode = 0,
                            bool reserved = false);
    // Records that the placeholder of the entry added last has been made, before the move
    // onto it: its flag turns to "1" in place, or, when the entry was written without one
    // (the folder's rung was learnt during this move), the entry is written again with it.
    // False when the journal could not record it (the move must not go on).
    bool recordPlaceholder(const QString& sourceFile, const QString& targetFile, quint64 inode);
    // Removes the entry added last (its move failed), with every announcement after it.
    // Only that one entry can be taken back.
    bool takeBackLastEntry();

    // The entries of the next moves, written in one write before any of them is made, so
    // that a long apply writes its journal in batches. Each is then taken, in order, by
    // the addLogEntry of its move. The moves are made in the order announced, so the
    // entries made form a prefix of the journal: after a crash, recovery finds where that
    // prefix ends from the inodes (the announced moves after it were never made). Moves
    // announced while others are left come after them. Returns how many were announced (a
    // prefix of moves: stops before one the log cannot hold; 0 without a journal).
    struct AnnouncedMove {
        QString source;
        QString target;
        quint64 inode = 0;
        bool reserved = false; // as for addLogEntry
    };
    int announceMoves(const std::vector<AnnouncedMove>& moves);
    // Announcements not taken (yet).
    int announcedLeft() const { return int(pending_.size()); }
    // The target of the move announced next, when it is the move of source (else null).
    const QString* nextAnnouncedTarget(const QString& source) const
    {
        return !pending_.empty() && pending_.front().source == source ? &pending_.front().target : nullptr;
    }

    // Saves the final log beside the journal under the name with the count of items
    // renamed (itemCount; the entry count when negative: a swap renames two items through
    // three moves); a name already taken gets " (2)", " (3)" ... The journal becomes the
    // final log (synced to disk, then renamed); without a journal (its creation failed) the
    // entries gathered in memory are written to a temporary file, synced and renamed. On
    // success returns the final path; on failure logs "Error in saveLog : <reason>", keeps
    // the journal and returns an empty string.
    QString saveLog(int itemCount = -1);

    bool hasJournal() const { return fd_ >= 0; }
    QString journalPath() const { return journalPath_; }
    int entryCount() const { return count_; }

    // The text of a complete document holding the entries so far (for tests and the
    // in-memory case). Reads the journal when there is one.
    QByteArray document() const;

private:
    void prepareDocument(const QString& renamingType);
    // saveLog with a journal: the journal itself becomes the final log.
    QString saveJournalAsLog(int itemCount);
    // Hands the entries' text to take, chunk by chunk, from the journal or from memory.
    bool forEachBodyChunk(const std::function<bool(const char*, qint64)>& take,
                          QString* error = nullptr) const;
    bool writeAt(qint64 offset, const QByteArray& data);
    void closeJournal();
    // Writes elements before the end tag (the document stays complete).
    bool appendToJournal(const QByteArray& elements);
    // Withdraws the announcements not taken.
    bool dropPendingEntries();
    // Ends the entries at offset.
    bool cutJournalAt(qint64 offset);

    struct Pending {
        QString source;
        QString target;
        qint64 offset;     // where its element starts in the journal
        qint64 flagOffset; // where its reserved flag stands, or -1 without one
    };
    std::deque<Pending> pending_;

    QString folder_;
    QString nameWithHash_;     // "Log ...-#.xml", without the copy suffix
    QString journalPath_;
    int fd_ = -1;
    QByteArray header_;        // XML declaration and the root's start tag, with a line feed
    QByteArray body_;          // entries, when there is no journal
    qint64 closingOffset_ = 0; // where the root's end tag starts in the journal
    qint64 lastEntryOffset_ = -1;
    qint64 lastFlagOffset_ = -1; // the reserved flag of the entry added last, or -1
    int count_ = 0;

    bool prepared_ = false; // a document was started (createLogFile or beginWithoutJournal)
};
