#pragma once

#include <QString>
#include <QStringList>

enum class AlertStyle { Informational, Warning, Critical };

// What an open, save or folder panel offers.
struct PanelOptions {
    QString title;
    QString directory;                // where the panel starts
    QString fileName;                 // proposed name (save panels)
    bool canChooseFiles = true;
    bool canChooseDirectories = false;
    bool allowsMultipleSelection = false;
    bool canCreateDirectories = false;
    QStringList allowedExtensions;    // without the dot, e.g. "qvprofile"
    bool allowsOtherTypes = false;
};

// Everything that asks or tells the user goes through this port. Three implementations:
// the Qt window, the command line (answers from flags, prints to stderr) and a scripted
// fake in the tests. Every call is made on the main thread; background passes reach it
// through MainThread (see pipeline/passprogress.h).
class UserInterface {
public:
    virtual ~UserInterface() = default;

    // An alert. title and message are display texts; buttonKeys are message keys, the
    // first is the default (none: a single "OK"). Returns the key of the chosen button.
    virtual QString alert(AlertStyle style, const QString& title, const QString& message,
                          const QStringList& buttonKeys = {}) = 0;

    // Input errors: a balloon with the text of messageKey beside the control of that tag.
    virtual void showCallout(int controlTag, const QString& messageKey) = 0;
    virtual void hideCallout() = 0;
    virtual bool isCalloutShown() const = 0;

    // Keyboard focus to a control, named by its settings key or by its tag as text.
    virtual void focusControl(const QString& control) = 0;
    // Commit the text field being edited so its value reaches the settings.
    virtual void endEditing() = 0;

    // Panels; an empty result means the user cancelled.
    virtual QStringList openPanel(const PanelOptions& options) = 0;
    virtual QString savePanel(const PanelOptions& options) = 0;

    // Progress of a background pass: the busy panel with its two lines and the count line.
    virtual void passStarted(const QString& progressMessage) = 0;
    virtual void setProgressMessage(const QString& text) = 0;
    virtual void setProgressPath(const QString& displayPath) = 0;
    virtual void setCountText(const QString& text) = 0;
    virtual void passEnded() = 0;

    // The list's contents changed as a whole (end of a pass, load, clear).
    virtual void reloadList() = 0;
    // A short confirmation that needs no answer ("The rule was saved."): the window's
    // status bar shows it for a while, the command line prints it on stderr.
    virtual void showStatusMessage(const QString& text) { (void)text; }
    // The timing message of the last action ("TIMETAKEN").
    virtual void showTimeTaken(const QString& text) = 0;
    // Open a file or help page with the desktop's default application / help window.
    virtual void openDocument(const QString& path) = 0;

    // The settings record changed as a whole (a profile, a rule step or the defaults were
    // loaded): the window shows every bound control, the method tab and the masks again.
    virtual void refreshSettingsView() {}
    // The window's title (the display name and the current profile's file name).
    virtual void updateWindowTitle(const QString& title) { (void)title; }
    // The rules changed as a whole (opened, restored, cleared): the drawer reloads.
    virtual void reloadRules(bool selectTopRow) { (void)selectTopRow; }
};
