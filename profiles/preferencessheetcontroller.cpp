#include "profiles/preferencessheetcontroller.h"

#include "pipeline/controllerstate.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "platform/userinterface.h"
#include "profiles/preferences.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// A folder the program can keep its files in: an absolute path that exists or can be
// made, and where a file can be written.
bool isUsableFolder(const QString& path)
{
    if (!QDir::isAbsolutePath(path) || !QDir().mkpath(path) || !QFileInfo(path).isDir())
        return false;
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".quorvel-XXXXXX")));
    return probe.open();
}

} // namespace

PreferencesSheetController::PreferencesSheetController(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
}

void PreferencesSheetController::notify()
{
    if (changed)
        changed();
}

bool PreferencesSheetController::browse(QString& folder, const char* titleKey)
{
    PanelOptions options;
    options.title = msg(titleKey);
    options.directory = folder;
    options.canChooseFiles = false;
    options.canChooseDirectories = true;
    options.allowsMultipleSelection = false;
    options.canCreateDirectories = true;
    const QStringList chosen = ui_.openPanel(options);
    if (chosen.isEmpty() || chosen.last().isEmpty())
        return false;
    folder = chosen.last();
    notify();
    return true;
}

bool PreferencesSheetController::browseLogFolderPath()
{
    return browse(state_.preferences.defaultLogFolderPath, "CHOOSELOGFOLDERPATHTITLE");
}

bool PreferencesSheetController::browseProfileFolderPath()
{
    return browse(state_.preferences.defaultProfileFolderPath, "CHOOSEPROFILEFOLDERPATHTITLE");
}

bool PreferencesSheetController::browseRulesFolderPath()
{
    return browse(state_.preferences.defaultRulesFolderPath, "CHOOSERULEFOLDERPATHTITLE");
}

void PreferencesSheetController::setDefaultLogFolderPath(const QString& path)
{
    state_.preferences.defaultLogFolderPath = path;
}

void PreferencesSheetController::setDefaultProfileFolderPath(const QString& path)
{
    state_.preferences.defaultProfileFolderPath = path;
}

void PreferencesSheetController::setDefaultRulesFolderPath(const QString& path)
{
    state_.preferences.defaultRulesFolderPath = path;
}

void PreferencesSheetController::setAutomaticSaveCurrProfile(bool on)
{
    state_.preferences.automaticSaveCurrProfile = on;
}

void PreferencesSheetController::setRenameChainsInOneGo(bool on)
{
    state_.preferences.renameChainsInOneGo = on;
}

bool PreferencesSheetController::applyPreferences()
{
    ui_.endEditing();
    const QString title = Edition::current().displayName + msg("PREFERENCESTITLE");
    for (const QString& folder : {state_.preferences.defaultLogFolderPath, state_.preferences.defaultProfileFolderPath,
                                  state_.preferences.defaultRulesFolderPath}) {
        if (!isUsableFolder(folder)) {
            ui_.alert(AlertStyle::Critical, title, msg("PREFERENCESFOLDERUNUSABLE").arg(folder));
            return false;
        }
    }
    if (!savePreferences(state_.preferences)) {
        ui_.alert(AlertStyle::Critical, title, msg("PREFERENCESSAVEFAILED"));
        return false;
    }
    ui_.showStatusMessage(msg("PREFERENCESSAVEDMESSAGE"));
    return true;
}

void PreferencesSheetController::showHelp()
{
    ui_.openDocument(QStringLiteral("Preferences.html"));
}
