#include "pipeline/renamelogreader.h"

#include "pipeline/renameloglines.h"
#include "pipeline/renamelogwriter.h"
#include "platform/checkedfile.h"

#include <QFile>
#include <QXmlStreamReader>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kRoot = QStringLiteral("files");
const QString kFile = QStringLiteral("file");
constexpr qint64 kBlock = 256 * 1024;
// Longer than any line the program writes: four values of a few thousand bytes each, every
// byte escaped at worst.
constexpr qsizetype kLongestLine = 256 * 1024;

// Walks the log with the XML reader, calling onEntry for each complete "file" child of the
// root. Fills everything of contents except entries.
template <typename OnEntry>
void parseXml(QIODevice& device, const QString& path, RenameLogContents& contents, OnEntry onEntry)
{
    QXmlStreamReader reader(&device);
    int depth = 0;
    bool inFile = false;
    RenameLogEntry entry;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (depth == 1) {
                if (reader.name() != kRoot) {
                    contents.error = QStringLiteral("%1: the root element is not \"files\"").arg(path);
                    return;
                }
                contents.readable = true;
                const QXmlStreamAttributes attributes = reader.attributes();
                contents.appversion = attributes.value(QLatin1String("appversion")).toString();
                contents.type = attributes.value(QLatin1String("type")).toString();
            } else if (depth == 2 && reader.name() == kFile) {
                const QXmlStreamAttributes a = reader.attributes();
                entry = RenameLogEntry();
                entry.hasAllAttributes = a.hasAttribute(QLatin1String("srclocation"))
                    && a.hasAttribute(QLatin1String("tarlocation"))
                    && a.hasAttribute(QLatin1String("srcfilename"))
                    && a.hasAttribute(QLatin1String("tarfilename"));
                entry.srclocation = a.value(QLatin1String("srclocation")).toString();
                entry.tarlocation = a.value(QLatin1String("tarlocation")).toString();
                entry.srcfilename = a.value(QLatin1String("srcfilename")).toString();
                entry.tarfilename = a.value(QLatin1String("tarfilename")).toString();
                entry.inode = a.value(QLatin1String("inode")).toULongLong();
                const QStringView reserved = a.value(QLatin1String("reserved"));
                entry.reservation = reserved.isEmpty() ? RenameLogEntry::Reservation::None
                    : reserved == QLatin1String("1")   ? RenameLogEntry::Reservation::Made
                                                       : RenameLogEntry::Reservation::Planned;
                inFile = true;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            // An element counts only once its end tag has been read.
            if (depth == 2 && inFile) {
                onEntry(std::move(entry));
                inFile = false;
            }
            --depth;
        }
    }
    if (reader.hasError()) {
        contents.error = QStringLiteral("%1: %2").arg(path, reader.errorString());
        return;
    }
    if (!contents.readable) {
        contents.error = QStringLiteral("%1: the document has no root element").arg(path);
        return;
    }
    contents.ok = true;
}

// Where the entries' lines lie in a log of the program's own layout.
struct Body {
    qint64 start = 0; // the first entry's line
    qint64 end = 0;   // the line of the root's end tag
};

// Reads a log of the program's own layout line by line, calling onEntry(line, isItem) for
// each entry's line. False as soon as a line is not in that layout: the caller then drops
// what it was given and reads the log with the XML reader.
template <typename OnEntry>
bool readLines(QIODevice& device, RenameLogContents& contents, Body& body, OnEntry onEntry)
{
    enum class Next { Declaration, Root, Entry, Nothing } next = Next::Declaration;
    QByteArray buffer;
    qint64 offset = 0; // of buffer's first byte in the file
    bool atEnd = false;
    while (!atEnd) {
        const qsizetype kept = buffer.size();
        buffer.resize(kept + kBlock);
        const qint64 n = device.read(buffer.data() + kept, kBlock);
        if (n < 0)
            return false;
        buffer.truncate(kept + n);
        atEnd = n == 0;
        qsizetype from = 0;
        while (true) {
            qsizetype to = buffer.indexOf('\n', from);
            if (to < 0) {
                // A line that long is none of the program's (and a file of zeros has no end).
                if (buffer.size() - from > kLongestLine)
                    return false;
                // The last line may go without its line feed.
                if (!atEnd || from == buffer.size())
                    break;
                to = buffer.size();
            }
            const QByteArrayView line(buffer.constData() + from, to - from);
            const qint64 lineStart = offset + from;
            from = qMin(to + 1, buffer.size());
            switch (next) {
            case Next::Declaration:
                if (!RenameLogLines::isDeclaration(line))
                    return false;
                next = Next::Root;
                break;
            case Next::Root:
                if (!RenameLogLines::readRoot(line, contents.appversion, contents.type))
                    return false;
                next = Next::Entry;
                body.start = offset + from;
                break;
            case Next::Entry:
                if (RenameLogLines::isEnd(line)) {
                    next = Next::Nothing;
                    body.end = lineStart;
                } else if (!onEntry(line)) {
                    return false;
                }
                break;
            case Next::Nothing:
                return false;
            }
        }
        buffer.remove(0, from);
        offset += from;
    }
    if (next != Next::Nothing)
        return false;
    contents.readable = true;
    contents.ok = true;
    return true;
}

