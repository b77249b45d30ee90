#include "cli/clicommands.h"

#include "cli/clioptions.h"
#include "cli/clisession.h"
#include "cli/exitcodes.h"
#include "cli/listoutput.h"
#include "platform/plist.h"

#include <QHash>

#include <cstdio>
#include <functional>

namespace {

void printError(const QString& text)
{
    std::fprintf(stderr, "quorvel-cli: %s\n", text.toLocal8Bit().constData());
}

// The shared start of every command: data folders, preferences and settings options.
int prepare(CliSession& session)
{
    QString error;
    if (!session.prepareFolders(error)) {
        printError(QStringLiteral("the data folders cannot be created: %1").arg(error));
        return ExitCode::Failure;
    }
    const int code = session.applySettingsOptions(error);
    if (code != ExitCode::Done)
        printError(error);
    return code;
}

int previewOrApply(const CliOptions& options, bool apply)
{
    if (options.positional.isEmpty()) {
        printError(QStringLiteral("%1 needs at least one PATH").arg(options.command));
        return ExitCode::Usage;
    }
    CliSession session(options);
    if (const int code = prepare(session); code != ExitCode::Done)
        return code;
    session.buildList(options.positional);
    if (session.state.list.isEmpty()) {
        printError(QStringLiteral("no item to rename was found"));
        return ExitCode::NothingToRename;
    }
    if (!session.runPreview())
        return ExitCode::Usage; // the option check's message was printed
    if (apply) {
        if (!session.state.isHasFilesForRenaming.load()) {
            printFileList(session.state.list, effectiveFormat(options.format));
            return ExitCode::NothingToRename;
        }
        if (!session.runApply()) {
            printError(QStringLiteral("nothing was renamed"));
            return ExitCode::NothingToRename;
        }
        if (!session.state.currLogFile.isEmpty())
            std::fprintf(stderr, "%s\n", session.state.currLogFile.toLocal8Bit().constData());
    }
    printFileList(session.state.list, effectiveFormat(options.format));
    if (!apply)
        return session.state.isHasFilesForRenaming.load() ? ExitCode::Done : ExitCode::NothingToRename;
    return ExitCode::Done;
}

int settingsCommand(const CliOptions& options)
{
    CliSession session(options);
    if (const int code = prepare(session); code != ExitCode::Done)
        return code;
    QString error;
    const QByteArray xml = Plist::write(session.state.settings.getCurrentSettings(), Plist::Format::Xml, &error);
    if (xml.isEmpty()) {
        printError(error);
        return ExitCode::Failure;
    }
    std::fwrite(xml.constData(), 1, size_t(xml.size()), stdout);
    return ExitCode::Done;
}

int saveProfileCommand(const CliOptions& options)
{
    if (options.positional.size() != 1) {
        printError(QStringLiteral("save-profile needs one FILE"));
        return ExitCode::Usage;
    }
    CliSession session(options);
    if (const int code = prepare(session); code != ExitCode::Done)
        return code;
    QString error;
    if (!Plist::writeFile(options.positional.first(), session.state.settings.getCurrentSettings(),
                          Plist::Format::Xml, &error)) {
        printError(QStringLiteral("the profile could not be saved: %1").arg(error));
        return ExitCode::Failure;
    }
    return ExitCode::Done;
}

} // namespace

int runCliCommand(const CliOptions& options)
{
    static const QHash<QString, std::function<int(const CliOptions&)>> commands = {
        {QStringLiteral("preview"), [](const CliOptions& o) { return previewOrApply(o, false); }},
        {QStringLiteral("apply"), [](const CliOptions& o) { return previewOrApply(o, true); }},
        {QStringLiteral("settings"), settingsCommand},
        {QStringLiteral("save-profile"), saveProfileCommand},
    };
    if (options.command.isEmpty()) {
        printError(QStringLiteral("no command given; try quorvel-cli --help"));
        return ExitCode::Usage;
    }
    const auto it = commands.find(options.command);
    if (it == commands.end()) {
        printError(QStringLiteral("unknown command \"%1\"; try quorvel-cli --help").arg(options.command));
        return ExitCode::Usage;
    }
    return it.value()(options);
}
