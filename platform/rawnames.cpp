#include "platform/rawnames.h"

#include <QFile>

#include <dirent.h>
#include <unicode/utf8.h>

namespace RawNames {

QString escaped(const QByteArray& bytes)
{
    QString out;
    const char* s = bytes.constData();
    const int32_t n = int32_t(bytes.size());
    int32_t i = 0;
    while (i < n) {
        const int32_t start = i;
        UChar32 c = 0;
        U8_NEXT(s, i, n, c);
        if (c >= 0x20 && c != 0x7F) {
            out += QString::fromUtf8(s + start, i - start);
            continue;
        }
        for (int32_t b = start; b < i; ++b)
            out += QLatin1String("\\x") + QString::number(uchar(s[b]), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
    return out;
}

std::vector<Name> undecodableNamesIn(const QString& folder)
{
    std::vector<Name> names;
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const struct dirent* entry = ::readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        const QString decoded = QFile::decodeName(bytes);
        if (QFile::encodeName(decoded) != bytes)
            names.push_back(Name{decoded, escaped(bytes)});
    }
    ::closedir(dir);
    return names;
}

} // namespace RawNames
