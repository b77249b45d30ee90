#include "engine/filescomparison.h"

#include <QChar>

namespace {

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

char32_t fold(QStringView s, qsizetype& i)
{
    char32_t cp = s.at(i).unicode();
    if (cp < 0x80) {
        // Most names are ASCII: their simple case fold is the lower case letter.
        ++i;
        return cp >= u'A' && cp <= u'Z' ? cp + (u'a' - u'A') : cp;
    }
    if (QChar::isHighSurrogate(cp) && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
        cp = QChar::surrogateToUcs4(s.at(i), s.at(i + 1));
        ++i;
    }
    ++i;
    return QChar::toCaseFolded(cp);
}

} // namespace

int compareFiles(QStringView a, QStringView b)
{
    // The code units both share from the start compare equal folded and by value as well;
    // the walk starts where they differ, or at the start of the digit run that spans it.
    qsizetype shared = 0;
    const qsizetype shorter = qMin(a.size(), b.size());
    while (shared < shorter && a.at(shared) == b.at(shared))
        ++shared;
    while (shared > 0 && (isDigit(a.at(shared - 1)) || a.at(shared - 1).isHighSurrogate()))
        --shared;
    qsizetype i = shared, j = shared;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a.at(i)) && isDigit(b.at(j))) {
            // Compare the digit runs by value: skip leading zeros, then longer is larger.
            qsizetype si = i, sj = j;
            while (si < a.size() && a.at(si) == u'0')
                ++si;
            while (sj < b.size() && b.at(sj) == u'0')
                ++sj;
            qsizetype ei = si, ej = sj;
            while (ei < a.size() && isDigit(a.at(ei)))
                ++ei;
            while (ej < b.size() && isDigit(b.at(ej)))
                ++ej;
            if (ei - si != ej - sj)
                return ei - si < ej - sj ? -1 : 1;
            for (qsizetype k = 0; k < ei - si; ++k) {
                if (a.at(si + k) != b.at(sj + k))
                    return a.at(si + k) < b.at(sj + k) ? -1 : 1;
            }
            i = ei;
            j = ej;
            continue;
        }
        const char32_t ca = fold(a, i);
        const char32_t cb = fold(b, j);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    // Equal when folded and by value: code units decide (leading zeros, letter case).
    const int raw = a.compare(b);
    return raw < 0 ? -1 : (raw > 0 ? 1 : 0);
}

namespace {

// Code points written as UTF-8 (surrogates and small counts too, in the same scheme): byte
// order is then code point order, so keys compare with memcmp. Returns the end.
char* putCodePoint(char* out, char32_t cp)
{
    if (cp < 0x80) {
        *out++ = char(cp);
    } else if (cp < 0x800) {
        *out++ = char(0xC0 | (cp >> 6));
        *out++ = char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        *out++ = char(0xE0 | (cp >> 12));
        *out++ = char(0x80 | ((cp >> 6) & 0x3F));
        *out++ = char(0x80 | (cp & 0x3F));
    } else {
        *out++ = char(0xF0 | (cp >> 18));
        *out++ = char(0x80 | ((cp >> 12) & 0x3F));
        *out++ = char(0x80 | ((cp >> 6) & 0x3F));
        *out++ = char(0x80 | (cp & 0x3F));
    }
    return out;
}

} // namespace

void appendNaturalSortKey(std::string& key, QStringView name)
{
    // Written through a pointer into room made once: at most four bytes per code unit (a
    // folded code point, or a digit run's marker and count before its digits).
    const size_t start = key.size();
    key.resize(start + 4 * size_t(name.size()) + 8);
    char* out = key.data() + start;
    const char16_t* units = name.utf16();
    const qsizetype n = name.size();
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = units[i];
        if (isDigit(c)) {
            qsizetype first = i;
            while (first < n && units[first] == u'0')
                ++first;
            qsizetype end = first;
            while (end < n && isDigit(units[end]))
                ++end;
            *out++ = '0';
            out = putCodePoint(out, char32_t(end - first));
            for (qsizetype k = first; k < end; ++k)
                *out++ = char(units[k]);
            i = end;
            continue;
        }
        if (c < 0x80) {
            // Most names are ASCII: the fold is the lower case letter, one byte.
            *out++ = c >= u'A' && c <= u'Z' ? char(c + (u'a' - u'A')) : char(c);
            ++i;
            continue;
        }
        out = putCodePoint(out, fold(name, i));
    }
    key.resize(size_t(out - key.data()));
}

std::string naturalSortKey(QStringView name)
{
    std::string key;
    key.reserve(size_t(name.size()) + 4);
    appendNaturalSortKey(key, name);
    return key;
}
