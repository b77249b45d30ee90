#include "intake/renamefromlist.h"

#include "engine/filename.h"
#include "engine/filesystemitem.h"
#include "intake/intake.h"
#include "intake/exceptionreason.h"
#include "intake/intakepath.h"
#include "pipeline/controllerstate.h"
#include "platform/checkedfile.h"
#include "platform/filemanager.h"
#include "platform/folderentries.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <QDebug>
#include <QDir>
#include <QStringDecoder>


namespace {

// Lines split at LF. A final LF ends the last line rather than starting an empty one,
// and a CR before the LF (Windows line ends) is not part of the line.
QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        QStringView line = text.mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    return lines;
}

QString slashToColon(QStringView s)
{
    QString out = s.toString();
    out.replace(QLatin1Char('/'), QLatin1Char(':'));
    return out;
}

bool isHeader(const QList<QStringView>& fields)
{
    return fields.at(0).compare(msg("FILENAME"), Qt::CaseInsensitive) == 0
        || fields.at(1).compare(msg("NEWFILENAME"), Qt::CaseInsensitive) == 0
        || fields.at(2).compare(msg("LOCATION"), Qt::CaseInsensitive) == 0;
}

// The listed path of a data line: the folder field must be an absolute path and the
// current name a real name ("", "." or ".." would name the folder or its parent).
std::optional<QString> listedPath(QStringView folder, const QString& oldName)
{
    if (!folder.startsWith(QLatin1Char('/')) || !isUsableFileName(oldName))
        return std::nullopt;
    return IntakePath::normalized(appendingPathComponent(QDir::cleanPath(folder.toString()), oldName));
}

void setFailure(QString* failureKey, const char* key)
{
    if (failureKey)
        *failureKey = QString::fromLatin1(key);
}


} // namespace

std::optional<FileRenameItem> parseRenameList(const QByteArray& data, int importType, QString* failureKey)
{
    // NUL never stands in a text file, and would cut a path short at the system call.
    if (data.contains('\0')) {
        setFailure(failureKey, "RENAMEFROMFILENOTTEXT");
        return std::nullopt;
    }
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(data);
    if (decoder.hasError()) {
        setFailure(failureKey, "RENAMEFROMFILENOTTEXT");
        return std::nullopt;
    }

    const QList<QStringView> lines = splitLines(text);
    if (lines.size() < 2) {
        setFailure(failureKey, "RENAMEFROMFILEMESSAGE");
        return std::nullopt;
    }
    const QList<QStringView> first = lines.first().split(QLatin1Char('\t'));
    if (first.size() != 3) {
        setFailure(failureKey, "RENAMEFROMFILEMESSAGE");
        return std::nullopt;
    }

    FileRenameItem list;
    list.importType = int(filesOrFolders(importType));
    int refused = 0;
    FolderEntries disk; // a folder named on many lines is listed once

    for (qsizetype i = isHeader(first) ? 1 : 0; i < lines.size(); ++i) {
        const QList<QStringView> fields = lines.at(i).split(QLatin1Char('\t'));
        if (fields.size() != 3)
            continue;
        const QString oldName = slashToColon(fields.at(0));
        QString newName = slashToColon(fields.at(1));
        std::optional<QString> path = listedPath(fields.at(2), oldName);
        if (!path) {
            ++refused;
            continue;
        }
        // A status text is what an exported list holds for an item without a new name.
        if (Status::isStatus(newName))
            newName.clear();
        if (!disk.exists(*path))
            newName.clear();
        else if (newName.isEmpty())
            newName = lastPathComponent(*path);
        // A path listed twice keeps the new name of its first line, the one it is listed by.
        if (list.records.contains(*path))
            continue;
        list.paths.append(*path);
        list.records.insert(*path, newName);
    }
    if (refused > 0)
        qWarning().noquote() << QStringLiteral("Error in loadRenameFile : %1")
                                    .arg(QStringLiteral("%1 line(s) without an absolute folder and a usable current name were skipped")
                                             .arg(refused));
    if (list.paths.isEmpty()) {
        setFailure(failureKey, "RENAMEFROMFILEMESSAGE");
        return std::nullopt;
    }
    return list;
}

bool loadRenameFile(ControllerState& state, UserInterface& ui, Intake& intake, std::function<void()> onFinished)
{
    if (state.isExecuting.load())
        return false;
    const auto fail = [&](const QString& key) {
        state.settings.clearRenameFile();
        ui.alert(AlertStyle::Critical, msg("RENAMEFROMFILETITLE"), msg(key.toLatin1().constData()));
        return false;
    };
    try {
        const QString path = state.settings.hasRenameFile() ? state.settings.text(QStringLiteral("renameFile")) : QString();
        if (path.isEmpty())
            return fail(QStringLiteral("UNABLETOOPENFILE"));
        // Only a regular file of a list's size is read: a folder, a device such as /dev/zero
        // (which never ends) or a FIFO (whose opening waits for a writer) is refused.
        QString error;
        std::optional<QByteArray> data = CheckedFile::readAll(path, CheckedFile::Kind::List, &error);
        if (!data) {
            qWarning().noquote() << QStringLiteral("Error in loadRenameFile : %1").arg(error);
            return fail(QStringLiteral("UNABLETOOPENFILE"));
        }
        QString failureKey;
        std::optional<FileRenameItem> list = parseRenameList(*data, state.importType, &failureKey);
        data.reset();
        if (!list)
            return fail(failureKey);
        intake.clearFilesFolders();
        state.settings.filesFoldersOptionChanged(filesOrFolders(list->importType));
        return intake.importFiles(std::move(list), std::move(onFinished));
    } catch (...) {
        state.settings.clearRenameFile();
        qWarning().noquote() << QStringLiteral("Error in browseRenameFile : %1").arg(currentExceptionReason());
        return false;
    }
}

bool browseRenameFile(ControllerState& state, UserInterface& ui)
{
    if (state.isExecuting.load())
        return false;
    try {
        ui.endEditing();
        PanelOptions options;
        options.title = msg("CHOOSETABDELIMITEDTEXTFILE");
        options.canChooseFiles = true;
        options.canChooseDirectories = false;
        options.allowsMultipleSelection = false;
        options.canCreateDirectories = false;
        options.allowedExtensions = {QStringLiteral("txt")};
        const QStringList chosen = ui.openPanel(options);
        if (chosen.isEmpty() || chosen.first().isEmpty()) {
            state.settings.clearRenameFile();
            return false;
        }
        state.settings.setText(QStringLiteral("renameFile"), chosen.first());
        return true;
    } catch (...) {
        state.settings.clearRenameFile();
        qWarning().noquote() << QStringLiteral("Error in browseRenameFile : %1").arg(currentExceptionReason());
        return false;
    }
}

void importTypeChanged(ControllerState& state, int tag)
{
    state.importType = int(filesOrFolders(tag));
}
