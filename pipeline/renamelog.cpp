#include "pipeline/renamelog.h"

#include "engine/filename.h"
#include "engine/stringutilities.h"
#include "platform/filemanager.h"
#include "platform/utf16scan.h"

#include <QBuffer>
#include <QDebug>
#include <QFile>
#include <QTemporaryFile>

#include <charconv>
#include <cerrno>
#include <cstring>
#include <optional>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QByteArray kTrailer = QByteArrayLiteral("</files>\n");
const QByteArray kIndent = QByteArrayLiteral("    ");
constexpr int kMaxCopies = 10000;
// The bytes of an entry besides its indent and the two paths' characters: the tag, the
// attribute names and quotes, and an inode of up to 20 digits.
constexpr qsizetype kElementOverhead = 128;
constexpr qint64 kChunk = 256 * 1024;

// Every code unit belongs to a character XML 1.0 can hold (surrogates only in pairs).
bool isXmlText(const QString& text)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < 0x20) {
            if (c != 0x9 && c != 0xA && c != 0xD)
                return false;
        } else if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= n || !QChar::isLowSurrogate(text.at(i + 1).unicode()))
                return false;
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        } else if (c == 0xFFFE || c == 0xFFFF) {
            return false;
        }
    }
    return true;
}

// The folder part of a path whose last slash is at slash ("/" for the root, nothing
// without a slash), as deletingLastPathComponent gives it.
QStringView locationPart(QStringView path, qsizetype slash)
{
    if (slash < 0)
        return {};
    return path.left(slash == 0 ? 1 : slash);
}

// Writes text as an attribute value when every character is ASCII and needs no escaping
// (":" as "/" when asked, as names are shown); nullptr when one is not, for the general path.
char* putPlainAscii(char* out, QStringView text, bool colonsAsSlashes)
{
    if (Utf16Scan::spanWithin<u'<', u'>', u'&', u'"'>(text, 0x20, 0x80) != text.size())
        return nullptr;
    Utf16Scan::narrowInto(out, text);
    char* const end = out + text.size();
    if (colonsAsSlashes) {
        for (char* colon = out; (colon = static_cast<char*>(std::memchr(colon, ':', size_t(end - colon))));)
            *colon++ = '/';
    }
    return end;
}

QString displayName(QString name)
{
    return name.replace(QLatin1Char(':'), QLatin1Char('/'));
}

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
    pending_.clear();
    body_.clear();
    header_.clear();
    closeJournal();

    // The declaration and the root's start tag; written directly when the two values need
    // no escaping (the program's version and "FILES" or "FOLDERS" always do not).
    const QString version = StringUtilities::appVersion();
    const auto plain = [](const QString& value) {
        char unused[64];
        return value.size() <= qsizetype(sizeof unused) && putPlainAscii(unused, value, false) != nullptr;
    };
    if (plain(version) && plain(renamingType)) {
        header_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<files appversion=\"" + version.toLatin1()
            + "\" type=\"" + renamingType.toLatin1() + "\">";
    } else {
        QXmlStreamWriter writer(&header_);
        writer.setAutoFormatting(true);
        writer.writeStartDocument();
        writer.writeStartElement(QStringLiteral("files"));
        writer.writeAttribute(QStringLiteral("appversion"), version);
        writer.writeAttribute(QStringLiteral("type"), renamingType);
        writer.writeCharacters(QString()); // completes the start tag
    }
    header_ += '\n';

    // The writer of entries that need escaping is made when the first one comes.
    entryWriter_.reset();
    entryBuffer_.reset();
    prepared_ = true;
}

QXmlStreamWriter& RenameLogJournal::entryWriter()
{
    if (!entryWriter_) {
        entryBuffer_ = std::make_unique<QBuffer>();
        entryBuffer_->open(QIODevice::WriteOnly);
        entryWriter_ = std::make_unique<QXmlStreamWriter>(entryBuffer_.get());
        // The entries are written inside a root of their own, whose start tag is dropped.
        entryWriter_->writeStartElement(QStringLiteral("files"));
        entryWriter_->writeCharacters(QString());
        entryBuffer_->buffer().clear();
        entryBuffer_->seek(0);
    }
    return *entryWriter_;
}

