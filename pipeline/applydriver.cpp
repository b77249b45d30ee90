#include "pipeline/applydriver.h"

#include "engine/filename.h"
#include "engine/methodtab.h"
#include "pipeline/batchplan.h"
#include "pipeline/chainmoves.h"
#include "pipeline/controllerstate.h"
#include "pipeline/itemmove.h"
#include "pipeline/movedfolders.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewchecks.h"
#include "pipeline/renamelog.h"
#include "pipeline/runahead.h"
#include "platform/mainthread.h"
#include "platform/messages.h"
#include "platform/renameworker.h"
#include "platform/userinterface.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

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
        progress_.setCount(msgN(isFile_ ? "TOTALFILESRENAMED" : "TOTALFOLDERSRENAMED", count_));
    }
    PassProgress& progress_;
    QElapsedTimer clock_;
    int count_ = 0;
    bool isFile_ = true;
    bool pending_ = false;
};

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

// One apply over the list, in named steps: the moves are planned as units (before the
// journal exists, so that the journal appears when the first move is about to be made),
// the log is created, the units are moved in order, and the pass is finished, also after
// a cancel, an abort or an exception.
class ApplyPass {
public:
    ApplyPass(ControllerState& state, const Settings& settings, PassProgress& progress);
    ApplyOutcome run(const QString& logFolder, UserInterface* uiForQuestions);

private:
    void takeCompanionsIn();
    void giveCompanionsBack();
    void planUnits();
    bool createLog(const QString& logFolder, UserInterface* uiForQuestions);
    void moveUnits();
    bool canMoveAhead(size_t u) const;
    bool isChainGroup(const MoveUnit& unit) const;
    bool addGroupMoves(RunAhead::Batch& batch, const MoveUnit& unit);
    size_t moveLoneUnitsAhead(size_t from);
    RunAhead::Batch planLoneBatch(size_t from);
    size_t takeLoneBatch(const RunAhead::Batch& batch);
    void takeRenamed(FileSystemItem& item, const RenameLogJournal::AnnouncedMove& move);
    bool plannedUnitMoves(const MoveUnit& unit, std::vector<RenameLogJournal::AnnouncedMove>& moves);
    void announceLoneMoves(size_t first);
    void moveUnit(size_t u);
    void unitDone(size_t u, int count);
    void finish();
    void bringUnreachedItemsAlong();
    void saveLog();

    ControllerState& state_;
    std::vector<FileSystemItem>& files_;
    PassProgress& progress_;
    const bool isFiles_;
    const bool foldersFirst_;
    QElapsedTimer clock_;
    RenameLogJournal log_;
    MovedFolders movedFolders_;
    MoveContext ctx_;
    CountLine countLine_;
    std::vector<MoveUnit> units_;
    std::vector<bool> reached_; // the items whose turn came, by list index
    size_t listedCount_ = 0;    // the listed items, before the unlisted companions
    // A companion group whose first moves the worker made before one of its moves failed
    // (or the pass was cancelled): its unit, and the moves made, for its own path to go on.
    size_t resumedUnit_ = SIZE_MAX;
    size_t madeAhead_ = 0;
    int renamed_ = 0;
    ApplyOutcome outcome_;
};

ApplyPass::ApplyPass(ControllerState& state, const Settings& settings, PassProgress& progress)
    : state_(state)
    , files_(state.list.files)
    , progress_(progress)
    , isFiles_(settings.flag(QStringLiteral("isFiles")))
    , foldersFirst_(settings.flag(QStringLiteral("isFolders"))
                    && (settings.flag(QStringLiteral("isIncludeSubFolders"))
                        || MethodTab(settings.integer(QStringLiteral("selectedTab"))) == MethodTab::RenameFromList))
    , ctx_{log_, foldersFirst_ ? &movedFolders_ : nullptr, progress}
    , countLine_(progress)
    , reached_(files_.size(), false)
{
    clock_.start();
    // --verbose (and the window's progress line) name how each folder is moved in.
    ctx_.onRungLearnt = [&progress](const QString& folder, MoveLadder::Rung rung) {
        const char* key = rung == MoveLadder::Rung::NoReplace ? "MOVERUNGNOREPLACE"
            : rung == MoveLadder::Rung::LinkUnlink           ? "MOVERUNGLINK"
                                                             : "MOVERUNGRESERVED";
        progress.setMessage(msg(key).arg(FileSystemItem::getDisplayFilePath(folder)));
    };
}

