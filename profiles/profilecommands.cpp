#include "profiles/profilecommands.h"

#include "engine/filename.h"
#include "pipeline/controllerstate.h"
#include "platform/apppaths.h"
#include "platform/messages.h"
#include "platform/plist.h"
#include "platform/userinterface.h"
#include "platform/filemanager.h"
#include "profiles/launchstate.h"
#include "profiles/settingsloader.h"

#include <QDebug>

namespace {

const QString kExtension = QStringLiteral("qvprofile");

QString withExtension(const QString& path)
{
    return splitName(lastPathComponent(path)).extension.compare(kExtension, Qt::CaseInsensitive) == 0
        ? path
        : path + QLatin1Char('.') + kExtension;
}

} // namespace

ProfileCommands::ProfileCommands(ControllerState& state, UserInterface& ui, SettingsLoader& loader)
    : state_(state)
    , ui_(ui)
    , loader_(loader)
{
}

QString ProfileCommands::profileFolder(const ControllerState& state)
{
    const QString folder = state.preferences.defaultProfileFolderPath;
    return folder.isEmpty() ? appendingPathComponent(AppPaths::getAppPath(), QStringLiteral("Profiles")) : folder;
}

bool ProfileCommands::writeProfile(const ControllerState& state, const QString& path, QString* error)
{
    QString why;
    const QByteArray xml = Plist::write(state.settings.getCurrentSettings(), Plist::Format::Xml, &why);
    if (xml.isEmpty() || !FileManager::writeFileAtomically(path, xml, &why)) {
        qWarning().noquote() << QStringLiteral("Error in saveProfile : %1").arg(why);
        if (error)
            *error = why;
        return false;
    }
    return true;
}

bool ProfileCommands::saveProfile()
{
    ui_.endEditing();
    if (state_.currProfileFile.isEmpty())
        return saveAsProfile();
    if (!writeProfile(state_, state_.currProfileFile)) {
        ui_.alert(AlertStyle::Critical, msg("PROFILETITLE"), msg("PROFILESAVEDFAILED"));
        return false;
    }
    return true;
}

bool ProfileCommands::saveAsProfile()
{
    ui_.endEditing();
    PanelOptions options;
    options.title = msg("SAVEASPROFILETITLE");
    options.directory = profileFolder(state_);
    options.canCreateDirectories = true;
    options.allowedExtensions = {kExtension};
    const QString chosen = ui_.savePanel(options);
    if (chosen.isEmpty())
        return false;
    const QString path = withExtension(chosen);
    if (!writeProfile(state_, path)) {
        ui_.alert(AlertStyle::Critical, msg("PROFILETITLE"), msg("PROFILESAVEDFAILED"));
        return false;
    }
    state_.currProfileFile = path;
    loader_.updateWindowTitle();
    return true;
}

void ProfileCommands::loadProfile()
{
    ui_.endEditing();
    if (state_.isExecuting.load())
        return;
    PanelOptions options;
    options.title = msg("CHOOSEPROFILETITLE");
    options.directory = profileFolder(state_);
    options.canChooseFiles = true;
    options.canChooseDirectories = false;
    options.allowsMultipleSelection = false;
    options.allowedExtensions = {kExtension};
    const QStringList chosen = ui_.openPanel(options);
    if (!chosen.isEmpty() && !chosen.first().isEmpty())
        loader_.setCurrentSettings(chosen.first());
}

void ProfileCommands::loadEmptyProfile()
{
    loader_.loadEmptyProfile();
}

void ProfileCommands::loadDefaultProfile()
{
    if (state_.isExecuting.load())
        return;
    if (!state_.currProfileFile.isEmpty() && state_.preferences.automaticSaveCurrProfile) {
        ui_.endEditing();
        saveProfile();
    }
    state_.currProfileFile.clear();
    LaunchState::rememberLastProfile(QString());
    LaunchState::restoreRules(state_);
    ui_.reloadRules(true);
    LaunchState::restoreDefaults(loader_);
    if (onDefaultsRestored)
        onDefaultsRestored();
    loader_.updateWindowTitle();
}

bool ProfileCommands::saveNewProfile(const QString& path)
{
    ui_.endEditing();
    return writeProfile(state_, path);
}

bool ProfileCommands::loadProfileFromSheet(const QString& path)
{
    loader_.setCurrentSettings(path);
    return true;
}
