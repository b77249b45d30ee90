#include "metadata/camerasurvey.h"

#include "engine/filename.h"
#include "engine/filescomparison.h"
#include "metadata/capturemoment.h"
#include "metadata/photolookahead.h"
#include "metadata/photorenaming.h"
#include "platform/imagemetadata.h"

#include <QHash>

#include <algorithm>

namespace {

constexpr unsigned kGroups = ImageMetadata::CaptureDate | ImageMetadata::Device;

} // namespace

const CameraSurvey::Camera* CameraSurvey::find(const QString& model) const
{
    for (const Camera& camera : cameras) {
        if (camera.model.compare(model.trimmed(), Qt::CaseInsensitive) == 0)
            return &camera;
    }
    return nullptr;
}

CameraSurvey CameraSurvey::survey(const std::vector<FileSystemItem>& items, const PhotoOptions& options,
                                  const std::atomic<bool>& cancel,
                                  const std::function<void(const FileSystemItem&)>& reached)
{
    const QStringList extensions = PhotoRenaming::photoExtensions(options.extensions);
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
        const CaptureMoment moment = chooseCaptureMoment(properties, options);
        const QString& model = moment.model;
        const QString folded = model.toCaseFolded();
        auto row = rowOf.constFind(folded);
        if (row == rowOf.cend()) {
            row = rowOf.insert(folded, result.cameras.size());
            result.cameras.append({model, 0, std::nullopt});
        }
        Camera& camera = result.cameras[row.value()];
        ++camera.files;
        ++result.files;
        // A date without a time of day is not shifted: it has no place among the times.
        if (moment.hasDate() && moment.hasTime && (!camera.earliest || moment.wallClock < *camera.earliest))
            camera.earliest = moment.wallClock;
    }
    std::stable_sort(result.cameras.begin(), result.cameras.end(), [](const Camera& a, const Camera& b) {
        if (a.model.isEmpty() != b.model.isEmpty())
            return b.model.isEmpty();
        return compareFiles(a.model, b.model) < 0;
    });
    return result;
}
