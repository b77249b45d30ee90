#pragma once

#include "platform/userinterface.h"

#include <QString>

// The command line's user interface: alerts and messages go to stderr, questions are
// answered from the flags (--yes answers YES / CONTINUE) or, on a terminal, from the
// user's typing; there are no panels and no window.
class CliUserInterface : public UserInterface {
public:
    bool assumeYes = false;
    bool interactive = false; // stdin is a terminal
    bool verbose = false;     // print progress lines
    int alertsShown = 0;
    QString lastAlertMessage;

    QString alert(AlertStyle style, const QString& title, const QString& message,
                  const QStringList& buttonKeys) override;
    void showCallout(int controlTag, const QString& messageKey) override;
    void hideCallout() override {}
    bool isCalloutShown() const override { return false; }
    void focusControl(const QString&) override {}
    void endEditing() override {}
    QStringList openPanel(const PanelOptions&) override { return {}; }
    QString savePanel(const PanelOptions&) override { return {}; }
    void passStarted(const QString& progressMessage) override;
    void setProgressMessage(const QString& text) override;
    void setProgressPath(const QString&) override {}
    void setCountText(const QString& text) override;
    void passEnded() override {}
    void reloadList() override {}
    void showTimeTaken(const QString& text) override;
    void openDocument(const QString&) override {}

    // The last progress line printed under --verbose (a line the pass repeats, such as the
    // outcome given as both its count and its time taken, is printed once).
    const QString& lastProgressLine() const { return lastProgressLine_; }

private:
    void printProgress(const QString& text);
    QString lastProgressLine_;
};
