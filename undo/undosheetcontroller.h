#pragma once

#include "pipeline/renamelogreader.h"
#include "undo/logfilelist.h"

#include <QList>
#include <QString>

#include <functional>

struct ControllerState;
class UserInterface;

// What undoing one log entry did. The entries are undone last first; each moved the item
// from `from` (the name the apply gave it) back to `to` (its name before), or left it.
struct UndoEntryOutcome {
    QString from;
    QString to;
    bool restored = false;
    QString reason; // why it was not restored, in the reader's language ("" when restored)
};

// What one undo did: the counts, and for the list of the window every entry in the order
// undone. To give listed items their names back, follow `entries` in order: an item (or a
// folder's contents) at `from` of a restored entry is now at `to`; an item at `from` of
// an entry not restored stays there ("Not Restored"). A log whose entries were not all
// restored is kept, rewritten with only the entries that still can be undone.
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
    int elements = 0;      // entries the log holds
    int restored = 0;      // entries put back under their old names
    bool logDeleted = false;
    // Entries not restored whose item still stands under its new name: the log was
    // rewritten (atomically) with just these and kept. 0 when the log went.
    int keptEntries = 0;
    QList<UndoEntryOutcome> entries; // every entry, in the order undone (last first)
};

// The logic of the undo dialog, without widgets: lists the rename logs of the log folder,
// makes one current (by selection or from an open panel), reverses its renames last first
// and deletes it. Everything it asks or tells goes through the UserInterface port; the
// dialog draws the public fields and redraws when `changed` is called. Called on the main
// thread; the renames of an undo run on the worker while the window stays responsive.
class UndoSheetController {
public:
    UndoSheetController(ControllerState& state, UserInterface& ui);

    QList<LogFileEntry> logFiles;
    QString currLogFilePath;               // "" when none
    qint32 totalFilesCanBeUndoFromLog = 0;
    bool isUndoing = false;                // while a log is checked or undone
    QString logTotalNosOfFiles;            // number of logs
    QString totalFilesInLog;               // renames in the current log, then undo progress
    int selectedRow = -1;                  // -1: no row selected

    std::function<void()> changed;         // called after every change of the fields above

    // The live log folder of the preferences.
    QString defaultLogFolderPath() const;

    // The dialog opened: no current log, the list loaded.
    void awakeFromNib();
    // Lists the log folder, newest first, and resets the two status texts.
    void loadUserLogFiles();
    // Selecting a row makes its log current; -1 (no row) leaves no log current.
    void tableViewSelectionDidChange(int row);
    // A click on a column header: "logFileName", "dateCreated" or "filesCount". The
    // selected log stays selected.
    void sortByColumn(const QString& column, bool ascending);

    // Open panel for any log file, then openLogFileAtPath.
    void openLogFile();
    // Version test ("UNDOFILESFOLDERSINCOMPATIBLE"), then the log becomes current with no
    // row selected and is checked ("UNDOFILESFOLDERSINVALIDFILE" when it holds no entry).
    // False when the version test refused it.
    bool openLogFileAtPath(const QString& path);
    // Counts the complete entries into totalFilesCanBeUndoFromLog; true when there is one.
    bool verifyLogFile(const QString& path);
    // The log's contents; logs "Error in readLogFile : %1" when it did not parse cleanly.
    RenameLogContents readLogFile(const QString& path);

    // The Undo button: restores the current log's entries, last first (on the worker thread,
    // returning when they are done), reports the counts and names the items that could not
    // be moved back, and why. Then deletes the log, but only a log that parsed cleanly and
    // whose items are all back (or gone); a log with entries that can still be undone is
    // rewritten with just those and kept. A log that cannot be read (or is the journal of
    // a running apply) changes nothing.
    UndoOutcome undoRenaming();
    // For callers without a table: version test, then undoRenaming on that path.
    UndoOutcome undoLogFile(const QString& path);

    // The Delete button: asks "UNDOFILESFOLDERSDELETECONFIRM", then removeSelectedFileFromList.
    void deleteLogFile();
    // Removes one log file; logs "Error in deleteLogFile : %1" on failure.
    bool deleteLog(const QString& path, QString* error = nullptr);
    // Deletes the current log, removes its row and selects the row now at the same index
    // (or the last). False when the file could not be deleted (the user is told).
    bool removeSelectedFileFromList();

    // Opens the current log in the desktop's default application.
    void viewLogFileContent();
    void showHelp();

private:
    void notify();
    // Restores the entries, last first, on the worker thread; one result per entry in
    // that order. checkInodes: as for an interrupted apply's journal (LogRestore).
    QList<UndoEntryOutcome> restoreOnWorker(const QList<RenameLogEntry>& entries, QList<RenameLogEntry>* keep, bool checkInodes);
    // Replaces the log by one holding only the given entries (atomically).
    bool rewriteLog(const QString& path, const RenameLogContents& contents, const QList<RenameLogEntry>& keep,
                    QString* error);
    // What the table's data source shows whenever it is reloaded.
    void reloadData();
    bool isCompatible(const QString& path);

    ControllerState& state_;
    UserInterface& ui_;
};
