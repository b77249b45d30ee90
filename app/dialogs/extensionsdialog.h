#pragma once

#include "app/dialogs/sheet.h"
#include "metadata/extensionseditorcontroller.h"

struct ControllerState;
class QLineEdit;
class QListWidget;
class QPushButton;
class UserInterface;

// The extension list editor sheet for the photo (itemType 0) or audio (itemType 1) list:
// the entries, an extension typed (".png") or taken from a chosen file, Remove, Apply,
// Cancel and Help.
// Apply hands the list to the editor's delegate (by default the settings take it).
class ExtensionsDialog : public Sheet {
    Q_OBJECT
public:
    ExtensionsDialog(ControllerState& state, UserInterface& ui, int itemType, QWidget* parent);

    ExtensionsEditorController& controller() { return controller_; }
    QListWidget* list() const { return list_; }
    QLineEdit* typedField() const { return typed_; }

private:
    void refresh();
    // The typed text as an extension without its dot ("png"), or "" when it is none.
    QString typedExtension() const;
    void addTypedExtension();

    ExtensionsEditorController controller_;
    QListWidget* list_ = nullptr;
    QPushButton* remove_ = nullptr;
    QLineEdit* typed_ = nullptr;
};
