#include "platform/keyedarchiver.h"

#include "platform/plistlimits.h"

#include <QDateTime>
#include <QHash>

#include <cmath>
#include <vector>

namespace KeyedArchiver {
namespace {

constexpr qint64 kAppleEpochMSecs = 978307200000LL; // 2001-01-01T00:00:00Z in Unix time
constexpr double kMaxDateSeconds = 3.0e11;          // about 9,500 years either side of 2001
const QString kNull = QStringLiteral("$null");
const QString kClassKey = QStringLiteral("$class");

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString tooDeep()
{
    return QStringLiteral("objects nested deeper than %1 levels").arg(Plist::kMaxNesting);
}

// ---- archiving ---------------------------------------------------------------------------------

class Archiver {
public:
    QVariantList objects{kNull};

    std::optional<PlistUid> encode(const QVariant& value, int depth, QString* error)
    {
        if (!value.isValid())
            return PlistUid{0};
        const int type = value.metaType().id();
        switch (type) {
        case QMetaType::QString:
            return string(value.toString());
        case QMetaType::Bool:
        case QMetaType::Double:
        case QMetaType::Float:
        case QMetaType::QByteArray:
            return add(value);
        case QMetaType::Int:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UInt:
        case QMetaType::ULong:
        case QMetaType::ULongLong:
        case QMetaType::UShort:
        case QMetaType::UChar:
            return add(value);
        case QMetaType::QDateTime: {
            const QDateTime dateTime = value.toDateTime();
            if (!dateTime.isValid()) {
                setError(error, QStringLiteral("invalid date"));
                return std::nullopt;
            }
            const double seconds = double(dateTime.toMSecsSinceEpoch() - kAppleEpochMSecs) / 1000.0;
            return add(QVariantMap{{QStringLiteral("NS.time"), seconds},
                                   {kClassKey, QVariant::fromValue(classUid(QStringLiteral("NSDate")))}});
        }
        default:
            break;
        }
        const bool isList = type == QMetaType::QVariantList || type == QMetaType::QStringList;
        const bool isMap = type == QMetaType::QVariantMap || type == QMetaType::QVariantHash;
        const bool isObject = type == QMetaType::fromType<ArchivedObject>().id();
        if (!isList && !isMap && !isObject) {
            setError(error, QStringLiteral("a value of type %1 cannot be archived")
                                .arg(QString::fromLatin1(value.metaType().name())));
            return std::nullopt;
        }
        if (depth + 1 > Plist::kMaxNesting) {
            setError(error, tooDeep());
            return std::nullopt;
        }
        // The container takes its number before its members, as NSKeyedArchiver numbers them.
        const PlistUid self = add(QVariant());
        QVariantMap encoded;
        if (isList) {
            std::optional<QVariantList> members = encodeAll(value.toList(), depth + 1, error);
            if (!members)
                return std::nullopt;
            encoded.insert(QStringLiteral("NS.objects"), *members);
            encoded.insert(kClassKey, QVariant::fromValue(classUid(QStringLiteral("NSArray"))));
        } else if (isMap) {
            const QVariantMap map = type == QMetaType::QVariantMap ? value.toMap() : toMap(value.toHash());
            QVariantList keys;
            for (auto it = map.cbegin(); it != map.cend(); ++it)
                keys.append(QVariant::fromValue(string(it.key())));
            std::optional<QVariantList> members = encodeAll(map.values(), depth + 1, error);
            if (!members)
                return std::nullopt;
            encoded.insert(QStringLiteral("NS.keys"), keys);
            encoded.insert(QStringLiteral("NS.objects"), *members);
            encoded.insert(kClassKey, QVariant::fromValue(classUid(QStringLiteral("NSDictionary"))));
        } else {
            const ArchivedObject object = value.value<ArchivedObject>();
            if (object.className.isEmpty()) {
                setError(error, QStringLiteral("archived object without a class name"));
                return std::nullopt;
            }
            for (auto it = object.fields.cbegin(); it != object.fields.cend(); ++it) {
                if (it.key() == kClassKey) {
                    setError(error, QStringLiteral("archived object field named \"$class\""));
                    return std::nullopt;
                }
                std::optional<PlistUid> field = encode(it.value(), depth + 1, error);
                if (!field)
                    return std::nullopt;
                encoded.insert(it.key(), QVariant::fromValue(*field));
            }
            const QStringList chain = object.classChain.isEmpty()
                ? QStringList{object.className, QStringLiteral("NSObject")}
                : object.classChain;
            encoded.insert(kClassKey, QVariant::fromValue(classUid(object.className, chain)));
        }
        objects[qsizetype(self.value)] = encoded;
        return self;
    }

private:
    PlistUid add(const QVariant& object)
    {
        objects.append(object);
        return PlistUid{quint64(objects.size() - 1)};
    }

