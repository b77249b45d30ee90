#include "metadata/xmptext.h"

#include <QByteArray>
#include <QStringDecoder>

#include <cstring>

namespace XmpText {

namespace {

char foldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool equalsIgnoringCaseAt(QByteArrayView bytes, qsizetype at, QByteArrayView needle)
{
    if (at < 0 || at + needle.size() > bytes.size())
        return false;
    for (qsizetype i = 0; i < needle.size(); ++i) {
        if (foldAscii(bytes[at + i]) != foldAscii(needle[i]))
            return false;
    }
    return true;
}

QString decode(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = QString::fromLatin1(bytes.data(), bytes.size());
    return text;
}

bool isXmlSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::optional<QString> elementText(QByteArrayView bytes, QLatin1StringView name)
{
    const QByteArray open = "<" + QByteArray(name.data(), name.size()) + ">";
    const QByteArray close = "</" + QByteArray(name.data(), name.size()) + ">";
    const qsizetype start = indexOfIgnoringCase(bytes, open);
    if (start < 0)
        return std::nullopt;
    const qsizetype from = start + open.size();
    const qsizetype end = indexOfIgnoringCase(bytes, close, from);
    if (end < 0)
        return std::nullopt;
    return decode(bytes.sliced(from, end - from));
}

std::optional<QString> attributeText(QByteArrayView bytes, QLatin1StringView name)
{
    const QByteArray needle(name.data(), name.size());
    qsizetype at = 0;
    while ((at = indexOfIgnoringCase(bytes, needle, at)) >= 0) {
        qsizetype i = at + needle.size();
        // An attribute stands after white space and is followed by "=" and a quote.
        const bool startsAttribute = at > 0 && isXmlSpace(bytes[at - 1]);
        while (i < bytes.size() && isXmlSpace(bytes[i]))
            ++i;
        if (startsAttribute && i < bytes.size() && bytes[i] == '=') {
            ++i;
            while (i < bytes.size() && isXmlSpace(bytes[i]))
                ++i;
            if (i < bytes.size() && (bytes[i] == '"' || bytes[i] == '\'')) {
                const char quote = bytes[i];
                const qsizetype from = i + 1;
                const void* found = std::memchr(bytes.data() + from, quote, size_t(bytes.size() - from));
                if (found) {
                    const qsizetype end = static_cast<const char*>(found) - bytes.data();
                    return decode(bytes.sliced(from, end - from));
                }
            }
        }
        at += needle.size();
    }
    return std::nullopt;
}

} // namespace

qsizetype indexOfIgnoringCase(QByteArrayView bytes, QByteArrayView needle, qsizetype from)
{
    if (needle.isEmpty() || from < 0 || needle.size() > bytes.size())
        return -1;
    const qsizetype last = bytes.size() - needle.size();
    // Anchor on a byte of the needle that has no case ("<" or ":" in the XMP names) and
    // find its candidates with memchr, which is vectorised and skips image data quickly.
    qsizetype anchor = 0;
    while (anchor < needle.size() && isAsciiLetter(needle[anchor]))
        ++anchor;
    if (anchor < needle.size()) {
        const char c = needle[anchor];
        qsizetype at = from;
        while (at <= last) {
            const void* hit = std::memchr(bytes.data() + at + anchor, c, size_t(last - at + 1));
            if (!hit)
                return -1;
            at = static_cast<const char*>(hit) - bytes.data() - anchor;
            if (equalsIgnoringCaseAt(bytes, at, needle))
                return at;
            ++at;
        }
        return -1;
    }
    const char folded = foldAscii(needle[0]);
    for (qsizetype at = from; at <= last; ++at) {
        if (foldAscii(bytes[at]) == folded && equalsIgnoringCaseAt(bytes, at, needle))
            return at;
    }
    return -1;
}

std::optional<QString> propertyText(QByteArrayView bytes, QLatin1StringView name)
{
    if (std::optional<QString> text = elementText(bytes, name))
        return text;
    return attributeText(bytes, name);
}

} // namespace XmpText
