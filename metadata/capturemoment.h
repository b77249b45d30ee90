#pragma once

#include "engine/datesource.h"

#include <QDateTime>
#include <QString>
#include <QVariantMap>

struct PhotoOptions;

// The moment a photo or a movie was taken, as the photo method names it.
struct CaptureMoment {
    // A wall-clock date-time (see DateFormat::parseWallClock): its fields are the ones the
    // name shows, in every zone. Invalid when the file gives no capture date.
    QDateTime wallClock;
    bool hasTime = false; // false for a date alone: it has no time to show
    DateSource source = DateSource::None;
    QString model; // the camera's model, trimmed; "" when the file names none

    bool hasDate() const { return wallClock.isValid(); }
};

// The one capture moment of an item, from the properties ImageMetadata::readProperties read
// from its file. The first of these that holds a date, each as written unless said:
//   EXIF DateTimeOriginal;
//   XMP exif:DateTimeOriginal, then xmp:CreateDate (a date alone there has no time);
//   the QuickTime key com.apple.quicktime.creationdate (its wall-clock time; the offset it
//   carries is not applied);
//   the movie header's creation time, UTC by the format's convention: shown in the user's
//   time zone, or taken as a wall-clock time when options.videoTimesAreLocal says the
//   camera writes local time.
// A text that is not a date counts as absent. The model is "{TIFF}" Model.
CaptureMoment chooseCaptureMoment(const QVariantMap& properties, const PhotoOptions& options);

// A movie header's time (seconds since 1970 UTC) as a wall-clock value: in the user's time
// zone, or as it is when the camera writes local time (videoTimesAreLocal).
QDateTime movieHeaderWallClock(qint64 secondsUtc, bool videoTimesAreLocal);
