#pragma once

#include "engine/filesystemitem.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <vector>

// Counts of items by status (the stored English text), in the order the statuses were
// first met.
using StatusCounts = QList<QPair<QString, int>>;

// What an apply did, counted in items as a person reads them (a swap of two items renames
// two items, though its log holds three moves).
struct ApplyOutcome {
    int renamedCount = 0;  // items renamed
    int moveCount = 0;     // moves made and logged, temporary ones included
    int proposedCount = 0; // items that held a proposed name when the apply started
    // Items that held a proposed name and were refused or failed when their turn came, by
    // their status. Items the preview had already refused are in refusedAtPreview.
    StatusCounts refused;
    // Items the preview had given an error status other than "No Changes" ("File Name
    // Used Twice", "File Already Exists" ...): the apply never tries them, but they are
    // items the user meant to rename.
    StatusCounts refusedAtPreview;
    // The system's reasons for the items that could not be renamed ("Operation not
    // permitted"), distinct, in the order met: shown with the "Could Not Rename" count.
    QStringList failureReasons;
    // Some move went onto a reserved placeholder (a drive without atomic no-replace moves):
    // the line says so once.
    bool reservedRenames = false;
    // Names the preview numbered instead of refusing them as used twice: "3 names numbered".
    int numberedCount = 0;
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

    // Items refused or failed during the apply.
    int refusedCount() const;
    // Every refused item, at preview or at apply.
    int allRefusedCount() const;
    // Every proposed item was renamed.
    bool isComplete() const { return !aborted && !cancelled && renamedCount == proposedCount; }
    // Counts one item refused with the given status.
    void addRefusal(const QString& status);
    // Takes the refusals the preview left in the list and among the companion files that
    // follow listed items (before any move changes a status).
    void countPreviewRefusals(const std::vector<FileSystemItem>& files,
                              const std::vector<FileSystemItem>& followers = {});
    // Counts the items the intake left out because their names are not UTF-8 among the
    // refusals at preview (under a reason of their own, in the reader's language).
    void countLeftOutAtIntake(int count);

    // The one line that tells the outcome everywhere, in the reader's language, with every
    // refusal (at preview or at apply) under one word: "9 renamed, 3 refused (File Name
    // Used Twice: 3) in 0.1 s"; after Cancel it starts with "Stopped: ". Durations under
    // a minute in tenths of a second, longer ones as "2 min 5 s".
    QString summary() const;
};

// The refusals a preview left in the list: items whose proposed name is an error status
// other than "No Changes", counted in the list and then among the followers that are not
// listed.
StatusCounts previewRefusals(const std::vector<FileSystemItem>& files,
                             const std::vector<FileSystemItem>& followers = {});
int totalCount(const StatusCounts& counts);
// "File Name Used Twice: 3, File Already Exists: 1", in the reader's language; the
// system's reasons, when given, follow the count of "Could Not Rename" ("Could Not
// Rename: 1 (Operation not permitted)").
QString refusalReasons(const StatusCounts& counts, const QStringList& failureReasons = {});

// The question before an apply, counting every file the apply would move (the list's items
// and the companion files that follow them but are not listed): "Rename 9 items to the new
// names shown in the list?", or with refusals "Rename 9 of 12 items? 3 are refused (File
// Name Used Twice: 3)."
QString applyConfirmation(const std::vector<FileSystemItem>& files, const std::vector<FileSystemItem>& followers = {});

// "0.4 s" or "2 min 5 s", in the reader's language.
QString formatOutcomeDuration(qint64 elapsedMs);
