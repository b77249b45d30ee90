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
    // preferences file at each start of the command line). The first piece takes the whole
    // file as opened and one byte more, so a file that did not grow is read in one go.
    QByteArray data;
    qint64 piece = qMin(checked.device().size() + 1, limit);
    while (data.size() < limit) {
        const QByteArray part = checked.device().read(qMin(piece, limit - data.size()));
        if (checked.device().error() != QFileDevice::NoError) {
            setError(error, path, checked.device().errorString());
            return std::nullopt;
        }
        if (part.isEmpty())
            break;
        data += part;
        piece = kGrowthPiece;
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
