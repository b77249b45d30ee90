#include "pipeline/applydriver.h"

#include "engine/filename.h"
#include "pipeline/controllerstate.h"
#include "pipeline/movedfolders.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewchecks.h"
#include "pipeline/renamelog.h"
#include "platform/filemanager.h"
#include "platform/mainthread.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>

#include <memory>
#include <stdexcept>

namespace {

constexpr qint64 kCountIntervalMs = 33;

// The running count line, sent at most about 30 times a second (the final line is always
// sent): a posted update per rename would cost more than the rename.
class CountLine {
public:
    explicit CountLine(PassProgress& progress)
        : progress_(progress)
    {
    }
    void renamed(int count, bool isFile)
    {
        count_ = count;
        isFile_ = isFile;
        if (clock_.isValid() && clock_.elapsed() < kCountIntervalMs) {
            pending_ = true;
            return;
        }
        clock_.start();
        send();
    }
    void flush()
    {
        if (pending_)
            send();
    }

private:
    void send()
    {
        pending_ = false;
        progress_.setCount(msg(isFile_ ? "TOTALFILESRENAMED" : "TOTALFOLDERSRENAMED").arg(count_));
    }
    PassProgress& progress_;
    QElapsedTimer clock_;
    int count_ = 0;
    bool isFile_ = true;
    bool pending_ = false;
};

QString alreadyExists(const FileSystemItem& item)
{
    return item.itemType == 0 ? Status::FileAlreadyExists : Status::FolderAlreadyExists;
}

QString notFound(const FileSystemItem& item)
{
    return item.itemType == 0 ? Status::FileNotFound : Status::FolderNotFound;
}

// Asks the user, on the main thread while the loop waits, whether to go on without a log
// file. Without anyone to ask the apply is aborted.
bool continueWithoutLog(UserInterface* ui)
{
    if (!ui)
        return false;
    QString answer;
    MainThread::run([&] {
        answer = ui->alert(AlertStyle::Warning, msg("ITEMRENAMINGTITLE"), msg("LOGCREATEFAILED"),
                           {QStringLiteral("CONTINUE"), QStringLiteral("ABORT")});
    });
    return answer == QLatin1String("CONTINUE");
}

// Renames one item; returns true when it was renamed. Throws when the log can no longer
// be extended, which ends the loop: nothing is renamed without a record.
bool renameItem(FileSystemItem& item, RenameLogJournal& log, MovedFolders* movedFolders,
                PassProgress& progress)
{
    const QString newName = item.newFilenameValue();
    // Empty names, the five error statuses and "Renaming (OK)" are passed over.
    if (newName.isEmpty() || Status::isStatus(item.newFilename))
        return false;

    const QString source = item.fullPath;
    progress.setPath(FileSystemItem::getDisplayFilePath(source));
    const QString oldName = item.filenameWithExtension();
    const QString target = appendingPathComponent(item.fileLocation(), newName);
    if (newName == oldName || !isUsableFileName(newName)) {
        item.newFilename = Status::NoChanges;
        return false;
    }

    // Written before the move, so that a rename is never made without its record.
    switch (log.addLogEntry(source, target)) {
    case RenameLogJournal::EntryResult::Added:
        break;
    case RenameLogJournal::EntryResult::Unrepresentable:
        qWarning().noquote() << QStringLiteral("Error in addLogEntry : %1 cannot be recorded in the rename log")
                                    .arg(FileSystemItem::getDisplayFilePath(source));
        item.newFilename = Status::NoChanges;
        return false;
    case RenameLogJournal::EntryResult::WriteFailed:
        throw std::runtime_error("the rename log could not be extended");
    }

    // Whether the target is taken is decided by identity: the move refuses any existing
    // target, and a target that is the source's own inode is a change of letter case on a
    // file system that ignores case, done with the plain rename.
    const FileManager::MoveResult moved = FileManager::moveItem(source, target);
    bool renamed = moved == FileManager::MoveResult::Moved;
    bool takenByAnother = false;
    if (moved == FileManager::MoveResult::TargetExists) {
        if (FileManager::isSameFile(source, target)) {
            if (newName.compare(oldName, Qt::CaseInsensitive) == 0)
                renamed = FileManager::renameCaseOnly(source, target);
        } else {
            takenByAnother = true;
        }
    }
    if (!renamed) {
        log.takeBackLastEntry();
        // An item deleted or moved away since the preview is reported as missing, not as
        // an item that merely kept its name.
        if (takenByAnother)
            item.newFilename = alreadyExists(item);
        else if (moved == FileManager::MoveResult::Failed && !FileManager::exists(source))
            item.newFilename = notFound(item);
        else
            item.newFilename = Status::NoChanges;
        return false;
    }
    // After a plain rename the old path still reaches the folder, so only real moves
    // rewrite the paths inside it.
    if (movedFolders && moved == FileManager::MoveResult::Moved && item.itemType != 0)
        movedFolders->add(source, target);
    item.newFilename = Status::RenamingOK;
    item.fullPath = target;
    return true;
}

} // namespace

ApplyDriver::ApplyDriver(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
}

