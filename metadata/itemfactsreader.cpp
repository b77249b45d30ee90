#include "metadata/itemfactsreader.h"

#include "engine/filename.h"
#include "metadata/capturemoment.h"
#include "metadata/clockshifts.h"
#include "metadata/photorenaming.h"
#include "platform/imagemetadata.h"
#include "platform/readers/photoformats.h"

#include <QFile>
#include <QHash>
#include <QStringList>

#include <mutex>

#include <sys/stat.h>

namespace {

// The camera models met so far, each held once: items keep a number instead of a text.
// Shared by every list and thread of the process; the models of a lifetime are few.
struct ModelTable {
    std::mutex mutex;
    QStringList models{QString()};
    QHash<QString, quint32> numbers{{QString(), 0}};
};

ModelTable& modelTable()
{
    static ModelTable table;
    return table;
}

quint32 modelNumber(const QString& model)
{
    ModelTable& table = modelTable();
    const std::lock_guard lock(table.mutex);
    const auto found = table.numbers.constFind(model);
    if (found != table.numbers.cend())
        return found.value();
    const quint32 number = quint32(table.models.size());
    table.models.append(model);
    table.numbers.insert(model, number);
    return number;
}

bool isReadableFormat(const FileSystemItem& item)
{
    return item.kind() == ItemType::File
        && PhotoRenaming::namesExtension(splitName(item.filenameWithExtension()).extension,
                                         PhotoFormats::readableExtensions());
}

void readCapture(FileSystemItem& item)
{
    ItemFacts& facts = item.facts;
    facts.capture = ItemFacts::Capture::None;
    facts.cameraModel = 0;
    if (!isReadableFormat(item))
        return;
    const QVariantMap properties =
        ImageMetadata::readProperties(item.fullPath, ImageMetadata::CaptureDate | ImageMetadata::Device);
    // A movie header's time is kept as the UTC instant it is: the zone is applied when the
    // time is used, so a change of that setting needs no new reading.
    PhotoOptions options;
    options.videoTimesAreLocal = true;
    const CaptureMoment moment = chooseCaptureMoment(properties, options);
    facts.cameraModel = modelNumber(moment.model);
    if (!moment.hasDate())
        return;
    facts.captureSeconds = moment.wallClock.toSecsSinceEpoch();
    if (moment.source == DateSource::MovieHeader)
        facts.capture = ItemFacts::Capture::MovieHeaderUtc;
    else
        facts.capture = moment.hasTime ? ItemFacts::Capture::WallClock : ItemFacts::Capture::DateOnly;
}

} // namespace

namespace ItemFactsReader {

bool needsReading(const FileSystemItem& item, bool withCapture)
{
    return !item.facts.statRead || (withCapture && item.facts.capture == ItemFacts::Capture::Unread);
}

void read(FileSystemItem& item, bool withCapture)
{
    ItemFacts& facts = item.facts;
    struct stat st {};
    if (::lstat(QFile::encodeName(item.fullPath).constData(), &st) == 0) {
        const qint64 modified = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
        facts.modifiedMsecs = modified;
        facts.size = S_ISDIR(st.st_mode) ? -1 : qint64(st.st_size);
        facts.missing = false;
    } else {
        // Gone or out of reach: nothing to sort by.
        facts = ItemFacts();
        facts.capture = ItemFacts::Capture::None;
        facts.missing = true;
    }
    facts.statRead = true;
    if (withCapture && facts.capture == ItemFacts::Capture::Unread)
        readCapture(item);
}

std::optional<qint64> takenSeconds(const ItemFacts& facts, const ClockShifts& shifts, bool videoTimesAreLocal)
{
    switch (facts.capture) {
    case ItemFacts::Capture::Unread:
    case ItemFacts::Capture::None:
        return std::nullopt;
    case ItemFacts::Capture::DateOnly:
        return facts.captureSeconds;
    case ItemFacts::Capture::WallClock:
        return facts.captureSeconds + shifts.secondsFor(cameraModel(facts.cameraModel));
    case ItemFacts::Capture::MovieHeaderUtc: {
        const QDateTime wallClock = movieHeaderWallClock(facts.captureSeconds, videoTimesAreLocal);
        if (!wallClock.isValid())
            return std::nullopt;
        return wallClock.toSecsSinceEpoch() + shifts.secondsFor(cameraModel(facts.cameraModel));
    }
    }
    return std::nullopt;
}

QString cameraModel(quint32 number)
{
    ModelTable& table = modelTable();
    const std::lock_guard lock(table.mutex);
    return number < quint32(table.models.size()) ? table.models.at(qsizetype(number)) : QString();
}

} // namespace ItemFactsReader
