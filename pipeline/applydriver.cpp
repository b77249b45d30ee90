#include "pipeline/applydriver.h"

#include "engine/filename.h"
#include "pipeline/batchplan.h"
#include "pipeline/controllerstate.h"
#include "pipeline/movedfolders.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewchecks.h"
#include "pipeline/renamelog.h"
#include "pipeline/runahead.h"
#include "platform/filemanager.h"
#include "platform/mainthread.h"
#include "platform/messages.h"
#include "platform/renameworker.h"
#include "platform/userinterface.h"
#include "platform/utf16scan.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
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

const QString& alreadyExists(const FileSystemItem& item)
{
    return item.itemType == 0 ? Status::FileAlreadyExists : Status::FolderAlreadyExists;
}

const QString& notFound(const FileSystemItem& item)
{
    return item.itemType == 0 ? Status::FileNotFound : Status::FolderNotFound;
}

// Asks the user, on the main thread while the loop waits, whether to go on without a log
// file; "ABORT" is the default button. Without anyone to ask the apply is aborted.
bool continueWithoutLog(UserInterface* ui)
{
    if (!ui)
        return false;
    QString answer;
    MainThread::run([&] {
        answer = ui->alert(AlertStyle::Warning, msg("ITEMRENAMINGTITLE"), msg("LOGCREATEFAILED"),
                           {QStringLiteral("ABORT"), QStringLiteral("CONTINUE")});
    });
    return answer == QLatin1String("CONTINUE");
}

// The path of name in the folder of path, whose last slash is at slash.
QString siblingPath(const QString& path, qsizetype slash, const QString& name)
{
    return appendingPathComponent(QStringView(path).left(qMax(slash, qsizetype(0))), name);
}

// What the item loop carries from move to move.
struct MoveContext {
    RenameLogJournal& log;
    MovedFolders* movedFolders; // null when no listed item lies inside a renamed folder
    PassProgress& progress;
    int moves = 0;
    // Makes moves ahead (null while that is off: no journal, folders moving, a file system
    // without RENAME_NOREPLACE, or a short batch).
    RenameWorker* worker = nullptr;
    const std::atomic<bool>* cancel = nullptr;
};

// Runs moves ahead through the context's worker; turns it off for good when the file
// system refuses the flag.
template <typename Plan, typename Take>
size_t runAhead(MoveContext& ctx, size_t from, size_t end, Plan&& plan, Take&& take)
{
    bool usable = true;
    const size_t stopped = RunAhead::run(from, end, plan, take, *ctx.worker, usable, *ctx.cancel);
    if (!usable)
        ctx.worker = nullptr;
    return stopped;
}

// Records a move in the log ahead of it. False when the paths cannot be recorded (the
// item is then not moved); throws when the log can no longer be extended, which ends the
// loop: nothing is moved without a record.
bool recordMove(MoveContext& ctx, const QString& source, const QString& target, quint64 inode)
{
    switch (ctx.log.addLogEntry(source, target, inode)) {
    case RenameLogJournal::EntryResult::Added:
        return true;
    case RenameLogJournal::EntryResult::Unrepresentable:
        qWarning().noquote() << QStringLiteral("Error in addLogEntry : %1 cannot be recorded in the rename log")
                                    .arg(FileSystemItem::getDisplayFilePath(source));
        return false;
    case RenameLogJournal::EntryResult::WriteFailed:
        break;
    }
    throw std::runtime_error("the rename log could not be extended");
}

void moved(MoveContext& ctx, const FileSystemItem& item, const QString& source, const QString& target)
{
    ++ctx.moves;
    // After a plain rename of letter case the old path still reaches the folder; the
    // caller passes only real moves here.
    if (ctx.movedFolders && item.itemType != 0)
        ctx.movedFolders->add(source, target);
}

