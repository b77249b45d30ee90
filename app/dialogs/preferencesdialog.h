#pragma once

#include "app/dialogs/sheet.h"
#include "profiles/preferencessheetcontroller.h"

struct ControllerState;
class QCheckBox;
class QLineEdit;
class UserInterface;

// The preferences sheet: the folders for rename logs, profiles and rules (typed or chosen
// with a browse button), the automatic save of the current profile at quit, Apply, Close
// and Help. It edits the live preferences; Apply writes them.
class PreferencesDialog : public Sheet {
    Q_OBJECT
public:
    PreferencesDialog(ControllerState& state, UserInterface& ui, QWidget* parent);

    PreferencesSheetController& controller() { return controller_; }
    QLineEdit* logFolderField() const { return logFolder_; }
    QLineEdit* profileFolderField() const { return profileFolder_; }
    QLineEdit* rulesFolderField() const { return rulesFolder_; }
    QCheckBox* automaticSaveBox() const { return automaticSave_; }

private:
    void refresh();

    ControllerState& state_;
    PreferencesSheetController controller_;
    QLineEdit* logFolder_ = nullptr;
    QLineEdit* profileFolder_ = nullptr;
    QLineEdit* rulesFolder_ = nullptr;
    QCheckBox* automaticSave_ = nullptr;
    QCheckBox* chainsInOneGo_ = nullptr; // absent in the earlier edition
};
