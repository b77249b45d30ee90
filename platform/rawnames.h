#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Names on disk whose bytes are not UTF-8 (old archives and cameras hand out Latin-1
// names such as "caf\xE9.txt"). Qt reads such bytes as U+FFFD, which names nothing on
// disk; these functions read the bytes themselves, to tell a person which file is meant.
namespace RawNames {

// The bytes as a person reads them: UTF-8 sequences as their characters, every other byte
// (and every control byte) as \xNN: "caf\xE9.txt".
QString escaped(const QByteArray& bytes);

struct Name {
    QString decoded; // the name as Qt decodes it (with U+FFFD)
    QString escaped;
};
// The names in the folder whose bytes are not UTF-8, in the order the folder lists them.
std::vector<Name> undecodableNamesIn(const QString& folder);

} // namespace RawNames
