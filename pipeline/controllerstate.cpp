#include "pipeline/controllerstate.h"

#include "platform/messages.h"

#include <QDateTime>
#include <QDebug>

#include <cmath>

double ControllerState::now()
{
    return double(QDateTime::currentMSecsSinceEpoch()) / 1000.0;
}

QString ControllerState::showLastActionTimeTaken(const QString& label)
{
    endTime = now();
    qint64 seconds = 0;
    const double elapsed = endTime - startTime;
    if (std::isfinite(elapsed) && elapsed >= 0 && elapsed < 1e12)
        seconds = qint64(elapsed);
    else
        qWarning().noquote() << QStringLiteral("Error in showLastActionTimeTaken : %1")
                                    .arg(QStringLiteral("the start time is not set"));
    lastActionTimeTaken = msg("TIMETAKEN").arg(label).arg(seconds);
    return lastActionTimeTaken;
}
