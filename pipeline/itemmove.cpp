#include "pipeline/itemmove.h"

#include "engine/filename.h"
#include "pipeline/movedfolders.h"
#include "pipeline/passprogress.h"
#include "platform/filemanager.h"
#include "platform/utf16scan.h"

#include <QDebug>

#include <stdexcept>

namespace {

// The path of name in the folder of path, whose last slash is at slash.
QString siblingPath(const QString& path, qsizetype slash, const QString& name)
{
    return appendingPathComponent(QStringView(path).left(qMax(slash, qsizetype(0))), name);
}

// Records a move in the log ahead of it. False when the paths cannot be recorded (the
// item is then not moved); throws when the log can no longer be extended.
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

void countMove(MoveContext& ctx, const FileSystemItem& item, const QString& source, const QString& target)
{
    ++ctx.moves;
    // After a plain rename of letter case the old path still reaches the folder; the
    // caller passes only real moves here.
    if (ctx.movedFolders && item.itemType != 0)
        ctx.movedFolders->add(source, target);
}

// An existing target: another item, or the item itself under another spelling of its name.
MoveOutcome moveOntoExistingTarget(const QString& source, const QString& target)
{
    if (!FileManager::isSameFile(source, target))
        return MoveOutcome::Taken;
    if (lastPathComponent(target).compare(lastPathComponent(source), Qt::CaseInsensitive) != 0)
        return MoveOutcome::SameFile;
    return FileManager::renameCaseOnly(source, target) ? MoveOutcome::CaseChanged : MoveOutcome::SameFile;
}

// The target of the item's own move, the one announced for it when it is next. False when
// the item is not moved (its status then says so when the name was judged here).
bool targetOfItem(FileSystemItem& item, MoveContext& ctx, QString& target)
{
    const QString& source = item.fullPath;
    if (const QString* announced = ctx.log.nextAnnouncedTarget(source)) {
        // Announced with the same judgement of the item's name as below (plannedMove).
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

// The status of an item renamed on its own whose move was not made. An item deleted or
// moved away since the preview is reported as missing, not as one that merely kept its name.
const QString& statusOfItemNotMoved(const FileSystemItem& item, MoveOutcome outcome)
{
    switch (outcome) {
    case MoveOutcome::Taken:
        return alreadyExists(item);
    case MoveOutcome::Missing:
        return notFound(item);
    default:
        return Status::NoChanges;
    }
}

} // namespace

const QString& alreadyExists(const FileSystemItem& item)
{
    return item.itemType == 0 ? Status::FileAlreadyExists : Status::FolderAlreadyExists;
}

const QString& notFound(const FileSystemItem& item)
{
    return item.itemType == 0 ? Status::FileNotFound : Status::FolderNotFound;
}

MoveOutcome moveOnDisk(const QString& source, const QString& target, MoveEmulation emulation)
{
    bool unsupported = false;
    const FileManager::MoveResult result = emulation == MoveEmulation::Allowed
        ? FileManager::moveItem(source, target)
        : FileManager::moveItemNoReplace(source, target, nullptr, &unsupported);
    if (result == FileManager::MoveResult::Moved)
        return MoveOutcome::Moved;
    if (result == FileManager::MoveResult::TargetExists)
        return moveOntoExistingTarget(source, target);
    if (unsupported)
        return MoveOutcome::Unsupported;
    return FileManager::exists(source) ? MoveOutcome::Failed : MoveOutcome::Missing;
}

MoveOutcome moveJournaled(MoveContext& ctx, const FileSystemItem& item, const QString& source,
                          const QString& target, MoveEmulation emulation)
{
    // Written before the move, so that a rename is never made without its record.
    if (!recordMove(ctx, source, target, item.inode))
        return MoveOutcome::Unrecordable;
    const MoveOutcome outcome = moveOnDisk(source, target, emulation);
    if (outcome == MoveOutcome::Moved)
        countMove(ctx, item, source, target);
    else if (outcome == MoveOutcome::CaseChanged)
        ++ctx.moves;
    else
        ctx.log.takeBackLastEntry();
    return outcome;
}

void takeMadeMove(MoveContext& ctx, const FileSystemItem& item, const RenameLogJournal::AnnouncedMove& move)
{
    ctx.progress.setPath(FileSystemItem::getDisplayFilePath(move.source));
    recordMove(ctx, move.source, move.target, move.inode);
    countMove(ctx, item, move.source, move.target);
}

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

bool renameItem(FileSystemItem& item, MoveContext& ctx)
{
    const QString source = item.fullPath;
    QString target;
    if (!targetOfItem(item, ctx, target))
        return false;
    const MoveOutcome outcome = moveJournaled(ctx, item, source, target, MoveEmulation::Allowed);
    if (!isMade(outcome)) {
        item.newFilename = statusOfItemNotMoved(item, outcome);
        return false;
    }
    item.newFilename = Status::RenamingOK;
    item.fullPath = target;
    return true;
}
