#include "pipeline/renameloglines.h"

#include "pipeline/renamelogreader.h"
#include "pipeline/renamelogwriter.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace RenameLogLines {

namespace {

// The length of the escape at p when it is one the writer writes; 0 otherwise.
qsizetype escapeLength(const char* p, const char* end, char& decoded)
{
    static constexpr struct {
        std::string_view text;
        char decoded;
    } kEscapes[] = {{"&amp;", '&'}, {"&lt;", '<'},   {"&gt;", '>'},   {"&quot;", '"'},
                    {"&#9;", '\t'}, {"&#10;", '\n'}, {"&#13;", '\r'}};
    const std::string_view rest(p, size_t(end - p));
    for (const auto& escape : kEscapes) {
        if (rest.substr(0, escape.text.size()) == escape.text) {
            decoded = escape.decoded;
            return qsizetype(escape.text.size());
        }
    }
    return 0;
}

// The length of the UTF-8 sequence at p when it is well formed and encodes a character
// XML allows (U+0080 to U+009F left to the XML reader); 0 otherwise.
qsizetype utf8Length(const unsigned char* p, const unsigned char* end)
{
    const unsigned char lead = p[0];
    qsizetype length = 0;
    char32_t c = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    const bool allowed = length == 2 ? c >= 0xA0
        : length == 3                ? c >= 0x800 && (c < 0xD800 || c > 0xDFFF) && c != 0xFFFE && c != 0xFFFF
                                     : c >= 0x10000 && c <= 0x10FFFF;
    return allowed ? length : 0;
}

// One attribute value from p to its closing quote, decoded into out when out is given.
// Returns where the closing quote is, or nullptr when the value is not in the writer's form.
const char* readValue(const char* p, const char* end, QString* out)
{
    const char* const start = p;
    bool plain = true; // printable ASCII, no escape
    while (p < end) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"')
            break;
        if (c >= 0x20 && c < 0x7F) {
            if (c == '<' || c == '>')
                return nullptr;
            if (c == '&') {
                char unused;
                const qsizetype n = escapeLength(p, end, unused);
                if (n == 0)
                    return nullptr;
                plain = false;
                p += n;
            } else {
                ++p;
            }
            continue;
        }
        if (c < 0x80)
            return nullptr; // a control character or DEL
        const qsizetype n = utf8Length(reinterpret_cast<const unsigned char*>(p), reinterpret_cast<const unsigned char*>(end));
        if (n == 0)
            return nullptr;
        plain = false;
        p += n;
    }
    if (p >= end)
        return nullptr;
    if (!out)
        return p;
    const qsizetype size = p - start;
    if (plain) {
        // Folders repeat from entry to entry: the text already there is kept (and shared).
        if (!(out->size() == size && *out == QLatin1String(start, size)))
            *out = QString::fromLatin1(start, size);
        return p;
    }
    QByteArray bytes;
    bytes.reserve(size);
    for (const char* q = start; q < p;) {
        char decoded = *q;
        const qsizetype n = *q == '&' ? escapeLength(q, p, decoded) : 1;
        bytes.append(decoded);
        q += n;
    }
    *out = QString::fromUtf8(bytes);
    return p;
}

// Takes the literal at p; nullptr when it is not there.
const char* expect(const char* p, const char* end, std::string_view literal)
{
    if (!p || size_t(end - p) < literal.size() || std::memcmp(p, literal.data(), literal.size()) != 0)
        return nullptr;
    return p + literal.size();
}

} // namespace

bool isDeclaration(QByteArrayView line)
{
    return line == QByteArrayView("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
}

bool readRoot(QByteArrayView line, QString& appversion, QString& type)
{
    const char* const end = line.data() + line.size();
    const char* p = expect(line.data(), end, "<files appversion=\"");
    if (!p || !(p = readValue(p, end, &appversion)))
        return false;
    type.clear();
    if (const char* close = expect(p, end, "\">"))
        return close == end;
    p = expect(p, end, "\" type=\"");
    if (!p || !(p = readValue(p, end, &type)))
        return false;
    return expect(p, end, "\">") == end;
}

bool isEnd(QByteArrayView line)
{
    return line == QByteArrayView("</files>");
}

bool readEntry(QByteArrayView line, RenameLogEntry* entry, bool* isItem)
{
    static constexpr std::string_view kBefore[4] = {"    <file srclocation=\"", "\" tarlocation=\"",
                                                    "\" srcfilename=\"", "\" tarfilename=\""};
    const char* const end = line.data() + line.size();
    const char* p = line.data();
    const char* srcfilename = nullptr;
    for (int i = 0; i < 4; ++i) {
        p = expect(p, end, kBefore[i]);
        if (i == 2)
            srcfilename = p;
        QString* value = !entry ? nullptr
            : i == 0            ? &entry->srclocation
            : i == 1            ? &entry->tarlocation
            : i == 2            ? &entry->srcfilename
                                : &entry->tarfilename;
        if (!p || !(p = readValue(p, end, value)))
            return false;
    }
    quint64 inode = 0;
    if (const char* digits = expect(p, end, "\" inode=\"")) {
        const std::from_chars_result number = std::from_chars(digits, end, inode);
        if (number.ec != std::errc() || number.ptr == digits || inode == 0)
            return false;
        p = number.ptr;
    }
    RenameLogEntry::Reservation reservation = RenameLogEntry::Reservation::None;
    if (const char* flag = expect(p, end, "\" reserved=\"")) {
        if (flag == end || (*flag != '0' && *flag != '1'))
            return false;
        reservation = *flag == '1' ? RenameLogEntry::Reservation::Made : RenameLogEntry::Reservation::Planned;
        p = flag + 1;
    }
    if (expect(p, end, "\"/>") != end)
        return false;
    if (entry) {
        entry->inode = inode;
        entry->reservation = reservation;
        entry->hasAllAttributes = true;
    }
    if (isItem) {
        static const QByteArray prefix = RenameLogWriter::kTemporaryNamePrefix.toLatin1();
        *isItem = !std::string_view(srcfilename, size_t(end - srcfilename))
                       .starts_with(std::string_view(prefix.constData(), size_t(prefix.size())));
    }
    return true;
}

} // namespace RenameLogLines
