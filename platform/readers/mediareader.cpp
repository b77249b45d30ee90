// ImageMetadata::readProperties: a movie goes to the box reader, anything else to Exiv2.
#include "platform/imagemetadata.h"
#include "platform/readers/exiv2reader.h"
#include "platform/readers/videoboxreader.h"

#include <QDebug>
#include <QFile>

#include <array>
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

// The file's first bytes (fewer when it is shorter).
QByteArray head(int fd)
{
    std::array<char, 12> bytes{};
    ssize_t n;
    do {
        n = ::pread(fd, bytes.data(), bytes.size(), 0);
    } while (n < 0 && errno == EINTR);
    return n > 0 ? QByteArray(bytes.data(), qsizetype(n)) : QByteArray();
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
        if (VideoBoxReader::looksLikeMovie(head(fd))) {
            if (const std::optional<MovieFacts> facts = VideoBoxReader::read(fd, size))
                properties = movieProperties(*facts, wanted);
            else
                qWarning().noquote() << QStringLiteral("Error in ImageMetadata::readProperties : %1 : no movie box")
                                            .arg(path);
        } else {
            properties = Exiv2Reader::readImage(fd, size, encoded, wanted);
        }
    }
    ::close(fd);
    return properties;
}

} // namespace ImageMetadata
