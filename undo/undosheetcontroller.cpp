#include "undo/undosheetcontroller.h"


#include "engine/filesystemitem.h"
#include "engine/stringutilities.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passrunner.h"
#include "platform/apppaths.h"
#include "platform/checkedfile.h"
#include "platform/edition.h"
#include "platform/filemanager.h"
#include "platform/messages.h"
#include "platform/userinterface.h"
#include "undo/listafterundo.h"
#include "undo/logrestore.h"

#include <QDebug>
#include <QFileInfo>
#include <QXmlStreamWriter>

#include <algorithm>
#include <utility>
#include <exception>
#include <memory>

namespace {

const char* const kTitle = "UNDOFILESFOLDERSTITLE";

} // namespace

UndoSheetController::UndoSheetController(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
}

void UndoSheetController::notify()
{
    if (changed)
        changed();
}

QString UndoSheetController::defaultLogFolderPath() const
{
    return state_.preferences.defaultLogFolderPath;
}

void UndoSheetController::reloadData()
{
    logTotalNosOfFiles = msg("TOTALLOGFILES").arg(logFiles.size());
    totalFilesInLog = msg("TOTALNOSRENAMEDITEMSFOUND").arg(0);
}

void UndoSheetController::awakeFromNib()
{
    currLogFilePath.clear();
    totalFilesCanBeUndoFromLog = 0;
    logFiles.clear();
    loadUserLogFiles();
}

void UndoSheetController::loadUserLogFiles()
{
    logFiles = LogFileList::listLogFiles(defaultLogFolderPath());
    selectedRow = -1;
    reloadData();
    notify();
}

void UndoSheetController::tableViewSelectionDidChange(int row)
{
    if (row < 0 || row >= logFiles.size()) {
        // No row, no current log: nothing is offered for undo.
        selectedRow = -1;
        currLogFilePath.clear();
        totalFilesCanBeUndoFromLog = 0;
        totalFilesInLog = msg("TOTALNOSRENAMEDITEMSFOUND").arg(0);
        notify();
        return;
    }
    selectedRow = row;
    const LogFileEntry& entry = logFiles.at(row);
    currLogFilePath = entry.logFilePath;
    totalFilesCanBeUndoFromLog = entry.filesCount;
    totalFilesInLog = msg("TOTALNOSRENAMEDITEMSFOUND").arg(totalFilesCanBeUndoFromLog);
    notify();
}

void UndoSheetController::sortByColumn(const QString& column, bool ascending)
{
    const QString selectedPath = selectedRow >= 0 ? logFiles.at(selectedRow).logFilePath : QString();
    LogFileList::sortLogFiles(logFiles, column, ascending);
    if (!selectedPath.isEmpty()) {
        for (int i = 0; i < logFiles.size(); ++i) {
            if (logFiles.at(i).logFilePath == selectedPath)
                selectedRow = i;
        }
    }
    notify();
}

bool UndoSheetController::isCompatible(const QString& path)
{
    if (StringUtilities::isFileVersionMatch(StringUtilities::appVersionInPlist(path)))
        return true;
    // A file that cannot be read at all is not "another version": the check that follows
    // reports it as invalid.
    if (!RenameLogReader::read(path).readable)
        return true;
    ui_.alert(AlertStyle::Critical, msg(kTitle), msg("UNDOFILESFOLDERSINCOMPATIBLE"));
    return false;
}

void UndoSheetController::openLogFile()
{
    PanelOptions options;
    options.title = msg("SELECTLOGFILETITLE").arg(Edition::current().displayName);
    options.directory = defaultLogFolderPath();
    if (options.directory.isEmpty())
        options.directory = AppPaths::getAppPath() + QStringLiteral("/Logs");
    options.canChooseFiles = true;
    options.canChooseDirectories = false;
    options.allowsMultipleSelection = false;
    options.allowedExtensions = {QStringLiteral("xml")};
    const QStringList chosen = ui_.openPanel(options);
    if (chosen.isEmpty())
        return;
    openLogFileAtPath(chosen.first());
}

