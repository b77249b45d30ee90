#include "profiles/settingsloader.h"

#include "engine/filename.h"
#include "engine/stringutilities.h"
#include "pipeline/controllerstate.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "platform/plist.h"
#include "platform/userinterface.h"
#include "profiles/launchstate.h"

#include <QDebug>

ProfileLoadingScope::ProfileLoadingScope(ControllerState& state)
    : state_(state)
    , previous_(state.isProfileLoading)
{
    state_.isProfileLoading = true;
}

ProfileLoadingScope::~ProfileLoadingScope()
{
    state_.isProfileLoading = previous_;
}

SettingsLoader::SettingsLoader(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
}

bool SettingsLoader::applySettings(const QVariantMap& dictionary, QString* error)
{
    if (state_.isExecuting.load()) {
        if (error)
            *error = QStringLiteral("a preview or apply is running");
        return false;
    }
    ProfileLoadingScope loading(state_);
    const bool wereFolders = state_.isFolders();
    const bool applied = state_.settings.setSettings(dictionary, error);
    if (applied) {
        ui_.refreshSettingsView();
        // A change of scope makes the listed items the wrong kind: the list is emptied.
        const bool folders = state_.isFolders();
        if (folders != wereFolders) {
            state_.list.clear();
            ui_.reloadList();
        }
        ui_.setCountText(msgN(folders ? "TOTALFOLDERSSELECTED" : "TOTALFILESSELECTED", state_.list.size()));
    }
    state_.isHasFilesForRenaming = false;
    return applied;
}

ProfileLoadResult SettingsLoader::setCurrentSettings(const QString& path, QString* error)
{
    if (state_.isExecuting.load())
        return ProfileLoadResult::Busy;
    ProfileLoadingScope loading(state_);

    QString why;
    const std::optional<QVariant> root = Plist::readFile(path, &why);
    // An unreadable file or one that is not a dictionary has no "appVersion".
    const QVariantMap dictionary =
        root && root->userType() == QMetaType::QVariantMap ? root->toMap() : QVariantMap();
    const QVariant stored = dictionary.value(QStringLiteral("appVersion"));
    const std::optional<QString> version =
        stored.userType() == QMetaType::QString ? std::optional<QString>(stored.toString()) : std::nullopt;
    if (!StringUtilities::isFileVersionMatch(version)) {
        if (error)
            *error = !root ? why
                           : QStringLiteral("the profile was not written by a compatible version");
        ui_.alert(AlertStyle::Critical, msg("LOADPROFILETITLE"), msg("PROFILEINCOMPATIBLE"));
        return ProfileLoadResult::Incompatible;
    }
    if (!applySettings(dictionary, error)) {
        ui_.alert(AlertStyle::Critical, msg("LOADPROFILETITLE"), msg("PROFILELOADFAILED"));
        return ProfileLoadResult::Failed;
    }
    state_.currProfileFile = path;
    updateWindowTitle();
    tellRulesDrawer();
    return ProfileLoadResult::Loaded;
}

void SettingsLoader::loadEmptyProfile()
{
    if (state_.isExecuting.load())
        return;
    if (!state_.currProfileFile.isEmpty() && state_.preferences.automaticSaveCurrProfile) {
        ui_.endEditing();
        if (saveCurrentProfile)
            saveCurrentProfile();
    }
    ProfileLoadingScope loading(state_);
    state_.settings.resetToDefaults();
    state_.settings.rebuildPhotoMask();
    state_.settings.resetID3Mask();
    state_.isCancelProcess = false;
    state_.isHasFilesForRenaming = false;
    ui_.refreshSettingsView();

    state_.currProfileFile.clear();
    LaunchState::rememberLastProfile(QString());
    updateWindowTitle();
    tellRulesDrawer();
}

QString SettingsLoader::windowTitle(const ControllerState& state)
{
    const QString name =
        state.currProfileFile.isEmpty() ? msg("DEFAULT") : lastPathComponent(state.currProfileFile);
    // The document first and the program last, the desktop's convention; a title that
    // ends with the program's name gets no second copy of it from the window system.
    return QStringLiteral("%1 \u2014 %2").arg(name, Edition::current().displayName);
}

void SettingsLoader::updateWindowTitle()
{
    ui_.updateWindowTitle(windowTitle(state_));
}

void SettingsLoader::tellRulesDrawer()
{
    if (onTabChanged)
        onTabChanged(state_.selectedTab());
}
