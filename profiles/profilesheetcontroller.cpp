#include "profiles/profilesheetcontroller.h"

#include "engine/filename.h"
#include "engine/filescomparison.h"
#include "pipeline/controllerstate.h"
#include "platform/dateformat.h"
#include "platform/filemanager.h"
#include "platform/messages.h"
#include "platform/userinterface.h"
#include "profiles/launchstate.h"
#include "profiles/profilecommands.h"
#include "profiles/settingsloader.h"

#include <QDebug>

#include <algorithm>

namespace {

const QString kExtension = QStringLiteral("qvprofile");

bool newerFirst(const ProfileRow& a, const ProfileRow& b)
{
    return a.sortTime > b.sortTime;
}

// A name typed for a new profile must stay a single file inside the profile folder.
bool isUsableProfileName(const QString& name)
{
    return !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) && name != QLatin1String(".")
        && name != QLatin1String("..") && isUsableFileName(name + QLatin1Char('.') + kExtension);
}

} // namespace

ProfileSheetController::ProfileSheetController(ControllerState& state, UserInterface& ui, ProfileCommands& commands,
                                               SettingsLoader& loader)
    : state_(state)
    , ui_(ui)
    , commands_(commands)
    , loader_(loader)
{
}

QString ProfileSheetController::profileFolder() const
{
    return ProfileCommands::profileFolder(state_);
}

void ProfileSheetController::notify()
{
    if (changed)
        changed();
}

void ProfileSheetController::clearSelection()
{
    // With no row shown selected, no file is one the buttons could act on.
    selectedRow = -1;
    currProfileFilePath.clear();
}

void ProfileSheetController::awakeFromNib()
{
    clearSelection();
    profiles.clear();
    loadProfiles();
}

void ProfileSheetController::loadProfiles()
{
    profiles.clear();
    const QString folder = profileFolder();
    for (const QString& name : FileManager::contentsOfDirectory(folder)) {
        if (splitName(name).extension.toLower() != kExtension)
            continue;
        FileManager::Attributes attributes;
        if (!FileManager::attributesOfItem(appendingPathComponent(folder, name), attributes))
            continue;
        profiles.append({name, DateFormat::standardDescription(attributes.creationDate), attributes.creationDate});
    }
    std::stable_sort(profiles.begin(), profiles.end(), newerFirst);
    notify();
}

void ProfileSheetController::tableViewSelectionDidChange(int row)
{
    if (row < 0 || row >= profiles.size()) {
        clearSelection();
    } else {
        selectedRow = row;
        currProfileFilePath = appendingPathComponent(profileFolder(), profiles[row].profileName);
    }
    notify();
}

void ProfileSheetController::sortByColumn(const QString& column, bool ascending)
{
    if (column == QLatin1String("profileName")) {
        std::stable_sort(profiles.begin(), profiles.end(), [ascending](const ProfileRow& a, const ProfileRow& b) {
            const int c = compareFiles(a.profileName, b.profileName);
            return ascending ? c < 0 : c > 0;
        });
    } else if (column == QLatin1String("dateCreated")) {
        std::stable_sort(profiles.begin(), profiles.end(), [ascending](const ProfileRow& a, const ProfileRow& b) {
            return ascending ? a.sortTime < b.sortTime : a.sortTime > b.sortTime;
        });
    }
    clearSelection();
    notify();
}

void ProfileSheetController::loadProfile()
{
    if (currProfileFilePath.isEmpty()) {
        ui_.alert(AlertStyle::Informational, msg("PROFILETITLE"), msg("PROFILESELECT"));
        return;
    }
    commands_.loadProfileFromSheet(currProfileFilePath);
    if (closeSheet)
        closeSheet();
}

void ProfileSheetController::saveProfile()
{
    ui_.endEditing();
    if (newProfileName.isEmpty()) {
        ui_.alert(AlertStyle::Informational, msg("PROFILETITLE"), msg("PROFILEENTERNEWNAME"));
        return;
    }
    if (!isUsableProfileName(newProfileName)) {
        ui_.alert(AlertStyle::Critical, msg("PROFILETITLE"), msg("PROFILESAVEDFAILED"));
        return;
    }
    const QString path = appendingPathComponent(profileFolder(), newProfileName + QLatin1Char('.') + kExtension);
    if (FileManager::exists(path)) {
        const QString answer = ui_.alert(AlertStyle::Warning, msg("PROFILETITLE"), msg("PROFILEOVERWRITECONFIRM"),
                                         {QStringLiteral("YES"), QStringLiteral("NO")});
        if (answer != QLatin1String("YES"))
            return;
    }
    if (!commands_.saveNewProfile(path)) {
        ui_.alert(AlertStyle::Critical, msg("PROFILETITLE"), msg("PROFILESAVEDFAILED"));
        return;
    }
    loadProfiles();
    newProfileName.clear();
    notify();
}

void ProfileSheetController::deleteProfile()
{
    if (currProfileFilePath.isEmpty()) {
        ui_.alert(AlertStyle::Informational, msg("PROFILETITLE"), msg("PROFILESELECT"));
        return;
    }
    const QString answer = ui_.alert(AlertStyle::Warning, msg("PROFILETITLE"), msg("PROFILEDELETECONFIRM"),
                                     {QStringLiteral("YES"), QStringLiteral("NO")});
    if (answer != QLatin1String("YES"))
        return;
    QString why;
    if (!FileManager::removeItem(currProfileFilePath, &why)) {
        qWarning().noquote() << QStringLiteral("Error in deleteProfile : %1").arg(why);
        return;
    }
    state_.currProfileFile.clear();
    LaunchState::rememberLastProfile(QString());
    loadProfiles();
    clearSelection();
    loader_.updateWindowTitle();
    notify();
}

void ProfileSheetController::showHelp()
{
    ui_.openDocument(QStringLiteral("Profile.html"));
}
