#pragma once

#include "intake/listexport.h"

#include <QString>

#include <functional>
#include <optional>

struct ControllerState;
class UserInterface;

// The logic of the export sheet: which columns to write, the refusals shown before any
// panel, the save panel, writing the file and telling the user how it went.
class ExportSheetController {
public:
    ExportSheetController(ControllerState& state, UserInterface& ui);

    bool isExporting = false;
    bool isFilename = true;
    bool isNewFilename = true;
    bool isLocation = true;
    bool isIncludeLocation = false;
    bool addColumnNamesInHeader = true;

    // The sheet's progress indicator: the number of items done and the total; reset to
    // (0, 0) when the export ends.
    std::function<void(int value, int maximum)> progressIndicator;

    // The app controller's Export command: true when the sheet may open. An empty list
    // shows "NOITEMSTOEXPORT" beside the list; nothing opens while a pass is executing.
    static bool showExport(ControllerState& state, UserInterface& ui);

    // The sheet's Export action (the window runs it after the busy state is shown): the
    // column checks, the save panel, then the export. True when a file was written.
    bool exportList();
    // Writes the list to path (atomically, on the worker thread; returns when the file is
    // written) and shows the success or failure alert.
    bool exportToPath(const QString& path);

    ExportOptions options() const;

private:
    struct ExportResult {
        bool written = false;
        int skipped = 0;                 // lines left out because they would break the file
        QString error;                   // why the file could not be written
        std::optional<QString> failure;  // an exception's reason
    };

    // The two column combinations that cannot be written; shows the alert.
    bool refuseColumns();
    ExportResult writeOnWorker(const QString& path);

    ControllerState& state_;
    UserInterface& ui_;
};