// Opens the log and reads it through: line by line when it has the program's layout, else
// with the XML reader. onLine(line) takes each entry's line of the first, onEntry(entry) each
// entry of the second; `restart` drops what onLine was given when the layout turns out not to be.
template <typename OnLine, typename OnEntry, typename Restart>
void readLog(CheckedFile& file, const QString& path, RenameLogContents& contents, Body& body, bool& byLines,
             OnLine onLine, OnEntry onEntry, Restart restart)
{
    byLines = false;
    if (!file.open(path, CheckedFile::Kind::Log, &contents.error))
        return;
    if (readLines(file.device(), contents, body, onLine)) {
        byLines = true;
        return;
    }
    restart();
    contents = RenameLogContents();
    // Logs are read as a stream, so they are not capped by size.
    if (!file.device().seek(0)) {
        contents.error = QStringLiteral("%1: %2").arg(path, file.device().errorString());
        return;
    }
    parseXml(file.device(), path, contents, onEntry);
}

} // namespace

namespace RenameLogReader {

RenameLogContents read(const QString& path)
{
    RenameLogContents contents;
    CheckedFile file;
    Body body;
    bool byLines = false;
    RenameLogEntry entry;
    readLog(
        file, path, contents, body, byLines,
        [&](QByteArrayView line) {
            if (!RenameLogLines::readEntry(line, &entry))
                return false;
            contents.entries.append(entry);
            return true;
        },
        [&](RenameLogEntry&& e) { contents.entries.append(std::move(e)); }, [&] { contents.entries.clear(); });
    return contents;
}

int countEntries(const QString& path)
{
    RenameLogContents contents;
    CheckedFile file;
    Body body;
    bool byLines = false;
    int count = 0;
    readLog(
        file, path, contents, body, byLines,
        [&](QByteArrayView line) {
            ++count;
            return RenameLogLines::readEntry(line, nullptr);
        },
        [&](RenameLogEntry&&) { ++count; }, [&] { count = 0; });
    return count;
}

bool isItem(const RenameLogEntry& entry)
{
    return !entry.srcfilename.startsWith(RenameLogWriter::kTemporaryNamePrefix);
}

bool isLockedByRunningApply(const QString& journalPath)
{
    // Not blocking on a FIFO; only a regular file can be a journal in use.
    const int fd = ::open(QFile::encodeName(journalPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    bool locked = false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        locked = errno == EWOULDBLOCK;
    else
        ::flock(fd, LOCK_UN);
    ::close(fd);
    return locked;
}

} // namespace RenameLogReader

RenameLogBackwards::RenameLogBackwards(const QString& path)
    : file_(std::make_unique<CheckedFile>())
{
    Body body;
    bool byLines = false;
    readLog(
        *file_, path, contents_, body, byLines,
        [&](QByteArrayView line) {
            bool item = false;
            if (!RenameLogLines::readEntry(line, nullptr, &item))
                return false;
            ++entryCount_;
            itemCount_ += item ? 1 : 0;
            return true;
        },
        [&](RenameLogEntry&& entry) {
            ++entryCount_;
            itemCount_ += RenameLogReader::isItem(entry) ? 1 : 0;
            entries_.append(std::move(entry));
        },
        [&] {
            entryCount_ = 0;
            itemCount_ = 0;
        });
    if (byLines) {
        bodyStart_ = body.start;
        bufferStart_ = body.end;
    } else {
        file_.reset();
    }
}

RenameLogBackwards::~RenameLogBackwards() = default;

bool RenameLogBackwards::readBlockBefore()
{
    // The block before the bytes held, in front of them.
    const qint64 from = qMax(bodyStart_, bufferStart_ - kBlock);
    const qsizetype size = qsizetype(bufferStart_ - from);
    if (size <= 0 || !file_->device().seek(from))
        return false;
    QByteArray block(size, Qt::Uninitialized);
    if (file_->device().read(block.data(), size) != size)
        return false;
    buffer_.prepend(block);
    bufferStart_ = from;
    return true;
}

bool RenameLogBackwards::previous(RenameLogEntry& entry)
{
    if (!file_) {
        if (entries_.isEmpty())
            return false;
        entry = entries_.takeLast();
        return true;
    }
    // Every entry's line ends in a line feed, the last in front of the root's end tag.
    while (true) {
        if (buffer_.isEmpty() && bufferStart_ <= bodyStart_)
            return false;
        const qsizetype start = buffer_.size() >= 2 ? buffer_.lastIndexOf('\n', buffer_.size() - 2) : -1;
        if (start < 0 && bufferStart_ > bodyStart_) {
            if (!readBlockBefore()) {
                buffer_.clear();
                bufferStart_ = bodyStart_;
                return false;
            }
            continue;
        }
        const QByteArrayView line(buffer_.constData() + start + 1, buffer_.size() - start - 2);
        // The file was checked line by line on construction; a line that no longer reads
        // (the file changed since) gives an entry that undo skips as unsound.
        if (!RenameLogLines::readEntry(line, &entry)) {
            entry = RenameLogEntry();
            entry.hasAllAttributes = false;
        }
        buffer_.truncate(start + 1);
        return true;
    }
}
