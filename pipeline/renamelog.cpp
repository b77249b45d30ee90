#include "pipeline/renamelog.h"

#include "engine/filename.h"
#include "engine/stringutilities.h"
#include "pipeline/renamelogwriter.h"
#include "platform/filemanager.h"

#include <QDebug>
#include <QFile>
#include <QTemporaryFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QByteArray kTrailer = RenameLogWriter::trailer();
constexpr int kMaxCopies = 10000;
constexpr qint64 kChunk = 256 * 1024;

bool writeAll(int fd, const char* data, qint64 size, qint64 offset)
{
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size_t(size), off_t(offset));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= n;
        offset += n;
    }
    return true;
}

} // namespace

QString getNewLogFileName(const QDateTime& start)
{
    return QStringLiteral("Log %1-#.xml")
        .arg(start.toLocalTime().toString(QStringLiteral("dd-MM-yyyy HH-mm-ss")));
}

QString logFileNameWithCount(const QString& nameWithHash, const QString& count, int copy)
{
    QString name = nameWithHash;
    const qsizetype hash = name.lastIndexOf(QLatin1Char('#'));
    if (hash >= 0)
        name.replace(hash, 1, count);
    if (copy >= 2) {
        const QString suffix = QStringLiteral(" (%1)").arg(copy);
        if (name.endsWith(QLatin1String(".xml")))
            name.insert(name.size() - 4, suffix);
        else
            name += suffix;
    }
    return name;
}

bool deleteLogFile(const QString& path)
{
    QString error;
    if (FileManager::removeItem(path, &error))
        return true;
    qWarning().noquote() << QStringLiteral("Error in deleteLogFile : %1").arg(error);
    return false;
}

RenameLogJournal::RenameLogJournal() = default;

RenameLogJournal::~RenameLogJournal()
{
    closeJournal();
}

void RenameLogJournal::closeJournal()
{
    if (fd_ >= 0) {
        ::close(fd_); // also releases the lock
        fd_ = -1;
    }
}

void RenameLogJournal::beginWithoutJournal(const QString& renamingType)
{
    folder_.clear();
    nameWithHash_.clear();
    journalPath_.clear();
    prepareDocument(renamingType);
}

void RenameLogJournal::prepareDocument(const QString& renamingType)
{
    count_ = 0;
    lastEntryOffset_ = -1;
    lastFlagOffset_ = -1;
    pending_.clear();
    body_.clear();
    header_.clear();
    closeJournal();

    // The program's version and "FILES" or "FOLDERS" always can be written.
    header_ = RenameLogWriter::header(StringUtilities::appVersion(), renamingType);
    prepared_ = !header_.isEmpty();
}

bool RenameLogJournal::createLogFile(const QString& path, const QString& renamingType)
{
    folder_ = deletingLastPathComponent(path);
    nameWithHash_ = lastPathComponent(path);
    journalPath_ = path;
    prepareDocument(renamingType);

    for (int copy = 1; prepared_ && copy <= kMaxCopies; ++copy) {
        const QString candidate = copy == 1
            ? path
            : appendingPathComponent(folder_, logFileNameWithCount(nameWithHash_, QStringLiteral("#"), copy));
        const int fd = ::open(QFile::encodeName(candidate).constData(),
                              O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            break;
        }
        // The lock tells the undo dialog that this journal belongs to a running apply.
        ::flock(fd, LOCK_EX | LOCK_NB);
        fd_ = fd;
        journalPath_ = candidate;
        closingOffset_ = header_.size();
        if (writeAll(fd_, (header_ + kTrailer).constData(), header_.size() + kTrailer.size(), 0))
            return true;
        closeJournal();
        ::unlink(QFile::encodeName(candidate).constData());
        break;
    }
    qWarning().noquote() << QStringLiteral("Error in createLogFile : Could not write document out");
    return false;
}

