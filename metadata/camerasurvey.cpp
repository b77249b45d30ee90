#include "metadata/camerasurvey.h"

#include "engine/filename.h"
#include "engine/filescomparison.h"
#include "metadata/photolookahead.h"
#include "metadata/photorenaming.h"
#include "metadata/xmpdate.h"
#include "platform/dateformat.h"
#include "platform/imagemetadata.h"

#include <QHash>

#include <algorithm>

namespace {

constexpr unsigned kGroups = ImageMetadata::CaptureDate | ImageMetadata::Device;

// The capture time as the photo method takes it: EXIF DateTimeOriginal, else the XMP
// dates; a date without a time of day gives none.
std::optional<QDateTime> captureTime(const QVariantMap& properties)
{
    const QString original =
        properties.value(QStringLiteral("{Exif}")).toMap().value(QStringLiteral("DateTimeOriginal")).toString();
    if (original.size() >= 19) {
        QString dashed = original.left(19);
        dashed[4] = QLatin1Char('-');
        dashed[7] = QLatin1Char('-');
        if (const std::optional<QDateTime> date =
                DateFormat::parseWallClock(dashed, QStringLiteral("yyyy-MM-dd HH:mm:ss")))
            return date;
    }
    const QVariantMap xmp = properties.value(QStringLiteral("{XMP}")).toMap();
    for (const char* key : {"DateTimeOriginal", "CreateDate"}) {
        const std::optional<XmpDate> date = parseXmpDate(xmp.value(QString::fromLatin1(key)).toString());
        if (date && date->hasTime)
            return date->wallClock;
    }
    return std::nullopt;
}

} // namespace

const CameraSurvey::Camera* CameraSurvey::find(const QString& model) const
{
    for (const Camera& camera : cameras) {
        if (camera.model.compare(model.trimmed(), Qt::CaseInsensitive) == 0)
            return &camera;
    }
    return nullptr;
}

CameraSurvey CameraSurvey::survey(const std::vector<FileSystemItem>& items, const QStringList& photoExtensions,
                                  const std::atomic<bool>& cancel,
                                  const std::function<void(const FileSystemItem&)>& reached)
{
    const QStringList extensions = PhotoRenaming::photoExtensions(photoExtensions);
    const auto isPhoto = [&extensions](const FileSystemItem& item) {
        return item.kind() == ItemType::File
            && PhotoRenaming::namesExtension(splitName(item.filenameWithExtension()).extension, extensions);
    };
    CameraSurvey result;
    // Models differ in letter case between files of one camera only by accident: one row.
    QHash<QString, qsizetype> rowOf;
    PhotoLookAhead ahead(items, kGroups, isPhoto);
    for (const FileSystemItem& item : items) {
        if (cancel.load()) {
            result.cancelled = true;
            break;
        }
        if (!isPhoto(item))
            continue;
        if (reached)
            reached(item);
        std::optional<QVariantMap> readAhead = ahead.take(item, kGroups);
        const QVariantMap properties =
            readAhead ? std::move(*readAhead) : ImageMetadata::readProperties(item.fullPath, kGroups);
        const QString model =
            properties.value(QStringLiteral("{TIFF}")).toMap().value(QStringLiteral("Model")).toString().trimmed();
        const QString folded = model.toCaseFolded();
        auto row = rowOf.constFind(folded);
        if (row == rowOf.cend()) {
            row = rowOf.insert(folded, result.cameras.size());
            result.cameras.append({model, 0, std::nullopt});
        }
        Camera& camera = result.cameras[row.value()];
        ++camera.files;
        ++result.files;
        if (const std::optional<QDateTime> time = captureTime(properties)) {
            if (!camera.earliest || *time < *camera.earliest)
                camera.earliest = time;
        }
    }
    std::stable_sort(result.cameras.begin(), result.cameras.end(), [](const Camera& a, const Camera& b) {
        if (a.model.isEmpty() != b.model.isEmpty())
            return b.model.isEmpty();
        return compareFiles(a.model, b.model) < 0;
    });
    return result;
}
