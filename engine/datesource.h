#pragma once

#include <QString>

// Where the capture date of an item's proposed name came from. The photo method sets it
// when it chooses the capture moment; None when the name took no capture date.
enum class DateSource : quint8 { None, Exif, Xmp, QuickTimeKey, MovieHeader };

// The source as the command line's json writes it ("EXIF", "XMP", "QuickTime key",
// "movie header"); "" for None. These texts are stable: scripts read them.
inline QString dateSourceName(DateSource source)
{
    switch (source) {
    case DateSource::Exif: return QStringLiteral("EXIF");
    case DateSource::Xmp: return QStringLiteral("XMP");
    case DateSource::QuickTimeKey: return QStringLiteral("QuickTime key");
    case DateSource::MovieHeader: return QStringLiteral("movie header");
    case DateSource::None: break;
    }
    return QString();
}
