#include "intake/exportsheetcontroller.h"

#include "platform/filemanager.h"

#include "intake/exceptionreason.h"
#include "pipeline/controllerstate.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <QDebug>

namespace {

constexpr int kListControlTag = 12000;

// Clears the busy state and the progress indicator whatever way the export ends.
class ExportingScope {
public:
    explicit ExportingScope(ExportSheetController& sheet)
        : sheet_(sheet)
    {
        sheet_.isExporting = true;
    }
    ~ExportingScope()
    {
        sheet_.isExporting = false;
        if (sheet_.progressIndicator)
            sheet_.progressIndicator(0, 0);
    }

private:
    ExportSheetController& sheet_;
};

} // namespace

ExportSheetController::ExportSheetController(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
}

bool ExportSheetController::showExport(ControllerState& state, UserInterface& ui)
{
    if (state.isExecuting.load())
        return false;
    if (state.list.isEmpty()) {
        if (!ui.isCalloutShown())
            ui.showCallout(kListControlTag, QStringLiteral("NOITEMSTOEXPORT"));
        return false;
    }
    ui.hideCallout();
    return true;
}

ExportOptions ExportSheetController::options() const
{
    ExportOptions o;
    o.isFilename = isFilename;
    o.isNewFilename = isNewFilename;
    o.isLocation = isLocation;
    o.isIncludeLocation = isIncludeLocation;
    o.addColumnNamesInHeader = addColumnNamesInHeader;
    return o;
}

bool ExportSheetController::refuseColumns()
{
    if (!isFilename && !isNewFilename && !isLocation) {
        ui_.alert(AlertStyle::Critical, msg("EXPORTFILESTITLE"), msg("EXPORTNOCOLUMN"));
        return true;
    }
    // The folder would have no name column to go into.
    if (!isFilename && !isNewFilename && isLocation && isIncludeLocation) {
        ui_.alert(AlertStyle::Critical, msg("EXPORTFILESTITLE"), msg("EXPORTFILESFAILED"));
        return true;
    }
    return false;
}

bool ExportSheetController::exportList()
{
    if (state_.isExecuting.load())
        return false;
    ExportingScope busy(*this);
    try {
        if (refuseColumns())
            return false;
        PanelOptions panel;
        panel.title = msg("EXPORTFILELISTTITLE");
        panel.fileName = QStringLiteral("export.txt");
        panel.allowedExtensions = {QStringLiteral("txt")};
        panel.allowsOtherTypes = true;
        panel.canCreateDirectories = true;
        const QString path = ui_.savePanel(panel);
        if (path.isEmpty())
            return false;
        return exportToPath(path);
    } catch (...) {
        qWarning().noquote() << QStringLiteral("Error in export : %1").arg(currentExceptionReason());
        return false;
    }
}

bool ExportSheetController::exportToPath(const QString& path)
{
    if (state_.isExecuting.load())
        return false;
    ExportingScope busy(*this);
    try {
        const int total = state_.list.size();
        int skipped = 0;
        const QByteArray data = buildExport(state_.list, options(), &skipped, [&](int done) {
            if (progressIndicator)
                progressIndicator(done, total);
        });
        QString error;
        if (!FileManager::writeFileAtomically(path, data, &error)) {
            ui_.alert(AlertStyle::Critical, msg("EXPORTFILESTITLE"), msg("EXPORTFILESEXPORTEDFAILED").arg(error));
            return false;
        }
        QString text = msg("EXPORTFILESEXPORTEDSUCCESS");
        if (skipped > 0)
            text += QStringLiteral("\n\n") + msg("EXPORTFILESSKIPPED").arg(skipped);
        ui_.alert(skipped > 0 ? AlertStyle::Warning : AlertStyle::Informational, msg("EXPORTFILESTITLE"), text);
        return true;
    } catch (...) {
        qWarning().noquote() << QStringLiteral("Error in export : %1").arg(currentExceptionReason());
        ui_.alert(AlertStyle::Critical, msg("EXPORTFILESTITLE"), msg("EXPORTFILESEXPORTEDFAILED").arg(QString()));
        return false;
    }
}
