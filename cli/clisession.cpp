#include "cli/clisession.h"

#include "cli/clicommands.h"
#include "cli/exitcodes.h"
#include "cli/listoutput.h"
#include "cli/settingsarguments.h"
#include "intake/intake.h"
#include "pipeline/applydriver.h"
#include "pipeline/passrunner.h"
#include "pipeline/listsort.h"
#include "pipeline/previewdriver.h"
#include "profiles/rulefile.h"
#include "profiles/rulepreview.h"
#include "profiles/settingsloader.h"
#include "profiles/preferences.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

CliSession::CliSession(const CliOptions& opts)
    : options(opts)
{
    ui.assumeYes = opts.yes;
    ui.verbose = opts.verbose;
    ui.interactive = ::isatty(STDIN_FILENO);
}

bool CliSession::prepareFolders(QString& error)
{
    if (!createApplicationFolders(error))
        return false;
    state.preferences = PreferencesFile::defaultPreferences();
    loadPreferences(state.preferences);
    if (options.noChains)
        state.preferences.renameChainsInOneGo = false;
    return true;
}

int CliSession::applySettingsOptions(QString& error)
{
    if (!options.profile.isEmpty()) {
        SettingsLoader loader(state, ui);
        QString why;
        const ProfileLoadResult loaded = loader.setCurrentSettings(absolutePath(options.profile), &why);
        if (loaded != ProfileLoadResult::Loaded) {
            error = QStringLiteral("the profile %1 was not loaded%2")
                        .arg(options.profile, why.isEmpty() ? QString() : QStringLiteral(": ") + why);
            return ExitCode::Failure;
        }
    }
    if (!options.rule.isEmpty()) {
        QList<QVariantMap> steps;
        QString why;
        const RuleFile::ReadResult read = RuleFile::read(absolutePath(options.rule), steps, true, &why);
        if (read != RuleFile::ReadResult::Read) {
            error = read == RuleFile::ReadResult::Incompatible
                ? QStringLiteral("the rule file %1 was saved by an incompatible version").arg(options.rule)
                : QStringLiteral("the rule file %1 cannot be read%2")
                      .arg(options.rule, why.isEmpty() ? QString() : QStringLiteral(": ") + why);
            return ExitCode::Failure;
        }
        state.rules = steps;
    }
    for (const auto& [key, value] : options.sets) {
        if (!applySetArgument(state.settings, key, value, error))
            return ExitCode::Usage;
    }
    if (options.folders)
        state.settings.filesFoldersOptionChanged(FilesOrFolders::Folders);
    if (options.noSubfolders)
        state.settings.setFlag(QStringLiteral("isIncludeSubFolders"), false);
    if (options.companions)
        state.settings.setFlag(QStringLiteral("isRenameCompanions"), true);
    if (options.numberDuplicates)
        state.settings.setFlag(QStringLiteral("isNumberNamesUsedTwice"), true);
    return ExitCode::Done;
}

QString CliSession::absolutePath(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).isAbsolute() ? path : QDir::current().absoluteFilePath(path));
}

void CliSession::buildList(const QStringList& paths)
{
    QStringList absolute;
    for (const QString& p : paths)
        absolute << absolutePath(p);
    Intake intake(state, ui);
    intake.addFiles(absolute);
    PassRunner::waitUntilIdle(state);
    if (const std::optional<ListSort> sort = ListSort::parse(options.sort); sort && !state.list.isEmpty()) {
        ListSorting::start(state, ui, *sort);
        PassRunner::waitUntilIdle(state);
    }
}

bool CliSession::runPreview()
{
    if (!state.rules.isEmpty()) {
        if (!RulePreview(state, ui).actionPreviewRule())
            return false;
        PassRunner::waitUntilIdle(state);
        return true;
    }
    PreviewDriver driver(state, ui);
    if (!driver.actionPreview())
        return false;
    PassRunner::waitUntilIdle(state);
    return true;
}

bool CliSession::runApply()
{
    if (!state.isHasFilesForRenaming.load())
        return false;
    ApplyDriver driver(state, ui);
    if (!driver.actionApply([this](const ApplyOutcome& outcome) { lastApply = outcome; }))
        return false;
    PassRunner::waitUntilIdle(state);
    return true;
}

int CliSession::reportApply()
{
    if (lastApply.aborted) {
        std::fprintf(stderr, "quorvel-cli: %s\n",
                     QStringLiteral("nothing was renamed: the rename log could not be created").toLocal8Bit().constData());
        return ExitCode::Failure;
    }
    // Under --verbose the outcome may just have been printed as the pass's last progress line.
    if (ui.lastProgressLine() != lastApply.summary())
        std::fprintf(stderr, "%s\n", lastApply.summary().toLocal8Bit().constData());
    if (!state.currLogFile.isEmpty())
        std::fprintf(stderr, "%s\n", state.currLogFile.toLocal8Bit().constData());
    if (lastApply.allRefusedCount() > 0 || lastApply.cancelled)
        return ExitCode::Failure;
    return lastApply.renamedCount > 0 ? ExitCode::Done : ExitCode::NothingToRename;
}

int CliSession::applyPreviewed()
{
    int code = ExitCode::NothingToRename;
    if (!state.isHasFilesForRenaming.load()) {
        // Nothing to rename, but items the user meant to rename may have been refused.
        ApplyOutcome none;
        none.countPreviewRefusals(state.list.files, state.companions.unlisted);
        none.countLeftOutAtIntake(state.leftOutAtIntake.count);
        if (none.allRefusedCount() > 0) {
            std::fprintf(stderr, "%s\n", none.summary().toLocal8Bit().constData());
            code = ExitCode::Failure;
        }
    } else if (!runApply()) {
        printCliError(QStringLiteral("nothing was renamed"));
        return ExitCode::NothingToRename;
    } else {
        lastApply.countLeftOutAtIntake(state.leftOutAtIntake.count);
        code = reportApply();
    }
    printFileList(state.list, effectiveFormat(options.format), &state.companions);
    leaveItemsToTheExit(state.list);
    return code;
}
