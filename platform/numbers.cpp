#include "platform/numbers.h"

#include <limits>

int intValue(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min())
                                  : qint64(std::numeric_limits<int>::max());
    while (i < n) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c - u'0');
        if (value > limit)
            value = limit; // saturate, keep consuming digits
        ++i;
    }
    return int(negative ? -value : value);
}

qint64 clampSequence(qint64 value)
{
    if (value < 0)
        return 0;
    const qint64 max = std::numeric_limits<int>::max();
    return value > max ? max : value;
}

std::optional<int> intValueOf(const QVariant& v)
{
    switch (v.userType()) {
    case QMetaType::QString:
        return intValue(v.toString());
    case QMetaType::Bool:
        return v.toBool() ? 1 : 0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double: {
        const double d = v.toDouble();
        if (d >= double(std::numeric_limits<int>::max()))
            return std::numeric_limits<int>::max();
        if (d <= double(std::numeric_limits<int>::min()))
            return std::numeric_limits<int>::min();
        return int(d);
    }
    default:
        return std::nullopt;
    }
}
