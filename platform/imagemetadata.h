#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <QVariantMap>

// Image properties read through Exiv2 (movies through a box reader of our own), in the
// shape photo renaming reads them.
namespace ImageMetadata {

// Prepares Exiv2 once per process (thread-safe): its log goes to ours (qDebug for
// warnings, qWarning for errors, never straight to the terminal) and XMP parsing gets the
// lock it needs to be used from several threads. Every reader here calls it; code that
// uses Exiv2 directly calls it first.
void initializeExiv2();

// The property dictionary of the image at path:
//   "PixelWidth", "PixelHeight"  the image's pixel size (qlonglong), absent when unknown
//   "{Exif}"  "DateTimeOriginal", "UserComment" (QString),
//             "PixelXDimension", "PixelYDimension" (qlonglong)
//   "{TIFF}"  "Make", "Model" (QString)
//   "{IPTC}"  IIM datasets first, XMP for the keys the IIM data lacks: texts as QString,
//             repeatable datasets and XMP arrays as QStringList, "CreatorContactInfo" as a
//             QVariantMap of its Ci... fields; language alternatives give their "x-default"
//             text (or their first one when there is no default)
//   "{XMP}"   "DateTimeOriginal" (Xmp.exif.DateTimeOriginal), "CreateDate" (Xmp.xmp.CreateDate),
//             texts as written
// A movie (MP4, MOV, M4V, 3GP: told by its content, not its extension) gives
//   "{QuickTime}" (always) "Brand" (the major brand of its file type, "qt  " without one),
//             "CreationDate" (the key com.apple.quicktime.creationdate, as written),
//             "MovieHeaderTime" (qlonglong: the movie header's creation time in seconds
//             since 1970 UTC; absent when zero or earlier)
//   "{TIFF}"  "Make", "Model" (QuickTime keys, else the user data's ©mak and ©mod)
//   "PixelWidth", "PixelHeight" of its first video track; no other key.
// Missing or empty values are absent keys, and a sub-dictionary is present only when it
// holds a value. A file that cannot be read as an image (missing, not a regular file,
// truncated, not an image) gives an empty map; the reason goes to the log.
// Only the groups in `wanted` are filled (each key of a group left out is absent), so
// that a name built from the date and the model does not pay for the IPTC dictionary.
// Safe to call from any thread.
enum PropertyGroup : unsigned {
    CaptureDate = 1u << 0, // "{Exif}" DateTimeOriginal, the "{XMP}" dates, "{QuickTime}"
    Device = 1u << 1,      // "{TIFF}"
    Dimensions = 1u << 2,  // "PixelWidth", "PixelHeight", "{Exif}" PixelX/YDimension
    Comment = 1u << 3,     // "{Exif}" UserComment
    Iptc = 1u << 4,        // "{IPTC}"
    AllGroups = CaptureDate | Device | Dimensions | Comment | Iptc,
};
QVariantMap readProperties(const QString& path, unsigned wanted = AllGroups);

// The whole file, memory-mapped where the file system allows it (read into memory
// otherwise). Empty when the file cannot be opened or is not a regular file.
class MappedFile {
public:
    explicit MappedFile(const QString& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool isOpen() const { return m_open; }
    // Valid while this object lives.
    QByteArrayView bytes() const;

private:
    QFile m_file;
    uchar* m_map = nullptr;
    qint64 m_size = 0;
    QByteArray m_copy;
    bool m_open = false;
};

// A copy of the whole file read through MappedFile; empty when it cannot be read.
QByteArray readWholeFileMapped(const QString& path);

} // namespace ImageMetadata
