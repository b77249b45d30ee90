#pragma once

#include <QtGlobal>

// What the list's sorts by date taken, date modified and size read from an item's file,
// kept with the item so that each file is read once. A rename leaves all of it true: the
// file moves with its item and keeps its content, size and modification time.
struct ItemFacts {
    enum class Capture : quint8 {
        Unread,
        None,           // the file gives no capture date (or is no format the readers read)
        WallClock,      // captureSeconds: the wall-clock date and time as if it were UTC
        DateOnly,       // the same, a date without a time of day (never shifted)
        MovieHeaderUtc, // captureSeconds: the movie header's instant, UTC
    };

    qint64 captureSeconds = 0;
    qint64 modifiedMsecs = 0; // the modification time, milliseconds since 1970 UTC
    qint64 size = -1;         // bytes; -1 for a folder
    quint32 cameraModel = 0;  // the camera model's number in CameraModels (0: none named)
    Capture capture = Capture::Unread;
    bool statRead = false; // modifiedMsecs and size hold the file's values (or missing is set)
    bool missing = false;  // nothing was found at the path

    bool hasCapture() const { return capture != Capture::Unread && capture != Capture::None; }
    // The modification time and size, when the file was found.
    bool hasStat() const { return statRead && !missing; }
};
