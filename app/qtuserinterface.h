#pragma once

#include "platform/userinterface.h"

#include <functional>

class MainWindow;
class QuorvelAppController;
class QWidget;

// The user interface port on Qt Widgets: alerts are window-modal message boxes with the
// translated button texts, callouts are balloons beside the control with the tag, panels
// are file dialogs, and a pass shows the busy panel in place of the list.
class QtUserInterface : public UserInterface {
public:
    QtUserInterface(QuorvelAppController& controller, MainWindow& window);

    QString alert(AlertStyle style, const QString& title, const QString& message,
                  const QStringList& buttonKeys = {}) override;
    void showCallout(int controlTag, const QString& messageKey) override;
    void hideCallout() override;
    bool isCalloutShown() const override;
    void focusControl(const QString& control) override;
    void endEditing() override;
    QStringList openPanel(const PanelOptions& options) override;
    QString savePanel(const PanelOptions& options) override;
    void passStarted(const QString& progressMessage) override;
    void setProgressMessage(const QString& text) override;
    void setProgressPath(const QString& displayPath) override;
    void setCountText(const QString& text) override;
    void passEnded() override;
    void reloadList() override;
    void showTimeTaken(const QString& text) override;
    void showStatusMessage(const QString& text) override;
    void openDocument(const QString& path) override;
    void refreshSettingsView() override;
    void updateWindowTitle(const QString& title) override;
    void reloadRules(bool selectTopRow) override;

    // Replaces the file dialogs (tests, and whoever needs to script a panel).
    std::function<QStringList(const PanelOptions&)> openPanelHandler;
    std::function<QString(const PanelOptions&)> savePanelHandler;
    // Shows a help page by name ("Insert-Delete.html"); without one the page is logged.
    std::function<void(const QString& page)> helpPageHandler;

    // The last callout shown (its tag and message key).
    int lastCalloutTag() const { return calloutTag_; }
    QString lastCalloutKey() const { return calloutKey_; }

    // What alerts and panels are parented to: the open sheet (or other modal dialog) on
    // top, else the main window.
    QWidget* dialogParent() const;

private:
    QuorvelAppController& controller_;
    MainWindow& window_;
    bool calloutShown_ = false;
    int calloutTag_ = 0;
    QString calloutKey_;
    QString passCountText_;
};
