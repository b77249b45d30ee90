#pragma once

#include <QString>
#include <QStringList>

// The eight audio attributes audio tag renaming reads. Absent values are empty texts,
// an empty list, or 0 for the two numbers.
struct AudioAttributes {
    QStringList authors;       // every "ARTIST" value
    int recordingYear = 0;     // 0: absent
    QString musicalGenre, title, album, comment, composer; // several values joined by ","
    int audioTrackNumber = 0;  // 0: absent
    bool valid = false;        // a tag source could be opened
};

namespace AudioMetadata {

// Reads the tags of the music file at path through TagLib, never writing to it. A raw
// ADTS .aac file that TagLib cannot open as a whole is read through the ID3v2 tag at its
// start. A missing, unreadable or corrupt file gives empty values (valid = false when
// nothing could be opened). TagLib's debug output goes to our log, not the terminal.
// Safe to call from any thread.
AudioAttributes read(const QString& path);

} // namespace AudioMetadata
