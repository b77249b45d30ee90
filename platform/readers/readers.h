#pragma once

#include "platform/audiometadata.h"

#include <QString>
#include <QVariantMap>

// The readers inside the reader modules (see platform/metadatamodule.h); the programs
// reach them through ImageMetadata and AudioMetadata.
namespace Exiv2Reader {
void initialize();                                              // ImageMetadata::initializeExiv2
QVariantMap readProperties(const QString& path, unsigned wanted); // ImageMetadata::readProperties
} // namespace Exiv2Reader

namespace TagLibReader {
AudioAttributes read(const QString& path); // AudioMetadata::read
} // namespace TagLibReader
