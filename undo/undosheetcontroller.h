#pragma once

#include "undo/logfilelist.h"
#include "undo/undoservice.h"

#include <QList>
#include <QString>

#include <functional>

struct ControllerState;
class UserInterface;

// The state of the undo dialog, without widgets: the rename logs of the log folder, the
// current log (by selection or from an open panel), the two status texts. Undoing a log is
// UndoService's; this adds what the user is asked and told. Everything it asks or tells
// goes through the UserInterface port; the dialog draws the state through the accessors
// and redraws when the `changed` callback runs. Called on the main thread; the renames of
// an undo run on the worker while the window stays responsive.
class UndoSheetController {
public:
    UndoSheetController(ControllerState& state, UserInterface& ui);

    const QList<LogFileEntry>& logFiles() const { return logFiles_; }
    const QString& currLogFilePath() const { return currLogFilePath_; } // "" when none
    qint32 totalFilesCanBeUndoFromLog() const { return totalFilesCanBeUndoFromLog_; }
    bool isUndoing() const { return isUndoing_; } // while a log is checked or undone
    const QString& logTotalNosOfFiles() const { return logTotalNosOfFiles_; } // number of logs
    // Items in the current log, then the progress and result of an undo.
    const QString& totalFilesInLog() const { return totalFilesInLog_; }
    int selectedRow() const { return selectedRow_; } // -1: no row selected

    // Called after every change of the state above.
    void setChanged(std::function<void()> changed) { changed_ = std::move(changed); }

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
    // Counts the items of the complete entries into totalFilesCanBeUndoFromLog; true when
    // there is one.
    bool verifyLogFile(const QString& path);

    // The Undo button: UndoService::undoLog on the current log, with the report of the
    // counts naming the items that could not be moved back, and why. A log that went is
    // removed from the list; one that cannot be read changes nothing.
    UndoOutcome undoRenaming();
    // For callers without a table: version test, then undoRenaming on that path.
    UndoOutcome undoLogFile(const QString& path);

    // The Delete button: asks "UNDOFILESFOLDERSDELETECONFIRM", then removeSelectedFileFromList.
    void deleteLogFile();
    // Deletes the current log, removes its row and selects the row now at the same index
    // (or the last). False when the file could not be deleted (the user is told).
    bool removeSelectedFileFromList();

    // Opens the current log in the desktop's default application.
    void viewLogFileContent();
    void showHelp();

private:
    void notify();
    // What the table's data source shows whenever it is reloaded.
    void reloadData();
    bool isCompatible(const QString& path);
    // The current log went (or should have: the user is told when it could not be
    // deleted): no log is current, its row goes and the row now at its index is selected.
    void forgetCurrentLog(bool deleted, const QString& reason);
    // The counts of an undo, and the moves left behind with their reasons.
    void report(const UndoOutcome& outcome);

    ControllerState& state_;
    UserInterface& ui_;
    UndoService service_;
    std::function<void()> changed_;

    QList<LogFileEntry> logFiles_;
    QString currLogFilePath_;
    qint32 totalFilesCanBeUndoFromLog_ = 0;
    bool isUndoing_ = false;
    QString logTotalNosOfFiles_;
    QString totalFilesInLog_;
    int selectedRow_ = -1;
};
