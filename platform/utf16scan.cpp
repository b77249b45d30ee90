#include "platform/utf16scan.h"

namespace Utf16Scan {

qsizetype lastIndexOf(QStringView text, char16_t unit)
{
    const char16_t* units = text.utf16();
    qsizetype end = text.size();
#ifdef __SSE2__
    const __m128i wanted = _mm_set1_epi16(short(unit));
    for (; end >= 8; end -= 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + end - 8));
        // Two mask bits per unit: the highest set bit belongs to the last match.
        const unsigned mask = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi16(block, wanted)));
        if (mask != 0)
            return end - 8 + (31 - __builtin_clz(mask)) / 2;
        // Fewer than eight units left: the next block is the one starting the text, which
        // overlaps units already passed.
        if (end > 8 && end < 16)
            end = 16;
    }
#endif
    while (end > 0) {
        if (units[--end] == unit)
            return end;
    }
    return -1;
}

void narrowInto(char* out, QStringView text)
{
    const char16_t* units = text.utf16();
    const qsizetype size = text.size();
    qsizetype at = 0;
#ifdef __SSE2__
    for (; at + 8 <= size; at += 8) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + at));
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + at), _mm_packus_epi16(block, block));
        // Fewer than eight units left: the last block is written again from the end.
        if (at + 8 < size && at + 16 > size)
            at = size - 16;
    }
#endif
    for (; at < size; ++at)
        out[at] = char(units[at]);
}

qsizetype asciiSpan(const char* bytes, qsizetype size)
{
    qsizetype at = 0;
#ifdef __SSE2__
    for (; at + 16 <= size; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
        if (const unsigned high = unsigned(_mm_movemask_epi8(block)); high != 0)
            return at + __builtin_ctz(high);
        if (at + 16 < size && at + 32 > size)
            at = size - 32;
    }
#endif
    while (at < size && static_cast<unsigned char>(bytes[at]) < 0x80)
        ++at;
    return at;
}

void widenInto(QChar* out, const char* bytes, qsizetype size)
{
    qsizetype at = 0;
#ifdef __SSE2__
    const __m128i zero = _mm_setzero_si128();
    for (; at + 16 <= size; at += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), _mm_unpacklo_epi8(block, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at + 8), _mm_unpackhi_epi8(block, zero));
        if (at + 16 < size && at + 32 > size)
            at = size - 32;
    }
#endif
    for (; at < size; ++at)
        out[at] = QChar(char16_t(static_cast<unsigned char>(bytes[at])));
}

} // namespace Utf16Scan
