// quorvel-cli logs / undo: the rename logs the undo dialog lists, and undoing one.
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "cli/clisession.h"
#include "cli/exitcodes.h"
#include "cli/listoutput.h"
#include "pipeline/renamelogreader.h"
#include "platform/dateformat.h"
#include "platform/messages.h"
#include "undo/logfilelist.h"
#include "undo/undosheetcontroller.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

void out(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace

int logsCommand(const CliOptions& options)
{
    CliSession session(options);
    if (const int code = prepareSession(session); code != ExitCode::Done)
        return code;
    const QList<LogFileEntry> logs = LogFileList::listLogFiles(session.state.preferences.defaultLogFolderPath);
    const QString format = effectiveFormat(options.format);
    if (format == QLatin1String("json")) {
        QJsonArray array;
        for (const LogFileEntry& e : logs) {
            QJsonObject o;
            o.insert(QStringLiteral("logFileName"), e.logFileName);
            o.insert(QStringLiteral("dateCreated"), e.dateCreated);
            o.insert(QStringLiteral("filesCount"), e.filesCount);
            o.insert(QStringLiteral("path"), e.logFilePath);
            array.append(o);
        }
        out(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
    } else if (format == QLatin1String("table")) {
        out(QStringLiteral("%1  %2  %3\n").arg(QStringLiteral("Log"), -40).arg(QStringLiteral("Created"), -25).arg(QStringLiteral("Items")));
        for (const LogFileEntry& e : logs)
            out(QStringLiteral("%1  %2  %3\n")
                    .arg(e.logFileName, -40)
                    .arg(DateFormat::localeDateTime(e.sortTime), -25)
                    .arg(e.filesCount));
    } else {
        for (const LogFileEntry& e : logs)
            out(QStringLiteral("%1\t%2\t%3\n").arg(e.logFilePath, e.dateCreated).arg(e.filesCount));
    }
    return logs.isEmpty() ? ExitCode::NothingToRename : ExitCode::Done;
}

int undoCommand(const CliOptions& options)
{
    if (options.positional.size() > 1) {
        printCliError(QStringLiteral("undo takes at most one LOG"));
        return ExitCode::Usage;
    }
    CliSession session(options);
    if (const int code = prepareSession(session); code != ExitCode::Done)
        return code;
    UndoSheetController undo(session.state, session.ui);
    QString path;
    int entries = 0;
    if (options.positional.isEmpty()) {
        undo.loadUserLogFiles();
        if (undo.logFiles().isEmpty()) {
            printCliError(QStringLiteral("there is no rename log to undo in %1")
                              .arg(session.state.preferences.defaultLogFolderPath));
            return ExitCode::NothingToRename;
        }
        path = undo.logFiles().first().logFilePath;
        entries = undo.logFiles().first().filesCount;
    } else {
        path = CliSession::absolutePath(options.positional.first());
        entries = int(RenameLogBackwards(path).itemCount());
    }
    const QString question = msgN("UNDOCONFIRM", entries).arg(path);
    if (session.ui.alert(AlertStyle::Warning, msg("UNDOFILESFOLDERSTITLE"), question,
                         {QStringLiteral("YES"), QStringLiteral("NO")})
        != QLatin1String("YES"))
        return ExitCode::NothingToRename;

    const UndoOutcome outcome = undo.undoLogFile(path);
    switch (outcome.status) {
    case UndoOutcome::Status::Undone:
        out(QStringLiteral("%1\t%2/%3 restored%4\n")
                .arg(outcome.logFilePath)
                .arg(outcome.restored)
                .arg(outcome.elements)
                .arg(outcome.logDeleted ? QStringLiteral(", log deleted")
                         : outcome.keptEntries > 0
                             ? QStringLiteral(", log kept with %1 entries not restored").arg(outcome.keptEntries)
                             : QString()));
        return outcome.restored == outcome.elements ? ExitCode::Done : ExitCode::Failure;
    case UndoOutcome::Status::NoLogSelected:
        return ExitCode::NothingToRename;
    default:
        return ExitCode::Failure;
    }
}