    // Equal texts share one object, as they would in an archive of constant strings.
    PlistUid string(const QString& text)
    {
        const auto found = m_strings.constFind(text);
        if (found != m_strings.cend())
            return PlistUid{*found};
        const PlistUid uid = add(text);
        m_strings.insert(text, uid.value);
        return uid;
    }

    // One class object per class name.
    PlistUid classUid(const QString& name, const QStringList& chain = {})
    {
        const auto found = m_classes.constFind(name);
        if (found != m_classes.cend())
            return PlistUid{*found};
        const QStringList classes = chain.isEmpty() ? QStringList{name, QStringLiteral("NSObject")} : chain;
        const PlistUid uid = add(QVariantMap{{QStringLiteral("$classname"), name},
                                             {QStringLiteral("$classes"), classes}});
        m_classes.insert(name, uid.value);
        return uid;
    }

    std::optional<QVariantList> encodeAll(const QVariantList& values, int depth, QString* error)
    {
        QVariantList uids;
        uids.reserve(values.size());
        for (const QVariant& value : values) {
            std::optional<PlistUid> uid = encode(value, depth, error);
            if (!uid)
                return std::nullopt;
            uids.append(QVariant::fromValue(*uid));
        }
        return uids;
    }

    static QVariantMap toMap(const QVariantHash& hash)
    {
        QVariantMap map;
        for (auto it = hash.cbegin(); it != hash.cend(); ++it)
            map.insert(it.key(), it.value());
        return map;
    }

    QHash<QString, quint64> m_strings;
    QHash<QString, quint64> m_classes;
};

// ---- unarchiving -------------------------------------------------------------------------------

bool isPlainValue(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::Bool:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::QByteArray:
    case QMetaType::QDateTime:
        return true;
    default:
        return false;
    }
}

class Unarchiver {
public:
    explicit Unarchiver(QVariantList objects)
        : m_objects(std::move(objects)), m_state(size_t(m_objects.size()), Unseen),
          m_decoded(size_t(m_objects.size())) {}

    QString error;

    std::optional<QVariant> decode(quint64 uid, int depth)
    {
        if (uid >= quint64(m_objects.size()))
            return fail(QStringLiteral("reference %1 is out of range (%2 objects)").arg(uid).arg(m_objects.size()));
        if (uid == 0)
            return QVariant();
        if (m_state[uid] == Done)
            return m_decoded[uid];
        if (m_state[uid] == Open)
            return fail(QStringLiteral("object %1 contains itself").arg(uid));
        if (depth > Plist::kMaxNesting)
            return fail(tooDeep());
        m_state[uid] = Open;
        std::optional<QVariant> value = decodeObject(uid, depth);
        if (!value)
            return std::nullopt;
        m_state[uid] = Done;
        m_decoded[uid] = *value;
        return value;
    }

private:
    enum State : uchar { Unseen, Open, Done };

    std::nullopt_t fail(const QString& text)
    {
        if (error.isEmpty())
            error = text;
        return std::nullopt;
    }

    // A member that must be a reference.
    std::optional<QVariant> decodeRef(const QVariant& ref, int depth, const QString& where)
    {
        if (ref.metaType() != QMetaType::fromType<PlistUid>())
            return fail(QStringLiteral("%1 is not an object reference").arg(where));
        return decode(ref.value<PlistUid>().value, depth);
    }

    std::optional<QVariantList> decodeRefs(const QVariant& refs, int depth, const QString& where)
    {
        if (refs.metaType().id() != QMetaType::QVariantList) {
            fail(QStringLiteral("%1 is not a list of object references").arg(where));
            return std::nullopt;
        }
        QVariantList values;
        const QVariantList list = refs.toList();
        values.reserve(list.size());
        for (const QVariant& ref : list) {
            std::optional<QVariant> value = decodeRef(ref, depth, where);
            if (!value)
                return std::nullopt;
            values.append(std::move(*value));
        }
        return values;
    }

