#include "cli/clicommands.h"

#include "cli/clioptions.h"
#include "cli/clisession.h"
#include "cli/exitcodes.h"
#include "cli/listoutput.h"
#include "cli/methodwarnings.h"
#include "platform/plist.h"
#include "profiles/profilecommands.h"

#include <QHash>

#include <cstdio>
#include <functional>

void printCliError(const QString& text)
{
    std::fprintf(stderr, "quorvel-cli: %s\n", text.toLocal8Bit().constData());
}

int prepareSession(CliSession& session)
{
    QString error;
    if (!session.prepareFolders(error)) {
        printCliError(QStringLiteral("the data folders cannot be created: %1").arg(error));
        return ExitCode::Failure;
    }
    const int code = session.applySettingsOptions(error);
    if (code != ExitCode::Done)
        printCliError(error);
    else
        warnAboutKeysOfOtherMethods(session.options, session.state.settings);
    return code;
}

namespace {

// The photos the preview left unnamed for their extension alone, told once, with the
// setting that adds those extensions.
void tellSkippedExtensions(const ControllerState& state)
{
    const SkippedExtensions& skipped = state.photoSkips;
    if (skipped.isEmpty())
        return;
    QStringList extensions = state.settings.list(QStringLiteral("photoExtensions"));
    for (const QString& extension : skipped.extensions) {
        if (!extensions.contains(extension))
            extensions.append(extension);
    }
    printCliError(QStringLiteral("%1 (--set \"photoExtensions=%2\" adds them)")
                      .arg(skipped.note(), extensions.join(QLatin1Char(';'))));
}

int previewOrApply(const CliOptions& options, bool apply)
{
    if (options.positional.isEmpty()) {
        printCliError(QStringLiteral("%1 needs at least one PATH").arg(options.command));
        return ExitCode::Usage;
    }
    CliSession session(options);
    if (const int code = prepareSession(session); code != ExitCode::Done)
        return code;
    session.buildList(options.positional);
    if (session.state.list.isEmpty()) {
        printCliError(QStringLiteral("no item to rename was found"));
        // Items left out for their names were meant to be renamed: an apply failed them.
        return apply && session.state.leftOutAtIntake.count > 0 ? ExitCode::Failure : ExitCode::NothingToRename;
    }
    if (!session.runPreview())
        return ExitCode::Usage; // the option check's message was printed
    tellSkippedExtensions(session.state);
    if (apply)
        return session.applyPreviewed();
    printFileList(session.state.list, effectiveFormat(options.format), &session.state.companions);
    leaveItemsToTheExit(session.state.list);
    return session.state.isHasFilesForRenaming.load() ? ExitCode::Done : ExitCode::NothingToRename;
}

} // namespace

int previewCommand(const CliOptions& options)
{
    return previewOrApply(options, false);
}

int applyCommand(const CliOptions& options)
{
    return previewOrApply(options, true);
}

int settingsCommand(const CliOptions& options)
{
    CliSession session(options);
    if (const int code = prepareSession(session); code != ExitCode::Done)
        return code;
    QString error;
    const QByteArray xml = Plist::write(session.state.settings.getCurrentSettings(), Plist::Format::Xml, &error);
    if (xml.isEmpty()) {
        printCliError(error);
        return ExitCode::Failure;
    }
    std::fwrite(xml.constData(), 1, size_t(xml.size()), stdout);
    return ExitCode::Done;
}

int saveProfileCommand(const CliOptions& options)
{
    if (options.positional.size() != 1) {
        printCliError(QStringLiteral("save-profile needs one FILE"));
        return ExitCode::Usage;
    }
    CliSession session(options);
    if (const int code = prepareSession(session); code != ExitCode::Done)
        return code;
    QString error;
    if (!ProfileCommands::writeProfile(session.state, CliSession::absolutePath(options.positional.first()), &error)) {
        printCliError(QStringLiteral("the profile could not be saved: %1").arg(error));
        return ExitCode::Failure;
    }
    return ExitCode::Done;
}

int runCliCommand(const CliOptions& options)
{
    static const QHash<QString, std::function<int(const CliOptions&)>> commands = {
        {QStringLiteral("preview"), previewCommand},
        {QStringLiteral("apply"), applyCommand},
        {QStringLiteral("settings"), settingsCommand},
        {QStringLiteral("save-profile"), saveProfileCommand},
        {QStringLiteral("logs"), logsCommand},
        {QStringLiteral("undo"), undoCommand},
        {QStringLiteral("import-list"), importListCommand},
        {QStringLiteral("export"), exportCommand},
        {QStringLiteral("keys"), keysCommand},
    };
    if (options.command.isEmpty()) {
        printCliError(QStringLiteral("no command given; try quorvel-cli --help"));
        return ExitCode::Usage;
    }
    const auto it = commands.find(options.command);
    if (it == commands.end()) {
        printCliError(QStringLiteral("unknown command \"%1\"; try quorvel-cli --help").arg(options.command));
        return ExitCode::Usage;
    }
    return it.value()(options);
}