bool RenameLogJournal::createLogFile(const QString& path, const QString& renamingType)
{
    folder_ = deletingLastPathComponent(path);
    nameWithHash_ = lastPathComponent(path);
    journalPath_ = path;
    prepareDocument(renamingType);

    for (int copy = 1; copy <= kMaxCopies; ++copy) {
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

bool RenameLogJournal::appendElement(QByteArray& out, const QString& sourceFile, const QString& targetFile,
                                     quint64 inode)
{
    // The common case, every character plain ASCII: the element written straight into out
    // from views of the two paths, without a copy of their parts.
    const QStringView source(sourceFile);
    const QStringView target(targetFile);
    const qsizetype sourceSlash = Utf16Scan::lastIndexOf(source, u'/');
    const qsizetype targetSlash = Utf16Scan::lastIndexOf(target, u'/');
    const qsizetype start = out.size();
    out.resize(start + kIndent.size() + kElementOverhead + source.size() + target.size());
    char* put = out.data() + start;
    const auto literal = [&put](QByteArrayView text) {
        std::memcpy(put, text.data(), size_t(text.size()));
        put += text.size();
    };
    literal(kIndent);
    literal("<file srclocation=\"");
    put = putPlainAscii(put, locationPart(source, sourceSlash), false);
    if (put) {
        literal("\" tarlocation=\"");
        put = putPlainAscii(put, locationPart(target, targetSlash), false);
    }
    if (put) {
        literal("\" srcfilename=\"");
        put = putPlainAscii(put, source.mid(sourceSlash + 1), true);
    }
    if (put) {
        literal("\" tarfilename=\"");
        put = putPlainAscii(put, target.mid(targetSlash + 1), true);
    }
    if (put) {
        if (inode != 0) {
            literal("\" inode=\"");
            put = std::to_chars(put, put + 24, inode).ptr;
        }
        literal("\"/>\n");
        out.truncate(put - out.constData());
        return true;
    }
    out.truncate(start);
    const std::optional<QByteArray> element = elementWithEscapes(sourceFile, targetFile, inode);
    if (!element)
        return false;
    out += *element;
    return true;
}

std::optional<QByteArray> RenameLogJournal::elementWithEscapes(const QString& sourceFile, const QString& targetFile,
                                                              quint64 inode)
{
    const QString srclocation = deletingLastPathComponent(sourceFile);
    const QString tarlocation = deletingLastPathComponent(targetFile);
    const QString srcfilename = displayName(lastPathComponent(sourceFile));
    const QString tarfilename = displayName(lastPathComponent(targetFile));
    if (!isXmlText(srclocation) || !isXmlText(tarlocation) || !isXmlText(srcfilename)
        || !isXmlText(tarfilename))
        return std::nullopt;

    QXmlStreamWriter& writer = entryWriter();
    writer.writeStartElement(QStringLiteral("file"));
    writer.writeAttribute(QStringLiteral("srclocation"), srclocation);
    writer.writeAttribute(QStringLiteral("tarlocation"), tarlocation);
    writer.writeAttribute(QStringLiteral("srcfilename"), srcfilename);
    writer.writeAttribute(QStringLiteral("tarfilename"), tarfilename);
    if (inode != 0)
        writer.writeAttribute(QStringLiteral("inode"), QString::number(inode));
    writer.writeEndElement();
    QByteArray element = kIndent + entryBuffer_->buffer() + '\n';
    entryBuffer_->buffer().clear();
    entryBuffer_->seek(0);
    if (writer.hasError())
        return std::nullopt;
    return element;
}

RenameLogJournal::EntryResult RenameLogJournal::addLogEntry(const QString& sourceFile, const QString& targetFile,
                                                            quint64 inode)
{
    if (!prepared_)
        return EntryResult::WriteFailed;
    // The move announced next: its entry is on disk already.
    if (!pending_.empty()) {
        const Pending& next = pending_.front();
        if (next.source == sourceFile && next.target == targetFile) {
            lastEntryOffset_ = next.offset;
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
        if (!appendElement(body_, sourceFile, targetFile, inode))
            return EntryResult::Unrepresentable;
        lastEntryOffset_ = at;
        ++count_;
        return EntryResult::Added;
    }
    QByteArray element;
    if (!appendElement(element, sourceFile, targetFile, inode))
        return EntryResult::Unrepresentable;
    const qint64 at = closingOffset_;
    if (!appendToJournal(element))
        return EntryResult::WriteFailed;
    lastEntryOffset_ = at;
    ++count_;
    return EntryResult::Added;
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
        expected += kIndent.size() + kElementOverhead + move.source.size() + move.target.size();
    elements.reserve(expected);
    std::deque<Pending> pending;
    for (const AnnouncedMove& move : moves) {
        const qint64 offset = closingOffset_ + elements.size();
        if (!appendElement(elements, move.source, move.target, move.inode))
            break; // that move records itself, and says it cannot
        pending.push_back(Pending{move.source, move.target, offset});
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