bool UndoSheetController::openLogFileAtPath(const QString& path)
{
    if (!isCompatible(path))
        return false;
    currLogFilePath = path;
    selectedRow = -1;
    notify();
    if (!verifyLogFile(path))
        ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSINVALIDFILE"));
    return true;
}

bool UndoSheetController::verifyLogFile(const QString& path)
{
    try {
        isUndoing = true;
        totalFilesInLog = msg("CHECKINGLOGFILE");
        notify();
        // Complete entries count even when the file ends early (a crashed apply's journal).
        totalFilesCanBeUndoFromLog = qint32(readLogFile(path).entries.size());
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("Error in verifyLogFile :  %1").arg(QString::fromUtf8(e.what()));
    }
    isUndoing = false;
    totalFilesInLog = msg("TOTALNOSRENAMEDITEMSFOUND").arg(totalFilesCanBeUndoFromLog);
    notify();
    return totalFilesCanBeUndoFromLog > 0;
}

RenameLogContents UndoSheetController::readLogFile(const QString& path)
{
    RenameLogContents contents = RenameLogReader::read(path);
    if (!contents.ok)
        qWarning().noquote() << QStringLiteral("Error in readLogFile : %1").arg(contents.error);
    return contents;
}

UndoOutcome UndoSheetController::undoRenaming()
{
    UndoOutcome outcome;
    outcome.logFilePath = currLogFilePath;
    if (state_.isExecuting) {
        outcome.status = UndoOutcome::Status::Busy;
        return outcome;
    }
    if (currLogFilePath.isEmpty()) {
        ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSNOLOGSELECTED"));
        outcome.status = UndoOutcome::Status::NoLogSelected;
        return outcome;
    }

    // The entries are read now, not taken from the count in the name: a journal left by a
    // crashed apply is named with "#" yet holds every rename made before the crash.
    const bool inUse = RenameLogReader::isLockedByRunningApply(currLogFilePath);
    const RenameLogContents contents = inUse ? RenameLogContents() : readLogFile(currLogFilePath);
    if (!contents.readable || (!contents.ok && contents.entries.isEmpty())) {
        // Nothing could be read: the file may be all that is left of those renames, so it
        // is neither undone nor deleted.
        ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSINVALIDFILE"));
        outcome.status = UndoOutcome::Status::Invalid;
        return outcome;
    }
    outcome.status = UndoOutcome::Status::Undone;
    // A journal left by an interrupted apply may end with moves announced and never made:
    // only the moves made are undone, each only while its item is still the one moved.
    const bool isJournal = QFileInfo(currLogFilePath).fileName().contains(QLatin1Char('#'));
    const QList<RenameLogEntry> entries = isJournal ? LogRestore::movesMade(contents.entries) : contents.entries;
    outcome.elements = int(entries.size());
    totalFilesCanBeUndoFromLog = outcome.elements;
    if (outcome.elements == 0) {
        outcome.logDeleted = removeSelectedFileFromList();
        return outcome;
    }

    totalFilesInLog = msg("UNDOINGITEMS");
    isUndoing = true;
    notify();
    state_.startTime = ControllerState::now();
    state_.endTime = 0;
    QList<RenameLogEntry> keep;
    outcome.entries = restoreOnWorker(entries, &keep, isJournal);
    // The list shows the names the items have again; what it proposed was for the old ones.
    followUndo(state_.list.files, outcome.entries);
    state_.list.resetFilesDic();
    state_.isHasFilesForRenaming = false;
    ui_.reloadList();
    QStringList notRestored;
    for (const UndoEntryOutcome& entry : std::as_const(outcome.entries)) {
        if (entry.restored)
            ++outcome.restored;
        else
            notRestored << msg("UNDONOTRESTOREDITEM")
                               .arg(FileSystemItem::getDisplayFilePath(entry.from),
                                    FileSystemItem::getDisplayFilePath(entry.to), entry.reason);
    }
    isUndoing = false;
    totalFilesInLog = msg("ITEMSRESTORED").arg(outcome.restored);
    notify();
    ui_.showTimeTaken(state_.showLastActionTimeTaken(msg("UNDOINGTIME")));

    // Entries whose items still stand under their new names stay on record: the log is
    // rewritten with just those, so nothing that could still be undone is forgotten.
    QString keptNote;
    if (!keep.isEmpty()) {
        QString error;
        if (rewriteLog(currLogFilePath, contents, keep, &error)) {
            outcome.keptEntries = int(keep.size());
            keptNote = msg("UNDOLOGKEPT").arg(keep.size());
        } else {
            // The log as it was is kept whole: every entry stays on record.
            outcome.keptEntries = outcome.elements;
            keptNote = msg("UNDOLOGKEPTWHOLE").arg(error);
        }
    }
    constexpr int kNamedItems = 10;
    QString details;
    for (int i = 0; i < notRestored.size() && i < kNamedItems; ++i)
        details += QLatin1Char('\n') + notRestored.at(i);
    if (notRestored.size() > kNamedItems)
        details += QLatin1Char('\n') + msg("UNDONOTRESTOREDMORE").arg(notRestored.size() - kNamedItems);
    ui_.alert(AlertStyle::Informational, msg(kTitle),
              msg("UNDOTOTALNOSITEMSFOUND").arg(outcome.elements)
                  + msg("UNDOTOTALNOSITEMSRENAMED").arg(outcome.restored)
                  + msg("UNDOTOTALNOSITEMDOESNOTEXISTS").arg(outcome.elements - outcome.restored) + details
                  + (keptNote.isEmpty() ? QString() : QLatin1Char('\n') + keptNote));

    if (outcome.keptEntries > 0) {
        // The log stays listed; its count is read again.
        totalFilesCanBeUndoFromLog = outcome.keptEntries;
        loadUserLogFiles();
    } else if (contents.ok) {
        outcome.logDeleted = removeSelectedFileFromList();
    } else {
        // The complete entries were restored, but a file that did not parse to its end is
        // kept: the user is told and can still look at it or delete it.
        ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSINVALIDFILE"));
    }
    return outcome;
}

