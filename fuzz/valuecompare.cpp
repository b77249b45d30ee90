#include "valuecompare.h"

#include "platform/keyedarchiver.h"
#include "platform/plist.h"

#include <QDateTime>
#include <QVariantList>
#include <QVariantMap>

#include <cmath>

namespace {

QString describe(const QVariant& v)
{
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(v.typeName() ? v.typeName() : "(invalid)"),
                                       v.toString().left(80));
}

bool differ(QString* where, const QString& path, const QVariant& a, const QVariant& b)
{
    if (where)
        *where = QStringLiteral("%1: %2 vs %3").arg(path, describe(a), describe(b));
    return false;
}

bool same(const QVariant& a, const QVariant& b, const QString& path, QString* where)
{
    if (a.userType() != b.userType())
        return differ(where, path, a, b);
    switch (a.userType()) {
    case QMetaType::QVariantList: {
        const QVariantList la = a.toList(), lb = b.toList();
        if (la.size() != lb.size())
            return differ(where, path + QStringLiteral(" (size)"), la.size(), lb.size());
        for (qsizetype i = 0; i < la.size(); ++i) {
            if (!same(la[i], lb[i], path + QStringLiteral("[%1]").arg(i), where))
                return false;
        }
        return true;
    }
    case QMetaType::QVariantMap: {
        const QVariantMap ma = a.toMap(), mb = b.toMap();
        if (ma.keys() != mb.keys())
            return differ(where, path + QStringLiteral(" (keys)"), ma.keys(), mb.keys());
        for (auto it = ma.cbegin(); it != ma.cend(); ++it) {
            if (!same(it.value(), mb.value(it.key()), path + QLatin1Char('.') + it.key(), where))
                return false;
        }
        return true;
    }
    case QMetaType::Double: {
        const double x = a.toDouble(), y = b.toDouble();
        if ((std::isnan(x) && std::isnan(y)) || x == y)
            return true;
        return differ(where, path, a, b);
    }
    case QMetaType::QDateTime:
        if (a.toDateTime().toMSecsSinceEpoch() == b.toDateTime().toMSecsSinceEpoch())
            return true;
        return differ(where, path, a.toDateTime().toString(Qt::ISODateWithMs),
                      b.toDateTime().toString(Qt::ISODateWithMs));
    default:
        break;
    }
    if (a.userType() == qMetaTypeId<ArchivedObject>()) {
        const ArchivedObject oa = a.value<ArchivedObject>(), ob = b.value<ArchivedObject>();
        if (oa.className != ob.className || oa.classChain != ob.classChain)
            return differ(where, path + QStringLiteral(" (class)"), oa.classChain, ob.classChain);
        return same(oa.fields, ob.fields, path + QLatin1Char('<') + oa.className + QLatin1Char('>'), where);
    }
    if (a.userType() == qMetaTypeId<PlistUid>()) {
        if (a.value<PlistUid>() == b.value<PlistUid>())
            return true;
        return differ(where, path, a.value<PlistUid>().value, b.value<PlistUid>().value);
    }
    if (a == b)
        return true;
    return differ(where, path, a, b);
}

} // namespace

bool sameValue(const QVariant& a, const QVariant& b, QString* where)
{
    return same(a, b, QStringLiteral("root"), where);
}
