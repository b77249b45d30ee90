#include "pipeline/itemmove.h"

#include "engine/filename.h"
#include "pipeline/movedfolders.h"
#include "pipeline/passprogress.h"
#include "pipeline/renamelogwriter.h"
#include "platform/filemanager.h"
#include "platform/messages.h"
#include "platform/utf16scan.h"

#include <QDebug>

#include <cerrno>
#include <stdexcept>

namespace {

// The path of name in the folder of path, whose last slash is at slash.
QString siblingPath(const QString& path, qsizetype slash, const QString& name)
{
    return appendingPathComponent(QStringView(path).left(qMax(slash, qsizetype(0))), name);
}

MoveLadder::Kind kindOf(const FileSystemItem& item)
{
    return item.kind() == ItemType::File ? MoveLadder::Kind::File : MoveLadder::Kind::Folder;
}

// Records a move in the log ahead of it. False when the paths cannot be recorded (the
// item is then not moved); throws when the log can no longer be extended.
bool recordMove(MoveContext& ctx, const RenameLogJournal::AnnouncedMove& move)
{
    switch (ctx.log.addLogEntry(move.source, move.target, move.inode, move.reserved)) {
    case RenameLogJournal::EntryResult::Added:
        return true;
    case RenameLogJournal::EntryResult::Unrepresentable:
        qWarning().noquote() << QStringLiteral("Error in addLogEntry : %1 cannot be recorded in the rename log")
                                    .arg(FileSystemItem::getDisplayFilePath(move.source));
        return false;
    case RenameLogJournal::EntryResult::WriteFailed:
        break;
    }
    throw std::runtime_error("the rename log could not be extended");
}

void countMove(MoveContext& ctx, const FileSystemItem& item, const QString& source, const QString& target)
{
    ++ctx.moves;
    if (ctx.movedFolders && item.kind() != ItemType::File)
        ctx.movedFolders->add(source, target);
}

bool isTemporaryPath(const QString& path)
{
    return QStringView(path).mid(Utf16Scan::lastIndexOf(path, u'/') + 1).startsWith(RenameLogWriter::kTemporaryNamePrefix);
}

// The item's target when its new name is one it can take: not empty, not a status, not
// its current name, a usable file name.
std::optional<QString> plannedTarget(const FileSystemItem& item)
{
    const QString newName = item.newFilenameValue();
    if (newName.isEmpty() || Status::isStatus(item.newFilename))
        return std::nullopt;
    const qsizetype slash = Utf16Scan::lastIndexOf(item.fullPath, u'/');
    const QStringView oldName = QStringView(item.fullPath).mid(slash + 1);
    if (Utf16Scan::sameUnits(newName, oldName) || !isUsableFileName(newName))
        return std::nullopt;
    return siblingPath(item.fullPath, slash, newName);
}

// Whether two names of one folder differ in letter case only.
bool changesCaseOnly(const QString& source, const QString& target)
{
    const QString from = lastPathComponent(source);
    const QString to = lastPathComponent(target);
    return from != to && FolderCase::comparisonName(from, true) == FolderCase::comparisonName(to, true);
}

// A change of letter case only, in a folder that folds case: the target is the item
// itself, so the move goes through a temporary name.
bool movesThroughTemporary(MoveContext& ctx, const QString& source, const QString& target)
{
    return ctx.folders.of(MoveLadder::folderOf(source)).foldsCase && changesCaseOnly(source, target);
}

// The target of the item's own move. False when the item is not moved (its status then
// says so when the name was judged here).
bool targetOfItem(FileSystemItem& item, MoveContext& ctx, QString& target)
{
    const QString& source = item.fullPath;
    if (const QString* announced = ctx.log.nextAnnouncedTarget(source); announced && !isTemporaryPath(*announced)) {
        // Announced with the same judgement of the item's name as below (plannedMoves).
        target = *announced;
        ctx.progress.setPath(FileSystemItem::getDisplayFilePath(source));
        return true;
    }
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
    return true;
}

// A change of letter case where the folder folds case: the item is parked under a
// temporary name, then takes its new one; when the second move fails the first is taken
// back (every move journaled). The item's path follows it should it stay parked.
MoveOutcome moveCaseThroughTemporary(MoveContext& ctx, FileSystemItem& item, const QString& source,
                                     const QString& target)
{
    const QString folder = MoveLadder::folderOf(source).toString();
    MoveOutcome outcome = MoveOutcome::Taken;
    for (int attempt = 0; attempt < 100 && outcome == MoveOutcome::Taken; ++attempt) {
        const QString* announced = ctx.log.nextAnnouncedTarget(source);
        const QString parked = announced && isTemporaryPath(*announced) ? *announced : RenameLogWriter::temporaryPath(folder);
        outcome = moveJournaled(ctx, item, source, parked);
        if (!isMade(outcome))
            continue;
        outcome = moveJournaled(ctx, item, parked, target);
        if (isMade(outcome))
            return outcome;
        const int error = ctx.lastError;
        if (!isMade(moveJournaled(ctx, item, parked, source))) {
            qWarning().noquote() << QStringLiteral("Error in applyRenames : %1 could not be moved back to %2")
                                        .arg(FileSystemItem::getDisplayFilePath(parked),
                                             FileSystemItem::getDisplayFilePath(source));
            item.fullPath = parked; // the log holds the move: undo brings it back
        }
        ctx.lastError = error;
        return outcome == MoveOutcome::Taken ? MoveOutcome::Failed : outcome;
    }
    return outcome;
}

void keepReason(MoveContext& ctx, const QString& reason)
{
    if (!ctx.failureReasons.contains(reason))
        ctx.failureReasons.append(reason);
}

} // namespace

