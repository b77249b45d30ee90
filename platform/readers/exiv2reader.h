#pragma once

#include <QByteArray>
#include <QVariantMap>

#include <cstdint>
#include <string>

namespace Exiv2Reader {

// Files up to this size are parsed from their content read whole; larger ones are mapped.
constexpr uint64_t kReadWhole = 256 * 1024;

// The property dictionary of ImageMetadata::readProperties for the image in the regular
// file open on fd (of this size, at path), read through Exiv2. `whole` is the content of
// a file of at most kReadWhole bytes, read by the caller in one read.
QVariantMap readImage(int fd, uint64_t size, const std::string& path, unsigned wanted, const QByteArray& whole);

} // namespace Exiv2Reader
