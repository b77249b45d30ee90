#pragma once

#include <QStringView>

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Scans over UTF-16 text that the passes run several times on every path of a batch:
// eight units at a time where the processor has SSE2 (every x86-64), one at a time
// elsewhere. Qt's own searches for a single character go through its general substring
// search, which costs several times as much on a path of forty characters.
namespace Utf16Scan {

// The index of the last unit equal to unit, or -1.
qsizetype lastIndexOf(QStringView text, char16_t unit);

// Whether two texts hold the same units. Inline, for the caches that compare each item's
// folder with the last one met, several times per item.
inline bool sameUnits(QStringView a, QStringView b)
{
    return a.size() == b.size() && std::memcmp(a.utf16(), b.utf16(), size_t(a.size()) * sizeof(char16_t)) == 0;
}

// The length of the longest prefix of text whose units all lie in [low, high) and are none
// of Excluded. Inline, so that each use gets its own loop with the units as constants.
template <char16_t... Excluded>
qsizetype spanWithin(QStringView text, char16_t low, char16_t high)
{
    const char16_t* units = text.utf16();
    const qsizetype size = text.size();
    qsizetype at = 0;
#ifdef __SSE2__
    // c lies in [low, high) when c - low, compared without sign, is below high - low; the
    // sign bit is flipped so that the signed comparison of SSE2 compares without sign.
    const __m128i flip = _mm_set1_epi16(short(0x8000));
    const __m128i lowest = _mm_set1_epi16(short(low));
    const __m128i width = _mm_set1_epi16(short(char16_t(high - low) ^ 0x8000));
    for (; at + 8 <= size; at += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + at));
        __m128i good = _mm_cmplt_epi16(_mm_xor_si128(_mm_sub_epi16(block, lowest), flip), width);
        ((good = _mm_andnot_si128(_mm_cmpeq_epi16(block, _mm_set1_epi16(short(Excluded))), good)), ...);
        const unsigned mask = unsigned(_mm_movemask_epi8(good));
        if (mask != 0xFFFF)
            return at + __builtin_ctz(~mask) / 2;
        // Fewer than eight units left: the next block is the one ending the text, which
        // overlaps units already passed.
        if (at + 8 < size && at + 16 > size)
            at = size - 16;
    }
#endif
    for (; at < size; ++at) {
        const char16_t c = units[at];
        if (c < low || c >= high || ((c == Excluded) || ...))
            return at;
    }
    return size;
}

// Writes text, all of whose units are below 0x100, one byte per unit.
void narrowInto(char* out, QStringView text);

// The length of the longest prefix of bytes below 0x80.
qsizetype asciiSpan(const char* bytes, qsizetype size);

// Writes each byte as the unit of the same value.
void widenInto(QChar* out, const char* bytes, qsizetype size);

} // namespace Utf16Scan
