#pragma once

#include "app/dialogs/sheet.h"
#include "undo/undosheetcontroller.h"

struct ControllerState;
class ListTableModel;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class UserInterface;

// The undo sheet: the rename logs of the log folder (name, date, renames; sorted by a
// click on a header), Open..., View, Delete, Undo, Close and Help. Everything it does is
// UndoSheetController's; the sheet draws its fields after every change.
class UndoDialog : public Sheet {
    Q_OBJECT
public:
    UndoDialog(ControllerState& state, UserInterface& ui, QWidget* parent);
    ~UndoDialog() override;

    UndoSheetController& controller() { return controller_; }
    QTableView* table() const { return table_; }

    // Closing (Close, Escape) waits until a running undo has finished.
    void reject() override;

private:
    void refresh();
    // Undo asks first, naming how many items the log renamed.
    void confirmAndUndo();

    UndoSheetController controller_;
    UserInterface& ui_;
    QPushButton* undo_ = nullptr;
    QPushButton* view_ = nullptr;
    QPushButton* delete_ = nullptr;
    ListTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QLabel* logTotalNosOfFiles_ = nullptr;
    QLabel* totalFilesInLog_ = nullptr;
    QProgressBar* progressIndicator_ = nullptr;
};
