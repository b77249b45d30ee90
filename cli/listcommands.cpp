// quorvel-cli import-list / export: renaming from a tab-separated list, and writing one.
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "cli/clisession.h"
#include "cli/exitcodes.h"
#include "cli/listoutput.h"
#include "intake/intake.h"
#include "intake/listexport.h"
#include "intake/renamefromlist.h"
#include "pipeline/passrunner.h"
#include "platform/filemanager.h"
#include "platform/messages.h"

int importListCommand(const CliOptions& options)
{
    if (options.positional.size() != 1) {
        printCliError(QStringLiteral("import-list needs one FILE"));
        return ExitCode::Usage;
    }
    CliSession session(options);
    if (const int code = prepareSession(session); code != ExitCode::Done)
        return code;
    ControllerState& state = session.state;
    state.settings.setInteger(QStringLiteral("selectedTab"), 9);
    state.settings.setText(QStringLiteral("renameFile"), CliSession::absolutePath(options.positional.first()));
    importTypeChanged(state, options.importType == QLatin1String("folders") ? 1 : 0);

    Intake intake(state, session.ui);
    if (!loadRenameFile(state, session.ui, intake))
        return ExitCode::Failure; // the reason was printed
    PassRunner::waitUntilIdle(state);

    if (options.apply)
        return session.applyPreviewed();
    printFileList(state.list, effectiveFormat(options.format), &state.companions);
    const int code = state.list.isEmpty() ? ExitCode::NothingToRename : ExitCode::Done;
    leaveItemsToTheExit(state.list);
    return code;
}

int exportCommand(const CliOptions& options)
{
    if (options.output.isEmpty() || options.positional.isEmpty()) {
        printCliError(QStringLiteral("export needs --output FILE and at least one PATH"));
        return ExitCode::Usage;
    }
    ExportOptions columns;
    if (!options.columns.isEmpty()) {
        columns.isFilename = options.columns.contains(QStringLiteral("filename"));
        columns.isNewFilename = options.columns.contains(QStringLiteral("newfilename"));
        columns.isLocation = options.columns.contains(QStringLiteral("location"));
    }
    columns.isIncludeLocation = options.includeLocation;
    columns.addColumnNamesInHeader = !options.noHeader;
    // The sheet's two refusals come before anything is read.
    if (!columns.isFilename && !columns.isNewFilename && !columns.isLocation) {
        printCliError(msg("EXPORTNOCOLUMN"));
        return ExitCode::Usage;
    }
    if (!columns.isFilename && !columns.isNewFilename && columns.isLocation && columns.isIncludeLocation) {
        printCliError(msg("EXPORTFILESFAILED"));
        return ExitCode::Usage;
    }

    CliSession session(options);
    if (const int code = prepareSession(session); code != ExitCode::Done)
        return code;
    session.buildList(options.positional);
    if (session.state.list.isEmpty()) {
        printCliError(msg("NOITEMSTOEXPORT"));
        return ExitCode::NothingToRename;
    }
    if (!session.runPreview())
        return ExitCode::Usage;

    int skipped = 0;
    const QByteArray text = buildExport(session.state.list, columns, &skipped);
    QString error;
    if (!FileManager::writeFileAtomically(CliSession::absolutePath(options.output), text, &error)) {
        printCliError(msg("EXPORTFILESEXPORTEDFAILED").arg(error));
        return ExitCode::Failure;
    }
    if (skipped > 0)
        printCliError(msgN("EXPORTFILESSKIPPED", skipped));
    return ExitCode::Done;
}
