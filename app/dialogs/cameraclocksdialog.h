#pragma once

#include "app/dialogs/sheet.h"
#include "metadata/cameraclockscontroller.h"

class QLabel;
class QTableWidget;
class QuorvelAppController;
class UserInterface;

// The Camera Clocks sheet: the camera models of the list's photos with their number of
// files and earliest capture time, a shift typed per model (and one for every camera), and
// each model's earliest time once shifted. Apply stores the shifts as "photoClockShifts".
class CameraClocksDialog : public Sheet {
    Q_OBJECT
public:
    CameraClocksDialog(CameraClocksController controller, UserInterface& ui, QWidget* parent);

    // The Photo tab's "Camera Clocks…": reads the cameras of the list's photos in a pass of
    // its own (on the pass thread, with its progress and Cancel; nothing when a pass runs),
    // then opens the sheet on what it read. A cancelled reading opens nothing.
    static void openFor(QuorvelAppController& controller);

    CameraClocksController& controller() { return controller_; }
    QTableWidget* table() const { return table_; }

private:
    enum Column { Model, Files, Earliest, Shift, Shifted, ColumnCount };
    void fillRows();
    void showShifted(int row);
    void shiftEdited(int row);

    CameraClocksController controller_;
    UserInterface& ui_;
    QTableWidget* table_ = nullptr;
    QLabel* problem_ = nullptr;
};
