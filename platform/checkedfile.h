#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <optional>

// The one way a user-named or stored file is opened for reading (profiles, rule files,
// preferences, rename lists, rename logs, the defaults store's file). The path is opened
// without blocking (a FIFO no one writes to never makes the program wait), and only what the
// opened descriptor says is a regular file, after following links, is accepted: the check is
// made on the descriptor itself, so nothing can be swapped in between check and read. The
// size is capped by the kind of file. Every refusal names the file.
class CheckedFile {
public:
    enum class Kind {
        PropertyList, // profiles, rule files, preferences, the defaults store: 64 MiB
        List,         // rename lists: 256 MiB
        Log,          // rename logs, read as a stream: no cap
    };
    static constexpr qint64 kMaxPropertyListBytes = qint64(64) * 1024 * 1024;
    static constexpr qint64 kMaxListBytes = qint64(256) * 1024 * 1024;

    static qint64 maxBytes(Kind kind);

    // Opens the file; false with the reason (naming the file) in *error.
    bool open(const QString& path, Kind kind, QString* error = nullptr);
    // The opened file, for streaming readers.
    QFile& device() { return file_; }

    // Opens and reads the whole file, refusing one that grows past its cap while read.
    static std::optional<QByteArray> readAll(const QString& path, Kind kind, QString* error = nullptr);
    // True when the file would be accepted: for files handed to another reader or program.
    static bool isAcceptable(const QString& path, Kind kind, QString* error = nullptr);

private:
    QFile file_;
};