QList<UndoEntryOutcome> UndoSheetController::restoreOnWorker(const QList<RenameLogEntry>& entries,
                                                             QList<RenameLogEntry>* keep, bool checkInodes)
{
    // The renames run on the worker thread while this thread keeps the window alive (the
    // spinner turns, the window repaints); the caller still gets the results when they are
    // done.
    struct Work {
        QList<RenameLogEntry> entries;
        QList<UndoEntryOutcome> results;
        QList<RenameLogEntry> keep; // in log order
    };
    auto work = std::make_shared<Work>();
    work->entries = entries;
    PassRunner::runAndWait(state_, [work, checkInodes] {
        try {
            // Last rename first, so a chain a -> b -> c unwinds through b back to a, and a
            // swap made through a temporary name comes back through it.
            work->results.reserve(work->entries.size());
            for (qsizetype i = work->entries.size() - 1; i >= 0; --i) {
                const LogRestore::RestoreResult r = LogRestore::restore(work->entries.at(i), checkInodes);
                work->results.append(UndoEntryOutcome{r.from, r.to, r.restored, r.reason});
                if (!r.restored && r.isStillThere)
                    work->keep.prepend(work->entries.at(i));
            }
        } catch (const std::exception& e) {
            qWarning().noquote() << QStringLiteral("Error in undoRenaming : %1").arg(QString::fromUtf8(e.what()));
        }
    });
    if (keep)
        *keep = work->keep;
    return work->results;
}

bool UndoSheetController::rewriteLog(const QString& path, const RenameLogContents& contents,
                                     const QList<RenameLogEntry>& keep, QString* error)
{
    QByteArray text;
    {
        QXmlStreamWriter writer(&text);
        writer.setAutoFormatting(true);
        writer.writeStartDocument();
        writer.writeStartElement(QStringLiteral("files"));
        writer.writeAttribute(QStringLiteral("appversion"),
                              contents.appversion.isEmpty() ? StringUtilities::appVersion() : contents.appversion);
        if (!contents.type.isEmpty())
            writer.writeAttribute(QStringLiteral("type"), contents.type);
        for (const RenameLogEntry& entry : keep) {
            writer.writeStartElement(QStringLiteral("file"));
            writer.writeAttribute(QStringLiteral("srclocation"), entry.srclocation);
            writer.writeAttribute(QStringLiteral("tarlocation"), entry.tarlocation);
            writer.writeAttribute(QStringLiteral("srcfilename"), entry.srcfilename);
            writer.writeAttribute(QStringLiteral("tarfilename"), entry.tarfilename);
            if (entry.inode != 0)
                writer.writeAttribute(QStringLiteral("inode"), QString::number(entry.inode));
            writer.writeEndElement();
        }
        writer.writeEndElement();
        writer.writeEndDocument();
        if (writer.hasError()) {
            if (error)
                *error = QStringLiteral("the entries cannot be written as XML");
            return false;
        }
    }
    if (FileManager::writeFileAtomically(path, text, error))
        return true;
    qWarning().noquote() << QStringLiteral("Error in undoRenaming : the log %1 could not be rewritten").arg(path);
    return false;
}

