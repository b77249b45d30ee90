// ImageMetadata::readProperties: a movie goes to the box reader, anything else to Exiv2.
#include "platform/imagemetadata.h"
#include "platform/readers/exiv2reader.h"
#include "platform/readers/videoboxreader.h"

#include <QDebug>
#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QVariantMap movieProperties(const MovieFacts& facts, unsigned wanted)
{
    QVariantMap properties;
    QVariantMap movie{{QStringLiteral("Brand"), facts.brand}};
    if (wanted & ImageMetadata::CaptureDate) {
        if (!facts.creationDate.isEmpty())
            movie.insert(QStringLiteral("CreationDate"), facts.creationDate);
        if (facts.headerTime)
            movie.insert(QStringLiteral("MovieHeaderTime"), qlonglong(*facts.headerTime));
    }
    properties.insert(QStringLiteral("{QuickTime}"), movie);
    if (wanted & ImageMetadata::Device) {
        QVariantMap device;
        if (!facts.make.isEmpty())
            device.insert(QStringLiteral("Make"), facts.make);
        if (!facts.model.isEmpty())
            device.insert(QStringLiteral("Model"), facts.model);
        if (!device.isEmpty())
            properties.insert(QStringLiteral("{TIFF}"), device);
    }
    if ((wanted & ImageMetadata::Dimensions) && facts.width > 0 && facts.height > 0) {
        properties.insert(QStringLiteral("PixelWidth"), qlonglong(facts.width));
        properties.insert(QStringLiteral("PixelHeight"), qlonglong(facts.height));
    }
    return properties;
}

// The file's first bytes, enough to tell a movie: the whole file when Exiv2 would read it
// whole anyway, so that one read serves both (fewer bytes when the file is shorter).
QByteArray head(int fd, uint64_t size)
{
    QByteArray bytes(size <= Exiv2Reader::kReadWhole ? qsizetype(size) : 12, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pread(fd, bytes.data() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += qsizetype(n);
    }
    bytes.truncate(done);
    return bytes;
}

} // namespace

namespace ImageMetadata {

QVariantMap readProperties(const QString& path, unsigned wanted)
{
    const std::string encoded = QFile::encodeName(path).toStdString();
    // Opened without blocking and checked on the descriptor: a FIFO or a device with a photo
    // extension would block or never end.
    const int fd = ::open(encoded.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return {};
    QVariantMap properties;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        const uint64_t size = uint64_t(status.st_size);
        const QByteArray first = head(fd, size);
        if (VideoBoxReader::looksLikeMovie(first)) {
            if (const std::optional<MovieFacts> facts = VideoBoxReader::read(fd, size))
                properties = movieProperties(*facts, wanted);
            else
                qWarning().noquote() << QStringLiteral("Error in ImageMetadata::readProperties : %1 : no movie box")
                                            .arg(path);
        } else {
            properties = Exiv2Reader::readImage(fd, size, encoded, wanted, first);
        }
    }
    ::close(fd);
    return properties;
}

} // namespace ImageMetadata