const FolderFacts& FolderFactsCache::of(QStringView folder)
{
    if (haveLast_ && Utf16Scan::sameUnits(folder, lastFolder_))
        return last_;
    lastFolder_ = folder.toString();
    const auto it = known_.constFind(lastFolder_);
    if (it != known_.constEnd()) {
        last_ = *it;
    } else {
        last_ = FolderFacts{FolderCase::foldsCase(lastFolder_), MoveLadder::hasStableInodes(lastFolder_)};
        known_.insert(lastFolder_, last_);
    }
    haveLast_ = true;
    return last_;
}

const QString& alreadyExists(const FileSystemItem& item)
{
    return item.kind() == ItemType::File ? Status::FileAlreadyExists : Status::FolderAlreadyExists;
}

const QString& notFound(const FileSystemItem& item)
{
    return item.kind() == ItemType::File ? Status::FileNotFound : Status::FolderNotFound;
}

const QString& statusOfMoveNotMade(MoveContext& ctx, const FileSystemItem& item, MoveOutcome outcome)
{
    switch (outcome) {
    case MoveOutcome::Taken:
        return alreadyExists(item);
    case MoveOutcome::Missing:
        return notFound(item);
    case MoveOutcome::SameFile:
        // Another name of the very same file (two hard links): renaming changes nothing.
        return Status::NoChanges;
    case MoveOutcome::Unrecordable:
        keepReason(ctx, msg("MOVEREASONUNRECORDABLE"));
        return Status::CouldNotRename;
    case MoveOutcome::Failed:
        if (ctx.lastError == ENAMETOOLONG)
            return Status::NameTooLong;
        keepReason(ctx, FileManager::errorText(ctx.lastError ? ctx.lastError : EIO));
        return Status::CouldNotRename;
    case MoveOutcome::Moved:
        break;
    }
    return Status::RenamingOK;
}

MoveOutcome moveOnDisk(MoveLadder::FolderRungs& rungs, const QString& source, const QString& target,
                       MoveLadder::Kind kind, const MoveLadder::PlaceholderMade& onPlaceholder, int* error)
{
    const MoveLadder::Result result = rungs.move(source, target, kind, onPlaceholder);
    if (error)
        *error = result.error;
    switch (result.status) {
    case MoveLadder::Result::Moved:
        return MoveOutcome::Moved;
    case MoveLadder::Result::TargetExists:
        return FileManager::isSameFile(source, target) ? MoveOutcome::SameFile : MoveOutcome::Taken;
    case MoveLadder::Result::Failed:
        break;
    }
    return FileManager::exists(source) ? MoveOutcome::Failed : MoveOutcome::Missing;
}

