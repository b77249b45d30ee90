#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Image and music files with metadata, written by the metadata tests themselves: a JPEG
// from QImage whose metadata Exiv2 writes, and MPEG audio frames (support/mediafixtures)
// tagged through TagLib.
namespace MetadataFixtures {

struct PhotoTags {
    QString dateTimeOriginal; // "2009:03:05 10:11:12"
    QString make, model, userComment;
    QStringList keywords;
    QString urgency, city, headline;
    QStringList subjectCodes;   // IIM subject references
    // XMP properties written through Exiv2's own XMP serialisation.
    QString xmpMarked, xmpWebStatement, xmpDateCreated;
    QString xmpDateTimeOriginal, xmpCreateDate; // exif:DateTimeOriginal, xmp:CreateDate
    // Or a raw XMP packet written as it stands (used when not empty).
    QByteArray xmpPacket;
};

// A 16 x 12 JPEG without metadata; false when it cannot be written.
bool writeJpeg(const QString& path);
// writeJpeg, then the tags written into it with Exiv2.
bool writeTaggedJpeg(const QString& path, const PhotoTags& tags);

// An XMP packet in element form with the rights and creation-date properties that
// photo renaming searches in the file's bytes; empty arguments are left out.
QByteArray xmpPacket(const QString& marked, const QString& webStatement, const QString& dateCreated);

struct AudioTags {
    QStringList artists;
    QString title, album, comment, genre, composer;
    unsigned year = 0;
    unsigned track = 0;
};

// MediaFixtures::writeMp3, then an ID3v2 tag written with TagLib.
bool writeTaggedMp3(const QString& path, const AudioTags& tags);

QByteArray readBytes(const QString& path);

} // namespace MetadataFixtures
