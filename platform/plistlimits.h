#pragma once

#include <QByteArray>
#include <QString>

// Checks on raw property-list bytes before libplist 2.2 parses them. Its binary reader recurses
// once per nesting level and expands shared references, it releases trees (also half-built ones
// after a parse error) recursively, and it aborts on an assertion when asked for a dictionary key
// holding a NUL character. Such input would crash or exhaust the memory before any check on the
// parsed tree could run.
namespace Plist {

// Arrays and dictionaries nested deeper than this are refused, on reading and on writing.
inline constexpr int kMaxNesting = 512;

// A binary property list whose shared references expand to more values than this is refused.
inline constexpr quint64 kMaxExpandedValues = quint64(1) << 22;

// True when libplist can be given the bytes: they stay within the limits above and hold no
// binary dictionary key with a NUL (or are so damaged that libplist refuses them before building
// anything deep). Otherwise false with a reason in *error.
bool safeToParse(const QByteArray& data, QString* error = nullptr);

} // namespace Plist