RenameLogJournal::EntryResult RenameLogJournal::addLogEntry(const QString& sourceFile, const QString& targetFile,
                                                            quint64 inode, bool reserved)
{
    if (!prepared_)
        return EntryResult::WriteFailed;
    // The move announced next: its entry is on disk already.
    if (!pending_.empty()) {
        const Pending& next = pending_.front();
        if (next.source == sourceFile && next.target == targetFile && (next.flagOffset >= 0) == reserved) {
            lastEntryOffset_ = next.offset;
            lastFlagOffset_ = next.flagOffset;
            pending_.pop_front();
            ++count_;
            return EntryResult::Added;
        }
        // Another move than announced: the announcements are withdrawn first.
        if (!dropPendingEntries())
            return EntryResult::WriteFailed;
    }
    if (fd_ < 0) {
        const qsizetype at = body_.size();
        if (!RenameLogWriter::writeEntry(body_, sourceFile, targetFile, inode, reserved))
            return EntryResult::Unrepresentable;
        lastEntryOffset_ = at;
        lastFlagOffset_ = reserved ? body_.size() - RenameLogWriter::kReservedFlagFromEnd : -1;
        ++count_;
        return EntryResult::Added;
    }
    QByteArray element;
    if (!RenameLogWriter::writeEntry(element, sourceFile, targetFile, inode, reserved))
        return EntryResult::Unrepresentable;
    const qint64 at = closingOffset_;
    if (!appendToJournal(element))
        return EntryResult::WriteFailed;
    lastEntryOffset_ = at;
    lastFlagOffset_ = reserved ? at + element.size() - RenameLogWriter::kReservedFlagFromEnd : -1;
    ++count_;
    return EntryResult::Added;
}

bool RenameLogJournal::recordPlaceholder(const QString& sourceFile, const QString& targetFile, quint64 inode)
{
    if (lastEntryOffset_ < 0)
        return false;
    if (lastFlagOffset_ < 0) {
        // Written without a flag: written again with one, then turned.
        if (!takeBackLastEntry() || addLogEntry(sourceFile, targetFile, inode, true) != EntryResult::Added)
            return false;
    }
    if (fd_ < 0) {
        body_[lastFlagOffset_] = '1';
        return true;
    }
    // One byte written in place: the document stays complete whether or not it lands.
    return writeAll(fd_, "1", 1, lastFlagOffset_);
}

bool RenameLogJournal::appendToJournal(const QByteArray& elements)
{
    // One write replaces the end tag by the elements followed by the end tag again.
    const qint64 at = closingOffset_;
    if (!writeAll(fd_, (elements + kTrailer).constData(), elements.size() + kTrailer.size(), at)) {
        const int err = errno;
        writeAll(fd_, kTrailer.constData(), kTrailer.size(), at);
        ::ftruncate(fd_, off_t(at + kTrailer.size()));
        qWarning().noquote() << QStringLiteral("Error in addLogEntry : %1").arg(FileManager::errorText(err));
        return false;
    }
    closingOffset_ = at + elements.size();
    return true;
}

int RenameLogJournal::announceMoves(const std::vector<AnnouncedMove>& moves)
{
    // Only into a journal; after the announcements not yet taken.
    if (fd_ < 0 || !prepared_ || moves.empty())
        return 0;
    QByteArray elements;
    qsizetype expected = 0;
    for (const AnnouncedMove& move : moves)
        expected += RenameLogWriter::entrySizeHint(move.source, move.target);
    elements.reserve(expected);
    std::deque<Pending> pending;
    for (const AnnouncedMove& move : moves) {
        const qint64 offset = closingOffset_ + elements.size();
        if (!RenameLogWriter::writeEntry(elements, move.source, move.target, move.inode, move.reserved))
            break; // that move records itself, and says it cannot
        const qint64 flag = move.reserved ? closingOffset_ + elements.size() - RenameLogWriter::kReservedFlagFromEnd : -1;
        pending.push_back(Pending{move.source, move.target, offset, flag});
    }
    const qint64 at = closingOffset_;
    if (pending.empty() || !appendToJournal(elements))
        return 0;
    // The batch starts on its way to the disk now, so that the sync that ends the apply
    // finds little left to write. Only a request: nothing waits for it.
    ::sync_file_range(fd_, off_t(at), off_t(elements.size()), SYNC_FILE_RANGE_WRITE);
    pending_.insert(pending_.end(), std::make_move_iterator(pending.begin()), std::make_move_iterator(pending.end()));
    return int(pending.size());
}

bool RenameLogJournal::dropPendingEntries()
{
    if (pending_.empty())
        return true;
    const qint64 from = pending_.front().offset;
    pending_.clear();
    return cutJournalAt(from);
}

bool RenameLogJournal::cutJournalAt(qint64 offset)
{
    // The end tag moves back over what goes; white space fills the rest until the file is
    // cut, so the document stays complete at every moment.
    QByteArray data = kTrailer;
    data.append(QByteArray(closingOffset_ - offset, ' '));
    if (!writeAll(fd_, data.constData(), data.size(), offset))
        return false;
    ::ftruncate(fd_, off_t(offset + kTrailer.size()));
    closingOffset_ = offset;
    return true;
}

