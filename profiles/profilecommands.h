#pragma once

#include <QString>

#include <functional>

struct ControllerState;
class SettingsLoader;
class UserInterface;

// The profile commands of the application controller. Profile files are XML property
// lists of the settings dictionary, written atomically; every write is checked, and a
// profile that could not be written never becomes the current one.
class ProfileCommands {
public:
    ProfileCommands(ControllerState& state, UserInterface& ui, SettingsLoader& loader);

    // Runs after loadDefaultProfile has restored the rules and the settings, for what
    // else the window restores at launch (the live preview options).
    std::function<void()> onDefaultsRestored;

    // Writes the current settings as a profile file (atomic XML property list).
    static bool writeProfile(const ControllerState& state, const QString& path, QString* error = nullptr);

    // Commit editing; without a current profile behave as saveAsProfile, else write it.
    // A failed write shows "PROFILESAVEDFAILED". True when a file was written.
    bool saveProfile();
    // Save panel in the profile folder (extension "qvprofile"); on success the chosen file
    // becomes the current profile and the title follows. Cancel changes nothing.
    bool saveAsProfile();
    // Open panel in the profile folder, then setCurrentSettings.
    void loadProfile();
    // Settings back to the factory defaults (SettingsLoader::loadEmptyProfile).
    void loadEmptyProfile();
    // Forget the current profile (saved first when automaticSaveCurrProfile is set), then
    // restore the rules from "LASTRULE" and the settings from "DEFAULTS" as at launch.
    void loadDefaultProfile();
    // The profiles dialog's save: commit editing, then write the settings to path.
    bool saveNewProfile(const QString& path);
    // The profiles dialog's load: setCurrentSettings. Always true (the sheet closes).
    bool loadProfileFromSheet(const QString& path);

    // The live profile folder of the preferences (the data folder's "Profiles" when unset).
    static QString profileFolder(const ControllerState& state);

private:
    ControllerState& state_;
    UserInterface& ui_;
    SettingsLoader& loader_;
};
