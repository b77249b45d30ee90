#pragma once

#include "platform/userinterface.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A user interface for tests: records every call and answers from a script.
class ScriptedUserInterface : public UserInterface {
public:
    struct Alert {
        AlertStyle style;
        QString title;
        QString message;
        QStringList buttons;
    };
    struct Callout {
        int tag;
        QString messageKey;
    };

    // Answers for alerts with buttons, in order; when empty, the first (default) button.
    QStringList alertAnswers;
    // Answers for open and save panels, in order; an empty entry means "cancelled".
    QList<QStringList> openPanelAnswers;
    QStringList savePanelAnswers;
    // Called as a save panel is answered (to act at that moment of a command).
    std::function<void()> savePanelHandler;

    QList<Alert> alerts;
    QList<Callout> callouts;
    QStringList focused;
    QStringList progressMessages;
    QStringList progressPaths;
    QStringList countTexts;
    QStringList timeTexts;
    QStringList statusMessages;
    QStringList openedDocuments;
    QList<PanelOptions> panels;
    int endEditingCalls = 0;
    int reloads = 0;
    int passesStarted = 0;
    int passesEnded = 0;
    bool calloutShown = false;

    QString alert(AlertStyle style, const QString& title, const QString& message,
                  const QStringList& buttonKeys) override;
    void showCallout(int controlTag, const QString& messageKey) override;
    void hideCallout() override { calloutShown = false; }
    bool isCalloutShown() const override { return calloutShown; }
    void focusControl(const QString& control) override { focused.append(control); }
    void endEditing() override { ++endEditingCalls; }
    QStringList openPanel(const PanelOptions& options) override;
    QString savePanel(const PanelOptions& options) override;
    void passStarted(const QString& progressMessage) override;
    void setProgressMessage(const QString& text) override { progressMessages.append(text); }
    void setProgressPath(const QString& displayPath) override { progressPaths.append(displayPath); }
    void setCountText(const QString& text) override { countTexts.append(text); }
    void passEnded() override { ++passesEnded; }
    void reloadList() override { ++reloads; }
    void showTimeTaken(const QString& text) override { timeTexts.append(text); }
    void showStatusMessage(const QString& text) override { statusMessages.append(text); }
    void openDocument(const QString& path) override { openedDocuments.append(path); }
};
