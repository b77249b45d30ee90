#include "cli/clisession.h"

#include "cli/exitcodes.h"
#include "cli/settingsarguments.h"
#include "intake/intake.h"
#include "pipeline/applydriver.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewdriver.h"
#include "platform/plist.h"
#include "profiles/preferences.h"
#include "engine/stringutilities.h"

#include <QDir>
#include <QFileInfo>

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
    loadPreferences(state.preferences);
    return true;
}

int CliSession::applySettingsOptions(QString& error)
{
    if (!options.profile.isEmpty()) {
        QString why;
        const std::optional<QVariant> root = Plist::readFile(options.profile, &why);
        if (!root || root->userType() != QMetaType::QVariantMap) {
            error = QStringLiteral("cannot read the profile %1%2").arg(options.profile,
                                                                       why.isEmpty() ? QString() : QStringLiteral(": ") + why);
            return ExitCode::Failure;
        }
        const QVariantMap dict = root->toMap();
        if (!StringUtilities::isFileVersionMatch(dict.value(QStringLiteral("appVersion")).toString())) {
            error = QStringLiteral("the profile %1 was saved by an incompatible version").arg(options.profile);
            return ExitCode::Failure;
        }
        if (!state.settings.setSettings(dict, &why)) {
            error = QStringLiteral("the profile %1 could not be loaded: %2").arg(options.profile, why);
            return ExitCode::Failure;
        }
        state.currProfileFile = options.profile;
    }
    for (const auto& [key, value] : options.sets) {
        if (!applySetArgument(state.settings, key, value, error))
            return ExitCode::Usage;
    }
    if (options.folders)
        state.settings.filesFoldersOptionChanged(1);
    if (options.noSubfolders)
        state.settings.setFlag(QStringLiteral("isIncludeSubFolders"), false);
    return ExitCode::Done;
}

void CliSession::buildList(const QStringList& paths)
{
    QStringList absolute;
    for (const QString& p : paths)
        absolute << QDir::cleanPath(QFileInfo(p).isAbsolute() ? p : QDir::current().absoluteFilePath(p));
    Intake intake(state, ui);
    intake.addFiles(absolute);
    PassRunner::waitUntilIdle(state);
}

bool CliSession::runPreview()
{
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
    if (!driver.actionApply())
        return false;
    PassRunner::waitUntilIdle(state);
    return true;
}
