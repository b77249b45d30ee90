#include "pipeline/applyoutcome.h"

#include "engine/filesystemitem.h"
#include "platform/messages.h"

#include <QStringList>

int ApplyOutcome::refusedCount() const
{
    int total = 0;
    for (const auto& [status, count] : refused)
        total += count;
    return total;
}

void ApplyOutcome::addRefusal(const QString& status)
{
    for (auto& [known, count] : refused) {
        if (known == status) {
            ++count;
            return;
        }
    }
    refused.append({status, 1});
}

QString formatOutcomeDuration(qint64 elapsedMs)
{
    elapsedMs = qMax<qint64>(0, elapsedMs);
    if (elapsedMs < 60000)
        return msg("OUTCOMESECONDS").arg(QString::number(double(elapsedMs) / 1000.0, 'f', 1));
    const qint64 seconds = (elapsedMs + 500) / 1000;
    return msg("OUTCOMEMINUTES").arg(seconds / 60).arg(seconds % 60);
}

QString ApplyOutcome::summary() const
{
    QString line = msg("OUTCOMERENAMED").arg(renamedCount);
    if (const int refusedTotal = refusedCount(); refusedTotal > 0) {
        QStringList reasons;
        for (const auto& [status, count] : refused) {
            QString reason = msg("OUTCOMEREASON").arg(Status::displayText(status), QString::number(count));
            if (status == Status::CouldNotRename && !failureReasons.isEmpty())
                reason = msg("OUTCOMEREASONWHY").arg(reason, failureReasons.join(QStringLiteral("; ")));
            reasons << reason;
        }
        line = msg("OUTCOMEREFUSED").arg(line, QString::number(refusedTotal), reasons.join(msg("OUTCOMEREASONSEPARATOR")));
    }
    line = msg("OUTCOMEDURATION").arg(line, formatOutcomeDuration(elapsedMs));
    if (reservedRenames)
        line = msg("OUTCOMERESERVEDRENAMES").arg(line);
    return cancelled ? msg("OUTCOMESTOPPED").arg(line) : line;
}
