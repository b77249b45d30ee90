#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file through QSaveFile: the bytes go to a temporary file beside the
// target, which replaces the target only when every byte reached it. The buffer is
// flushed and checked before the commit, because QSaveFile (Qt 6.4) commits a file whose
// last buffered write failed half-way (a full disk, a file size limit), which would leave
// a truncated file in place of the old one.
bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);