UndoOutcome UndoSheetController::undoLogFile(const QString& givenPath)
{
    const QString path = QFileInfo(givenPath).absoluteFilePath(); // links are not resolved
    if (!isCompatible(path)) {
        UndoOutcome outcome;
        outcome.status = UndoOutcome::Status::Incompatible;
        outcome.logFilePath = path;
        return outcome;
    }
    currLogFilePath = path;
    selectedRow = -1;
    for (int i = 0; i < logFiles.size(); ++i) {
        if (logFiles.at(i).logFilePath == path)
            selectedRow = i;
    }
    notify();
    return undoRenaming();
}

void UndoSheetController::deleteLogFile()
{
    if (currLogFilePath.isEmpty()) {
        ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSNOLOGSELECTED"));
        return;
    }
    const QString answer = ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSDELETECONFIRM"),
                                     {QStringLiteral("YES"), QStringLiteral("NO")});
    if (answer == QLatin1String("YES"))
        removeSelectedFileFromList();
}

bool UndoSheetController::deleteLog(const QString& path, QString* error)
{
    QString reason;
    if (FileManager::removeItem(path, &reason))
        return true;
    qWarning().noquote() << QStringLiteral("Error in deleteLogFile : %1").arg(reason);
    if (error)
        *error = reason;
    return false;
}

bool UndoSheetController::removeSelectedFileFromList()
{
    const QString path = currLogFilePath;
    QString reason;
    const bool deleted = deleteLog(path, &reason);
    if (!deleted) {
        ui_.alert(AlertStyle::Warning, msg(kTitle),
                  msg("UNDOLOGDELETEFAILED").arg(FileSystemItem::getDisplayFilePath(path), reason));
    }
    currLogFilePath.clear();
    totalFilesCanBeUndoFromLog = 0;

    const int row = selectedRow;
    if (row >= 0 && row < logFiles.size()) {
        logFiles.removeAt(row);
        reloadData();
        selectedRow = -1;
        notify();
        const int next = std::min(row, int(logFiles.size()) - 1);
        if (next >= 0)
            tableViewSelectionDidChange(next);
        return deleted;
    }
    // A log opened from the panel may also be one of the listed rows.
    for (int i = int(logFiles.size()) - 1; i >= 0; --i) {
        if (logFiles.at(i).logFilePath == path)
            logFiles.removeAt(i);
    }
    reloadData();
    notify();
    return deleted;
}

void UndoSheetController::viewLogFileContent()
{
    if (currLogFilePath.isEmpty()) {
        ui_.alert(AlertStyle::Warning, msg("VIEWLOGFILETITLE"), msg("VIEWLOGFILETITLEMESSAGE"));
        return;
    }
    // The viewer is handed only a regular file: a FIFO or a device would hang it.
    QString error;
    if (!CheckedFile::isAcceptable(currLogFilePath, CheckedFile::Kind::Log, &error)) {
        qWarning().noquote() << QStringLiteral("Error in viewLogFileContent : %1").arg(error);
        ui_.alert(AlertStyle::Warning, msg("VIEWLOGFILETITLE"), msg("UNDOFILESFOLDERSINVALIDFILE"));
        return;
    }
    ui_.openDocument(currLogFilePath);
}

void UndoSheetController::showHelp()
{
    ui_.openDocument(QStringLiteral("Undo.html"));
}
