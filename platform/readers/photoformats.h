#pragma once

#include <QStringList>

// The file formats the photo method reads its metadata from.
namespace PhotoFormats {

// Every extension the photo method can read, as the photo list stores them (".HEIC"): the
// factory list first, then the phone and camera formats (HEIF family and CR3 through
// Exiv2's BMFF support, the raw formats, PNG, WebP) and the movies (the box reader).
QStringList readableExtensions();

} // namespace PhotoFormats
