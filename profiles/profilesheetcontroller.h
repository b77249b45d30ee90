#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

struct ControllerState;
class ProfileCommands;
class SettingsLoader;
class UserInterface;

// One row of the profiles dialog. profileName and dateCreated are also the identifiers of
// the table's two columns.
struct ProfileRow {
    QString profileName; // the file name with its extension
    QString dateCreated; // sortTime in the fixed form "yyyy-MM-dd HH:mm:ss Z"
    QDateTime sortTime;  // birth time, else the modification time
};

// The logic of the profiles dialog, without widgets: lists the profile folder, and
// creates, loads and deletes profiles in it. The dialog draws the public fields and
// redraws when `changed` is called. Main thread only.
class ProfileSheetController {
public:
    ProfileSheetController(ControllerState& state, UserInterface& ui, ProfileCommands& commands,
                           SettingsLoader& loader);

    QList<ProfileRow> profiles;
    QString currProfileFilePath; // the selected row's file; "" when no row is selected
    QString newProfileName;
    int selectedRow = -1;        // -1: no row selected

    std::function<void()> changed;     // after every change of the fields above
    std::function<void()> closeSheet;  // the sheet closes (after a load)

    // The live profile folder of the preferences.
    QString profileFolder() const;

    // The dialog opened: no selection, the list filled.
    void awakeFromNib();
    // The folder's "qvprofile" files (extension in any case), newest first; an entry whose
    // dates cannot be read is left out, a folder that cannot be listed gives no rows.
    void loadProfiles();
    // Selecting a row makes its file the one the buttons act on; -1 clears the selection.
    void tableViewSelectionDidChange(int row);
    // A click on a column header ("profileName" or "dateCreated"); the selection is cleared.
    void sortByColumn(const QString& column, bool ascending);

    // The Load button: "PROFILESELECT" without a selection, else the profile is loaded and
    // the sheet closes.
    void loadProfile();
    // The Save button: the settings as a new profile named newProfileName in the folder,
    // asking before replacing a file ("PROFILEOVERWRITECONFIRM"). A name that is empty
    // asks for one ("PROFILEENTERNEWNAME"); one that cannot be a file name, or a failed
    // write, shows "PROFILESAVEDFAILED" and keeps the list and the name.
    void saveProfile();
    // The Delete button: asks "PROFILEDELETECONFIRM", removes the file, and forgets the
    // current profile (also as "LASTPROFILE"); a failure is logged
    // ("Error in deleteProfile : <reason>") and the list stays.
    void deleteProfile();
    void showHelp();

private:
    void notify();
    void clearSelection();

    ControllerState& state_;
    UserInterface& ui_;
    ProfileCommands& commands_;
    SettingsLoader& loader_;
};
