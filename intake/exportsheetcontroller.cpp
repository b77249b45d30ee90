#include "intake/exportsheetcontroller.h"

#include "platform/filemanager.h"

#include "intake/exceptionreason.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passrunner.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <QDebug>
#include <QTimer>

#include <atomic>
#include <memory>

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
    const ExportResult result = writeOnWorker(path);
    if (result.failure) {
        qWarning().noquote() << QStringLiteral("Error in export : %1").arg(*result.failure);
        ui_.alert(AlertStyle::Critical, msg("EXPORTFILESTITLE"), msg("EXPORTFILESEXPORTEDFAILED").arg(QString()));
        return false;
    }
    if (!result.written) {
        ui_.alert(AlertStyle::Critical, msg("EXPORTFILESTITLE"), msg("EXPORTFILESEXPORTEDFAILED").arg(result.error));
        return false;
    }
    // Success needs no answer; items left out do.
    if (result.skipped == 0) {
        ui_.showStatusMessage(msg("EXPORTFILESEXPORTEDSUCCESS"));
        return true;
    }
    ui_.alert(AlertStyle::Warning, msg("EXPORTFILESTITLE"),
              msg("EXPORTFILESEXPORTEDSUCCESS") + QStringLiteral("\n\n") + msgN("EXPORTFILESSKIPPED", result.skipped));
    return true;
}

ExportSheetController::ExportResult ExportSheetController::writeOnWorker(const QString& path)
{
    // The lines are built and written on the worker thread while this thread keeps the
    // window alive and moves the progress bar. The list is only read meanwhile; no pass
    // (the only writers of the list) can start until it is done.
    struct Work {
        std::atomic<int> done{0};
        ExportResult result;
    };
    auto work = std::make_shared<Work>();
    const FileList* list = &state_.list;
    const ExportOptions chosen = options();
    const int total = list->size();
    QTimer progress;
    progress.setInterval(50);
    QObject::connect(&progress, &QTimer::timeout, [this, work, total] {
        if (progressIndicator)
            progressIndicator(work->done.load(std::memory_order_relaxed), total);
    });
    progress.start();
    PassRunner::runAndWait(state_, [work, list, chosen, path] {
        try {
            const QByteArray data = buildExport(*list, chosen, &work->result.skipped, [&](int done) {
                work->done.store(done, std::memory_order_relaxed);
            });
            work->result.written = FileManager::writeFileAtomically(path, data, &work->result.error);
        } catch (...) {
            work->result.failure = currentExceptionReason();
        }
    });
    progress.stop();
    // The last count, however short the export was.
    if (progressIndicator)
        progressIndicator(work->done.load(std::memory_order_relaxed), total);
    return work->result;
}
