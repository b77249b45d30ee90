#pragma once

#include <QString>
#include <QVariantMap>

#include <functional>

struct ControllerState;
class UserInterface;

// Sets isProfileLoading for its lifetime (and restores the value it found), so that live
// preview never runs on a record that is being replaced, also when a load ends early.
class ProfileLoadingScope {
public:
    explicit ProfileLoadingScope(ControllerState& state);
    ~ProfileLoadingScope();
    ProfileLoadingScope(const ProfileLoadingScope&) = delete;
    ProfileLoadingScope& operator=(const ProfileLoadingScope&) = delete;

private:
    ControllerState& state_;
    bool previous_;
};

// How a profile load ended.
enum class ProfileLoadResult {
    Loaded,
    Incompatible, // unreadable, not a dictionary, or another major version ("PROFILEINCOMPATIBLE")
    Failed,       // the dictionary did not apply ("PROFILELOADFAILED"); nothing changed
    Busy,         // a background pass owns the list and the settings; nothing was done
};

// Applying whole settings dictionaries to the controller: the settings record, then what
// the window and the list must follow (the shown tab and masks, the files/folders scope,
// the count line), and loading or resetting profiles.
class SettingsLoader {
public:
    SettingsLoader(ControllerState& state, UserInterface& ui);

    // Told after a profile load or a reset: the rules drawer deselects its rows and
    // takes the new method tab (RulesController::profileLoaded).
    std::function<void(int selectedTab)> onTabChanged;
    // Saves the current profile before a reset when automaticSaveCurrProfile is set
    // (ProfileCommands::saveProfile); without it no save is made.
    std::function<bool()> saveCurrentProfile;

    // Applies a settings dictionary, all or nothing (a failure logs "Error in
    // setCurrentSettings : <reason>" and changes nothing). After a successful apply the
    // window shows the settings again, and a switch between files and folders empties the
    // file list; the count line is refreshed. In every case isHasFilesForRenaming := false.
    bool applySettings(const QVariantMap& dictionary, QString* error = nullptr);

    // Loads a profile file: version test on "appVersion" (critical alert "LOADPROFILETITLE"
    // / "PROFILEINCOMPATIBLE"), apply ("PROFILELOADFAILED" when it does not), then
    // currProfileFile := path and the window title. isProfileLoading is set throughout.
    ProfileLoadResult setCurrentSettings(const QString& path, QString* error = nullptr);

    // Every setting back to its default and no current profile (stored as "" under
    // "LASTPROFILE"). The current profile is saved first when automaticSaveCurrProfile is
    // set. The file list is left as it is.
    void loadEmptyProfile();

    // The window title: the current profile's file name, or the text of "DEFAULT" when
    // no profile is current, then a dash and the display name ("Default — Quorvel").
    static QString windowTitle(const ControllerState& state);
    void updateWindowTitle();

private:
    void tellRulesDrawer();

    ControllerState& state_;
    UserInterface& ui_;
};
