#pragma once

#include <QList>
#include <QString>

#include <functional>

struct ControllerState;

// A move of a log that undo did not restore: the entry moved the item from `to` (its name
// before) to `from` (the name the apply gave it), and it is still at `from` or gone.
struct UndoEntryOutcome {
    QString from;
    QString to;
    bool restored = false;
    QString reason; // why it was not restored, in the reader's language
};

// What one undo did. Counts are of items, as the user renamed them: a swap of two items
// logs three moves (one through a temporary name) and counts two. A log whose moves were
// not all restored is kept, rewritten with only the moves that still can be undone.
struct UndoOutcome {
    enum class Status {
        Undone,          // the log's entries were gone through (possibly none restored)
        NoLogSelected,   // no current log
        Busy,            // a background pass is running
        Incompatible,    // the log was written by another major version
        Invalid,         // the log cannot be read, holds nothing readable, or is in use
    };
    Status status = Status::Invalid;
    QString logFilePath;
    int elements = 0;      // items the log renamed
    int restored = 0;      // items put back under their old names
    int moves = 0;         // the log's moves undone (its entries; for a journal, those made)
    int movesRestored = 0;
    bool parsedCleanly = false; // the log was read to its end (only such a log is deleted)
    bool logDeleted = false;
    QString deleteError;   // why a log that was to go could not be deleted
    // Moves not restored whose item still stands under its new name: the log was rewritten
    // (atomically) with just these and kept. 0 when the log went.
    int keptEntries = 0;
    bool keptWhole = false; // the rewrite failed: the log was kept as it was (keptEntries = moves)
    QString keepError;      // why
    // The first moves not restored, in the order undone (the report names them).
    static constexpr int kNamedNotRestored = 10;
    QList<UndoEntryOutcome> notRestored;
};

// Undoes one rename log, without a window: checks the log, restores its moves last first
// on the worker thread, brings the listed items in line, then rewrites the log with the
// moves that can still be undone or deletes it. Memory stays flat in the log's length: the
// entries are read back from the file last first, not held.
class UndoService {
public:
    explicit UndoService(ControllerState& state);

    // Busy during a pass. Invalid (nothing moved, the log stays) when the log cannot be
    // read, holds nothing readable, or is the journal of a running apply. A log without a
    // move to undo is deleted at once. Otherwise beforeMoves is called (the window shows
    // that the undo runs) and the moves are restored; the outcome tells the rest.
    UndoOutcome undoLog(const QString& path, const std::function<void(const UndoOutcome&)>& beforeMoves = {});

    // Removes one log file; logs "Error in deleteLogFile : %1" on failure.
    static bool deleteLog(const QString& path, QString* error = nullptr);

private:
    ControllerState& state_;
};
