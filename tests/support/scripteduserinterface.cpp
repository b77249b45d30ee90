#include "support/scripteduserinterface.h"

QString ScriptedUserInterface::alert(AlertStyle style, const QString& title, const QString& message,
                                     const QStringList& buttonKeys)
{
    alerts.append({style, title, message, buttonKeys});
    if (buttonKeys.isEmpty())
        return QStringLiteral("OK");
    if (!alertAnswers.isEmpty())
        return alertAnswers.takeFirst();
    return buttonKeys.first();
}

void ScriptedUserInterface::showCallout(int controlTag, const QString& messageKey)
{
    callouts.append({controlTag, messageKey});
    calloutShown = true;
}

QStringList ScriptedUserInterface::openPanel(const PanelOptions& options)
{
    panels.append(options);
    return openPanelAnswers.isEmpty() ? QStringList() : openPanelAnswers.takeFirst();
}

QString ScriptedUserInterface::savePanel(const PanelOptions& options)
{
    panels.append(options);
    if (savePanelHandler)
        savePanelHandler();
    return savePanelAnswers.isEmpty() ? QString() : savePanelAnswers.takeFirst();
}

void ScriptedUserInterface::passStarted(const QString& progressMessage)
{
    ++passesStarted;
    progressMessages.append(progressMessage);
}