    std::optional<QVariant> decodeObject(quint64 uid, int depth)
    {
        const QVariant& raw = m_objects.at(qsizetype(uid));
        if (isPlainValue(raw))
            return raw;
        if (raw.metaType().id() != QMetaType::QVariantMap)
            return fail(QStringLiteral("object %1 has an unexpected type (%2)")
                            .arg(uid)
                            .arg(QString::fromLatin1(raw.metaType().name())));
        const QVariantMap dict = raw.toMap();
        const QString where = QStringLiteral("object %1").arg(uid);
        QString className;
        QStringList classChain;
        if (!readClass(dict.value(kClassKey), where, className, classChain))
            return std::nullopt;

        if (className == u"NSArray" || className == u"NSMutableArray") {
            std::optional<QVariantList> items = decodeRefs(dict.value(QStringLiteral("NS.objects")), depth + 1,
                                                           where + QStringLiteral(" NS.objects"));
            if (!items)
                return std::nullopt;
            return QVariant(*items);
        }
        if (className == u"NSDictionary" || className == u"NSMutableDictionary")
            return decodeDictionary(dict, depth, where);
        if (className == u"NSDate")
            return decodeDate(dict.value(QStringLiteral("NS.time")), where);
        if (className == u"NSData" || className == u"NSMutableData")
            return decodeWrapped(dict.value(QStringLiteral("NS.data")), QMetaType::QByteArray, depth, where);
        if (className == u"NSString" || className == u"NSMutableString")
            return decodeWrapped(dict.value(QStringLiteral("NS.string")), QMetaType::QString, depth, where);

        ArchivedObject object{className, classChain, {}};
        for (auto it = dict.cbegin(); it != dict.cend(); ++it) {
            if (it.key() == kClassKey)
                continue;
            if (it.value().metaType() == QMetaType::fromType<PlistUid>()) {
                std::optional<QVariant> field = decode(it.value().value<PlistUid>().value, depth + 1);
                if (!field)
                    return std::nullopt;
                object.fields.insert(it.key(), *field);
            } else {
                // Numbers and flags encoded with encodeInt:/encodeBool: stand inline.
                object.fields.insert(it.key(), it.value());
            }
        }
        return QVariant::fromValue(object);
    }

    bool readClass(const QVariant& ref, const QString& where, QString& name, QStringList& chain)
    {
        if (ref.metaType() != QMetaType::fromType<PlistUid>()) {
            fail(QStringLiteral("%1 has no $class reference").arg(where));
            return false;
        }
        const quint64 uid = ref.value<PlistUid>().value;
        if (uid == 0 || uid >= quint64(m_objects.size())) {
            fail(QStringLiteral("%1: class reference %2 is out of range").arg(where).arg(uid));
            return false;
        }
        const QVariant& raw = m_objects.at(qsizetype(uid));
        const QVariant classname = raw.toMap().value(QStringLiteral("$classname"));
        if (raw.metaType().id() != QMetaType::QVariantMap || classname.metaType().id() != QMetaType::QString
            || classname.toString().isEmpty()) {
            fail(QStringLiteral("%1: object %2 is not a class description").arg(where).arg(uid));
            return false;
        }
        name = classname.toString();
        chain.clear();
        const QVariant classes = raw.toMap().value(QStringLiteral("$classes"));
        if (classes.isValid()) {
            if (classes.metaType().id() != QMetaType::QVariantList) {
                fail(QStringLiteral("%1: $classes of class %2 is not a list").arg(where, name));
                return false;
            }
            for (const QVariant& entry : classes.toList()) {
                if (entry.metaType().id() != QMetaType::QString) {
                    fail(QStringLiteral("%1: $classes of class %2 holds a non-text entry").arg(where, name));
                    return false;
                }
                chain.append(entry.toString());
            }
        }
        if (chain.isEmpty())
            chain = QStringList{name, QStringLiteral("NSObject")};
        return true;
    }

    std::optional<QVariant> decodeDictionary(const QVariantMap& dict, int depth, const QString& where)
    {
        std::optional<QVariantList> keys = decodeRefs(dict.value(QStringLiteral("NS.keys")), depth + 1,
                                                      where + QStringLiteral(" NS.keys"));
        if (!keys)
            return std::nullopt;
        std::optional<QVariantList> values = decodeRefs(dict.value(QStringLiteral("NS.objects")), depth + 1,
                                                        where + QStringLiteral(" NS.objects"));
        if (!values)
            return std::nullopt;
        if (keys->size() != values->size())
            return fail(QStringLiteral("%1 has %2 keys but %3 values").arg(where).arg(keys->size()).arg(values->size()));
        QVariantMap map;
        for (qsizetype i = 0; i < keys->size(); ++i) {
            if (keys->at(i).metaType().id() != QMetaType::QString)
                return fail(QStringLiteral("%1 has a key that is not text").arg(where));
            map.insert(keys->at(i).toString(), values->at(i));
        }
        return QVariant(map);
    }