// The move renameItem would make for the item, if any: the target of a usable new name
// that differs from the current one.
std::optional<RenameLogJournal::AnnouncedMove> plannedMove(const FileSystemItem& item)
{
    const QString newName = item.newFilenameValue();
    if (newName.isEmpty() || Status::isStatus(item.newFilename))
        return std::nullopt;
    const qsizetype slash = Utf16Scan::lastIndexOf(item.fullPath, u'/');
    if (newName == QStringView(item.fullPath).mid(slash + 1) || !isUsableFileName(newName))
        return std::nullopt;
    return RenameLogJournal::AnnouncedMove{item.fullPath, siblingPath(item.fullPath, slash, newName), item.inode};
}

// Announces the moves of the items renamed on their own from units[first] on (up to a
// batch), so that the journal is written once per batch rather than once per move. Only
// while no folder moves: a moved folder changes the paths of what follows it.
void announceNextMoves(std::vector<FileSystemItem>& files, const std::vector<MoveUnit>& units, size_t first,
                       MoveContext& ctx)
{
    if (ctx.movedFolders || ctx.log.announcedLeft() > 0)
        return;
    std::vector<RenameLogJournal::AnnouncedMove> moves;
    for (size_t u = first; u < units.size() && moves.size() < RunAhead::kBatchMoves; ++u) {
        if (units[u].members.size() != 1)
            break;
        if (std::optional<RenameLogJournal::AnnouncedMove> move = plannedMove(files[units[u].members.front()]))
            moves.push_back(std::move(*move));
    }
    ctx.log.announceMoves(moves);
}

// Renames one item on its own; returns true when it was renamed.
bool renameItem(FileSystemItem& item, MoveContext& ctx)
{
    const QString source = item.fullPath;
    QString target;
    if (const QString* announced = ctx.log.nextAnnouncedTarget(source)) {
        // Announced with the same judgement of the item's name as below (plannedMove).
        target = *announced;
        ctx.progress.setPath(FileSystemItem::getDisplayFilePath(source));
    } else {
        const QString newName = item.newFilenameValue();
        // Empty names, the error statuses and "Renaming (OK)" are passed over.
        if (newName.isEmpty() || Status::isStatus(item.newFilename))
            return false;
        ctx.progress.setPath(FileSystemItem::getDisplayFilePath(source));
        const qsizetype slash = Utf16Scan::lastIndexOf(source, u'/');
        if (newName == QStringView(source).mid(slash + 1) || !isUsableFileName(newName)) {
            item.newFilename = Status::NoChanges;
            return false;
        }
        target = siblingPath(source, slash, newName);
    }

    // Written before the move, so that a rename is never made without its record.
    if (!recordMove(ctx, source, target, item.inode)) {
        item.newFilename = Status::NoChanges;
        return false;
    }

    // Whether the target is taken is decided by identity: the move refuses any existing
    // target, and a target that is the source's own inode is a change of letter case on a
    // file system that ignores case, done with the plain rename.
    const FileManager::MoveResult result = FileManager::moveItem(source, target);
    bool renamed = result == FileManager::MoveResult::Moved;
    bool takenByAnother = false;
    if (result == FileManager::MoveResult::TargetExists) {
        if (FileManager::isSameFile(source, target)) {
            if (lastPathComponent(target).compare(lastPathComponent(source), Qt::CaseInsensitive) == 0)
                renamed = FileManager::renameCaseOnly(source, target);
        } else {
            takenByAnother = true;
        }
    }
    if (!renamed) {
        ctx.log.takeBackLastEntry();
        // An item deleted or moved away since the preview is reported as missing, not as
        // an item that merely kept its name.
        if (takenByAnother)
            item.newFilename = alreadyExists(item);
        else if (result == FileManager::MoveResult::Failed && !FileManager::exists(source))
            item.newFilename = notFound(item);
        else
            item.newFilename = Status::NoChanges;
        return false;
    }
    if (result == FileManager::MoveResult::Moved)
        moved(ctx, item, source, target);
    else
        ++ctx.moves;
    item.newFilename = Status::RenamingOK;
    item.fullPath = target;
    return true;
}

