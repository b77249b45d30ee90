#pragma once

#include <QString>

#include <optional>

// Paths entering the list are absolute and cleaned ("." and ".." components, doubled and
// trailing "/" removed); links are never resolved. A path that a Qt string cannot name
// faithfully is refused, since the item could be neither renamed nor logged correctly.
namespace IntakePath {

// The cleaned absolute form (relative paths against the working folder), or nothing when
// the path is empty or not faithful.
std::optional<QString> normalized(const QString& path);

// The string names the same bytes on disk that it was read from: it holds no NUL, it
// survives QFile::encodeName/decodeName unchanged, and a replacement character in it
// names an existing item. (Bytes that are not UTF-8 are read as U+FFFD; such a path,
// turned back into bytes, names nothing, or a different item.)
bool isFaithful(const QString& path);

} // namespace IntakePath
