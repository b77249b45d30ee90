#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small media files written by the tests themselves: just enough of each format for
// Exiv2 and TagLib to recognise it and to hold metadata. All return false when the file
// cannot be written.
namespace MediaFixtures {

// A baseline JPEG of 8 x 6 gray pixels, without metadata.
bool writeJpeg(const QString& path);
// An uncompressed 8-bit gray little-endian TIFF of 3 x 2 pixels, without metadata.
bool writeTiff(const QString& path);
// frames MPEG-1 Layer III frames (128 kbit/s, 44.1 kHz) of silence, without tags.
bool writeMp3(const QString& path, int frames = 8);
// An MP4 audio file (ftyp "M4A ", moov with mvhd, an mdat) without tags.
bool writeM4a(const QString& path);
// leading (an ID3v2 tag or nothing) followed by frames ADTS AAC frames.
bool writeAdts(const QString& path, const QByteArray& leading, int frames = 8);

bool writeBytes(const QString& path, const QByteArray& bytes);

// A movie as phones and cameras write one, built box by box: a file type, the movie box
// (movie header; an audio track, then a video track; QuickTime keys or user data texts),
// the media data.
struct Movie {
    QByteArray brand = "isom"; // the major brand ("qt  " for a MOV)
    quint64 headerTime = 0;    // the movie header's creation time, seconds since 1904 UTC
    bool wideTimes = false;    // a version 1 movie header (64-bit times)
    QString creationDate = {}; // the key com.apple.quicktime.creationdate; none when empty
    QString make = {}, model = {}; // QuickTime keys, or the user data's ©mak and ©mod
    bool deviceInUserData = false;
    quint32 width = 0, height = 0; // the video track's size; no tracks when 0
    bool mediaDataFirst = false;   // the media data before the movie box, with a 64-bit size
};
bool writeMovie(const QString& path, const Movie& movie);

// A Canon CR3: file type "crx ", and in the movie box Canon's box holding CMT1 (TIFF: Make,
// Model) and CMT2 (TIFF of the Exif IFD: DateTimeOriginal).
bool writeCr3(const QString& path, const QString& make, const QString& model, const QString& dateTimeOriginal);

// Everything written to file descriptor 2 (C stdio and std::cerr included) while alive.
class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;
    // Stops capturing (once) and returns what was written.
    QByteArray finish();

private:
    int m_saved = -1;
    int m_file = -1;
    QByteArray m_text;
};

// Every Qt log message (qDebug, qWarning, ...) while alive, instead of the terminal.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;
    QStringList messages() const;
    bool contains(const QString& text) const;
};

} // namespace MediaFixtures
