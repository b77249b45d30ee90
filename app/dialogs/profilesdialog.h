#pragma once

#include "app/dialogs/sheet.h"
#include "profiles/profilesheetcontroller.h"

struct ControllerState;
class ListTableModel;
class ProfileCommands;
class QLineEdit;
class QTableView;
class SettingsLoader;
class UserInterface;

// The profiles sheet: the profiles of the profile folder (name, date; sorted by a click on
// a header), a name for a new profile, Save, Load, Delete, Close and Help. Everything it
// does is ProfileSheetController's.
class ProfilesDialog : public Sheet {
    Q_OBJECT
public:
    ProfilesDialog(ControllerState& state, UserInterface& ui, ProfileCommands& commands, SettingsLoader& loader,
                   QWidget* parent);
    ~ProfilesDialog() override;

    ProfileSheetController& controller() { return controller_; }
    QTableView* table() const { return table_; }
    QLineEdit* newProfileNameField() const { return newProfileName_; }

private:
    void refresh();

    ProfileSheetController controller_;
    ListTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit* newProfileName_ = nullptr;
};
