#include "platform/checkedfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void setError(QString* error, const QString& path, const QString& reason)
{
    if (error)
        *error = QStringLiteral("Can't read %1: %2").arg(path, reason);
}

// What is read at a time once a file has grown past the size it had when opened.
constexpr qint64 kGrowthPiece = qint64(1) << 20;

QString sizeText(qint64 bytes)
{
    return QStringLiteral("%1 MiB").arg(bytes / (1024 * 1024));
}

} // namespace

qint64 CheckedFile::maxBytes(Kind kind)
{
    switch (kind) {
    case Kind::PropertyList:
        return kMaxPropertyListBytes;
    case Kind::List:
        return kMaxListBytes;
    case Kind::Log:
        break;
    }
    return std::numeric_limits<qint64>::max();
}

bool CheckedFile::open(const QString& path, Kind kind, QString* error)
{
    if (file_.isOpen())
        file_.close();
    if (path.isEmpty()) {
        if (error)
            *error = QStringLiteral("Can't read a file without a name");
        return false;
    }
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer. Devices are
    // opened too, but only to be looked at through the descriptor and closed.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        setError(error, path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        setError(error, path, QString::fromLocal8Bit(std::strerror(errno)));
        ::close(fd);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        setError(error, path, S_ISDIR(st.st_mode) ? QStringLiteral("not a regular file (a folder)")
                                                  : QStringLiteral("not a regular file"));
        ::close(fd);
        return false;
    }
    if (qint64(st.st_size) > maxBytes(kind)) {
        setError(error, path, QStringLiteral("the file is too large (more than %1)").arg(sizeText(maxBytes(kind))));
        ::close(fd);
        return false;
    }
    // Reads of a regular file never wait anyway; the flag is cleared so they behave as usual.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        setError(error, path, file_.errorString());
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<QByteArray> CheckedFile::readAll(const QString& path, Kind kind, QString* error)
{
    CheckedFile checked;
    if (!checked.open(path, kind, error))
        return std::nullopt;
    const qint64 cap = maxBytes(kind);
    // One byte beyond the cap tells a file that grew after it was opened.
    const qint64 limit = cap == std::numeric_limits<qint64>::max() ? cap : cap + 1;
    // Read in pieces sized by the file rather than into one buffer of the cap: a buffer of
    // the cap is a large mapping made and dropped for every small file read (a 500-byte
    // preferences file at each start of the command line). The first piece is the file's
    // size as opened and one byte more: a short piece is the end of the file, so a file that
    // did not grow is read in one go.
    QFile& file = checked.device();
    QByteArray data;
    qint64 piece = qMin(file.size() + 1, limit);
    for (;;) {
        const qsizetype at = data.size();
        data.resize(at + qsizetype(piece));
        const qint64 n = file.read(data.data() + at, piece);
        if (n < 0) {
            setError(error, path, file.errorString());
            return std::nullopt;
        }
        data.resize(at + qsizetype(n));
        if (n < piece || data.size() >= limit)
            break;
        piece = qMin(kGrowthPiece, limit - data.size());
    }
    if (data.size() > cap) {
        setError(error, path, QStringLiteral("the file is too large (more than %1)").arg(sizeText(cap)));
        return std::nullopt;
    }
    return data;
}

bool CheckedFile::isAcceptable(const QString& path, Kind kind, QString* error)
{
    CheckedFile checked;
    return checked.open(path, kind, error);
}