ApplyOutcome ApplyPass::run(const QString& logFolder, UserInterface* uiForQuestions)
{
    if (foldersFirst_)
        state_.list.sortForFolderRuns();
    takeCompanionsIn();
    outcome_.countPreviewRefusals(files_);
    outcome_.numberedCount = state_.numberedNames;
    planUnits();
    try {
        if (createLog(logFolder, uiForQuestions))
            moveUnits();
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("Error %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        qWarning().noquote() << QStringLiteral("Error %1").arg(QStringLiteral("unknown exception"));
    }
    finish();
    return outcome_;
}

// The order of the moves, by the batch rules: folders before their contents.
void ApplyPass::planUnits()
{
    units_ = planMoves(files_, BatchRules::forState(state_).chains);
}

// The followers that are not listed join the list for the pass (after it, listedCount_
// ends the list again): their moves are planned, made, journaled and counted as the
// listed items' are.
void ApplyPass::takeCompanionsIn()
{
    std::vector<FileSystemItem>& unlisted = state_.companions.unlisted;
    listedCount_ = files_.size();
    files_.insert(files_.end(), std::make_move_iterator(unlisted.begin()), std::make_move_iterator(unlisted.end()));
    unlisted.clear();
    reached_.resize(files_.size(), false);
}

void ApplyPass::giveCompanionsBack()
{
    std::vector<FileSystemItem>& unlisted = state_.companions.unlisted;
    unlisted.assign(std::make_move_iterator(files_.begin() + qsizetype(listedCount_)),
                    std::make_move_iterator(files_.end()));
    files_.resize(listedCount_);
}

// Creates the journal; when it cannot be created, asks whether to go on without a log
// file. Returns false when the apply is aborted.
bool ApplyPass::createLog(const QString& logFolder, UserInterface* uiForQuestions)
{
    // A log folder that is not set (or not absolute) is a log that cannot be created,
    // never the root or the working folder.
    const bool hasLogFolder = QDir::isAbsolutePath(logFolder);
    state_.currLogFile = hasLogFolder ? appendingPathComponent(logFolder, getNewLogFileName()) : QString();
    const QString renamingType = isFiles_ ? QStringLiteral("FILES") : QStringLiteral("FOLDERS");
    if (hasLogFolder && log_.createLogFile(state_.currLogFile, renamingType)) {
        state_.currLogFile = log_.journalPath();
        return true;
    }
    if (!hasLogFolder)
        log_.beginWithoutJournal(renamingType);
    outcome_.aborted = !continueWithoutLog(uiForQuestions);
    return !outcome_.aborted;
}

// The unit loop: Cancel acts between units. Runs of lone items are made ahead through the
// rename worker where they can be; every other unit is moved on its own.
void ApplyPass::moveUnits()
{
    for (const MoveUnit& unit : units_)
        outcome_.proposedCount += int(unit.members.size());
    // Lives as long as the loop (the context's pointer is not used after it).
    std::optional<RenameWorker> worker;
    if (!ctx_.movedFolders && log_.hasJournal() && size_t(outcome_.proposedCount) >= RunAhead::kMinimumMoves) {
        worker.emplace(state_.isCancelProcess);
        ctx_.worker = &*worker;
        ctx_.cancel = &state_.isCancelProcess;
    }
    for (size_t u = 0; u < units_.size();) {
        // Cancel waits for a group that is partly moved: it is finished or taken back.
        if (state_.isCancelProcess.load() && u != resumedUnit_)
            break;
        if (canMoveAhead(u)) {
            const size_t next = moveLoneUnitsAhead(u);
            if (next > u) {
                u = next;
                continue;
            }
        }
        moveUnit(u);
        ++u;
    }
}

bool ApplyPass::canMoveAhead(size_t u) const
{
    return ctx_.worker && (units_[u].members.size() == 1 || isChainGroup(units_[u])) && log_.announcedLeft() == 0
        && u != resumedUnit_;
}

// A companion group whose members move as chains: its moves are known before any is made,
// each member once from its path to its new name, in the unit's order.
bool ApplyPass::isChainGroup(const MoveUnit& unit) const
{
    return unit.members.size() > 1 && files_[unit.members.front()].companionGroup >= 0 && !unit.isCycle
        && std::none_of(unit.parts.begin(), unit.parts.end(), [](const MoveUnit::Part& part) { return part.isCycle; });
}

// Adds the moves of a chain group to a batch ahead, as one position whose move is the
// group's last (the group is made when that one is). False, with nothing added, when one of
// them cannot go ahead: its folder's rung is not (or not yet) renameat2, its folder folds
// case (a change of case only is refused in a group, as the ladder decides), or its paths
// cannot go to the kernel as they are; or when the batch would grow past its size.
bool ApplyPass::addGroupMoves(RunAhead::Batch& batch, const MoveUnit& unit)
{
    const size_t before = batch.moves.size();
    if (before + size_t(unit.members.size()) > RunAhead::kBatchMoves)
        return false;
    const auto addNone = [&] {
        batch.native.truncate(before);
        batch.moves.resize(before);
        return false;
    };
    for (size_t index : unit.members) {
        const FileSystemItem& item = files_[index];
        const QString target = appendingPathComponent(item.fileLocation(), item.newFilenameValue());
        const QStringView folder = MoveLadder::folderOf(target);
        if (ctx_.rungs.rungOfFolder(folder) != MoveLadder::Rung::NoReplace || ctx_.folders.of(folder).foldsCase)
            return addNone();
        RenameLogJournal::AnnouncedMove move = journaledMove(ctx_, item, item.fullPath, target);
        if (!batch.native.add(move.source, move.target))
            return addNone();
        batch.moves.push_back(std::move(move));
    }
    batch.moveOf.push_back(qint32(batch.moves.size() - 1));
    ++batch.end;
    return true;
}

// Lone units from `from` on made ahead; returns the unit where the loop takes over.
size_t ApplyPass::moveLoneUnitsAhead(size_t from)
{
    return runAhead(
        ctx_, from, units_.size(), [this](size_t u) { return planLoneBatch(u); },
        [this](const RunAhead::Batch& batch) { return takeLoneBatch(batch); });
}

// The moves of lone units and chain groups from unit `from`, announced: a batch ends at
// any other unit.
RunAhead::Batch ApplyPass::planLoneBatch(size_t from)
{
    RunAhead::Batch batch;
    batch.begin = batch.end = from;
    while (batch.end < units_.size() && batch.moves.size() < RunAhead::kBatchMoves) {
        const MoveUnit& unit = units_[batch.end];
        if (unit.members.size() != 1) {
            if (!isChainGroup(unit) || !addGroupMoves(batch, unit))
                break;
            continue;
        }
        const FileSystemItem& item = files_[unit.members.front()];
        bool eligible = true;
        const std::optional<RenameLogJournal::AnnouncedMove> move = moveAhead(ctx_, item, eligible);
        if (!eligible || !batch.add(move ? &*move : nullptr))
            break;
    }
    RunAhead::announce(batch, log_);
    // A batch the journal ended inside a group keeps none of that group's moves: the ones
    // announced are left to the group's own path, which takes them in order.
    const auto last = std::find_if(batch.moveOf.rbegin(), batch.moveOf.rend(), [](qint32 m) { return m >= 0; });
    const size_t kept = last == batch.moveOf.rend() ? 0 : size_t(*last) + 1;
    if (kept < batch.moves.size()) {
        batch.moves.resize(kept);
        batch.native.truncate(kept);
    }
    return batch;
}

// Takes a batch of lone moves in list order, up to its first move not made.
size_t ApplyPass::takeLoneBatch(const RunAhead::Batch& batch)
{
    const size_t stop = RunAhead::firstNotMade(batch);
    for (size_t u = batch.begin; u < stop; ++u) {
        const MoveUnit& unit = units_[u];
        const qint32 m = batch.moveOf[u - batch.begin];
        if (unit.members.size() != 1) { // a chain group, every move made
            const size_t first = size_t(m) + 1 - size_t(unit.members.size());
            for (qsizetype k = 0; k < unit.members.size(); ++k)
                takeRenamed(files_[unit.members[k]], batch.moves[first + size_t(k)]);
            unitDone(u, int(unit.members.size()));
            continue;
        }
        FileSystemItem& item = files_[unit.members.front()];
        if (m < 0) {
            unitDone(u, renameItem(item, ctx_) ? 1 : 0); // only sets its status
            continue;
        }
        takeRenamed(item, batch.moves[size_t(m)]);
        unitDone(u, 1);
    }
    // A group the worker stopped in: the moves it made are taken, and its own path goes on
    // from there (and takes them back if the group cannot be renamed whole).
    if (stop < batch.end && units_[stop].members.size() != 1) {
        const MoveUnit& unit = units_[stop];
        const size_t last = size_t(batch.moveOf[stop - batch.begin]);
        const size_t first = last + 1 - size_t(unit.members.size());
        if (batch.native.made > first) {
            madeAhead_ = batch.native.made - first;
            resumedUnit_ = stop;
            for (size_t k = 0; k < madeAhead_; ++k)
                takeMadeMove(ctx_, files_[unit.members[qsizetype(k)]], batch.moves[first + k]);
        }
    }
    return stop;
}

// A move the worker made, taken into the log and the counts; the item has its new name.
void ApplyPass::takeRenamed(FileSystemItem& item, const RenameLogJournal::AnnouncedMove& move)
{
    takeMadeMove(ctx_, item, move);
    item.newFilename = Status::RenamingOK;
    item.fullPath = move.target;
}

// The moves of a unit when they are known before any is made, appended to moves: a lone
// item's, or a companion group's whose members move as chains, each member once from its
// path to its new name, in the unit's order (a cycle's member is parked under a name
// chosen only when it moves). False, with nothing appended, for any other unit.
bool ApplyPass::plannedUnitMoves(const MoveUnit& unit, std::vector<RenameLogJournal::AnnouncedMove>& moves)
{
    if (unit.members.size() == 1) {
        plannedMoves(ctx_, files_[unit.members.front()], moves);
        return true;
    }
    if (files_[unit.members.front()].companionGroup < 0 || unit.isCycle
        || std::any_of(unit.parts.begin(), unit.parts.end(), [](const MoveUnit::Part& part) { return part.isCycle; }))
        return false;
    for (size_t index : unit.members) {
        const FileSystemItem& item = files_[index];
        moves.push_back(journaledMove(ctx_, item, item.fullPath,
                                      appendingPathComponent(item.fileLocation(), item.newFilenameValue())));
    }
    return true;
}

// Announces the moves of the units from units[first] on whose moves are known ahead (lone
// items, companion groups; up to a batch), so that the journal is written once per batch
// rather than once per unit. A group's moves take their announcements in order; one that
// fails, or a move taken back, withdraws the rest. Only while no folder moves (a moved
// folder changes the paths of what follows it). Until the first unit's folder has a known
// rung (its first move tells, and with it how its entries are written) only that unit is
// announced, when it is a lone item.
void ApplyPass::announceLoneMoves(size_t first)
{
    if (ctx_.movedFolders || log_.announcedLeft() > 0)
        return;
    const QString& path = files_[units_[first].members.front()].fullPath;
    const bool rungKnown = ctx_.rungs.rungOfFolder(MoveLadder::folderOf(path)) != MoveLadder::Rung::Unknown;
    std::vector<RenameLogJournal::AnnouncedMove> moves;
    const size_t upTo = rungKnown ? units_.size() : units_[first].members.size() == 1 ? first + 1 : first;
    for (size_t u = first; u < upTo && moves.size() < RunAhead::kBatchMoves; ++u) {
        if (!plannedUnitMoves(units_[u], moves))
            break;
    }
    log_.announceMoves(moves);
}

// One unit moved on its own. Each item is brought to its path after the folder moves made
// so far exactly once, when its turn comes.
void ApplyPass::moveUnit(size_t u)
{
    const MoveUnit& unit = units_[u];
    announceLoneMoves(u);
    for (size_t index : unit.members) {
        reached_[index] = true;
        if (!movedFolders_.isEmpty())
            files_[index].fullPath = movedFolders_.resolve(files_[index].fullPath);
    }
    const size_t madeAhead = u == resumedUnit_ ? madeAhead_ : 0;
    const int count = unit.members.size() == 1 ? (renameItem(files_[unit.members.front()], ctx_) ? 1 : 0)
                                               : renameTogether(files_, unit, ctx_, madeAhead);
    unitDone(u, count);
}

// Counts a unit's renames and refusals.
void ApplyPass::unitDone(size_t u, int count)
{
    const MoveUnit& unit = units_[u];
    for (size_t index : unit.members) {
        reached_[index] = true;
        if (Status::isError(files_[index].newFilename))
            outcome_.addRefusal(files_[index].newFilename);
    }
    if (count > 0) {
        renamed_ += count;
        countLine_.renamed(renamed_, files_[unit.members.front()].kind() == ItemType::File);
    }
}

void ApplyPass::finish()
{
    outcome_.cancelled = state_.isCancelProcess.load() && !outcome_.aborted && renamed_ < outcome_.proposedCount;
    bringUnreachedItemsAlong();
    giveCompanionsBack();
    outcome_.renamedCount = renamed_;
    outcome_.moveCount = ctx_.moves;
    outcome_.failureReasons = ctx_.failureReasons;
    outcome_.reservedRenames = ctx_.rungs.usedReserved();
    saveLog();
    state_.list.resetFilesDic();
    countLine_.flush();
    outcome_.elapsedMs = clock_.elapsed();
    progress_.setCount(outcome_.summary());
}

// Items the loop did not reach still get their paths inside moved folders.
void ApplyPass::bringUnreachedItemsAlong()
{
    if (movedFolders_.isEmpty())
        return;
    for (size_t i = 0; i < files_.size(); ++i) {
        if (!reached_[i])
            files_[i].fullPath = movedFolders_.resolve(files_[i].fullPath);
    }
}

// The final log under its name with the count; the journal stays (and is reported) when
// that fails.
void ApplyPass::saveLog()
{
    const QString saved = log_.saveLog(renamed_);
    if (!saved.isEmpty()) {
        outcome_.logFile = saved;
    } else if (log_.hasJournal()) {
        outcome_.logFile = log_.journalPath();
        outcome_.logSaveFailed = true;
    }
    state_.currLogFile = outcome_.logFile;
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
                                     applyConfirmation(state_.list.files, state_.companions.unlisted), {QStringLiteral("YES"), QStringLiteral("NO")});
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
    return ApplyPass(state, settings, progress).run(logFolder, uiForQuestions);
}
