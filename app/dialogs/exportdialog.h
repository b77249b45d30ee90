#pragma once

#include "app/dialogs/sheet.h"
#include "intake/exportsheetcontroller.h"

struct ControllerState;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class UserInterface;

// The export sheet: the five switches (current name, new name, folder, full paths, column
// names), a progress bar, Export, Close and Help. Export shows the busy state first and
// starts the export a moment later; ExportSheetController does the rest.
class ExportDialog : public Sheet {
    Q_OBJECT
public:
    ExportDialog(ControllerState& state, UserInterface& ui, QWidget* parent);

    ExportSheetController& controller() { return controller_; }
    QCheckBox* switchNamed(const QString& name) const;
    QProgressBar* progressBar() const { return progress_; }

    // The pause that lets the busy state show before the export runs.
    int exportDelayMs = 1000;

    // Closing (Close, Escape) waits until a running export has finished.
    void reject() override;

private:
    void startExport();
    void refresh();

    UserInterface& ui_;
    ExportSheetController controller_;
    QList<QCheckBox*> switches_;
    QProgressBar* progress_ = nullptr;
    QWidget* progressRow_ = nullptr; // the progress bar and its label
    QPushButton* export_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* done_ = nullptr;
};
