#include "session.h"

#include "intake/intake.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewdriver.h"

#include <gtest/gtest.h>

Session::Session(const QString& logFolder)
{
    state.preferences.defaultLogFolderPath = logFolder;
}

void Session::set(const QString& key, const QString& value)
{
    QString error;
    EXPECT_TRUE(state.settings.setDictionaryValue(key, value, &error)) << error.toStdString();
    state.settings.runModeSelectorFor(key);
}

void Session::add(const QStringList& paths)
{
    PassProgress progress(nullptr);
    Intake::addFilesToList(state, IntakeScope::fromSettings(state.settings), paths, progress);
}

bool Session::preview()
{
    if (!PreviewDriver(state, ui).actionPreview())
        return false;
    PassRunner::waitUntilIdle(state);
    return true;
}

bool Session::apply()
{
    lastApply = ApplyOutcome();
    if (!ApplyDriver(state, ui).actionApply([this](const ApplyOutcome& outcome) { lastApply = outcome; }))
        return false;
    PassRunner::waitUntilIdle(state);
    return true;
}

UndoOutcome Session::undo(const QString& logPath)
{
    UndoSheetController undo(state, ui);
    return undo.undoLogFile(logPath.isEmpty() ? lastApply.logFile : logPath);
}

QStringList Session::statuses() const
{
    QStringList out;
    for (const FileSystemItem& item : state.list.files)
        out << item.newFilename;
    return out;
}