// A move the worker made: its entry, announced ahead, is taken, and the move counted.
void takeMadeMove(MoveContext& ctx, const FileSystemItem& item, const RenameLogJournal::AnnouncedMove& move)
{
    ctx.progress.setPath(FileSystemItem::getDisplayFilePath(move.source));
    recordMove(ctx, move.source, move.target, move.inode);
    moved(ctx, item, move.source, move.target);
}

// The moves of lone items (units of one item) from unit `from`, announced: a batch ends
// at a unit of several items.
RunAhead::Batch planLoneMoves(const std::vector<FileSystemItem>& files, const std::vector<MoveUnit>& units,
                              size_t from, MoveContext& ctx)
{
    RunAhead::Batch b;
    b.begin = b.end = from;
    while (b.end < units.size() && b.moves.size() < RunAhead::kBatchMoves && units[b.end].members.size() == 1) {
        const std::optional<RenameLogJournal::AnnouncedMove> move = plannedMove(files[units[b.end].members.front()]);
        if (!b.add(move ? &*move : nullptr))
            break;
    }
    RunAhead::announce(b, ctx.log);
    return b;
}

// Takes a batch of lone moves in list order, up to its first move not made.
size_t takeLoneMoves(std::vector<FileSystemItem>& files, const std::vector<MoveUnit>& units,
                     const RunAhead::Batch& b, MoveContext& ctx, const std::function<void(size_t, int)>& unitDone)
{
    const size_t stop = RunAhead::firstNotMade(b);
    for (size_t u = b.begin; u < stop; ++u) {
        FileSystemItem& item = files[units[u].members.front()];
        const qint32 m = b.moveOf[u - b.begin];
        if (m < 0) {
            unitDone(u, renameItem(item, ctx) ? 1 : 0); // only sets its status
            continue;
        }
        const RenameLogJournal::AnnouncedMove& move = b.moves[size_t(m)];
        takeMadeMove(ctx, item, move);
        item.newFilename = Status::RenamingOK;
        item.fullPath = move.target;
        unitDone(u, 1);
    }
    return stop;
}

// Fewer moves than this are made one by one: a batch ahead would not pay for itself.
constexpr size_t kRunAheadMinimumMoves = 64;

// A hidden name in the folder that nothing holds yet, for parking one item of a cycle.
QString temporaryName(const QString& folder)
{
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = QStringLiteral(".quorvel-swap-");
    for (int i = 0; i < 16; ++i)
        name += QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof kChars) - 1)]);
    return appendingPathComponent(folder, name);
}

// One move of a chain, with NOREPLACE only. Journaled ahead; taken back when not made.
enum class StepResult { Moved, Taken, Missing, Unrecordable, Unsupported, Failed };
StepResult moveStep(MoveContext& ctx, const FileSystemItem& item, const QString& source, const QString& target)
{
    if (!recordMove(ctx, source, target, item.inode))
        return StepResult::Unrecordable;
    bool unsupported = false;
    const FileManager::MoveResult result = FileManager::moveItemNoReplace(source, target, nullptr, &unsupported);
    if (result == FileManager::MoveResult::Moved) {
        moved(ctx, item, source, target);
        return StepResult::Moved;
    }
    // On a file system that ignores case the target of a change of letter case is the
    // item's own inode: the plain rename does it.
    if (result == FileManager::MoveResult::TargetExists
        && lastPathComponent(source).compare(lastPathComponent(target), Qt::CaseInsensitive) == 0
        && FileManager::isSameFile(source, target) && FileManager::renameCaseOnly(source, target)) {
        ++ctx.moves;
        return StepResult::Moved;
    }
    ctx.log.takeBackLastEntry();
    if (result == FileManager::MoveResult::TargetExists)
        return StepResult::Taken;
    if (unsupported)
        return StepResult::Unsupported;
    return FileManager::exists(source) ? StepResult::Failed : StepResult::Missing;
}

