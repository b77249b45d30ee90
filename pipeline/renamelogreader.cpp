#include "pipeline/renamelogreader.h"

#include "platform/checkedfile.h"

#include <QFile>
#include <QXmlStreamReader>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RenameLogReader {

namespace {

const QString kRoot = QStringLiteral("files");
const QString kFile = QStringLiteral("file");

// Walks the log, calling onEntry for each complete "file" child of the root. Fills
// everything of contents except entries.
template <typename OnEntry>
void parse(const QString& path, RenameLogContents& contents, OnEntry onEntry)
{
    // Logs are read as a stream, so they are not capped by size.
    CheckedFile file;
    if (!file.open(path, CheckedFile::Kind::Log, &contents.error))
        return;
    QXmlStreamReader reader(&file.device());
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

} // namespace

RenameLogContents read(const QString& path)
{
    RenameLogContents contents;
    parse(path, contents, [&](RenameLogEntry&& entry) { contents.entries.append(std::move(entry)); });
    return contents;
}

int countEntries(const QString& path)
{
    RenameLogContents contents;
    int count = 0;
    parse(path, contents, [&](RenameLogEntry&&) { ++count; });
    return count;
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