bool RenameLogJournal::takeBackLastEntry()
{
    if (lastEntryOffset_ < 0)
        return false;
    if (fd_ < 0) {
        body_.truncate(lastEntryOffset_);
    } else {
        // The announcements after the entry go with it: the moves after a failed one are
        // announced again when their turn comes.
        pending_.clear();
        if (!cutJournalAt(lastEntryOffset_))
            return false;
    }
    closingOffset_ = lastEntryOffset_;
    lastEntryOffset_ = -1;
    lastFlagOffset_ = -1;
    --count_;
    return true;
}

bool RenameLogJournal::forEachBodyChunk(const std::function<bool(const char*, qint64)>& take,
                                        QString* error) const
{
    if (fd_ < 0)
        return take(body_.constData(), body_.size());
    // The entries are read in chunks so that a long log never sits in memory whole.
    QByteArray chunk;
    qint64 offset = header_.size();
    const qint64 end = pending_.empty() ? closingOffset_ : pending_.front().offset;
    while (offset < end) {
        const qint64 want = qMin(kChunk, end - offset);
        chunk.resize(want);
        const ssize_t n = ::pread(fd_, chunk.data(), size_t(want), off_t(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (error)
                *error = FileManager::errorText(n < 0 ? errno : EIO);
            return false;
        }
        if (!take(chunk.constData(), n))
            return false;
        offset += n;
    }
    return true;
}

QByteArray RenameLogJournal::document() const
{
    QByteArray out = header_;
    forEachBodyChunk([&](const char* data, qint64 size) {
        out.append(data, size);
        return true;
    });
    out += kTrailer;
    return out;
}

QString RenameLogJournal::saveLog(int itemCount)
{
    if (!prepared_ || folder_.isEmpty())
        return QString();
    if (fd_ >= 0)
        return saveJournalAsLog(itemCount);
    QString error;
    QTemporaryFile temp(appendingPathComponent(folder_, QStringLiteral(".quorvel-log-XXXXXX.tmp")));
    bool written = temp.open() && temp.write(header_) == header_.size()
        && forEachBodyChunk([&](const char* data, qint64 size) { return temp.write(data, size) == size; },
                            &error);
    written = written && temp.write(kTrailer) == kTrailer.size() && temp.flush()
        && ::fsync(temp.handle()) == 0;
    if (!written) {
        if (error.isEmpty())
            error = temp.errorString();
        qWarning().noquote() << QStringLiteral("Error in saveLog : %1").arg(error);
        return QString();
    }

    const QString count = QString::number(itemCount >= 0 ? itemCount : count_);
    for (int copy = 1; copy <= kMaxCopies; ++copy) {
        const QString target = appendingPathComponent(folder_, logFileNameWithCount(nameWithHash_, count, copy));
        const FileManager::MoveResult result = FileManager::moveItem(temp.fileName(), target, &error);
        if (result == FileManager::MoveResult::TargetExists)
            continue;
        if (result == FileManager::MoveResult::Failed)
            break;
        temp.setAutoRemove(false);
        return target;
    }
    qWarning().noquote() << QStringLiteral("Error in saveLog : %1").arg(error);
    return QString();
}

QString RenameLogJournal::saveJournalAsLog(int itemCount)
{
    // The journal is the final log once the announcements never made are cut off: the same
    // document, complete after every write. It is made durable, then renamed to the final
    // name, never replacing a file: the final log appears whole or not at all, and until
    // then the journal stays for recovery. No second file is written, so a kill leaves
    // either the journal or the final log, never both.
    QString error;
    if (!dropPendingEntries() || ::fsync(fd_) != 0) {
        qWarning().noquote() << QStringLiteral("Error in saveLog : %1").arg(FileManager::errorText(errno));
        return QString();
    }
    const QString count = QString::number(itemCount >= 0 ? itemCount : count_);
    for (int copy = 1; copy <= kMaxCopies; ++copy) {
        const QString target = appendingPathComponent(folder_, logFileNameWithCount(nameWithHash_, count, copy));
        const FileManager::MoveResult result = FileManager::moveItem(journalPath_, target, &error);
        if (result == FileManager::MoveResult::TargetExists)
            continue;
        if (result == FileManager::MoveResult::Failed)
            break;
        closeJournal();
        journalPath_.clear();
        return target;
    }
    qWarning().noquote() << QStringLiteral("Error in saveLog : %1").arg(error);
    return QString();
}