// Renames the items of a chain (end first) or a cycle (through a temporary name) in one
// go. Either every item of the unit takes its new name, or the moves made are taken back
// at once (journaled, like every move) and the unit is refused. Returns the items renamed.
int renameTogether(std::vector<FileSystemItem>& files, const MoveUnit& unit, MoveContext& ctx)
{
    struct Planned {
        size_t index;
        QString source;
        QString target;
    };
    std::vector<Planned> plan;
    plan.reserve(unit.members.size());
    for (size_t index : unit.members) {
        const FileSystemItem& item = files[index];
        plan.push_back({index, item.fullPath, appendingPathComponent(item.fileLocation(), item.newFilenameValue())});
    }
    struct Done {
        size_t index;
        QString from;
        QString to;
    };
    std::vector<Done> done;
    StepResult failure = StepResult::Moved;
    size_t failedIndex = plan.front().index;

    auto step = [&](const Planned& p, const QString& from, const QString& to) {
        ctx.progress.setPath(FileSystemItem::getDisplayFilePath(from));
        const StepResult r = moveStep(ctx, files[p.index], from, to);
        if (r == StepResult::Moved) {
            done.push_back({p.index, from, to});
            return true;
        }
        failure = r;
        failedIndex = p.index;
        return false;
    };

    // The unit's moves in the order they are made: a chain's from its end; a cycle's first
    // member parked under a temporary name, the others, then the parked one to its place.
    // They are announced to the journal in batches ahead of being made; a move that turns
    // out otherwise (another temporary name, a move taken back) withdraws what is left.
    QString temporary;
    const size_t stepCount = unit.isCycle ? plan.size() + 1 : plan.size();
    auto stepMove = [&](size_t k) {
        const Planned& p = plan[k < plan.size() ? k : 0];
        if (unit.isCycle && k == 0)
            return RenameLogJournal::AnnouncedMove{p.source, temporary, files[p.index].inode};
        if (unit.isCycle && k == plan.size())
            return RenameLogJournal::AnnouncedMove{temporary, p.target, files[p.index].inode};
        return RenameLogJournal::AnnouncedMove{p.source, p.target, files[p.index].inode};
    };
    size_t announcedUpTo = 0;
    auto announceFrom = [&](size_t k) {
        if (ctx.movedFolders || ctx.log.announcedLeft() > 0 || k < announcedUpTo)
            return;
        std::vector<RenameLogJournal::AnnouncedMove> moves;
        for (size_t j = k; j < stepCount && moves.size() < RunAhead::kBatchMoves; ++j)
            moves.push_back(stepMove(j));
        announcedUpTo = k + size_t(ctx.log.announceMoves(moves));
    };

    // Long runs of steps are made ahead (the moves made, in order, go into done).
    auto stepsAhead = [&](size_t from) {
        auto planSteps = [&](size_t x) {
            RunAhead::Batch b;
            b.begin = b.end = x;
            while (b.end < stepCount && b.moves.size() < RunAhead::kBatchMoves) {
                const RenameLogJournal::AnnouncedMove move = stepMove(b.end);
                if (!b.add(&move))
                    break;
            }
            RunAhead::announce(b, ctx.log);
            return b;
        };
        auto takeSteps = [&](const RunAhead::Batch& b) {
            const size_t stop = RunAhead::firstNotMade(b);
            for (size_t k = b.begin; k < stop; ++k) {
                const RenameLogJournal::AnnouncedMove& move = b.moves[size_t(b.moveOf[k - b.begin])];
                const size_t index = plan[k < plan.size() ? k : 0].index;
                takeMadeMove(ctx, files[index], move);
                done.push_back({index, move.source, move.target});
            }
            return stop;
        };
        return runAhead(ctx, from, stepCount, planSteps, takeSteps);
    };
    // The steps from k on, each made ahead when it can be, else on its own.
    auto makeSteps = [&](size_t k) {
        bool made = true;
        for (; made && k < stepCount; ++k) {
            if (ctx.worker && ctx.log.announcedLeft() == 0 && stepCount - k >= kRunAheadMinimumMoves) {
                k = stepsAhead(k);
                if (k == stepCount)
                    break;
            }
            announceFrom(k);
            const Planned& p = plan[k < plan.size() ? k : 0];
            made = unit.isCycle && k == plan.size() ? step(p, temporary, p.target) : step(p, p.source, p.target);
            // A file system without NOREPLACE: the chain is not emulated (its end is renamed
            // on its own, below).
            if (!made && k == 0 && failure == StepResult::Unsupported)
                break;
        }
        return made;
    };

    bool ok = true;
    if (unit.isCycle) {
        const Planned& parked = plan.front();
        const QString folder = deletingLastPathComponent(parked.source);
        ok = false;
        for (int attempt = 0; attempt < 100 && !ok; ++attempt) {
            temporary = temporaryName(folder);
            announceFrom(0);
            ok = step(parked, parked.source, temporary);
            if (!ok && failure != StepResult::Taken)
                break;
        }
        ok = ok && makeSteps(1);
    } else {
        ok = makeSteps(0);
        // A file system without NOREPLACE: the chain is not emulated. Its end (whose target
        // is free) is renamed on its own, the others keep their names.
        if (!ok && done.empty() && failure == StepResult::Unsupported) {
            FileSystemItem& end = files[plan[0].index];
            const bool renamed = renameItem(end, ctx);
            for (size_t j = 1; j < plan.size(); ++j)
                files[plan[j].index].newFilename = alreadyExists(files[plan[j].index]);
            return renamed ? 1 : 0;
        }
    }

    if (ok) {
        for (const Planned& p : plan) {
            files[p.index].fullPath = p.target;
            files[p.index].newFilename = Status::RenamingOK;
        }
        return int(plan.size());
    }

    // Take the moves made back, last first, so that no item stays under a temporary or
    // half-shifted name.
    for (auto it = done.rbegin(); it != done.rend(); ++it) {
        FileSystemItem& item = files[it->index];
        if (moveStep(ctx, item, it->to, it->from) != StepResult::Moved) {
            qWarning().noquote() << QStringLiteral("Error in applyRenames : %1 could not be moved back to %2")
                                        .arg(FileSystemItem::getDisplayFilePath(it->to),
                                             FileSystemItem::getDisplayFilePath(it->from));
            item.fullPath = it->to; // the log holds the move: undo brings it back
        }
    }
    for (const Planned& p : plan) {
        FileSystemItem& item = files[p.index];
        if (p.index == failedIndex && failure == StepResult::Missing)
            item.newFilename = notFound(item);
        else if (p.index == failedIndex && failure == StepResult::Unrecordable)
            item.newFilename = Status::NoChanges;
        else
            item.newFilename = alreadyExists(item);
    }
    return 0;
}

} // namespace

