#include "engine/alphabeticcounter.h"

#include <QVarLengthArray>

namespace {

constexpr qint64 kA = 'a';
constexpr qint64 kZ = 'z';

// The counter's units as wide digits d[1..n], with the spare leading digit d[0] = 0.
QVarLengthArray<qint64, 16> digitsOf(const QString& counter)
{
    QVarLengthArray<qint64, 16> d(counter.size() + 1);
    d[0] = 0;
    for (qsizetype i = 0; i < counter.size(); ++i)
        d[i + 1] = counter.at(i).unicode();
    return d;
}

} // namespace

QString nextAlphabeticNumber(const QString& counter, int incrementBy)
{
    const qsizetype n = counter.size();
    if (n == 0)
        return counter;
    const qint64 s = incrementBy;
    QVarLengthArray<qint64, 16> d = digitsOf(counter);
    d[n] += s;
    for (qsizetype i = n; i >= 1; --i) {
        if (d[i] <= kZ)
            continue;
        d[i] = i == n ? kA + s - 1 : kA;
        if (i == 1)
            d[0] = kA; // a new leading letter
        else
            d[i - 1] += 1;
    }
    QString result;
    result.reserve(n + 1);
    for (qsizetype i = d[0] != 0 ? 0 : 1; i <= n; ++i)
        result += QChar(char16_t(d[i]));
    return result;
}

QString previousAlphabeticNumber(const QString& counter, int decrementBy)
{
    const qsizetype n = counter.size();
    if (n == 0)
        return counter;
    const qint64 s = decrementBy;
    QVarLengthArray<qint64, 16> d = digitsOf(counter);
    d[n] -= s;
    bool dropLeading = false;
    for (qsizetype i = n; i >= 1; --i) {
        if (d[i] >= kA)
            continue;
        d[i] = i == n ? kZ + 1 - s : kZ;
        if (i == 1)
            dropLeading = true;
        else
            d[i - 1] -= 1;
    }
    QString result;
    result.reserve(n);
    for (qsizetype i = dropLeading ? 2 : 1; i <= n; ++i)
        result += QChar(char16_t(d[i]));
    if (result.isEmpty())
        result = QChar(char16_t(kZ + 1 - s));
    return result;
}
