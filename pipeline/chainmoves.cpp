#include "pipeline/chainmoves.h"

#include "engine/filename.h"
#include "pipeline/itemmove.h"
#include "pipeline/passprogress.h"
#include "pipeline/renamelogwriter.h"

#include <QDebug>

namespace {

// The moves of one chain or cycle, its steps, in the order they are made: a chain's from
// its end; a cycle's first member parked under a temporary name, the others, then the
// parked one to its place. They are announced to the journal in batches ahead of being
// made; a move that turns out otherwise (another temporary name, a move taken back)
// withdraws what is left. Long runs of steps are made ahead through the rename worker.
class ChainMoves {
public:
    ChainMoves(std::vector<FileSystemItem>& files, const MoveUnit& unit, MoveContext& ctx);
    // Makes every step from step `from` on (the steps before it made already), or takes
    // back the steps made; sets the statuses. Returns the items renamed.
    int run(size_t from);

private:
    struct Planned {
        size_t index;
        QString source;
        QString target;
    };
    // A move of the unit: an item's move to its new name, a cycle's first member parked
    // under a temporary name (chosen when it is made), or that member from there to its
    // new name.
    struct Step {
        size_t item; // in plan_
        qint32 parkedAt = -1; // for the move out of a temporary name: the step that parked it
        bool parks = false;
        QString temporary; // for a step that parks: the name chosen
    };
    struct Done {
        size_t index;
        QString from;
        QString to;
    };

    const QString& sourceOf(size_t k) const
    {
        const Step& step = steps_[k];
        return step.parkedAt >= 0 ? steps_[size_t(step.parkedAt)].temporary : plan_[step.item].source;
    }
    const QString& targetOf(size_t k) const
    {
        return steps_[k].parks ? steps_[k].temporary : plan_[steps_[k].item].target;
    }
    // Both paths of the step are known (a temporary name is chosen only when its move is made).
    bool isKnown(size_t k) const { return !sourceOf(k).isEmpty() && !targetOf(k).isEmpty(); }
    RenameLogJournal::AnnouncedMove announcedMoveOf(size_t k) const
    {
        return journaledMove(ctx_, files_[plan_[steps_[k].item].index], sourceOf(k), targetOf(k));
    }
    void addPart(size_t begin, size_t end, bool isCycle);

    void announceFrom(size_t k);
    bool park(size_t k);
    bool makeSteps(size_t k);
    bool makeStep(size_t k);
    size_t makeStepsAhead(size_t from);
    RunAhead::Batch planBatch(size_t from);
    size_t takeBatch(const RunAhead::Batch& batch);

    int finishRenamed();
    void takeBackMoves();
    void refuse();