ApplyDriver::ApplyDriver(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
}

bool ApplyDriver::refusesOptionsPreviewWouldRefuse()
{
    // The names are applied as previewed, but options that Preview would now refuse (a
    // Find text edited into an invalid regular expression) are refused here too.
    if (state_.isRulePreview)
        return false;
    const std::optional<PreviewCheckFailure> failure = PreviewChecks::regularExpressionFailure(state_.settings);
    if (!failure)
        return false;
    ui_.alert(AlertStyle::Warning, msg(failure->titleKey), failure->message());
    ui_.focusControl(failure->focusControl);
    return true;
}

bool ApplyDriver::actionApply(std::function<void(const ApplyOutcome&)> onFinished)
{
    if (state_.isExecuting.load() || !state_.isHasFilesForRenaming.load())
        return false;
    if (refusesOptionsPreviewWouldRefuse())
        return false;
    const QString answer = ui_.alert(AlertStyle::Informational, msg("ITEMRENAMINGTITLE"),
                                     applyConfirmation(state_.list.files), {QStringLiteral("YES"), QStringLiteral("NO")});
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
            // The outcome line is the timing text of an apply: "5 renamed, 8 refused
            // (File Already Exists: 8) in 0.4 s".
            state->endTime = ControllerState::now();
            state->lastActionTimeTaken = outcome->summary();
            ui->showTimeTaken(state->lastActionTimeTaken);
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
    QElapsedTimer clock;
    clock.start();
    const bool isFiles = settings.flag(QStringLiteral("isFiles"));
    const bool isFolders = settings.flag(QStringLiteral("isFolders"));
    const bool foldersFirst = isFolders
        && (settings.flag(QStringLiteral("isIncludeSubFolders")) || settings.integer(QStringLiteral("selectedTab")) == 9);
    std::vector<FileSystemItem>& files = state.list.files;
    outcome.countPreviewRefusals(files);

    RenameLogJournal log;
    MovedFolders movedFolders;
    MoveContext ctx{log, foldersFirst ? &movedFolders : nullptr, progress};
    CountLine countLine(progress);
    int renamed = 0;
    std::vector<bool> reached(files.size(), false);
    // The order of the moves is worked out before the journal exists, so that the journal
    // appears when the first move is about to be made.
    if (foldersFirst)
        state.list.sortForFolderRuns();
    const std::vector<MoveUnit> units = planMoves(files, BatchRules::forState(state).chains);
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
            for (const MoveUnit& unit : units)
                outcome.proposedCount += int(unit.members.size());
            const auto unitDone = [&](size_t u, int count) {
                const MoveUnit& unit = units[u];
                for (size_t index : unit.members) {
                    reached[index] = true;
                    if (Status::isError(files[index].newFilename))
                        outcome.addRefusal(files[index].newFilename);
                }
                if (count > 0) {
                    renamed += count;
                    countLine.renamed(renamed, files[unit.members.front()].itemType == 0);
                }
            };
            std::optional<RenameWorker> worker;
            if (!ctx.movedFolders && log.hasJournal() && size_t(outcome.proposedCount) >= kRunAheadMinimumMoves) {
                worker.emplace(state.isCancelProcess);
                ctx.worker = &*worker;
                ctx.cancel = &state.isCancelProcess;
            }
            for (size_t u = 0; u < units.size();) {
                const MoveUnit& unit = units[u];
                if (state.isCancelProcess.load())
                    break;
                if (ctx.worker && unit.members.size() == 1 && log.announcedLeft() == 0) {
                    const size_t next = runAhead(
                        ctx, u, units.size(), [&](size_t x) { return planLoneMoves(files, units, x, ctx); },
                        [&](const RunAhead::Batch& b) { return takeLoneMoves(files, units, b, ctx, unitDone); });
                    if (next > u) {
                        u = next;
                        continue;
                    }
                }
                announceNextMoves(files, units, u, ctx);
                // Each item is brought to its path after the folder moves made so far
                // exactly once, when its turn comes.
                for (size_t index : unit.members) {
                    reached[index] = true;
                    if (!movedFolders.isEmpty())
                        files[index].fullPath = movedFolders.resolve(files[index].fullPath);
                }
                const int count = unit.members.size() == 1 ? (renameItem(files[unit.members.front()], ctx) ? 1 : 0)
                                                           : renameTogether(files, unit, ctx);
                unitDone(u, count);
                ++u;
            }
        }
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("Error %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        qWarning().noquote() << QStringLiteral("Error %1").arg(QStringLiteral("unknown exception"));
    }
    outcome.cancelled = state.isCancelProcess.load() && !outcome.aborted && renamed < outcome.proposedCount;

    // Finishing steps, also after a cancel, an abort or an exception. Items the loop did not
    // reach still get their paths inside moved folders.
    if (!movedFolders.isEmpty()) {
        for (size_t i = 0; i < files.size(); ++i) {
            if (!reached[i])
                files[i].fullPath = movedFolders.resolve(files[i].fullPath);
        }
    }
    outcome.renamedCount = renamed;
    outcome.moveCount = ctx.moves;
    const QString saved = log.saveLog(renamed);
    if (!saved.isEmpty()) {
        outcome.logFile = saved;
    } else if (log.hasJournal()) {
        outcome.logFile = log.journalPath();
        outcome.logSaveFailed = true;
    }
    state.currLogFile = outcome.logFile;
    state.list.resetFilesDic();
    countLine.flush();
    outcome.elapsedMs = clock.elapsed();
    progress.setCount(outcome.summary());
    return outcome;
}
