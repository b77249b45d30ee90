#include "metadata/clockshifts.h"

#include <QRegularExpression>

namespace {

// A century of seconds: further than any camera clock is off, and well inside the dates
// QDateTime holds.
constexpr qint64 kLimit = qint64(100) * 366 * 86400;

bool sameModel(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<qint64> ClockShifts::parseSeconds(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^([+-]?)(\\d{1,10})$"));
    static const QRegularExpression clock(QStringLiteral("^([+-]?)(\\d{1,6}):([0-5]\\d)(?::([0-5]\\d))?$"));
    const QString trimmed = text.trimmed();
    qint64 seconds = 0;
    QString sign;
    if (const QRegularExpressionMatch m = plain.match(trimmed); m.hasMatch()) {
        sign = m.captured(1);
        seconds = m.captured(2).toLongLong();
    } else if (const QRegularExpressionMatch c = clock.match(trimmed); c.hasMatch()) {
        sign = c.captured(1);
        seconds = c.captured(2).toLongLong() * 3600 + c.captured(3).toLongLong() * 60 + c.captured(4).toLongLong();
    } else {
        return std::nullopt;
    }
    if (seconds > kLimit)
        return std::nullopt;
    return sign == QLatin1String("-") ? -seconds : seconds;
}

QString ClockShifts::formatSeconds(qint64 seconds)
{
    return seconds > 0 ? QLatin1Char('+') + QString::number(seconds) : QString::number(seconds);
}

ClockShifts ClockShifts::fromEntries(const QStringList& entries, QStringList* refused)
{
    ClockShifts shifts;
    for (const QString& entry : entries) {
        // A model may hold "=" itself: the shift is what follows the last one.
        const qsizetype equals = entry.lastIndexOf(QLatin1Char('='));
        const std::optional<qint64> seconds =
            equals < 0 ? std::nullopt : parseSeconds(entry.mid(equals + 1));
        if (!seconds) {
            if (refused && !entry.trimmed().isEmpty())
                refused->append(entry);
            continue;
        }
        shifts.setShift(entry.left(equals), *seconds);
    }
    return shifts;
}

QStringList ClockShifts::toEntries() const
{
    QStringList out;
    for (const Entry& e : entries_)
        out.append(e.model + QLatin1Char('=') + formatSeconds(e.seconds));
    return out;
}

void ClockShifts::setShift(const QString& model, qint64 seconds)
{
    const QString trimmed = model.trimmed();
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (sameModel(entries_.at(i).model, trimmed)) {
            entries_.removeAt(i);
            break;
        }
    }
    if (seconds != 0)
        entries_.append({trimmed, seconds});
}

std::optional<qint64> ClockShifts::ownShift(const QString& model) const
{
    const QString trimmed = model.trimmed();
    for (const Entry& e : entries_) {
        if (sameModel(e.model, trimmed))
            return e.seconds;
    }
    return std::nullopt;
}

qint64 ClockShifts::secondsFor(const QString& model) const
{
    if (const std::optional<qint64> own = ownShift(model))
        return *own;
    return ownShift(QString()).value_or(0);
}

CaptureMoment shiftedCaptureMoment(const CaptureMoment& moment, const ClockShifts& shifts)
{
    if (!moment.hasDate() || !moment.hasTime || shifts.isEmpty())
        return moment;
    const qint64 seconds = shifts.secondsFor(moment.model);
    if (seconds == 0)
        return moment;
    CaptureMoment shifted = moment;
    // Wall-clock values are held as UTC dates whose fields are the written ones, so this
    // is arithmetic on those fields alone.
    shifted.wallClock = moment.wallClock.addSecs(seconds);
    return shifted;
}
