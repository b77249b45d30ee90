#include "metadata/cameraclockscontroller.h"

CameraClocksController::CameraClocksController(const CameraSurvey& survey, const QStringList& storedEntries)
    : survey_(survey)
    , shifts_(ClockShifts::fromEntries(storedEntries, &refused_))
{
    Row everyCamera;
    for (const CameraSurvey::Camera& camera : survey_.cameras) {
        everyCamera.files += camera.files;
        if (camera.earliest && (!everyCamera.earliest || *camera.earliest < *everyCamera.earliest))
            everyCamera.earliest = camera.earliest;
    }
    rows_.append(everyCamera);
    for (const CameraSurvey::Camera& camera : survey_.cameras) {
        if (!camera.model.isEmpty())
            rows_.append({camera.model, camera.files, camera.earliest});
    }
    for (const ClockShifts::Entry& entry : shifts_.entries()) {
        if (!entry.model.isEmpty() && !survey_.find(entry.model))
            rows_.append({entry.model, 0, std::nullopt});
    }
}

QString CameraClocksController::shiftText(int row) const
{
    if (row < 0 || row >= rows_.size())
        return QString();
    const std::optional<qint64> own = shifts_.ownShift(rows_.at(row).model);
    return own ? ClockShifts::formatSeconds(*own) : QString();
}

bool CameraClocksController::setShift(int row, const QString& text)
{
    if (row < 0 || row >= rows_.size())
        return false;
    const std::optional<qint64> seconds = text.trimmed().isEmpty() ? 0 : ClockShifts::parseSeconds(text);
    if (!seconds)
        return false;
    shifts_.setShift(rows_.at(row).model, *seconds);
    return true;
}

std::optional<QDateTime> CameraClocksController::earliestAfterShift(int row) const
{
    if (row < 0 || row >= rows_.size())
        return std::nullopt;
    if (row > 0) {
        const Row& r = rows_.at(row);
        return r.earliest ? std::optional(r.earliest->addSecs(shifts_.secondsFor(r.model))) : std::nullopt;
    }
    std::optional<QDateTime> earliest;
    for (const CameraSurvey::Camera& camera : survey_.cameras) {
        if (!camera.earliest)
            continue;
        const QDateTime shifted = camera.earliest->addSecs(shifts_.secondsFor(camera.model));
        if (!earliest || shifted < *earliest)
            earliest = shifted;
    }
    return earliest;
}

QStringList CameraClocksController::entries() const
{
    return shifts_.toEntries() + refused_;
}

void CameraClocksController::applyShifts()
{
    if (delegate)
        delegate(entries());
}
