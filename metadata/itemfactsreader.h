#pragma once

#include "engine/filesystemitem.h"

#include <QString>

#include <optional>

class ClockShifts;

// Reads and interprets the facts the list's sorts use (ItemFacts): the capture moment as the
// photo method chooses it, the modification time and the size.
namespace ItemFactsReader {

// Brings the item's facts up to date: one lstat for its modification time and size (the
// path as listed, a link not followed); and with `withCapture`, the capture moment and
// camera model of a file in a format the photo readers read, whether or not the photo
// list names it.
void read(FileSystemItem& item, bool withCapture);
// Whether read() has something to do for this item.
bool needsReading(const FileSystemItem& item, bool withCapture);

// "Date Taken": the capture moment as a wall-clock value in seconds since 1970 (as if UTC),
// the camera's clock shift added, a movie header's UTC time taken into the user's zone
// unless the camera writes local time. nullopt when the item has none (or it is unread).
std::optional<qint64> takenSeconds(const ItemFacts& facts, const ClockShifts& shifts, bool videoTimesAreLocal);

// The camera model of a number in ItemFacts::cameraModel ("" for 0 or an unknown number).
QString cameraModel(quint32 number);

} // namespace ItemFactsReader
