#include "pipeline/renamelogwriter.h"

#include "engine/filename.h"
#include "pipeline/renamelogreader.h"
#include "platform/utf16scan.h"

#include <QRandomGenerator>

#include <array>
#include <charconv>
#include <cstring>
#include <string_view>

namespace RenameLogWriter {

namespace {

// The bytes of an element besides its four values: the indent, the tag, the attribute
// names and quotes, and an inode of up to 20 digits.
constexpr qsizetype kElementOverhead = 128;
// The most bytes one UTF-16 unit can become ("&quot;").
constexpr qsizetype kMaxBytesPerUnit = 6;

char* put(char* out, std::string_view text)
{
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

// A value that is plain ASCII and needs no escaping, copied as it is (":" as "/" when
// asked); nullptr when it is not, for the general writer.
char* putPlain(char* out, QStringView text, bool colonsAsSlashes)
{
    if (Utf16Scan::spanWithin<u'<', u'>', u'&', u'"'>(text, 0x20, 0x80) != text.size())
        return nullptr;
    Utf16Scan::narrowInto(out, text);
    char* const end = out + text.size();
    if (colonsAsSlashes) {
        for (char* colon = out; (colon = static_cast<char*>(std::memchr(colon, ':', size_t(end - colon))));)
            *colon++ = '/';
    }
    return end;
}

// Any value: escaped where XML needs it, UTF-8 outside ASCII. nullptr when it holds a
// character XML 1.0 cannot carry (a control character, a lone surrogate, U+FFFE, U+FFFF).
char* putEscaped(char* out, QStringView text, bool colonsAsSlashes)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text[i].unicode();
        switch (c) {
        case u'&': out = put(out, "&amp;"); continue;
        case u'<': out = put(out, "&lt;"); continue;
        case u'>': out = put(out, "&gt;"); continue;
        case u'"': out = put(out, "&quot;"); continue;
        case u'\t': out = put(out, "&#9;"); continue;
        case u'\n': out = put(out, "&#10;"); continue;
        case u'\r': out = put(out, "&#13;"); continue;
        case u':':
            *out++ = colonsAsSlashes ? '/' : ':';
            continue;
        default:
            break;
        }
        if (c < 0x20 || c == 0xFFFE || c == 0xFFFF)
            return nullptr;
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= n || !text[i + 1].isLowSurrogate())
                return nullptr;
            c = QChar::surrogateToUcs4(char16_t(c), text[++i].unicode());
        } else if (QChar::isLowSurrogate(c)) {
            return nullptr;
        }
        if (c < 0x80) {
            *out++ = char(c);
        } else if (c < 0x800) {
            *out++ = char(0xC0 | (c >> 6));
            *out++ = char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            *out++ = char(0xE0 | (c >> 12));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        } else {
            *out++ = char(0xF0 | (c >> 18));
            *out++ = char(0x80 | ((c >> 12) & 0x3F));
            *out++ = char(0x80 | ((c >> 6) & 0x3F));
            *out++ = char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

struct Values {
    std::array<QStringView, 4> text; // srclocation, tarlocation, srcfilename, tarfilename
    bool namesOnDisk = false;        // the names hold ":" where the log shows "/"
    quint64 inode = 0;
    RenameLogEntry::Reservation reservation = RenameLogEntry::Reservation::None;
};

// The element, or nullptr when a value cannot be written that way.
template <char* (*PutValue)(char*, QStringView, bool)>
char* putElement(char* out, const Values& v)
{
    static constexpr std::string_view kOpen[4] = {"    <file srclocation=\"", "\" tarlocation=\"",
                                                  "\" srcfilename=\"", "\" tarfilename=\""};
    for (int i = 0; i < 4; ++i) {
        out = put(out, kOpen[i]);
        out = PutValue(out, v.text[size_t(i)], v.namesOnDisk && i >= 2);
        if (!out)
            return nullptr;
    }
    if (v.inode != 0) {
        out = put(out, "\" inode=\"");
        out = std::to_chars(out, out + 24, v.inode).ptr;
    }
    if (v.reservation == RenameLogEntry::Reservation::Planned)
        out = put(out, "\" reserved=\"0");
    else if (v.reservation == RenameLogEntry::Reservation::Made)
        out = put(out, "\" reserved=\"1");
    return put(out, "\"/>\n");
}

bool append(QByteArray& out, const Values& v)
{
    qsizetype units = 0;
    for (QStringView text : v.text)
        units += text.size();
    const qsizetype start = out.size();
    // Plain ASCII first, one byte per unit: the common case, without a second pass.
    out.resize(start + kElementOverhead + units);
    char* end = putElement<putPlain>(out.data() + start, v);
    if (!end) {
        out.resize(start + kElementOverhead + kMaxBytesPerUnit * units);
        end = putElement<putEscaped>(out.data() + start, v);
    }
    if (!end) {
        out.truncate(start);
        return false;
    }
    out.truncate(end - out.constData());
    return true;
}

// The folder part of a path whose last slash is at slash ("/" for the root, nothing
// without a slash).
QStringView locationPart(QStringView path, qsizetype slash)
{
    if (slash < 0)
        return {};
    return path.left(slash == 0 ? 1 : slash);
}

} // namespace

QString temporaryPath(const QString& folder)
{
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString name = kTemporaryNamePrefix;
    for (int i = 0; i < 16; ++i)
        name += QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof kChars) - 1)]);
    return appendingPathComponent(folder, name);
}

QByteArray header(const QString& appversion, const QString& type)
{
    const auto attribute = [](QByteArray& out, std::string_view name, const QString& value) {
        const qsizetype start = out.size();
        out.resize(start + qsizetype(name.size()) + 4 + kMaxBytesPerUnit * value.size());
        char* at = put(out.data() + start, " ");
        at = put(at, name);
        at = put(at, "=\"");
        at = putEscaped(at, value, false);
        if (!at)
            return false;
        at = put(at, "\"");
        out.truncate(at - out.constData());
        return true;
    };
    QByteArray out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<files";
    if (!attribute(out, "appversion", appversion) || (!type.isEmpty() && !attribute(out, "type", type)))
        return QByteArray();
    out += ">\n";
    return out;
}

QByteArray trailer()
{
    return QByteArrayLiteral("</files>\n");
}

bool writeEntry(QByteArray& out, QStringView sourceFile, QStringView targetFile, quint64 inode, bool reserved)
{
    const qsizetype sourceSlash = Utf16Scan::lastIndexOf(sourceFile, u'/');
    const qsizetype targetSlash = Utf16Scan::lastIndexOf(targetFile, u'/');
    return append(out, Values{{locationPart(sourceFile, sourceSlash), locationPart(targetFile, targetSlash),
                               sourceFile.mid(sourceSlash + 1), targetFile.mid(targetSlash + 1)},
                              true, inode,
                              reserved ? RenameLogEntry::Reservation::Planned : RenameLogEntry::Reservation::None});
}

bool writeEntry(QByteArray& out, const RenameLogEntry& entry)
{
    return append(out, Values{{entry.srclocation, entry.tarlocation, entry.srcfilename, entry.tarfilename},
                              false, entry.inode, entry.reservation});
}

qsizetype entrySizeHint(QStringView sourceFile, QStringView targetFile)
{
    return kElementOverhead + sourceFile.size() + targetFile.size();
}

} // namespace RenameLogWriter
