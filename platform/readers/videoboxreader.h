#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>

// What the photo method takes from a movie (MP4, MOV, M4V, 3GP): read from the movie's box
// structure (moov and what it holds; never the media data).
struct MovieFacts {
    QString brand = QStringLiteral("qt  "); // the file type's major brand ("qt  " without one)
    QString creationDate; // the QuickTime key com.apple.quicktime.creationdate, as written
    // The movie header's creation time in seconds since 1970 UTC; none when it is zero or
    // earlier than 1970 (a camera whose clock was never set).
    std::optional<int64_t> headerTime;
    QString make, model; // the QuickTime keys, else the user data's ©mak and ©mod
    uint32_t width = 0, height = 0; // of the first video track (its track header)
};

namespace VideoBoxReader {

// Whether a file starting with these bytes (at least its first 12) is a movie: an ISO
// file type box of another brand than the HEIF family's and Canon's raw, or a QuickTime
// file that starts with a movie, media data or padding box.
bool looksLikeMovie(QByteArrayView head);

// The facts of the movie in the regular file open on fd (of this size), read with bounded
// reads (see BoxFile). Empty when the file has no movie box.
std::optional<MovieFacts> read(int fd, uint64_t size);

} // namespace VideoBoxReader
