#pragma once

#include "engine/filesystemitem.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

struct PhotoOptions;

// The cameras of a list's photos, as the Camera Clocks table shows them: each camera model
// with its number of files and its earliest capture time as read (before any shift).
struct CameraSurvey {
    struct Camera {
        QString model; // "" for the photos that name no camera model
        qint64 files = 0;
        std::optional<QDateTime> earliest; // a wall-clock value; none when no file has a time
        bool operator==(const Camera&) const = default;
    };
    QList<Camera> cameras; // by model in natural order; the photos without a model last
    qint64 files = 0;      // the photos read
    bool cancelled = false;

    // The camera of this model, or nullptr.
    const Camera* find(const QString& model) const;

    // Reads the capture moment and camera model of each item the photo method names with
    // these options (the others are not photos to name), as it chooses them, reading ahead
    // on a second thread. `reached` is told each item read (the pass shows its path);
    // `cancel` stops the reading between items, and the survey so far is returned with
    // `cancelled` set.
    static CameraSurvey survey(const std::vector<FileSystemItem>& items, const PhotoOptions& options,
                               const std::atomic<bool>& cancel,
                               const std::function<void(const FileSystemItem&)>& reached = {});
};
