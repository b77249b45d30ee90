#pragma once

#include <QVariantMap>

#include <cstdint>
#include <string>

namespace Exiv2Reader {

// The property dictionary of ImageMetadata::readProperties for the image in the regular
// file open on fd (of this size, at path), read through Exiv2.
QVariantMap readImage(int fd, uint64_t size, const std::string& path, unsigned wanted);

} // namespace Exiv2Reader