RenameLogJournal::AnnouncedMove journaledMove(MoveContext& ctx, const FileSystemItem& item, const QString& source,
                                              const QString& target)
{
    const QStringView folder = MoveLadder::folderOf(target);
    const bool stable = ctx.folders.of(folder).stableInodes;
    return {source, target, stable ? item.inode : 0, ctx.rungs.movesReserved(folder, kindOf(item))};
}

MoveOutcome moveJournaled(MoveContext& ctx, const FileSystemItem& item, const QString& source, const QString& target)
{
    // Written before the move, so that a rename is never made without its record.
    const RenameLogJournal::AnnouncedMove move = journaledMove(ctx, item, source, target);
    if (!recordMove(ctx, move))
        return MoveOutcome::Unrecordable;
    const QStringView folder = MoveLadder::folderOf(target);
    const bool rungKnown = !ctx.onRungLearnt || ctx.rungs.rungOfFolder(folder) != MoveLadder::Rung::Unknown;
    const MoveOutcome outcome = moveOnDisk(
        ctx.rungs, source, target, kindOf(item),
        [&ctx, &move] { return ctx.log.recordPlaceholder(move.source, move.target, move.inode); }, &ctx.lastError);
    if (!rungKnown) {
        if (const MoveLadder::Rung rung = ctx.rungs.rungOfFolder(folder); rung != MoveLadder::Rung::Unknown)
            ctx.onRungLearnt(folder.toString(), rung);
    }
    if (outcome == MoveOutcome::Moved)
        countMove(ctx, item, source, target);
    else
        ctx.log.takeBackLastEntry();
    return outcome;
}

void takeMadeMove(MoveContext& ctx, const FileSystemItem& item, const RenameLogJournal::AnnouncedMove& move)
{
    ctx.progress.setPath(FileSystemItem::getDisplayFilePath(move.source));
    recordMove(ctx, move);
    countMove(ctx, item, move.source, move.target);
}

int plannedMoves(MoveContext& ctx, const FileSystemItem& item, std::vector<RenameLogJournal::AnnouncedMove>& out)
{
    const std::optional<QString> target = plannedTarget(item);
    if (!target)
        return 0;
    if (!movesThroughTemporary(ctx, item.fullPath, *target)) {
        out.push_back(journaledMove(ctx, item, item.fullPath, *target));
        return 1;
    }
    const QString parked = RenameLogWriter::temporaryPath(MoveLadder::folderOf(item.fullPath).toString());
    out.push_back(journaledMove(ctx, item, item.fullPath, parked));
    out.push_back(journaledMove(ctx, item, parked, *target));
    return 2;
}

std::optional<RenameLogJournal::AnnouncedMove> moveAhead(MoveContext& ctx, const FileSystemItem& item, bool& eligible)
{
    eligible = true;
    std::optional<QString> target = plannedTarget(item);
    if (!target)
        return std::nullopt;
    // The item stays in its folder: one look at the folder answers for source and target.
    const QStringView folder = MoveLadder::folderOf(*target);
    const FolderFacts& facts = ctx.folders.of(folder);
    eligible = ctx.rungs.rungOfFolder(folder) == MoveLadder::Rung::NoReplace
        && !(facts.foldsCase && changesCaseOnly(item.fullPath, *target));
    if (!eligible)
        return std::nullopt;
    // renameat2 never goes through a placeholder.
    return RenameLogJournal::AnnouncedMove{item.fullPath, std::move(*target), facts.stableInodes ? item.inode : 0, false};
}

bool renameItem(FileSystemItem& item, MoveContext& ctx)
{
    const QString source = item.fullPath;
    QString target;
    if (!targetOfItem(item, ctx, target))
        return false;
    const MoveOutcome outcome = movesThroughTemporary(ctx, source, target)
        ? moveCaseThroughTemporary(ctx, item, source, target)
        : moveJournaled(ctx, item, source, target);
    if (!isMade(outcome)) {
        item.newFilename = statusOfMoveNotMade(ctx, item, outcome);
        return false;
    }
    item.newFilename = Status::RenamingOK;
    item.fullPath = target;
    return true;
}
