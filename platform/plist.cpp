#include "platform/plist.h"

#include "platform/checkedfile.h"
#include "platform/filemanager.h"
#include "platform/plistlimits.h"

#include <QDateTime>
#include <QStringList>
#include <QtEndian>

#include <plist/plist.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

namespace Plist {
namespace {

// Property-list dates count seconds from 2001-01-01T00:00:00Z; this is that instant in Unix time.
constexpr qint64 kAppleEpochMSecs = 978307200000LL;
// Dates further than this from 2001 (about 9,500 years) are refused rather than misconverted.
constexpr double kMaxDateSeconds = 3.0e11;

struct NodeDeleter {
    void operator()(void* node) const { plist_free(static_cast<plist_t>(node)); }
};
using NodePtr = std::unique_ptr<void, NodeDeleter>;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// A node made by libplist's own XML reader from a tiny document. Used for the two values the
// 2.2 API has no constructor for: integers above INT64_MAX and dates outside int32 seconds.
plist_t nodeFromXml(const QByteArray& element)
{
    const QByteArray xml = "<plist version=\"1.0\">" + element + "</plist>";
    plist_t node = nullptr;
    plist_from_xml(xml.constData(), uint32_t(xml.size()), &node);
    return node;
}

qint64 floorDiv(qint64 a, qint64 b)
{
    const qint64 q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// ---- writing -----------------------------------------------------------------------------------

// A date node holding exactly the given seconds since 2001, made by libplist's binary reader
// from a one-object document: its date constructor takes int32 seconds and microseconds, which
// cannot hold years before 1933 or after 2069, nor keep milliseconds exact for them.
plist_t exactDateNode(double seconds)
{
    char doc[8 + 9 + 1 + 32] = {'b', 'p', 'l', 'i', 's', 't', '0', '0'};
    quint64 bits = 0;
    std::memcpy(&bits, &seconds, sizeof bits);
    doc[8] = char(0x33); // a date: a big-endian double follows
    qToBigEndian<quint64>(bits, doc + 9);
    doc[17] = 8;         // the offset table: object 0 starts at byte 8
    char* trailer = doc + 18;
    trailer[6] = 1;      // offset size
    trailer[7] = 1;      // object reference size
    qToBigEndian<quint64>(1, trailer + 8);   // one object
    qToBigEndian<quint64>(0, trailer + 16);  // the top object
    qToBigEndian<quint64>(17, trailer + 24); // where the offset table starts
    plist_t node = nullptr;
    plist_from_bin(doc, uint32_t(sizeof doc), &node);
    return node;
}

plist_t dateNode(const QDateTime& dateTime, Format format, QString* error)
{
    if (!dateTime.isValid()) {
        setError(error, QStringLiteral("invalid date"));
        return nullptr;
    }
    qint64 msecs = dateTime.toMSecsSinceEpoch() - kAppleEpochMSecs;
    if (format == Format::Binary) {
        const QDateTime utc = dateTime.toUTC();
        if (utc.date().year() < 1 || utc.date().year() > 9999) {
            setError(error, QStringLiteral("date out of range: %1").arg(utc.toString(Qt::ISODate)));
            return nullptr;
        }
        plist_t node = exactDateNode(double(msecs) / 1000.0);
        if (!node)
            setError(error, QStringLiteral("date out of range: %1").arg(utc.toString(Qt::ISODate)));
        return node;
    }
    // XML dates carry whole seconds. Flooring here keeps libplist from truncating toward zero,
    // which would move a date before 2001 one second later.
    msecs = floorDiv(msecs, 1000) * 1000;
    const qint64 seconds = floorDiv(msecs, 1000);
    const qint64 rest = msecs - seconds * 1000;
    if (seconds >= std::numeric_limits<int32_t>::min() && seconds <= std::numeric_limits<int32_t>::max())
        return plist_new_date(int32_t(seconds), int32_t(rest * 1000));

    // libplist 2.2 takes int32 seconds only (1933..2069); other years go through its XML reader,
    // to the whole second.
    const QDateTime utc = QDateTime::fromMSecsSinceEpoch(seconds * 1000 + kAppleEpochMSecs, Qt::UTC);
    if (utc.date().year() < 1 || utc.date().year() > 9999) {
        setError(error, QStringLiteral("date out of range: %1").arg(utc.toString(Qt::ISODate)));
        return nullptr;
    }
    plist_t node = nodeFromXml("<date>" + utc.toString(Qt::ISODate).toLatin1() + "</date>");
    if (!node)
        setError(error, QStringLiteral("date out of range: %1").arg(utc.toString(Qt::ISODate)));
    return node;
}

bool hasNul(const QString& text)
{
    return text.contains(QChar(u'\0'));
}

plist_t toNode(const QVariant& value, Format format, int depth, QString* error);

plist_t arrayNode(const QVariantList& list, Format format, int depth, QString* error)
{
    NodePtr array(plist_new_array());
    for (const QVariant& item : list) {
        plist_t child = toNode(item, format, depth, error);
        if (!child)
            return nullptr;
        plist_array_append_item(array.get(), child);
    }
    return array.release();
}

template <typename Map>
plist_t dictNode(const Map& map, Format format, int depth, QString* error)
{
    NodePtr dict(plist_new_dict());
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (hasNul(it.key())) {
            setError(error, QStringLiteral("dictionary key holds a NUL character"));
            return nullptr;
        }
        plist_t child = toNode(it.value(), format, depth, error);
        if (!child)
            return nullptr;
        plist_dict_set_item(dict.get(), it.key().toUtf8().constData(), child);
    }
    return dict.release();
}

plist_t toNode(const QVariant& value, Format format, int depth, QString* error)
{
    const int type = value.metaType().id();
    switch (type) {
    case QMetaType::QString: {
        const QString text = value.toString();
        // libplist keeps C strings: a NUL would silently cut the text short.
        if (hasNul(text)) {
            setError(error, QStringLiteral("text holds a NUL character"));
            return nullptr;
        }
        return plist_new_string(text.toUtf8().constData());
    }
    case QMetaType::Bool:
        return plist_new_bool(value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
        return plist_new_uint(uint64_t(value.toLongLong()));
    case QMetaType::UInt:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar: {
        const qulonglong number = value.toULongLong();
        if (number <= qulonglong(std::numeric_limits<qint64>::max()))
            return plist_new_uint(number);
        // Above INT64_MAX libplist 2.2 only keeps the value unsigned when its XML reader made it.
        return nodeFromXml("<integer>" + QByteArray::number(number) + "</integer>");
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return plist_new_real(value.toDouble());
    case QMetaType::QDateTime:
        return dateNode(value.toDateTime(), format, error);
    case QMetaType::QByteArray: {
        const QByteArray bytes = value.toByteArray();
        return plist_new_data(bytes.isEmpty() ? "" : bytes.constData(), uint64_t(bytes.size()));
    }
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
    case QMetaType::QVariantMap:
    case QMetaType::QVariantHash:
        if (depth + 1 > kMaxNesting) {
            setError(error, QStringLiteral("arrays and dictionaries nested deeper than %1 levels").arg(kMaxNesting));
            return nullptr;
        }
        if (type == QMetaType::QVariantMap)
            return dictNode(value.toMap(), format, depth + 1, error);
        if (type == QMetaType::QVariantHash)
            return dictNode(value.toHash(), format, depth + 1, error);
        return arrayNode(value.toList(), format, depth + 1, error);
    default:
        break;
    }
    if (type == QMetaType::fromType<PlistUid>().id())
        return plist_new_uid(value.value<PlistUid>().value);
    setError(error, QStringLiteral("a value of type %1 has no property-list form")
                        .arg(value.isValid() ? QString::fromLatin1(value.metaType().name()) : QStringLiteral("(invalid)")));
    return nullptr;
}

// ---- reading -----------------------------------------------------------------------------------

// True when an integer node above INT64_MAX is unsigned. libplist 2.2 keeps that flag
// internally only; its XML form shows it as the sign.
bool isUnsignedInteger(plist_t node)
{
    char* xml = nullptr;
    uint32_t length = 0;
    plist_to_xml(node, &xml, &length);
    const bool isUnsigned = xml && !QByteArrayView(xml, length).contains("<integer>-");
    plist_to_xml_free(xml);
    return isUnsigned;
}

// Seconds since 2001 of a date node. plist_get_date_val in libplist 2.2 truncates to int32
// seconds and drops the sign of the fraction, which garbles dates before 2001 and after 2069;
// the binary form of a lone date ("bplist00", marker 0x33, big-endian double) holds the exact value.
double dateSeconds(plist_t node)
{
    char* binary = nullptr;
    uint32_t length = 0;
    plist_to_bin(node, &binary, &length);
    double seconds = 0;
    if (binary && length >= 17 && static_cast<unsigned char>(binary[8]) == 0x33) {
        const quint64 bits = qFromBigEndian<quint64>(binary + 9);
        std::memcpy(&seconds, &bits, sizeof seconds);
    } else {
        int32_t whole = 0;
        int32_t micro = 0;
        plist_get_date_val(node, &whole, &micro);
        seconds = whole + (whole < 0 ? -micro : micro) / 1e6;
    }
    plist_to_bin_free(binary);
    return seconds;
}

std::optional<QVariant> fromNode(plist_t node, int depth, QString* error);

std::optional<QVariant> fromArray(plist_t node, int depth, QString* error)
{
    QVariantList list;
    const uint32_t size = plist_array_get_size(node);
    list.reserve(qsizetype(size));
    for (uint32_t i = 0; i < size; ++i) {
        std::optional<QVariant> item = fromNode(plist_array_get_item(node, i), depth, error);
        if (!item)
            return std::nullopt;
        list.append(std::move(*item));
    }
    return QVariant(list);
}

std::optional<QVariant> fromDict(plist_t node, int depth, QString* error)
{
    // The XML form of a keyed-archive reference is {"CF$UID": n}; libplist 2.2 leaves it a dictionary.
    if (plist_dict_get_size(node) == 1) {
        plist_t uid = plist_dict_get_item(node, "CF$UID");
        if (uid && plist_get_node_type(uid) == PLIST_UINT) {
            uint64_t value = 0;
            plist_get_uint_val(uid, &value);
            if (value <= std::numeric_limits<uint32_t>::max())
                return QVariant::fromValue(PlistUid{value});
        }
    }
    QVariantMap map;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(node, &iter);
    bool ok = true;
    for (;;) {
        char* key = nullptr;
        plist_t child = nullptr;
        plist_dict_next_item(node, iter, &key, &child);
        if (!key)
            break;
        const QString name = QString::fromUtf8(key);
        std::free(key);
        std::optional<QVariant> value = fromNode(child, depth, error);
        if (!value) {
            ok = false;
            break;
        }
        map.insert(name, std::move(*value));
    }
    std::free(iter);
    if (!ok)
        return std::nullopt;
    return QVariant(map);
}

std::optional<QVariant> fromNode(plist_t node, int depth, QString* error)
{
    if (!node) {
        setError(error, QStringLiteral("missing value"));
        return std::nullopt;
    }
    switch (plist_get_node_type(node)) {
    case PLIST_BOOLEAN: {
        uint8_t value = 0;
        plist_get_bool_val(node, &value);
        return QVariant(value != 0);
    }
    case PLIST_UINT: {
        uint64_t value = 0;
        plist_get_uint_val(node, &value);
        if (value > uint64_t(std::numeric_limits<qint64>::max()) && isUnsignedInteger(node))
            return QVariant::fromValue(qulonglong(value));
        return QVariant::fromValue(qlonglong(value));
    }
    case PLIST_REAL: {
        double value = 0;
        plist_get_real_val(node, &value);
        return QVariant(value);
    }
    case PLIST_STRING: {
        uint64_t length = 0;
        const char* text = plist_get_string_ptr(node, &length);
        return QVariant(QString::fromUtf8(text, qsizetype(length)));
    }
    case PLIST_KEY: {
        char* text = nullptr;
        plist_get_key_val(node, &text);
        const QString key = QString::fromUtf8(text);
        std::free(text);
        return QVariant(key);
    }
    case PLIST_DATA: {
        uint64_t length = 0;
        const char* bytes = plist_get_data_ptr(node, &length);
        return QVariant(QByteArray(bytes, qsizetype(length)));
    }
    case PLIST_DATE: {
        const double seconds = dateSeconds(node);
        if (!std::isfinite(seconds) || std::fabs(seconds) > kMaxDateSeconds) {
            setError(error, QStringLiteral("date out of range"));
            return std::nullopt;
        }
        const qint64 msecs = std::llround(seconds * 1000.0) + kAppleEpochMSecs;
        return QVariant(QDateTime::fromMSecsSinceEpoch(msecs, Qt::UTC));
    }
    case PLIST_UID: {
        uint64_t value = 0;
        plist_get_uid_val(node, &value);
        return QVariant::fromValue(PlistUid{value});
    }
    case PLIST_ARRAY:
    case PLIST_DICT:
        if (depth + 1 > kMaxNesting) {
            setError(error, QStringLiteral("arrays and dictionaries nested deeper than %1 levels").arg(kMaxNesting));
            return std::nullopt;
        }
        return plist_get_node_type(node) == PLIST_ARRAY ? fromArray(node, depth + 1, error)
                                                         : fromDict(node, depth + 1, error);
    default:
        setError(error, QStringLiteral("unknown property-list value"));
        return std::nullopt;
    }
}

} // namespace

QByteArray write(const QVariant& root, Format format, QString* error)
{
    NodePtr node(toNode(root, format, 0, error));
    if (!node)
        return {};
    char* bytes = nullptr;
    uint32_t length = 0;
    QByteArray result;
    if (format == Format::Xml) {
        plist_to_xml(node.get(), &bytes, &length);
        result = QByteArray(bytes, bytes ? qsizetype(length) : 0);
        plist_to_xml_free(bytes);
    } else {
        plist_to_bin(node.get(), &bytes, &length);
        result = QByteArray(bytes, bytes ? qsizetype(length) : 0);
        plist_to_bin_free(bytes);
    }
    if (result.isEmpty())
        setError(error, QStringLiteral("the property list could not be serialised"));
    return result;
}

std::optional<QVariant> read(const QByteArray& data, QString* error)
{
    if (data.size() < 8) {
        setError(error, QStringLiteral("not a property list: too short"));
        return std::nullopt;
    }
    if (quint64(data.size()) > std::numeric_limits<uint32_t>::max()) {
        setError(error, QStringLiteral("property list too large"));
        return std::nullopt;
    }
    QString reason;
    if (!safeToParse(data, &reason)) {
        setError(error, QStringLiteral("not a usable property list: %1").arg(reason));
        return std::nullopt;
    }
    plist_t parsed = nullptr;
    plist_from_memory(data.constData(), uint32_t(data.size()), &parsed);
    if (!parsed) {
        setError(error, data.startsWith("bplist00") ? QStringLiteral("damaged binary property list")
                                                    : QStringLiteral("not a property list (XML could not be parsed)"));
        return std::nullopt;
    }
    NodePtr root(parsed);
    return fromNode(parsed, 0, error);
}

std::optional<QVariant> readFile(const QString& path, QString* error)
{
    const std::optional<QByteArray> data = CheckedFile::readAll(path, CheckedFile::Kind::PropertyList, error);
    if (!data)
        return std::nullopt;
    QString reason;
    std::optional<QVariant> value = read(*data, &reason);
    if (!value)
        setError(error, QStringLiteral("%1: %2").arg(path, reason));
    return value;
}

bool writeFile(const QString& path, const QVariant& root, Format format, QString* error)
{
    const QByteArray bytes = write(root, format, error);
    if (bytes.isEmpty())
        return false;
    return FileManager::writeFileAtomically(path, bytes, error);
}

} // namespace Plist
