// Photo and movie files from arbitrary bytes: read through ImageMetadata::readProperties
// (Exiv2, or the box reader for a movie), the box readers on their own whatever the file's
// head, and the capture moment chosen from what was read.
#include "fuzzsupport.h"

#include "metadata/capturemoment.h"
#include "metadata/photorenaming.h"
#include "platform/imagemetadata.h"
#include "platform/readers/heifitems.h"
#include "platform/readers/videoboxreader.h"

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The movie header's time as readProperties gives it: 1970 up to the end of 9999.
constexpr qlonglong kLastSecond = 253402300799;

void checkProperties(const QVariantMap& properties)
{
    static const QStringList known = {"PixelWidth", "PixelHeight", "{Exif}", "{TIFF}", "{IPTC}", "{XMP}", "{QuickTime}"};
    for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
        FUZZ_CHECK(known.contains(it.key()), it.key());
        if (it.key().startsWith(QLatin1Char('{')))
            FUZZ_CHECK(it->userType() == QMetaType::QVariantMap && !it->toMap().isEmpty(), it.key());
        else
            FUZZ_CHECK(it->toLongLong() > 0, it.key());
    }
    const QVariant header = properties.value(QStringLiteral("{QuickTime}")).toMap().value(QStringLiteral("MovieHeaderTime"));
    FUZZ_CHECK(!header.isValid() || (header.toLongLong() > 0 && header.toLongLong() <= kLastSecond),
               header.toString());

    for (const bool local : {false, true}) {
        PhotoOptions options;
        options.videoTimesAreLocal = local;
        const CaptureMoment moment = chooseCaptureMoment(properties, options);
        FUZZ_CHECK(moment.hasDate() == (moment.source != DateSource::None), dateSourceName(moment.source));
        FUZZ_CHECK(moment.model == moment.model.trimmed(), moment.model);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    FuzzSupport::initialize(argc, argv);
    // A zone with daylight saving, so movie header times go through a real conversion.
    setenv("TZ", "America/New_York", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = FuzzSupport::writeScratchFile(bytes, QStringLiteral("input.mov"));
    checkProperties(ImageMetadata::readProperties(path));

    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    FUZZ_CHECK(fd >= 0, path);
    if (const std::optional<MovieFacts> movie = VideoBoxReader::read(fd, size)) {
        FUZZ_CHECK(!movie->headerTime || (*movie->headerTime > 0 && *movie->headerTime <= kLastSecond),
                   QString::number(*movie->headerTime));
        FUZZ_CHECK(qsizetype(movie->creationDate.size() + movie->make.size() + movie->model.size()) <= qsizetype(size),
                   QStringLiteral("texts longer than the file"));
    }
    const HeifItems items = HeifItemReader::read(fd, size);
    // Extents may overlap, so an item may be longer than the file, never than the cap.
    FUZZ_CHECK(items.exif.size() <= 4 * 1024 * 1024 && items.xmp.size() <= 4 * 1024 * 1024,
               QStringLiteral("an item over the cap"));
    ::close(fd);
    return 0;
}
