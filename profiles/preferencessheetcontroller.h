#pragma once

#include <QString>

#include <functional>

struct ControllerState;
class UserInterface;

// The logic of the preferences sheet, without widgets. The sheet edits the live
// preferences of the controller state directly; nothing is stored until Apply.
class PreferencesSheetController {
public:
    PreferencesSheetController(ControllerState& state, UserInterface& ui);

    std::function<void()> changed; // after a folder was chosen

    // The three folder choosers, each opened in the folder the preference names now. A
    // confirmed choice replaces the preference; a cancelled one changes nothing. True
    // when a folder was chosen.
    bool browseLogFolderPath();
    bool browseProfileFolderPath();
    bool browseRulesFolderPath();

    // A folder typed into the sheet, or the automatic save switch.
    void setDefaultLogFolderPath(const QString& path);
    void setDefaultProfileFolderPath(const QString& path);
    void setDefaultRulesFolderPath(const QString& path);
    void setAutomaticSaveCurrProfile(bool on);
    // "Rename shifts and swaps in one go".
    void setRenameChainsInOneGo(bool on);

    // Refuses (critical "PREFERENCESFOLDERUNUSABLE", nothing written) a folder that cannot
    // be created or written; otherwise writes the preferences file, then tells the user:
    // "PREFERENCESSAVEDMESSAGE" in the status bar, or the critical "PREFERENCESSAVEFAILED"
    // when it could not be written. The sheet stays open.
    bool applyPreferences();
    void showHelp();

private:
    bool browse(QString& folder, const char* titleKey);
    void notify();

    ControllerState& state_;
    UserInterface& ui_;
};
