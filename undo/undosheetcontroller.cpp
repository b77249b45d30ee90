#include "undo/undosheetcontroller.h"

#include "engine/filesystemitem.h"
#include "engine/stringutilities.h"
#include "pipeline/controllerstate.h"
#include "pipeline/renamelogreader.h"
#include "platform/apppaths.h"
#include "platform/checkedfile.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <QDebug>
#include <QFileInfo>

#include <algorithm>
#include <exception>

namespace {

const char* const kTitle = "UNDOFILESFOLDERSTITLE";

} // namespace

UndoSheetController::UndoSheetController(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
    , service_(state)
{
}

void UndoSheetController::notify()
{
    if (changed_)
        changed_();
}

QString UndoSheetController::defaultLogFolderPath() const
{
    return state_.preferences.defaultLogFolderPath;
}

void UndoSheetController::reloadData()
{
    logTotalNosOfFiles_ = msgN("TOTALLOGFILES", logFiles_.size());
    totalFilesInLog_ = msgN("TOTALNOSRENAMEDITEMSFOUND", 0);
}

void UndoSheetController::awakeFromNib()
{
    currLogFilePath_.clear();
    totalFilesCanBeUndoFromLog_ = 0;
    logFiles_.clear();
    loadUserLogFiles();
}

void UndoSheetController::loadUserLogFiles()
{
    logFiles_ = LogFileList::listLogFiles(defaultLogFolderPath());
    selectedRow_ = -1;
    reloadData();
    notify();
}

void UndoSheetController::tableViewSelectionDidChange(int row)
{
    if (row < 0 || row >= logFiles_.size()) {
        // No row, no current log: nothing is offered for undo.
        selectedRow_ = -1;
        currLogFilePath_.clear();
        totalFilesCanBeUndoFromLog_ = 0;
        totalFilesInLog_ = msgN("TOTALNOSRENAMEDITEMSFOUND", 0);
        notify();
        return;
    }
    selectedRow_ = row;
    const LogFileEntry& entry = logFiles_.at(row);
    currLogFilePath_ = entry.logFilePath;
    totalFilesCanBeUndoFromLog_ = entry.filesCount;
    totalFilesInLog_ = msgN("TOTALNOSRENAMEDITEMSFOUND", totalFilesCanBeUndoFromLog_);
    notify();
}

void UndoSheetController::sortByColumn(const QString& column, bool ascending)
{
    const QString selectedPath = selectedRow_ >= 0 ? logFiles_.at(selectedRow_).logFilePath : QString();
    LogFileList::sortLogFiles(logFiles_, column, ascending);
    if (!selectedPath.isEmpty()) {
        for (int i = 0; i < logFiles_.size(); ++i) {
            if (logFiles_.at(i).logFilePath == selectedPath)
                selectedRow_ = i;
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
    currLogFilePath_ = path;
    selectedRow_ = -1;
    notify();
    if (!verifyLogFile(path))
        ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSINVALIDFILE"));
    return true;
}

bool UndoSheetController::verifyLogFile(const QString& path)
{
    try {
        isUndoing_ = true;
        totalFilesInLog_ = msg("CHECKINGLOGFILE");
        notify();
        // Complete entries count even when the file ends early (a crashed apply's journal).
        const RenameLogBackwards log(path);
        if (!log.contents().ok)
            qWarning().noquote() << QStringLiteral("Error in readLogFile : %1").arg(log.contents().error);
        totalFilesCanBeUndoFromLog_ = qint32(log.itemCount());
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("Error in verifyLogFile :  %1").arg(QString::fromUtf8(e.what()));
    }
    isUndoing_ = false;
    totalFilesInLog_ = msgN("TOTALNOSRENAMEDITEMSFOUND", totalFilesCanBeUndoFromLog_);
    notify();
    return totalFilesCanBeUndoFromLog_ > 0;
}

UndoOutcome UndoSheetController::undoRenaming()
{
    if (state_.isExecuting) {
        UndoOutcome busy;
        busy.status = UndoOutcome::Status::Busy;
        busy.logFilePath = currLogFilePath_;
        return busy;
    }
    if (currLogFilePath_.isEmpty()) {
        ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSNOLOGSELECTED"));
        UndoOutcome none;
        none.status = UndoOutcome::Status::NoLogSelected;
        return none;
    }
    const UndoOutcome outcome = service_.undoLog(currLogFilePath_, [this](const UndoOutcome& log) {
        totalFilesCanBeUndoFromLog_ = log.elements;
        totalFilesInLog_ = msg("UNDOINGITEMS");
        isUndoing_ = true;
        notify();
        state_.startTime = ControllerState::now();
        state_.endTime = 0;
    });
    if (outcome.status == UndoOutcome::Status::Invalid)
        ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSINVALIDFILE"));
    if (outcome.status != UndoOutcome::Status::Undone)
        return outcome;
    if (outcome.moves == 0) {
        // Nothing to undo: the log went without a report.
        forgetCurrentLog(outcome.logDeleted, outcome.deleteError);
        return outcome;
    }

    ui_.reloadList();
    isUndoing_ = false;
    totalFilesInLog_ = msgN("ITEMSRESTORED", outcome.restored);
    notify();
    ui_.showTimeTaken(state_.showLastActionTimeTaken(msg("UNDOINGTIME")));
    report(outcome);

    if (outcome.keptEntries > 0) {
        // The log stays listed; its count is read again.
        totalFilesCanBeUndoFromLog_ = outcome.keptEntries;
        loadUserLogFiles();
    } else if (outcome.parsedCleanly) {
        forgetCurrentLog(outcome.logDeleted, outcome.deleteError);
    } else {
        // The complete entries were restored, but a file that did not parse to its end is
        // kept: the user is told and can still look at it or delete it.
        ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSINVALIDFILE"));
    }
    return outcome;
}

void UndoSheetController::report(const UndoOutcome& outcome)
{
    QString details;
    for (const UndoEntryOutcome& entry : outcome.notRestored)
        details += QLatin1Char('\n')
            + msg("UNDONOTRESTOREDITEM")
                  .arg(FileSystemItem::getDisplayFilePath(entry.from), FileSystemItem::getDisplayFilePath(entry.to),
                       entry.reason);
    const int unnamed = outcome.moves - outcome.movesRestored - int(outcome.notRestored.size());
    if (unnamed > 0)
        details += QLatin1Char('\n') + msg("UNDONOTRESTOREDMORE").arg(unnamed);
    if (outcome.keptEntries > 0) {
        details += QLatin1Char('\n')
            + (outcome.keptWhole ? msg("UNDOLOGKEPTWHOLE").arg(outcome.keepError)
                                 : msg("UNDOLOGKEPT").arg(outcome.keptEntries));
    }
    ui_.alert(AlertStyle::Informational, msg(kTitle),
              msg("UNDOTOTALNOSITEMSFOUND").arg(outcome.elements)
                  + msg("UNDOTOTALNOSITEMSRENAMED").arg(outcome.restored)
                  + msg("UNDOTOTALNOSITEMDOESNOTEXISTS").arg(outcome.elements - outcome.restored) + details);
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
    currLogFilePath_ = path;
    selectedRow_ = -1;
    for (int i = 0; i < logFiles_.size(); ++i) {
        if (logFiles_.at(i).logFilePath == path)
            selectedRow_ = i;
    }
    notify();
    return undoRenaming();
}

void UndoSheetController::deleteLogFile()
{
    if (currLogFilePath_.isEmpty()) {
        ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSNOLOGSELECTED"));
        return;
    }
    const QString answer = ui_.alert(AlertStyle::Warning, msg(kTitle), msg("UNDOFILESFOLDERSDELETECONFIRM"),
                                     {QStringLiteral("YES"), QStringLiteral("NO")});
    if (answer == QLatin1String("YES"))
        removeSelectedFileFromList();
}

bool UndoSheetController::removeSelectedFileFromList()
{
    QString reason;
    const bool deleted = UndoService::deleteLog(currLogFilePath_, &reason);
    forgetCurrentLog(deleted, reason);
    return deleted;
}

void UndoSheetController::forgetCurrentLog(bool deleted, const QString& reason)
{
    const QString path = currLogFilePath_;
    if (!deleted) {
        ui_.alert(AlertStyle::Warning, msg(kTitle),
                  msg("UNDOLOGDELETEFAILED").arg(FileSystemItem::getDisplayFilePath(path), reason));
    }
    currLogFilePath_.clear();
    totalFilesCanBeUndoFromLog_ = 0;

    const int row = selectedRow_;
    if (row >= 0 && row < logFiles_.size()) {
        logFiles_.removeAt(row);
        reloadData();
        selectedRow_ = -1;
        notify();
        const int next = std::min(row, int(logFiles_.size()) - 1);
        if (next >= 0)
            tableViewSelectionDidChange(next);
        return;
    }
    // A log opened from the panel may also be one of the listed rows.
    for (int i = int(logFiles_.size()) - 1; i >= 0; --i) {
        if (logFiles_.at(i).logFilePath == path)
            logFiles_.removeAt(i);
    }
    reloadData();
    notify();
}

void UndoSheetController::viewLogFileContent()
{
    if (currLogFilePath_.isEmpty()) {
        ui_.alert(AlertStyle::Warning, msg("VIEWLOGFILETITLE"), msg("VIEWLOGFILETITLEMESSAGE"));
        return;
    }
    // The viewer is handed only a regular file: a FIFO or a device would hang it.
    QString error;
    if (!CheckedFile::isAcceptable(currLogFilePath_, CheckedFile::Kind::Log, &error)) {
        qWarning().noquote() << QStringLiteral("Error in viewLogFileContent : %1").arg(error);
        ui_.alert(AlertStyle::Warning, msg("VIEWLOGFILETITLE"), msg("UNDOFILESFOLDERSINVALIDFILE"));
        return;
    }
    ui_.openDocument(currLogFilePath_);
}

void UndoSheetController::showHelp()
{
    ui_.openDocument(QStringLiteral("Undo.html"));
}
