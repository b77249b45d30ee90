#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What an apply did, counted in items as a person reads them (a swap of two items renames
// two items, though its log holds three moves).
struct ApplyOutcome {
    int renamedCount = 0;  // items renamed
    int moveCount = 0;     // moves made and logged, temporary ones included
    int proposedCount = 0; // items that held a proposed name when the apply started
    // Items that held a proposed name and were refused or failed when their turn came, by
    // their status (the stored English text), in the order the statuses were first met.
    // Items the preview had already given a status are not in it.
    QList<QPair<QString, int>> refused;
    // The system's reasons for the items that could not be renamed ("Operation not
    // permitted"), distinct, in the order met: shown with the "Could Not Rename" count.
    QStringList failureReasons;
    // Some move went onto a reserved placeholder (a drive without atomic no-replace moves):
    // the line says so once.
    bool reservedRenames = false;
    qint64 elapsedMs = 0;
    bool cancelled = false; // Cancel stopped the apply between two items (or chains)

    // The rename log on disk: the final log, or the journal kept when the final log could
    // not be written; empty when no log file holds the renames.
    QString logFile;
    // The final log could not be written and the journal (logFile) was kept; the window
    // says so with "LOGSAVEFAILED".
    bool logSaveFailed = false;
    // The user chose "ABORT" when the log could not be created (nothing was renamed).
    bool aborted = false;

    int refusedCount() const;
    // Every proposed item was renamed.
    bool isComplete() const { return !aborted && !cancelled && renamedCount == proposedCount; }
    // Counts one item refused with the given status.
    void addRefusal(const QString& status);

    // The one line that tells the outcome everywhere, in the reader's language:
    // "5 renamed, 8 refused (File Already Exists: 8) in 0.4 s"; after Cancel it starts
    // with "Stopped: ". Durations under a minute in tenths of a second, longer ones as
    // "2 min 5 s".
    QString summary() const;
};

// "0.4 s" or "2 min 5 s", in the reader's language.
QString formatOutcomeDuration(qint64 elapsedMs);