    std::optional<QVariant> decodeDate(const QVariant& time, const QString& where)
    {
        const int type = time.metaType().id();
        if (type != QMetaType::Double && type != QMetaType::LongLong && type != QMetaType::ULongLong)
            return fail(QStringLiteral("%1: NS.time is not a number").arg(where));
        const double seconds = time.toDouble();
        if (!std::isfinite(seconds) || std::fabs(seconds) > kMaxDateSeconds)
            return fail(QStringLiteral("%1: NS.time is out of range").arg(where));
        return QVariant(QDateTime::fromMSecsSinceEpoch(std::llround(seconds * 1000.0) + kAppleEpochMSecs,
                                                       Qt::UTC));
    }

    // NS.data / NS.string: the value inline or behind a reference.
    std::optional<QVariant> decodeWrapped(const QVariant& member, int expectedType, int depth, const QString& where)
    {
        std::optional<QVariant> value = member;
        if (member.metaType() == QMetaType::fromType<PlistUid>())
            value = decode(member.value<PlistUid>().value, depth + 1);
        if (!value)
            return std::nullopt;
        if (value->metaType().id() != expectedType)
            return fail(QStringLiteral("%1 does not hold its %2").arg(where, expectedType == QMetaType::QString
                                                                                   ? QStringLiteral("text")
                                                                                   : QStringLiteral("bytes")));
        return value;
    }

    const QVariantList m_objects;
    std::vector<uchar> m_state;
    std::vector<QVariant> m_decoded;
};

} // namespace

QByteArray archive(const QVariant& root, QString* error)
{
    if (!root.isValid()) {
        setError(error, QStringLiteral("nothing to archive"));
        return {};
    }
    Archiver archiver;
    std::optional<PlistUid> top = archiver.encode(root, 0, error);
    if (!top)
        return {};
    const QVariantMap archive{
        {QStringLiteral("$version"), qlonglong(100000)},
        {QStringLiteral("$archiver"), QStringLiteral("NSKeyedArchiver")},
        {QStringLiteral("$top"), QVariantMap{{QStringLiteral("root"), QVariant::fromValue(*top)}}},
        {QStringLiteral("$objects"), archiver.objects},
    };
    return Plist::write(archive, Plist::Format::Binary, error);
}

std::optional<QVariant> unarchive(const QByteArray& data, QString* error)
{
    QString reason;
    const std::optional<QVariant> parsed = Plist::read(data, &reason);
    if (!parsed) {
        setError(error, QStringLiteral("not a keyed archive: %1").arg(reason));
        return std::nullopt;
    }
    const auto refuse = [error](const QString& text) {
        setError(error, QStringLiteral("not a keyed archive: %1").arg(text));
        return std::nullopt;
    };
    if (parsed->metaType().id() != QMetaType::QVariantMap)
        return refuse(QStringLiteral("the property list is not a dictionary"));
    const QVariantMap top = parsed->toMap();
    const QVariant archiver = top.value(QStringLiteral("$archiver"));
    if (archiver.isValid() && archiver != QVariant(QStringLiteral("NSKeyedArchiver")))
        return refuse(QStringLiteral("unknown $archiver"));
    const QVariant objects = top.value(QStringLiteral("$objects"));
    if (objects.metaType().id() != QMetaType::QVariantList)
        return refuse(QStringLiteral("$objects is missing or not a list"));
    const QVariantList list = objects.toList();
    if (list.isEmpty() || list.first() != QVariant(kNull))
        return refuse(QStringLiteral("$objects does not start with \"$null\""));
    const QVariant topObjects = top.value(QStringLiteral("$top"));
    if (topObjects.metaType().id() != QMetaType::QVariantMap)
        return refuse(QStringLiteral("$top is missing or not a dictionary"));
    const QVariant root = topObjects.toMap().value(QStringLiteral("root"));
    if (root.metaType() != QMetaType::fromType<PlistUid>())
        return refuse(QStringLiteral("$top has no root reference"));

    Unarchiver unarchiver(list);
    std::optional<QVariant> value = unarchiver.decode(root.value<PlistUid>().value, 0);
    if (!value)
        return refuse(unarchiver.error);
    return value;
}

} // namespace KeyedArchiver
