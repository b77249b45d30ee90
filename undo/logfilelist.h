#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One rename log as the undo dialog lists it. logFileName, dateCreated and filesCount are
// the table's columns (and its column identifiers); the rest is kept for sorting and for
// making the log current.
struct LogFileEntry {
    QString logFileName;   // the file name, no folder
    QString dateCreated;   // sortTime in the fixed form "yyyy-MM-dd HH:mm:ss Z"
    int filesCount = 0;    // from the name; for a "#" journal the items it really holds
    QDateTime sortTime;    // birth time, else the time in the name, else the modification time
    QDateTime nameTime;    // the start of the apply as the name writes it (tie-break)
    QString logFilePath;   // the folder it was listed from joined with logFileName
    bool isJournal = false;
};

// What a log's file name tells: "Log dd-MM-yyyy HH-mm-ss-<count>.xml", possibly with
// " (2)" after the count, or "#" in place of the count while (or if) the apply never ended.
struct LogFileName {
    int count = 0;         // the leading integer of the last part; 0 for a journal
    bool isJournal = false;
    std::optional<QDateTime> startTime; // the date and time part, read in the user's zone
};

namespace LogFileList {

// The six-part test of a name: its extension is "xml" (any case) and the name without it
// splits at "-" into exactly six parts. Nothing for any other name.
std::optional<LogFileName> parseLogFileName(const QString& fileName);

// The logs of a folder that undo offers, newest first: the names that pass
// parseLogFileName, whose "appversion" has the program's major version, whose attributes
// can be read, and which are not the journal of an apply that is still running. A folder
// that cannot be listed gives no entries.
QList<LogFileEntry> listLogFiles(const QString& folder);

// Sorts by one of the column identifiers "logFileName" (natural order), "dateCreated"
// (time value) or "filesCount". Equal keys fall back to the time value, newest first.
// An unknown column leaves the list as it is.
void sortLogFiles(QList<LogFileEntry>& entries, const QString& column, bool ascending);

} // namespace LogFileList