    std::vector<FileSystemItem>& files_;
    const MoveUnit& unit_;
    MoveContext& ctx_;
    std::vector<Planned> plan_;
    std::vector<Step> steps_;
    std::vector<Done> done_; // the moves made, in order
    size_t announcedUpTo_ = 0;
    MoveOutcome failure_ = MoveOutcome::Moved;
    int failureError_ = 0; // the errno of the move that failed
    size_t failedIndex_;
};

ChainMoves::ChainMoves(std::vector<FileSystemItem>& files, const MoveUnit& unit, MoveContext& ctx)
    : files_(files)
    , unit_(unit)
    , ctx_(ctx)
    , failedIndex_(unit.members.front())
{
    plan_.reserve(unit.members.size());
    for (size_t index : unit.members) {
        const FileSystemItem& item = files[index];
        plan_.push_back({index, item.fullPath, appendingPathComponent(item.fileLocation(), item.newFilenameValue())});
    }
    if (unit.parts.empty()) {
        addPart(0, plan_.size(), unit.isCycle);
    } else {
        for (const MoveUnit::Part& part : unit.parts)
            addPart(part.begin, part.end, part.isCycle);
    }
}

// A chain's members are moved in their order; a cycle's first member is parked first and
// moved to its place last.
void ChainMoves::addPart(size_t begin, size_t end, bool isCycle)
{
    const size_t parkStep = steps_.size();
    for (size_t m = begin; m < end; ++m)
        steps_.push_back(Step{m, -1, isCycle && m == begin, {}});
    if (isCycle)
        steps_.push_back(Step{begin, qint32(parkStep), false, {}});
}

int ChainMoves::run(size_t from)
{
    for (size_t k = 0; k < from; ++k)
        done_.push_back({plan_[steps_[k].item].index, sourceOf(k), targetOf(k)});
    if (makeSteps(from))
        return finishRenamed();
    takeBackMoves();
    refuse();
    return 0;
}

// Announces the steps from k on, up to a batch or a step whose temporary name is not
// chosen yet, unless they are announced already (or others are left to take, or folders
// move and change the paths of what follows).
void ChainMoves::announceFrom(size_t k)
{
    if (ctx_.movedFolders || ctx_.log.announcedLeft() > 0 || k < announcedUpTo_)
        return;
    std::vector<RenameLogJournal::AnnouncedMove> moves;
    for (size_t j = k; j < steps_.size() && moves.size() < RunAhead::kBatchMoves && isKnown(j); ++j)
        moves.push_back(announcedMoveOf(j));
    announcedUpTo_ = k + size_t(ctx_.log.announceMoves(moves));
}

// A cycle's first member goes under a temporary name; a name that turns out taken is
// tried again with another.
bool ChainMoves::park(size_t k)
{
    const QString folder = deletingLastPathComponent(sourceOf(k));
    for (int attempt = 0; attempt < 100; ++attempt) {
        steps_[k].temporary = RenameLogWriter::temporaryPath(folder);
        if (makeStep(k))
            return true;
        if (failure_ != MoveOutcome::Taken)
            return false;
    }
    return false;
}

// The steps from k on, each made ahead when it can be, else on its own.
bool ChainMoves::makeSteps(size_t k)
{
    while (k < steps_.size()) {
        if (ctx_.worker && ctx_.log.announcedLeft() == 0 && steps_.size() - k >= RunAhead::kMinimumMoves
            && isKnown(k)) {
            k = makeStepsAhead(k);
            if (k == steps_.size())
                break;
        }
        if (!(steps_[k].parks ? park(k) : makeStep(k)))
            return false;
        ++k;
    }
    return true;
}

// One step on its own, on the first rung its folder accepts.
bool ChainMoves::makeStep(size_t k)
{
    announceFrom(k);
    const size_t index = plan_[steps_[k].item].index;
    const QString& from = sourceOf(k);
    const QString& to = targetOf(k);
    ctx_.progress.setPath(FileSystemItem::getDisplayFilePath(from));
    const MoveOutcome outcome = moveJournaled(ctx_, files_[index], from, to);
    if (isMade(outcome)) {
        done_.push_back({index, from, to});
        return true;
    }
    // For a chain a target that is the item itself, and not a change of letter case, is taken.
    failure_ = outcome == MoveOutcome::SameFile ? MoveOutcome::Taken : outcome;
    failureError_ = ctx_.lastError;
    failedIndex_ = index;
    return false;
}

// A run of steps made ahead; returns the step where the run stopped.
size_t ChainMoves::makeStepsAhead(size_t from)
{
    return runAhead(
        ctx_, from, steps_.size(), [this](size_t k) { return planBatch(k); },
        [this](const RunAhead::Batch& batch) { return takeBatch(batch); });
}

RunAhead::Batch ChainMoves::planBatch(size_t from)
{
    RunAhead::Batch batch;
    batch.begin = batch.end = from;
    // Only steps into a folder whose rung is renameat2 go to the worker.
    while (batch.end < steps_.size() && batch.moves.size() < RunAhead::kBatchMoves && isKnown(batch.end)
           && ctx_.rungs.rungOfFolder(MoveLadder::folderOf(targetOf(batch.end))) == MoveLadder::Rung::NoReplace) {
        const RenameLogJournal::AnnouncedMove move = announcedMoveOf(batch.end);
        if (!batch.add(&move))
            break;
    }
    RunAhead::announce(batch, ctx_.log);
    return batch;
}

// Takes the moves the worker made, in order, into the steps done.
size_t ChainMoves::takeBatch(const RunAhead::Batch& batch)
{
    const size_t stop = RunAhead::firstNotMade(batch);
    for (size_t k = batch.begin; k < stop; ++k) {
        const RenameLogJournal::AnnouncedMove& move = batch.moves[size_t(batch.moveOf[k - batch.begin])];
        const size_t index = plan_[steps_[k].item].index;
        takeMadeMove(ctx_, files_[index], move);
        done_.push_back({index, move.source, move.target});
    }
    return stop;
}

int ChainMoves::finishRenamed()
{
    for (const Planned& p : plan_) {
        files_[p.index].fullPath = p.target;
        files_[p.index].newFilename = Status::RenamingOK;
    }
    return int(plan_.size());
}

// Takes the moves made back, last first, so that no item stays under a temporary or
// half-shifted name.
void ChainMoves::takeBackMoves()
{
    for (auto it = done_.rbegin(); it != done_.rend(); ++it) {
        FileSystemItem& item = files_[it->index];
        if (!isMade(moveJournaled(ctx_, item, it->to, it->from))) {
            qWarning().noquote() << QStringLiteral("Error in applyRenames : %1 could not be moved back to %2")
                                        .arg(FileSystemItem::getDisplayFilePath(it->to),
                                             FileSystemItem::getDisplayFilePath(it->from));
            item.fullPath = it->to; // the log holds the move: undo brings it back
        }
    }
}

// The statuses of a refused unit: "Already Exists" for each item, unless the move that
// failed found its item gone, could not record it or failed for a reason of its own, which
// that item's status says (the others of the unit are refused with it; the members of a
// companion group say so).
void ChainMoves::refuse()
{
    for (const Planned& p : plan_) {
        FileSystemItem& item = files_[p.index];
        if (p.index == failedIndex_ && failure_ != MoveOutcome::Taken && failure_ != MoveOutcome::Moved) {
            ctx_.lastError = failureError_;
            item.newFilename = statusOfMoveNotMade(ctx_, item, failure_);
        } else if (p.index != failedIndex_ && item.companionGroup >= 0) {
            item.newFilename = Status::RefusedWithItsGroup; // a companion group is renamed whole
        } else {
            item.newFilename = alreadyExists(item);
        }
    }
}

} // namespace

int renameTogether(std::vector<FileSystemItem>& files, const MoveUnit& unit, MoveContext& ctx, size_t madeAhead)
{
    return ChainMoves(files, unit, ctx).run(madeAhead);
}