bool ApplyDriver::actionApply(std::function<void(const ApplyOutcome&)> onFinished)
{
    if (state_.isExecuting.load() || !state_.isHasFilesForRenaming.load())
        return false;
    // The names are applied as previewed, but options that Preview would now refuse (a
    // Find text edited into an invalid regular expression) are refused here too.
    if (!state_.isRulePreview) {
        if (std::optional<PreviewCheckFailure> failure = PreviewChecks::regularExpressionFailure(state_.settings)) {
            ui_.alert(AlertStyle::Warning, msg(failure->titleKey), failure->message());
            ui_.focusControl(failure->focusControl);
            return false;
        }
    }
    const QString answer = ui_.alert(AlertStyle::Informational, msg("ITEMRENAMINGTITLE"),
                                     msg("ITEMRENAMINGMESSAGE"), {QStringLiteral("YES"), QStringLiteral("NO")});
    if (answer != QLatin1String("YES"))
        return false;
    state_.isCancelProcess = false;
    return doApply(std::move(onFinished));
}

bool ApplyDriver::doApply(std::function<void(const ApplyOutcome&)> onFinished)
{
    if (state_.isExecuting.load())
        return false;
    const bool isFiles = state_.isFiles();
    ui_.passStarted(msg("RENAMINGITEMSPLEASEWAIT").arg(msg(isFiles ? "FILES" : "FOLDERS")));
    state_.isExecuting = true;
    state_.startTime = ControllerState::now();
    state_.endTime = 0;
    state_.isHasFilesForRenaming = false;

    auto settings = std::make_shared<Settings>(state_.settings.snapshot());
    auto progress = std::make_shared<PassProgress>(&ui_);
    auto outcome = std::make_shared<ApplyOutcome>();
    // The log folder is read here, on the main thread, where the preferences live.
    const QString logFolder = state_.preferences.defaultLogFolderPath;
    ControllerState* state = &state_;
    UserInterface* ui = &ui_;
    PassRunner::start(
        [state, settings, logFolder, ui, progress, outcome] {
            *outcome = applyRenamesTo(*state, *settings, logFolder, ui, *progress);
        },
        [state, ui, progress, outcome, onFinished] {
            progress->flush();
            ui->reloadList();
            state->isExecuting = false;
            ui->passEnded();
            ui->showTimeTaken(state->showLastActionTimeTaken(msg("RENAMINGTIME")));
            if (outcome->logSaveFailed)
                ui->alert(AlertStyle::Critical, msg("ITEMRENAMINGTITLE"), msg("LOGSAVEFAILED").arg(outcome->logFile));
            if (onFinished)
                onFinished(*outcome);
        });
    return true;
}

ApplyOutcome ApplyDriver::applyRenames(ControllerState& state, const Settings& settings,
                                       UserInterface* uiForQuestions, PassProgress& progress)
{
    return applyRenamesTo(state, settings, state.preferences.defaultLogFolderPath, uiForQuestions, progress);
}

ApplyOutcome ApplyDriver::applyRenamesTo(ControllerState& state, const Settings& settings, const QString& logFolder,
                                         UserInterface* uiForQuestions, PassProgress& progress)
{
    ApplyOutcome outcome;
    const bool isFiles = settings.flag(QStringLiteral("isFiles"));
    const bool isFolders = settings.flag(QStringLiteral("isFolders"));
    const bool foldersFirst = isFolders
        && (settings.flag(QStringLiteral("isIncludeSubFolders")) || settings.integer(QStringLiteral("selectedTab")) == 9);

    RenameLogJournal log;
    MovedFolders movedFolders;
    CountLine countLine(progress);
    int renamed = 0;
    size_t next = 0; // the first item the loop has not reached
    try {
        // A log folder that is not set (or not absolute) is a log that cannot be created,
        // never the root or the working folder.
        const bool hasLogFolder = QDir::isAbsolutePath(logFolder);
        state.currLogFile = hasLogFolder ? appendingPathComponent(logFolder, getNewLogFileName()) : QString();
        const QString renamingType = isFiles ? QStringLiteral("FILES") : QStringLiteral("FOLDERS");
        if (hasLogFolder && log.createLogFile(state.currLogFile, renamingType)) {
            state.currLogFile = log.journalPath();
        } else {
            if (!hasLogFolder)
                log.beginWithoutJournal(renamingType);
            outcome.aborted = !continueWithoutLog(uiForQuestions);
        }

        if (!outcome.aborted) {
            if (foldersFirst)
                state.list.sortForFolderRuns();
            while (next < state.list.files.size()) {
                if (state.isCancelProcess.load())
                    break;
                FileSystemItem& item = state.list.files[next++];
                // Each item is brought to its path after the folder moves made so far
                // exactly once, when the loop reaches it.
                if (!movedFolders.isEmpty())
                    item.fullPath = movedFolders.resolve(item.fullPath);
                if (renameItem(item, log, foldersFirst ? &movedFolders : nullptr, progress))
                    countLine.renamed(++renamed, item.itemType == 0);
                if (state.isCancelProcess.load())
                    break;
            }
        }
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("Error %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        qWarning().noquote() << QStringLiteral("Error %1").arg(QStringLiteral("unknown exception"));
    }

    // Finishing steps, also after a cancel, an abort or an exception. Items the loop did not
    // reach still get their paths inside moved folders.
    if (!movedFolders.isEmpty()) {
        for (size_t i = next; i < state.list.files.size(); ++i)
            state.list.files[i].fullPath = movedFolders.resolve(state.list.files[i].fullPath);
    }
    outcome.renamedCount = renamed;
    const QString saved = log.saveLog();
    if (!saved.isEmpty()) {
        outcome.logFile = saved;
    } else if (log.hasJournal()) {
        outcome.logFile = log.journalPath();
        outcome.logSaveFailed = true;
    }
    state.currLogFile = outcome.logFile;
    state.list.resetFilesDic();
    countLine.flush();
    progress.setCount(msg(isFolders ? "TOTALNOSFOLDERSRENAMED" : "TOTALNOSFILESRENAMED").arg(renamed));
    return outcome;
}
