#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

// What Exiv2 0.27 does not take from every HEIF file (HEIC, HEIF, AVIF): the primary
// image's own pixel size (Exiv2 reports the first size property of the file, which is a
// tile's in the grid images phones write), and the Exif and XMP items where the item
// locations carry a base offset (as libheif writes them). Read from the file's meta box
// with bounded reads (see BoxFile).
struct HeifItems {
    uint32_t width = 0, height = 0; // the primary item's "ispe"; 0 when unknown
    QByteArray exif;                // the Exif item: TIFF data, its header first; empty when none
    QByteArray xmp;                 // the XMP packet (a "mime" item of type application/rdf+xml)
};

namespace HeifItemReader {

// The items of a HEIF file (the file open on fd, of this size, or its bytes in memory).
// Items larger than 4 MiB, stored elsewhere than in the file's own bytes, or out of its
// bounds are left empty.
HeifItems read(int fd, uint64_t size);
HeifItems read(QByteArrayView bytes);

} // namespace HeifItemReader
