#include "platform/readers/photoformats.h"

namespace PhotoFormats {

QStringList readableExtensions()
{
    // The first five are the factory photo list (the default of "photoExtensions").
    static const QStringList extensions = {
        QStringLiteral(".JPG"),  QStringLiteral(".JPEG"), QStringLiteral(".EXIF"), QStringLiteral(".TIF"),
        QStringLiteral(".TIFF"), QStringLiteral(".HEIC"), QStringLiteral(".HEIF"), QStringLiteral(".AVIF"),
        QStringLiteral(".CR3"),  QStringLiteral(".CR2"),  QStringLiteral(".DNG"),  QStringLiteral(".RAF"),
        QStringLiteral(".NEF"),  QStringLiteral(".RW2"),  QStringLiteral(".ARW"),  QStringLiteral(".ORF"),
        QStringLiteral(".PNG"),  QStringLiteral(".WEBP"), QStringLiteral(".MP4"),  QStringLiteral(".MOV"),
        QStringLiteral(".M4V"),  QStringLiteral(".3GP"),
    };
    return extensions;
}

} // namespace PhotoFormats
