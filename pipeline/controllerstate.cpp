#include "pipeline/controllerstate.h"

#include "pipeline/applyoutcome.h"
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
    qint64 elapsedMs = 0;
    const double elapsed = endTime - startTime;
    if (std::isfinite(elapsed) && elapsed >= 0 && elapsed < 1e9)
        elapsedMs = qint64(elapsed * 1000.0);
    else
        qWarning().noquote() << QStringLiteral("Error in showLastActionTimeTaken : %1")
                                    .arg(QStringLiteral("the start time is not set"));
    // "Preview in 0.4 s", "Loading in 2 min 5 s".
    lastActionTimeTaken = msg("TIMETAKEN").arg(label, formatOutcomeDuration(elapsedMs));
    return lastActionTimeTaken;
}
